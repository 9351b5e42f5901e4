// A wide stroke repeated in a row is skipped only while it would set the
// pixels it already has: whatever changed in between (a draw over it, the
// origin, the clip, the raster operation, the pen, the copy of the image
// another view holds) draws it again, exactly as with the caches off.
#include "test_support.h"

#include <QImage>

#include <functional>

namespace {

constexpr COLORREF kRed = RGB(220, 30, 30);
constexpr COLORREF kBlue = RGB(20, 40, 200);
constexpr QRgb kRedPixel = 0xFFDC1E1E;
constexpr QRgb kBluePixel = 0xFF1428C8;
constexpr QRgb kBackground = 0xFF000000;

struct RepeatCase {
    const char* name;
    // Runs between the first stroke and its repeat.
    std::function<void(CDC&)> between;
    QPoint probe; // a pixel of the repeat ...
    QRgb colour;  // ... and the colour it leaves there
};

// A width-3 stroke from (10, 10) to (30, 10) (rows 9..11, cut at x = 25),
// something, the same again.
QImage Draw(const RepeatCase& c, bool caches) {
    SetDrawingCachesEnabled(caches);
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kBackground);
    {
        CDC dc(&image);
        dc.SetClipRect(CRect(0, 0, 25, 30));
        dc.SelectObject(CPen(PS_SOLID, 3, kRed));
        for (int i = 0; i < 2; ++i) {
            dc.MoveTo(10, 10);
            dc.LineTo(30, 10);
            if (i == 0) c.between(dc);
        }
    }
    SetDrawingCachesEnabled(true);
    return image;
}

} // namespace

TEST(StrokeRepeat, RedrawsWhatChangedSinceAndMatchesThePlainPath) {
    const RepeatCase cases[] = {
        {"nothing in between", [](CDC&) {}, {20, 10}, kRedPixel},
        {"a fill over it",
         [](CDC& dc) { dc.FillSolidRect(15, 5, 5, 10, kBlue); },
         {17, 10},
         kRedPixel},
        {"a pixel over it", [](CDC& dc) { dc.SetPixel(20, 10, kBlue); }, {20, 10}, kRedPixel},
        {"moved origin", [](CDC& dc) { dc.SetViewportOrg(0, 10); }, {20, 20}, kRedPixel},
        {"wider clip", [](CDC& dc) { dc.SetClipRect(CRect(0, 0, 40, 30)); }, {28, 10}, kRedPixel},
        {"XOR repeat toggles", [](CDC& dc) { dc.SetROP2(R2_XORPEN); }, {20, 10}, kBackground},
        {"wider pen",
         [](CDC& dc) { dc.SelectObject(CPen(PS_SOLID, 5, kRed)); },
         {20, 12},
         kRedPixel},
        {"another colour",
         [](CDC& dc) { dc.SelectObject(CPen(PS_SOLID, 3, kBlue)); },
         {20, 10},
         kBluePixel},
        {"another DC over the same image",
         [](CDC& dc) {
             CDC other(dc.Surface());
             other.FillSolidRect(0, 0, 40, 30, kBlue);
         },
         {12, 10},
         kRedPixel},
    };
    for (const RepeatCase& c : cases) {
        const QImage plain = Draw(c, false), cached = Draw(c, true);
        EXPECT_EQ(plain, cached) << c.name;
        EXPECT_EQ(cached.pixel(c.probe), c.colour) << c.name;
    }
}

// A copy of the backing image taken between two strokes (the screen shown
// during an animation) keeps its pixels; the repeat goes to the original.
TEST(StrokeRepeat, ACopyTakenBetweenKeepsItsPixels) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kBackground);
    CDC dc(&image);
    dc.SelectObject(CPen(PS_SOLID, 2, kRed));
    dc.MoveTo(5, 5);
    dc.LineTo(5, 5);
    const QImage shown = image;            // shares the pixels
    dc.FillSolidRect(0, 0, 40, 30, kBlue); // detaches the original
    dc.MoveTo(5, 5);
    dc.LineTo(5, 5);
    EXPECT_EQ(shown.pixel(20, 20), kBackground);
    EXPECT_EQ(image.pixel(4, 4), kRedPixel);
    EXPECT_EQ(image.pixel(20, 20), kBluePixel);
}
