// The 函数 menu: which catalogue function the figures show. The commands only
// store pending indices and flags; the next figure set-up commits them, and
// a topic reset discards them. Also the range steps on the saved ranges.
#include "view/view.h"

namespace {

constexpr int kKindF = 0;
constexpr int kKindLower = 1;
constexpr int kKindUpper = 2;
constexpr int kKindSurfaceLower = 3;
constexpr int kKindSurfaceUpper = 4;

constexpr int kRegionY = 2;         // y-type region: the curves are left/right
constexpr int kProfileSurface = 16; // surface forms above this use a profile curve

constexpr int kPlotExplicit = 0;
constexpr int kPlotParametric = 1;
constexpr int kPlotImplicit = 2;

// Base of the power form, of the exponential and the logarithm.
constexpr double kPowerAlpha = 2.0;
constexpr double kEAlpha = 2.7182818;

// Break modes of the piecewise forms: sgn x, and jumps.
constexpr int kBreakSign = 3;
constexpr int kBreakJump = 1;

bool IsJumpForm(int k) {
    return k == 26 || (k >= 63 && k <= 70 && k != 66);
}

// Previous-function cycle over the explicit forms 26..50.
constexpr int kCycleFirst = 26;
constexpr int kCycleLast = 50;

} // namespace

void CPemroView::SelectCatalogFunction(int kind, int index) {
    m_bSelectionPending = 1;
    switch (kind) {
    case kKindF:
        m_nPendingFuncF = index;
        m_nPendingRegionType = 0;
        break;
    case kKindLower:
        m_nPendingFuncLower = index;
        if (m_nPendingRegionType == kRegionY) m_nPendingFuncLeft = index;
        if (m_nPendingSurfaceLower > kProfileSurface) m_nSurfaceLowerProfile = index;
        break;
    case kKindUpper:
        m_nPendingFuncUpper = index;
        if (m_nPendingRegionType == kRegionY) m_nPendingFuncRight = index;
        if (m_nPendingSurfaceUpper > kProfileSurface) m_nSurfaceUpperProfile = index;
        break;
    case kKindSurfaceLower:
        m_nPendingSurfaceLower = index;
        break;
    case kKindSurfaceUpper:
        m_nPendingSurfaceUpper = index;
        break;
    default:
        break;
    }
}

void CPemroView::OnSelectFuncF(int k) {
    SelectCatalogFunction(kKindF, k);
    m_nPendingPlotMode = kPlotExplicit;
    if (k == 0)
        m_dAlphaF = kPowerAlpha;
    else if (k == 1 || k == 2)
        m_dAlphaF = kEAlpha;
    else if (k == 18)
        m_nFuncFBreak = kBreakSign;
    else if (IsJumpForm(k))
        m_nFuncFBreak = kBreakJump;
    else
        m_nCombineMode = 0; // the plain forms show F itself, not a combination
}

// The f(x) and g(x) items: the same extras as F(x), except that form 66 is a
// jump form here and the combination mode is left alone.
static void CurveItemExtras(CPemroView& v, int k) {
    v.m_nPendingPlotMode = kPlotExplicit;
    if (k == 0)
        v.m_dAlphaF = kPowerAlpha;
    else if (k == 1 || k == 2)
        v.m_dAlphaF = kEAlpha;
    else if (k == 18)
        v.m_nFuncFBreak = kBreakSign;
    else if (IsJumpForm(k) || k == 66)
        v.m_nFuncFBreak = kBreakJump;
}

void CPemroView::OnSelectFuncUpper(int k) {
    SelectCatalogFunction(kKindUpper, k);
    CurveItemExtras(*this, k);
}

void CPemroView::OnSelectFuncLower(int k) {
    SelectCatalogFunction(kKindLower, k);
    CurveItemExtras(*this, k);
}

void CPemroView::OnSelectParametric(int k) {
    m_nPendingFuncF = k;
    m_nPendingPlotMode = kPlotParametric;
    m_bSelectionPending = 1;
}

void CPemroView::OnSelectImplicit(int k) {
    m_nPendingFuncF = k;
    m_nPendingPlotMode = kPlotImplicit;
    m_bSelectionPending = 1;
}

void CPemroView::OnSelectSurfaceUpper(int k) {
    SelectCatalogFunction(kKindSurfaceUpper, k);
}

void CPemroView::OnSelectSurfaceLower(int k) {
    SelectCatalogFunction(kKindSurfaceLower, k);
}

void CPemroView::OnSelectSecondOrder(int form) {
    m_nPendingSurfaceUpper = 0;
    SelectCatalogFunction(kKindSurfaceLower, form);
}

void CPemroView::OnSelectCombination(int mode) {
    m_nPendingCombineMode = mode;
    m_bSelectionPending = 1;
}

void CPemroView::OnFuncFExtension(int kind) {
    // Written straight into the active fields: no commit needed.
    switch (kind) {
    case kFuncFPeriodic:
        m_bFuncFPeriodic = 1;
        break;
    case kFuncFEven:
        m_nFuncFSymmetry = 1;
        break;
    case kFuncFOdd:
        m_nFuncFSymmetry = 0;
        break;
    case kFuncFPlain:
        m_nFuncFSymmetry = 2;
        m_bFuncFPeriodic = 0;
        break;
    default:
        break;
    }
}

void CPemroView::OnSideSurfaces(int mode) {
    m_nPendingSideSurfaces = mode;
    m_bSelectionPending = 1;
}

void CPemroView::OnPreviousFunction() {
    m_nPendingPlotMode = kPlotExplicit;
    m_nPendingFuncF = m_nPendingFuncF - 1;
    m_bSelectionPending = 1;
    if (m_nPendingFuncF < kCycleFirst) m_nPendingFuncF = kCycleLast;
}

// --- Range steps ----------------------------------------------------------------

namespace {

// Ends of the saved ranges: 0..5 index m_adSavedWorldRange (x min, x max,
// y min, y max, z min, z max); 6 and 7 are the interval a and b.
constexpr int kEndZMin = 4;
constexpr int kEndZMax = 5;
constexpr int kEndInitA = 6;
constexpr int kEndInitB = 7;
constexpr int kEndCount = 8;
// The z steps move by a fixed tenth of the span, not by the parameter step.
constexpr double kZStepFraction = 0.1;

} // namespace

void CPemroView::StepSavedRangeEnd(int end, int sign) {
    if (end < 0 || end >= kEndCount) return;
    double* ends[kEndCount];
    for (int i = 0; i < 6; ++i) ends[i] = &m_adSavedWorldRange[i];
    ends[kEndInitA] = &m_dSavedIntervalA;
    ends[kEndInitB] = &m_dSavedIntervalB;

    const int lo = end & ~1; // the pair's minimum
    const double span = *ends[lo + 1] - *ends[lo];
    const double fraction = (end == kEndZMin || end == kEndZMax) ? kZStepFraction : m_dParamStep;
    *ends[end] += (sign < 0 ? -fraction : fraction) * span;
    m_bLoadScriptSettings = 0;
}

void CPemroView::OnRangeXMinUp() {
    StepSavedRangeEnd(0, 1);
}
void CPemroView::OnRangeXMinDown() {
    StepSavedRangeEnd(0, -1);
}
void CPemroView::OnRangeXMaxUp() {
    StepSavedRangeEnd(1, 1);
}
void CPemroView::OnRangeXMaxDown() {
    StepSavedRangeEnd(1, -1);
}
void CPemroView::OnRangeYMinUp() {
    StepSavedRangeEnd(2, 1);
}
void CPemroView::OnRangeYMinDown() {
    StepSavedRangeEnd(2, -1);
}
void CPemroView::OnRangeYMaxUp() {
    StepSavedRangeEnd(3, 1);
}
void CPemroView::OnRangeYMaxDown() {
    StepSavedRangeEnd(3, -1);
}
void CPemroView::OnRangeZMinUp() {
    StepSavedRangeEnd(kEndZMin, 1);
}
void CPemroView::OnRangeZMinDown() {
    StepSavedRangeEnd(kEndZMin, -1);
}
void CPemroView::OnRangeZMaxUp() {
    StepSavedRangeEnd(kEndZMax, 1);
}
void CPemroView::OnRangeZMaxDown() {
    StepSavedRangeEnd(kEndZMax, -1);
}
void CPemroView::OnRangeInitMinUp() {
    StepSavedRangeEnd(kEndInitA, 1);
}
void CPemroView::OnRangeInitMinDown() {
    StepSavedRangeEnd(kEndInitA, -1);
}
void CPemroView::OnRangeInitMaxUp() {
    StepSavedRangeEnd(kEndInitB, 1);
}
void CPemroView::OnRangeInitMaxDown() {
    StepSavedRangeEnd(kEndInitB, -1);
}
