// Resume points of the walk. Every printed sheet and every screen pass
// reads the page's script from its first record down to where it draws; far
// down a long page the records above the box cost more than the box itself.
// A pass keeps, at some records above its box, everything the walk carries
// from one record to the next (the file position, the text layout, the
// figures' fields and the flow of the records that set them, the pass's
// counters and the plots it noted), and a later pass starts at the last
// point above its own box.
//
// A point is the state a walk from the top reaches there, provided the walk
// starts from the same state and treats the records before it alike: both
// passes start from equal fields (compared whole, at the start of each
// pass), in the same layout, over the same file, and the records before the
// point lie above both boxes, so neither draws them nor puts a figure's own
// fields back for them.
#include "view/view.h"

#include "platform/file.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

using V = CPemroView;

// The page's fields a record may change and a later record read, beside the
// figures' own (figure_state.cpp): the record buffers, the text layout and
// fonts, colours, answer blocks, button rows and the pass's counters. Not
// here: the box and the sheet, which differ between the passes that share a
// point.
struct PageField {
    char* (*address)(V&);
    int size;
};

template <auto Member> PageField P() {
    using T = std::remove_reference_t<decltype(std::declval<V&>().*Member)>;
    static_assert(std::is_trivially_copyable_v<T>, "the copies are made byte by byte");
    return {[](V& v) { return reinterpret_cast<char*>(&(v.*Member)); }, int(sizeof(T))};
}

// Fields the walk reads and writes that every pass sharing the points starts
// with alike: compared at the start of a pass, kept at each point.
const std::vector<PageField>& PageFields() {
    static const std::vector<PageField> fields = {
        // Text layout and fonts.
        P<&V::m_nBoxWidth>(), P<&V::m_nBoxHeight>(), P<&V::m_nBaseCharHeight>(),
        P<&V::m_nBaseCharWidth>(), P<&V::m_nCharHeight>(), P<&V::m_nCharWidth>(),
        P<&V::m_nFontStep>(), P<&V::m_nFormulaFontStep>(), P<&V::m_dLetterSize>(),
        P<&V::m_dLineSpacing>(), P<&V::m_nLabelZoom>(), P<&V::m_nTextY>(), P<&V::m_nNextLineY>(),
        P<&V::m_nContentEnd>(), P<&V::m_nDrawnFigureBand>(), P<&V::m_nInitialPageLines>(),
        P<&V::m_nRecordIndex>(), P<&V::m_nRevealedCount>(), P<&V::m_nTextRevealMode>(),
        P<&V::m_bShowRecordText>(), P<&V::m_bShowAllContent>(), P<&V::m_bProblemOpen>(),
        P<&V::m_bBeforeFigure>(), P<&V::m_bZoomTaken>(), P<&V::m_nAnswerBlock>(),
        P<&V::m_anAnswerState>(), P<&V::m_lfCurrent>(), P<&V::m_alfTextFont>(),
        P<&V::m_bLettersItalic>(), P<&V::m_nNonChineseColorMode>(), P<&V::m_pszAsciiChars>(),
        P<&V::m_pszWideLetters>(), P<&V::m_pszWideSymbols>(), P<&V::m_pszWideDigitsGreek>(),
        P<&V::m_anGlyph>(), P<&V::m_bPrintOriginalColors>(),
        // Colours, background and display switches.
        P<&V::m_crBackground>(), P<&V::m_crLeftFrame>(), P<&V::m_crGround>(), P<&V::m_crAxes>(),
        P<&V::m_crCurveSetting>(), P<&V::m_crFirstDerivative>(), P<&V::m_crSecondDerivative>(),
        P<&V::m_crTheorem>(), P<&V::m_crChapter>(), P<&V::m_crBodyText>(), P<&V::m_crExample>(),
        P<&V::m_crExpression>(), P<&V::m_crUpperMesh>(), P<&V::m_crLowerMesh>(),
        P<&V::m_crSection>(), P<&V::m_crBackSide>(), P<&V::m_crFrontSide>(),
        P<&V::m_crRightFrame>(), P<&V::m_crUpperSurface>(), P<&V::m_crLowerSurface>(),
        P<&V::m_crDefaultPen>(), P<&V::m_crDefaultFill>(), P<&V::m_crIndexed>(), P<&V::m_crCurve>(),
        P<&V::m_acrPalette>(), P<&V::m_anSplitRgb>(), P<&V::m_anUpperMeshRgb>(),
        P<&V::m_anLowerMeshRgb>(), P<&V::m_anUpperSurfaceRgb>(), P<&V::m_anLowerSurfaceRgb>(),
        P<&V::m_nBackgroundMode>(), P<&V::m_nBackgroundPattern>(), P<&V::m_nBrightness>(),
        P<&V::m_nBrightness3D>(), P<&V::m_nGridHidden>(), P<&V::m_nGridSize>(),
        P<&V::m_nPixelSize>(), P<&V::m_bShowSelectionBox>(), P<&V::m_bShowMouseCoords>(),
        P<&V::m_bShowFuncName>(),
        // The mouse as the figures read it.
        P<&V::m_ptClick>(), P<&V::m_bDragging>(), P<&V::m_bZoom>(), P<&V::m_adMousePoint3D>(),
        P<&V::m_mapUnderMouse>(), P<&V::m_nClickedFigureRecord>(), P<&V::m_ptPrintedClick>(),
        // What a figure leaves for the next one beside its own fields.
        P<&V::m_bDecimalsRowOver>(), P<&V::m_nRelatedDataRows>(), P<&V::m_bPlaneCmdsEnabled>(),
        P<&V::m_bScriptValuesAsked>(), P<&V::m_bFigureTookScript>(), P<&V::m_nFrameDrawn>(),
        P<&V::m_bAnimateApproach>(), P<&V::m_nNextAnimatedApproach>(), P<&V::m_aAnimatedApproach>(),
        P<&V::m_nPendingColourSlot>(), P<&V::m_nPassSolverResiduals>(),
        P<&V::m_nSurfaceExpansionDepth>(), P<&V::m_bOdeCaptionAbove>(),
        P<&V::m_bProjectionToggleAnswers>(), P<&V::m_bLine2AngleHeld>(), P<&V::m_bPassEndedEarly>(),
        P<&V::m_nAnswerVerdictBlock>(), P<&V::m_bAnswerVerdictRight>(),
        P<&V::m_bGateResetLimitState>(),
        // Held names of the text writers.
        P<&V::m_bHoldValueLabels>(), P<&V::m_bHoldAxisNames>(), P<&V::m_bAxisNameOpen>(),
        P<&V::m_bNoteFigureBoxes>(), P<&V::m_bWritingFigureText>(),
        // The pass's counters.
        P<&V::m_nPassFigure>(), P<&V::m_nPassScenes>(), P<&V::m_nStopFigure>(),
        P<&V::m_bFigureSkipped>(), P<&V::m_bStopInFigure>(), P<&V::m_bNoteScreenFigures>()};
    return fields;
}

// What the records leave behind: the buffers, the last figure's picture,
// button rows and figure box, the pens. A pass starts with the last pass's,
// so they are not compared; a point keeps them, and also what the pass
// that kept it started with, for where the walk has not changed them. Not
// here: the header just read (each record reads its own over it) and the
// boxes of a figure drawn, which no record above the box draws. Also the
// last text line shown and the title's scale, which the screen's writers
// set for lines above the box too.
const std::vector<PageField>& CarriedFields() {
    static const std::vector<PageField> fields = {
        P<&V::m_szTextLine>(),       P<&V::m_szCommandLine>(),    P<&V::m_szWideLine>(),
        P<&V::m_nParsePos>(),        P<&V::m_nNextRecClass>(),    P<&V::m_nNextRecSubtype>(),
        P<&V::m_nNextRecParam>(),    P<&V::m_adFrameArgs>(),      P<&V::m_crPen>(),
        P<&V::m_crFill>(),           P<&V::m_nPictureLeft>(),     P<&V::m_nPictureRight>(),
        P<&V::m_nPictureTop>(),      P<&V::m_nPictureBottom>(),   P<&V::m_nStackX>(),
        P<&V::m_nStackNominalY>(),   P<&V::m_nStackY>(),          P<&V::m_bStackValid>(),
        P<&V::m_arcPlacedButtons>(), P<&V::m_nPlacedButtons>(),   P<&V::m_nRowY>(),
        P<&V::m_nRowNominalX>(),     P<&V::m_nRowRight>(),        P<&V::m_bRowValid>(),
        P<&V::m_rcFigureFrame>(),    P<&V::m_rcRecordClip>(),     P<&V::m_nRevealedTextBottom>(),
        P<&V::m_dTitleWidthScale>(), P<&V::m_dTitleHeightScale>()};
    return fields;
}

using Bytes = std::vector<char>;

void CapturePage(V& v, const std::vector<PageField>& table, std::string* out) {
    out->clear();
    for (const PageField& f : table) out->append(f.address(v), size_t(f.size));
}

void ApplyPage(const std::string& in, const std::vector<PageField>& table, V& v) {
    size_t at = 0;
    for (const PageField& f : table) {
        std::memcpy(f.address(v), in.data() + at, size_t(f.size));
        at += size_t(f.size);
    }
}

// A point's carried fields hold for a pass that starts with `now` where the
// walk changed them, or where `now` equals what the keeping pass started
// with: left alone, the field would still hold the start's value.
bool CarriedHold(const std::string& atPoint, const std::string& keptStart, const std::string& now) {
    size_t at = 0;
    for (const PageField& f : CarriedFields()) {
        const size_t n = size_t(f.size);
        if (!atPoint.compare(at, n, keptStart, at, n) && now.compare(at, n, keptStart, at, n))
            return false;
        at += n;
    }
    return true;
}

// The lists of the last figure's boxes and names as bytes, each on its own:
// carried like the fields above (a figure off the box clears some of them).
using ListBytes = std::array<std::string, 4>;

template <typename T> void PutPlain(std::string* out, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>, "copied byte by byte");
    out->append(reinterpret_cast<const char*>(&value), sizeof value);
}

ListBytes ListsOf(const V& v) {
    ListBytes b;
    for (const CRect& r : v.m_aFigureBoxes) PutPlain(&b[0], r);
    for (const CRect& r : v.m_aText3Cells) PutPlain(&b[1], r);
    for (const V::PlacedAxisName& n : v.m_aPlacedAxisNames) {
        PutPlain(&b[2], n.text.size());
        b[2] += n.text;
        PutPlain(&b[2], n.anchor), PutPlain(&b[2], n.at);
    }
    for (const V::PlacedPointName& n : v.m_aPlacedPointNames) {
        PutPlain(&b[3], n.text.size());
        b[3] += n.text;
        PutPlain(&b[3], n.from), PutPlain(&b[3], n.to);
    }
    return b;
}

bool ListsHold(const ListBytes& atPoint, const ListBytes& keptStart, const ListBytes& now) {
    for (size_t i = 0; i < atPoint.size(); ++i)
        if (atPoint[i] == keptStart[i] && now[i] != keptStart[i]) return false;
    return true;
}

// Where a copy of the figures' fields differs from the pass's start: a
// point keeps the few changed bytes of their large arrays.
using Runs = std::vector<std::pair<std::uint32_t, std::string>>;
constexpr size_t kRunBlock = 64, kRunJoinGap = 32;

Runs DiffRuns(const Bytes& now, const Bytes& was) {
    Runs runs;
    const size_t n = std::min(now.size(), was.size());
    size_t at = 0;
    while (at < n) {
        const size_t block = std::min(kRunBlock, n - at);
        if (!std::memcmp(now.data() + at, was.data() + at, block)) {
            at += block;
            continue;
        }
        size_t start = at;
        while (now[start] == was[start]) ++start;
        size_t end = start + 1;
        for (size_t i = end; i < n && i - end < kRunJoinGap; ++i)
            if (now[i] != was[i]) end = i + 1;
        runs.emplace_back(std::uint32_t(start), std::string(now.data() + start, end - start));
        at = end;
    }
    return runs;
}

void PutRuns(const Runs& runs, Bytes* to) {
    for (const auto& [at, bytes] : runs)
        if (at + bytes.size() <= to->size())
            std::memcpy(to->data() + at, bytes.data(), bytes.size());
}

size_t SizeOf(const Runs& runs) {
    size_t n = 0;
    for (const auto& run : runs) n += run.second.size() + sizeof run;
    return n;
}

// The memory all points of a page keep together; past it no more are kept.
constexpr size_t kMaxPointBytes = size_t(64) << 20;
// Points lie a quarter of the box apart near the box, a quarter of their
// distance from it further up.
constexpr int kPointsPerBox = 4;
// Lines between the last thing laid out before a point and the box: the
// labels under a figure's frame and a line's descent reach that far.
constexpr int kReachLines = 4;

bool g_enabled = true;

} // namespace

struct WalkResumeStore {
    // What every pass that shares the points starts from.
    std::vector<long long> key;
    std::string path;
    Bytes figureStart, flowStart;
    std::string pageStart;
    std::shared_ptr<const std::string> carriedStart; // what the running pass started with
    std::shared_ptr<const ListBytes> listsStart;
    CString formulaG, formulaFxy;
    struct Point {
        long long position = 0;
        int reach = 0; // page row below which nothing before the point draws
        int prevParam = 0;
        Runs page, figure, flow; // where they differ from the start
        std::string carried;
        std::shared_ptr<const std::string> carriedStart;
        ListBytes lists;
        std::shared_ptr<const ListBytes> listsStart;
        V::FigureWalkMarks marks{};
        CString formulaG, formulaFxy;
        std::vector<paging::Band> bands;
        std::vector<CRect> figureBoxes, text3Cells;
        std::vector<V::PlacedAxisName> axisNames;
        std::vector<V::PlacedPointName> pointNames;
        std::vector<V::PlotMap> plotMaps;
        // The first figure the keeping pass drew (a continuation's): the
        // figures before it were passed over unread.
        int resumeFigure = 0, figuresBefore = 0;
    };
    std::vector<Point> points; // in file order
    size_t bytes = 0;
};

void CPemroView::SetWalkResumeEnabled(bool enabled) {
    g_enabled = enabled;
}

bool CPemroView::WalkResumeEnabled() {
    return g_enabled;
}

namespace {

// The row of the page that the box starts at.
int BoxTopOnPage(const V& v) {
    return PagePos(std::int64_t(v.m_nClipTop) + v.m_nPrintOffsetY);
}

// Below this row nothing laid out so far draws.
int WalkReach(const V& v) {
    const std::int64_t H = std::int64_t(v.m_nBaseCharHeight) + v.m_nFontStep + v.m_nFormulaFontStep;
    return PagePos(std::max<std::int64_t>(v.m_nContentEnd, v.m_nTextY) +
                   kReachLines * std::max<std::int64_t>(H, 1));
}

} // namespace

void CPemroView::BeginWalkResume(CDC* pDC, CStdioFile* pFile, int* prevParam) {
    m_bTakeWalkPoints = false;
    m_aWalkPlotMaps.clear();
    m_nWalkResumedAt = -1;
    m_nWalkPointTextY = m_nTextY;
    // Printed sheets and screen passes that answer no click, out of the
    // step display and the zoom, with no sink watching the records go by.
    const bool printing = m_bPrintMode && pDC->IsPrinting();
    const bool screen = !m_bPrintMode && !pDC->IsPrinting();
    const bool eligible = g_enabled && (printing || screen) && m_nTextRevealMode == -1 &&
                          !m_pTextSink && !m_pControlSink && !m_bClickPass && !m_bAnsweringClick &&
                          !m_bZoom && m_strLastDataPath == m_strDataPath && pFile->Position() == 0;
    if (!eligible) return;
    struct stat st {};
    const std::string path = ResolveProgramPath(std::string(m_strDataPath));
    if (::stat(path.c_str(), &st) != 0) return;
    int walkKey[7];
    WalkEndKey(walkKey);
    std::vector<long long> key(walkKey, walkKey + 7);
    for (long long k :
         {(long long)m_nClipRight - m_nClipLeft, (long long)m_nClipBottom - m_nClipTop,
          (long long)st.st_size, (long long)st.st_mtim.tv_sec, (long long)st.st_mtim.tv_nsec,
          (long long)st.st_ino, (long long)m_bFullRepaint, (long long)m_bPrintMode})
        key.push_back(k);
    Bytes figure;
    CaptureFigureFields(&figure);
    std::string page;
    CapturePage(*this, PageFields(), &page);
    if (!m_pWalkResume) m_pWalkResume = std::make_shared<WalkResumeStore>();
    WalkResumeStore& w = *m_pWalkResume;
    if (w.key != key || w.path != path || w.figureStart != figure || w.flowStart != *FigureFlow() ||
        w.pageStart != page || w.formulaG != m_strFormulaG || w.formulaFxy != m_strFormulaFxy) {
        w = WalkResumeStore();
        w.key = std::move(key);
        w.path = path;
        w.figureStart = std::move(figure);
        w.flowStart = *FigureFlow();
        w.pageStart = std::move(page);
        w.formulaG = m_strFormulaG;
        w.formulaFxy = m_strFormulaFxy;
    }
    std::string carried;
    CapturePage(*this, CarriedFields(), &carried);
    w.carriedStart = std::make_shared<const std::string>(carried);
    const ListBytes lists = ListsOf(*this);
    w.listsStart = std::make_shared<const ListBytes>(lists);
    m_bTakeWalkPoints = true;
    // The print's measuring walk lays out every figure of the page for the
    // sheets: it reads them all.
    if (m_bRecordPrintFigures) return;
    const int boxTop = BoxTopOnPage(*this);
    // Figures before the point are passed over alike by both passes: drawn
    // by an earlier pass for both, or for neither.
    const auto sameSkips = [this](const WalkResumeStore::Point& p) {
        return std::min(p.figuresBefore, p.resumeFigure) ==
               std::min(p.figuresBefore, m_nResumeFigure);
    };
    auto it =
        std::find_if(w.points.rbegin(), w.points.rend(), [&](const WalkResumeStore::Point& p) {
            return p.reach < boxTop && sameSkips(p) &&
                   CarriedHold(p.carried, *p.carriedStart, carried) &&
                   ListsHold(p.lists, *p.listsStart, lists);
        });
    if (it == w.points.rend() || !pFile->Seek(it->position)) return;
    const WalkResumeStore::Point& p = *it;
    Bytes pageAt(w.pageStart.begin(), w.pageStart.end());
    PutRuns(p.page, &pageAt);
    ApplyPage(std::string(pageAt.begin(), pageAt.end()), PageFields(), *this);
    ApplyPage(p.carried, CarriedFields(), *this);
    Bytes fields = w.figureStart;
    PutRuns(p.figure, &fields);
    ApplyFigureFields(fields);
    Bytes* flow = FigureFlow();
    *flow = w.flowStart;
    PutRuns(p.flow, flow);
    SetFigureWalkMarks(p.marks);
    m_strFormulaG = p.formulaG;
    m_strFormulaFxy = p.formulaFxy;
    m_aNotedFigureBands = p.bands;
    m_aFigureBoxes = p.figureBoxes;
    m_aText3Cells = p.text3Cells;
    m_aPlacedAxisNames = p.axisNames;
    m_aPlacedPointNames = p.pointNames;
    for (const PlotMap& map : p.plotMaps) NotePlotMapIn(&m_aPlotMaps, map);
    m_aWalkPlotMaps = p.plotMaps;
    *prevParam = p.prevParam;
    m_nWalkResumedAt = m_nRecordIndex;
    m_nWalkPointTextY = m_nTextY;
}

void CPemroView::KeepWalkResumePoint(CStdioFile* pFile, int prevParam) {
    if (!m_bTakeWalkPoints || !m_pWalkResume) return;
    WalkResumeStore& w = *m_pWalkResume;
    // Close together near the box, where the next sheet or scroll starts,
    // sparse far above it: a pass far down keeps few.
    const std::int64_t above = std::int64_t(BoxTopOnPage(*this)) - m_nTextY;
    const std::int64_t spacing = std::max<std::int64_t>(
        {1, (m_nClipBottom - m_nClipTop) / kPointsPerBox, above / kPointsPerBox});
    if (std::int64_t(m_nTextY) - m_nWalkPointTextY < spacing || w.bytes > kMaxPointBytes) return;
    // Only where nothing of a figure is still to be written, and everything
    // before lies above this pass's box.
    const int reach = WalkReach(*this);
    if (!m_aHeldValuePieces.empty() || !m_aHeldAxisNames.empty() || m_pKeptFigureDC ||
        m_nStopFigure >= 0 || reach >= BoxTopOnPage(*this))
        return;
    const long long position = pFile->Position();
    if (position < 0 || (!w.points.empty() && position <= w.points.back().position)) return;
    m_nWalkPointTextY = m_nTextY;
    WalkResumeStore::Point p;
    p.position = position;
    p.reach = reach;
    p.prevParam = prevParam;
    std::string page;
    CapturePage(*this, PageFields(), &page);
    p.page =
        DiffRuns(Bytes(page.begin(), page.end()), Bytes(w.pageStart.begin(), w.pageStart.end()));
    CapturePage(*this, CarriedFields(), &p.carried);
    p.carriedStart = w.carriedStart;
    p.lists = ListsOf(*this);
    p.listsStart = w.listsStart;
    Bytes now;
    CaptureFigureFields(&now);
    p.figure = DiffRuns(now, w.figureStart);
    p.flow = DiffRuns(*FigureFlow(), w.flowStart);
    p.marks = GetFigureWalkMarks();
    p.formulaG = m_strFormulaG;
    p.formulaFxy = m_strFormulaFxy;
    p.bands = m_aNotedFigureBands;
    p.figureBoxes = m_aFigureBoxes;
    p.text3Cells = m_aText3Cells;
    p.axisNames = m_aPlacedAxisNames;
    p.pointNames = m_aPlacedPointNames;
    p.plotMaps = m_aWalkPlotMaps;
    p.resumeFigure = m_nResumeFigure;
    p.figuresBefore = m_nPassFigure;
    w.bytes += sizeof p + SizeOf(p.page) + p.carried.size() + SizeOf(p.figure) + SizeOf(p.flow) +
               p.lists[0].size() + p.lists[1].size() + p.lists[2].size() + p.lists[3].size() +
               p.bands.size() * sizeof(paging::Band) +
               (p.figureBoxes.size() + p.text3Cells.size()) * sizeof(CRect) +
               p.plotMaps.size() * sizeof(PlotMap);
    w.points.push_back(std::move(p));
}
