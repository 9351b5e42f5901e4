// The boxed value writer (DrawLabelNumberBoxed) spreads its x about the
// figure's left edge by the font, for rows laid out in nominal columns.
// Rows laid out in real pixels pass their x through UnspreadLabelX, so the
// label lands where they put it and a large font does not spread it twice.
#pragma once

#include "view/view.h"

#include <cstdint>

namespace render {

inline std::int64_t LabelSpreadLeft(const CPemroView& v) {
    return v.m_bFigure3D ? v.m_nFigureLeft : v.m_nPlotLeft;
}

// The spread is this over 18.
inline std::int64_t LabelSpread(const CPemroView& v) {
    return v.m_nFontStep / 2 + 2 + v.m_nBaseCharWidth;
}

inline std::int64_t SpreadLabelX(const CPemroView& v, std::int64_t x) {
    const std::int64_t left = LabelSpreadLeft(v);
    return left + LabelSpread(v) * (x - left) / 18;
}

// The x that the writer spreads onto x, or just right of it (never left).
inline int UnspreadLabelX(const CPemroView& v, std::int64_t x) {
    const std::int64_t left = LabelSpreadLeft(v), spread = LabelSpread(v);
    if (spread <= 0) return int(x);
    const std::int64_t d = (x - left) * 18;
    // Rounded toward plus infinity, for either sign.
    const std::int64_t q = d >= 0 ? (d + spread - 1) / spread : -((-d) / spread);
    return int(left + q);
}

} // namespace render
