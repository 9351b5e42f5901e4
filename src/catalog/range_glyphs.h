// The spacing of the range-arrow glyphs in the boxes above 2-D and 3-D
// figures.
#pragma once

#include "platform/types.h"

namespace catalog {

// The platform sizes a full-width glyph to two cells of lfWidth; the arrows
// fill their cells, so a quarter glyph more keeps "←" and "→" apart.
inline int RangeGlyphPitch(const LOGFONT& glyph) {
    return 2 * glyph.lfWidth + glyph.lfWidth / 2;
}

} // namespace catalog
