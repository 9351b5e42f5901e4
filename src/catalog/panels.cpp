// The function panels above a figure: which function is edited, its formula,
// the curve or surface selectors, the "结束" button and the step buttons.
// Every change goes to the saved copies and reaches the working fields in
// the same pass.
#include "catalog/math/surfaces.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>

namespace {

// Explicit forms with a breakpoint x0, with alpha, and with beta as well.
bool HasBreakpoint(int k) {
    return k > 62;
}
bool HasAlpha(int k) {
    return k < 3 || k == 53 || k == 54 || k == 62;
}
bool HasBeta(int k) {
    return k == 53 || k == 54 || k == 62;
}

constexpr int kRegionX = 1;        // x-type region: upper and lower curve
constexpr int kRegionY = 2;        // y-type region: right and left curve
constexpr int kRegionImplicit = 3; // implicit region
constexpr int kOdeLienard = 1;     // the pair f(x), g(x) of x''+f(x)x'+g(x)=0
constexpr int kProfileSurfaceFirst = 17;
constexpr int kProfileSurfaceLast = 20;
constexpr int kSelectorOffset = 50; // buttons this far left of the panel's right edge

struct PanelLabels {
    CString close = Gbk(u8"结束");
    CString upperCaption = Gbk(u8"(上曲线)");
    CString rightCaption = Gbk(u8"(右曲线)");
    CString lowerCaption = Gbk(u8"(下曲线)");
    CString leftCaption = Gbk(u8"(左曲线)");
    CString upper = Gbk(u8"上曲线");
    CString lower = Gbk(u8"下曲线");
    CString right = Gbk(u8"右曲线");
    CString left = Gbk(u8"左曲线");
    CString fx = "f(x)";
    CString gx = "g(x)";
    CString explicitKind = Gbk(u8"显函数:");
    CString parametricKind = Gbk(u8"参数式:");
    CString implicitKind = Gbk(u8"隐函数:");
    CString fxy = "f(x,y)";
    CString gxy = "g(x,y)";
    CString fxyCaption = "f(x,y):";
    CString gxyCaption = "g(x,y):";
    CString x0 = "x0";
    CString alpha = Gbk(u8"α");
    CString beta = Gbk(u8"β");
    CString x0Label = "x0=";
    CString alphaLabel = Gbk(u8"α=");
    CString betaLabel = Gbk(u8"β=");
};

const PanelLabels& Labels() {
    static const PanelLabels labels;
    return labels;
}

// A formula text pointer as a string; a missing text is empty.
CString Formula(const char* text) {
    return text ? CString(text) : CString();
}

} // namespace

void CPemroView::DrawFunctionPanel(CDC* pDC, int nLeft, int nRight, int nTop, int nBottom) {
    const PanelLabels& t = Labels();
    const int L = nLeft, R = nRight, T = nTop, B = nBottom;
    const int W = R - L, H = B - T, c = m_nBaseCharHeight;
    const COLORREF colour = m_crCurveSetting;

    // 1. The edited function.
    int k = 0;
    if (m_nPanelCurveSel == -1 || m_nPlotMode >= 0) k = m_nFuncF;
    if (m_nRegionType == kRegionImplicit) {
        m_nPlotMode = 2;
        m_nPanelCurveSel = 0;
        k = m_nFuncF;
    }
    const bool regionX = m_nRegionType == kRegionX, regionY = m_nRegionType == kRegionY;
    const bool lienard = m_nOdeForm == kOdeLienard;
    if (m_nPanelCurveSel == 0) {
        if (regionX || lienard)
            k = m_nFuncUpper;
        else if (regionY)
            k = m_nFuncRight;
    } else if (m_nPanelCurveSel == 1) {
        if (regionX || lienard)
            k = m_nFuncLower;
        else if (regionY)
            k = m_nFuncLeft;
    }
    if (m_nPanelCurveSel >= 0 && (regionX || regionY)) m_nPlotMode = 0;

    // 2. Only functions with coefficients have a panel.
    if (!FunctionHasCoefficients(k)) return;

    // 3. Frame, close button, caption, selectors and formula.
    if (m_nCurveCoefEdit == 1) {
        FillRectGradientPx(pDC, L, T - 2, R, B, m_crLeftFrame, m_crRightFrame);
        FillRectPx(pDC, L + 2, T, R - 2, B, m_crGround);
        // The column keeps inside the panel's right edge when its captions
        // are wider than the nominal 40 pixels.
        const CString* first = regionX ? &t.upper : regionY ? &t.right : lienard ? &t.fx : nullptr;
        const CString* second = regionX ? &t.lower : regionY ? &t.left : lienard ? &t.gx : nullptr;
        int widest = ButtonWidth(t.close);
        if (first) widest = std::max({widest, ButtonWidth(*first), ButtonWidth(*second)});
        const int x = R - std::max(kSelectorOffset, widest + 2);
        if (TextButtonCore(pDC, x, T + 4, 40, 20, t.close, colour)) m_nCurveCoefEdit = 2;
        const CString* caption = nullptr;
        if (m_nPanelCurveSel == 0)
            caption = regionX ? &t.upperCaption : regionY ? &t.rightCaption : nullptr;
        if (m_nPanelCurveSel == 1)
            caption = regionX ? &t.lowerCaption : regionY ? &t.leftCaption : nullptr;
        if (caption) DrawString(pDC, L + c / 2, T + 2, *caption, colour);

        if (first) {
            if (TextButtonCore(pDC, x, T + H / 3, 40, 20, *first, colour)) m_nPanelCurveSel = 0;
            if (TextButtonCore(pDC, x, T + 2 * H / 3, 40, 20, *second, colour))
                m_nPanelCurveSel = 1;
        }

        if (regionX || regionY || lienard) {
            SetFFormulaText(k);
            if (m_nPanelCurveSel == 1) {
                // The second curve shows its own g(x) formula.
                SetGFormulaText(k);
                DrawString(pDC, L + 7 * c / 2, T + 2, m_strFormulaG, colour);
            } else {
                DrawString(pDC, L + 7 * c / 2, T + 2, Formula(m_pszFormulaF), colour);
            }
        } else if (m_nPlotMode == 0) {
            SetFFormulaText(k);
            DrawString(pDC, L + c, T, t.explicitKind, colour);
            DrawString(pDC, L + 7 * c / 2, T, Formula(m_pszFormulaF), colour);
            DrawString(pDC, L + 7 * c / 2, T + H / 6, m_strFormulaG, colour);
        } else if (m_nPlotMode == 1) {
            SetParamFormulaText(k);
            DrawString(pDC, L + c, T, t.parametricKind, colour);
            DrawString(pDC, L + 7 * c / 2, T, Formula(m_pszFormulaF), colour);
        } else if (m_nPlotMode == 2) {
            SetImplicitFormulaText(k);
            DrawString(pDC, L + c, T, t.implicitKind, colour);
            DrawString(pDC, L + 7 * c / 2, T, Formula(m_pszFormulaSurfG), colour);
        }
    }
    if (m_nCurveCoefEdit != 1) return;

    // 4. Step buttons of the first or the second curve.
    const bool first = m_nPanelCurveSel < 1 || (m_nPanelCurveSel == 2 && regionX);
    const bool second = m_nPanelCurveSel == 1 || (m_nPanelCurveSel == 2 && regionY);
    if (first) {
        DrawCoefficientStepPanel(pDC, 0, L, R, T, B, "yy", "yy");
        DrawPanelExtraSteps(pDC, k, FALSE, L, T, H);
    }
    if (second) {
        DrawCoefficientStepPanel(pDC, 1, L, R, T + 7, B + 7, "yy", "yy");
        DrawPanelExtraSteps(pDC, k, TRUE, L, T, H);
    }

    // 5. Value labels of the extra parameters, after this pass's change.
    RestoreSavedSettings();
    const bool explicitMode = m_nPlotMode == 0;
    // β stands under α: beside it, α's value pushed it past the selectors.
    const int lx = L + 3 * c + 5 + W / 2, betaRow = H / 5;
    if (m_nPanelCurveSel < 1) {
        int kf = k;
        if (m_nPanelCurveSel == -1 || m_nRegionType == kRegionImplicit)
            kf = m_nFuncF;
        else if (regionX)
            kf = m_nFuncUpper;
        else if (regionY)
            kf = m_nFuncRight;
        const int y = T + H / 5;
        if (explicitMode && HasBreakpoint(kf))
            DrawLabelNumberBoxed(pDC, lx, y, t.x0Label, 1, m_dBreakF0, colour);
        if (explicitMode && HasAlpha(kf))
            DrawLabelNumberBoxed(pDC, lx, y, t.alphaLabel, 1, m_dAlphaF, colour);
        if (explicitMode && HasBeta(kf))
            DrawLabelNumberBoxed(pDC, lx, y + betaRow, t.betaLabel, 1, m_dBetaF, colour);
    }
    if (m_nPanelCurveSel == 1) {
        int kg = k;
        if (regionX)
            kg = m_nFuncLower;
        else if (regionY)
            kg = m_nFuncLeft;
        const int y = T + 2 * H / 5;
        if (explicitMode && HasBreakpoint(kg))
            DrawLabelNumberBoxed(pDC, lx, y, t.x0Label, 1, m_dBreakG0, colour);
        if (explicitMode && HasAlpha(kg))
            DrawLabelNumberBoxed(pDC, lx, y, t.alphaLabel, 1, m_dAlphaG, colour);
        if (explicitMode && HasBeta(kg))
            DrawLabelNumberBoxed(pDC, lx, y + betaRow, t.betaLabel, 1, m_dBetaG, colour);
    }
}

void CPemroView::DrawPanelExtraSteps(CDC* pDC, int k, BOOL bSecond, int nLeft, int nTop,
                                     int nHeight) {
    if (m_nPlotMode != 0) return;
    const PanelLabels& t = Labels();
    const int c = m_nBaseCharHeight;
    const int x = nLeft + 4 * c + 120, xBeta = nLeft + 4 * c + 140;
    const int yUp = nTop + 3 * nHeight / 5, yDown = nTop + 4 * nHeight / 5;
    const COLORREF colour = m_crCurveSetting;
    const auto steps = [&](int bx, const CString& label, double* saved) {
        if (TextButtonCore(pDC, bx, yUp, 40, 20, label, colour)) {
            *saved += m_dParamStep;
            m_bLoadScriptSettings = 0;
        }
        if (TextButtonCore(pDC, bx, yDown, 40, 20, label, colour)) {
            *saved -= m_dParamStep;
            m_bLoadScriptSettings = 0;
        }
    };
    if (HasBreakpoint(k)) steps(x, t.x0, bSecond ? &m_dSavedBreakG0 : &m_dSavedBreakF0);
    if (HasAlpha(k)) steps(x, t.alpha, bSecond ? &m_dSavedAlphaG : &m_dSavedAlphaF);
    if (HasBeta(k)) steps(xBeta, t.beta, bSecond ? &m_dSavedBetaG : &m_dSavedBetaF);
}

void CPemroView::DrawSurfaceFunctionPanel(CDC* pDC, int nLeft, int nRight, int nTop, int nBottom,
                                          CString strUpper, CString strLower) {
    if (m_nSurfaceCoefEdit == 2) return;
    const int L = nLeft, R = nRight, T = nTop, B = nBottom;
    const int H = B - T, c = m_nBaseCharHeight;
    FillRectGradientPx(pDC, L, T, R, B, m_crLeftFrame, m_crRightFrame);
    FillRectPx(pDC, L + 2, T + 2, R - 2, B, m_crGround);
    // A panel drawn here before in this pass is covered with its values.
    CoverValueLabels(CRect(L, T, R, B));
    // The buttons keep inside the panel's right edge when a large font widens them.
    const bool selectors = !strUpper.empty() && !strLower.empty();
    int widest = ButtonWidth(Labels().close);
    if (selectors) widest = std::max({widest, ButtonWidth(strUpper), ButtonWidth(strLower)});
    const int x = R - std::max(kSelectorOffset, widest + 2);
    if (TextButtonSimple(pDC, x, T + 4, Labels().close)) m_nSurfaceCoefEdit = 2;
    if (selectors) {
        if (TextButtonSimple(pDC, x, T + H / 3, strUpper)) m_nPanelSurfaceSel = 0;
        if (TextButtonSimple(pDC, x, T + 2 * H / 3, strLower)) m_nPanelSurfaceSel = 1;
    }
    // A selection other than 0 or 1 edits the upper surface.
    if (m_nPanelSurfaceSel != 1) m_nPanelSurfaceSel = 0;
    const bool profile =
        m_nSurfaceUpper >= kProfileSurfaceFirst && m_nSurfaceUpper <= kProfileSurfaceLast;
    if (profile) {
        SetFFormulaText(m_nSurfaceUpperProfile);
        m_strFormulaFxy = Formula(m_pszFormulaF);
    } else {
        SetSurfaceFormulaText();
        m_strFormulaFxy = Formula(m_nPanelSurfaceSel == 0 ? m_pszFormulaSurfF : m_pszFormulaSurfG);
    }
    DrawString(pDC, L + c / 2, T + 2, m_nPanelSurfaceSel == 0 ? strUpper : strLower,
               m_crCurveSetting);
    DrawString(pDC, L + 7 * c / 2, T + 2, m_strFormulaFxy, m_crCurveSetting);
    // The second of two planes has d, e, f alone: its a, b, c are the first's.
    const bool planeTwo = m_nPanelSurfaceSel == 1 && m_nSurfaceLower == catalog::kPlaneSurfaceForm;
    DrawCoefficientStepPanel(pDC, m_nPanelSurfaceSel + 2, L, R, T + 5, B + 5,
                             planeTwo ? CString() : strUpper, strLower);
    if (m_nSubDemo == 16 || m_nSubDemo == 17 || m_nSubDemo == 23) {
        // The lower surface becomes the base plane z = z min.
        double upper[6], base[6] = {0, 0, 0, 0, 0, m_dZMin};
        for (int i = 0; i < 6; ++i) upper[i] = m_adCoefSurfF[i];
        SetSettingBlock(m_nSurfaceUpper, 1, upper, base);
    }
}

void CPemroView::DrawODEFunctionPanel(CDC* pDC, int nOdeKind, int nLeft, int nRight, int nTop,
                                      int nBottom) {
    if (m_nSurfaceCoefEdit != 1) return;
    const PanelLabels& t = Labels();
    const int L = nLeft, R = nRight, T = nTop, B = nBottom;
    const int H = B - T, c = m_nBaseCharHeight;
    const COLORREF colour = m_crCurveSetting;
    FillRectGradientPx(pDC, L, T, R, B, m_crLeftFrame, m_crRightFrame);
    FillRectPx(pDC, L + 2, T + 2, R - 2, B, m_crGround);
    const int widest = std::max({ButtonWidth(t.close), ButtonWidth(t.fxy), ButtonWidth(t.gxy)});
    const int x = R - std::max(kSelectorOffset, widest + 2);
    if (TextButtonInPlot(pDC, x, T + 4, 40, 20, t.close, colour)) m_nSurfaceCoefEdit = 2;
    SetODEFormulaText(0);
    if (nOdeKind == 2) {
        if (m_nSurfaceUpper < 1 || m_nSurfaceUpper > 19) {
            if (m_nSurfaceUpper == 0 && m_nSurfaceLower == 0) {
                m_nPanelCurveSel = -1;
            } else {
                m_nOdeForm = kOdeLienard;
                m_nRegionType = -1;
            }
            DrawFunctionPanel(pDC, L, R, T + 7, B + 7);
            return;
        }
        if (TextButtonInPlot(pDC, x, T + 2 + H / 3, 40, 20, t.fxy, colour)) m_nPanelSurfaceSel = 0;
        if (TextButtonInPlot(pDC, x, T + 2 * H / 3, 40, 20, t.gxy, colour)) m_nPanelSurfaceSel = 1;
        if (m_nPanelSurfaceSel != 1) m_nPanelSurfaceSel = 0;
        if (m_nPanelSurfaceSel == 0) {
            DrawString(pDC, L + c / 2, T, t.fxyCaption, colour);
            m_strFormulaFxy = Formula(m_pszFormulaF);
        } else {
            DrawString(pDC, L + c / 2, T, t.gxyCaption, colour);
            m_strFormulaFxy = Formula(m_pszFormulaSurfG);
        }
        DrawString(pDC, L + 7 * c / 2, T, m_strFormulaFxy, colour);
        DrawCoefficientStepPanel(pDC, m_nPanelSurfaceSel + 2, L, R, T + 5, B + 5, "yy", "yy");
        return;
    }
    DrawString(pDC, L + c / 2, T, t.fxyCaption, colour);
    DrawString(pDC, L + 7 * c / 2, T, Formula(m_pszFormulaF), colour);
    DrawCoefficientStepPanel(pDC, 2, L, R, T + 5, B + 5, "yy", "yy");
}
