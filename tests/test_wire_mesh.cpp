// A surface's wire mesh: the lines x = const and y = const in half-pixel
// steps, each step the space segment between the surface's points at its
// ends. Whatever the mesh shares between steps, its picture is that of the
// segments drawn one by one.
#include "test_support.h"

#include "platform/real_steps.h"

#include <QImage>

#include <memory>

namespace {

constexpr COLORREF kMesh = RGB(250, 240, 40);
constexpr COLORREF kOther = RGB(40, 90, 230);
constexpr QRgb kMeshPixel = 0xFFFAF028;

// The oblique test box; the upper surface the quadric
// z = a x² + b xy + c y² + d x + e y + f.
std::unique_ptr<CPemroView> MeshView(const double (&quadric)[6]) {
    auto view = test_support::MakeView();
    CPemroView& v = *view;
    test_support::SetObliqueTestBox(v);
    v.m_dParamStep = 0.5;
    v.m_bFigureVisible = TRUE;
    v.m_nGraphTop = 0, v.m_nGraphBottom = 600, v.m_nClipTop = 0, v.m_nClipBottom = 600;
    v.m_nSurfaceUpper = 1, v.m_nSurfaceLower = 1, v.m_nSurfaceEvalMode = 0;
    for (int i = 0; i < 6; ++i) v.m_adCoefSurfF[i] = v.m_adCoefSurfG[i] = quadric[i];
    v.m_adCoefSurfG[5] -= 1; // the lower surface one unit below
    return view;
}

QImage Blank() {
    QImage image(460, 620, QImage::Format_RGB32);
    image.fill(0xFF000000);
    return image;
}

// The mesh of the upper (and lower) surface as the segments of its steps,
// one DrawLine3D each, in the mesh's order.
void PlainMesh(CPemroView& v, CDC* dc, int upper, int lower, int n) {
    const double sx = v.m_dParamStep * v.m_dXSpan / v.m_nProjScaleX;
    const double sy = 0.5 * v.m_dYSpan / v.m_nProjScaleY;
    const double cx = v.m_dXSpan / n, cy = v.m_dYSpan / n;
    const auto f = [&](bool up, double x, double y) {
        return up ? v.EvalSurfaceF(x, y, upper) : v.EvalSurfaceG(x, y, lower);
    };
    constexpr long kCap = 20000;
    steps::ForEach(v.m_dXMin, v.m_dXMax, cx, kCap, true, [&](double x) {
        for (bool up : {false, true}) {
            if ((up ? upper : lower) < 0) continue;
            steps::ForEach(v.m_dYMin, v.m_dYMax, sy, kCap, true, [&](double y) {
                const double z0 = f(up, x, y), z1 = f(up, x, y + sy);
                v.DrawLine3D(dc, x, y, z0, x, y + sy, z1, up ? kMesh : kOther);
            });
        }
    });
    steps::ForEach(v.m_dYMin, v.m_dYMax, cy, kCap, true, [&](double y) {
        for (bool up : {false, true}) {
            if ((up ? upper : lower) < 0) continue;
            const double to = up ? v.m_dXMax : v.m_dXMax + cx;
            steps::ForEach(v.m_dXMin, to, sx, kCap, false, [&](double x) {
                const double z0 = f(up, x, y), z1 = f(up, x + sx, y);
                v.DrawLine3D(dc, x, y, z0, x + sx, y, z1, up ? kMesh : kOther);
            });
        }
    });
}

struct MeshCase {
    const char* name;
    double quadric[6];
    int lower; // -1: the upper surface alone
    int rop;
};

QImage Draw(const MeshCase& c, bool plain) {
    const auto view = MeshView(c.quadric);
    QImage image = Blank();
    CDC dc(&image);
    dc.SetROP2(c.rop);
    if (plain)
        PlainMesh(*view, &dc, 1, c.lower, 4);
    else
        view->DrawSurfaceWireMesh(&dc, -1, 1, -2, 2, 1, c.lower, 4, 4, kMesh, kOther);
    return image;
}

} // namespace

TEST(WireMesh, DrawsTheSegmentsOfItsSteps) {
    const MeshCase cases[] = {
        {"level plane", {0, 0, 0, 0, 0, 1.5}, -1, R2_COPYPEN},
        {"paraboloid", {0.5, 0, 0.5, 0, 0, 0.2}, -1, R2_COPYPEN},
        {"saddle over both", {0.7, 0.3, -0.4, 0.2, 0.1, 1.6}, 1, R2_COPYPEN},
        {"cut by the floor and the ceiling", {0, 0, 0, 2, 1, 1.5}, 1, R2_COPYPEN},
        {"above the box", {0, 0, 0, 0, 0, 4}, 1, R2_COPYPEN},
        {"exclusive or", {0.5, 0, 0.5, 0, 0, 0.2}, 1, R2_XORPEN},
    };
    for (const MeshCase& c : cases) {
        const QImage fast = Draw(c, false), plain = Draw(c, true);
        EXPECT_EQ(fast, plain) << c.name;
    }
}

TEST(WireMesh, LevelPlaneLinesLieWhereTheProjectionPutsThem) {
    // z = 1.5: the pixel of (x, y, 1.5) is (10 + (y + 2)·100 − (x + 1)·25,
    // 500 + (x + 1)·50 − 150), so the line x = −1 runs along row 350 from
    // column 10 and the line y = −2 from (10, 350) down to (−40, 450).
    const MeshCase level{"level plane", {0, 0, 0, 0, 0, 1.5}, -1, R2_COPYPEN};
    const QImage image = Draw(level, false);
    for (int x : {10, 110, 210, 310, 409}) EXPECT_EQ(image.pixel(x, 350), kMeshPixel) << x;
    // (0, 0): 10 + 200 − 25 = 185 across, 500 + 50 − 150 = 400 down.
    EXPECT_EQ(image.pixel(185, 400), kMeshPixel);
    // Between the lines the floor stays empty: (−0.75, −1.5) is at (10 + 50 − 6, 500 + 12 − 150) =
    // (53, 363), 13 pixels below the line x = −1 and 49 right of the line y = −2.
    EXPECT_EQ(image.pixel(53, 363), 0xFF000000u);
    EXPECT_EQ(image.pixel(10, 300), 0xFF000000u);
}
