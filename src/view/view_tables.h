// Constant tables of the view: script keywords, the formula glyph, the
// full-width character tables, and the colour slots with their defaults.
#pragma once

#include "view/view.h"

// Script command keywords by slot; the empty slot 2 is never compared.
extern const char* const kScriptKeywords[CPemroView::kKeywordCount];

// Rows of glyph 0 (the partial-derivative sign), '1' = set pixel.
extern const char* const kGlyph0Rows[CPemroView::kGlyphSize];

// Character tables (GBK). The text passes index them by position, so their
// irregular orders are part of the page layout.
extern const char kAsciiChars[];      // 62 ASCII letters and digits, the index key
extern const char kWideLetters[];     // 83 full-width letters, Greek and symbols
extern const char kWideSymbols[];     // 68 full-width maths symbols
extern const char kWideDigitsGreek[]; // 35: full-width 9..0, then Greek

// The colour slots 0..21 as the colour commands and scripts number them, and
// the colour each gets from the full refresh.
struct ColourSlot {
    COLORREF CPemroView::*field;
    COLORREF defaultColour;
};
extern const ColourSlot kColourSlots[CPemroView::kColourSlotCount];

// Palette defaults: a fixed colour, or (slot >= 0) a copy of a colour slot
// taken at the full refresh.
struct PaletteDefault {
    int slot;
    COLORREF colour;
};
extern const PaletteDefault kPaletteDefaults[CPemroView::kPaletteSize];
