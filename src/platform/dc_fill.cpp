// Flood fill: 4-connected scanline fill with an explicit stack, bounded by
// the clip rectangle. A mask of visited pixels makes every pixel count once,
// whatever the brush colour is.
#include "platform/dc.h"

#include "platform/dc_internal.h"

#include <vector>

using namespace dcdetail;

BOOL CDC::ExtFloodFill(int x, int y, COLORREF colour, UINT fillType) {
    const long long sx = (long long)x + m_ptOrg.x, sy = (long long)y + m_ptOrg.y;
    if (!Prepare() || sx < m_rcClip.left || sx >= m_rcClip.right || sy < m_rcClip.top ||
        sy >= m_rcClip.bottom)
        return FALSE;
    if (fillType != FLOODFILLBORDER && fillType != FLOODFILLSURFACE) return FALSE;
    const std::uint32_t key = ToRgb32(colour) & 0x00FFFFFFu;
    const bool surface = fillType == FLOODFILLSURFACE;
    auto fillable = [key, surface](std::uint32_t p) {
        return ((p & 0x00FFFFFFu) == key) == surface;
    };
    auto rowOf = [this](long long row) {
        return m_pBits + std::size_t(row) * std::size_t(m_nStride);
    };
    if (!fillable(rowOf(sy)[sx]) || m_brush.bNull) return FALSE;

    const int left = m_rcClip.left, top = m_rcClip.top;
    const int width = m_rcClip.Width(), height = m_rcClip.Height();
    std::vector<unsigned char> done(std::size_t(width) * std::size_t(height), 0);
    auto doneAt = [&](int px, int py) -> unsigned char& {
        return done[std::size_t(py - top) * std::size_t(width) + std::size_t(px - left)];
    };
    const std::uint32_t brush = ToRgb32(m_brush.crColor);
    struct Seed {
        int x, y;
    };
    std::vector<Seed> stack;
    stack.push_back({int(sx), int(sy)});
    // Hot loop: extend a seed to its whole span, fill it, then push one seed
    // for every run of open pixels in the rows above and below the span.
    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        std::uint32_t* row = rowOf(s.y);
        if (doneAt(s.x, s.y) || !fillable(row[s.x])) continue;
        int xl = s.x, xr = s.x;
        while (xl > left && !doneAt(xl - 1, s.y) && fillable(row[xl - 1])) --xl;
        while (xr < left + width - 1 && !doneAt(xr + 1, s.y) && fillable(row[xr + 1])) ++xr;
        unsigned char* mask = &doneAt(xl, s.y);
        for (int px = xl; px <= xr; ++px) row[px] = brush, mask[px - xl] = 1;
        for (int ny = s.y - 1; ny <= s.y + 1; ny += 2) {
            if (ny < top || ny >= top + height) continue;
            const std::uint32_t* nrow = rowOf(ny);
            const unsigned char* nmask = &doneAt(xl, ny);
            bool inRun = false;
            for (int px = xl; px <= xr; ++px) {
                const bool open = !nmask[px - xl] && fillable(nrow[px]);
                if (open && !inRun) stack.push_back({px, ny});
                inRun = open;
            }
        }
    }
    return TRUE;
}
