// The pure arithmetic of the 3-D scene: the layout of the oblique projection
// in a figure box, the mesh-density steps, the colour blends and stripes of
// the solids, the five-point Gauss-Legendre double integral over a plane
// region and the forward-difference partial derivatives of a surface.
#pragma once

#include <cmath>
#include <cstdint>
#include <type_traits>

namespace solid {

// A non-owning reference to a callable double(double, double).
class SurfaceRef {
public:
    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, SurfaceRef>>>
    SurfaceRef(F&& f) // NOLINT: implicit on purpose, callers pass lambdas
        : m_obj(const_cast<void*>(static_cast<const void*>(&f))),
          m_call([](void* obj, double x, double y) -> double {
              return (*static_cast<std::remove_reference_t<F>*>(obj))(x, y);
          }) {}

    double operator()(double x, double y) const { return m_call(m_obj, x, y); }

private:
    void* m_obj;
    double (*m_call)(void*, double, double);
};

// Pixel layout of the scene in the figure box (left, top, right, bottom):
// the origin of the world box's far corner, the screen lengths of the whole
// x, y and z ranges, and the plane inset. Integer division truncates.
struct SceneLayout {
    int originX, originY;
    int scaleX, scaleY, scaleZ;
    int insetLeft, insetRight, insetTop, insetBottom;
};
SceneLayout MakeSceneLayout(int left, int top, int right, int bottom);

// The figure box of a zoomed scene in the visible area (left, top, right,
// bottom): its frame, which reaches 7/4 of a line height left of the box, a
// line above it and two lines right of and below it, stands `margin` pixels
// inside the area, so the tick values and range boxes in it stay in view.
struct SceneBox {
    int left, top, right, bottom;
};
SceneBox ZoomedSceneBox(int left, int top, int right, int bottom, int lineHeight, int margin);

// A zoomed box in a window taller than wide keeps at most three quarters of
// its width in height, as a landscape window gives it: a taller box
// stretches the scene and its value rows, which stand below the box by a
// share of its height, fall out of the window. It keeps its top.
SceneBox ProportionedSceneBox(SceneBox box);

// The factor of the receding x axis: x runs left by k·Sx while it runs down
// by Sx. 0 when the layout has no height (the figure is refused then).
double ObliqueFactor(const SceneLayout& layout);

// Whether a world span can divide: positive and finite.
bool SpanUsable(double span);

// The mesh-density buttons: three halves and two thirds of the count in
// integer arithmetic, never below kMinMeshDivisions nor above
// kMaxMeshDivisions (the surfaces cost grows with the square of the count).
constexpr int kMinMeshDivisions = 5;
constexpr int kMaxMeshDivisions = 200;
int MoreMeshDivisions(int n);
int FewerMeshDivisions(int n);

// A channel blended from a toward b: t·a + (1 − t)·b (MakeRGB wraps it).
inline double Blend(double t, double a, double b) {
    return t * a + (1 - t) * b;
}
// The packing of every computed colour (MakeRGB's too), inline for the
// colours worked out per mesh span: each channel truncated toward zero to
// its low byte, 0 where no integer holds it.
inline std::uint32_t PackRGB(double r, double g, double b) {
    const auto byte = [](double v) -> std::uint32_t {
        return std::fabs(v) < 2147483648.0 ? std::uint32_t(std::int64_t(v) & 255) : 0;
    };
    return byte(r) | (byte(g) << 8) | (byte(b) << 16);
}
// The stripe level of a position u (0..1 across the box): 256u in steps of
// 16, modulo 256; 0 for a position that is not a number.
int StripeLevel(double u);
// The palette slot of a position u: trunc(19u), kept inside 0..19.
int PaletteSlot(double u);
// A channel lightened n − 1 parts to one toward white: ((n − 1)c + 255)/n.
int LightenChannel(int c, int n);

// What a region integral sums at a counted point.
enum RegionIntegralKind {
    kRegionArea = 0,
    kRegionIntegral = 1,
    kRegionVolume = 2,
    kUpperSurfaceArea = 3,
    kLowerSurfaceArea = 4,
};

// Cells along a line above which the count is cut: more finds no more.
constexpr int kMaxRegionCells = 100;

// The double integral over the region {r >= 0} inside [x1, x2] x [y1, y2]
// of 1, f, f − g or the surface element of f or g. A point counts where
// r >= 0 and g <= f (g < f for the volume; any order when `inverted`).
// The integral is iterated: along each line x = const the edges of the
// counted set are found by bisection and the pieces between them taken by
// five-point Gauss on ny cells; across, each of nx cells is split where
// that line integral is not smooth (the ends of the region). It is exact
// for polynomial surfaces over rectangles and true to about ten digits
// over regions bounded by curves. A rectangle of no width, reversed or not
// finite, counts below 1 and kinds outside 0..4 give 0.
double RegionIntegral(int nx, int ny, double x1, double x2, double y1, double y2, int kind,
                      SurfaceRef f, SurfaceRef g, SurfaceRef region, bool inverted);

// The partial derivatives of s at (x0, y0) by forward differences of step
// 0.001, and the plane z = d·x + e·y + f that touches s there.
struct TangentPlane {
    double z0, fx, fy;
    double d, e, f;
};
constexpr double kPartialStep = 0.001;
TangentPlane TangentPlaneAt(SurfaceRef s, double x0, double y0);

} // namespace solid
