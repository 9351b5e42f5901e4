// Settings of the solid figures, their rotation, the range steps on the
// saved copy and the coefficient editing inside the page. Choices that the
// figure set-up commits are stored as pending with m_bSelectionPending.
#include "view/view.h"

#include <algorithm>
#include <cmath>

namespace {

// 逆时针旋转90度, 逆时针旋转45度, 顺时针旋转45度, 还原 (radians as the menu has them).
constexpr double kRotationAngles[] = {1.57079, 0.785395, -0.785395, 0.0};

constexpr double kZRangeStep = 0.1;
// The step fraction doubles and halves from its default 0.1, ten times
// either way. It is also the step of the coefficient buttons, so it may
// grow past 0.5; a narrower range step that would leave no range is not
// taken (StepSavedRange).
constexpr double kMaxParamStep = 0.1 * 1024;
constexpr double kMinParamStep = 0.1 / 1024;
constexpr double kMinRangeSpan = 1e-9;
constexpr double kMaxRangeMagnitude = 1e12;

} // namespace

// --- Solid figures -------------------------------------------------------------------

void CPemroView::OnPendingUpperStyle(int style) {
    m_nPendingUpperSurfaceStyle = style;
    m_bSelectionPending = TRUE;
}

void CPemroView::OnPendingLowerStyle(int style) {
    m_nPendingLowerSurfaceStyle = style;
    m_bSelectionPending = TRUE;
}

void CPemroView::OnDrawInverted(int on) {
    m_bDrawInverted = on ? TRUE : FALSE;
}

void CPemroView::OnPendingRegionType(int type) {
    m_nPendingRegionType = type;
    m_bSelectionPending = TRUE;
}

void CPemroView::OnPendingProjectBase(int on) {
    m_bPendingProjectBase = on ? TRUE : FALSE;
    m_bSelectionPending = TRUE;
}

void CPemroView::OnPendingProjectXoy(int on) {
    m_bPendingProjectXoy = on ? TRUE : FALSE;
    m_bSelectionPending = TRUE;
}

void CPemroView::OnCutZc(int on) {
    m_bCutZc = on ? TRUE : FALSE;
}

void CPemroView::OnDrawSurfaceIntersection(int on) {
    m_bDrawSurfaceIntersection = on ? TRUE : FALSE;
}

void CPemroView::OnNoUpperCurve() {
    m_nPendingFuncUpper = -1;
    m_nPendingRegionType = 1;
    m_bSelectionPending = TRUE;
}

void CPemroView::OnNoLeftCurve() {
    m_nPendingFuncLeft = -1;
    m_nPendingRegionType = 2;
    m_bSelectionPending = TRUE;
}

void CPemroView::OnUpperSurfaceStyleNow(int style) {
    m_nUpperSurfaceStyle = style;
    m_nPendingUpperSurfaceStyle = style;
    m_bSelectionPending = TRUE;
}

void CPemroView::OnEndSubDemo() {
    m_nSubDemo = -1;
}

void CPemroView::OnRotation(int which) {
    if (which >= 0 && which < int(std::size(kRotationAngles)))
        m_dRotationAngle = kRotationAngles[which];
}

// --- Range steps ------------------------------------------------------------------------

// Widens or narrows the saved range of an axis (0 x, 1 y, 2 z) by `fraction`
// of its span at each end; the next set-up restores the saved copy over the
// script's range, so the change survives repaints. A step that would leave
// no range or an unbounded one is not taken.
void CPemroView::StepSavedRange(int axis, double fraction, BOOL wider) {
    if (axis < 0 || axis > 2) return;
    double& lo = m_adSavedWorldRange[2 * axis];
    double& hi = m_adSavedWorldRange[2 * axis + 1];
    const double d = fraction * (hi - lo);
    const double newLo = wider ? lo - d : lo + d;
    const double newHi = wider ? hi + d : hi - d;
    if (!std::isfinite(newLo) || !std::isfinite(newHi)) return;
    if (std::fabs(newLo) > kMaxRangeMagnitude || std::fabs(newHi) > kMaxRangeMagnitude) return;
    if (!wider && newHi - newLo < kMinRangeSpan) return;
    lo = newLo;
    hi = newHi;
    m_bLoadScriptSettings = FALSE;
}

void CPemroView::OnRangeXNarrower() {
    StepSavedRange(0, m_dParamStep, FALSE);
}

void CPemroView::OnRangeYWider() {
    StepSavedRange(1, m_dParamStep, TRUE);
}

void CPemroView::OnRangeYNarrower() {
    StepSavedRange(1, m_dParamStep, FALSE);
}

void CPemroView::OnRangeZWider() {
    StepSavedRange(2, kZRangeStep, TRUE);
}

void CPemroView::OnRangeZNarrower() {
    StepSavedRange(2, kZRangeStep, FALSE);
}

void CPemroView::OnParamStep(int up) {
    const double step = up ? m_dParamStep * 2 : m_dParamStep / 2;
    m_dParamStep = std::clamp(step, kMinParamStep, kMaxParamStep);
}

void CPemroView::OnPlaneCmds(int on) {
    m_bPlaneCmdsEnabled = on ? TRUE : FALSE;
}

// --- Coefficient editing in the page ---------------------------------------------------------
// Editing one kind returns the other from editing (1) to its initial state (2).

void CPemroView::OnCurveCoefEdit(int on) {
    if (on) {
        m_bLoadScriptSettings = FALSE;
        m_nCurveCoefEdit = 1;
        m_nPanelSurfaceSel = -1;
    } else {
        m_nCurveCoefEdit = 0;
        m_nPanelCurveSel = -1;
    }
    if (m_nSurfaceCoefEdit == 1) m_nSurfaceCoefEdit = 2;
}

void CPemroView::OnSurfaceCoefEdit(int on) {
    if (on) {
        m_bLoadScriptSettings = FALSE;
        m_nSurfaceCoefEdit = 1;
    } else {
        m_nSurfaceCoefEdit = 0;
        m_nPanelSurfaceSel = -1;
    }
    if (m_nCurveCoefEdit == 1) m_nCurveCoefEdit = 2;
}

void CPemroView::OnCoefEditOff() {
    m_nCurveCoefEdit = 0;
    m_nPanelCurveSel = -1;
    m_nSurfaceCoefEdit = 0;
    m_nPanelSurfaceSel = -1;
}
