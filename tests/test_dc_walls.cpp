// The mesh's two-pixel strokes and its walls: the stroke drawn in one call,
// through the DC or straight into its image, covers what two one-pixel
// lines and two end boxes cover, a box written directly covers what
// FillSolidRect covers, and a quadrilateral with
// vertical sides fills the pixel centres inside it.
#include "platform/dc.h"
#include "test_support.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace test_support;

QImage White(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// What DotStroke promises, drawn with the plain primitives.
void StrokeByParts(CDC& dc, CPoint a, CPoint b, COLORREF colour) {
    const bool steep = std::abs(b.y - a.y) > std::abs(b.x - a.x);
    const int ox = steep ? 1 : 0, oy = steep ? 0 : 1;
    const CPen old = dc.SelectObject(CPen(PS_SOLID, 1, colour));
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.MoveTo(a.x - ox, a.y - oy);
    dc.LineTo(b.x - ox, b.y - oy);
    dc.FillSolidRect(CRect(a.x - 1, a.y - 1, a.x + 1, a.y + 1), colour);
    dc.FillSolidRect(CRect(b.x - 1, b.y - 1, b.x + 1, b.y + 1), colour);
    dc.SelectObject(old);
}

struct StrokeCase {
    CPoint a, b;
    int rop;
    CPoint origin;
};

TEST(DcDotStroke, CoversWhatItsPartsCover) {
    const StrokeCase cases[] = {
        {{3, 3}, {9, 5}, R2_COPYPEN, {0, 0}},    {{9, 5}, {3, 3}, R2_COPYPEN, {0, 0}},
        {{4, 2}, {6, 12}, R2_COPYPEN, {0, 0}},   {{6, 12}, {4, 2}, R2_COPYPEN, {0, 0}},
        {{2, 2}, {10, 10}, R2_COPYPEN, {0, 0}},  {{5, 5}, {5, 5}, R2_COPYPEN, {0, 0}},
        {{0, 0}, {7, 3}, R2_COPYPEN, {0, 0}},    {{-3, 4}, {18, 9}, R2_COPYPEN, {0, 0}},
        {{8, 14}, {12, 19}, R2_COPYPEN, {0, 0}}, {{3, 3}, {9, 5}, R2_XORPEN, {0, 0}},
        {{1, 1}, {6, 4}, R2_COPYPEN, {4, 3}},    {{1, 1}, {6, 4}, R2_COPYPEN, {-1, -1}},
    };
    for (const StrokeCase& c : cases) {
        QImage one = White(16, 16), parts = White(16, 16);
        CDC a(&one), b(&parts);
        for (CDC* dc : {&a, &b}) {
            dc->SetROP2(c.rop);
            dc->SetViewportOrg(c.origin.x, c.origin.y);
        }
        a.DotStroke(c.a, c.b, RGB(200, 30, 60));
        StrokeByParts(b, c.a, c.b, RGB(200, 30, 60));
        EXPECT_EQ(one, parts) << c.a.x << "," << c.a.y << " to " << c.b.x << "," << c.b.y;
        EXPECT_EQ(a.GetCurrentPosition(), b.GetCurrentPosition());
        EXPECT_EQ(a.GetCurrentPen().crColor, 0u) << "the pen stays";
    }
}

struct BoxCase {
    CRect box;
    CPoint origin;
    CRect clip; // device
    bool drawn; // wholly inside the clip
};

TEST(DcDirectBoxes, WriteWhatFillSolidRectWritesInsideTheClip) {
    const BoxCase cases[] = {
        {{2, 3, 6, 5}, {0, 0}, {0, 0, 16, 16}, true},   // a horizontal stroke's box
        {{4, 1, 6, 9}, {0, 0}, {0, 0, 16, 16}, true},   // a vertical one
        {{0, 0, 16, 16}, {0, 0}, {0, 0, 16, 16}, true}, // the whole image
        {{5, 5, 5, 7}, {0, 0}, {0, 0, 16, 16}, true},   // empty: nothing to write
        {{1, 1, 4, 3}, {3, 2}, {0, 0, 16, 16}, true},   // moved by the origin
        {{-1, 2, 3, 4}, {0, 0}, {0, 0, 16, 16}, false}, // over the left edge
        {{13, 2, 17, 4}, {0, 0}, {0, 0, 16, 16}, false},
        {{2, 2, 6, 6}, {0, 0}, {3, 0, 16, 16}, false}, // over the clip's edge
        {{4, 4, 8, 6}, {0, 0}, {3, 3, 12, 12}, true},
        {{14, 1, 16, 3}, {1, 0}, {0, 0, 16, 16}, false}, // out after the origin
    };
    for (const BoxCase& c : cases) {
        QImage direct = White(16, 16), plain = White(16, 16);
        CDC a(&direct), b(&plain);
        for (CDC* dc : {&a, &b}) {
            dc->SetViewportOrg(c.origin.x, c.origin.y);
            dc->SetClipRect(c.clip);
        }
        EXPECT_EQ(a.Direct().Box(c.box, RGB(20, 140, 220)), c.drawn) << c.box.left;
        if (c.drawn) b.FillSolidRect(c.box, RGB(20, 140, 220));
        EXPECT_EQ(direct, plain) << c.box.left << "," << c.box.top;
    }
}

struct DirectStrokeCase {
    CPoint a, b;
    int rop;
    CPoint origin;
    bool drawn; // lines and end boxes inside the image, the mix mode copying
};

TEST(DcDirectBoxes, DotStrokeDrawsWhatItsPartsCoverInsideTheClip) {
    const DirectStrokeCase cases[] = {
        {{3, 3}, {9, 5}, R2_COPYPEN, {0, 0}, true},   {{9, 5}, {3, 3}, R2_COPYPEN, {0, 0}, true},
        {{4, 2}, {6, 12}, R2_COPYPEN, {0, 0}, true},  {{6, 12}, {4, 2}, R2_COPYPEN, {0, 0}, true},
        {{2, 2}, {10, 10}, R2_COPYPEN, {0, 0}, true}, {{5, 5}, {5, 5}, R2_COPYPEN, {0, 0}, true},
        {{1, 1}, {6, 4}, R2_COPYPEN, {4, 3}, true},   {{15, 15}, {1, 1}, R2_COPYPEN, {0, 0}, true},
        {{0, 3}, {7, 3}, R2_COPYPEN, {0, 0}, false},  {{3, 3}, {9, 16}, R2_COPYPEN, {0, 0}, false},
        {{1, 1}, {6, 4}, R2_COPYPEN, {-1, 0}, false}, {{3, 3}, {9, 5}, R2_XORPEN, {0, 0}, false},
    };
    for (const DirectStrokeCase& c : cases) {
        QImage direct = White(16, 16), parts = White(16, 16);
        CDC a(&direct), b(&parts);
        for (CDC* dc : {&a, &b}) {
            dc->SetROP2(c.rop);
            dc->SetViewportOrg(c.origin.x, c.origin.y);
        }
        EXPECT_EQ(a.Direct().DotStroke(c.a, c.b, RGB(200, 30, 60)), c.drawn) << c.a.x;
        if (!c.drawn) {
            EXPECT_EQ(direct, White(16, 16)) << "nothing drawn";
            continue;
        }
        a.EndDotStroke(c.a, c.b);
        StrokeByParts(b, c.a, c.b, RGB(200, 30, 60));
        EXPECT_EQ(direct, parts) << c.a.x << "," << c.a.y << " to " << c.b.x << "," << c.b.y;
        EXPECT_EQ(a.GetCurrentPosition(), b.GetCurrentPosition());
    }
}

TEST(DcDirectBoxes, LineDrawsWhatMoveToLineToDrawInsideTheClip) {
    const DirectStrokeCase cases[] = {
        {{3, 3}, {12, 5}, R2_COPYPEN, {0, 0}, true},  {{12, 5}, {3, 3}, R2_COPYPEN, {0, 0}, true},
        {{4, 2}, {6, 15}, R2_COPYPEN, {0, 0}, true},  {{6, 15}, {4, 2}, R2_COPYPEN, {0, 0}, true},
        {{0, 0}, {15, 15}, R2_COPYPEN, {0, 0}, true}, {{15, 0}, {0, 15}, R2_COPYPEN, {0, 0}, true},
        {{2, 7}, {14, 7}, R2_COPYPEN, {0, 0}, true},  {{9, 14}, {9, 1}, R2_COPYPEN, {0, 0}, true},
        {{5, 5}, {5, 5}, R2_COPYPEN, {0, 0}, true},   {{1, 1}, {6, 4}, R2_COPYPEN, {4, 3}, true},
        {{0, 3}, {16, 3}, R2_COPYPEN, {0, 0}, false}, {{3, 3}, {9, -1}, R2_COPYPEN, {0, 0}, false},
        {{1, 1}, {6, 4}, R2_COPYPEN, {-2, 0}, false}, {{3, 3}, {9, 5}, R2_XORPEN, {0, 0}, false},
    };
    for (const DirectStrokeCase& c : cases) {
        QImage direct = White(16, 16), plain = White(16, 16);
        CDC a(&direct), b(&plain);
        for (CDC* dc : {&a, &b}) {
            dc->SetROP2(c.rop);
            dc->SetViewportOrg(c.origin.x, c.origin.y);
        }
        EXPECT_EQ(a.Direct().Line(c.a, c.b, RGB(200, 30, 60)), c.drawn) << c.a.x;
        if (!c.drawn) {
            EXPECT_EQ(direct, White(16, 16)) << "nothing drawn";
            continue;
        }
        a.EndLine(c.a, c.b);
        b.SelectObject(CPen(PS_SOLID, 1, RGB(200, 30, 60)));
        b.MoveTo(c.a);
        b.LineTo(c.b);
        EXPECT_EQ(direct, plain) << c.a.x << "," << c.a.y << " to " << c.b.x << "," << c.b.y;
        EXPECT_EQ(a.GetCurrentPosition(), b.GetCurrentPosition());
    }
}

// From (0, 0) to (4, 2): step i is one pixel right and floor((4 i + 3) / 8)
// down, ties towards the start, the end left out.
TEST(DcDirectBoxes, LineStepsAsWorkedByHand) {
    QImage img = White(8, 4);
    CDC dc(&img);
    ASSERT_TRUE(dc.Direct().Line({0, 0}, {4, 2}, RGB(255, 0, 0)));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool on = (y == 0 && (x == 0 || x == 1)) || (y == 1 && (x == 2 || x == 3));
            EXPECT_EQ(ColourAt(img, x, y), on ? RGB(255, 0, 0) : RGB(255, 255, 255))
                << x << "," << y;
        }
}

// Every line of up to 6 pixels each way: step i along the longer axis lies
// at the pixel nearest the exact line, a tie going towards the start, and
// a walk begun at any step goes on with the same pixels.
TEST(DcLineSteps, NearestPixelsTiesTowardsTheStartFromAnyStep) {
    constexpr std::ptrdiff_t kStride = 100;
    for (int dx = -6; dx <= 6; ++dx)
        for (int dy = -6; dy <= 6; ++dy) {
            const long long x0 = 20, y0 = 30;
            const dcdetail::LineSteps line(x0, y0, x0 + dx, y0 + dy);
            const long long adx = std::abs(dx), ady = std::abs(dy);
            const long long n = std::max(adx, ady);
            ASSERT_EQ(line.amaj, n);
            std::vector<std::ptrdiff_t> want;
            for (long long i = 0; i < n; ++i) {
                // Along the major axis i; across it the k with
                // |i·minor/major − k| least, k = ⌊·⌋ when exactly half.
                const bool xMajor = adx >= ady;
                const long long minor = xMajor ? ady : adx;
                long long k = 0;
                while (2 * i * minor > (2 * k + 1) * n) ++k;
                const int sx = dx > 0 ? 1 : -1, sy = dy > 0 ? 1 : -1;
                const long long x = x0 + sx * (xMajor ? i : k), y = y0 + sy * (xMajor ? k : i);
                want.push_back(std::ptrdiff_t(y * kStride + x));
            }
            for (long long first = 0; first <= n; ++first) {
                std::vector<std::ptrdiff_t> got;
                line.Walk(kStride, first, n - 1, [&got](std::ptrdiff_t at) { got.push_back(at); });
                EXPECT_EQ(got, std::vector<std::ptrdiff_t>(want.begin() + first, want.end()))
                    << dx << "," << dy << " from " << first;
            }
        }
}

// A wall: vertical sides x = 1 and x = 4, top edge y = x − 1, bottom edge
// y = x + 8. Its fill is the pixels whose centres lie below the top edge
// and not below the bottom edge (the row crossings' half-open spans): in
// column x the rows x to x + 8.
TEST(DcPolygon, WallWithVerticalSides) {
    QImage img = White(8, 16);
    CDC dc(&img);
    dc.SelectObject(CPen(PS_NULL, 0, 0));
    dc.SelectObject(CBrush(RGB(255, 0, 0)));
    const CPoint wall[] = {{1, 0}, {4, 3}, {4, 12}, {1, 9}};
    dc.Polygon(wall, 4);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 1 && x <= 3 && y >= x && y <= x + 8;
            EXPECT_EQ(ColourAt(img, x, y), inside ? RGB(255, 0, 0) : RGB(255, 255, 255))
                << x << "," << y;
        }
}

} // namespace
