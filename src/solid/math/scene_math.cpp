#include "solid/math/scene_math.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace solid {

SceneLayout MakeSceneLayout(int left, int top, int right, int bottom) {
    SceneLayout s;
    s.originX = left + (right - left) / 3;
    s.originY = bottom - (bottom - top) / 4;
    s.scaleX = (bottom - top) / 4;
    s.scaleY = 2 * (right - left) / 3;
    s.scaleZ = 3 * (bottom - top) / 4;
    s.insetLeft = s.originX + s.scaleY / 2;
    s.insetRight = s.originX + s.scaleY;
    s.insetTop = s.originY - s.scaleZ;
    s.insetBottom = s.originY - 2 * s.scaleZ / 3;
    return s;
}

SceneBox ZoomedSceneBox(int left, int top, int right, int bottom, int lineHeight, int margin) {
    const int h = lineHeight;
    return {left + margin + 7 * h / 4, top + margin + h, right - margin - 2 * h,
            bottom - margin - 2 * h};
}

SceneBox ProportionedSceneBox(SceneBox box) {
    const long long tallest = 3LL * std::max(0, box.right - box.left) / 4;
    if (box.bottom - box.top > tallest) box.bottom = int(box.top + tallest);
    return box;
}

double ObliqueFactor(const SceneLayout& layout) {
    return layout.scaleX > 0 ? 0.4 * layout.scaleY / layout.scaleX : 0.0;
}

bool SpanUsable(double span) {
    return span > 0 && std::isfinite(span);
}

int MoreMeshDivisions(int n) {
    const long long more = (long long)n * 3 / 2;
    if (more > kMaxMeshDivisions) return kMaxMeshDivisions;
    return more < kMinMeshDivisions ? kMinMeshDivisions : int(more);
}

int FewerMeshDivisions(int n) {
    const long long fewer = (long long)n * 2 / 3;
    if (fewer > kMaxMeshDivisions) return kMaxMeshDivisions;
    return fewer < kMinMeshDivisions ? kMinMeshDivisions : int(fewer);
}

int StripeLevel(double u) {
    const double v = 256 * u;
    if (!(std::fabs(v) < 2147483648.0)) return 0;
    const std::int64_t level = 16 * (std::int64_t(v) / 16);
    return int(level & 255);
}

int PaletteSlot(double u) {
    const double v = 19 * u;
    if (!(v >= 0)) return 0; // negative or not a number
    return v >= 19 ? 19 : int(v);
}

int LightenChannel(int c, int n) {
    return n > 0 ? ((n - 1) * c + 255) / n : c;
}

TangentPlane TangentPlaneAt(SurfaceRef s, double x0, double y0) {
    TangentPlane t;
    t.z0 = s(x0, y0);
    t.fx = (s(x0 + kPartialStep, y0) - t.z0) * 1000;
    t.fy = (s(x0, y0 + kPartialStep) - t.z0) * 1000;
    t.d = t.fx;
    t.e = t.fy;
    t.f = t.z0 - t.fx * x0 - t.fy * y0;
    return t;
}

} // namespace solid
