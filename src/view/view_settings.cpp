// The settings commit: pending selections become active at a figure set-up,
// and working values and their saved copies are exchanged. Also the bulk
// setters that write a value and its saved copy together.
#include "view/view_settings.h"

#include <algorithm>

void CPemroView::SaveRestoreDisplaySettings(BOOL bSave) {
    // The flag stays set: every later set-up commits the choice again, until
    // a topic reset or the data refresh discards it.
    for (const auto& pair : kSelectionPairs) {
        if (m_bSelectionPending)
            this->*pair.second = this->*pair.first;
        else
            this->*pair.first = this->*pair.second;
    }

    if (!bSave) return RestoreSavedSettings();
    for (const auto& pair : kSavedInts) this->*pair.second = this->*pair.first;
    for (const auto& pair : kSavedDoubles) this->*pair.second = this->*pair.first;
    for (int i = 0; i < 6; ++i) m_adSavedWorldRange[i] = this->*kWorldRangeFields[i];
    for (const auto& set : kSavedCoefSets)
        std::copy_n(set.working(*this), kSavedCoefCount, set.saved(*this));
    // Values just taken from a script are exact.
    m_nPrecisionDigits = 6;
    m_nKeepDecimalsA = 6;
    m_nKeepDecimalsB = 6;
    m_bScriptValuesAsked = FALSE;
    SetFormulaTexts();
}

void CPemroView::RestoreSavedSettings() {
    for (const auto& pair : kSavedInts) this->*pair.first = this->*pair.second;
    for (const auto& pair : kSavedDoubles) this->*pair.first = this->*pair.second;
    for (int i = 0; i < 6; ++i) this->*kWorldRangeFields[i] = m_adSavedWorldRange[i];
    for (const auto& set : kSavedCoefSets)
        std::copy_n(set.saved(*this), kSavedCoefCount, set.working(*this));
    SetFormulaTexts();
}

void CPemroView::SetFormulaTexts() {
    switch (m_nPlotMode) {
    case 0:
        SetFFormulaText(m_nFuncF);
        break;
    case 1:
        SetParamFormulaText(m_nFuncF);
        break;
    case 2:
        SetImplicitFormulaText(m_nFuncF);
        break;
    default:
        break;
    }
    SetSurfaceFormulaText();
}

void CPemroView::KeepEditedSettings() {
    if (!m_bScriptValuesAsked) m_bLoadScriptSettings = 0;
}

void CPemroView::OnDataRefresh() {
    m_bLoadScriptSettings = 1;
    m_bSelectionPending = 0;
}

void CPemroView::SetSettingBlock(int upper, int lower, const double surfF[6],
                                 const double surfG[6]) {
    m_nSurfaceUpper = m_nPendingSurfaceUpper = upper;
    m_nSurfaceLower = m_nPendingSurfaceLower = lower;
    std::copy_n(surfF, 6, m_adCoefSurfF);
    std::copy_n(surfF, 6, m_adSavedCoefSurfF);
    std::copy_n(surfG, 6, m_adCoefSurfG);
    std::copy_n(surfG, 6, m_adSavedCoefSurfG);
}

void CPemroView::SetCoefFBoth(double a, double b, double c, double d, double e, double f) {
    const double coef[6] = {a, b, c, d, e, f};
    std::copy_n(coef, 6, m_adCoefF);
    std::copy_n(coef, 6, m_adSavedCoefF);
}

void CPemroView::SetCoefGBoth(double a, double b, double c, double d, double e, double f) {
    const double coef[6] = {a, b, c, d, e, f};
    std::copy_n(coef, 6, m_adCoefG);
    std::copy_n(coef, 6, m_adSavedCoefG);
}

void CPemroView::SetRangeAndRegion2D(double xmin, double xmax, double ymin, double ymax) {
    m_dXMin = m_adRegionRect[0] = xmin;
    m_dXMax = m_adRegionRect[1] = xmax;
    m_dYMin = m_adRegionRect[2] = ymin;
    m_dYMax = m_adRegionRect[3] = ymax;
}

void CPemroView::SetRangeAndRegion3D(double xmin, double xmax, double ymin, double ymax,
                                     double zmin, double zmax) {
    SetRangeAndRegion2D(xmin, xmax, ymin, ymax);
    m_dZMin = zmin;
    m_dZMax = zmax;
}
