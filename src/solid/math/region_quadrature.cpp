// The double integral over a plane region as an iterated integral: exact
// lines in y with the region's edges found on each, and Gauss cells in x
// split where the line integral bends (the ends of the region).
#include "solid/math/scene_math.h"

#include <algorithm>
#include <cmath>

namespace solid {

namespace {

constexpr double kNodes5[5] = {-0.9061798459386640, -0.5384693101056831, 0.0, 0.5384693101056831,
                               0.9061798459386640};
constexpr double kWeights5[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                                 0.4786286704993665, 0.2369268850561891};
// Three-point Gauss on the same cell, the error estimate of the five-point one.
constexpr double kNode3 = 0.7745966692414834;
constexpr double kWeight3Edge = 5.0 / 9, kWeight3Mid = 8.0 / 9;

// Cells across and along: enough for ten digits on the surfaces of the
// catalogues, and the along count samples each line at twice its cells.
constexpr int kMinAcross = 16, kMaxAcross = 48;
constexpr int kMinAlong = 16;
// Halvings of one edge search: far below a pixel of any world range.
constexpr int kEdgeHalvings = 60;
// Splits of one cell, and the lines all splits of one call may add.
constexpr int kMaxSplitDepth = 30;
constexpr long kMaxExtraLines = 4000;
// The error a split cell may keep, relative to the integral it implies.
constexpr double kCellTolerance = 1e-11;

class RegionQuadrature {
public:
    RegionQuadrature(int kind, SurfaceRef f, SurfaceRef g, SurfaceRef region, bool inverted)
        : kind_(kind), f_(f), g_(g), region_(region), inverted_(inverted) {}

    double Run(int nx, int ny, double x1, double x2, double y1, double y2) {
        y1_ = y1, y2_ = y2, ny_ = ny, dy_ = (y2 - y1) / ny;
        span_ = x2 - x1, dx_ = span_ / nx;
        // Steps of the central differences of the surface elements.
        ex_ = 1e-5 * (x2 - x1), ey_ = 1e-5 * (y2 - y1);
        double sum = 0;
        for (int i = 0; i < nx; ++i) {
            const double a = x1 + i * dx_, b = i + 1 == nx ? x2 : x1 + (i + 1) * dx_;
            sum += Across(a, b, 0);
        }
        return sum;
    }

private:
    bool Counted(double x, double y) const {
        if (!(region_(x, y) >= 0)) return false;
        if (inverted_) return true;
        const double fv = f_(x, y), gv = g_(x, y);
        return kind_ == kRegionVolume ? gv < fv : gv <= fv;
    }

    double Slope(SurfaceRef s, double x, double y, double ex, double ey) const {
        const double sx = (s(x + ex, y) - s(x - ex, y)) / (2 * ex);
        const double sy = (s(x, y + ey) - s(x, y - ey)) / (2 * ey);
        return std::sqrt(sx * sx + sy * sy + 1);
    }

    double Integrand(double x, double y) const {
        switch (kind_) {
        case kRegionIntegral:
            return f_(x, y);
        case kRegionVolume:
            return f_(x, y) - g_(x, y);
        case kUpperSurfaceArea:
            return Slope(f_, x, y, ex_, ey_);
        default:
            return Slope(g_, x, y, ex_, ey_);
        }
    }

    // The integral along x = const from a to b, all of it counted.
    double Piece(double x, double a, double b) const {
        if (!(b > a)) return 0.0;
        if (kind_ == kRegionArea) return b - a;
        const double mid = (a + b) / 2, half = (b - a) / 2;
        double s = 0;
        for (int j = 0; j < 5; ++j) s += kWeights5[j] * Integrand(x, mid + half * kNodes5[j]);
        return s * half;
    }

    // The edge of the counted set between a (counted as inA) and b (not).
    double Edge(double x, double a, double b, bool inA) const {
        for (int i = 0; i < kEdgeHalvings; ++i) {
            const double m = (a + b) / 2;
            if (m <= a || m >= b) break;
            (Counted(x, m) == inA ? a : b) = m;
        }
        return (a + b) / 2;
    }

    double Half(double x, double a, double b, bool inA, bool inB) const {
        if (inA == inB) return inA ? Piece(x, a, b) : 0.0;
        const double t = Edge(x, a, b, inA);
        return inA ? Piece(x, a, t) : Piece(x, t, b);
    }

    // The integral over the counted part of the line x = const.
    double Line(double x) const {
        double sum = 0, a = y1_;
        bool inA = Counted(x, a);
        for (int k = 0; k < ny_; ++k) {
            const double b = k + 1 == ny_ ? y2_ : y1_ + (k + 1) * dy_, m = (a + b) / 2;
            const bool inM = Counted(x, m), inB = Counted(x, b);
            sum += Half(x, a, m, inA, inM) + Half(x, m, b, inM, inB);
            a = b, inA = inB;
        }
        return sum;
    }

    // Five-point Gauss across [a, b], split while the three-point rule
    // disagrees: the line integral bends where the region begins or ends.
    double Across(double a, double b, int depth) {
        const double mid = (a + b) / 2, half = (b - a) / 2;
        double lines[5];
        for (int i = 0; i < 5; ++i) lines[i] = Line(mid + half * kNodes5[i]);
        double g5 = 0;
        for (int i = 0; i < 5; ++i) g5 += kWeights5[i] * lines[i];
        g5 *= half;
        if (depth >= kMaxSplitDepth || extraLines_ > kMaxExtraLines) return g5;
        const double g3 =
            half * (kWeight3Edge * (Line(mid - half * kNode3) + Line(mid + half * kNode3)) +
                    kWeight3Mid * lines[2]);
        extraLines_ += depth > 0 ? 7 : 2;
        const double scale = 1 + std::fabs(g5) * (span_ / (b - a));
        if (std::fabs(g5 - g3) <= kCellTolerance * scale) return g5;
        return Across(a, mid, depth + 1) + Across(mid, b, depth + 1);
    }

    int kind_;
    SurfaceRef f_, g_, region_;
    bool inverted_;
    double y1_ = 0, y2_ = 0, dy_ = 0, dx_ = 0, span_ = 1, ex_ = 0, ey_ = 0;
    int ny_ = 1;
    long extraLines_ = 0;
};

} // namespace

double RegionIntegral(int nx, int ny, double x1, double x2, double y1, double y2, int kind,
                      SurfaceRef f, SurfaceRef g, SurfaceRef region, bool inverted) {
    if (kind < kRegionArea || kind > kLowerSurfaceArea || nx < 1 || ny < 1) return 0.0;
    // A rectangle of no width, reversed or not finite, has nothing inside.
    if (!SpanUsable(x2 - x1) || !SpanUsable(y2 - y1)) return 0.0;
    nx = std::clamp(nx, kMinAcross, kMaxAcross);
    ny = std::clamp(ny, kMinAlong, kMaxRegionCells);
    return RegionQuadrature(kind, f, g, region, inverted).Run(nx, ny, x1, x2, y1, y2);
}

} // namespace solid
