// What SaveRestoreDisplaySettings moves: the pending/active selection pairs
// and the working values with their saved copies. Kept as tables so the
// commit and the save/restore read at a glance and cannot miss a field.
#pragma once

#include "view/view.h"

template <class T> struct FieldPair {
    T CPemroView::*first;
    T CPemroView::*second;
};

// Address of the first element of an array member (the arrays differ in
// length, so one table holds them through this accessor).
template <auto Member> double* FirstOf(CPemroView& v) {
    return &(v.*Member)[0];
}

// Selections: pending (written by the menus) -> active (read by drawing).
// BOOL is int, so the two projection switches sit in the same table.
inline constexpr FieldPair<int> kSelectionPairs[] = {
    {&CPemroView::m_nPendingFuncF, &CPemroView::m_nFuncF},
    {&CPemroView::m_nPendingPlotMode, &CPemroView::m_nPlotMode},
    {&CPemroView::m_nPendingRegionType, &CPemroView::m_nRegionType},
    {&CPemroView::m_nPendingCombineMode, &CPemroView::m_nCombineMode},
    {&CPemroView::m_nPendingSurfaceUpper, &CPemroView::m_nSurfaceUpper},
    {&CPemroView::m_nPendingSurfaceLower, &CPemroView::m_nSurfaceLower},
    {&CPemroView::m_nPendingFuncUpper, &CPemroView::m_nFuncUpper},
    {&CPemroView::m_nPendingUpperSurfaceStyle, &CPemroView::m_nUpperSurfaceStyle},
    {&CPemroView::m_nPendingLowerSurfaceStyle, &CPemroView::m_nLowerSurfaceStyle},
    {&CPemroView::m_nPendingFuncLower, &CPemroView::m_nFuncLower},
    {&CPemroView::m_nPendingSubDemo, &CPemroView::m_nSubDemo},
    {&CPemroView::m_nPendingSideSurfaces, &CPemroView::m_nSideSurfaces},
    {&CPemroView::m_nPendingFuncRight, &CPemroView::m_nFuncRight},
    {&CPemroView::m_nPendingFuncLeft, &CPemroView::m_nFuncLeft},
    {&CPemroView::m_bPendingProjectBase, &CPemroView::m_bProjectBase},
    {&CPemroView::m_bPendingProjectXoy, &CPemroView::m_bProjectXoy},
    {&CPemroView::m_nPendingPlotOrientation, &CPemroView::m_nPlotOrientation},
};

// Working value -> saved copy: integers and switches.
inline constexpr FieldPair<int> kSavedInts[] = {
    {&CPemroView::m_nScriptPlotMode, &CPemroView::m_nSavedScriptPlotMode},
    {&CPemroView::m_nCountN, &CPemroView::m_nSavedCountN},
    {&CPemroView::m_nPopulationN, &CPemroView::m_nSavedPopulationN},
    {&CPemroView::m_nCountM, &CPemroView::m_nSavedCountM},
    {&CPemroView::m_nMarkedM, &CPemroView::m_nSavedMarkedM},
    {&CPemroView::m_bShowMean, &CPemroView::m_bSavedShowMean},
    {&CPemroView::m_bShowVariance, &CPemroView::m_bSavedShowVariance},
    {&CPemroView::m_bQuantileMode, &CPemroView::m_bSavedQuantileMode},
    {&CPemroView::m_nPlotOption1, &CPemroView::m_nPendingPlotOption1},
    {&CPemroView::m_nPlotOption2, &CPemroView::m_nPendingPlotOption2},
    {&CPemroView::m_bPhasePlane, &CPemroView::m_bSavedPhasePlane},
};

// Working value -> saved copy: reals.
inline constexpr FieldPair<double> kSavedDoubles[] = {
    {&CPemroView::m_dIntervalA, &CPemroView::m_dSavedIntervalA},
    {&CPemroView::m_dIntervalB, &CPemroView::m_dSavedIntervalB},
    {&CPemroView::m_dBreakF0, &CPemroView::m_dSavedBreakF0},
    {&CPemroView::m_dBreakF1, &CPemroView::m_dSavedBreakF1},
    {&CPemroView::m_dBreakG0, &CPemroView::m_dSavedBreakG0},
    {&CPemroView::m_dBreakG1, &CPemroView::m_dSavedBreakG1},
    {&CPemroView::m_dAlphaF, &CPemroView::m_dSavedAlphaF},
    {&CPemroView::m_dBetaF, &CPemroView::m_dSavedBetaF},
    {&CPemroView::m_dAlphaG, &CPemroView::m_dSavedAlphaG},
    {&CPemroView::m_dBetaG, &CPemroView::m_dSavedBetaG},
    {&CPemroView::m_dAlphaSurfF, &CPemroView::m_dSavedAlphaSurfF},
    {&CPemroView::m_dAlphaSurfG, &CPemroView::m_dSavedAlphaSurfG},
    {&CPemroView::m_dOdeP, &CPemroView::m_dSavedOdeP},
    {&CPemroView::m_dOdeQ, &CPemroView::m_dSavedOdeQ},
    {&CPemroView::m_dProbP, &CPemroView::m_dSavedProbP},
    {&CPemroView::m_dSignificance, &CPemroView::m_dSavedSignificance},
    {&CPemroView::m_dGammaAlpha, &CPemroView::m_dSavedGammaAlpha},
    {&CPemroView::m_dGammaBeta, &CPemroView::m_dSavedGammaBeta},
    {&CPemroView::m_dLambda, &CPemroView::m_dSavedLambda},
    {&CPemroView::m_dMu, &CPemroView::m_dSavedMu},
    {&CPemroView::m_dSigma, &CPemroView::m_dSavedSigma},
    {&CPemroView::m_dFuncFPeriod, &CPemroView::m_dSavedFuncFPeriod},
};

// The world range in the order of m_adSavedWorldRange.
inline constexpr double CPemroView::*kWorldRangeFields[6] = {
    &CPemroView::m_dXMin, &CPemroView::m_dXMax, &CPemroView::m_dYMin,
    &CPemroView::m_dYMax, &CPemroView::m_dZMin, &CPemroView::m_dZMax,
};

// Coefficient sets: a..f of the working set <-> its saved copy. The entries
// past f (g, h, i) have no saved copy and stay as they are.
struct CoefSetPair {
    double* (*working)(CPemroView&);
    double* (*saved)(CPemroView&);
};
inline constexpr int kSavedCoefCount = 6;
inline constexpr CoefSetPair kSavedCoefSets[] = {
    {FirstOf<&CPemroView::m_adCoefF>, FirstOf<&CPemroView::m_adSavedCoefF>},
    {FirstOf<&CPemroView::m_adCoefG>, FirstOf<&CPemroView::m_adSavedCoefG>},
    {FirstOf<&CPemroView::m_adCoefSurfF>, FirstOf<&CPemroView::m_adSavedCoefSurfF>},
    {FirstOf<&CPemroView::m_adCoefSurfG>, FirstOf<&CPemroView::m_adSavedCoefSurfG>},
};
