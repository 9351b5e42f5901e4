// Defaults of the view: the script fonts, the full refresh (colours, palette
// and display settings) and the topic reset that every topic command runs.
#include "platform/text_codec.h"
#include "view/view_settings.h"
#include "view/view_tables.h"

#include <algorithm>
#include <cstddef>
#include <type_traits>
#include <utility>

namespace {

using V = CPemroView;

template <class T> struct FieldDefault {
    T V::*field;
    T value;
};

// Start values of an array member (its first `count` elements).
struct ArrayDefault {
    double* (*field)(V&);
    int count;
    double values[9];
};

template <auto Member>
constexpr std::size_t kArrayLength =
    std::extent_v<std::remove_reference_t<decltype(std::declval<V&>().*Member)>>;

template <auto Member, std::size_t N> constexpr ArrayDefault Fill(const double (&values)[N]) {
    static_assert(N <= kArrayLength<Member> && N <= 9, "more values than the array holds");
    ArrayDefault d{FirstOf<Member>, int(N), {}};
    for (std::size_t i = 0; i < N; ++i) d.values[i] = values[i];
    return d;
}

// --- Full refresh -----------------------------------------------------------

constexpr FieldDefault<int> kRefreshInts[] = {
    // Page pass and text reveal; a zero previous clip forces a full repaint.
    {&V::m_bFigureVisible, 0},
    {&V::m_nCombineMode, 0},
    {&V::m_nRecordIndex, 500},
    {&V::m_nTextRevealMode, -1},
    {&V::m_nPrevClipBottom, 0},
    {&V::m_nPrintOffsetY, 0},
    {&V::m_bPrintMode, 0},
    {&V::m_bShowRecordText, 1},
    // Display settings of the menus.
    {&V::m_bShowMouseCoords, 0},
    {&V::m_nLineStyle, 0},
    {&V::m_nOdeMethod, 0},
    {&V::m_nGridSize, 8},
    {&V::m_bPrintOriginalColors, 0},
    {&V::m_nLabelZoom, 0},
    {&V::m_nDecimals, 4},
    {&V::m_nKeepDecimalsA, 5},
    {&V::m_nKeepDecimalsB, 5},
    {&V::m_nBackgroundPattern, 1},
    {&V::m_nGridHidden, -1},
    {&V::m_nOdeMethodFamily, 0},
    {&V::m_nBrightness, 100},
    {&V::m_nBrightness3D, 200},
    {&V::m_nBackgroundMode, -1},
};

constexpr FieldDefault<double> kRefreshDoubles[] = {
    {&V::m_dLetterSize, 1.0}, {&V::m_dDTheta, 0.1},    {&V::m_dDPhi, 0.1},    {&V::m_dDR, 0.1},
    {&V::m_dTimeT, 0.0},      {&V::m_dParamStep, 0.1}, {&V::m_dOdeStep, 0.1},
};

// Surface colours kept as red, green, blue for the shading.
struct SplitColour {
    int (V::*rgb)[3];
    COLORREF V::*colour;
};
constexpr SplitColour kSplitSurfaceColours[] = {
    {&V::m_anUpperMeshRgb, &V::m_crUpperMesh},
    {&V::m_anUpperSurfaceRgb, &V::m_crUpperSurface},
    {&V::m_anLowerMeshRgb, &V::m_crLowerMesh},
    {&V::m_anLowerSurfaceRgb, &V::m_crLowerSurface},
};

// --- Topic reset ------------------------------------------------------------

constexpr FieldDefault<int> kTopicInts[] = {
    {&V::m_bLoadScriptSettings, 1},
    // Editing, grid of the linear-system dialog, text size.
    {&V::m_nCurveCoefEdit, 2},
    {&V::m_nSurfaceCoefEdit, 2},
    {&V::m_nGridRows, 8},
    {&V::m_nGridCols, 9},
    {&V::m_bShowAllContent, 1},
    {&V::m_nSubDemo, -1},
    {&V::m_nScriptPlotMode, 0},
    {&V::m_nFontStep, 0},
    {&V::m_nFormulaFontStep, 0},
    // Page and demonstrations.
    {&V::m_nClassicalCurve, -1},
    {&V::m_bShowRelatedData, 0},
    {&V::m_nInitialPageLines, 600},
    {&V::m_bProblemOpen, 1},
    {&V::m_bDrawToolsOff, 1},
    {&V::m_nSurfaceUpperProfile, 39},
    {&V::m_nSurfaceLowerProfile, 39},
    {&V::m_nFuncFBreak, -1},
    {&V::m_bCutZc, 0},
    {&V::m_nAxisArrangement, 1},
    {&V::m_nFuncFSymmetry, 2},
    {&V::m_nPanelCurveSel, -1},
    {&V::m_nPanelSurfaceSel, -1},
    {&V::m_nSurfaceUpper, 1},
    {&V::m_nSurfaceLower, 1},
    {&V::m_nRegionType, 0},
    {&V::m_nSeries2Choice, 16},
    {&V::m_bPhasePlane, 0},
    {&V::m_nMeshDivX, 50},
    {&V::m_nMeshDivY, 50},
    {&V::m_nSectionPlane, 0},
    {&V::m_nPrecisionDigits, 6},
    {&V::m_nUpperSurfaceStyle, 1},
    {&V::m_nLowerSurfaceStyle, 1},
    {&V::m_nSideSurfaces, 0},
    {&V::m_bDrawInverted, 0},
    // The options the demonstration buttons set (Gauss nodes, Newton's simple
    // or multiple root, a data table) are no setting of the next topic: it
    // opens as on a fresh start.
    {&V::m_nDemoOption, 0},
    {&V::m_nDemoOption2, 0},
    // Functions.
    {&V::m_nFuncUpper, 22},
    {&V::m_nFuncLower, 20},
    {&V::m_nFuncRight, 22},
    {&V::m_nFuncLeft, 20},
    {&V::m_nSurfaceEvalMode, 0},
    {&V::m_bProjectXoy, 1},
    {&V::m_bProjectBase, 1},
    {&V::m_nRevealedCount, 0},
    {&V::m_nPrevClipBottom, 0},
    {&V::m_bFuncFPeriodic, 0},
    {&V::m_nTextY, 0},
    // Limit demonstration and the figure box.
    {&V::m_nLimitInfinity, 0},
    {&V::m_nFigureLeft, 10},
    {&V::m_nFigureTop, 10},
    {&V::m_nFigureRight, 400},
    {&V::m_nFigureBottom, 200},
    // Display.
    {&V::m_bShowSelectionBox, 1},
    {&V::m_bFigure3D, 0},
    {&V::m_nFuncF, 3}, // F(x) = sin x
    {&V::m_nPixelSize, 0},
    {&V::m_nPlotMode, 0},
    {&V::m_bSelectionPending, 0},
    {&V::m_nDemoStep, 1},
    {&V::m_nValueTableShown, 0},
    {&V::m_nOdeForm, 0},
    {&V::m_nProjectionDisplay, 1},
    {&V::m_nLimitSide, 0},
    {&V::m_bShowFuncName, 0},
    {&V::m_nRevealedTextBottom, 2},
    {&V::m_nPlotOrientation, 0},
    // Statistics.
    {&V::m_nCountN, 10},
    {&V::m_nPopulationN, 10},
    {&V::m_nCountM, 5},
    {&V::m_nMarkedM, 10},
    {&V::m_nSavedCountN, 10},
    {&V::m_nSavedCountM, 5},
    {&V::m_bQuantileMode, 0},
    // Drawing tools and plot options.
    {&V::m_nUserShapeCount, 0},
    {&V::m_nDrawTool, 0},
    {&V::m_bToolFirstPoint, 0},
    {&V::m_nToolClickPhase, 0},
    {&V::m_bPlaneCmdsEnabled, 1},
    {&V::m_nPlotOption1, 0},
    {&V::m_nPlotOption2, 0},
    {&V::m_nPendingPlotOption1, 0},
    {&V::m_nPendingPlotOption2, 0},
};

constexpr FieldDefault<double> kTopicDoubles[] = {
    // Cursor point and line spacing.
    {&V::m_dCursorX, 0.0},
    {&V::m_dCursorY, 0.0},
    {&V::m_dLineSpacing, 0.0},
    {&V::m_dDelta, 1.0},
    // Demonstrations.
    {&V::m_dEscapeBound, 1.0e8},
    {&V::m_dDemoParam, 0.5},
    {&V::m_dOdeP, 0.0},
    {&V::m_dOdeQ, 0.0},
    {&V::m_dNewtonStart, 0.0},
    {&V::m_dDirP, 0.0},
    {&V::m_dDirM, 1.0},
    {&V::m_dDirN, 1.0},
    // Spans, breakpoints, implicit constant, period, arcs.
    {&V::m_dXSpan, 10.0},
    {&V::m_dYSpan, 10.0},
    {&V::m_dZSpan, 10.0},
    {&V::m_dBreakF0, 0.0},
    {&V::m_dBreakF1, 0.0},
    {&V::m_dBreakG0, 0.0},
    {&V::m_dBreakG1, 0.0},
    {&V::m_dSavedBreakF0, 0.0},
    {&V::m_dSavedBreakF1, 0.0},
    {&V::m_dSavedBreakG0, 0.0},
    {&V::m_dSavedBreakG1, 0.0},
    {&V::m_dImplicitC, 4.0},
    {&V::m_dFuncFPeriod, 3.14159},
    {&V::m_dSavedFuncFPeriod, 3.14159},
    {&V::m_dDZ, 0.1},
    {&V::m_dArcStartAngle, 0.0},
    {&V::m_dArcEndAngle, 6.4},
    // Exponents.
    {&V::m_dAlphaF, 2.0},
    {&V::m_dAlphaG, 2.0},
    {&V::m_dBetaF, 0.0},
    {&V::m_dBetaG, 0.0},
    {&V::m_dAlphaSurfF, 1.0},
    {&V::m_dAlphaSurfG, 1.0},
    {&V::m_dSavedAlphaSurfF, 1.0},
    {&V::m_dSavedAlphaSurfG, 1.0},
    {&V::m_dSavedAlphaF, 2.0},
    {&V::m_dSavedAlphaG, 2.0},
    {&V::m_dSavedBetaF, 0.0},
    {&V::m_dSavedBetaG, 0.0},
    {&V::m_dDemoVariant, 0.0},
    // Curve parameters.
    {&V::m_dParamA, 0.0},
    {&V::m_dParamB, 1.0},
    {&V::m_dParamC, 1.0},
    // World range.
    {&V::m_dXMin, -1.0},
    {&V::m_dXMax, 1.0},
    {&V::m_dYMin, -1.0},
    {&V::m_dYMax, 1.0},
    {&V::m_dZMin, -1.0},
    {&V::m_dZMax, 1.0},
    {&V::m_dGravity, 9.8},
    // Increments, chosen point, limit values.
    {&V::m_dEpsilon, 0.1},
    {&V::m_dStepH, 0.1},
    {&V::m_dX0, 9.0},
    {&V::m_dY0, 0.0},
    {&V::m_dLimitValueLeft, 0.0},
    {&V::m_dLimitValueRight, 0.0},
    // Statistics.
    {&V::m_dProbP, 0.5},
    {&V::m_dLambda, 5.0},
    {&V::m_dMu, 0.0},
    {&V::m_dSigma, 1.0},
    {&V::m_dSavedProbP, 0.5},
    {&V::m_dGammaAlpha, 5.0},
    {&V::m_dGammaBeta, 6.0},
    {&V::m_dSignificance, 0.1},
    {&V::m_dSavedSignificance, 0.1},
    {&V::m_dRotationAngle, 0.0},
};

constexpr ArrayDefault kTopicArrays[] = {
    Fill<&V::m_adSurfParamRange>({1.571, 7.854, 0.0, 3.1416}),
    Fill<&V::m_adCoefF>({-1, 0, -1, 0, 0, 1}),
    Fill<&V::m_adSavedCoefF>({-1, 0, -1, 0, 0, 1}),
    Fill<&V::m_adCoefG>({1, 0, 1, 0, 0, -1}),
    Fill<&V::m_adSavedCoefG>({1, 0, 1, 0, 0, -1}),
    Fill<&V::m_adCoefSurfF>({-1, 0, -1, 0, 0, 1, 0}),
    Fill<&V::m_adSavedCoefSurfF>({-1, 0, -1, 0, 0, 1}),
    Fill<&V::m_adCoefSurfG>({1, 0, 1, 0, 0, -1, 0, 1, -1}),
    Fill<&V::m_adSavedCoefSurfG>({1, 0, 1, 0, 0, -1}),
    Fill<&V::m_adCoefSurfFExtra>({1, -1}),
    Fill<&V::m_adCoefFExtra>({1, 1, 1}),
    Fill<&V::m_adCoefGExtra>({1, 1, 1}),
    Fill<&V::m_adRegionRect>({-1, 1, -1, 1}),
    Fill<&V::m_adPQR>({1, 1, 1}),
};

} // namespace

void CPemroView::DefaultFonts(int factor) {
    LOGFONT& lf = m_lfCurrent;
    lf.lfHeight = 18;
    lf.lfWidth = 9;
    lf.lfEscapement = 0;
    lf.lfOrientation = 0;
    lf.lfWeight = 500 * factor;
    lf.lfItalic = 0;
    lf.lfUnderline = 0;
    lf.lfStrikeOut = 0;
    lf.lfCharSet = 134; // GB2312
    lf.lfOutPrecision = 3;
    lf.lfClipPrecision = 2;
    lf.lfQuality = 1;
    lf.lfPitchAndFamily = 0x32;
    m_nCharHeight = m_nBaseCharHeight = lf.lfHeight;

    lf.SetFaceName(Gbk(u8"隶书").c_str());
    m_alfTextFont[1] = lf;
    lf.SetFaceName(Gbk(u8"黑体").c_str());
    m_alfTextFont[4] = lf;
    lf.SetFaceName(Gbk(u8"宋体").c_str());
    m_alfTextFont[2] = lf;
    m_alfTextFont[3] = lf;
    m_alfTextFont[0] = lf;
    m_alfTextFont[0].lfItalic = 1;
}

void CPemroView::OnRefreshAll() {
    std::fill(std::begin(m_anAnswerState), std::end(m_anAnswerState), 1);
    for (const auto& d : kRefreshInts) this->*d.field = d.value;
    for (const auto& d : kRefreshDoubles) this->*d.field = d.value;
    m_strLastHtmlPage = "  ";
    m_strLastDataPath = "data.txt";

    m_crIndexed = RGB(0, 0, 255);
    for (const auto& slot : kColourSlots) this->*slot.field = slot.defaultColour;
    for (const auto& s : kSplitSurfaceColours) {
        SplitRGB(this->*s.colour);
        std::copy_n(m_anSplitRgb, 3, this->*s.rgb);
    }
    // The palette copies the text colours as they are now; later changes of
    // the slots do not follow.
    for (int i = 0; i < kPaletteSize; ++i) {
        const PaletteDefault& p = kPaletteDefaults[i];
        m_acrPalette[i] = p.slot >= 0 ? this->*kColourSlots[p.slot].field : p.colour;
    }

    ResetTopic(m_nDataFamily);
}

void CPemroView::ResetTopic(int family) {
    m_nDataFamily = family;
    for (const auto& d : kTopicInts) this->*d.field = d.value;
    for (const auto& d : kTopicDoubles) this->*d.field = d.value;
    for (const auto& a : kTopicArrays) std::copy_n(a.values, a.count, a.field(*this));
    std::fill_n(&m_adOdePrevF[0][0], 2 * 4, 0.0);

    m_crCurve = m_crCurveSetting;
    m_ptClick = CPoint(0, 0);
    m_nClickOriginSerial = -1, m_bClickSpent = FALSE; // on the window's corner, as it is drawn
    m_bPressedKnown = FALSE;
    m_aPlotMaps.clear();
    m_nClickedFigureRecord = -1;
    m_bLine2AngleHeld = FALSE;
    ClearAnswerVerdict();
    m_bPencilHeld = FALSE;        // a new visit takes the pencil's planes from its script again
    m_setHtmlPagesOpened.clear(); // a new visit opens the topic's pages again
    m_setHtmlFilesOpened.clear();
    ForgetFigureStates();         // and its figures start from its script
    m_dIntervalA = m_dXMin;
    m_dIntervalB = m_dXMax;
    m_dSavedOdeP = m_dOdeP;
    m_dSavedOdeQ = m_dOdeQ;
    // The background gradients divide by the box height; a low repaint strip
    // is laid out in a box of the last full height, so that height stays.
    if (m_nBoxHeight <= 0) m_nBoxHeight = kDefaultBoxHeight;

    OnInitialUpdate();
    // No selection is pending now: the active defaults become the pending
    // ones, and the values just set become the saved copies.
    SaveRestoreDisplaySettings(1);

    if (!m_bConstructing) Invalidate(TRUE);
    m_nDerivativeArg = 0;
}
