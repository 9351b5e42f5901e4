// The QR algorithm step by step: the shifted matrix, its factors and the next
// iterate, with the transformations of the Householder variants.
#include "calculus/button_column.h"
#include "numeric/math/qr.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

struct QrVariantText {
    const char* button;
    const char* title;
    int titleWidth;
};
constexpr QrVariantText kQrVariants[] = {
    {"SQR", u8"斯密特正交化QR分解", 48},
    {"HQR", u8"反射阵QR分解", 100},
    {"HJR", u8"H变换与旋转QR分解", 100},
};

} // namespace

void CPemroView::DrawQR(CDC* pDC, int n, int variant) {
    DrawPrecisionSelector(pDC, m_nPlotLeft - (5 * m_nBaseCharHeight) / 4, m_nPlotTop);
    m_nDemoStep = std::max(m_nDemoStep, 0);

    numeric::QrInput in;
    in.a = m_adMatrixA;
    in.n = n;
    in.variant = variant;
    in.step = m_nDemoStep;
    in.shift = m_dStepH;
    in.precision = m_nPrecisionDigits;
    auto r = std::make_unique<numeric::QrResult>();
    // Each click steps once: the run goes on from where the last pass left
    // it rather than from the start.
    static numeric::QrStepper stepper;
    if (DrawingCachesEnabled())
        stepper.Run(in, r.get());
    else
        numeric::RunQr(in, r.get());
    const int order = r->n;
    for (int i = 0; i < order; ++i) {
        std::fill_n(m_adMatrixL[i], order, 0.0);
        if (r->variant == numeric::kSchmidt) std::copy_n(r->r[i], order, m_adMatrixL[i]);
    }

    const double dx = m_dXSpan / (order + 1);
    auto cell = [&](int row, int col, bool lowerHalf, double v, COLORREF c) {
        const double y = m_dYMax - 0.5 * row * m_dYSpan / order - (lowerHalf ? 0.5 * m_dYSpan : 0);
        DrawLabelValue(pDC, m_dXMin + col * dx, y, "", m_nDecimals, v, c);
    };
    if (m_nDemoStep == 0) {
        for (int i = 0; i < order; ++i)
            for (int j = 0; j < order; ++j) cell(i, j, false, r->b[i][j], m_crCurveSetting);
    } else if (r->variant == numeric::kSchmidt) {
        for (int i = 0; i < order; ++i)
            for (int j = 0; j < order; ++j) {
                cell(i, j, false, r->b[i][j], m_crCurveSetting);
                if (j < r->lowerColumns) cell(i, j, true, r->lower[i][j], m_crFirstDerivative);
            }
        DrawRelatedDataPanel(pDC, "", -1, r->w, "", -1, r->u, "R", &r->panel[0][0], order, order,
                             "", -1, r->u, "", -1, r->u);
    } else {
        const COLORREF top = r->finished ? m_crDefaultPen : m_crFirstDerivative;
        const COLORREF bottom = r->finished ? m_crDefaultFill : m_crSecondDerivative;
        for (int i = 0; i < order; ++i)
            for (int j = 0; j < order; ++j) {
                cell(i, j, false, r->b[i][j], top);
                cell(i, j, true, r->lower[i][j], bottom);
            }
        const bool householder = r->variant == numeric::kHouseholder;
        if (r->finished) {
            DrawRelatedDataPanel(pDC, "", -1, r->w, "", -1, r->u, "Q", &r->panel[0][0], order,
                                 order, "", -1, r->u, "", -1, r->u);
        } else {
            if (householder || m_nDemoStep < order) {
                const double y = m_dYMax - 0.5 * m_dYSpan;
                DrawLabelValue(pDC, m_dXMin, y, Gbk(u8"σ="), m_nDecimals, r->sigma,
                               m_crFirstDerivative);
                DrawLabelValue(pDC, m_dXMin + 0.4 * m_dXSpan, y, Gbk(u8"β="), m_nDecimals, r->beta,
                               m_crFirstDerivative);
            }
            if (householder)
                DrawRelatedDataPanel(pDC, u8"μ 归一化", r->column + 1, r->w, "", -1, r->u, "H",
                                     &r->panel[0][0], order, order, "", -1, r->u, u8"μ",
                                     r->column + 1, r->u);
            else
                DrawRelatedDataPanel(pDC, "", -1, r->w, "", -1, r->u, "V(i,j)", &r->panel[0][0],
                                     order, order, "", -1, r->u, "", -1, r->u);
        }
    }
    if (m_nDemoStep > 0 && r->finished && r->iterations > 0)
        DrawLabelIntegerWorld(pDC, m_dXMax - 0.15 * m_dXSpan, m_dYMax - 0.1 * m_dYSpan, "A", 8, 4,
                              r->iterations, m_crCurveSetting);

    // The column and the title straddle the plot's right edge; the frame
    // widens to hold them, the same in every pass.
    {
        const int R = m_nPlotRight, ch = m_nBaseCharHeight;
        calculus::FrameMarginForButtons(*this, pDC,
                                        {{R - 3 * ch, u8"斯密特正交化QR分解"},
                                         {R - 3 * ch, u8"H变换与旋转QR分解"},
                                         {R - 20, u8"下一步"},
                                         {R - 20, u8"上一步"},
                                         {R - 20, u8"开  始"},
                                         {R - 20, "SQR"},
                                         {R - 20, "HQR"},
                                         {R - 20, "HJR"},
                                         {R - 20, u8"P增加"},
                                         {R - 20, u8"P减少"}});
    }
    DrawStepButtons(pDC, 0);
    for (int k = 0; k < 3; ++k) DrawMethodButton(pDC, 3 + k, kQrVariants[k].button, k);
    const int x = m_nPlotRight - 20;
    if (TextButtonInPlot(pDC, x, m_nPlotTop + 24 * 6, 48, 20, Gbk(u8"P增加"), m_crCurveSetting)) {
        m_dStepH += m_dParamStep;
        m_bLoadScriptSettings = FALSE;
    }
    if (TextButtonInPlot(pDC, x, m_nPlotTop + 24 * 7, 48, 20, Gbk(u8"P减少"), m_crCurveSetting)) {
        m_dStepH -= m_dParamStep;
        m_bLoadScriptSettings = FALSE;
    }
    // "P=" stands under the matrix; when the plot is short (the related-data
    // panel above it) or the order high, a row of the lower half runs
    // through its line: it then takes the free column right of the matrix.
    // Its row ends 2 pixels above the plot's bottom, where the related-data
    // button stands under it.
    double px = m_dXMin + 0.4 * m_dXSpan;
    const double py =
        std::max(m_dYMin + 0.1 * m_dYSpan,
                 m_dYMin + LabelValueRowHeight(pDC) + 2 * m_dYSpan / std::max(1, m_nPlotHeight));
    const double line = m_dYSpan * std::abs(NumberFont().lfHeight) / std::max(1, m_nPlotHeight);
    for (int i = 0; i < order && m_nDemoStep > 0; ++i)
        if (std::fabs(m_dYMax - 0.5 * i * m_dYSpan / order - 0.5 * m_dYSpan - py) < line)
            px = m_dXMin + order * dx;
    DrawLabelValue(pDC, px, py, "P=", m_nDecimals, m_dStepH, m_crCurveSetting);
    DrawDecimalsSelector(pDC, m_nPlotLeft, m_nPlotTop - 23, 6);
    // A variant number outside the three runs and is titled as the first.
    const QrVariantText& t = kQrVariants[r->variant];
    TextButtonInPlot(pDC, m_nPlotRight - 3 * m_nBaseCharHeight, m_nPlotTop - 23, t.titleWidth, 20,
                     Gbk(t.title), m_crCurveSetting);
}
