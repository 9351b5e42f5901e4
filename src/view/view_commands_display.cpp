// Display modes: how much text is revealed, what lies behind the page, the
// colour presets, the grid, the mouse read-out and the content switches.
// Only the background commands repaint by themselves.
#include "view/view.h"

#include <algorithm>
#include <cstdint>

namespace {

using V = CPemroView;

constexpr int kBrightnessMax = 255;
constexpr int kRevealMargin = 20; // the margin strips of the line-by-line display
constexpr double kPitchBase = 1.4;

// The pictures of 位图背景: 第一个 .. 第五个; 第六个 shows the first again.
const char* const kBackgroundPictures[] = {
    "bmp\\MYfig1.jpg", "bmp\\MYfig2.jpg", "bmp\\MYfig3.jpg",
    "bmp\\MYfig4.jpg", "bmp\\MYfig5.jpg", "bmp\\MYfig1.jpg",
};

// The colours a display preset stores; `keepChapter` leaves the chapter
// colour as it is, `setGround` also stores the ground colour.
struct DisplayPreset {
    COLORREF body, chapter, example, theorem, expression, background;
    bool keepChapter;
    bool setGround;
    COLORREF ground;
};
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr DisplayPreset kPresets[] = {
    {kWhite, kWhite, kWhite, kWhite, kWhite, kBlack, false, false, 0},
    {kBlack, kBlack, kBlack, kBlack, kBlack, kWhite, false, false, 0},
    {kWhite, RGB(25, 250, 0), RGB(0, 255, 125), RGB(255, 255, 0), RGB(0, 255, 255), kBlack, false,
     false, 0},
    {kBlack, 0, RGB(0, 155, 125), RGB(0, 64, 164), RGB(55, 0, 155), kWhite, true, true,
     RGB(125, 125, 125)},
};

} // namespace

// --- Text reveal -----------------------------------------------------------------

void CPemroView::OnRevealMode(int mode) {
    switch (mode) {
    case kRevealFromStart:
        m_nRevealedCount = 1;
        m_nTextRevealMode = 1;
        m_nRevealedTextBottom = 0;
        break;
    case kRevealFromCurrent:
        m_nTextRevealMode = 1; // the count reached so far stays
        break;
    case kRevealToPosition:
        m_nTextRevealMode = 0;
        break;
    case kRevealScroll:
        m_nTextRevealMode = -1;
        break;
    default:
        return;
    }
    m_nPrevClipBottom = 0;
}

void CPemroView::OnNextLine() {
    if (m_nTextRevealMode < 0) return;
    const int y = ClickPagePoint().y;
    // A pitch below one pixel would divide by zero: one pixel is the least.
    const int pitch =
        std::max(1, ToPixel((kPitchBase + m_dLineSpacing) * double(m_nCharHeight + m_nFontStep)));
    // Both ends are page positions, so the difference fits.
    const int pitches = (y - m_nRevealedTextBottom) / pitch;
    std::int64_t count = m_nRevealedCount;
    if (m_nRevealedTextBottom < y && m_ptClick.x < m_nClipRight - kRevealMargin) {
        // Below the revealed text: one more record, or as many as whole
        // pitches fit down to the click.
        if (m_nTextRevealMode == 1)
            count += 1;
        else if (m_nTextRevealMode == 0)
            count += pitches;
    } else if (m_ptClick.x < m_nClipLeft + kRevealMargin) {
        // In the left strip at or above the end: back by whole pitches.
        count += pitches;
    }
    // Going back stops at the empty page; going on at the page bound.
    m_nRevealedCount = int(std::clamp<std::int64_t>(count, 0, kPageLimit));
}

// --- Backgrounds -------------------------------------------------------------------

void CPemroView::OnBackgroundPicture(int n) {
    m_nBackgroundMode = 1;
    if (n == 0)
        OnChooseBackgroundPicture(); // Cancel keeps the picture stored before
    else if (n >= 1 && n <= int(std::size(kBackgroundPictures)))
        m_strBackgroundPicture = kBackgroundPictures[n - 1];
    Invalidate(FALSE);
}

void CPemroView::OnBrightness(int delta) {
    m_nBrightness = std::clamp(m_nBrightness + delta, 0, kBrightnessMax);
    Invalidate(FALSE);
}

void CPemroView::OnBrightness3D(int delta) {
    m_nBrightness3D = std::clamp(m_nBrightness3D + delta, 0, kBrightnessMax);
    Invalidate(FALSE);
}

void CPemroView::OnPlainBackground() {
    m_nBackgroundMode = 0;
    Invalidate(FALSE);
}

void CPemroView::OnBackgroundPattern(int n) {
    m_nBackgroundMode = -1;
    m_nBackgroundPattern = std::clamp(n, 1, 6);
    Invalidate(FALSE);
}

void CPemroView::OnDisplayPreset(int n) {
    if (n < 1 || n > int(std::size(kPresets))) return;
    const DisplayPreset& p = kPresets[n - 1];
    m_crBodyText = p.body;
    if (!p.keepChapter) m_crChapter = p.chapter;
    m_crExample = p.example;
    m_crTheorem = p.theorem;
    m_crExpression = p.expression;
    m_crBackground = p.background;
    if (p.setGround) m_crGround = p.ground;

    m_acrPalette[0] = kBlack;
    m_acrPalette[1] = m_crBackground;
    m_acrPalette[3] = m_crExpression;
    m_acrPalette[4] = m_crChapter;
    m_acrPalette[5] = m_crTheorem;
    m_acrPalette[6] = m_crExample;
    m_acrPalette[7] = m_crBodyText;
    m_nBackgroundMode = 0;
    m_nPrevClipBottom = -5; // the next pass paints the background again
}

// --- Grid, read-outs and content --------------------------------------------------------

void CPemroView::OnGrid(int hidden) {
    m_nGridHidden = hidden ? 1 : 0;
}

void CPemroView::OnGridSize(int size) {
    m_nGridSize = size;
}

void CPemroView::OnShowMouseCoords(int on) {
    m_bShowMouseCoords = on ? TRUE : FALSE;
}

void CPemroView::OnShowSelectionBox(int on) {
    m_bShowSelectionBox = on ? TRUE : FALSE;
}

void CPemroView::OnProjectionDisplay(int mode) {
    m_nProjectionDisplay = mode;
    m_bLoadScriptSettings = FALSE;
}

void CPemroView::OnShowContent(int all) {
    m_bShowAllContent = all ? TRUE : FALSE;
    m_nPrevClipBottom = 0;
    // The next pass then finds the file new and lays the page out again.
    m_strLastDataPath.clear();
}

void CPemroView::OnToggleProblem() {
    m_bProblemOpen = 1 - m_bProblemOpen;
}
