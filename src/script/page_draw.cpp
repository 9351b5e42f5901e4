// The paint pass: lays the page out from the clip box, paints the background,
// builds the script file name and reads the topic script record by record.
// Every pass reads the file from its top, or from a resume point an earlier
// pass kept above its box (walk_resume.cpp).
#include "view/view.h"

#include "platform/file.h"
#include "platform/system.h"
#include "platform/text_codec.h"

#include <QImage>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// A repaint strip no higher than this is laid out as the bottom of a box of
// the last full height.
constexpr int kLowStripHeight = 140;
// The widest page layout per unit of window height, in 125ths: the maximised
// window on a 1600 x 1000 screen (1586 x 927) keeps its layout, 16:9 ones do
// not. Rows past that height allow a little less, as a page's height grows
// a little faster than its width (margins fixed in pixels, truncations).
constexpr int kWidestLayoutRows = 927;
constexpr std::int64_t kWidestLayoutPerRow = 214, kWidestLayoutPerTallRow = 197;
// The pattern background is computed in cells of this many pixels.
constexpr int kPatternCell = 4;
// Cells of one row that the pattern fill keeps to merge equal rows.
constexpr int kPatternBandCells = 1024;
// Larger boxes (printer pages) are computed each time rather than kept.
constexpr long long kMaxCachedPatternPixels = 4096LL * 4096LL;
// The first line of the page lies this far down.
constexpr int kFirstLineY = 10;
// The family heading is written while the top of the page is in view.
constexpr int kHeadingArea = 100;
constexpr int kHeadingColour = 5;

// Ends the click pass on every way out of OnDraw. A pass in which a button
// acted asks for one more, so what it drew before the click was answered
// shows the new state at once.
class CClickPassScope {
public:
    explicit CClickPassScope(CPemroView* view) : m_pView(view) { m_pView->BeginPassClickState(); }
    ~CClickPassScope() {
        if (m_pView->EndPassClickState()) m_pView->Invalidate();
    }
    CClickPassScope(const CClickPassScope&) = delete;
    CClickPassScope& operator=(const CClickPassScope&) = delete;

private:
    CPemroView* m_pView;
};

// Runs one of the view's end-of-pass steps on every way out of OnDraw.
class CPassEndScope {
public:
    CPassEndScope(CPemroView* view, void (CPemroView::*end)()) : m_pView(view), m_pEnd(end) {}
    ~CPassEndScope() { (m_pView->*m_pEnd)(); }
    CPassEndScope(const CPassEndScope&) = delete;
    CPassEndScope& operator=(const CPassEndScope&) = delete;

private:
    CPemroView* m_pView;
    void (CPemroView::*m_pEnd)();
};

// One component of a pattern cell: the background's component weighted by w,
// the brightness by 1 - w, kept to 8 bits.
int PatternComponent(int component, double w, int brightness) {
    const double v = component * w + (1.0 - w) * brightness;
    if (!std::isfinite(v)) return 0;
    return int(v) & 255;
}

// A line of blanks is room left for a figure, not content.
bool HasVisibleText(const char* line) {
    for (; *line; ++line)
        if (!std::isspace(static_cast<unsigned char>(*line))) return true;
    return false;
}

} // namespace

void CPemroView::LayoutFromClipBox(CDC* pDC) {
    CRect clip;
    pDC->GetClipBox(&clip);
    m_nClipLeft = clip.left;
    m_nClipTop = clip.top;
    m_nClipRight = clip.right;
    m_nClipBottom = clip.bottom;
    m_nBoxWidth = m_nClipRight - m_nClipLeft;
    // The page scales with the window's width, but with no more width than
    // the window's height allows: a wide, short screen (16:9) lays the page
    // out as for a narrower one, so its first figure ends above its bottom.
    // 整体放大 then adds its pixels to every line and figure row: the page
    // grows past the first screen, as asked, and is scrolled.
    int layoutWidth = m_nBoxWidth;
    CRect client;
    GetClientRect(&client);
    if (!m_bPrintMode && !pDC->IsPrinting() && client.Height() > 0) {
        const std::int64_t rows = client.Height(),
                           low = std::min<std::int64_t>(rows, kWidestLayoutRows);
        const std::int64_t widest =
            (low * kWidestLayoutPerRow + (rows - low) * kWidestLayoutPerTallRow) / 125;
        layoutWidth = int(std::min<std::int64_t>(layoutWidth, widest));
    }
    m_nBaseCharHeight = layoutWidth / (30 + m_bPrintMode);
    m_nBaseCharWidth = layoutWidth > 800 ? layoutWidth * 117 / 7200 : layoutWidth * 59 / 3600;
    m_nCharWidth = m_nBaseCharWidth;
    m_nCharHeight = m_nBaseCharHeight;
    m_bFullRepaint = 0;
    if (m_sizeScrollTotal.cx < m_nClipRight) m_sizeScrollTotal.cx = m_nClipRight;
}

void CPemroView::PaintPageBackground(CDC* pDC) {
    COLORREF gridColour = m_crBackground;
    // The pattern covers the whole clip box cell by cell, so the plain fill
    // under it would not be seen; only a low strip laid out below a shorter
    // box (a button may have left the box height small) shows it above the
    // pattern.
    const int clipHeight = m_nClipBottom - m_nClipTop;
    const bool patternCoversBox =
        m_nBackgroundMode == -1 && (clipHeight > kLowStripHeight || m_nBoxHeight >= clipHeight);
    if (!patternCoversBox)
        pDC->FillSolidRect(CRect(0, 0, m_sizeScrollTotal.cx, m_sizeScrollTotal.cy), m_crBackground);
    SplitRGB(m_crBackground);
    if (clipHeight > kLowStripHeight)
        m_nBoxHeight = clipHeight;
    else
        m_nClipTop = m_nClipBottom - m_nBoxHeight;
    if (m_nBackgroundMode != 0) {
        const int b = m_nBrightness & 255;
        gridColour = RGB(b, b, b);
    }
    if (m_nBackgroundMode == 1)
        DrawPicture(pDC, m_strBackgroundPicture, m_nClipLeft, m_nClipTop,
                    m_nClipRight - m_nClipLeft, m_nClipBottom - m_nClipTop);
    if (m_nBackgroundMode == -1) PaintPatternBackgroundCached(pDC);
    // Grid lines are aligned to the clip box, not to the page origin.
    if (m_nGridHidden == 0 && m_nGridSize > 0) {
        for (int x = m_nClipLeft; x < m_nClipRight; x += m_nGridSize)
            pDC->FillSolidRect(CRect(x, m_nClipTop, x + 1, m_nClipBottom), gridColour);
        for (int y = m_nClipTop; y < m_nClipBottom; y += m_nGridSize)
            pDC->FillSolidRect(CRect(m_nClipLeft, y, m_nClipRight, y + 1), gridColour);
    }
    m_bFullRepaint = 1;
    // The pass lays out every plot the screen shows again.
    if (!m_bPrintMode) m_aPlotMaps.clear();
}

void CPemroView::PaintPatternBackground(CDC* pDC) {
    // Measured hot loop: one pattern evaluation per 4x4 cell over the whole
    // box. Neighbouring cells of equal colour are filled together: along a
    // row as one run, and rows equal to the one above as one band (the
    // common patterns vary slowly, or along x only).
    const double width = m_nBoxWidth > 0 ? m_nBoxWidth : 1; // an empty box: no infinities
    const double height = m_nBoxHeight > 0 ? m_nBoxHeight : 1;
    const int cells = (m_nClipRight - m_nClipLeft + kPatternCell - 1) / kPatternCell;
    if (cells <= 0 || m_nClipBottom <= m_nClipTop) return;
    // Wider boxes than the band buffer are filled row by row.
    const bool bands = cells <= kPatternBandCells;
    COLORREF row[kPatternBandCells], band[kPatternBandCells];
    double cellU[kPatternBandCells];
    if (bands)
        for (int i = 0; i < cells; ++i) cellU[i] = (i * kPatternCell + 2) / width;
    int bandTop = m_nClipTop;

    auto fillRuns = [&](const COLORREF* colours, int top, int bottom) {
        for (int i = 0; i < cells;) {
            int j = i + 1;
            while (j < cells && colours[j] == colours[i]) ++j;
            pDC->FillSolidRect(
                CRect(m_nClipLeft + i * kPatternCell, top, m_nClipLeft + j * kPatternCell, bottom),
                colours[i]);
            i = j;
        }
    };
    auto cellColour = [&](double u, double v) {
        const double w = EvalBackgroundPattern(u, v, m_nBackgroundPattern);
        return RGB(PatternComponent(m_anSplitRgb[0], w, m_nBrightness),
                   PatternComponent(m_anSplitRgb[1], w, m_nBrightness),
                   PatternComponent(m_anSplitRgb[2], w, m_nBrightness));
    };

    const bool alongXOnly = m_nBackgroundPattern < 3 || m_nBackgroundPattern > 6;
    int y = m_nClipTop;
    for (; y < m_nClipBottom; y += kPatternCell) {
        const double v = (y + 2 - m_nClipTop) / height;
        if (!bands) {
            for (int x = m_nClipLeft; x < m_nClipRight; x += kPatternCell)
                pDC->FillSolidRect(CRect(x, y, x + kPatternCell, y + kPatternCell),
                                   cellColour((x + 2 - m_nClipLeft) / width, v));
            continue;
        }
        // Patterns 1 and 2 (and the unknown ones, weight 0) do not change
        // along y: the first row of cells stands for the whole box.
        if (alongXOnly && y > m_nClipTop) continue;
        for (int i = 0; i < cells; ++i) row[i] = cellColour(cellU[i], v);
        if (y > m_nClipTop && std::equal(row, row + cells, band)) continue;
        if (y > m_nClipTop) fillRuns(band, bandTop, y);
        std::copy(row, row + cells, band);
        bandTop = y;
    }
    // The last band reaches the bottom of its last cell, as every cell does.
    if (bands) fillRuns(band, bandTop, y);
}

void CPemroView::PaintPatternBackgroundCached(CDC* pDC) {
    // The box in page coordinates and everything the pattern is computed
    // from; the last field tells a stored key from none.
    const int key[10] = {m_nClipLeft,
                         m_nClipTop,
                         m_nClipRight,
                         m_nClipBottom,
                         m_nBoxWidth,
                         m_nBoxHeight,
                         m_nBackgroundPattern,
                         m_nBrightness,
                         int(RGB(m_anSplitRgb[0], m_anSplitRgb[1], m_anSplitRgb[2])),
                         1};
    static_assert(sizeof key == sizeof m_anPatternKey, "one key field per stored field");
    const long long width = (long long)m_nClipRight - m_nClipLeft;
    const long long height = (long long)m_nClipBottom - m_nClipTop;
    if (!DrawingCachesEnabled() || pDC->IsPrinting() || width <= 0 || height <= 0 ||
        width * height > kMaxCachedPatternPixels) {
        PaintPatternBackground(pDC);
        return;
    }
    const bool upToDate = std::equal(key, key + 10, m_anPatternKey);
    if (!upToDate) {
        std::fill(m_anPatternKey, m_anPatternKey + 10, 0);
        if (!m_bmpPattern.CreateBitmap(int(width), int(height))) {
            PaintPatternBackground(pDC);
            return;
        }
    }
    // Page coordinates on the bitmap: its top-left is the box's.
    CDC memDC(&m_bmpPattern);
    memDC.SetViewportOrg(-m_nClipLeft, -m_nClipTop);
    if (!upToDate) {
        PaintPatternBackground(&memDC);
        std::copy(key, key + 10, m_anPatternKey);
        // The pattern's bands are rows of cells: each band is copied from
        // its first row.
        const QImage& image = *m_bmpPattern.Surface();
        const std::size_t bytes = std::size_t(width) * 4;
        m_anPatternRows.resize(std::size_t(height));
        for (int i = 0; i < int(height); ++i)
            m_anPatternRows[std::size_t(i)] =
                i > 0 && std::memcmp(image.constScanLine(i), image.constScanLine(i - 1), bytes) == 0
                    ? m_anPatternRows[std::size_t(i) - 1]
                    : i;
    }
    pDC->BitBltRows(m_nClipLeft, m_nClipTop, int(width), int(height), &memDC, m_nClipLeft,
                    m_nClipTop, m_anPatternRows.data(), int(m_anPatternRows.size()));
}

void CPemroView::ResetRegionRect() {
    m_adRegionRect[0] = m_dXMin + 0.05 * m_dXSpan;
    m_adRegionRect[1] = m_dXMax - 0.05 * m_dXSpan;
    m_adRegionRect[2] = m_dYMin + 0.05 * m_dYSpan;
    m_adRegionRect[3] = m_dYMax - 0.05 * m_dYSpan;
}

void CPemroView::ResetPassFields() {
    ResetRegionRect();
    m_nUpperSurfaceStyle = m_nLowerSurfaceStyle = 0;
    // A "恢复" of an earlier pass reaches the set-ups before any panel.
    m_bScriptValuesAsked = FALSE;
    m_nFrameDrawn = kNoFrame;
    m_nFuncFBreak = -1;
    m_nDerivativeArg = 0;
    m_nSequenceMode = -1;
    m_nSubDemo = -1;
    m_nLimitInfinity = 0;
    m_nPassSolverResiduals = 0;
    static const std::string songTi = Gbk(u8"宋体");
    m_lfCurrent.SetFaceName(songTi.c_str());
}

void CPemroView::DrawFamilyHeading(CDC* pDC) {
    if (m_nDataFamily <= -1 || m_nClipTop >= kHeadingArea) return;
    static const std::string science = Gbk(u8"理科类"), arts = Gbk(u8"文科类"),
                             engineering = Gbk(u8"工科类");
    static const std::string review[4] = {Gbk(u8"数一"), Gbk(u8"数二"), Gbk(u8"数三"),
                                          Gbk(u8"数四")};
    const std::string* word = nullptr;
    if (m_nDataFamily <= 3) {
        if (m_nDataVariant == 0)
            word = &science;
        else
            word = m_nDataFamily == 3 ? &engineering : &arts;
    } else if (m_nDataFamily == 4 && m_nDataVariant >= 0 && m_nDataVariant <= 3) {
        word = &review[m_nDataVariant];
    }
    if (word) DrawTextStyle0(pDC, 5, m_nClipTop + 5, word->c_str(), kHeadingColour);
}

BOOL CPemroView::RunRecordLoop(CDC* pDC, CStdioFile* pFile, int nFontStepAtStart) {
    int prevParam = 3;
    HoldValueLabels();
    CPassEndScope values(this, &CPemroView::EndValueLabels);
    m_nPassRecords = 0;
    BeginWalkResume(pDC, pFile, &prevParam);
    for (;;) {
        if (WalkMayEndHere()) {
            if (!m_bPrintMode) {
                m_nTextY = std::max(m_nTextY, m_walkEnd.textEnd);
                m_nContentEnd = std::max(m_nContentEnd, m_walkEnd.contentEnd);
            }
            KeepScreenFigures();
            return TRUE;
        }
        KeepWalkResumePoint(pFile, prevParam);
        if (!pFile->ReadString(m_szRecordHeader, 4)) break;
        ++m_nPassRecords;
        ParseRecordHeader();
        // Step display: records past the revealed count are skipped header
        // by header, so nothing after them is drawn.
        if (m_nTextRevealMode != -1 && m_nRecordIndex > m_nRevealedCount) continue;
        const int kind = m_nRecClass * 10 + m_nRecSubtype;
        // A text record writes the figure's waiting value labels; its axis
        // names wait on for the commands after the text that still draw
        // into it (a coefficient panel), until the next figure or the end.
        if (kind < 70 || kind > 79) WriteHeldValueLabels();
        if (m_pTextSink) m_pTextSink->OnRecordBegins(kind >= 70 && kind <= 79);
        if (kind >= 70 && kind <= 79) {
            BeginCommandRecordState();
            ReadCommandRecord(pFile);
            BOOL passGoesOn;
            {
                const FigureClipScope clip(this, pDC);
                KeepFigureAsDrawn(pDC);
                passGoesOn = RunCommandChain(pDC);
                EndKeptFigureRecord();
            }
            EndCommandRecordState();
            if (!passGoesOn || IsClickAnswered()) return FALSE;
            continue;
        }
        const int recordTop = m_nTextY;
        TypesetTextRecord(pDC, pFile, prevParam);
        // A sheet shows the lines that start above its last eighteenth.
        if (m_bShowRecordText && HasVisibleText(m_szTextLine))
            m_nContentEnd = std::max(m_nContentEnd, PagePos(std::int64_t(recordTop) + 1));
        // Close the text record.
        prevParam = m_nRecParam;
        if (m_nRecParam == 3) m_nFontStep = nFontStepAtStart;
        m_nTextY = m_nNextLineY;
        m_lfCurrent = m_alfTextFont[0];
        ++m_nRecordIndex;
        if (m_nTextRevealMode == -1 && m_nTextY < m_nClipBottom) ++m_nRevealedCount;
    }
    NoteWholeWalk();
    KeepScreenFigures();
    return TRUE;
}

void CPemroView::KeepFigureAsDrawn(CDC* pDC) {
    // The line-by-line display shows records a kept pass has not drawn yet;
    // the run that only answers a click draws nothing anyway.
    if (m_pKeptFigureDC || !pDC || m_bFullRepaint || m_bAnsweringClick || m_nFrameDrawn != 0 ||
        m_nTextRevealMode != -1)
        return;
    m_pKeptFigureDC = pDC;
    pDC->SetDrawingDiscarded(true);
}

void CPemroView::EndKeptFigureRecord() {
    if (m_pKeptFigureDC) m_pKeptFigureDC->SetDrawingDiscarded(false);
    m_pKeptFigureDC = nullptr;
}

void CPemroView::WalkEndKey(int* key) const {
    const int k[7] = {m_nBaseCharHeight,  m_nBaseCharWidth,           m_nFontStep,
                      m_nFormulaFontStep, int(m_dLineSpacing * 1000), m_nClipRight - m_nClipLeft,
                      m_nTextRevealMode};
    std::copy(k, k + 7, key);
}

BOOL CPemroView::WalkMayEndHere() const {
    // Figures stand below the line before them; one a box's height further
    // down cannot reach up into the box.
    const std::int64_t below = std::int64_t(m_nClipBottom) + (m_nClipBottom - m_nClipTop);
    // Past the page's bound every line and figure stacks at the bound, where
    // none shows: a box at the page's end is as far above the rest.
    if (std::int64_t(m_nTextY) - m_nPrintOffsetY <= below && m_nTextY < kPageLimit) return FALSE;
    // The page is measured by a whole walk: the first over a newly opened
    // file, the print's own.
    if (m_bRecordPrintFigures || m_strLastDataPath != m_strDataPath) return FALSE;
    if (m_bPrintMode) return TRUE;
    int key[7];
    WalkEndKey(key);
    return m_walkEnd.known && std::equal(key, key + 7, m_walkEnd.key);
}

void CPemroView::NoteWholeWalk() {
    if (m_bPrintMode) return;
    m_walkEnd.known = true;
    WalkEndKey(m_walkEnd.key);
    m_walkEnd.textEnd = m_nTextY;
    m_walkEnd.contentEnd = m_nContentEnd;
}

void CPemroView::FinishFile(int nFontStepAtStart) {
    m_nPrevClipLeft = m_nClipLeft;
    m_nPrevClipTop = m_nClipTop;
    m_nPrevClipBottom = m_nClipBottom;
    m_nPrevClipRight = m_nClipRight;
    m_nFontStep = nFontStepAtStart;
    // A newly opened file gets its page length and a second, complete pass:
    // the first one only laid the text out.
    if (m_strLastDataPath != m_strDataPath) {
        m_strLastDataPath = m_strDataPath;
        OnInitialUpdate();
        m_nPrevClipBottom = 0;
        Invalidate(TRUE);
    } else if (!m_bPrintMode && m_walkEnd.known) {
        // A wider window or a larger font lays the page out longer: the
        // scroll range grows with it, so its last figures stay in reach. It
        // never shrinks here: a scroll bar that came and went would change
        // the width, and the length again, pass after pass.
        if (FitScrollToText(m_walkEnd.textEnd, TRUE)) Invalidate(TRUE);
    }
}

void CPemroView::OnDraw(CDC* pDC) {
    CRect clip, client;
    pDC->GetClipBox(&clip);
    GetClientRect(&client);
    const CPoint scroll = GetScrollPosition();
    const CRect clientOnPage(client.left + scroll.x, client.top + scroll.y, client.right + scroll.x,
                             client.bottom + scroll.y);
    const bool screen = !m_bPrintMode && !pDC->IsPrinting() && !IsContinuationPass();
    // A press on a button of the screen: its figure acts first, then the
    // page is drawn once in the new state over a clean background, so the
    // pass leaves what any later repaint of that state draws.
    if (screen && m_nClickSerial != m_nClickSerialSeen && clip == clientOnPage &&
        IsClickOnShownButton()) {
        const int fontStep = m_nFontStep;
        const LOGFONT font = m_lfCurrent;
        TextSink* const textSink = m_pTextSink;
        ControlSink* const controlSink = m_pControlSink;
        m_pTextSink = nullptr, m_pControlSink = nullptr;
        m_bAnsweringClick = TRUE;
        // The next pass paints the whole box over: this one only acts.
        pDC->SetDrawingDiscarded(true);
        DrawPagePass(pDC);
        pDC->SetDrawingDiscarded(false);
        m_bAnsweringClick = FALSE;
        m_pTextSink = textSink, m_pControlSink = controlSink;
        m_nFontStep = fontStep, m_lfCurrent = font;
        // What that run asked to show is drawn now.
        DropInvalidations();
        m_nPrevClipBottom = 0;
    }
    if (screen) m_nShownButtonsOfPass = m_nShownButtons;
    DrawPagePass(pDC);
}

void CPemroView::DrawPagePass(CDC* pDC) {
    BeginPassBudget(pDC);
    CClickPassScope clickPass(this);
    // The rest of a pass stopped at its budget goes to the next pass; inside
    // the click pass scope, so it still sees whether this pass answered a
    // click.
    CPassEndScope budget(this, &CPemroView::EndPassBudget);
    // The page's own fields come back at the start of a pass, and how the pass
    // left them is noted, so changes made before the next pass are told apart
    // from the figures' own.
    BeginFigureStatePass();
    CPassEndScope figureStates(this, &CPemroView::EndFigureStatePass);
    const int fontStepAtStart = m_nFontStep;
    m_strProgramDir = GetProgramDir();
    m_alfTextFont[0] = m_lfCurrent;
    m_nAnswerBlock = -1;
    m_bPassEndedEarly = FALSE;
    SplitRGB(m_crBackground);
    LayoutFromClipBox(pDC);

    // The background stays when the box is the one painted last, unless the
    // stored click lies in the left margin: only the figure under the click
    // draws again. A click that lies off the box (scrolled away from, or
    // spent on nothing) has no figure there to redraw, so the whole box is.
    const bool sameBox = m_nClipLeft == m_nPrevClipLeft && m_nClipTop == m_nPrevClipTop &&
                         m_nClipBottom == m_nPrevClipBottom && m_nClipRight == m_nPrevClipRight;
    const CPoint click = ClickPagePoint();
    const bool clickInBox = m_nClipLeft <= click.x && click.x < m_nClipRight &&
                            m_nClipTop <= click.y && click.y < m_nClipBottom;
    // A continuation draws over what its stopped pass drew, as that pass
    // would have. A sheet is blank paper: the box it shares with the sheet
    // laid out before it keeps nothing of that one.
    const bool sheet = m_bPrintMode || pDC->IsPrinting();
    if (IsContinuationPass())
        m_bFullRepaint = m_bResumeFullRepaint;
    else if (sheet ||
             (!(m_ptClick.x >= m_nBoxWidth / 20 && sameBox && clickInBox) && !m_bAnsweringClick)) {
        CRect box;
        pDC->GetClipBox(&box);
        if (!pDC->IsPrinting()) {
            ForgetShownButtonsIn(box);
            m_pLitButtonUnder.reset();
            m_pLitButtonLit.reset();
        }
        PaintPageBackground(pDC);
    } else if (!m_bAnsweringClick) {
        UnlightKeptButton(pDC);
    }
    m_bResumeFullRepaint = m_bFullRepaint;
    // A click made other than by the mouse lies on the page as this pass
    // lays it out.
    if (m_bClickPass) AnchorClick(FALSE);

    ResetPassFields();
    StartFigureStateFlow();
    BuildDataFileName();
    m_strDataPath = m_strDataFile;
    if (!m_bPrintMode) m_nTextY = kFirstLineY;
    m_nNextLineY = kFirstLineY;
    m_nContentEnd = kFirstLineY;
    m_ptPrintedClick = CPoint(-kPageLimit, -kPageLimit);
    // Only a pass over the whole window meets every figure a page step may.
    CRect client;
    GetClientRect(&client);
    m_bNoteScreenFigures = !m_bPrintMode && !pDC->IsPrinting() && !m_bRecordPrintFigures &&
                           m_nClipBottom - m_nClipTop >= client.Height();
    m_aNotedFigureBands.clear();
    m_nDrawnFigureBand = m_nLastNotedBand = -1;
    m_bShowRecordText = 1;
    m_bBeforeFigure = 1;
    m_bZoomTaken = FALSE;

    CStdioFile file;
    if (!file.Open(m_strDataPath, CStdioFile::modeRead | CStdioFile::typeText)) {
        // On the window, also while printing, in the client DC's own
        // colours (black on an opaque white box), readable on any background.
        CClientDC dc(this);
        dc.TextOut(10, 10, Gbk(u8"数据文件打不开或不存在"));
        return;
    }
    m_nRecordIndex = 0;
    if (m_nTextRevealMode == -1) m_nRevealedCount = 1;
    DrawFamilyHeading(pDC);
    const CRect clip = pDC->GetClipRect();
    pDC->SetClipRect(ClipAboveCut(pDC));
    const BOOL whole = RunRecordLoop(pDC, &file, fontStepAtStart);
    pDC->SetClipRect(clip);
    // An answer button ended it, or the button that answered the click.
    if (!whole) return;
    DrawPageCutNotice(pDC);
    FinishFile(fontStepAtStart);
}

CRect CPemroView::ClipAboveCut(CDC* pDC) const {
    CRect clip = pDC->GetClipRect();
    const std::int64_t cut = std::int64_t(kPageLimit) - m_nPrintOffsetY + pDC->GetViewportOrg().y;
    if (cut < clip.bottom) clip.bottom = int(std::max<std::int64_t>(clip.top, cut));
    return clip;
}

int CPemroView::PageCutNoticeTop() const {
    return kPageLimit + std::max(1, m_nBaseCharHeight + m_nFontStep) / 2;
}

int CPemroView::PageCutEnd() const {
    return PageCutNoticeTop() + 3 * std::max(1, m_nBaseCharHeight + m_nFontStep);
}

void CPemroView::DrawPageCutNotice(CDC* pDC) {
    // Records past the bound all stack at it.
    if (m_nTextY < kPageLimit) return;
    const int H = std::max(1, m_nBaseCharHeight + m_nFontStep);
    const int top = PageCutNoticeTop();
    m_nContentEnd = std::max(m_nContentEnd, top + 2 * H);
    const std::int64_t y = std::int64_t(top) - m_nPrintOffsetY;
    if (!pDC || y + 2 * H < m_nClipTop || y > m_nClipBottom) return;
    static const std::string notice = Gbk(u8"（页面过长，以下内容未显示）");
    // In the body text's size, as the lines above it.
    LOGFONT lf = m_alfTextFont[0];
    lf.lfHeight = H, lf.lfWidth = 0;
    const CFontSelect font(pDC, lf);
    const COLORREF colour = pDC->SetTextColor(m_acrPalette[7]);
    const int mode = pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(m_nCharHeight / 2 + 4 * m_nBaseCharWidth, int(y), notice);
    pDC->SetBkMode(mode);
    pDC->SetTextColor(colour);
}
