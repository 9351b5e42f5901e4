// The page view: the one state object of the program. Every child window
// owns one; menu commands write its fields, the paint pass reads the topic
// script and draws the page from them, and the demonstrations of every
// subsystem read and write the same fields.
//
// The object is large (five 100 x 100 matrices): it always lives on the heap.
#pragma once

#include "dialogs/dialog_data.h"
#include "platform/dc.h"
#include "platform/scroll_view.h"
#include "platform/types.h"
#include "view/math/page_step.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

class CStdioFile;
struct FigureStateStore;
struct WalkResumeStore;
namespace catalog {
struct TaylorCoefs;
}

class CPemroView : public CScrollView {
public:
    // Sizes of the fixed arrays; every index a script or dialog gives is
    // clamped to these before it touches an array.
    static constexpr int kMatrixDim = 100;      // matrices are kMatrixDim x kMatrixDim
    static constexpr int kDataSize = 100;       // data sets, solution vector
    static constexpr int kPointListSize = 20;   // x/y point lists of a command line
    static constexpr int kPaletteSize = 20;     // script colour numbers 0..19
    static constexpr int kColourSlotCount = 22; // colour slots of the colour commands
    static constexpr int kKeywordCount = 133;   // script keyword table
    static constexpr int kAnswerBlockCount = 100;
    static constexpr int kUserShapeCount = 100; // shapes with a stored tool
    static constexpr int kUserShapePoints = 200;
    static constexpr int kGlyphCount = 5;
    static constexpr int kGlyphSize = 16;
    static constexpr int kTextFontCount = 5;
    static constexpr int kRecordHeaderSize = 4;
    static constexpr int kLineBufferSize = 255;
    static constexpr int kWideLineSize = 252;
    // Paint box before the first pass has measured one.
    static constexpr int kDefaultBoxWidth = 800;
    static constexpr int kDefaultBoxHeight = 600;

    CPemroView();
    ~CPemroView() override;

    // --- Window, scrolling and printing ------------------------------------
    void OnInitialUpdate() override;
    // The page's length follows the end of its text in the current layout
    // (or only grows to it); TRUE when it was set.
    BOOL FitScrollToText(int textEnd, BOOL bGrowOnly = FALSE);
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    int PageStepTop(int from, int direction) const override;
    void OnAdjustView();
    void OnPrintPrepareOk();
    void OnPrintPrepareCancel();

    // --- Defaults, topic reset and settings commit --------------------------
    void DefaultFonts(int factor);
    void OnRefreshAll();
    void ResetTopic(int family);
    void SaveRestoreDisplaySettings(BOOL bSave);
    // The saved copies over the working values, the selections left as they
    // are: for the controls inside a figure, drawn after its command has set
    // what it shows.
    void RestoreSavedSettings();
    void SetFormulaTexts();
    // Coefficient editing keeps the user's values from the next set-up on,
    // unless "恢复" was pressed since the script's values were last taken.
    void KeepEditedSettings();
    void OnDataRefresh();
    void SetSettingBlock(int upper, int lower, const double surfF[6], const double surfG[6]);
    void SetCoefFBoth(double a, double b, double c, double d, double e, double f);
    void SetCoefGBoth(double a, double b, double c, double d, double e, double f);
    void SetRangeAndRegion2D(double xmin, double xmax, double ymin, double ymax);
    void SetRangeAndRegion3D(double xmin, double xmax, double ymin, double ymax, double zmin,
                             double zmax);

    // --- Formula texts of the catalogues -------------------------------------
    void SetFFormulaText(int k);
    void SetParamFormulaText(int k);
    void SetImplicitFormulaText(int k);
    void SetSurfaceFormulaText();
    void SetGFormulaText(int k);

    // --- Members of the subsystems, declared in their own folders -----------
#include "calculus/calculus_members.h"
#include "catalog/catalog_members.h"
#include "catalog/graph_members.h"
#include "numeric/numeric_members.h"
#include "render/primitives_members.h"
#include "render/text_members.h"
#include "script/annotation_members.h"
#include "script/script_members.h"
#include "solid/solid_members.h"
#include "stats/stats_members.h"
#include "view/command_members.h"
#include "view/dialog_members.h"

    // ======================================================================
    // State. Plain members under the names every subsystem uses. Values are
    // set by the constructor, OnRefreshAll and ResetTopic.
    // ======================================================================

    // Topic and script files: the topic code, its directory family and the
    // file names built from them.
    CString m_strTopicCode;
    int m_nDataFamily = 0;
    int m_nDataLevel = 0;
    int m_nDataVariant = 0;
    CString m_strDataFile;
    CString m_strDataDir;
    CString m_strDataPath;
    CString m_strLastDataPath;
    CString m_strProgramDir;
    CString m_strScriptArg;
    CString m_strLastHtmlPage;
    CString m_strBackgroundPicture;
    // Pictures that failed to render: each is reported once.
    std::set<CString> m_setFailedPictures;

    // Script records: header, line buffers, argument cursor and the figure
    // frame and numbers read from the current command line.
    char m_szRecordHeader[kRecordHeaderSize] = {};
    char m_szTextLine[kLineBufferSize] = {};
    char m_szCommandLine[kLineBufferSize] = {};
    char m_szWideLine[kWideLineSize] = {};
    int m_nParsePos = 0;
    int m_nRecClass = 0, m_nRecSubtype = 0, m_nRecParam = 0;
    int m_nNextRecClass = 0, m_nNextRecSubtype = 0, m_nNextRecParam = 0;
    const char* m_apszKeyword[kKeywordCount] = {};
    CString m_astrCommandLabel[4];
    double m_adFrameArgs[4] = {};
    double m_adPointX[kPointListSize] = {};
    double m_adPointY[kPointListSize] = {};
    double m_adPointZ[kDataSize] = {};
    double m_adCommandPoint3D[3] = {};

    // Page pass: clip boxes of this and the previous pass, text metrics and
    // the page layout.
    int m_nClipLeft = 0, m_nClipTop = 0, m_nClipRight = 0, m_nClipBottom = 0;
    int m_nPrevClipLeft = 0, m_nPrevClipTop = 0, m_nPrevClipRight = 0, m_nPrevClipBottom = 0;
    BOOL m_bFullRepaint = FALSE;
    int m_nBoxWidth = 0, m_nBoxHeight = 0;
    int m_nBaseCharHeight = 0, m_nBaseCharWidth = 0;
    int m_nCharHeight = 0, m_nCharWidth = 0;
    int m_nFontStep = 0;
    int m_nFormulaFontStep = 0;
    double m_dLetterSize = 0;
    double m_dLineSpacing = 0;
    int m_nLabelZoom = 0;
    int m_nTextY = 0;
    int m_nNextLineY = 0;
    // Where the last pass's text and figures end, page coordinates: the
    // written band of a printed sheet (all but its last eighteenth, where no
    // text starts) reaching this far shows them all. Blank lines do not count.
    int m_nContentEnd = 0;
    // The figures the last whole-window screen pass placed, with room for
    // their labels and frames, and the scroll top it painted: a page step
    // stops where it cuts none of them.
    std::vector<paging::Band> m_aScreenFigureBands;
    std::vector<paging::Band> m_aNotedFigureBands; // the running pass's
    int m_nScreenFiguresTop = -1;
    bool m_bNoteScreenFigures = false;
    void NoteScreenFigure(int top, int bottom, bool framed);
    void KeepScreenFigures();
    // The band of the figure drawing now reaches up as far as its labels do.
    int m_nDrawnFigureBand = -1;
    int m_nLastNotedBand = -1; // the band the last NoteScreenFigure kept, if it did
    void NoteDrawnFigureTop();
    int m_nInitialPageLines = 0;
    CSize m_sizeScrollTotal;
    double m_dTitleWidthScale = 0, m_dTitleHeightScale = 0;

    // Text reveal, answer blocks and content switches.
    int m_nRecordIndex = 0;
    int m_nRevealedCount = 0;
    int m_nRevealedTextBottom = 0;
    int m_nTextRevealMode = 0;
    BOOL m_bShowRecordText = FALSE;
    BOOL m_bShowAllContent = FALSE;
    BOOL m_bProblemOpen = FALSE;
    BOOL m_bBeforeFigure = FALSE;
    // Zoomed: a figure in view this pass has taken the window.
    BOOL m_bZoomTaken = FALSE;
    int m_nAnswerBlock = 0;
    int m_anAnswerState[kAnswerBlockCount] = {};

    // Fonts, formula letters and the tables that turn script letters into
    // full-width characters and glyphs.
    LOGFONT m_lfCurrent;
    LOGFONT m_alfTextFont[kTextFontCount];
    BOOL m_bLettersItalic = FALSE;
    int m_nNonChineseColorMode = 0;
    const char* m_pszAsciiChars = "";
    const char* m_pszWideLetters = "";
    const char* m_pszWideSymbols = "";
    const char* m_pszWideDigitsGreek = "";
    int m_anGlyph[kGlyphCount][kGlyphSize][kGlyphSize] = {};

    // Printing.
    BOOL m_bPrintMode = FALSE;
    int m_nPrintPage = 0;
    int m_nPrintOffsetY = 0;
    BOOL m_bPrintOriginalColors = FALSE;
    // Put back after printing: the clip box and the content end of the last
    // screen paint and the screen colours that the print colours replaced.
    CRect m_rcScreenClip;
    int m_nScreenContentEnd = 0;
    // The sheets of a print: the figure bands of the page laid out on the
    // paper, and from them the row each sheet starts at, so that no figure
    // is cut by a sheet's edge (a figure prints only whole).
    static constexpr int kMaxPrintFigures = 256;
    static constexpr int kMaxPrintSheets = 999;
    BOOL m_bRecordPrintFigures = FALSE;
    int m_nPrintFigureCount = 0;
    int m_anPrintFigureTop[kMaxPrintFigures] = {};
    int m_anPrintFigureBottom[kMaxPrintFigures] = {};
    int m_nPrintSheetHeight = 0; // the sheet height the rows are for; 0: none
    int m_nPrintSheetCount = 0;
    int m_anPrintSheetTop[kMaxPrintSheets] = {};
    COLORREF m_acrScreenColours[32] = {};

    // Background, grid and display settings of the menus.
    int m_nBackgroundMode = 0;
    int m_nBackgroundPattern = 0;
    int m_nBrightness = 0;
    int m_nBrightness3D = 0;
    int m_nGridHidden = 0;
    int m_nGridSize = 0;
    int m_nPixelSize = 0;
    BOOL m_bShowSelectionBox = FALSE;
    BOOL m_bShowMouseCoords = FALSE;
    BOOL m_bShowFuncName = FALSE;

    // Mouse: click point (client coordinates, kept until the topic reset),
    // drag and zoom state, cursor point and the world point under the mouse.
    CPoint m_ptClick;
    BOOL m_bDragging = FALSE;
    BOOL m_bZoom = FALSE;
    double m_dCursorX = 0, m_dCursorY = 0;
    double m_adMousePoint[3] = {};
    double m_adMousePoint3D[2] = {};
    double m_adCursorPoint3D[2] = {};

    // Colour slots 0..21 (in slot order), the current drawing colours and the
    // palette of the script colour numbers.
    COLORREF m_crBackground = 0;       // 0
    COLORREF m_crLeftFrame = 0;        // 1
    COLORREF m_crGround = 0;           // 2
    COLORREF m_crAxes = 0;             // 3
    COLORREF m_crCurveSetting = 0;     // 4
    COLORREF m_crFirstDerivative = 0;  // 5
    COLORREF m_crSecondDerivative = 0; // 6
    COLORREF m_crTheorem = 0;          // 7
    COLORREF m_crChapter = 0;          // 8
    COLORREF m_crBodyText = 0;         // 9
    COLORREF m_crExample = 0;          // 10
    COLORREF m_crExpression = 0;       // 11
    COLORREF m_crUpperMesh = 0;        // 12
    COLORREF m_crLowerMesh = 0;        // 13
    COLORREF m_crSection = 0;          // 14
    COLORREF m_crBackSide = 0;         // 15
    COLORREF m_crFrontSide = 0;        // 16
    COLORREF m_crRightFrame = 0;       // 17
    COLORREF m_crUpperSurface = 0;     // 18
    COLORREF m_crLowerSurface = 0;     // 19
    COLORREF m_crDefaultPen = 0;       // 20
    COLORREF m_crDefaultFill = 0;      // 21
    COLORREF m_crIndexed = 0;
    COLORREF m_crCurve = 0;
    COLORREF m_crPen = 0;
    COLORREF m_crFill = 0;
    COLORREF m_acrPalette[kPaletteSize] = {};
    int m_anSplitRgb[3] = {};
    int m_anUpperMeshRgb[3] = {};
    int m_anLowerMeshRgb[3] = {};
    int m_anUpperSurfaceRgb[3] = {};
    int m_anLowerSurfaceRgb[3] = {};

    // Figure geometry of the current command: figure box, graph window, plot
    // rectangle and picture box (page pixels).
    int m_nFigureLeft = 0, m_nFigureTop = 0, m_nFigureRight = 0, m_nFigureBottom = 0;
    int m_nGraphLeft = 0, m_nGraphTop = 0, m_nGraphBottom = 0, m_nGraphRight = 0;
    int m_nPlotLeft = 0, m_nPlotRight = 0, m_nPlotTop = 0, m_nPlotBottom = 0;
    int m_nPlotWidth = 0, m_nPlotHeight = 0;
    int m_nSidePanelWidth = 0;
    // The plane plots the screen passes laid out, the latest last: the mouse
    // reads a point against the plot under it, not the last one drawn.
    struct PlotMap {
        int record;                                           // its command record; -1 none
        int left, top, right, bottom;                         // the plot
        int figureLeft, figureTop, figureRight, figureBottom; // its figure box
        double xMin, xMax, yMin, yMax;
        int figure; // its key among the figures' own states; -1 none
    };
    std::vector<PlotMap> m_aPlotMaps;
    void NotePlotMap();
    // Into a list that keeps the latest of each plot rectangle, the last
    // noted last, at most a page's worth.
    static void NotePlotMapIn(std::vector<PlotMap>* maps, const PlotMap& map);
    std::vector<PlotMap> m_aWalkPlotMaps; // noted by this pass's walk
    // The plot whose figure box holds the page point; else the last one laid
    // out, from the current geometry.
    PlotMap PlotMapAt(int px, int py) const;
    PlotMap CurrentPlotMap() const;
    // The mouse point of a plane figure at a client point (m_adMousePoint);
    // the plot it lies in, or null outside every plot's drag area.
    const PlotMap* MapPlanePoint(CPoint point);
    PlotMap m_mapUnderMouse{};
    // The command record of the plane figure the last press fell in (-1:
    // none): printing shows that figure as the screen does after the click.
    int m_nClickedFigureRecord = -1;
    // The decimals row stands over the range arrows of the plot drawn next:
    // set and cleared by the figures that draw one.
    BOOL m_bDecimalsRowOver = FALSE;
    // Rows of the related-data panel shown over the plot drawn next (0:
    // none): set and cleared by the figures that draw one.
    int m_nRelatedDataRows = 0;
    // Whether the 3-D scene's ticks of this pass carry their values.
    int m_nPictureLeft = 0, m_nPictureRight = 0, m_nPictureTop = 0, m_nPictureBottom = 0;
    BOOL m_bFigureVisible = FALSE;
    BOOL m_bFigure3D = FALSE;
    BOOL m_bPlaneCmdsEnabled = FALSE;

    // 3-D layout: box copy, plane inset and the oblique projection.
    int m_anFigureBox3D[4] = {};
    int m_nInsetLeft = 0, m_nInsetRight = 0, m_nInsetTop = 0, m_nInsetBottom = 0;
    int m_nInsetWidth = 0, m_nInsetHeight = 0;
    int m_nProjScaleX = 0, m_nProjScaleY = 0, m_nProjScaleZ = 0;
    int m_nProjOriginX = 0, m_nProjOriginY = 0;
    double m_dObliqueFactor = 0;
    int m_nAxisArrangement = 0;
    double m_dRotationAngle = 0;
    int m_nLineStyle = 0;
    double m_adPlaneRange[4] = {};
    double m_adPlaneSpan[2] = {};

    // World range of the current figure, its saved copy, the region
    // rectangle and the demonstration interval [a, b].
    double m_dXMin = 0, m_dXMax = 0, m_dYMin = 0, m_dYMax = 0, m_dZMin = 0, m_dZMax = 0;
    double m_dXSpan = 0, m_dYSpan = 0, m_dZSpan = 0;
    double m_adSavedWorldRange[6] = {};
    double m_adRegionRect[4] = {};
    double m_dIntervalA = 0, m_dIntervalB = 0;
    double m_dSavedIntervalA = 0, m_dSavedIntervalB = 0;

    // Catalogue and display selections: the active value the drawing reads
    // and the pending value the menus write, committed by
    // SaveRestoreDisplaySettings while a selection is pending.
    BOOL m_bSelectionPending = FALSE;
    BOOL m_bLoadScriptSettings = FALSE;
    // "恢复" was pressed and the script's values are not yet taken again:
    // what the pass draws after the press leaves them to the next set-up.
    BOOL m_bScriptValuesAsked = FALSE;
    // Whether the running figure took the script's values at its set-up,
    // before a coefficient panel stopped further reloads: its later
    // records (a line's direction) take theirs on the same pass.
    BOOL m_bFigureTookScript = FALSE;
    int m_nPlotMode = 0, m_nPendingPlotMode = 0;
    int m_nFuncF = 0, m_nPendingFuncF = 0;
    int m_nFuncUpper = 0, m_nPendingFuncUpper = 0;
    int m_nFuncLower = 0, m_nPendingFuncLower = 0;
    int m_nFuncLeft = 0, m_nPendingFuncLeft = 0;
    int m_nFuncRight = 0, m_nPendingFuncRight = 0;
    int m_nRegionType = 0, m_nPendingRegionType = 0;
    int m_nCombineMode = 0, m_nPendingCombineMode = 0;
    int m_nSurfaceUpper = 0, m_nPendingSurfaceUpper = 0;
    int m_nSurfaceLower = 0, m_nPendingSurfaceLower = 0;
    int m_nUpperSurfaceStyle = 0, m_nPendingUpperSurfaceStyle = 0;
    int m_nLowerSurfaceStyle = 0, m_nPendingLowerSurfaceStyle = 0;
    int m_nSideSurfaces = 0, m_nPendingSideSurfaces = 0;
    int m_nSubDemo = 0, m_nPendingSubDemo = 0;
    BOOL m_bProjectXoy = FALSE, m_bPendingProjectXoy = FALSE;
    BOOL m_bProjectBase = FALSE, m_bPendingProjectBase = FALSE;
    int m_nPlotOrientation = 0, m_nPendingPlotOrientation = 0;
    // Plot set-up numbers as read from the script, with their saved copies.
    int m_nScriptPlotMode = 0, m_nSavedScriptPlotMode = 0;
    int m_nPlotOption1 = 0, m_nPlotOption2 = 0;
    int m_nPendingPlotOption1 = 0, m_nPendingPlotOption2 = 0;

    // How the catalogue functions are evaluated and edited.
    int m_nFuncFBreak = 0;
    int m_nFuncFSymmetry = 0;
    BOOL m_bFuncFPeriodic = FALSE;
    double m_dFuncFPeriod = 0, m_dSavedFuncFPeriod = 0;
    BOOL m_bPlotInverse = FALSE;
    int m_nSurfaceUpperProfile = 0, m_nSurfaceLowerProfile = 0;
    int m_nSurfaceEvalMode = 0;
    int m_nClassicalCurve = 0;
    double m_dImplicitC = 0;
    int m_nCurveCoefEdit = 0, m_nSurfaceCoefEdit = 0;
    int m_nPanelCurveSel = 0, m_nPanelSurfaceSel = 0;

    // Catalogue coefficients and parameters with their saved copies (a..f).
    double m_adCoefF[6] = {}, m_adSavedCoefF[6] = {};
    double m_adCoefFExtra[3] = {};
    double m_adCoefG[6] = {}, m_adSavedCoefG[6] = {};
    double m_adCoefGExtra[3] = {};
    double m_adCoefSurfF[7] = {}, m_adSavedCoefSurfF[6] = {};
    double m_adCoefSurfFExtra[2] = {};
    double m_adCoefSurfG[9] = {}, m_adSavedCoefSurfG[6] = {};
    double m_dAlphaF = 0, m_dBetaF = 0, m_dAlphaG = 0, m_dBetaG = 0;
    double m_dSavedAlphaF = 0, m_dSavedBetaF = 0, m_dSavedAlphaG = 0, m_dSavedBetaG = 0;
    double m_dAlphaSurfF = 0, m_dAlphaSurfG = 0;
    double m_dSavedAlphaSurfF = 0, m_dSavedAlphaSurfG = 0;
    double m_dBreakF0 = 0, m_dBreakF1 = 0, m_dBreakG0 = 0, m_dBreakG1 = 0;
    double m_dSavedBreakF0 = 0, m_dSavedBreakF1 = 0, m_dSavedBreakG0 = 0, m_dSavedBreakG1 = 0;

    // Formula texts of the current functions (constant catalogue strings).
    const char* m_pszFormulaF = "";
    const char* m_pszFormulaSurfF = "";
    const char* m_pszFormulaSurfG = "";
    const char* m_pszFormulaOde = "";
    CString m_strFormulaG;
    CString m_strFormulaFxy;

    // Demonstration parameters: step and options, increments, tolerances,
    // the chosen point and the parameters of the applied problems.
    int m_nDemoStep = 0;
    int m_nDemoOption = 0, m_nDemoOption2 = 0;
    double m_dDemoVariant = 0;
    double m_dDemoParam = 0;
    int m_nDerivativeArg = 0;
    int m_nDeltaXSign = 0;
    double m_dStepH = 0;
    double m_dDiffStep = 0;
    double m_dParamStep = 0;
    double m_dEpsilon = 0;
    double m_dDelta = 0;
    double m_dEscapeBound = 0;
    int m_nSequenceMode = 0;
    int m_nProfileFunc = 0;
    double m_dX0 = 0, m_dY0 = 0, m_dZ0 = 0;
    double m_dFoundX = 0;
    double m_dNewtonStart = 0;
    double m_dParamA = 0, m_dParamB = 0, m_dParamC = 0;
    double m_dArcStartAngle = 0, m_dArcEndAngle = 0;
    double m_adPQR[3] = {};
    double m_adSurfParamRange[4] = {};
    double m_dVibrationScale = 0;
    double m_dTimeT = 0;
    double m_dGravity = 0;
    int m_nBallRadius = 0;
    double m_dSpecificGravity = 0;
    int m_nLsqPointCount = 0;

    // Limit demonstration.
    int m_nLimitSide = 0;
    int m_nLimitInfinity = 0;
    double m_dLimitValueLeft = 0, m_dLimitValueRight = 0;

    // Space line direction (m, n, p), also the cutting planes x, y, z = c;
    // steps of the volume-element demonstrations.
    double m_dDirM = 0, m_dDirN = 0, m_dDirP = 0;
    double m_dDTheta = 0, m_dDPhi = 0, m_dDR = 0, m_dDZ = 0;

    // Surfaces and solids: mesh, sections, projections.
    int m_nMeshDivX = 0, m_nMeshDivY = 0;
    BOOL m_bCutZc = FALSE;
    int m_nSectionPlane = 0;
    BOOL m_bDrawSurfaceIntersection = FALSE;
    BOOL m_bDrawInverted = FALSE;
    int m_nProjectionDisplay = 0;

    // Differential equations.
    int m_nOdeOrder = 0;
    int m_nOdeForm = 0;
    int m_nOdeMethod = 0;
    int m_nOdeMethodFamily = 0;
    double m_dOdeStep = 0;
    double m_dOdeP = 0, m_dOdeQ = 0;
    double m_dSavedOdeP = 0, m_dSavedOdeQ = 0;
    BOOL m_bPhasePlane = FALSE, m_bSavedPhasePlane = FALSE;
    double m_adOdePrevF[2][4] = {};
    double m_adStepResult[4] = {};

    // Probability and statistics parameters with their saved copies.
    double m_dProbP = 0, m_dSavedProbP = 0;
    double m_dLambda = 0, m_dSavedLambda = 0;
    double m_dMu = 0, m_dSavedMu = 0;
    double m_dSigma = 0, m_dSavedSigma = 0;
    double m_dGammaAlpha = 0, m_dSavedGammaAlpha = 0;
    double m_dGammaBeta = 0, m_dSavedGammaBeta = 0;
    double m_dSignificance = 0, m_dSavedSignificance = 0;
    int m_nCountN = 0, m_nSavedCountN = 0;
    int m_nPopulationN = 0, m_nSavedPopulationN = 0;
    int m_nCountM = 0, m_nSavedCountM = 0;
    int m_nMarkedM = 0, m_nSavedMarkedM = 0;
    BOOL m_bShowMean = FALSE, m_bSavedShowMean = FALSE;
    BOOL m_bShowVariance = FALSE, m_bSavedShowVariance = FALSE;
    BOOL m_bQuantileMode = FALSE, m_bSavedQuantileMode = FALSE;
    double m_dInvSqrt2Pi = 0;

    // Numerical analysis and linear algebra: matrices, solution, the grid of
    // the linear-system dialog and the precision of the simulated arithmetic.
    double m_adMatrixA[kMatrixDim][kMatrixDim] = {};
    double m_adMatrixInput[kMatrixDim][kMatrixDim] = {};
    double m_adMatrixAux[kMatrixDim][kMatrixDim] = {};
    double m_adMatrixL[kMatrixDim][kMatrixDim] = {};
    double m_adMatrixU[kMatrixDim][kMatrixDim] = {};
    double m_adSolution[kDataSize] = {};
    int m_nGridRows = 0, m_nGridCols = 0;
    int m_nDecimals = 0;
    int m_nPrecisionDigits = 0;
    int m_nKeepDecimalsA = 0, m_nKeepDecimalsB = 0;
    BOOL m_bShowRelatedData = FALSE;
    int m_nRegressionM = 0;

    // Data sets.
    double m_adDataX[kDataSize] = {};
    double m_adDataY[kDataSize] = {};
    double m_adDataZ[kDataSize] = {};
    int m_nDataCountX = 0, m_nDataCountY = 0;

    // Drawing tools and the shapes the user drew with them.
    int m_nDrawTool = 0;
    BOOL m_bDrawToolsOff = FALSE;
    BOOL m_bToolFirstPoint = FALSE;
    int m_nToolClickPhase = 0;
    int m_nUserShapeCount = 0;
    int m_anUserShapeTool[kUserShapeCount] = {};
    double m_adShapeX1[kUserShapePoints] = {}, m_adShapeY1[kUserShapePoints] = {};
    double m_adShapeX2[kUserShapePoints] = {}, m_adShapeY2[kUserShapePoints] = {};
    double m_adShapeX3[kUserShapePoints] = {}, m_adShapeY3[kUserShapePoints] = {};
    COLORREF m_acrUserShapeLine[kUserShapePoints] = {};
    COLORREF m_acrUserShapeFill[kUserShapePoints] = {};

    // The seven parameter dialogs, owned for the life of the view.
    CMyDialog m_dlgCoef;
    CMyDialog1 m_dlgDataX;
    CMyDialog2 m_dlgDataY;
    CMyDialog3 m_dlgRange;
    CMyDialog4 m_dlgParams;
    CMyDialog5 m_dlgLinearSystem;
    CMyDialog6 m_dlgCurveParams;

private:
    // Set while the constructor runs: its topic reset must not ask a window
    // that does not exist yet for a repaint.
    bool m_bConstructing = false;
};
