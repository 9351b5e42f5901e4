// The colour planes: rows of pixels iterated several at a time end every
// pixel as the one-pixel iteration does, and the sample pages 351 and 353
// leave undecided as many pixels as the textbook escape-time iteration over
// the page's own pixel grid (numpy, every pixel to its end).
#include "calculus/math/complex_iteration.h"
#include "calculus/math/escape_rows.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

using calculus::Complex;
using calculus::IterationEnd;
using namespace test_support;

TEST(ColourPlaneMath, RowsEndEveryPixelAsTheOnePixelIterationDoes) {
    struct Row {
        int plane;
        Complex A, B, C;
        int limit;
        double eps, M;
    };
    // Z² + C over C and over z0, and the three presets' planes.
    const Row rows[] = {
        {4, {1, 0}, {0, 0}, {0, 0}, 200, 0.1, 1e8},
        {1, {1, 0}, {0, 0}, {-0.75, 0.1}, 100, 1e-7, 1e6},
        {1, {0.4, 0.3}, {-0.4, 0.4}, {1.0, 0.8}, 300, 1e-7, 1e6},
        {2, {0, 0}, {0, 0}, {1.0, 0}, 300, 1e-7, 1e6},
        {3, {-0.6, 0}, {0, 0}, {0.8, 0.9}, 300, 1e-7, 1e6},
        {4, {0.8, 0.6}, {0.3, 0.7}, {0, 0}, 300, 1e-7, 1e6},
        {4, {1, 0}, {0, 0}, {0, 0}, 0, 1e-7, 1e6},
    };
    std::vector<double> xs;
    for (int i = 0; i <= 160; ++i) xs.push_back(-2.2 + i * 3.4 / 160);
    std::vector<IterationEnd> out(xs.size());
    for (const Row& r : rows) {
        calculus::QuadraticRow row;
        row.plane = r.plane, row.A = r.A, row.B = r.B, row.C = r.C;
        row.limit = r.limit, row.eps = r.eps, row.M = r.M;
        for (double y = -1.3; y <= 1.3; y += 0.13) {
            calculus::IterateQuadraticRow(row, xs.data(), y, int(xs.size()), out.data());
            for (size_t i = 0; i < xs.size(); ++i) {
                Complex z, c[3] = {r.A, r.B, r.C};
                if (r.plane == 1)
                    z = {xs[i], y};
                else
                    c[r.plane - 2] = {xs[i], y};
                const IterationEnd one =
                    calculus::IterateQuadratic(z, c[0], c[1], c[2], r.limit, r.eps, r.M);
                ASSERT_EQ(out[i].steps, one.steps) << r.plane << " " << xs[i] << " " << y;
                ASSERT_EQ(out[i].settled, one.settled);
                ASSERT_EQ(out[i].escaped, one.escaped);
            }
        }
    }
    // A plane map of two quadrics, and the pair that is Z² + C in disguise.
    const auto quadric = [](const double* k, double x, double y) {
        return k[0] * x * x + k[1] * x * y + k[2] * y * y + k[3] * x + k[4] * y + k[5];
    };
    const double maps[2][12] = {{1, 0, -1, 0, 0, -0.75, 0, 2, 0, 0, 0, 0.1},
                                {0.5, 0.3, -0.8, 0.1, 0, -0.2, 0.2, 1.5, 0.1, 0, -0.3, 0.05}};
    for (const auto& m : maps) {
        calculus::QuadricMapRow row;
        for (int i = 0; i < 6; ++i) row.f[i] = m[i], row.g[i] = m[6 + i];
        row.limit = 150, row.eps = 1e-3, row.M = 1e6;
        for (double y = -1.2; y <= 1.2; y += 0.15) {
            calculus::IterateQuadricMapRow(row, xs.data(), y, int(xs.size()), out.data());
            for (size_t i = 0; i < xs.size(); ++i) {
                const IterationEnd one = calculus::IteratePlaneMap(
                    xs[i], y, 150, 1e-6, 1e12, [&](double u, double v, double* nu, double* nv) {
                        *nu = quadric(row.f, u, v), *nv = quadric(row.g, u, v);
                    });
                ASSERT_EQ(out[i].steps, one.steps) << xs[i] << " " << y;
                ASSERT_EQ(out[i].settled, one.settled);
                ASSERT_EQ(out[i].escaped, one.escaped);
            }
        }
    }
}

// A block of rows ends each pixel as the one-pixel iteration does: long
// orbits (the cycle check keeps points from step 64 on), blocks narrower than
// the orbits in flight, one step, and the plane map of two quadrics.
TEST(ColourPlaneMath, BlocksOfRowsEndEveryPixelAsTheOnePixelIterationDoes) {
    struct Block {
        int plane;
        Complex A, B, C;
        int limit;
        double eps, M;
        int cols, rows;
    };
    const Block blocks[] = {
        {4, {1, 0}, {0, 0}, {0, 0}, 3000, 1e-12, 1e6, 37, 23},
        {1, {1, 0}, {0, 0}, {-0.12, 0.75}, 2000, 1e-9, 1e6, 29, 31},
        {3, {-0.6, 0}, {0, 0}, {0.8, 0.9}, 1000, 1e-7, 1e6, 41, 7},
        {4, {1, 0}, {0, 0}, {0, 0}, 500, 0.1, 1e8, 3, 2},
        {4, {1, 0}, {0, 0}, {0, 0}, 1, 0.1, 1e8, 5, 5},
    };
    for (const Block& b : blocks) {
        std::vector<double> xs, ys;
        for (int i = 0; i < b.cols; ++i) xs.push_back(-2.2 + i * 3.4 / b.cols);
        for (int r = 0; r < b.rows; ++r) ys.push_back(1.3 - r * 2.6 / b.rows);
        calculus::QuadraticRow row;
        row.plane = b.plane, row.A = b.A, row.B = b.B, row.C = b.C;
        row.limit = b.limit, row.eps = b.eps, row.M = b.M;
        std::vector<IterationEnd> out(xs.size() * ys.size());
        calculus::IterateQuadraticRows(row, xs.data(), b.cols, ys.data(), b.rows, out.data());
        for (int r = 0; r < b.rows; ++r)
            for (int i = 0; i < b.cols; ++i) {
                Complex z, c[3] = {b.A, b.B, b.C};
                if (b.plane == 1)
                    z = {xs[size_t(i)], ys[size_t(r)]};
                else
                    c[b.plane - 2] = {xs[size_t(i)], ys[size_t(r)]};
                const IterationEnd one =
                    calculus::IterateQuadratic(z, c[0], c[1], c[2], b.limit, b.eps, b.M);
                const IterationEnd& got = out[size_t(r * b.cols + i)];
                ASSERT_EQ(got.steps, one.steps) << b.plane << " " << i << " " << r;
                ASSERT_EQ(got.settled, one.settled);
                ASSERT_EQ(got.escaped, one.escaped);
            }
    }
    calculus::QuadricMapRow map;
    const double f[6] = {0.5, 0.3, -0.8, 0.1, 0, -0.2}, g[6] = {0.2, 1.5, 0.1, 0, -0.3, 0.05};
    for (int i = 0; i < 6; ++i) map.f[i] = f[i], map.g[i] = g[i];
    map.limit = 2000, map.eps = 1e-9, map.M = 1e6;
    std::vector<double> xs, ys;
    for (int i = 0; i < 33; ++i) xs.push_back(-1.5 + i * 0.09);
    for (int r = 0; r < 19; ++r) ys.push_back(1.2 - r * 0.13);
    std::vector<IterationEnd> out(xs.size() * ys.size());
    calculus::IterateQuadricMapRows(map, xs.data(), 33, ys.data(), 19, out.data());
    const auto quadric = [](const double* k, double x, double y) {
        return k[0] * x * x + k[1] * x * y + k[2] * y * y + k[3] * x + k[4] * y + k[5];
    };
    for (int r = 0; r < 19; ++r)
        for (int i = 0; i < 33; ++i) {
            const IterationEnd one = calculus::IteratePlaneMap(
                xs[size_t(i)], ys[size_t(r)], 2000, map.eps * map.eps, map.M * map.M,
                [&](double u, double v, double* nu, double* nv) {
                    *nu = quadric(f, u, v), *nv = quadric(g, u, v);
                });
            const IterationEnd& got = out[size_t(r * 33 + i)];
            ASSERT_EQ(got.steps, one.steps) << i << " " << r;
            ASSERT_EQ(got.settled, one.settled);
            ASSERT_EQ(got.escaped, one.escaped);
        }
}

// The page after a click in its plot at 1280 x 960, where the plot spans
// the pixels 112 .. 740 across and 318 rows down (where it starts depends
// on the page text above).
class ColourPlanePageTest : public ::testing::Test {
protected:
    std::unique_ptr<CPemroView> Open(const char* topic) {
        auto v = OpenTopic(topic, nullptr, 1280, 960);
        ClickPoint(*v, CPoint((v->m_nPlotLeft + v->m_nPlotRight) / 2 - v->m_nClipLeft,
                              (v->m_nPlotTop + v->m_nPlotBottom) / 2 - v->m_nClipTop));
        return v;
    }
    // The plot's last five columns hold no undecided pixel on either page
    // (numpy), and the buttons at the plot's right edge start there. The
    // read-outs "n=", "ε=" and "M=" stand over the map, their names in its
    // colour: their cells are left out.
    static int Undecided(CPemroView& v) {
        TextRecorder text;
        v.m_pTextSink = &text;
        v.Invalidate();
        v.RenderPending();
        v.m_pTextSink = nullptr;
        QImage image = v.BackingImage().copy();
        CDC dc(&image);
        const std::set<std::string> names = {"n=", "M=", Gbk(u8"ε="), Gbk(u8"10^6ε=")};
        const auto& pieces = text.pieces;
        for (size_t i = 0; i + 1 < pieces.size(); ++i) {
            if (!names.count(pieces[i].text)) continue;
            for (size_t k = i; k <= i + 1; ++k) {
                const TextRecorder::Piece& p = pieces[k];
                CFontSelect font(&dc, p.font);
                const CSize size = dc.GetTextExtent(p.text);
                dc.FillSolidRect(CRect(p.x, p.y, p.x + size.cx, p.y + size.cy), RGB(0, 0, 0));
            }
        }
        return CountColour(image, v.m_crCurveSetting, v.m_nPlotLeft, v.m_nPlotTop,
                           v.m_nPlotRight - 4, v.m_nPlotBottom + 1);
    }
    static void ExpectGrid(const CPemroView& v, double xmin, double xmax, double ymin,
                           double ymax) {
        EXPECT_EQ(v.m_nPlotLeft, 112);
        EXPECT_EQ(v.m_nPlotRight, 740);
        EXPECT_EQ(v.m_nPlotBottom - v.m_nPlotTop, 318);
        EXPECT_NEAR(v.m_dXMin, xmin, 1e-12);
        EXPECT_NEAR(v.m_dXMax, xmax, 1e-12);
        EXPECT_NEAR(v.m_dYMin, ymin, 1e-12);
        EXPECT_NEAR(v.m_dYMax, ymax, 1e-12);
        EXPECT_EQ(v.m_dEpsilon, 0.1);
        EXPECT_EQ(v.m_dEscapeBound, 1e8);
    }
    InRunDir runDir;
};

TEST_F(ColourPlanePageTest, ThePlaneOfCLeavesTheTextbookCountUndecided) {
    // Z → Z² + C from 0 over the C plane, every pixel (x, y) = (-2.2 +
    // 3.4 i/628, -1.3 + 2.6 j/318): at n = 200, 8449 of 200,651 pixels stay
    // undecided; at n = 400, 7913 (numpy).
    auto v = Open("351");
    ExpectGrid(*v, -2.2, 1.2, -1.3, 1.3);
    ASSERT_EQ(v->m_nDemoStep, 200);
    EXPECT_NEAR(Undecided(*v), 8449, 85);
    v->m_nDemoStep = 400;
    v->Invalidate();
    v->RenderPending();
    EXPECT_NEAR(Undecided(*v), 7913, 80);
}

TEST_F(ColourPlanePageTest, ThePlaneMapLeavesTheTextbookCountUndecided) {
    // (x, y) → (x² − y² − 0.75, 2xy + 0.1) from every pixel (x, y) = (-1.8 +
    // 3.6 i/628, -1.2 + 2.4 j/318), n = 100: 12,001 undecided (numpy), 216
    // of them under the read-outs' cells (pixels 300..435 x 602..726, the
    // same iteration in Python); on 351 none lies under them.
    auto v = Open("353");
    ExpectGrid(*v, -1.8, 1.8, -1.2, 1.2);
    ASSERT_EQ(v->m_nDemoStep, 100);
    EXPECT_NEAR(Undecided(*v), 12001 - 216, 120);
}

TEST_F(ColourPlanePageTest, ARepaintShowsTheScanOfTheInputsItHasNow) {
    // A repaint of an unchanged plane shows what its first scan showed; one
    // after ε, M or n changed shows what a page scanned with those from the
    // start shows.
    const auto plot = [](const CPemroView& v) {
        return v.BackingImage().copy(v.m_nPlotLeft, v.m_nPlotTop, v.m_nPlotRight - v.m_nPlotLeft,
                                     v.m_nPlotBottom - v.m_nPlotTop + 1);
    };
    const auto repaint = [](CPemroView& v) {
        v.Invalidate();
        v.RenderPending();
    };
    struct Change {
        double eps, M;
        int n;
    };
    const Change changes[] = {{1e-7, 1e8, 200}, {0.1, 4, 200}, {0.1, 1e8, 300}};
    for (const char* topic : {"351", "353"}) {
        auto v = Open(topic);
        const QImage first = plot(*v);
        repaint(*v);
        EXPECT_TRUE(plot(*v) == first) << topic;
        for (const Change& c : changes) {
            v->m_dEpsilon = c.eps, v->m_dEscapeBound = c.M, v->m_nDemoStep = c.n;
            repaint(*v);
            auto fresh = OpenTopic(topic, nullptr, 1280, 960);
            fresh->m_dEpsilon = c.eps, fresh->m_dEscapeBound = c.M, fresh->m_nDemoStep = c.n;
            ClickPoint(*fresh,
                       CPoint((fresh->m_nPlotLeft + fresh->m_nPlotRight) / 2 - fresh->m_nClipLeft,
                              (fresh->m_nPlotTop + fresh->m_nPlotBottom) / 2 - fresh->m_nClipTop));
            EXPECT_TRUE(plot(*v) == plot(*fresh)) << topic << " " << c.eps << " " << c.M;
            EXPECT_FALSE(plot(*v) == first) << topic << " " << c.eps << " " << c.M;
        }
    }
}

} // namespace
