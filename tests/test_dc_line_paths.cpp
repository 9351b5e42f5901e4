// The short paths of the line routines (a solid copy stepped along the
// image, the rows of a vertical wide stroke clear of its ends) give the
// pixels of the general rule: hand-worked lines, and every kind of line
// against the general path, which a merge with a black image takes.
#include "platform/dc.h"
#include "test_support.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

using namespace test_support;
using Pixels = std::set<std::pair<int, int>>;

constexpr COLORREF kPen = RGB(200, 30, 60);

Pixels PenPixels(const QImage& image) {
    Pixels p;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ColourAt(image, x, y) == kPen) p.insert({x, y});
    return p;
}

struct Stroke {
    const char* name;
    int width;
    int x0, y0, x1, y1;
};

// The stroke on a black image with the copy operation, or with the merge,
// which on black sets the pen's colour along the general path.
QImage Draw(const Stroke& s, int rop, const CRect* clip = nullptr) {
    QImage image(24, 20, QImage::Format_RGB32);
    image.fill(Qt::black);
    CDC dc(&image);
    if (clip) dc.SetClipRect(*clip);
    dc.SetROP2(rop);
    dc.SelectObject(CPen(PS_SOLID, s.width, kPen));
    dc.MoveTo(s.x0, s.y0);
    dc.LineTo(s.x1, s.y1);
    return image;
}

Pixels Box(int l, int t, int r, int b) { // inclusive
    Pixels p;
    for (int y = t; y <= b; ++y)
        for (int x = l; x <= r; ++x) p.insert({x, y});
    return p;
}

} // namespace

// Hand-worked pixels: a one-pixel line leaves out its end pixel and steps
// its minor offset floor((2 i dmin + dmaj - 1) / (2 dmaj)); a pen of width w
// covers the pixels whose centres (half a pixel up and left for even w) lie
// within w/2 of the segment.
TEST(DcLinePaths, HandWorkedPixels) {
    struct Case {
        Stroke stroke;
        Pixels want;
    };
    Pixels width4 = Box(8, 4, 11, 15);
    for (int y : {3, 16}) width4.insert({{9, y}, {10, y}});
    const Case cases[] = {
        {{"vertical, one pixel", 1, 3, 1, 3, 6}, Box(3, 1, 3, 5)},
        {{"vertical upward, one pixel", 0, 3, 6, 3, 1}, Box(3, 2, 3, 6)},
        {{"horizontal, one pixel", 1, 2, 4, 9, 4}, Box(2, 4, 8, 4)},
        {{"steep", 1, 1, 0, 3, 7}, {{1, 0}, {1, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {3, 6}}},
        {{"shallow, leftward", 1, 6, 3, 0, 0}, {{6, 3}, {5, 3}, {4, 2}, {3, 2}, {2, 1}, {1, 1}}},
        {{"cut at the image's top and bottom", 1, 5, -40, 5, 60}, Box(5, 0, 5, 19)},
        {{"vertical, width 2", 2, 5, 2, 5, 12}, Box(4, 1, 5, 12)},
        {{"vertical upward, width 2", 2, 5, 12, 5, 2}, Box(4, 1, 5, 12)},
        {{"vertical, width 3", 3, 4, 2, 4, 9}, Box(3, 1, 5, 10)},
        {{"vertical, width 4", 4, 10, 5, 10, 15}, width4},
        {{"width 2 cut at the image's top and bottom", 2, 5, -20, 5, 30}, Box(4, 0, 5, 19)},
        {{"width 2 at the image's left edge", 2, 0, 3, 0, 8}, Box(0, 2, 0, 8)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PenPixels(Draw(c.stroke, R2_COPYPEN)), c.want) << c.stroke.name;
        EXPECT_EQ(PenPixels(Draw(c.stroke, R2_MERGEPEN)), c.want) << c.stroke.name;
    }
}

// Every direction, length and width, whole, cut by the image and cut by a
// clip rectangle: the copy draws what the general path draws.
TEST(DcLinePaths, CopyEqualsGeneralPath) {
    std::vector<Stroke> strokes;
    const int ends[][2] = {{12, 10}, {0, 0},  {23, 19}, {-9, 4},  {30, 7},
                           {12, -5}, {3, 26}, {17, 10}, {12, 18}, {-40, -33}};
    for (int width : {0, 1, 2, 3, 5})
        for (const auto& a : ends)
            for (const auto& b : ends) strokes.push_back({"", width, a[0], a[1], b[0], b[1]});
    const CRect clip(3, 2, 19, 15);
    for (const Stroke& s : strokes) {
        const QImage general = Draw(s, R2_MERGEPEN);
        ASSERT_EQ(PenPixels(Draw(s, R2_COPYPEN)), PenPixels(general))
            << s.width << ": " << s.x0 << "," << s.y0 << " to " << s.x1 << "," << s.y1;
        ASSERT_EQ(PenPixels(Draw(s, R2_COPYPEN, &clip)), PenPixels(Draw(s, R2_MERGEPEN, &clip)))
            << "clipped " << s.width << ": " << s.x0 << "," << s.y0 << " to " << s.x1 << ","
            << s.y1;
    }
}
