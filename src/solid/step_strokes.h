// Short space strokes drawn by the hundred thousand (surface meshes and
// fills): each end projected once and shared with the next stroke that
// starts there, a step equal to the one before left out, and the strokes
// written as DrawStrokePx would draw them, mostly straight into the image.
#pragma once

#include "view/view.h"

#include "render/oblique_projection.h"
#include "render/pixel_line.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace solid {

struct P3 {
    double x, y, z;
};

// DrawStrokePx's strokes for the runs and fans, which draw a great many of
// them, mostly a pixel or two long: the dots and axis-parallel two-pixel
// strokes (boxes) and the one-pixel strokes one pixel long (their first
// pixel) and the one-pixel strokes wholly inside the clip written straight
// into the image, the other one-pixel strokes in a pen kept selected while
// their colour stays.
class StrokePen {
public:
    StrokePen(CPemroView& view, CDC* dc)
        : view_(view), dc_(dc), direct_(dc->Direct()), pixelSize_(view.m_nPixelSize),
          copy_(dc->GetROP2() == R2_COPYPEN), visible_(view.IsFigureBandVisible()) {}
    StrokePen(const StrokePen&) = delete;
    StrokePen& operator=(const StrokePen&) = delete;
    ~StrokePen() {
        if (held_) dc_->SelectObject(old_);
    }
    void Draw(CPoint a, CPoint b, COLORREF colour) {
        // Nothing draws in a figure out of view (DrawStrokePx's test, which
        // no stroke changes).
        if (!visible_) return;
        const int width = render::PixelLineWidth(pixelSize_, a.x, a.y, b.x, b.y);
        CRect box;
        if (render::PixelStrokeBox(width, a, b, &box)) {
            if (!direct_.Box(box, colour)) dc_->FillSolidRect(box, colour);
            return;
        }
        int unused;
        if (width > 1 || !ToDrawablePixel(a.x, &unused) || !ToDrawablePixel(a.y, &unused) ||
            !ToDrawablePixel(b.x, &unused) || !ToDrawablePixel(b.y, &unused)) {
            view_.DrawStrokePx(dc_, a, b, colour);
            return;
        }
        if (copy_ && std::abs(b.x - a.x) <= 1 && std::abs(b.y - a.y) <= 1 &&
            direct_.Box(CRect(a.x, a.y, a.x + 1, a.y + 1), colour)) {
            dc_->MoveTo(b);
            return;
        }
        if (copy_ && direct_.Line(a, b, colour)) {
            dc_->EndLine(a, b);
            return;
        }
        if (!held_ || colour != colour_ || width != width_) {
            const CPen old = dc_->SelectObject(CPen(PS_SOLID, width, colour));
            if (!held_) old_ = old;
            held_ = true, colour_ = colour, width_ = width;
        }
        dc_->MoveTo(a);
        dc_->LineTo(b);
    }

private:
    CPemroView& view_;
    CDC* dc_;
    const CDC::DirectBoxes direct_;
    const int pixelSize_;
    const bool copy_, visible_;
    bool held_ = false;
    COLORREF colour_ = 0;
    int width_ = 0;
    CPen old_;
};

// The strokes of one step along a run (two, drawn in slot order), held back
// so that a step equal to the one before is not drawn again: the same
// opaque strokes repeated right after themselves change no pixel. A single
// slot's stroke equal to the last one it drew is left out too while the
// other slot has drawn nothing near it since: its pixels still hold it.
// Steps and stroke ends are kept in pairs that swap roles rather than being
// copied: a copy of what was just written stalls the processor.
class StepStrokes {
public:
    StepStrokes(CPemroView& view, CDC* dc)
        : view_(view), projection_(view), visible_(view.IsFigureBandVisible()), zMin_(view.m_dZMin),
          zMax_(view.m_dZMax), skip_(DrawingCachesEnabled() && dc->GetROP2() == R2_COPYPEN),
          grow_(std::max(view.m_nPixelSize, 2) + 1), pen_(view, dc) {}
    // Inline: called by the million a pass, where the caller's points stay
    // in registers.
    [[gnu::always_inline]] void Add(int k, const P3& a, const P3& b, COLORREF colour) {
        if (!visible_) return;
        Stroke& s = steps_[now_][k];
        s.colour = colour;
        // ProjectSegment3D, with the start kept per slot: a fan starts all
        // its strokes at one point and a polyline at the last one's end.
        // Ends within the z range project alone.
        Point* st = &ends_[k][start_[k]];
        Point* en = &ends_[k][1 - start_[k]];
        if (!st->Is(a)) {
            if (en->Is(a)) {
                start_[k] ^= 1;
                std::swap(st, en);
            } else {
                P3 t = a;
                projection_.Place(&t.x, &t.y, &t.z);
                int x = 0, y = 0;
                st->known = true, st->at = a;
                st->inRange = InZRange(t.z);
                st->projected = st->inRange && projection_.Project(t.x, t.y, t.z, &x, &y);
                st->pixel = CPoint(x, y);
            }
        }
        P3 t = b;
        projection_.Place(&t.x, &t.y, &t.z);
        en->known = false;
        if (st->inRange && InZRange(t.z)) {
            int x = 0, y = 0;
            const bool drawn = st->projected && projection_.Project(t.x, t.y, t.z, &x, &y);
            s.a = st->pixel, s.b = CPoint(x, y), s.drawn = drawn;
            // Only a projected start projects the end.
            if (st->projected) en->known = true, en->at = b, en->inRange = true;
            en->projected = drawn, en->pixel = CPoint(x, y);
            return;
        }
        s.drawn = view_.ProjectSegment3D(a.x, a.y, a.z, b.x, b.y, b.z, &s.a, &s.b);
    }
    // Something else drew since the last step: no stroke may be left out
    // as still showing.
    void Touched() { held_ = intact_[0] = intact_[1] = false; }
    // The test whether the step repeats the one before is inline, the
    // drawing not.
    [[gnu::always_inline]] void EndStep() {
        const Stroke* now = steps_[now_];
        const Stroke* before = steps_[1 - now_];
        if (!skip_ || !held_ || !(now[0] == before[0] && now[1] == before[1])) DrawStep(now);
        // A stroke's other fields count only when it is drawn.
        now_ ^= 1;
        steps_[now_][0].drawn = steps_[now_][1].drawn = false;
        held_ = true;
    }

private:
    struct Stroke {
        bool drawn = false;
        CPoint a, b;
        COLORREF colour = 0;
        bool operator==(const Stroke& o) const {
            return drawn == o.drawn && (!drawn || (a == o.a && b == o.b && colour == o.colour));
        }
    };
    [[gnu::noinline]] void DrawStep(const Stroke* now) {
        for (int k = 0; k < 2; ++k) Draw(now[k], k);
    }
    void Draw(const Stroke& s, int k) {
        if (!s.drawn) return;
        if (skip_ && intact_[k] && s == last_[k]) return;
        pen_.Draw(s.a, s.b, s.colour);
        last_[k] = s, intact_[k] = true;
        const int o = 1 - k;
        if (intact_[o] && Near(s, last_[o])) intact_[o] = false;
    }
    bool Near(const Stroke& p, const Stroke& q) const {
        const auto lo = [](int u, int v) { return std::min(u, v); };
        const auto hi = [](int u, int v) { return std::max(u, v); };
        return lo(p.a.x, p.b.x) - grow_ <= hi(q.a.x, q.b.x) + grow_ &&
               lo(q.a.x, q.b.x) - grow_ <= hi(p.a.x, p.b.x) + grow_ &&
               lo(p.a.y, p.b.y) - grow_ <= hi(q.a.y, q.b.y) + grow_ &&
               lo(q.a.y, q.b.y) - grow_ <= hi(p.a.y, p.b.y) + grow_;
    }
    bool InZRange(double z) const { return zMin_ <= z && z <= zMax_; }
    // A stroke's start or end: whether it lies in the z range and, if it
    // does, its pixel.
    struct Point {
        bool known = false, inRange = false, projected = false;
        P3 at{0, 0, 0};
        CPoint pixel;
        bool Is(const P3& p) const { return known && p.x == at.x && p.y == at.y && p.z == at.z; }
    };
    CPemroView& view_;
    const ObliqueProjection projection_;
    const bool visible_;
    const double zMin_, zMax_;
    bool skip_, held_ = false;
    int grow_;
    // Each slot's start and end; which of the two is the start.
    Point ends_[2][2];
    int start_[2] = {0, 0};
    // This step's strokes and the last step's; which pair is this step's.
    Stroke steps_[2][2];
    int now_ = 0;
    // Each slot's last drawn stroke, and whether the other slot has drawn
    // nothing near it since.
    Stroke last_[2];
    bool intact_[2] = {false, false};
    StrokePen pen_;
};

} // namespace solid
