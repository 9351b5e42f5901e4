// The prisms of the Riemann sum in the double-integral lesson. The columns
// are drawn from the back towards the viewer, and the faces of the next
// column paint over nearly all of the column before: a prism is drawn
// clipped to the rows above what the next column surely paints, so the
// picture stays as it was.
#include "view/view.h"

#include "catalog/surface_pass.h"
#include "platform/real_steps.h"
#include "solid/math/scene_math.h"
#include "solid/wall_cover.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Strokes of one face at most, whatever the cell's size.
constexpr int kMaxStrokesPerCell = 4000;
// Pixels a stroke of a pen up to two pixels wide reaches left of and above
// its ends.
constexpr int kStrokeReach = 2;

// A prism's heights and its fine strokes, half a pixel apart along the
// projected axes; counted from the cell, not from y + cy: far out, the sum
// stops moving.
struct PrismFaces {
    double gc = 0, fc = 0;
    bool drawn = false;
    double stepX = 0, stepY = 0;
    long rows = 0, columns = 0;
};

PrismFaces FacesOf(CPemroView& v, double x, double y, double cx, double cy) {
    PrismFaces p;
    const double xc = x + cx / 2, yc = y + cy / 2;
    p.gc = v.EvalSurfaceG(xc, yc, v.m_nSurfaceLower);
    p.fc = v.EvalSurfaceF(xc, yc, v.m_nSurfaceUpper);
    p.drawn = (v.m_bDrawInverted || p.gc <= p.fc) && v.EvalRegionFunction(xc, yc, v.m_nFuncF) > 0;
    p.stepY = 0.5 * v.m_dYSpan / v.m_nProjScaleY, p.stepX = 0.5 * v.m_dXSpan / v.m_nProjScaleX;
    p.rows = steps::Count(0, cy, p.stepY, kMaxStrokesPerCell, false);
    p.columns = steps::Count(0, cx, p.stepX, kMaxStrokesPerCell, false);
    return p;
}

// A pixel column's run of surely painted rows.
struct Run {
    int x, top, bottom;
};

// The rows a stroke from a to b surely paints, when it is vertical: the
// one-pixel line from a without b, which every pen width covers (a point is
// drawn two pixels wide, over itself).
bool VerticalRun(CPoint a, CPoint b, Run* run) {
    if (a.x != b.x) return false;
    if (a.y == b.y)
        *run = Run{a.x, a.y, a.y};
    else
        *run = a.y < b.y ? Run{a.x, a.y, b.y - 1} : Run{a.x, b.y + 1, a.y};
    return true;
}

// Runs merged per pixel column: overlapping or touching runs join; of two
// apart, the one reaching lower stays (the cells above it need that one).
CPemroView::WallCover CoverOf(const std::vector<Run>& runs) {
    CPemroView::WallCover cover;
    if (runs.empty()) return cover;
    int left = runs.front().x, right = left;
    for (const Run& r : runs) left = std::min(left, r.x), right = std::max(right, r.x);
    cover.left = left;
    cover.top.assign(size_t(right - left + 1), 1);
    cover.bottom.assign(size_t(right - left + 1), 0);
    for (const Run& r : runs) {
        int& t = cover.top[size_t(r.x - left)];
        int& b = cover.bottom[size_t(r.x - left)];
        if (t > b)
            t = r.top, b = r.bottom;
        else if (r.top <= b + 1 && t <= r.bottom + 1)
            t = std::min(t, r.top), b = std::max(b, r.bottom);
        else if (r.bottom > b)
            t = r.top, b = r.bottom;
    }
    return cover;
}

} // namespace

// What the prisms of the column at x surely paint: the vertical strokes of
// their back and left faces, and the foot of each back stroke, where the
// stroke along the bottom face starts. Only for the straight projection, in
// which a back face's strokes share their rows and differ only in x.
CPemroView::WallCover CPemroView::FindPrismCover(double x, double cx, double cy,
                                                 const std::vector<double>& rows) {
    std::vector<Run> runs;
    for (double y : rows) {
        const PrismFaces p = FacesOf(*this, x, y, cx, cy);
        if (!p.drawn || p.rows < 1) continue;
        const double last = y + double(p.rows - 1) * p.stepY;
        CPoint a, b, c, d, e, f;
        Run back;
        // The ends of the face: every stroke between projects if they do.
        if (ProjectSegment3D(x, y, p.fc, x, y, p.gc, &a, &b) &&
            ProjectSegment3D(x, last, p.fc, x, last, p.gc, &c, &d) && VerticalRun(a, b, &back)) {
            const bool foot = ProjectSegment3D(x, y, p.gc, x + cx, y, p.gc, &c, &d) &&
                              ProjectSegment3D(x, last, p.gc, x + cx, last, p.gc, &e, &f) && c == b;
            bool any = false;
            int lastX = 0;
            for (long i = 0; i < p.rows; ++i) {
                int sx, sy;
                if (!ProjectPoint3D(x, y + double(i) * p.stepY, m_dZMin, &sx, &sy)) continue;
                if (any && lastX == sx) continue;
                any = true, lastX = sx;
                runs.push_back(Run{sx, back.top, back.bottom});
                if (foot) runs.push_back(Run{sx, b.y, b.y});
            }
        }
        for (long i = 0; i < p.columns; ++i) {
            const double s = x + double(i) * p.stepX;
            Run left;
            if (ProjectSegment3D(s, y, p.fc, s, y, p.gc, &a, &b) && VerticalRun(a, b, &left))
                runs.push_back(left);
        }
    }
    return CoverOf(runs);
}

void CPemroView::DrawIntegralPrismColumn(CDC* pDC, double x, double cx, double cy, double nextX,
                                         const std::vector<double>& rows, double* pSum) {
    const bool straight =
        m_dRotationAngle == 0 && m_nAxisArrangement != 2 && m_nAxisArrangement != 3;
    WallCover cover;
    if (std::isfinite(nextX) && straight && m_nPixelSize <= 2 && DrawingCachesEnabled() &&
        pDC->GetROP2() == R2_COPYPEN && IsFigureBandVisible() && IsSceneUsable()) {
        SurfacePass pass(*this);
        cover = KeptWallCover(*this, true, nextX, cx, cy, rows);
    }
    for (double y : rows) {
        CRect keep;
        const bool cull = GaussCellKeep(cover, x, y, cx, cy, false, &keep);
        DrawIntegralPrism(pDC, x, y, cx, cy, pSum, cull ? &keep : nullptr);
    }
}

// In the straight projection the back face's strokes, drawn downward, share
// their rows and differ in x alone: each run of neighbouring pixel columns
// is filled as the box its strokes cover. False, drawing nothing, where
// that does not hold.
bool CPemroView::BackFaceBoxes(CDC* pDC, double x, double y, double fc, double gc, long rows,
                               double stepY, COLORREF colour) {
    const bool straight =
        m_dRotationAngle == 0 && m_nAxisArrangement != 2 && m_nAxisArrangement != 3;
    const int w = m_nPixelSize;
    CPoint top, foot, a, b;
    int sx, sy;
    const double last = y + double(rows - 1) * stepY;
    if (!straight || w > 2 || rows < 1 || !IsFigureBandVisible() ||
        !ProjectSegment3D(x, y, fc, x, y, gc, &top, &foot) ||
        !ProjectSegment3D(x, last, fc, x, last, gc, &a, &b) || top.x != foot.x || top.y >= foot.y ||
        !ProjectPoint3D(x, y, m_dZMin, &sx, &sy))
        return false;
    // One pixel wide the line leaves out its foot; two pixels wide it is the
    // box one pixel wider up and left, with the foot.
    const int up = w == 2 ? 1 : 0;
    const int boxTop = top.y - up, boxBottom = w == 2 ? foot.y + 1 : foot.y;
    int runL = 0, runR = -1;
    const auto flush = [&] {
        if (runL <= runR) pDC->FillSolidRect(CRect(runL - up, boxTop, runR + 1, boxBottom), colour);
    };
    for (long i = 0; i < rows; ++i) {
        // A column projects as its stroke does: the rows are drawable.
        if (!ProjectPoint3D(x, y + double(i) * stepY, m_dZMin, &sx, &sy)) continue;
        if (runL <= runR && sx >= runL - 1 && sx <= runR + 1) {
            runL = std::min(runL, sx), runR = std::max(runR, sx);
            continue;
        }
        flush();
        runL = runR = sx;
    }
    flush();
    return true;
}

void CPemroView::DrawIntegralPrism(CDC* pDC, double x, double y, double cx, double cy, double* pSum,
                                   const CRect* keep) {
    const double Dx = m_dXSpan, Dy = m_dYSpan, Dz = m_dZSpan;
    const PrismFaces p = FacesOf(*this, x, y, cx, cy);
    if (!p.drawn) return;
    const double gc = p.gc, fc = p.fc;
    const double ux = (x - m_dXMin) / Dx;
    const double t1 = 0.5 - ((gc - m_dZMin) / Dz - ux) / 2;
    const double t2 = (ux + (fc - m_dZMin) / Dz) / 2;
    const int* L = m_anLowerMeshRgb;
    const int* U = m_anUpperMeshRgb;
    const CRect clip = pDC->GetClipRect();
    if (keep) {
        CRect device = *keep;
        const CPoint org = pDC->GetViewportOrg();
        device.OffsetRect(org.x, org.y);
        pDC->SetClipRect(clip.Intersect(device));
    }
    // The bottom face lies below the part kept when its back edge does.
    int bx = 0, by = 0;
    const bool bottom =
        !keep || !ProjectPoint3D(x, y, gc, &bx, &by) || by - kStrokeReach < keep->bottom;
    if (bottom)
        DrawCube(pDC, 3, x, y, gc, x + cx, y + cy, gc,
                 MakeRGB(solid::Blend(t1, 200, L[0]), solid::Blend(t1, 255, L[1]),
                         solid::Blend(t1, 200, L[2])),
                 keep);
    const int a = solid::StripeLevel(ux), b = solid::StripeLevel((y - m_dYMin) / Dy);
    const COLORREF colourX = RGB(a, a / 2, 255 - a);
    const COLORREF colourY = RGB(255 - b, 255 - b / 2, b);
    // Strokes half a pixel apart mostly repeat the one before; an opaque
    // stroke painted again right after itself changes no pixel, nor does one
    // wholly outside the part kept.
    const bool fast = DrawingCachesEnabled() && pDC->GetROP2() == R2_COPYPEN;
    CPoint lastA, lastB;
    bool haveLast = false;
    const auto stroke = [&](double x1, double y1, double z1, double x2, double y2, double z2,
                            COLORREF colour) {
        if (!fast) return DrawLine3D(pDC, x1, y1, z1, x2, y2, z2, colour);
        CPoint a, b;
        if (!IsFigureBandVisible() || !ProjectSegment3D(x1, y1, z1, x2, y2, z2, &a, &b)) return;
        if (haveLast && a == lastA && b == lastB) return;
        if (keep &&
            (std::max(a.x, b.x) < keep->left || std::min(a.x, b.x) - kStrokeReach >= keep->right ||
             std::max(a.y, b.y) < keep->top || std::min(a.y, b.y) - kStrokeReach >= keep->bottom))
            return;
        DrawStrokePx(pDC, a, b, colour);
        lastA = a, lastB = b, haveLast = true;
    };
    for (long i = 0; i < p.rows && bottom; ++i) {
        const double s = y + double(i) * p.stepY;
        stroke(x, s, gc, x + cx, s, gc, m_crCurveSetting);
    }
    haveLast = false;
    for (long i = 0; i < p.columns; ++i) {
        const double s = x + double(i) * p.stepX;
        stroke(s, y, fc, s, y, gc, colourY);
    }
    if (!fast || !BackFaceBoxes(pDC, x, y, p.fc, p.gc, p.rows, p.stepY, colourX)) {
        haveLast = false;
        for (long i = 0; i < p.rows; ++i) {
            const double s = y + double(i) * p.stepY;
            stroke(x, s, fc, x, s, gc, colourX);
        }
    }
    DrawCube(pDC, 2, x, y, gc, x + cx, y + cy, fc, m_acrPalette[solid::PaletteSlot(ux)], keep);
    DrawCube(pDC, 3, x, y, fc, x + cx, y + cy, fc,
             MakeRGB(solid::Blend(t2, 255, U[0]), solid::Blend(t2, 255, U[1]),
                     solid::Blend(t2, 255, U[2])),
             keep);
    if (keep) pDC->SetClipRect(clip);
    *pSum += fc - gc;
    if (m_nProjectionDisplay == 1 && EvalRegionFunction(x + cx / 2, y + cy / 2, m_nFuncF) >= 0)
        DrawInsetCellEdges(pDC, x, y, cx, cy);
}
