// A figure's own state. All figures of a page draw through the one set of
// view fields, so each keeps its own copy of the fields its command and its
// buttons use, under its command record's place in the script: put back
// before it draws again, kept after it was drawn. What a figure shows then
// depends on its own record, its own clicks and the settings of the whole
// page, never on the figures painted before it or on the scroll position.
//
// Three copies stand behind the figures:
// - the page's own state: the fields as the topic reset left them, with every
//   change made between passes (menus, dialogs, the toolbar); each pass
//   starts from it, and such a change reaches every figure's copy too;
// - the flow of a pass: the page's state with what the records that are not
//   figures wrote (data, coefficients, breakpoints), so a setting the script
//   makes once before its figures reaches all of them; a figure seen for the
//   first time starts from it;
// - what each of those records wrote when it last acted, so that the flow
//   keeps a script's data after a click has stopped the records reloading it.
// The point picked in a figure is no setting of the page: a change of it
// between passes goes to the figure the mouse picked it in, or to the one
// the view holds, alone.
#include "script/command_table.h"
#include "view/view.h"
#include "view/view_settings.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using V = CPemroView;

enum FieldFlags : unsigned {
    kOwn = 0,
    // Reset by every pass and set by the records before the figure: a figure
    // takes it from the flow, not from its own copy.
    kFlow = 1,
    // Large arrays only figures and the dialogs write: the records between
    // figures are not compared on them.
    kFigureOnly = 2,
    // Follows the pointer between passes: moving the mouse is no setting.
    kPointer = 4,
    // The picked point: changed between passes for one figure only.
    kPicked = 8,
};

struct Field {
    char* (*address)(V&);
    int size;
    unsigned flags;
};

template <auto Member> Field F(unsigned flags = kOwn) {
    using T = std::remove_reference_t<decltype(std::declval<V&>().*Member)>;
    static_assert(std::is_trivially_copyable_v<T>, "the copies are made byte by byte");
    return {[](V& v) { return reinterpret_cast<char*>(&(v.*Member)); }, int(sizeof(T)), flags};
}

// The fields a figure's command and its buttons read or write. Not here: the
// page pass and its layout, text, fonts, colours, backgrounds, printing, the
// mouse and the answer blocks, which belong to the page.
const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = {
        // Numbers of the command line that later records read.
        F<&V::m_adPointX>(), F<&V::m_adPointY>(), F<&V::m_adPointZ>(), F<&V::m_adCommandPoint3D>(),
        F<&V::m_adMousePoint>(kPointer), F<&V::m_dCursorX>(kPicked), F<&V::m_dCursorY>(kPicked),
        F<&V::m_adCursorPoint3D>(kPicked),
        // 3-D arrangement.
        F<&V::m_nAxisArrangement>(), F<&V::m_dRotationAngle>(), F<&V::m_nLineStyle>(),
        // World range, region and interval.
        F<&V::m_dXMin>(), F<&V::m_dXMax>(), F<&V::m_dYMin>(), F<&V::m_dYMax>(), F<&V::m_dZMin>(),
        F<&V::m_dZMax>(), F<&V::m_dXSpan>(), F<&V::m_dYSpan>(), F<&V::m_dZSpan>(),
        F<&V::m_adSavedWorldRange>(), F<&V::m_adRegionRect>(kFlow), F<&V::m_dIntervalA>(),
        F<&V::m_dIntervalB>(), F<&V::m_dSavedIntervalA>(), F<&V::m_dSavedIntervalB>(),
        // Selections, active and pending, and the plot set-up numbers.
        F<&V::m_bSelectionPending>(), F<&V::m_bLoadScriptSettings>(), F<&V::m_nPlotMode>(),
        F<&V::m_nPendingPlotMode>(), F<&V::m_nFuncF>(), F<&V::m_nPendingFuncF>(),
        F<&V::m_nFuncUpper>(), F<&V::m_nPendingFuncUpper>(), F<&V::m_nFuncLower>(),
        F<&V::m_nPendingFuncLower>(), F<&V::m_nFuncLeft>(), F<&V::m_nPendingFuncLeft>(),
        F<&V::m_nFuncRight>(), F<&V::m_nPendingFuncRight>(), F<&V::m_nRegionType>(),
        F<&V::m_nPendingRegionType>(), F<&V::m_nCombineMode>(), F<&V::m_nPendingCombineMode>(),
        F<&V::m_nSurfaceUpper>(), F<&V::m_nPendingSurfaceUpper>(), F<&V::m_nSurfaceLower>(),
        F<&V::m_nPendingSurfaceLower>(), F<&V::m_nUpperSurfaceStyle>(kFlow),
        F<&V::m_nPendingUpperSurfaceStyle>(), F<&V::m_nLowerSurfaceStyle>(kFlow),
        F<&V::m_nPendingLowerSurfaceStyle>(), F<&V::m_nSideSurfaces>(),
        F<&V::m_nPendingSideSurfaces>(), F<&V::m_nSubDemo>(kFlow), F<&V::m_nPendingSubDemo>(),
        F<&V::m_bProjectXoy>(), F<&V::m_bPendingProjectXoy>(), F<&V::m_bProjectBase>(),
        F<&V::m_bPendingProjectBase>(), F<&V::m_nPlotOrientation>(),
        F<&V::m_nPendingPlotOrientation>(), F<&V::m_nScriptPlotMode>(),
        F<&V::m_nSavedScriptPlotMode>(), F<&V::m_nPlotOption1>(), F<&V::m_dPlotOption1Value>(),
        F<&V::m_nPlotOption2>(), F<&V::m_nPendingPlotOption1>(), F<&V::m_nPendingPlotOption2>(),
        // How the catalogue functions are evaluated and edited.
        F<&V::m_nFuncFBreak>(kFlow), F<&V::m_nFuncFSymmetry>(), F<&V::m_bFuncFPeriodic>(),
        F<&V::m_dFuncFPeriod>(), F<&V::m_dSavedFuncFPeriod>(), F<&V::m_bPlotInverse>(),
        F<&V::m_nSurfaceUpperProfile>(), F<&V::m_nSurfaceLowerProfile>(),
        F<&V::m_nSurfaceEvalMode>(), F<&V::m_nClassicalCurve>(), F<&V::m_dImplicitC>(),
        F<&V::m_nCurveCoefEdit>(), F<&V::m_nSurfaceCoefEdit>(), F<&V::m_nPanelCurveSel>(),
        F<&V::m_nPanelSurfaceSel>(), F<&V::m_pszFormulaF>(), F<&V::m_pszFormulaSurfF>(),
        F<&V::m_pszFormulaSurfG>(), F<&V::m_pszFormulaOde>(),
        // Coefficients and their saved copies.
        F<&V::m_adCoefF>(), F<&V::m_adSavedCoefF>(), F<&V::m_adCoefFExtra>(), F<&V::m_adCoefG>(),
        F<&V::m_adSavedCoefG>(), F<&V::m_adCoefGExtra>(), F<&V::m_adCoefSurfF>(),
        F<&V::m_adSavedCoefSurfF>(), F<&V::m_adCoefSurfFExtra>(), F<&V::m_adCoefSurfG>(),
        F<&V::m_adSavedCoefSurfG>(), F<&V::m_dAlphaF>(), F<&V::m_dBetaF>(), F<&V::m_dAlphaG>(),
        F<&V::m_dBetaG>(), F<&V::m_dSavedAlphaF>(), F<&V::m_dSavedBetaF>(), F<&V::m_dSavedAlphaG>(),
        F<&V::m_dSavedBetaG>(), F<&V::m_dAlphaSurfF>(), F<&V::m_dAlphaSurfG>(),
        F<&V::m_dSavedAlphaSurfF>(), F<&V::m_dSavedAlphaSurfG>(), F<&V::m_dBreakF0>(),
        F<&V::m_dBreakF1>(), F<&V::m_dBreakG0>(), F<&V::m_dBreakG1>(), F<&V::m_dSavedBreakF0>(),
        F<&V::m_dSavedBreakF1>(), F<&V::m_dSavedBreakG0>(), F<&V::m_dSavedBreakG1>(),
        // Demonstration parameters.
        F<&V::m_nDemoStep>(), F<&V::m_nSeries2Choice>(), F<&V::m_nDemoOption>(),
        F<&V::m_nDemoOption2>(), F<&V::m_dDemoVariant>(), F<&V::m_dDemoParam>(),
        F<&V::m_nDerivativeArg>(kFlow), F<&V::m_nDeltaXSign>(), F<&V::m_dStepH>(),
        F<&V::m_dDiffStep>(), F<&V::m_dParamStep>(), F<&V::m_dEpsilon>(), F<&V::m_dDelta>(),
        F<&V::m_dEscapeBound>(), F<&V::m_nSequenceMode>(kFlow), F<&V::m_nProfileFunc>(),
        F<&V::m_dX0>(), F<&V::m_dY0>(), F<&V::m_dZ0>(), F<&V::m_dFoundX>(), F<&V::m_dNewtonStart>(),
        F<&V::m_dParamA>(), F<&V::m_dParamB>(), F<&V::m_dParamC>(), F<&V::m_dArcStartAngle>(),
        F<&V::m_dArcEndAngle>(), F<&V::m_adPQR>(), F<&V::m_adSurfParamRange>(),
        F<&V::m_dVibrationScale>(), F<&V::m_dTimeT>(), F<&V::m_dGravity>(), F<&V::m_nBallRadius>(),
        F<&V::m_dSpecificGravity>(), F<&V::m_nLsqPointCount>(), F<&V::m_nValueTableShown>(),
        F<&V::m_adCirclePairFirst>(), F<&V::m_adPencilP1>(), F<&V::m_adPencilMember>(),
        F<&V::m_bPencilHeld>(),
        // Limits, directions and volume elements.
        F<&V::m_nLimitSide>(), F<&V::m_nLimitInfinity>(kFlow), F<&V::m_dLimitValueLeft>(),
        F<&V::m_dLimitValueRight>(), F<&V::m_dDirM>(), F<&V::m_dDirN>(), F<&V::m_dDirP>(),
        F<&V::m_dDTheta>(), F<&V::m_dDPhi>(), F<&V::m_dDR>(), F<&V::m_dDZ>(),
        // Surfaces and solids.
        F<&V::m_nMeshDivX>(), F<&V::m_nMeshDivY>(), F<&V::m_bCutZc>(), F<&V::m_nSectionPlane>(),
        F<&V::m_bDrawSurfaceIntersection>(), F<&V::m_bDrawInverted>(),
        F<&V::m_nProjectionDisplay>(), F<&V::m_nSurfSceneMode>(),
        // Differential equations.
        F<&V::m_nOdeOrder>(), F<&V::m_nOdeForm>(), F<&V::m_nOdeMethod>(),
        F<&V::m_nOdeMethodFamily>(), F<&V::m_dOdeStep>(), F<&V::m_dOdeP>(), F<&V::m_dOdeQ>(),
        F<&V::m_dSavedOdeP>(), F<&V::m_dSavedOdeQ>(), F<&V::m_bPhasePlane>(),
        F<&V::m_bSavedPhasePlane>(), F<&V::m_adOdePrevF>(), F<&V::m_adStepResult>(),
        // Probability and statistics.
        F<&V::m_dProbP>(), F<&V::m_dSavedProbP>(), F<&V::m_dLambda>(), F<&V::m_dSavedLambda>(),
        F<&V::m_dMu>(), F<&V::m_dSavedMu>(), F<&V::m_dSigma>(), F<&V::m_dSavedSigma>(),
        F<&V::m_dGammaAlpha>(), F<&V::m_dSavedGammaAlpha>(), F<&V::m_dGammaBeta>(),
        F<&V::m_dSavedGammaBeta>(), F<&V::m_dSignificance>(), F<&V::m_dSavedSignificance>(),
        F<&V::m_nCountN>(), F<&V::m_nSavedCountN>(), F<&V::m_nPopulationN>(),
        F<&V::m_nSavedPopulationN>(), F<&V::m_nCountM>(), F<&V::m_nSavedCountM>(),
        F<&V::m_nMarkedM>(), F<&V::m_nSavedMarkedM>(), F<&V::m_bShowMean>(),
        F<&V::m_bSavedShowMean>(), F<&V::m_bShowVariance>(), F<&V::m_bSavedShowVariance>(),
        F<&V::m_bQuantileMode>(), F<&V::m_bSavedQuantileMode>(),
        // Numerical analysis and linear algebra.
        F<&V::m_adMatrixA>(kFigureOnly), F<&V::m_adMatrixInput>(kFigureOnly),
        F<&V::m_adMatrixAux>(kFigureOnly), F<&V::m_adMatrixL>(kFigureOnly),
        F<&V::m_adMatrixU>(kFigureOnly), F<&V::m_adSolution>(), F<&V::m_nGridRows>(),
        F<&V::m_nGridCols>(), F<&V::m_nDecimals>(), F<&V::m_nPrecisionDigits>(),
        F<&V::m_nKeepDecimalsA>(), F<&V::m_nKeepDecimalsB>(), F<&V::m_bShowRelatedData>(),
        F<&V::m_nRegressionM>(),
        // Data sets.
        F<&V::m_adDataX>(), F<&V::m_adDataY>(), F<&V::m_adDataZ>(), F<&V::m_nDataCountX>(),
        F<&V::m_nDataCountY>(),
        // Shapes drawn in a figure with the drawing tools (the first x list
        // is also the start vector of the iterative solvers).
        F<&V::m_nDrawTool>(), F<&V::m_bDrawToolsOff>(), F<&V::m_bToolFirstPoint>(),
        F<&V::m_nToolClickPhase>(), F<&V::m_nUserShapeCount>(), F<&V::m_anUserShapeTool>(),
        F<&V::m_adShapeX1>(), F<&V::m_adShapeY1>(), F<&V::m_adShapeX2>(), F<&V::m_adShapeY2>(),
        F<&V::m_adShapeX3>(), F<&V::m_adShapeY3>(), F<&V::m_acrUserShapeLine>(),
        F<&V::m_acrUserShapeFill>(),
        // Where the figure lies and how it projects: laid out again as it
        // draws, but read by some figures that do not set all of it.
        F<&V::m_nFigureLeft>(), F<&V::m_nFigureTop>(), F<&V::m_nFigureRight>(),
        F<&V::m_nFigureBottom>(), F<&V::m_nGraphLeft>(), F<&V::m_nGraphTop>(),
        F<&V::m_nGraphBottom>(), F<&V::m_nGraphRight>(), F<&V::m_nPlotLeft>(),
        F<&V::m_nPlotRight>(), F<&V::m_nPlotTop>(), F<&V::m_nPlotBottom>(), F<&V::m_nPlotWidth>(),
        F<&V::m_nPlotHeight>(), F<&V::m_nSidePanelWidth>(), F<&V::m_bFigureVisible>(),
        F<&V::m_bFigure3D>(), F<&V::m_anFigureBox3D>(), F<&V::m_nInsetLeft>(),
        F<&V::m_nInsetRight>(), F<&V::m_nInsetTop>(), F<&V::m_nInsetBottom>(),
        F<&V::m_nInsetWidth>(), F<&V::m_nInsetHeight>(), F<&V::m_nProjScaleX>(),
        F<&V::m_nProjScaleY>(), F<&V::m_nProjScaleZ>(), F<&V::m_nProjOriginX>(),
        F<&V::m_nProjOriginY>(), F<&V::m_dObliqueFactor>(), F<&V::m_adPlaneRange>(),
        F<&V::m_adPlaneSpan>()};
    return fields;
}

// The figures a click has not changed together keep at most this much of
// their own; such a figure past it starts from the flow on every pass,
// which draws it as it was. A figure a click changed keeps its copy always,
// so no click is lost.
constexpr size_t kMaxOwnBytes = size_t(64) << 20;
// What the records that are no figures keep of what they wrote, together.
constexpr size_t kMaxWrittenBytes = size_t(64) << 20;

using Buffer = std::vector<char>;

// A field's bytes where they differ from the page's state, as runs: a figure
// changes a few entries of its large arrays (a 20 x 20 matrix of a 100 x 100
// array), and keeps those, not the whole array.
struct Patch {
    std::vector<std::pair<int, std::string>> runs; // offset in the field, bytes
};
// What a run costs beside its bytes (its offset and string).
constexpr size_t kRunOverhead = sizeof(std::pair<int, std::string>);
// Runs closer than this join: a run costs more than a few bytes.
constexpr int kRunJoinGap = 16;
constexpr int kWord = 8;

using Sparse = std::map<int, Patch>; // field index -> where it differs

// Where each field lies in the view and in a copy, worked out once: every
// command record of every pass copies and compares them, a thousand times a
// pass on long pages.
struct Place {
    std::ptrdiff_t inView;
    int inCopy, size;
    unsigned flags;
};

// Fields next to each other in the view and in the copy, with the same
// flags, copied by one memcpy.
struct Block {
    std::ptrdiff_t inView;
    int inCopy, size;
    unsigned flags;
    int first, count; // its fields
};

struct Layout {
    std::vector<Place> places;
    std::vector<Block> blocks;
    int copySize = 0;
};

const Layout& LayoutOf(V& v) {
    static const Layout layout = [&v] {
        Layout l;
        const char* base = reinterpret_cast<const char*>(&v);
        for (const Field& f : Fields()) {
            l.places.push_back({f.address(v) - base, l.copySize, f.size, f.flags});
            l.copySize += f.size;
        }
        for (size_t i = 0; i < l.places.size(); ++i) {
            const Place& p = l.places[i];
            Block* last = l.blocks.empty() ? nullptr : &l.blocks.back();
            if (last && last->flags == p.flags && last->inView + last->size == p.inView &&
                last->inCopy + last->size == p.inCopy)
                last->size += p.size, ++last->count;
            else
                l.blocks.push_back({p.inView, p.inCopy, p.size, p.flags, int(i), 1});
        }
        return l;
    }();
    return layout;
}

const Layout* g_layout = nullptr; // set by the first store, before any use below

int FieldCount() {
    return int(g_layout->places.size());
}

char* At(V& v, int i) {
    return reinterpret_cast<char*>(&v) + g_layout->places[size_t(i)].inView;
}

char* At(Buffer& b, int i) {
    return b.data() + g_layout->places[size_t(i)].inCopy;
}

int SizeOf(int i) {
    return g_layout->places[size_t(i)].size;
}

bool Skipped(int i, unsigned skip) {
    return (g_layout->places[size_t(i)].flags & skip) != 0;
}

void Capture(V& v, Buffer* b, unsigned skip = 0) {
    b->resize(size_t(g_layout->copySize));
    char* view = reinterpret_cast<char*>(&v);
    for (const Block& k : g_layout->blocks)
        if (!(k.flags & skip)) std::memcpy(b->data() + k.inCopy, view + k.inView, size_t(k.size));
}

void Apply(Buffer& b, V& v, unsigned skip = 0) {
    char* view = reinterpret_cast<char*>(&v);
    for (const Block& k : g_layout->blocks)
        if (!(k.flags & skip)) std::memcpy(view + k.inView, b.data() + k.inCopy, size_t(k.size));
}

bool Same(V& v, Buffer& b, int i) {
    return std::memcmp(At(v, i), At(b, i), size_t(SizeOf(i))) == 0;
}

std::vector<int> Changed(V& v, Buffer& b, unsigned skip) {
    std::vector<int> changed;
    const char* view = reinterpret_cast<const char*>(&v);
    for (const Block& k : g_layout->blocks) {
        if ((k.flags & skip) || !std::memcmp(view + k.inView, b.data() + k.inCopy, size_t(k.size)))
            continue;
        for (int i = k.first; i < k.first + k.count; ++i)
            if (!Same(v, b, i)) changed.push_back(i);
    }
    return changed;
}

std::string Bytes(V& v, int i) {
    return std::string(At(v, i), size_t(SizeOf(i)));
}

void Put(V& v, int i, const std::string& bytes) {
    std::memcpy(At(v, i), bytes.data(), size_t(SizeOf(i)));
}

void Put(Buffer& b, int i, const std::string& bytes) {
    std::memcpy(At(b, i), bytes.data(), size_t(SizeOf(i)));
}

// Field i of the view where it differs from the buffer, compared a word at a
// time.
Patch Diff(V& v, Buffer& b, int i) {
    const char* now = At(v, i);
    const char* was = At(b, i);
    const int size = SizeOf(i);
    Patch p;
    int start = -1, lastDiff = -1;
    for (int at = 0; at < size; at += kWord) {
        const int n = std::min(kWord, size - at);
        if (std::memcmp(now + at, was + at, size_t(n)) == 0) continue;
        if (start >= 0 && at - lastDiff > kRunJoinGap) {
            p.runs.emplace_back(start, std::string(now + start, size_t(lastDiff - start)));
            start = -1;
        }
        if (start < 0) start = at;
        lastDiff = at + n;
    }
    if (start >= 0) p.runs.emplace_back(start, std::string(now + start, size_t(lastDiff - start)));
    return p;
}

void Put(char* to, const Patch& p) {
    for (const auto& [at, bytes] : p.runs) std::memcpy(to + at, bytes.data(), bytes.size());
}

void Put(V& v, int i, const Patch& p) {
    Put(At(v, i), p);
}

void Put(Buffer& b, int i, const Patch& p) {
    Put(At(b, i), p);
}

// The records that set data for the figures after them: the disconnection,
// the data lists and the projection domain (tests 6 to 10 of the chain).
// Every other record after a figure draws into that figure: what it writes
// stays with that figure's pass (it acts only while the figure shows).
constexpr int kFirstSettingTest = 6;
constexpr int kLastSettingTest = 10;

bool IsSettingRecord(const V& v) {
    const int size = int(sizeof v.m_apszKeyword / sizeof v.m_apszKeyword[0]);
    for (int test : FiringCommandTests(v.m_apszKeyword, size, v.m_szCommandLine))
        if (test >= kFirstSettingTest && test <= kLastSettingTest) return true;
    return false;
}

size_t SizeOf(const Patch& p) {
    size_t n = 0;
    for (const auto& run : p.runs) n += run.second.size() + kRunOverhead;
    return n;
}

size_t SizeOf(const Sparse& s) {
    size_t n = 0;
    for (const auto& entry : s) n += SizeOf(entry.second);
    return n;
}

// Indexes of the pending selections and their flag: a selection made from
// a menu holds for every figure, also where it equals what the last figure
// drawn already had.
std::vector<int> PendingFields(V& v) {
    std::vector<const char*> wanted;
    for (const auto& pair : kSelectionPairs)
        wanted.push_back(reinterpret_cast<const char*>(&(v.*pair.first)));
    wanted.push_back(reinterpret_cast<const char*>(&v.m_bSelectionPending));
    std::vector<int> indexes;
    for (int i = 0; i < FieldCount(); ++i)
        for (const char* p : wanted)
            if (At(v, i) == p) indexes.push_back(i);
    return indexes;
}

} // namespace

struct FigureStateStore {
    Buffer base;        // the page's own state
    Buffer lastEnd;     // the fields as the last pass left them
    Buffer flow;        // the page's state with the records before the figure
    Buffer recordStart; // the fields before the running record
    bool baseValid = false, lastEndValid = false;
    std::map<int, Sparse> figures; // a figure's fields that differ from the page's
    std::map<int, Sparse> written; // what a record that is no figure wrote
    size_t writtenBytes = 0;
    size_t ownBytes = 0;
    std::set<int> clicked; // figures a click changed: kept past the bound
    // Between passes the view holds the fields of the figure the user last
    // clicked, when this pass drew it, else of the last figure drawn: the
    // menus, the dialogs and the pointer work on what that figure shows.
    int current = -1;
    bool currentKept = false; // drawn in this pass
    int lastKept = -1;
    int held = -1;   // the figure whose fields the view holds between passes
    int picked = -1; // the figure whose point the mouse put in the view
    // A figure drew for the first time: some take values from their own
    // last pass (a range the drawing widened), so one more pass shows it
    // as every later pass will.
    bool settle = false;
    // The pass: the running command record, the figure whose records run
    // (-1 before the first), whether that figure was kept this pass.
    int record = -1, figure = -1;
    bool figureKept = false, entered = false, readOnly = false;
    bool figurePassed = false; // that figure was off the box: not put back
    BOOL clickActedBefore = FALSE;
    double passRegionRect[4] = {}; // the region as the pass started it

    // The figure's copy from the view, when it was drawn.
    void Keep(V& v, int key) {
        const bool first = !figures.count(key);
        Sparse own;
        for (int i = 0; i < FieldCount(); ++i)
            if (!Skipped(i, kFlow) && !Same(v, base, i)) own[i] = Diff(v, base, i);
        auto it = figures.find(key);
        const size_t before = it == figures.end() ? 0 : SizeOf(it->second);
        const size_t after = SizeOf(own);
        if (!clicked.count(key) && ownBytes - before + after > kMaxOwnBytes) return;
        ownBytes = ownBytes - before + after;
        figures[key] = std::move(own);
        settle = settle || first;
        if (key == current) currentKept = true;
        lastKept = key;
    }

    // The figure's fields into the view: its own copy over the page's state,
    // or the flow for a figure not drawn before. While the figure takes the
    // script's values (no button or dialog has changed them since), what the
    // records before it set holds for it too, as on its first pass.
    void Restore(V& v, int key) {
        auto it = figures.find(key);
        if (it == figures.end()) {
            Apply(flow, v);
            return;
        }
        Apply(base, v, kFlow);
        for (const auto& [i, patch] : it->second) Put(v, i, patch);
        const bool scriptRules = v.m_bLoadScriptSettings;
        for (int i = 0; i < FieldCount(); ++i) {
            const size_t n = size_t(SizeOf(i));
            if (Skipped(i, kFlow) || (scriptRules && std::memcmp(At(flow, i), At(base, i), n)))
                std::memcpy(At(v, i), At(flow, i), n);
        }
    }

    // A change of the picked point made between passes: the figure's own
    // copy takes it; a figure without one leaves it to the page's state.
    void Pick(V& v, const std::vector<int>& changed, int key) {
        auto it = figures.find(key);
        if (it == figures.end()) return Spread(v, changed);
        Sparse& own = it->second;
        for (int i : changed) {
            auto old = own.find(i);
            if (old != own.end()) ownBytes -= std::min(ownBytes, SizeOf(old->second));
            if (Same(v, base, i)) {
                own.erase(i);
                continue;
            }
            own[i] = Diff(v, base, i);
            ownBytes += SizeOf(own[i]);
        }
    }

    // A change made between passes: the page's state and every copy take it
    // (a copy then no longer differs there).
    void Spread(V& v, const std::vector<int>& changed) {
        for (int i : changed) {
            const std::string bytes = Bytes(v, i);
            Put(base, i, bytes);
            for (auto& entry : figures) {
                auto it = entry.second.find(i);
                if (it == entry.second.end()) continue;
                ownBytes -= std::min(ownBytes, SizeOf(it->second));
                entry.second.erase(it);
            }
            for (auto& entry : written) {
                auto it = entry.second.find(i);
                if (it == entry.second.end()) continue;
                writtenBytes -= std::min(writtenBytes, SizeOf(it->second));
                it->second.runs.assign(1, {0, bytes});
                writtenBytes += SizeOf(it->second);
            }
        }
    }
};

namespace {

FigureStateStore& StoreOf(V& v, std::shared_ptr<FigureStateStore>* p) {
    if (!g_layout) g_layout = &LayoutOf(v);
    if (!*p) *p = std::make_shared<FigureStateStore>();
    return **p;
}

} // namespace

void CPemroView::ForgetFigureStates() {
    m_pFigureStates.reset();
}

void CPemroView::BeginFigureStatePass() {
    FigureStateStore& s = StoreOf(*this, &m_pFigureStates);
    s.record = s.figure = -1;
    s.figureKept = s.entered = s.currentKept = s.figurePassed = false;
    s.lastKept = -1;
    // A continuation carries the wish for one more pass on to the end of
    // its chain: asked for mid-chain, that pass would start the page over.
    if (!IsContinuationPass()) s.settle = false;
    s.readOnly = m_bPrintMode;
    if (!s.baseValid) {
        Capture(*this, &s.base);
        s.baseValid = true;
    } else if (s.lastEndValid) {
        std::vector<int> changed, picked;
        for (int i : Changed(*this, s.lastEnd, kPointer))
            (Skipped(i, kPicked) ? picked : changed).push_back(i);
        if (m_bSelectionPending) {
            const std::vector<int> pending = PendingFields(*this);
            bool chosen = false;
            for (int i : changed)
                for (int p : pending) chosen = chosen || i == p;
            if (chosen) changed.insert(changed.end(), pending.begin(), pending.end());
        }
        s.Spread(*this, changed);
        s.Pick(*this, picked, s.picked >= 0 ? s.picked : s.held);
    }
    // The figure picked in is the one the user works on now.
    if (s.picked >= 0) s.current = s.picked, s.clicked.insert(s.picked);
    s.picked = -1;
    Apply(s.base, *this);
}

void CPemroView::StartFigureStateFlow() {
    FigureStateStore& s = StoreOf(*this, &m_pFigureStates);
    Capture(*this, &s.flow);
    std::copy(std::begin(m_adRegionRect), std::end(m_adRegionRect), s.passRegionRect);
}

void CPemroView::EndFigureStatePass() {
    FigureStateStore& s = StoreOf(*this, &m_pFigureStates);
    const int shown = s.currentKept ? s.current : s.lastKept;
    s.held = shown >= 0 ? shown : s.figure;
    if (shown >= 0 && shown != s.figure) {
        s.Restore(*this, shown);
    } else if (s.figurePassed) {
        // The pass ends on a figure that was not put back: as if it had been.
        s.Restore(*this, s.figure);
    }
    Capture(*this, &s.lastEnd);
    s.lastEndValid = true;
    // The settling pass paints the whole box over, as a scroll or a resize
    // would: a click left stored elsewhere must not make it keep the
    // background and skip the figures.
    if (s.settle && !s.readOnly && m_nStopFigure < 0) {
        m_nPrevClipBottom = 0;
        Invalidate();
    }
}

int CPemroView::FigureStateKey() const {
    return m_pFigureStates ? m_pFigureStates->figure : -1;
}

void CPemroView::HoldFigurePoint(int figure) {
    if (!m_pFigureStates || figure < 0) return;
    FigureStateStore& s = *m_pFigureStates;
    const auto it = s.figures.find(figure);
    if (!s.baseValid || it == s.figures.end()) return;
    s.picked = figure;
    if (figure == s.held) return;
    for (int i = 0; i < FieldCount(); ++i) {
        if (!Skipped(i, kPicked)) continue;
        std::memcpy(At(*this, i), At(s.base, i), size_t(SizeOf(i)));
        const auto own = it->second.find(i);
        if (own != it->second.end()) Put(*this, i, own->second);
    }
}

void CPemroView::BeginCommandRecordState() {
    FigureStateStore& s = StoreOf(*this, &m_pFigureStates);
    ++s.record;
    s.entered = false;
    s.clickActedBefore = m_bClickActed;
    m_bGateResetLimitState = FALSE;
    // A record's data stay in the flow also on passes where it does not
    // load them again; a figure's later records leave its own fields alone.
    auto it = s.written.find(s.record);
    if (it != s.written.end())
        for (const auto& [i, patch] : it->second) {
            if (s.figure < 0) Put(*this, i, patch);
            Put(s.flow, i, patch);
        }
    Capture(*this, &s.recordStart, kFigureOnly);
}

void CPemroView::EnterFigureState() {
    if (!m_pFigureStates) return;
    FigureStateStore& s = *m_pFigureStates;
    if (s.entered || s.record < 0) return;
    s.entered = true;
    m_bFigureTookScript = FALSE;
    // What the record did before its layout is done again on the figure's
    // own fields.
    std::map<int, std::string> before;
    for (int i : Changed(*this, s.recordStart, kFigureOnly)) before[i] = Bytes(*this, i);
    s.Restore(*this, s.record);
    // The pass starts the region inside the range as the figure left it,
    // unless a record before the figure set the region.
    if (s.figures.count(s.record) &&
        std::equal(std::begin(m_adRegionRect), std::end(m_adRegionRect), s.passRegionRect))
        ResetRegionRect();
    for (const auto& [i, bytes] : before) Put(*this, i, bytes);
    if (m_bGateResetLimitState) OnResetLimitState();
    s.figure = s.record;
    s.figureKept = false;
    s.figurePassed = false;
}

// A figure off the painted box is laid out for the page below it but draws
// nothing: its fields, not put back, are not kept either, and the next
// figure puts back its own over whatever this one left.
void CPemroView::PassFigureStateBy() {
    if (!m_pFigureStates) return;
    FigureStateStore& s = *m_pFigureStates;
    if (s.entered || s.record < 0) return;
    s.entered = true;
    m_bFigureTookScript = FALSE;
    s.figure = s.record;
    s.figureKept = false;
    s.figurePassed = true;
}

void CPemroView::EndCommandRecordState() {
    if (!m_pFigureStates) return;
    FigureStateStore& s = *m_pFigureStates;
    if (s.record < 0) return;
    const bool clicked = m_bClickActed && !s.clickActedBefore;
    if (s.entered) {
        s.figureKept = !s.readOnly && m_bFigureVisible;
        if (clicked && s.figureKept) s.current = s.record, s.clicked.insert(s.record);
        if (s.figureKept) s.Keep(*this, s.record);
        s.entered = false;
        return;
    }
    // A button of a later record that leaves its fields as they were (a
    // sign pressed again) still makes its figure the one last pressed.
    if (clicked && s.figure >= 0 && s.figureKept)
        s.current = s.figure, s.clicked.insert(s.figure);
    const std::vector<int> changed = Changed(*this, s.recordStart, kFigureOnly);
    if (changed.empty()) return;
    // A later record of a figure draws into it: what it wrote (a line's
    // direction from the script, or from its own buttons) is the figure's
    // own, so a click on the figure's first record (a click pass ends
    // there) and later passes that no longer read the script still have it.
    if (s.figure >= 0 && (clicked || !IsSettingRecord(*this))) {
        if (!s.figureKept) return;
        // The view holds the figure's fields: a figure the bound left
        // without a copy keeps them whole.
        if (!s.figures.count(s.figure)) {
            if (clicked) s.Keep(*this, s.figure);
            return;
        }
        Sparse& own = s.figures[s.figure];
        for (int i : changed) {
            if (Skipped(i, kFlow)) continue;
            s.ownBytes -= std::min(s.ownBytes, SizeOf(own[i]));
            if (Same(*this, s.base, i))
                own.erase(i);
            else
                own[i] = Diff(*this, s.base, i), s.ownBytes += SizeOf(own[i]);
        }
        return;
    }
    for (int i : changed) {
        Put(s.flow, i, Bytes(*this, i));
        if (s.readOnly) continue;
        // What the record changed, kept within the bound: a page of a
        // hundred thousand data records keeps a few bytes of each.
        Patch patch = Diff(*this, s.recordStart, i);
        Sparse& kept = s.written[s.record];
        auto old = kept.find(i);
        const size_t before = old == kept.end() ? 0 : SizeOf(old->second);
        if (s.writtenBytes - before + SizeOf(patch) > kMaxWrittenBytes) continue;
        s.writtenBytes = s.writtenBytes - before + SizeOf(patch);
        kept[i] = std::move(patch);
    }
}

// The figures' fields and the pass's place among the figures, for the
// walk's resume points (walk_resume.cpp).
void CPemroView::CaptureFigureFields(std::vector<char>* out) {
    StoreOf(*this, &m_pFigureStates);
    Capture(*this, out);
}

void CPemroView::ApplyFigureFields(std::vector<char>& in) {
    StoreOf(*this, &m_pFigureStates);
    Apply(in, *this);
}

std::vector<char>* CPemroView::FigureFlow() {
    return &StoreOf(*this, &m_pFigureStates).flow;
}

CPemroView::FigureWalkMarks CPemroView::GetFigureWalkMarks() {
    const FigureStateStore& s = StoreOf(*this, &m_pFigureStates);
    return {s.record,  s.figure,       s.lastKept,    s.figureKept,
            s.entered, s.figurePassed, s.currentKept, s.clickActedBefore};
}

void CPemroView::SetFigureWalkMarks(const FigureWalkMarks& m) {
    FigureStateStore& s = StoreOf(*this, &m_pFigureStates);
    s.record = m.record, s.figure = m.figure, s.lastKept = m.lastKept;
    s.figureKept = m.figureKept, s.entered = m.entered, s.figurePassed = m.figurePassed;
    s.currentKept = m.currentKept, s.clickActedBefore = m.clickActedBefore;
}
