// Colour and font settings: the colour slots and the palette entries that
// mirror them, the text fonts, size steps, letters and print colours. The
// commands change fields only; the next pass shows them.
#include "dialogs/common_dialogs.h"
#include "view/view.h"
#include "view/view_tables.h"

#include <algorithm>

namespace {

using V = CPemroView;

// The palette entry a colour menu item copies its slot into (-1: none).
constexpr int kSlotPaletteEntry[V::kColourSlotCount] = {
    1, 9, 2, 8, 10, 11, 12, 5, 4, 7, 6, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
};

// The surface colours whose RGB triples must always match their slots.
struct SurfaceColour {
    COLORREF V::*colour;
    int (V::*rgb)[3];
};
constexpr SurfaceColour kSurfaceColours[] = {
    {&V::m_crUpperMesh, &V::m_anUpperMeshRgb},
    {&V::m_crLowerMesh, &V::m_anLowerMeshRgb},
    {&V::m_crUpperSurface, &V::m_anUpperSurfaceRgb},
    {&V::m_crLowerSurface, &V::m_anLowerSurfaceRgb},
};

// Limits of the size steps: the line pitch must stay at least a pixel (the
// line-by-line display divides by it) and text must stay readable.
constexpr int kMinTextHeight = 6;
constexpr int kMaxSizeStep = 60;
constexpr double kMinLetterSize = 0.2;
constexpr double kMaxLetterSize = 5.0;
constexpr double kMinLineSpacing = -1.0; // pitch factor 1.4 - 1.0 = 0.4
constexpr double kMaxLineSpacing = 5.0;
constexpr double kTenth = 0.1;
constexpr double kSlack = 1e-9; // repeated tenths are not exact

// A size step that keeps the text height within its limits.
int SteppedSize(int step, int delta, int baseHeight) {
    const int next = step + delta;
    if (delta < 0 && baseHeight + next < kMinTextHeight) return step;
    if (delta > 0 && next > kMaxSizeStep) return step;
    return next;
}

double SteppedReal(double value, int tenths, double lo, double hi) {
    const double next = value + tenths * kTenth;
    return next < lo - kSlack || next > hi + kSlack ? value : next;
}

} // namespace

void CPemroView::ChooseColour(int slot) {
    const bool known = slot >= 0 && slot < kColourSlotCount;
    // The dialog opens on the colour it changes.
    COLORREF colour = known ? this->*kColourSlots[slot].field : RGB(0, 0, 0);
    if (ChooseColorDialog(&colour) && known) this->*kColourSlots[slot].field = colour;
    SplitSurfaceColours();
}

void CPemroView::SplitSurfaceColours() {
    for (const SurfaceColour& s : kSurfaceColours) {
        const COLORREF c = this->*s.colour;
        int* rgb = this->*s.rgb;
        rgb[0] = GetRValue(c);
        rgb[1] = GetGValue(c);
        rgb[2] = GetBValue(c);
    }
}

void CPemroView::OnColourCommand(int slot) {
    if (slot < 0 || slot >= kColourSlotCount) return;
    ChooseColour(slot);
    // Copied after Cancel too: the entry then takes the unchanged slot.
    const int entry = kSlotPaletteEntry[slot];
    if (entry >= 0) m_acrPalette[entry] = this->*kColourSlots[slot].field;
}

void CPemroView::OnChooseFont() {
    LOGFONT font = m_lfCurrent;
    COLORREF colour = m_crBodyText;
    if (!ChooseFontDialog(&font, &colour)) return; // Cancel keeps both as they were
    m_lfCurrent = font;
    m_crBodyText = colour;
}

void CPemroView::OnFontChange(int textFont) {
    if (textFont < 0 || textFont >= kTextFontCount) return;
    OnChooseFont();
    m_alfTextFont[textFont] = m_lfCurrent;
    m_nPrevClipBottom = 0; // the next pass lays out the whole page
    Invalidate(TRUE);
}

void CPemroView::OnPixelSize(int size) {
    m_nPixelSize = std::clamp(size, 0, 3);
}

void CPemroView::OnFontStep(int delta) {
    m_nFontStep = SteppedSize(m_nFontStep, delta, m_nCharHeight);
    OnInitialUpdate(); // the scroll sizes follow the line height
}

void CPemroView::OnFormulaFontStep(int delta) {
    m_nFormulaFontStep = SteppedSize(m_nFormulaFontStep, delta, m_nCharHeight);
    OnInitialUpdate();
}

void CPemroView::OnLetterSize(int tenths) {
    m_dLetterSize = SteppedReal(m_dLetterSize, tenths, kMinLetterSize, kMaxLetterSize);
}

void CPemroView::OnLineSpacing(int tenths) {
    m_dLineSpacing = SteppedReal(m_dLineSpacing, tenths, kMinLineSpacing, kMaxLineSpacing);
}

void CPemroView::OnLettersItalic(int italic) {
    m_bLettersItalic = italic ? TRUE : FALSE;
}

void CPemroView::OnNonChineseColour(int mode) {
    m_nNonChineseColorMode = std::clamp(mode, 0, 2);
}

// Weight 500 or 1000; the five text fonts return to their defaults.
void CPemroView::OnFontWeight(int factor) {
    DefaultFonts(std::clamp(factor, 1, 2));
}

void CPemroView::OnPrintColours(int original) {
    m_bPrintOriginalColors = original ? TRUE : FALSE;
}
