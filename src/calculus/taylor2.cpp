// Taylor polynomials of two variables: the polynomial of degree n about the
// origin or a picked point as a small solid against the surface, and the
// quadratic approximation with a factor on its mixed term.
#include "catalog/surface_pass.h"
#include "view/view.h"

#include "platform/text_codec.h"
#include "script/script_args.h"

#include <algorithm>

namespace {

constexpr int kArgSeries2 = 8;
constexpr int kMaclaurin = 16;
constexpr int kTaylor = 17;
// Below the figure's top by more than a button's frame.
constexpr int kCaptionDrop = 4;
// The captions say n<6; degree 0 would draw the flat solid of degree 1.
constexpr int kMinDegree = 1, kMaxDegree = 5;
constexpr double kMinMixedFactor = -2;
constexpr double kMaxMixedFactor = 4;
constexpr double kDiffStep = 0.001;
constexpr int kTaylorForm = 0;
constexpr int kQuadraticForm = 22;
constexpr int kHiddenForm = -1;
constexpr int kCaptionGap = 12;

} // namespace

void CPemroView::CmdSeries2(CDC* pDC) {
    ReadPlotSetup3D(kArgSeries2);
    if (!m_bFigureVisible) return;
    const int choice = IsArgListOpen() ? ScriptInt(ReadScriptNumber(m_nParsePos)) : 2;
    if (choice == 0 || choice == 1) {
        m_nSubDemo = choice == 0 ? kMaclaurin : kTaylor;
        DrawSeries2(pDC, 0);
    } else if (choice < 0) {
        // The user switches between the two polynomials, from Maclaurin on.
        if (m_nSeries2Choice != kMaclaurin && m_nSeries2Choice != kTaylor)
            m_nSeries2Choice = kMaclaurin;
        m_nSubDemo = m_nSeries2Choice;
        DrawSeries2(pDC, 1);
    } else {
        DrawSeries2(pDC, 2);
    }
}

void CPemroView::DrawSeries2(CDC* pDC, int nButtons) {
    DrawSurfaceScene(pDC, 0, 0, 0, 0, 0, 0, 0, "x", "y", "z");
    if (!IsFigureBandVisible() || !IsSceneUsable()) return;
    if (!m_bFullRepaint && !HitTestGraphRegion(0) && !IsClickOnSceneControls()) return;
    if (m_nSubDemo == kMaclaurin || m_nSubDemo == kTaylor)
        DrawTaylorSolid2(pDC, nButtons);
    else
        DrawQuadraticApprox(pDC);
    // Written after the surface, whose shadow on the floor would cover it.
    if (m_nSubDemo != kMaclaurin)
        DrawText3D(pDC, m_dXMax, m_dYMin, m_dZMin + 0.1 * m_dZSpan, Gbk(u8"在底面上选一点"),
                   m_crCurveSetting);
}

void CPemroView::DrawTaylorSolid2(CDC* pDC, int nButtons) {
    const int bx = m_nFigureRight + 2, top = m_nFigureTop;
    if (TextButton(pDC, bx, top + 4, Gbk(u8"n增加"))) ++m_nDemoStep;
    if (TextButton(pDC, bx, top + 34, Gbk(u8"n减少"))) --m_nDemoStep;
    if (nButtons != 0) {
        if (TextButton(pDC, bx, top + 64, Gbk(u8"麦克")))
            m_nSeries2Choice = m_nPendingSubDemo = m_nSubDemo = kMaclaurin;
        if (TextButton(pDC, bx, top + 94, Gbk(u8"泰勒")))
            m_nSeries2Choice = m_nPendingSubDemo = m_nSubDemo = kTaylor;
    }
    m_nDemoStep = std::clamp(m_nDemoStep, kMinDegree, kMaxDegree);
    DrawLabelValue3D(pDC, m_dXMin, m_dYMin + 0.05 * m_dYSpan, m_dZMax - 0.05 * m_dZSpan,
                     Gbk(u8"级数项数n="), 0, m_nDemoStep, m_crCurveSetting);
    // The caption ends left of the button column, however wide the font.
    const auto caption = [&](int nominal, const char* utf8) {
        const CString text = Gbk(utf8);
        const int cell = (m_nLabelZoom + 2) * (m_nFontStep / 2 + m_nCharWidth) / 3;
        const int x = std::min(m_nFigureRight - nominal,
                               m_nFigureRight - int(text.size()) * cell - kCaptionGap);
        // A few pixels down: the projection toggle above ends at the figure's
        // top, its frame round it. The open projection stands there: below it.
        const int top = m_nProjectionDisplay == 1 ? m_nInsetBottom : m_nFigureTop;
        DrawString(pDC, x, top + kCaptionDrop, text, m_crCurveSetting);
    };
    // Written after the surfaces, where their projection toggle has answered
    // and the mesh cannot cover it.
    const auto captions = [&] {
        if (m_nSubDemo == kMaclaurin)
            caption(140, u8"麦克劳林公式n<6");
        else
            caption(120, u8"泰勒公式n<6");
    };
    if (!HitTestGraphRegion(1)) return captions();
    if (m_nSubDemo == kMaclaurin)
        m_dX0 = 0, m_dY0 = 0;
    else
        m_dX0 = m_dCursorX, m_dY0 = m_dCursorY;
    const double x0 = m_dX0, y0 = m_dY0;
    // The expansions' coefficients once for the whole figure.
    SurfacePass pass(*this);
    DrawSurfaceScene(pDC, 1, 0, 1, m_dXMin, x0, m_dYMin, m_dYMax, "x", "y", "z");
    DrawSolidBetweenSurfaces(pDC, x0 - m_dXSpan / 6, x0 + m_dXSpan / 6, y0 - m_dYSpan / 6,
                             y0 + m_dYSpan / 6, kTaylorForm, kTaylorForm);
    DrawSurfaceScene(pDC, 1, 0, 1, x0, m_dXMax, m_dYMin, m_dYMax, "", "", "");
    captions();
}

void CPemroView::DrawQuadraticApprox(CDC* pDC) {
    const double x0 = m_dX0 = m_dBreakF0 = m_dCursorX;
    const double y0 = m_dY0 = m_dBreakF1 = m_dCursorY;
    const int bx = m_nFigureRight + 2, top = m_nFigureTop;
    if (TextButton(pDC, bx, top + 4, Gbk(u8"k增加"))) m_dDemoParam += m_dParamStep;
    if (TextButton(pDC, bx, top + 34, Gbk(u8"k减少"))) m_dDemoParam -= m_dParamStep;
    m_dDemoParam = std::clamp(m_dDemoParam, kMinMixedFactor, kMaxMixedFactor);
    DrawLabelValue3D(pDC, m_dXMin, m_dYMin + 0.05 * m_dYSpan, m_dZMax - 0.05 * m_dZSpan, "k=", 4,
                     m_dDemoParam, m_crCurveSetting);
    m_nSurfaceLower = kHiddenForm;
    const double h = m_dDiffStep = kDiffStep;
    const auto f = [&](double x, double y) { return EvalSurfaceF(x, y, m_nSurfaceUpper); };
    const double f0 = f(x0, y0);
    double* g = m_adCoefSurfG;
    g[5] = f0;
    g[3] = (f(x0 + h, y0) - f0) / h;
    g[4] = (f(x0, y0 + h) - f0) / h;
    g[0] = (f(x0 - h, y0) + f(x0 + h, y0) - 2 * f0) * 0.5 / (h * h);
    g[2] = (f(x0, y0 - h) + f(x0, y0 + h) - 2 * f0) * 0.5 / (h * h);
    g[1] = (f(x0 + h, y0 + h) + f(x0 - h, y0 - h) - f(x0 + h, y0 - h) - f(x0 - h, y0 + h)) *
           (0.25 * m_dDemoParam) / (h * h);
    DrawSolidBetweenSurfaces(pDC, m_dXMin, m_dXMax, m_dYMin, m_dYMax, m_nSurfaceUpper,
                             kQuadraticForm);
    // AC − B² of the quadric's own second derivatives A = 2a, B = b, C = 2c:
    // positive over an elliptic bowl, negative over a saddle, and at k = 1
    // the second-derivative test of the surface at the point.
    DrawLabelValue3D(pDC, m_dXMin, m_dYMin + 0.05 * m_dYSpan, m_dZMax - 0.15 * m_dZSpan,
                     Gbk(u8"△="), 4, 4 * g[0] * g[2] - g[1] * g[1], m_crCurveSetting);
}
