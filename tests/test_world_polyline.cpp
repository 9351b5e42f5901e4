// A curve drawn as one chain of world segments sets the very pixels its
// segments drawn one by one set: wide and thin pens, the XOR operation, the
// axes turned across, ends outside the world range, other strokes between
// the samples and the caches off.
#include "render/world_polyline.h"
#include "test_support.h"

#include <QImage>

#include <cmath>

namespace {

using namespace test_support;

constexpr COLORREF kCurve = RGB(0, 255, 255);
constexpr COLORREF kOther = RGB(255, 128, 0);

struct ChainCase {
    const char* name;
    int pixelSize;
    int rop;
    int regionType;
    bool strokesBetween; // another colour drawn after every tenth sample
    bool caches;
};

using WorldPolylineTest = OnSampleCourse<PageViewTest>;

// A spiral sampled many times a pixel that leaves the world range and comes
// back, drawn into a fresh image either way.
QImage Draw(CPemroView& v, const ChainCase& c, bool chained) {
    SetDrawingCachesEnabled(c.caches);
    const int savedSize = v.m_nPixelSize, savedType = v.m_nRegionType;
    v.m_nPixelSize = c.pixelSize, v.m_nRegionType = c.regionType;
    QImage image(v.BackingImage().size(), QImage::Format_RGB32);
    image.fill(0xFF000000);
    {
        CDC dc(&image);
        dc.SetROP2(c.rop);
        render::WorldPolyline chain(v, &dc, kCurve);
        const auto at = [&](int i, double* x, double* y) {
            const double t = i * 0.0007, r = 0.02 + 0.12 * t;
            *x = r * std::cos(t), *y = r * std::sin(t) * 1.3;
        };
        double x0, y0;
        at(0, &x0, &y0);
        chain.MoveTo(x0, y0);
        for (int i = 1; i <= 40000; ++i) {
            double x, y;
            at(i, &x, &y);
            if (chained)
                chain.LineTo(x, y);
            else
                v.DrawLineWorld(&dc, x0, y0, x, y, kCurve);
            if (c.strokesBetween && i % 10 == 0) v.DrawLineWorld(&dc, 0, 0, x, y, kOther);
            x0 = x, y0 = y;
        }
    }
    v.m_nPixelSize = savedSize, v.m_nRegionType = savedType;
    SetDrawingCachesEnabled(true);
    return image;
}

} // namespace

TEST_F(WorldPolylineTest, AChainSetsThePixelsOfItsSegments) {
    Open("511");
    const ChainCase cases[] = {
        {"thin", 0, R2_COPYPEN, 0, false, true},
        {"two pixels", 2, R2_COPYPEN, 0, false, true},
        {"three pixels", 3, R2_COPYPEN, 0, false, true},
        {"XOR", 0, R2_XORPEN, 0, false, true},
        {"wide XOR", 2, R2_XORPEN, 0, false, true},
        {"axes across", 0, R2_COPYPEN, 2, false, true},
        {"strokes between", 0, R2_COPYPEN, 0, true, true},
        {"wide, strokes between", 2, R2_COPYPEN, 0, true, true},
        {"caches off", 0, R2_COPYPEN, 0, false, false},
    };
    for (const ChainCase& c : cases) {
        const QImage plain = Draw(*view, c, false), chained = Draw(*view, c, true);
        EXPECT_EQ(plain, chained) << c.name;
        // The curve is there, and leaves the range: not all of it is drawn.
        int curve = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) curve += plain.pixel(x, y) != 0xFF000000;
        EXPECT_GT(curve, 300) << c.name;
    }
}
