// The power method and its variants, one iteration per step, as a table of
// normalised iterates or as their graph.
#include "calculus/button_column.h"
#include "numeric/math/power.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <memory>

namespace {

using numeric::kPowerMaxOrder;

struct PowerTitle {
    const char* text;
    int dx, width;
};
constexpr PowerTitle kPowerTitles[] = {
    {u8"幂  法", 30, 50},     {u8"反幂法", 30, 50},   {u8"幂埃特肯", 40, 60},
    {u8"反幂埃特肯", 50, 70}, {u8"幂平移法", 40, 60}, {u8"反幂平移法", 50, 70},
};
constexpr double kPowerEpsilonGrow = 1.25;
constexpr double kPowerEpsilonShrink = 0.8;
constexpr double kSmallestEpsilon = 1e-6;

} // namespace

void CPemroView::DrawPowerMethod(CDC* pDC, int n, int mode) {
    n = std::clamp(n, 2, kPowerMaxOrder);
    DrawKeepDecimalsSelector(pDC, n, n, 0);
    DrawPrecisionSelector(pDC, m_nPlotLeft - (5 * m_nBaseCharHeight) / 4, m_nPlotTop);
    if (mode < numeric::kPower || mode > numeric::kShiftedInverse) mode = numeric::kPower;
    const bool inverse = mode % 2 == 1;
    const double p = mode < numeric::kShiftedPower ? 0.0 : m_dStepH;
    if (m_dEpsilon <= 0) m_dEpsilon = kSmallestEpsilon;
    if (m_nScriptPlotMode < 0 || m_nScriptPlotMode > 1) m_nScriptPlotMode = 0;
    m_nDemoStep = std::max(m_nDemoStep, 0);
    const int s = m_nDemoStep;

    // M: A at step 0, then A - pI, or for the inverse modes its LU factors.
    double M[kPowerMaxOrder][kPowerMaxOrder + 1] = {};
    double b[kPowerMaxOrder];
    for (int i = 0; i < n; ++i) {
        b[i] = m_adMatrixA[i][kMatrixDim - 1];
        for (int j = 0; j < n; ++j)
            M[i][j] = s == 0 ? m_adMatrixA[i][j]
                             : RoundSignificant(m_adMatrixA[i][j] - (i == j ? p : 0.0));
    }
    if (s >= 1 && inverse) {
        double saved[kPowerMaxOrder][kPowerMaxOrder];
        for (int i = 0; i < n; ++i) {
            std::copy_n(m_adMatrixA[i], n, saved[i]);
            std::copy_n(M[i], n, m_adMatrixA[i]);
        }
        DecomposeAndSolve(n, 0);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) M[i][j] = j < i ? m_adMatrixL[i][j] : m_adMatrixU[i][j];
            std::copy_n(saved[i], n, m_adMatrixA[i]);
        }
    }

    numeric::PowerInput in;
    in.m = M;
    in.b = b;
    in.n = n;
    in.mode = mode;
    in.shift = p;
    in.epsilon = m_dEpsilon;
    in.step = s >= 2 ? s : 0;
    in.precision = m_nPrecisionDigits;
    auto r = std::make_unique<numeric::PowerResult>();
    numeric::RunPower(in, r.get());

    const double colW = m_dXSpan / (n + 2);
    if (s <= 1) {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                const COLORREF c =
                    s == 1 && inverse && j < i ? m_crFirstDerivative : m_crCurveSetting;
                DrawLabelValue(pDC, m_dXMin + j * m_dXSpan / (n + 1),
                               m_dYMax - i * m_dYSpan / (n + 1), "", m_nDecimals, M[i][j], c);
            }
        if (s == 1)
            for (int i = 0; i < n; ++i) {
                const double x = m_dXMin + i * colW;
                DrawLabelValue(pDC, x, m_dYMin + 0.3 * m_dYSpan, " x", 0, i + 1, m_crCurveSetting);
                DrawLabelValue(pDC, x, m_dYMin + 0.2 * m_dYSpan, "", m_nDecimals, r->v0[i],
                               m_crCurveSetting);
            }
    } else {
        const bool numbers = m_nScriptPlotMode == 0;
        if (numbers) {
            for (int i = 0; i < n; ++i)
                DrawLabelValue(pDC, m_dXMin + i * colW, m_dYMax, " x", 0, i + 1, m_crCurveSetting);
            // A label as the step numbers under it are: the related-data
            // panel, come down over the plot, covers it with them.
            DrawLabelValue(pDC, m_dXMin + (n + 1.3) * colW, m_dYMax, "i", -1, 0, m_crCurveSetting);
            for (int k = 0; k < r->rowCount; ++k) {
                const numeric::PowerRow& row = r->rows[k];
                const double y = m_dYMax - (k + 1) * 0.1 * m_dYSpan;
                for (int i = 0; i < n; ++i)
                    DrawLabelValue(pDC, m_dXMin + i * colW, y, "", m_nDecimals, row.v[i],
                                   m_crCurveSetting);
                DrawLabelValue(pDC, m_dXMin + n * colW, y, Gbk(u8"λ="), m_nDecimals, row.lambda,
                               m_crCurveSetting);
                DrawLabelValue(pDC, m_dXMin + (n + 1.3) * colW, y, "", 0, row.number,
                               m_crCurveSetting);
            }
            if (r->aitkenShown) {
                const double y = m_dYMin + 0.2 * m_dYSpan;
                for (int t = 0; t < 3; ++t)
                    DrawLabelValuePair(pDC, m_dXMin + 0.3 * t * m_dXSpan, y, Gbk(u8"λ ="),
                                       m_nDecimals, r->aitken[t], "", 0, r->aitkenK - 1 + t, 1.2,
                                       0.3, m_crCurveSetting);
            }
        } else {
            const int count = int(r->path.size()) / n;
            for (int k = 0; k < count; ++k) {
                const double* v = &r->path[size_t(k) * n];
                const COLORREF c = m_acrPalette[k % 16];
                if (n == 2) {
                    DrawDotWorld(pDC, v[0], v[1], 1, 1, m_crDefaultPen, m_crDefaultFill);
                    continue;
                }
                for (int i = 0; i + 1 < n; ++i)
                    DrawLineWorld(pDC, m_dXMin + i * m_dXSpan / n, v[i],
                                  m_dXMin + (i + 1) * m_dXSpan / n, v[i + 1], c);
            }
        }
        if (r->diverged) DrawMatrixMessage(pDC, u8"迭代出界");
        if (r->lastK >= 0) {
            const int k = r->lastK;
            const char* title = p != 0 ? (inverse ? "A-pI=LU" : "A-pI") : (inverse ? "A=LU" : "A");
            if (inverse) {
                m_crCurve = m_crFirstDerivative;
                DrawRelatedDataPanel(pDC, "x", k, r->u, "y", k, r->y, title, &M[0][0], n, n, "x",
                                     k - 1, r->v, "", -1, r->v);
            } else {
                m_crCurve = m_crCurveSetting;
                DrawRelatedDataPanel(pDC, "", -1, r->u, "x", k, r->u, title, &M[0][0], n, n, "x",
                                     k - 1, r->v, "", -1, r->v);
            }
        }
    }

    DrawPowerButtons(pDC, n, mode);
    const double y = m_dYMin + 0.1 * m_dYSpan;
    DrawLabelValue(pDC, m_dXMin, y, "n=", 0, m_nDemoStep, m_crCurveSetting);
    DrawLabelValue(pDC, m_dXMin + 0.2 * m_dXSpan, y, Gbk(u8"ε="), 6, m_dEpsilon, m_crCurveSetting);
    if (mode >= numeric::kShiftedPower)
        DrawLabelValue(pDC, m_dXMin + 0.5 * m_dXSpan, y, "P=", 4, m_dStepH, m_crCurveSetting);
    const PowerTitle& t = kPowerTitles[mode];
    TextButtonInPlot(pDC, m_nPlotRight - t.dx, m_nPlotTop - 23, t.width, 20, Gbk(t.text),
                     m_crFirstDerivative);
    DrawDecimalsSelector(pDC, m_nPlotLeft, m_nPlotTop - 23, 6);
}

void CPemroView::DrawPowerButtons(CDC* pDC, int n, int mode) {
    const int x = m_nPlotRight - m_nBaseCharHeight;
    // The column and the title straddle the plot's right edge; the frame
    // widens to hold them, the same in every pass.
    int reach = calculus::WidestButton(
        *this, {u8"下一步", u8"上一步", u8"开  始", u8"折线表示", u8"数值表示", u8"幂  法",
                u8"反幂法", u8"埃特肯", u8"平移法", u8"ε增加", u8"ε减少", u8"P增加", u8"P减少"});
    for (const PowerTitle& t : kPowerTitles)
        reach = std::max(reach, m_nBaseCharHeight - t.dx + ButtonWidth(Gbk(t.text)));
    calculus::FrameMarginForColumn(*this, pDC, x, reach);
    auto button = [&](int row, const char* label) {
        return TextButtonInPlot(pDC, x, m_nPlotTop + 24 * row, 48, 20, Gbk(label),
                                m_crCurveSetting);
    };
    auto pending = [&](int value) {
        m_nPendingPlotMode = value;
        m_bSelectionPending = TRUE;
    };
    if (button(0, u8"下一步")) ++m_nDemoStep;
    if (button(1, u8"上一步")) --m_nDemoStep;
    if (button(2, u8"开  始")) m_nDemoStep = 0;
    if (button(3, n > 2 ? u8"折线表示" : u8"点表示")) {
        m_nSavedScriptPlotMode = 1;
        m_bLoadScriptSettings = FALSE;
    }
    if (button(4, u8"数值表示")) {
        m_nSavedScriptPlotMode = 0;
        m_bLoadScriptSettings = FALSE;
    }
    if (button(5, u8"幂  法")) pending(numeric::kPower);
    if (button(6, u8"反幂法")) pending(numeric::kInversePower);
    if (button(7, u8"埃特肯") && mode <= numeric::kInversePower) pending(mode + 2);
    if (button(8, u8"平移法"))
        pending(mode <= numeric::kInversePower    ? mode + 4
                : mode <= numeric::kInverseAitken ? mode + 2
                                                  : mode);
    if (button(9, u8"ε增加")) m_dEpsilon *= kPowerEpsilonGrow, m_bLoadScriptSettings = FALSE;
    if (button(10, u8"ε减少")) m_dEpsilon *= kPowerEpsilonShrink, m_bLoadScriptSettings = FALSE;
    if (mode >= numeric::kShiftedPower) {
        if (button(11, u8"P增加")) {
            m_dStepH += m_dParamStep;
            m_bLoadScriptSettings = FALSE;
        }
        if (button(12, u8"P减少")) {
            m_dStepH -= m_dParamStep;
            m_bLoadScriptSettings = FALSE;
        }
    }
}
