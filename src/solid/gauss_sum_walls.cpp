// The walled cells of the double-integral lesson: the Gauss sum's and those
// of 分割. Each cell stands as walls from the upper down to the lower
// surface, and the columns are drawn from the back towards the viewer, so
// the walls of the next column paint over nearly all of the column before.
// A cell is drawn clipped to what the next column's walls leave uncovered:
// the pixels left out would be painted over anyway, so the picture stays as
// it was.
#include "view/view.h"

#include "catalog/catalog_params.h"
#include "catalog/surface_pass.h"
#include "platform/key_hash.h"
#include "solid/wall_cover.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace {

// The next column is sampled this many pixels apart along its walls.
constexpr double kSamplePixels = 0.5;
// A wall span is at most three pixels long: the samples within this reach
// of a pixel column hold the ends of the span that paints it.
constexpr int kSpanReach = 6;
// Pixels a cell's two-pixel strokes reach left of and above its corners,
// and the margin around its box in the plane inset.
constexpr int kStrokeReach = 2;
constexpr int kInsetMargin = 4;
// Walls longer than this on screen are drawn in longer spans: not culled.
constexpr double kMaxWallPixels = 1500;
// Samples of one column at most; a denser column is not culled.
constexpr long kMaxCoverSamples = 200000;
// A jump of this fraction of the z span ends a wall (as the walls decide),
// with room for what lies between the samples.
constexpr double kFlatFraction = 0.9 / 20;

// Probe points across the scene and down the column, off the grids the
// columns use: the surfaces and the region there stand for their state.
constexpr int kProbesPerSide = 13;
// Covers kept at most: both sums of a few scenes.
constexpr size_t kKeptCovers = 1024;

struct WallSample {
    int x, top, bottom;
    double f, g;
    bool wall;
};

// The samples that fall in one pixel column.
struct WallColumn {
    int x;
    bool wall;
    int top, bottomLo, bottomHi;
    double fLo, fHi, gLo, gHi;
};

} // namespace

CPemroView::WallCover KeptWallCover(CPemroView& v, bool prisms, double x, double cx, double cy,
                                    const std::vector<double>& rows) {
    KeyHash key;
    for (double d : {x, cx, cy, v.m_dXMin, v.m_dYMin, v.m_dZMin, v.m_dZMax, v.m_dXSpan, v.m_dYSpan,
                     v.m_dZSpan, v.m_dObliqueFactor, v.m_dRotationAngle})
        key.Add(d);
    for (int n : {int(prisms), v.m_nProjScaleX, v.m_nProjScaleY, v.m_nProjScaleZ, v.m_nProjOriginX,
                  v.m_nProjOriginY, v.m_nAxisArrangement, v.m_nFuncF, v.m_nSurfaceUpper,
                  v.m_nSurfaceLower, int(v.m_bDrawInverted)})
        key.Add(n);
    // The surfaces' and the region curves' own inputs, so that a change of a
    // coefficient finds the cover afresh even where no probe would show it;
    // the probes stand for what these do not name (expansions, profiles).
    if (const CPemroView::SurfacePass* pass = v.m_pSurfacePass) key.Add(pass->coefs);
    key.Add(v.m_nSurfaceEvalMode), key.Add(v.m_dDirP);
    key.Add(v.m_adCoefF), key.Add(v.m_adCoefFExtra);
    for (double d : {v.m_dAlphaF, v.m_dBetaF, v.m_dBreakF0, v.m_dBreakF1}) key.Add(d);
    key.Add(catalog::CoefsB(v));
    const auto probe = [&](double px, double py) {
        key.Add(v.EvalSurfaceF(px, py, v.m_nSurfaceUpper));
        key.Add(v.EvalSurfaceG(px, py, v.m_nSurfaceLower));
        key.Add(v.EvalRegionFunction(px, py, v.m_nFuncF));
    };
    const double px = v.m_dXSpan / kProbesPerSide, py = v.m_dYSpan / kProbesPerSide;
    for (int i = 0; i < kProbesPerSide; ++i)
        for (int j = 0; j < kProbesPerSide; ++j)
            probe(v.m_dXMin + (i + 0.382) * px, v.m_dYMin + (j + 0.618) * py);
    key.Add(rows.size());
    for (double y : rows) key.Add(y), probe(x + 0.382 * cx, y + 0.618 * cy);
    static std::unordered_map<unsigned long long, CPemroView::WallCover> kept;
    const auto at = kept.find(key.Value());
    if (at != kept.end()) return at->second;
    CPemroView::WallCover cover =
        prisms ? v.FindPrismCover(x, cx, cy, rows) : v.FindWallCover(x, cy, rows);
    if (kept.size() >= kKeptCovers) kept.clear();
    kept.emplace(key.Value(), cover);
    return cover;
}

CPemroView::WallCover CPemroView::FindWallCover(double x, double cy,
                                                const std::vector<double>& rows) {
    WallCover cover;
    const double cellPixels = cy * m_nProjScaleY / m_dYSpan;
    if (rows.empty() || !(cellPixels > 0) || !(cellPixels <= kMaxWallPixels)) return cover;
    const long perCell = long(std::ceil(cellPixels / kSamplePixels));
    if (double(perCell + 1) * double(rows.size()) > kMaxCoverSamples) return cover;
    const double jump = kFlatFraction * m_dZSpan;
    std::vector<WallSample> samples;
    samples.reserve(size_t(perCell + 1) * rows.size());
    for (double y : rows)
        for (long i = 0; i <= perCell; ++i) {
            const double s = i == perCell ? y + cy : y + cy * double(i) / double(perCell);
            const double r = EvalRegionFunction(x, s, m_nFuncF);
            const double f = EvalSurfaceF(x, s, m_nSurfaceUpper);
            const double g = EvalSurfaceG(x, s, m_nSurfaceLower);
            WallSample w{0, 0, 0, f, g, false};
            int sy;
            if (!ProjectPoint3D(x, s, m_dZMin, &w.x, &sy)) return cover;
            int sx1 = w.x, sx2 = w.x;
            w.wall = r >= 0 && (m_bDrawInverted || g <= f) && m_dZMin <= g && g <= m_dZMax &&
                     m_dZMin <= f && f <= m_dZMax && ProjectPoint3D(x, s, f, &sx1, &w.top) &&
                     ProjectPoint3D(x, s, g, &sx2, &w.bottom) && sx1 == w.x && sx2 == w.x;
            // A cell ends where the next begins; where the two round to
            // different pixel columns, the columns between are not painted.
            if (i == 0 && !samples.empty() && w.x != samples.back().x) samples.back().wall = false;
            samples.push_back(w);
        }
    const int left = samples.front().x, right = samples.back().x;
    if (right - left < 2) return cover;
    // Neighbouring samples in one pixel column taken together: the window
    // below moves over them as over their samples.
    std::vector<WallColumn> columns;
    columns.reserve(size_t(right - left) + 2);
    for (const WallSample& w : samples) {
        if (columns.empty() || w.x != columns.back().x) {
            columns.push_back(
                WallColumn{w.x, w.wall, w.top, w.bottom, w.bottom, w.f, w.f, w.g, w.g});
            continue;
        }
        WallColumn& c = columns.back();
        c.wall = c.wall && w.wall;
        c.top = std::max(c.top, w.top);
        c.bottomLo = std::min(c.bottomLo, w.bottom), c.bottomHi = std::max(c.bottomHi, w.bottom);
        c.fLo = std::min(c.fLo, w.f), c.fHi = std::max(c.fHi, w.f);
        c.gLo = std::min(c.gLo, w.g), c.gHi = std::max(c.gHi, w.g);
    }
    cover.left = left;
    cover.top.assign(size_t(right - left), 1);
    cover.bottom.assign(size_t(right - left), 0);
    // Samples run left to right on screen: a window slides over them. Hot
    // loop.
    size_t from = 0, to = 0;
    for (int px = left + 1; px < right - 1; ++px) {
        while (from < columns.size() && columns[from].x < px - kSpanReach) ++from;
        to = std::max(to, from);
        while (to < columns.size() && columns[to].x <= px + kSpanReach) ++to;
        if (from == to || columns[from].x > px || columns[to - 1].x <= px) continue;
        const WallColumn& first = columns[from];
        bool whole = true;
        int top = first.top, bottom = first.bottomLo, bottomHi = first.bottomHi;
        double fLo = first.fLo, fHi = first.fHi, gLo = first.gLo, gHi = first.gHi;
        for (size_t i = from; i < to && whole; ++i) {
            const WallColumn& c = columns[i];
            whole = c.wall;
            top = std::max(top, c.top);
            bottom = std::min(bottom, c.bottomLo), bottomHi = std::max(bottomHi, c.bottomHi);
            fLo = std::min(fLo, c.fLo), fHi = std::max(fHi, c.fHi);
            gLo = std::min(gLo, c.gLo), gHi = std::max(gHi, c.gHi);
        }
        if (!whole || !(fHi - fLo < jump) || !(gHi - gLo < jump)) continue;
        // The fill reaches the row above the lower edge; where that edge is
        // level, its two-pixel outline paints the edge's row too.
        const bool level = bottomHi == bottom;
        cover.top[size_t(px - left)] = top + 1;
        cover.bottom[size_t(px - left)] = level ? bottom : bottom - 2;
    }
    return cover;
}

// The part of the page a cell must still be drawn in: all it draws lies in
// its box on the scene and (with `inset`) its box in the plane inset; below
// the row where the next column covers the scene box, it may be left out.
bool CPemroView::GaussCellKeep(const WallCover& cover, double x, double y, double cx, double cy,
                               bool inset, CRect* keep) const {
    if (cover.top.empty()) return false;
    int l = 0, t = 0, r = 0, b = 0;
    bool first = true;
    for (double px : {x, x + cx})
        for (double py : {y, y + cy})
            for (double pz : {m_dZMin, m_dZMax}) {
                int sx, sy;
                if (!ProjectPoint3D(px, py, pz, &sx, &sy)) return false;
                l = first ? sx : std::min(l, sx), r = first ? sx : std::max(r, sx);
                t = first ? sy : std::min(t, sy), b = first ? sy : std::max(b, sy);
                first = false;
            }
    // Two-pixel strokes paint their line and the pixels left of or above
    // it; a point of the box projects inside the box of its corners.
    l -= kStrokeReach, t -= kStrokeReach;
    int cut = t;
    for (int px = l; px <= r; ++px) {
        if (cover.Top(px) > cover.Bottom(px) || cover.Bottom(px) < b) return false;
        cut = std::max(cut, cover.Top(px));
    }
    CRect box(l, t, r + 1, cut);
    for (double px : {x, x + cx})
        if (inset)
            for (double py : {y, y + cy}) {
                int ix, iy;
                if (!MapWorldWhole(px, py, &ix, &iy)) return false;
                box.left = std::min(box.left, ix - kInsetMargin);
                box.right = std::max(box.right, ix + kInsetMargin);
                box.top = std::min(box.top, iy - kInsetMargin);
                box.bottom = std::max(box.bottom, iy + kInsetMargin);
            }
    *keep = box;
    return true;
}

void CPemroView::DrawGaussSumColumn(CDC* pDC, double x, double cx, double cy, double nextX,
                                    const std::vector<double>& rows, const int* front,
                                    const int* back, double sx, double sy) {
    const WallCover cover = NextColumnWallCover(pDC, nextX, cx, cy, rows);
    for (double y : rows) DrawCellBeforeWalls(pDC, cover, x, y, cx, cy, front, back, sx, sy);
}

CPemroView::WallCover CPemroView::NextColumnWallCover(CDC* pDC, double nextX, double cx, double cy,
                                                      const std::vector<double>& rows) {
    const bool straight =
        m_dRotationAngle == 0 && m_nAxisArrangement != 2 && m_nAxisArrangement != 3;
    // Wider strokes than two pixels reach further than the box allows for.
    if (!std::isfinite(nextX) || !straight || m_nSurfaceLower < 0 || m_nPixelSize > 2 ||
        !DrawingCachesEnabled() || pDC->GetROP2() != R2_COPYPEN || !IsFigureBandVisible() ||
        !IsSceneUsable())
        return WallCover();
    SurfacePass pass(*this);
    return KeptWallCover(*this, false, nextX, cx, cy, rows);
}

namespace {

// Whether every point a cell's strokes sample lies outside the region's
// rectangle, where the region function is -1 before anything is evaluated:
// no wall, line or dot of the cell is drawn then (its strokes, sections and
// meetings draw inside the region, its dots where it changes sign). Only
// with surfaces that leave the view alone, so that no evaluation left out
// changes a later one, and without the filling, which ignores the region.
bool CellOutsideRegionBox(CPemroView& v, double x, double y, double cx, double cy) {
    const double* r = v.m_adRegionRect;
    if (!DrawingCachesEnabled() || v.m_bFigure3D != 1 || v.m_nFuncF == 0 ||
        v.m_nUpperSurfaceStyle != 0 || v.m_nLowerSurfaceStyle != 0 || !v.m_pSurfacePass ||
        !(r[0] < r[1]) || !(r[2] < r[3]) || !(cx > 0) || !(cy > 0) || !std::isfinite(x + cx) ||
        !std::isfinite(y + cy))
        return false;
    // A sample's coordinate may round a little past the cell's end.
    const auto outside = [](double from, double size, double lo, double hi) {
        const double slack = 1e-9 * (std::fabs(from) + size + 1);
        return from + size + slack < lo || from - slack > hi;
    };
    if (!outside(x, cx, r[0], r[1]) && !outside(y, cy, r[2], r[3])) return false;
    return CPemroView::SurfacePass::Sampler(v, 0, v.m_nSurfaceUpper).Detached() &&
           CPemroView::SurfacePass::Sampler(v, 1, v.m_nSurfaceLower).Detached();
}

} // namespace

void CPemroView::DrawCellBeforeWalls(CDC* pDC, const WallCover& cover, double x, double y,
                                     double cx, double cy, const int* front, const int* back,
                                     double sx, double sy) {
    if (CellOutsideRegionBox(*this, x, y, cx, cy)) {
        // What the cell's drawing notes of the click, as it would.
        if (IsSceneUsable() && !m_bAnsweringClick) HitTestGraphRegion(0);
        return;
    }
    CRect keep;
    const bool cull = GaussCellKeep(cover, x, y, cx, cy, true, &keep);
    const CRect clip = pDC->GetClipRect();
    if (cull) {
        const CPoint org = pDC->GetViewportOrg();
        keep.OffsetRect(org.x, org.y);
        pDC->SetClipRect(clip.Intersect(keep));
    }
    DrawSurfaceMesh(pDC, x, y, cx, cy, front[0], front[1], front[2], back[0], back[1], back[2], 1,
                    1, sx, sy);
    if (cull) pDC->SetClipRect(clip);
}
