// The raster device context: pixel rules of lines, shapes, fills, raster
// operations, clipping, the viewport origin, pictures and text.
#include "platform/dc.h"
#include "platform/fonts.h"
#include "platform/text_codec.h"
#include "test_support.h"

#include <QFontDatabase>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace test_support;

// An image and a DC over it, filled with one colour.
struct Surface {
    QImage img;
    CDC dc;
    Surface(int w, int h, COLORREF fill = kWhite) : img(w, h, QImage::Format_RGB32), dc(&img) {
        img.fill(QColor(GetRValue(fill), GetGValue(fill), GetBValue(fill)));
    }
    COLORREF At(int x, int y) const { return ColourAt(img, x, y); }
    // Rows of the rectangle: '.' white, '#' black, 'R' red, 'B' blue, '?' other.
    std::vector<std::string> Picture(int l, int t, int r, int b) const {
        std::vector<std::string> rows;
        for (int y = t; y < b; ++y) {
            std::string row;
            for (int x = l; x < r; ++x) {
                const COLORREF c = At(x, y);
                row += c == kWhite   ? '.'
                       : c == kBlack ? '#'
                       : c == kRed   ? 'R'
                       : c == kBlue  ? 'B'
                                     : '?';
            }
            rows.push_back(row);
        }
        return rows;
    }
    std::set<std::pair<int, int>> PixelsOf(COLORREF c) const {
        std::set<std::pair<int, int>> s;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (At(x, y) == c) s.insert({x, y});
        return s;
    }
    int Count(COLORREF c) const { return int(PixelsOf(c).size()); }
};

using Pixels = std::set<std::pair<int, int>>;

void Line(CDC& dc, int x0, int y0, int x1, int y1) {
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

} // namespace

// --- One-pixel lines -------------------------------------------------------------

// One-pixel lines, each on a surface of its own: LineTo leaves out the end
// pixel (horizontally, vertically, diagonally; a zero-length line is
// nothing); shallow lines round to the nearest pixel, ties towards the start;
// lines with ends ten million pixels away are clipped first and keep the
// pixels of the exact line (worked out in exact rational arithmetic). The
// current position is the end point.
struct LineCase {
    const char* what;
    int w, h, x0, y0, x1, y1;
    const char* pixels; // "x,y x,y ..."
};
const LineCase kLines[] = {
    {"horizontal", 12, 12, 1, 2, 6, 2, "1,2 2,2 3,2 4,2 5,2"},
    {"vertical", 12, 12, 3, 8, 3, 4, "3,8 3,7 3,6 3,5"},
    {"diagonal", 12, 12, 0, 0, 5, 5, "0,0 1,1 2,2 3,3 4,4"},
    {"zero length", 8, 8, 4, 4, 4, 4, ""},
    {"7 by 3", 10, 10, 0, 0, 7, 3, "0,0 1,0 2,1 3,1 4,2 5,2 6,3"},
    {"4 by 2", 10, 10, 0, 0, 4, 2, "0,0 1,0 2,1 3,1"},
    {"4 by 2 back", 10, 10, 4, 2, 0, 0, "4,2 3,2 2,1 1,1"},
    {"huge shallow", 12, 5, -10000000, -3333333, 10000000, 3333334,
     "0,0 1,1 2,1 3,2 4,2 5,2 6,3 7,3 8,3 9,4 10,4 11,4"},
    {"huge steep", 12, 5, 3, -10000000, 10, 10000000, "6,0 7,1 7,2 7,3 7,4"},
    {"huge, missing the image", 20, 20, -2000000000, 50, 2000000000, 51, ""},
};

Pixels ParsePixels(const char* text) {
    Pixels pixels;
    std::istringstream in(text);
    int x, y;
    for (char comma; in >> x >> comma >> y;) pixels.insert({x, y});
    return pixels;
}

TEST(DcLine, PixelsOfLines) {
    for (const LineCase& c : kLines) {
        SCOPED_TRACE(c.what);
        Surface s(c.w, c.h);
        Line(s.dc, c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(s.PixelsOf(kBlack), ParsePixels(c.pixels));
        EXPECT_EQ(s.dc.GetCurrentPosition(), CPoint(c.x1, c.y1));
    }
    // Ten million pixels out on the diagonal, each pixel of it.
    Surface d(20, 20);
    Line(d.dc, -10000000, -10000000, 10000000, 10000000);
    Pixels diag;
    for (int i = 0; i < 20; ++i) diag.insert({i, i});
    EXPECT_EQ(d.PixelsOf(kBlack), diag);
}

// A one-pixel line one step long, in each of the eight directions, is its
// start pixel alone (the solid's filling writes such strokes as pixels).
TEST(DcLine, OneStepIsItsStartPixel) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            Surface s(8, 8);
            Line(s.dc, 4, 4, 4 + dx, 4 + dy);
            EXPECT_EQ(s.PixelsOf(kBlack), (Pixels{{4, 4}})) << dx << " " << dy;
        }
}

// Clipping a line gives the same pixels as drawing it whole.
TEST(DcLine, ClippedEqualsUnclipped) {
    const int lines[][4] = {{-1000, -357, 1000, 700}, {37, -900, -25, 800}, {-500, 500, 600, -10}};
    for (const auto& l : lines) {
        Surface big(2200, 2000);
        big.dc.SetViewportOrg(1100, 1000);
        Line(big.dc, l[0], l[1], l[2], l[3]);
        Surface small(40, 40);
        small.dc.SetViewportOrg(20, 20);
        Line(small.dc, l[0], l[1], l[2], l[3]);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) ASSERT_EQ(small.At(x, y), big.At(x + 1080, y + 980));
    }
}

// Dotted pens draw 3 on, 3 off; gaps take the background colour when opaque.
TEST(DcLine, DottedPen) {
    Surface s(12, 2);
    s.dc.SelectObject(CPen(PS_DOT, 1, kBlack));
    s.dc.SetBkMode(TRANSPARENT);
    Line(s.dc, 0, 0, 12, 0);
    EXPECT_EQ(s.Picture(0, 0, 12, 1)[0], "###...###...");
    s.dc.SetBkMode(OPAQUE);
    s.dc.SetBkColor(kRed);
    Line(s.dc, 0, 1, 12, 1);
    EXPECT_EQ(s.Picture(0, 1, 12, 2)[0], "###RRR###RRR");
}

// A null pen draws no line.
TEST(DcLine, NullPen) {
    Surface s(8, 8);
    s.dc.SelectObject(CPen(PS_NULL, 1, kBlack));
    Line(s.dc, 0, 0, 7, 7);
    EXPECT_EQ(s.Count(kBlack), 0);
}

// Polyline draws every segment, leaving out only the last point.
TEST(DcLine, Polyline) {
    Surface s(8, 8);
    const CPoint pts[] = {{1, 1}, {4, 1}, {4, 4}};
    EXPECT_TRUE(s.dc.Polyline(pts, 3));
    EXPECT_EQ(s.PixelsOf(kBlack), (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}, {4, 3}}));
    EXPECT_FALSE(s.dc.Polyline(pts, 1));
}

// --- Wide pens ----------------------------------------------------------------

// A zero-length segment of width 2 draws a 2x2 dot up and left of the point.
TEST(DcWideLine, ZeroLengthDot) {
    Surface s(10, 10);
    s.dc.SelectObject(CPen(PS_SOLID, 2, kBlack));
    Line(s.dc, 5, 5, 5, 5);
    EXPECT_EQ(s.PixelsOf(kBlack), (Pixels{{4, 4}, {5, 4}, {4, 5}, {5, 5}}));
}

// Width 3: three rows, round caps reaching 1.5 pixels past both ends.
TEST(DcWideLine, Width3IncludesBothEnds) {
    Surface s(12, 10);
    s.dc.SelectObject(CPen(PS_SOLID, 3, kBlack));
    Line(s.dc, 2, 5, 8, 5);
    Pixels want;
    for (int y = 4; y <= 6; ++y)
        for (int x = 1; x <= 9; ++x) want.insert({x, y});
    EXPECT_EQ(s.PixelsOf(kBlack), want);
}

// Width 2 horizontal line: rows y-1 and y.
TEST(DcWideLine, Width2Rows) {
    Surface s(12, 10);
    s.dc.SelectObject(CPen(PS_SOLID, 2, kBlack));
    Line(s.dc, -10000000, 5, 10000000, 5);
    Pixels want;
    for (int y = 4; y <= 5; ++y)
        for (int x = 0; x < 12; ++x) want.insert({x, y});
    EXPECT_EQ(s.PixelsOf(kBlack), want);
}

// A diagonal wide stroke is symmetric about its line.
TEST(DcWideLine, DiagonalSymmetric) {
    Surface s(30, 30);
    s.dc.SelectObject(CPen(PS_SOLID, 5, kBlack));
    Line(s.dc, 5, 5, 24, 24);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(s.At(x, y), s.At(y, x)) << x << "," << y;
    EXPECT_EQ(s.At(15, 15), kBlack);
    EXPECT_EQ(s.At(24, 24), kBlack);
}

// --- Rectangles -------------------------------------------------------------------

// Small boxes pixel by pixel, '#' the pen, 'R' the red brush: a rectangle's
// outline lies inside its right and bottom edge with the brush inside it,
// and without a pen the fill is one pixel smaller at the right and bottom;
// a 5x5 circle has its corners out, its outline on the region's border and
// the brush inside, and without a pen the 5x5 box fills the 4x4 circle.
struct BoxPictureCase {
    const char* what;
    bool ellipse, pen;
    int l, t, r, b;
    const char* picture; // the whole surface, rows with '/' between
};
const BoxPictureCase kBoxPictures[] = {
    {"rectangle", false, true, 2, 2, 7, 6,
     "........./........./..#####../..#RRR#../..#RRR#../..#####../........./........."},
    {"rectangle without pen", false, false, 1, 1, 5, 4,
     "......../.RRR..../.RRR..../......../......../........"},
    {"circle", true, true, 1, 1, 6, 6, "......./..###../.#RRR#./.#RRR#./.#RRR#./..###../......."},
    {"circle without pen", true, false, 0, 0, 5, 5, ".RR.../RRRR../RRRR../.RR.../....../......"},
};

TEST(DcRectangle, BoxPictures) {
    for (const BoxPictureCase& c : kBoxPictures) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> want;
        std::istringstream rows(c.picture);
        for (std::string row; std::getline(rows, row, '/');) want.push_back(row);
        const int w = int(want[0].size()), h = int(want.size());
        Surface s(w, h);
        if (!c.pen) s.dc.SelectObject(CPen(PS_NULL, 0, 0));
        s.dc.SelectObject(CBrush(kRed));
        EXPECT_TRUE(c.ellipse ? s.dc.Ellipse(c.l, c.t, c.r, c.b)
                              : s.dc.Rectangle(CRect(c.l, c.t, c.r, c.b)));
        EXPECT_EQ(s.Picture(0, 0, w, h), want);
    }
}

// A null brush leaves the inside alone; a one-pixel-high rectangle is a row.
TEST(DcRectangle, NullBrushAndThin) {
    Surface s(8, 8, kBlue);
    s.dc.SelectObject(CBrush::Null());
    s.dc.Rectangle(1, 1, 6, 6);
    EXPECT_EQ(s.At(3, 3), kBlue);
    EXPECT_EQ(s.At(1, 1), kBlack);
    Surface t(8, 3);
    t.dc.Rectangle(1, 1, 6, 2);
    EXPECT_EQ(t.Picture(0, 1, 8, 2)[0], ".#####..");
}

// FillSolidRect and FillRect include left/top, exclude right/bottom.
TEST(DcRectangle, FillSolidRect) {
    Surface s(6, 5);
    s.dc.FillSolidRect(1, 1, 3, 2, kRed);
    EXPECT_EQ(s.Picture(0, 0, 6, 5),
              (std::vector<std::string>{"......", ".RRR..", ".RRR..", "......", "......"}));
    s.dc.FillRect(CRect(0, 4, 2, 5), CBrush(kBlue));
    s.dc.FillRect(CRect(0, 0, 6, 5), CBrush::Null());
    EXPECT_EQ(s.Picture(0, 4, 6, 5)[0], "BB....");
}

// --- Ellipses, arcs, pies and chords ---------------------------------------------------

// Stays inside its box, touches all four edges, mirror-symmetric.
TEST(DcEllipse, InsideBoxAndSymmetric) {
    Surface s(50, 30);
    s.dc.SelectObject(CBrush(kRed));
    s.dc.Ellipse(3, 2, 40, 23);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 50; ++x) {
            const bool inBox = x >= 3 && x < 40 && y >= 2 && y < 23;
            if (!inBox) {
                ASSERT_EQ(s.At(x, y), kWhite) << x << "," << y;
                continue;
            }
            ASSERT_EQ(s.At(x, y), s.At(42 - x, y)) << x << "," << y;
            ASSERT_EQ(s.At(x, y), s.At(x, 24 - y)) << x << "," << y;
        }
    EXPECT_EQ(s.At(3, 12), kBlack);
    EXPECT_EQ(s.At(39, 12), kBlack);
    EXPECT_EQ(s.At(21, 2), kBlack);
    EXPECT_EQ(s.At(21, 22), kBlack);
    EXPECT_EQ(s.At(21, 12), kRed);
}

// A circle's outline pixels lie within half a pixel or so of the radius.
TEST(DcEllipse, CircleRadius) {
    Surface s(25, 25);
    s.dc.SelectObject(CBrush::Null());
    s.dc.Ellipse(2, 2, 23, 23); // centre (12, 12), radius 10
    int n = 0;
    for (const auto& p : s.PixelsOf(kBlack)) {
        const double d = std::hypot(p.first - 12.0, p.second - 12.0);
        EXPECT_GE(d, 9.4);
        EXPECT_LE(d, 10.5);
        ++n;
    }
    EXPECT_GT(n, 50);
}

// An ellipse ten million pixels wide costs only the clipped rows.
TEST(DcEllipse, HugeBoundedByClip) {
    Surface s(50, 50);
    s.dc.SelectObject(CBrush(kRed));
    s.dc.Ellipse(-10000000, -10000000, 10000000, 10000000);
    EXPECT_EQ(s.Count(kRed), 2500);
    Surface t(50, 50);
    t.dc.SelectObject(CBrush(kRed));
    t.dc.Ellipse(-10000000, 10, 10000000, 20000010); // flat top at row 10
    for (int x = 0; x < 50; ++x) {
        ASSERT_EQ(t.At(x, 9), kWhite);
        ASSERT_EQ(t.At(x, 10), kBlack);
        ASSERT_EQ(t.At(x, 11), kRed);
    }
}

// A wide-pen circle ring is about as thick as the pen.
TEST(DcEllipse, WidePenRing) {
    Surface s(40, 40);
    s.dc.SelectObject(CPen(PS_SOLID, 3, kBlack));
    s.dc.SelectObject(CBrush(kRed));
    s.dc.Ellipse(5, 5, 36, 36);                         // centre (20, 20), radius 15
    EXPECT_EQ(s.Picture(2, 20, 10, 21)[0], "..###RRR"); // radii 14..16 from x = 20
    EXPECT_EQ(s.Picture(31, 20, 39, 21)[0], "RRR###..");
    EXPECT_EQ(s.At(20, 20), kRed);
}

// An ellipse of the same box drawn just before with another pen, or
// elsewhere and cut by the edge, leaves the ring as drawn alone; and is
// itself drawn as it would be alone.
TEST(DcEllipse, WidePenRingAfterAnotherOfTheSameSize) {
    const struct {
        const char* name;
        int width; // of the pen before; -1 for none
        int dx, dy;
        const char* before; // row 20 from x = 2 after the first, if checked
    } rows[] = {{"thin pen", 1, 0, 0, "...BRRRR"},
                {"no pen", -1, 0, 0, nullptr},
                {"cut by the corner", 3, -30, -30, nullptr}};
    for (const auto& r : rows) {
        Surface s(40, 40);
        s.dc.SelectObject(r.width < 0 ? CPen(PS_NULL, 1, kBlack) : CPen(PS_SOLID, r.width, kBlue));
        s.dc.SelectObject(CBrush(kRed));
        s.dc.Ellipse(5 + r.dx, 5 + r.dy, 36 + r.dx, 36 + r.dy);
        if (r.before) {
            EXPECT_EQ(s.Picture(2, 20, 10, 21)[0], r.before) << r.name;
        }
        s.dc.SelectObject(CPen(PS_SOLID, 3, kBlack));
        s.dc.Ellipse(5, 5, 36, 36);
        EXPECT_EQ(s.Picture(2, 20, 10, 21)[0], "..###RRR") << r.name;
        EXPECT_EQ(s.Picture(31, 20, 39, 21)[0], "RRR###..") << r.name;
        EXPECT_EQ(s.Picture(20, 2, 21, 10),
                  (std::vector<std::string>{".", ".", "#", "#", "#", "R", "R", "R"}))
            << r.name;
    }
}

// Arc: anticlockwise on screen from the start ray to the end ray.
TEST(DcArc, Quadrants) {
    Surface s(21, 21);
    s.dc.Arc(0, 0, 21, 21, 20, 10, 10, 0); // right to up: the top-right quarter
    for (const auto& p : s.PixelsOf(kBlack)) {
        EXPECT_GE(p.first, 10);
        EXPECT_LE(p.second, 10);
    }
    EXPECT_EQ(s.At(20, 10), kBlack);
    EXPECT_EQ(s.At(10, 0), kBlack);
    Surface t(21, 21);
    t.dc.Arc(0, 0, 21, 21, 10, 0, 20, 10); // up to right: three quarters
    EXPECT_EQ(t.At(0, 10), kBlack);
    EXPECT_EQ(t.At(10, 20), kBlack);
    EXPECT_EQ(t.Count(kBlack) + s.Count(kBlack), [] {
        Surface e(21, 21);
        e.dc.SelectObject(CBrush::Null());
        e.dc.Ellipse(0, 0, 21, 21);
        return e.Count(kBlack) + 2; // both ends lie on both arcs
    }());
}

// Equal rays give the whole ellipse.
TEST(DcArc, EqualRaysWhole) {
    Surface a(21, 21), e(21, 21);
    a.dc.Arc(0, 0, 21, 21, 20, 10, 20, 10);
    e.dc.SelectObject(CBrush::Null());
    e.dc.Ellipse(0, 0, 21, 21);
    EXPECT_EQ(a.img, e.img);
}

// Pie: the quarter between the rays filled, radii drawn with the pen.
TEST(DcArc, Pie) {
    Surface s(21, 21);
    s.dc.SelectObject(CBrush(kRed));
    s.dc.Pie(0, 0, 21, 21, 20, 10, 10, 0);
    EXPECT_EQ(s.At(14, 6), kRed);
    EXPECT_EQ(s.At(6, 14), kWhite);
    EXPECT_EQ(s.At(6, 6), kWhite);
    EXPECT_EQ(s.At(15, 10), kBlack); // radius along row 10
    EXPECT_EQ(s.At(10, 5), kBlack);  // radius along column 10
}

// Chord: the part beyond the chord x - y = 10 filled.
TEST(DcArc, Chord) {
    Surface s(21, 21);
    s.dc.SelectObject(CBrush(kRed));
    s.dc.Chord(0, 0, 21, 21, 20, 10, 10, 0);
    EXPECT_EQ(s.At(17, 4), kRed);
    EXPECT_EQ(s.At(13, 7), kWhite);
    EXPECT_EQ(s.At(15, 5), kBlack); // on the chord
    EXPECT_EQ(s.At(5, 15), kWhite);
}

// --- Polygons ---------------------------------------------------------------------

// Pixel centres inside the triangle (0,0) (8,0) (0,8): x + y <= 6.
TEST(DcPolygon, TriangleFill) {
    Surface s(10, 10);
    s.dc.SelectObject(CPen(PS_NULL, 0, 0));
    s.dc.SelectObject(CBrush(kRed));
    const CPoint tri[] = {{0, 0}, {8, 0}, {0, 8}};
    s.dc.Polygon(tri, 3);
    Pixels want;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            if (x + y <= 6) want.insert({x, y});
    EXPECT_EQ(s.PixelsOf(kRed), want);
}

// A rectangle polygon fills what FillSolidRect fills; with a pen it equals
// Rectangle one pixel wider and higher.
TEST(DcPolygon, RectangleEquivalents) {
    Surface p(12, 10), f(12, 10);
    p.dc.SelectObject(CPen(PS_NULL, 0, 0));
    p.dc.SelectObject(CBrush(kRed));
    const CPoint quad[] = {{2, 3}, {9, 3}, {9, 7}, {2, 7}};
    p.dc.Polygon(quad, 4);
    f.dc.FillSolidRect(2, 3, 7, 4, kRed);
    EXPECT_EQ(p.img, f.img);
    Surface q(12, 10), r(12, 10);
    q.dc.SelectObject(CBrush(kRed));
    q.dc.Polygon(quad, 4);
    r.dc.SelectObject(CBrush(kRed));
    r.dc.Rectangle(2, 3, 10, 8);
    EXPECT_EQ(q.img, r.img);
}

// Alternate rule: a square inside a square, joined by a doubled edge, is a hole.
TEST(DcPolygon, AlternateFill) {
    Surface s(12, 12);
    s.dc.SelectObject(CPen(PS_NULL, 0, 0));
    s.dc.SelectObject(CBrush(kRed));
    const CPoint pts[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                          {3, 3}, {7, 3},  {7, 7},   {3, 7},  {3, 3}};
    s.dc.Polygon(pts, 10);
    Pixels want;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            if (!(x >= 3 && x < 7 && y >= 3 && y < 7)) want.insert({x, y});
    EXPECT_EQ(s.PixelsOf(kRed), want);
}

// Huge polygons are bounded by the clip.
TEST(DcPolygon, HugeCoordinates) {
    Surface s(30, 30);
    s.dc.SelectObject(CBrush(kRed));
    const CPoint pts[] = {{-10000000, -10000000}, {10000000, -10000000}, {0, 10000000}};
    s.dc.Polygon(pts, 3);
    EXPECT_EQ(s.Count(kRed), 900);
}

// --- Flood fill -------------------------------------------------------------------

// Border fill inside an ellipse outline gives the filled ellipse.
TEST(DcFlood, StopsAtEllipse) {
    Surface s(40, 30), e(40, 30);
    s.dc.SelectObject(CBrush::Null());
    s.dc.Ellipse(5, 5, 35, 25);
    s.dc.SelectObject(CBrush(kRed));
    EXPECT_TRUE(s.dc.FloodFill(20, 15, kBlack));
    e.dc.SelectObject(CBrush(kRed));
    e.dc.Ellipse(5, 5, 35, 25);
    EXPECT_EQ(s.img, e.img);
}

// A one-pixel diagonal line holds a 4-connected fill.
TEST(DcFlood, DiagonalLineHolds) {
    Surface s(20, 20);
    Line(s.dc, 0, 19, 20, -1);
    s.dc.SelectObject(CBrush(kRed));
    EXPECT_TRUE(s.dc.FloodFill(0, 0, kBlack));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const COLORREF want = x + y < 19 ? kRed : x + y == 19 ? kBlack : kWhite;
            ASSERT_EQ(s.At(x, y), want) << x << "," << y;
        }
}

// The fill stops at the clip rectangle; a start outside it or on the border fails.
TEST(DcFlood, BoundedByClip) {
    Surface s(20, 20);
    s.dc.SetClipRect(CRect(0, 0, 10, 10));
    s.dc.SelectObject(CBrush(kRed));
    EXPECT_TRUE(s.dc.FloodFill(2, 2, kBlack));
    EXPECT_EQ(s.Count(kRed), 100);
    EXPECT_EQ(s.At(10, 2), kWhite);
    EXPECT_FALSE(s.dc.FloodFill(15, 15, kBlack));
    Surface b(5, 5, kBlack);
    b.dc.SelectObject(CBrush(kRed));
    EXPECT_FALSE(b.dc.FloodFill(2, 2, kBlack));
    EXPECT_EQ(b.Count(kRed), 0);
}

// Surface mode replaces the connected area of one colour only.
TEST(DcFlood, SurfaceMode) {
    Surface s(20, 10);
    s.dc.FillSolidRect(CRect(1, 1, 6, 6), kBlue);
    s.dc.FillSolidRect(CRect(10, 1, 15, 6), kBlue);
    s.dc.SelectObject(CBrush(kRed));
    EXPECT_TRUE(s.dc.ExtFloodFill(3, 3, kBlue, FLOODFILLSURFACE));
    EXPECT_EQ(s.Count(kRed), 25);
    EXPECT_EQ(s.Count(kBlue), 25);
    EXPECT_FALSE(s.dc.ExtFloodFill(0, 0, kBlue, FLOODFILLSURFACE)); // white start
}

// A brush of the border colour still ends (every pixel is visited once).
TEST(DcFlood, BrushOfBorderColour) {
    Surface s(30, 30);
    s.dc.SelectObject(CBrush(kBlack));
    EXPECT_TRUE(s.dc.FloodFill(5, 5, kBlack));
    EXPECT_EQ(s.Count(kBlack), 900);
}

// --- Raster operations ---------------------------------------------------------------

namespace {

// Every pen-drawn primitive, at an offset.
const std::vector<std::function<void(CDC&)>>& PenShapes() {
    static const std::vector<std::function<void(CDC&)>> shapes = {
        [](CDC& dc) { Line(dc, 1, 1, 27, 13); },
        [](CDC& dc) {
            const CPoint pts[] = {{2, 2}, {20, 4}, {6, 18}, {25, 25}};
            dc.Polyline(pts, 4);
        },
        [](CDC& dc) { dc.Rectangle(3, 3, 20, 15); },
        [](CDC& dc) { dc.Ellipse(2, 4, 27, 25); },
        [](CDC& dc) {
            const CPoint pts[] = {{2, 2}, {25, 6}, {12, 26}};
            dc.Polygon(pts, 3);
        },
        [](CDC& dc) { dc.Arc(2, 2, 26, 26, 25, 14, 2, 2); },
        [](CDC& dc) { dc.Pie(2, 2, 26, 26, 25, 14, 2, 2); },
        [](CDC& dc) { dc.Chord(2, 2, 26, 26, 25, 14, 2, 2); },
    };
    return shapes;
}

QImage Pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * 9, y * 7, (x * y) & 255));
    return img;
}

} // namespace

// XOR drawn twice restores the picture, for thin and wide pens.
TEST(DcRop, XorTwiceRestores) {
    for (int width : {1, 3}) {
        for (const auto& shape : PenShapes()) {
            QImage img = Pattern(30, 30);
            const QImage before = img;
            CDC dc(&img);
            dc.SetROP2(R2_XORPEN);
            dc.SelectObject(CPen(PS_SOLID, width, RGB(200, 100, 50)));
            dc.SelectObject(CBrush::Null());
            shape(dc);
            EXPECT_NE(img, before);
            shape(dc);
            EXPECT_EQ(img, before) << "width " << width;
        }
    }
}

// XOR leaves no pixel of a closed one-pixel outline cancelled.
TEST(DcRop, XorOutlineCorners) {
    Surface s(10, 10);
    s.dc.SetROP2(R2_XORPEN);
    s.dc.SelectObject(CPen(PS_SOLID, 1, kRed));
    s.dc.SelectObject(CBrush::Null());
    s.dc.Rectangle(1, 1, 6, 6);
    const COLORREF cyan = RGB(0, 255, 255);
    EXPECT_EQ(s.Count(cyan), 16);
    EXPECT_EQ(s.At(1, 1), cyan);
    EXPECT_EQ(s.At(5, 5), cyan);
}

// NOT inverts; NOTXORPEN of red over white is red; the old mode is returned.
TEST(DcRop, NotAndNotXor) {
    Surface s(10, 3);
    EXPECT_EQ(s.dc.SetROP2(R2_NOT), R2_COPYPEN);
    Line(s.dc, 0, 0, 10, 0);
    EXPECT_EQ(s.At(4, 0), kBlack);
    Line(s.dc, 0, 0, 10, 0);
    EXPECT_EQ(s.At(4, 0), kWhite);
    s.dc.SetROP2(R2_NOTXORPEN);
    s.dc.SelectObject(CPen(PS_SOLID, 1, kRed));
    Line(s.dc, 0, 1, 10, 1);
    EXPECT_EQ(s.At(4, 1), kRed);
    EXPECT_EQ(s.dc.SetROP2(99), R2_NOTXORPEN); // ignored
    EXPECT_EQ(s.dc.GetROP2(), R2_NOTXORPEN);
}

// --- Pixels, clipping and the viewport origin -------------------------------------------

// GetPixel and SetPixel answer CLR_INVALID outside the clip or the image.
TEST(DcPixel, OutsideIsInvalid) {
    Surface s(10, 10);
    EXPECT_EQ(s.dc.SetPixel(3, 4, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(s.img.pixel(3, 4), 0xFF010203u);
    EXPECT_EQ(s.dc.GetPixel(3, 4), RGB(1, 2, 3));
    EXPECT_EQ(s.dc.GetPixel(-1, 0), CLR_INVALID);
    EXPECT_EQ(s.dc.GetPixel(10, 0), CLR_INVALID);
    EXPECT_EQ(s.dc.GetPixel(0, 2000000000), CLR_INVALID);
    s.dc.SetClipRect(CRect(2, 2, 5, 5));
    EXPECT_EQ(s.dc.GetPixel(6, 6), CLR_INVALID);
    EXPECT_EQ(s.dc.SetPixel(6, 6, kRed), CLR_INVALID);
    EXPECT_EQ(s.At(6, 6), kWhite);
    s.dc.SetViewportOrg(1, 1);
    EXPECT_EQ(s.dc.GetPixel(2, 3), RGB(1, 2, 3));
}

// A copy of the image taken while the DC lives keeps its pixels; the DC keeps
// drawing on its own image, also after text (whose painter detaches the copy).
TEST(DcPixel, ImageCopiedMeanwhile) {
    Surface s(40, 20);
    const QImage before = s.img;
    s.dc.SetPixel(1, 1, kRed);
    EXPECT_EQ(before.pixel(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(s.At(1, 1), kRed);
    const QImage shown = s.img;
    s.dc.TextOut(2, 2, Gbk(u8"中"));
    s.dc.SetPixel(30, 10, kBlue);
    s.dc.FillSolidRect(35, 0, 2, 2, kBlue);
    EXPECT_EQ(s.At(30, 10), kBlue);
    EXPECT_EQ(s.At(35, 0), kBlue);
    EXPECT_EQ(shown.pixel(30, 10), 0xFFFFFFFFu);
    EXPECT_EQ(s.dc.GetPixel(30, 10), kBlue);
}

// A null image draws nothing and answers CLR_INVALID.
TEST(DcPixel, NullImage) {
    QImage none;
    CDC dc(&none);
    EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);
    EXPECT_EQ(dc.SetPixel(0, 0, kRed), CLR_INVALID);
    dc.LineTo(10, 10);
    dc.Rectangle(0, 0, 5, 5);
    dc.Ellipse(0, 0, 5, 5);
    const CPoint pts[] = {{0, 0}, {5, 0}, {0, 5}};
    dc.Polygon(pts, 3);
    EXPECT_FALSE(dc.FloodFill(1, 1, kBlack));
    EXPECT_TRUE(dc.TextOut(0, 0, "ab"));
    EXPECT_TRUE(none.isNull());
}

// The clip box is the clip rectangle in logical coordinates.
TEST(DcPixel, ClipBox) {
    Surface s(40, 30);
    s.dc.SetClipRect(CRect(5, 5, 15, 50));
    EXPECT_EQ(s.dc.GetClipRect(), CRect(5, 5, 15, 30));
    s.dc.SetViewportOrg(3, 2);
    CRect box;
    EXPECT_EQ(s.dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(2, 3, 12, 28));
    s.dc.SetClipRect(CRect(50, 50, 60, 60));
    EXPECT_EQ(s.dc.GetClipBox(&box), NULLREGION);
}

namespace {

// Every primitive, drawing at logical offset (dx, dy) over most of a 40x40 area.
const std::vector<std::function<void(CDC&, int, int)>>& AllPrimitives() {
    static const std::vector<std::function<void(CDC&, int, int)>> all = {
        [](CDC& dc, int dx, int dy) { Line(dc, dx - 5, dy + 1, dx + 45, dy + 39); },
        [](CDC& dc, int dx, int dy) {
            CPenSelect pen(&dc, CPen(PS_SOLID, 4, kBlack));
            Line(dc, dx + 40, dy, dx, dy + 40);
        },
        [](CDC& dc, int dx, int dy) {
            const CPoint pts[] = {{dx, dy}, {dx + 39, dy + 3}, {dx + 2, dy + 38}};
            dc.Polyline(pts, 3);
        },
        [](CDC& dc, int dx, int dy) { dc.Rectangle(dx - 2, dy + 3, dx + 41, dy + 37); },
        [](CDC& dc, int dx, int dy) { dc.Ellipse(dx, dy, dx + 40, dy + 40); },
        [](CDC& dc, int dx, int dy) {
            const CPoint pts[] = {{dx, dy}, {dx + 40, dy + 5}, {dx + 20, dy + 40}};
            dc.Polygon(pts, 3);
        },
        [](CDC& dc, int dx, int dy) {
            dc.Arc(dx + 5, dy + 5, dx + 30, dy + 36, dx + 40, dy + 20, dx + 17, dy);
        },
        [](CDC& dc, int dx, int dy) { dc.Pie(dx, dy, dx + 40, dy + 40, dx + 40, dy, dx, dy); },
        [](CDC& dc, int dx, int dy) { dc.Chord(dx, dy, dx + 40, dy + 40, dx, dy, dx + 40, dy); },
        [](CDC& dc, int dx, int dy) { dc.FillSolidRect(dx + 1, dy + 1, 38, 37, kBlue); },
        [](CDC& dc, int dx, int dy) { dc.FillRect(CRect(dx, dy, dx + 40, dy + 40), CBrush(kRed)); },
        [](CDC& dc, int dx, int dy) {
            for (int i = 0; i < 40; ++i) dc.SetPixel(dx + i, dy + (i * 7) % 40, kRed);
        },
        [](CDC& dc, int dx, int dy) { dc.FloodFill(dx + 20, dy + 20, kBlack); },
        [](CDC& dc, int dx, int dy) {
            LOGFONT lf;
            lf.lfHeight = -30;
            CFontSelect font(&dc, lf);
            dc.TextOut(dx - 3, dy + 4, Gbk(u8"中文字"));
        },
        [](CDC& dc, int dx, int dy) {
            QImage pic(3, 3, QImage::Format_RGB32);
            pic.fill(Qt::blue);
            pic.setPixel(1, 1, qRgb(255, 0, 0));
            dc.DrawImage(CRect(dx, dy, dx + 40, dy + 40), pic);
        },
    };
    return all;
}

} // namespace

// Nothing is drawn outside the clip rectangle, and something inside it.
TEST(DcClip, EveryPrimitiveRespectsClip) {
    const CRect clip(8, 6, 27, 31);
    for (std::size_t i = 0; i < AllPrimitives().size(); ++i) {
        Surface s(40, 40);
        s.dc.SetClipRect(clip);
        s.dc.SelectObject(CBrush(kRed));
        AllPrimitives()[i](s.dc, 0, 0);
        bool changedInside = false;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                if (!clip.PtInRect(CPoint(x, y))) {
                    ASSERT_EQ(s.At(x, y), kWhite) << "primitive " << i << " at " << x << "," << y;
                } else if (s.At(x, y) != kWhite) {
                    changedInside = true;
                }
            }
        EXPECT_TRUE(changedInside) << "primitive " << i;
    }
}

// Drawing at logical (x, y) with origin (ox, oy) equals drawing at (x+ox, y+oy).
TEST(DcClip, EveryPrimitiveUsesViewportOrigin) {
    for (std::size_t i = 0; i < AllPrimitives().size(); ++i) {
        Surface a(60, 60), b(60, 60);
        a.dc.SetViewportOrg(7, 5);
        a.dc.SelectObject(CBrush(kRed));
        AllPrimitives()[i](a.dc, 3, 4);
        b.dc.SelectObject(CBrush(kRed));
        AllPrimitives()[i](b.dc, 10, 9);
        EXPECT_EQ(a.img, b.img) << "primitive " << i;
    }
}

// Pictures scale without smoothing into the logical rectangle.
TEST(DcPicture, NearestNeighbour) {
    QImage pic(2, 2, QImage::Format_ARGB32);
    pic.setPixel(0, 0, qRgb(255, 0, 0));
    pic.setPixel(1, 0, qRgb(0, 0, 255));
    pic.setPixel(0, 1, qRgb(0, 0, 0));
    pic.setPixel(1, 1, qRgb(255, 255, 255));
    Surface s(6, 6);
    s.dc.SetViewportOrg(1, 1);
    s.dc.DrawImage(CRect(0, 0, 4, 4), pic);
    const std::vector<std::string> want = {"......", ".RRBB.", ".RRBB.",
                                           ".##...", ".##...", "......"};
    EXPECT_EQ(s.Picture(0, 0, 6, 6), want);
}

// One to one, cut by the clip here and by the source image there; the
// source's viewport origin applies to the source coordinates.
TEST(DcPicture, BitBltCopiesWithinClipAndSource) {
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(3, 2));
    EXPECT_EQ(bitmap.GetSize(), CSize(3, 2));
    CDC mem(&bitmap);
    mem.SetPixel(0, 0, kRed);
    mem.SetPixel(2, 1, kBlue);
    mem.SetViewportOrg(-10, -20);
    Surface s(6, 4);
    s.dc.SetClipRect(CRect(0, 0, 4, 4));
    EXPECT_TRUE(s.dc.BitBlt(1, 1, 5, 5, &mem, 10, 20, SRCCOPY));
    const std::vector<std::string> want = {"......", ".R##..", ".##B..", "......"};
    EXPECT_EQ(s.Picture(0, 0, 6, 4), want);
    EXPECT_FALSE(s.dc.BitBlt(0, 0, 2, 2, &mem, 10, 20, 0)); // only SRCCOPY
    // Each row from the source row the map names; a row the source lacks
    // stays its own.
    const struct {
        int rows[2];
        std::vector<std::string> want;
    } maps[] = {{{0, 0}, {"......", ".R##..", ".R##..", "......"}},
                {{1, 0}, {"......", ".##B..", ".R##..", "......"}},
                {{0, 7}, {"......", ".R##..", ".##B..", "......"}}};
    for (const auto& m : maps) {
        Surface t(6, 4);
        t.dc.SetClipRect(CRect(0, 0, 4, 4));
        EXPECT_TRUE(t.dc.BitBltRows(1, 1, 5, 5, &mem, 10, 20, m.rows, 2));
        EXPECT_EQ(t.Picture(0, 0, 6, 4), m.want);
    }
    EXPECT_FALSE(bitmap.CreateBitmap(0, 5));
    EXPECT_EQ(bitmap.GetSize(), CSize(0, 0));
}

// Each destination pixel takes the source pixel its top-left corner falls
// in; destination pixels whose source lies outside the source image stay.
TEST(DcPicture, StretchBltNearestNeighbour) {
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(2, 1));
    CDC mem(&bitmap);
    mem.SetPixel(0, 0, kRed);
    mem.SetPixel(1, 0, kBlue);
    Surface s(7, 4);
    s.dc.SetViewportOrg(1, 0);
    EXPECT_TRUE(s.dc.StretchBlt(0, 1, 4, 2, &mem, 0, 0, 2, 1, SRCCOPY));
    EXPECT_TRUE(s.dc.StretchBlt(4, 0, 2, 1, &mem, 1, 0, 2, 1, SRCCOPY)); // half outside
    const std::vector<std::string> want = {".....B.", ".RRBB..", ".RRBB..", "......."};
    EXPECT_EQ(s.Picture(0, 0, 7, 4), want);
}

// --- Text -------------------------------------------------------------------------

namespace {

LOGFONT Font(int height, int width = 0, const char* utf8Face = u8"宋体") {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.SetFaceName(Gbk(utf8Face).c_str());
    return lf;
}

// The smallest rectangle holding every pixel of colour c.
CRect InkBox(const Surface& s, COLORREF c) {
    CRect box(1 << 30, 1 << 30, -(1 << 30), -(1 << 30));
    for (const auto& p : s.PixelsOf(c)) {
        box.left = std::min(box.left, p.first), box.right = std::max(box.right, p.first + 1);
        box.top = std::min(box.top, p.second), box.bottom = std::max(box.bottom, p.second + 1);
    }
    return box;
}

} // namespace

// The ink box a text reports is the box of the pixels its drawing sets.
TEST(DcText, InkBoxHoldsWhatTheTextSets) {
    struct Case {
        const char* text;
        LOGFONT font;
    };
    LOGFONT italic = Font(-18), bold = Font(-22, 0, u8"黑体");
    italic.lfItalic = 1;
    bold.lfWeight = FW_BOLD;
    const Case cases[] = {{"x", Font(-20)},      {"z", Font(-14, 7)},   {u8"B^2-AC=", Font(-16)},
                          {u8"中文", Font(-20)}, {u8"(r,θ,z)", italic}, {"y", bold}};
    for (const Case& c : cases) {
        Surface s(160, 60);
        s.dc.SelectObject(c.font);
        s.dc.SetBkMode(TRANSPARENT);
        s.dc.SetTextColor(kBlack);
        s.dc.TextOut(20, 10, Gbk(c.text));
        CRect ink = s.dc.GetTextInk(Gbk(c.text));
        ink.OffsetRect(20, 10);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ink, InkBox(s, kBlack));
    }
}

// Text drawn twice over itself stays the same: no grey edges to accumulate.
TEST(DcText, NoAntialiasing) {
    Surface s(120, 40);
    s.dc.SelectObject(Font(-20));
    s.dc.SetBkMode(TRANSPARENT);
    s.dc.TextOut(2, 2, Gbk(u8"Ab中文"));
    const QImage once = s.img;
    s.dc.TextOut(2, 2, Gbk(u8"Ab中文"));
    EXPECT_EQ(s.img, once);
    EXPECT_EQ(s.Count(kBlack) + s.Count(kWhite), 120 * 40);
    EXPECT_GT(s.Count(kBlack), 40);
}

// A Chinese GBK string draws inside its cell box, from the top-left point.
TEST(DcText, ChineseInsideCell) {
    Surface s(100, 50);
    s.dc.SelectObject(Font(-24));
    s.dc.SetBkMode(TRANSPARENT);
    const CString text = Gbk(u8"数学");
    const CSize ext = s.dc.GetTextExtent(text);
    EXPECT_GE(ext.cx, 44);
    EXPECT_LE(ext.cx, 52);
    EXPECT_GE(ext.cy, 24);
    s.dc.TextOut(10, 8, text);
    EXPECT_GT(s.Count(kBlack), 60);
    const CRect ink = InkBox(s, kBlack);
    EXPECT_GE(ink.left, 10);
    EXPECT_GE(ink.top, 8);
    EXPECT_LE(ink.right, 10 + ext.cx);
    EXPECT_LE(ink.bottom, 8 + ext.cy);
}

// Opaque mode fills the cell box with the background colour; transparent does not.
TEST(DcText, OpaqueAndTransparent) {
    Surface t(80, 40, kBlue), o(80, 40, kBlue);
    for (Surface* s : {&t, &o}) {
        s->dc.SelectObject(Font(-20));
        s->dc.SetTextColor(kBlack);
        s->dc.SetBkColor(kRed);
    }
    t.dc.SetBkMode(TRANSPARENT);
    o.dc.SetBkMode(OPAQUE);
    const CString text = Gbk(u8"x中");
    const CSize ext = o.dc.GetTextExtent(text);
    t.dc.TextOut(5, 5, text);
    o.dc.TextOut(5, 5, text);
    EXPECT_EQ(t.Count(kRed), 0);
    EXPECT_EQ(t.Count(kBlue) + t.Count(kBlack), 80 * 40);
    EXPECT_EQ(o.Count(kRed) + o.Count(kBlack), ext.cx * ext.cy);
    EXPECT_EQ(InkBox(o, kRed).Union(InkBox(o, kBlack)), CRect(5, 5, 5 + ext.cx, 5 + ext.cy));
    EXPECT_EQ(o.Count(kBlack), t.Count(kBlack));
}

// lfWidth stretches the text horizontally: twice the width, about twice as wide.
TEST(DcText, WidthStretches) {
    Surface s(400, 40);
    const CString text = Gbk(u8"函数f(x)");
    s.dc.SelectObject(Font(18, 8));
    const CSize narrow = s.dc.GetTextExtent(text);
    s.dc.SelectObject(Font(18, 16));
    const CSize wide = s.dc.GetTextExtent(text);
    EXPECT_GT(wide.cx, narrow.cx * 17 / 10);
    EXPECT_LT(wide.cx, narrow.cx * 23 / 10);
    EXPECT_EQ(wide.cy, narrow.cy);
    // A Chinese character is about two half-width cells.
    s.dc.SelectObject(Font(18, 9));
    const int han = s.dc.GetTextExtent(Gbk(u8"中")).cx;
    EXPECT_GE(han, 16);
    EXPECT_LE(han, 20);
    s.dc.SetBkMode(TRANSPARENT);
    s.dc.SelectObject(Font(18, 8));
    s.dc.TextOut(0, 0, text);
    const int inkNarrow = InkBox(s, kBlack).Width();
    s.img.fill(Qt::white);
    s.dc.SelectObject(Font(18, 16));
    s.dc.TextOut(0, 0, text);
    EXPECT_GT(InkBox(s, kBlack).Width(), inkNarrow * 3 / 2);
}

// A half-full gap widens the text by one gap where a half-width letter or
// digit meets a full-width character (counted by hand), and moves the ink
// of what follows about that far right.
struct HalfFullGapCase {
    const char* text;
    int gaps;
};
constexpr HalfFullGapCase kHalfFullGaps[] = {
    {u8"m增", 1},  {u8"增m", 1}, {u8"a增b", 2},   {u8"x0左移", 1}, {u8"N趋于M", 2},
    {u8"增加", 0}, {u8"abc", 0}, {u8"|△x|增", 1}, {u8"+∞", 0},     {u8"(增)", 0},
};

TEST(DcText, HalfFullGapAtLetterAndCharacter) {
    for (const HalfFullGapCase& c : kHalfFullGaps) {
        SCOPED_TRACE(c.text);
        Surface plain(200, 40), gapped(200, 40);
        LOGFONT lf = Font(15, 6);
        plain.dc.SelectObject(lf);
        lf.lfHalfFullGap = 3;
        gapped.dc.SelectObject(lf);
        const CString text = Gbk(c.text);
        EXPECT_EQ(gapped.dc.GetTextExtent(text).cx, plain.dc.GetTextExtent(text).cx + 3 * c.gaps);
        for (Surface* s : {&plain, &gapped}) {
            s->dc.SetBkMode(TRANSPARENT);
            s->dc.TextOut(10, 10, text);
        }
        // Pieces drawn apart start on whole pixels: a glyph may fall a
        // pixel from where the whole text put it.
        EXPECT_NEAR(InkBox(gapped, kBlack).right, InkBox(plain, kBlack).right + 3 * c.gaps, 1);
        EXPECT_EQ(gapped.Count(kBlack), plain.Count(kBlack));
    }
}

// Font sizes: negative is the character height, positive the cell height.
TEST(DcText, LogFontHeights) {
    EXPECT_EQ(FontFromLogFont(Font(-20)).pixelSize(), 20);
    EXPECT_EQ(FontFromLogFont(Font(0)).pixelSize(), 16);
    const DcFont& cell = CachedFont(Font(18));
    EXPECT_EQ(cell.nAscent + cell.nDescent, 18);
    EXPECT_LE(QFontMetrics(cell.font).height(), 18);
    LOGFONT lf = Font(-16);
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    const QFont f = FontFromLogFont(lf);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.italic());
    lf.lfWeight = 500;
    EXPECT_FALSE(FontFromLogFont(lf).bold());
    EXPECT_TRUE(FontFromLogFont(lf).styleStrategy() & QFont::NoAntialias);
}

// Absurd sizes are capped instead of exhausting memory.
TEST(DcText, AbsurdSizesCapped) {
    EXPECT_LE(FontFromLogFont(Font(-2000000000)).pixelSize(), 2000);
    EXPECT_LE(FontFromLogFont(Font(-2147483647 - 1)).pixelSize(), 2000);
    const QFont f = FontFromLogFont(Font(-16, 2000000000));
    EXPECT_LE(f.stretch(), 4000);
    EXPECT_GE(f.stretch(), 1);
}

// The page faces map to the installed Chinese families.
TEST(DcText, FaceSubstitutions) {
    const QStringList families = QFontDatabase::families();
    if (!families.contains("AR PL UMing CN") || !families.contains("AR PL UKai CN") ||
        !families.contains("WenQuanYi Micro Hei"))
        GTEST_SKIP() << "Chinese fonts not installed";
    EXPECT_EQ(ResolveFaceName(Gbk(u8"宋体").c_str()), "AR PL UMing CN");
    EXPECT_EQ(ResolveFaceName(Gbk(u8"仿宋").c_str()), "AR PL UMing CN");
    EXPECT_EQ(ResolveFaceName(Gbk(u8"楷体").c_str()), "AR PL UKai CN");
    EXPECT_EQ(ResolveFaceName(Gbk(u8"隶书").c_str()), "AR PL UKai CN");
    EXPECT_EQ(ResolveFaceName(Gbk(u8"黑体").c_str()), "WenQuanYi Micro Hei");
    EXPECT_EQ(ResolveFaceName(Gbk(u8"幼圆").c_str()), "WenQuanYi Micro Hei");
    EXPECT_EQ(ResolveFaceName("SimHei"), "WenQuanYi Micro Hei");
    EXPECT_EQ(ResolveFaceName("No Such Face"), "AR PL UMing CN");
    EXPECT_EQ(ResolveFaceName(""), "AR PL UMing CN");
}

// A face that is not installed still draws Chinese text.
TEST(DcText, MissingFaceDraws) {
    Surface s(100, 40);
    s.dc.SelectObject(Font(-20, 0, "No Such Face"));
    s.dc.SetBkMode(TRANSPARENT);
    s.dc.TextOut(2, 2, Gbk(u8"中文"));
    EXPECT_GT(s.Count(kBlack), 40);
}

// Escapement 90 degrees: the text runs upwards from its origin.
TEST(DcText, Escapement) {
    Surface s(60, 120);
    LOGFONT lf = Font(-20);
    lf.lfEscapement = 900;
    s.dc.SelectObject(lf);
    s.dc.SetBkMode(TRANSPARENT);
    const CString text = Gbk(u8"中文字");
    const CSize ext = s.dc.GetTextExtent(text);
    s.dc.TextOut(10, 100, text);
    const CRect ink = InkBox(s, kBlack);
    EXPECT_GT(ink.Height(), 2 * ink.Width());
    EXPECT_LE(ink.bottom, 101);
    EXPECT_GE(ink.top, 100 - ext.cx - 1);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + ext.cy + 1);
}

// Bad arguments and far-away text are harmless.
TEST(DcText, EdgeCases) {
    Surface s(40, 20);
    s.dc.SelectObject(Font(-16));
    EXPECT_FALSE(s.dc.TextOut(0, 0, nullptr, 3));
    EXPECT_FALSE(s.dc.TextOut(0, 0, "ab", -1));
    EXPECT_TRUE(s.dc.TextOut(0, 0, "ab", 0));
    EXPECT_TRUE(s.dc.TextOut(2000000000, -2000000000, Gbk(u8"中文")));
    const std::string lone = "\xD6"; // a lead byte without its trail byte
    EXPECT_TRUE(s.dc.TextOut(0, 0, lone));
    EXPECT_EQ(s.dc.GetTextExtent("").cx, 0);
    EXPECT_GT(s.dc.GetTextExtent("").cy, 0);
    EXPECT_EQ(s.Count(kWhite), 40 * 20);
}

// A piece measured or drawn before is measured from what was kept of it:
// its size and ink are those Qt gives it afresh (the caches off), before it
// is drawn, after it is drawn and ever after.
TEST(DcText, KeptMeasuresAreTheFreshOnes) {
    const struct {
        const char* utf8;
        int height, width;
    } kPieces[] = {
        {"2.50", -16, 0},  {"-1.794225", 18, 8}, {u8"λ=", -20, 0},
        {u8"数学", 24, 0}, {u8"×", 18, 9},       {"", -16, 0},
    };
    for (const auto& p : kPieces) {
        SCOPED_TRACE(p.utf8);
        Surface s(300, 60);
        s.dc.SelectObject(Font(p.height, p.width));
        const CString text = Gbk(p.utf8);
        SetDrawingCachesEnabled(false);
        const CSize fresh = s.dc.GetTextExtent(text);
        const CRect freshInk = s.dc.GetTextInk(text);
        SetDrawingCachesEnabled(true);
        EXPECT_EQ(s.dc.GetTextExtent(text), fresh);
        EXPECT_EQ(s.dc.GetTextExtent(text), fresh);
        s.dc.TextOut(4, 4, text);
        EXPECT_EQ(s.dc.GetTextExtent(text), fresh);
        EXPECT_EQ(s.dc.GetTextInk(text), freshInk);
    }
}

// A pass whose pixels a later pass paints over draws nothing at all, yet
// measures text as ever; afterwards the DC draws again.
TEST(DcDiscard, DrawsNothingAndMeasuresAsEver) {
    Surface s(40, 20);
    const CSize extent = s.dc.GetTextExtent("ab");
    s.dc.SetDrawingDiscarded(true);
    s.dc.SelectObject(CPen(PS_SOLID, 3, kRed));
    s.dc.MoveTo(1, 1);
    s.dc.LineTo(30, 15);
    s.dc.FillSolidRect(CRect(0, 0, 10, 10), kBlack);
    s.dc.DotStroke(CPoint(5, 5), CPoint(20, 8), kRed);
    EXPECT_FALSE(s.dc.Direct().Box(CRect(2, 2, 4, 4), kRed));
    s.dc.SetPixel(3, 3, kBlack);
    s.dc.TextOut(0, 0, "ab");
    EXPECT_EQ(s.dc.GetTextExtent("ab"), extent);
    EXPECT_EQ(s.Count(kWhite), 40 * 20);
    s.dc.SetDrawingDiscarded(false);
    s.dc.FillSolidRect(CRect(0, 0, 10, 10), kBlack);
    EXPECT_EQ(s.Count(kBlack), 100);
}
