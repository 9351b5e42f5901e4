// Whatever a page holds, a render call ends within a second of processor
// time at the window's size: figures past the pass budget are drawn by the
// passes that follow, each once, and a click still reaches them.
#include "platform/real_steps.h"
#include "platform/system.h"
#include "test_support.h"

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace test_support;
using std::chrono::milliseconds;

// A render call a user waits through: at most a second in the release build.
const milliseconds kCallLimit(static_cast<long long>(1000 * kTimeScale));
// Fewer figures in instrumented builds, where each costs many times more.
#ifdef PEMRO_SANITIZED
constexpr int kStacked = 40;
#else
constexpr int kStacked = 300;
#endif

const std::string kCylinder =
    "700Cylinder(0.5,6,36,10,1,39,1,-1.5,1.5,-1.5,1.5,0,2,0,1,1,0,6.28,0,0,1)\n";
// Small cylinders above a Taylor solid whose buttons they leave free.
const std::string kSmallCylinder =
    "700Cylinder(0.5,6,20,5,1,39,1,-1.5,1.5,-1.5,1.5,0,2,0,1,1,0,6.28,0,0,1)\n";
const std::string kTaylorSolid = "700Series2(7,6,24,7,16,0,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,16,1,1)\n";

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// Every control a figure reports, as often as it is drawn.
struct ControlCount : CPemroView::ControlSink {
    int count = 0;
    void OnControl(const CRect&, int, CPoint, const CString&, const LOGFONT&) override { ++count; }
};

class PassBudgetTest : public ScratchPageTest {
protected:
    PassBudgetTest() : ScratchPageTest("passbudget") {}

    // Render calls until nothing is pending, each timed; the number of calls.
    int RenderAll(CPemroView* v) {
        int calls = 0;
        for (; v->HasPendingPaint() && calls < 10000; ++calls) {
            const auto start = ThreadCpuTime();
            v->RenderPending();
            const auto took = std::chrono::duration_cast<milliseconds>(ThreadCpuTime() - start);
            EXPECT_LT(took.count(), kCallLimit.count()) << "render call " << calls;
        }
        EXPECT_FALSE(v->HasPendingPaint());
        return calls;
    }

    // The controls drawn while an open page is repainted to its end.
    int ControlsOfWholePage(const std::string& code, int* calls = nullptr) {
        auto v = MakeView();
        v->ResetTopic(-1);
        v->m_strTopicCode = code;
        v->ResizeClient(kWidth, kHeight);
        RenderAll(v.get());
        ControlCount sink;
        v->m_pControlSink = &sink;
        v->Invalidate();
        const int n = RenderAll(v.get());
        v->m_pControlSink = nullptr;
        if (calls) *calls = n;
        return sink.count;
    }
};

// The points of a loop over a real parameter, counted by hand.
TEST(RealSteps, CountsThePointsOfTheRangeBeforeTheLoop) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double from, to, step;
        long cap;
        bool includeEnd;
        long points;
    };
    const Case kCases[] = {
        {0, 1, 0.1, 100, true, 11},           // 0, 0.1, …, 1
        {0, 1, 0.1, 100, false, 10},          // 0 … 0.9
        {0, 1, 0.3, 100, true, 4},            // 0, 0.3, 0.6, 0.9
        {0, 1, 0.3, 100, false, 4},           //
        {0, 1, 0.1, 5, true, 5},              // the cap
        {1, 0, 0.1, 100, true, 0},            // an empty range
        {0, 1, 0, 100, true, 0},              // no step
        {0, 1, -0.1, 100, true, 0},           // a step backwards
        {0, 1, nan, 100, true, 0},            //
        {0, inf, 0.1, 100, true, 0},          // no end
        {nan, 1, 0.1, 100, true, 0},          //
        {1e20, 1e20 + 1, 1e-3, 400, true, 1}, // 1e20 + 1 is 1e20 in a double
        {0, 1e20, 1e-3, 400, true, 400},      // far more than the cap
        {-1e308, 1e308, 1e-300, 7, true, 7},  // a quotient past the largest double
    };
    for (const Case& c : kCases)
        EXPECT_EQ(steps::Count(c.from, c.to, c.step, c.cap, c.includeEnd), c.points)
            << c.from << " to " << c.to << " by " << c.step;
    EXPECT_EQ(steps::CountDown(3.14, 0, 1, 100, true), 4); // 3.14, 2.14, 1.14, 0.14
    EXPECT_EQ(steps::CountDown(0, 3.14, 1, 100, true), 0);
}

// Far from the origin the running sum stops moving; the counted points are
// still visited, in order.
TEST(RealSteps, VisitsEachPointOnceWhereASumWouldStall) {
    int visits = 0;
    double last = -1;
    bool ordered = true;
    steps::ForEach(0, 1, 0.25, 100, true, [&](double u) {
        ordered = ordered && u > last;
        last = u;
        ++visits;
    });
    EXPECT_EQ(visits, 5);
    EXPECT_TRUE(ordered);
    EXPECT_DOUBLE_EQ(last, 1.0);
    visits = 0;
    steps::ForEach(1e17, 1e17 + 1e5, 1, 1000, false, [&](double) { ++visits; });
    EXPECT_EQ(visits, 1000); // 1e17 + 1 == 1e17: a sum would never leave the start
}

TEST(RealSteps, NestedCountsShareOneBound) {
    struct Case {
        std::vector<long> counts;
        double total;
    };
    const Case kCases[] = {
        {{1, 5}, 10},                 // within the bound: unchanged
        {{100, 100}, 100},            // 10 by 10
        {{400, 400, 11, 11}, 400000}, // the surfaces' cells and fine points
        {{1, 1, 100000}, 50},         // only the free count shrinks
    };
    for (const Case& c : kCases) {
        std::vector<long> fitted = c.counts;
        steps::FitProduct(fitted.data(), int(fitted.size()), c.total);
        double product = 1;
        for (size_t i = 0; i < fitted.size(); ++i) {
            EXPECT_GE(fitted[i], 1);
            EXPECT_LE(fitted[i], c.counts[i]);
            product *= double(fitted[i]);
        }
        EXPECT_LE(product, c.total);
        // Not shrunk further than the bound asks: another point each would pass it.
        double grown = 1;
        for (long n : fitted) grown *= double(n + 1);
        EXPECT_GT(grown, std::min(c.total, product * 2));
    }
}

// Huge parameter ranges of the surfaces in spherical and cylindrical
// coordinates: each pass stays short at the window's size.
TEST_F(PassBudgetTest, SurfacesOverHugeRangesPassQuickly) {
    const std::string big = "99999999999999999999";
    const std::string pages[] = {
        "700SphSurf(0.5,6,36,10,0,0,0,-1.2,1.2,-1.2,1.2,-1.2,1.2,1,5,0,6.28,0," + big + ")",
        "700SphSurf(0.5,6,36,10,0,0,0,-1.2,1.2,-1.2,1.2,-1.2,1.2,1,5,-" + big + "," + big + ",-" +
            big + "," + big + ")",
        "700SphSurf(0.5,6,36,10,1,1,0,-1.2,1.2,-1.2,1.2,-1.2,1.2,1,5,0," + big + ",0,3.14)",
        "700CylSurf(0.5,6,36,10,0,0,0,-1.6,1.6,-1.6,1.6,0,2.2,1,1,0," + big + ",0,1.5,0,1)",
        "700CylSurf(0.5,6,36,10,1,1,0,-1.6,1.6,-1.6,1.6,0,2.2,1,1,-" + big + "," + big + ",-" +
            big + "," + big + ",0,1)",
        "700CylSurf(0.5,6,36,10,1,1,0,-1.6,1.6,-1.6,1.6,0,2.2,1,1,-" + big + "," + big + ",0," +
            big + ",1,1)",
    };
    int n = 0;
    for (const std::string& line : pages) {
        SCOPED_TRACE(line);
        const std::string code = "s" + std::to_string(n++);
        WriteScript(code, "014x\n" + line + "\n");
        auto v = MakeView();
        v->ResetTopic(-1);
        v->m_strTopicCode = code;
        v->ResizeClient(kWidth, kHeight);
        RenderAll(v.get());
        v->Invalidate();
        RenderAll(v.get());
    }
}

// Hundreds of figures in one place: the calls stay short, and together they
// draw every figure once (each reports its controls once).
TEST_F(PassBudgetTest, StackedFiguresAreAllDrawnOverShortPasses) {
    WriteScript("one", "014x\n" + kCylinder);
    WriteScript("many", "014x\n" + Repeat(kCylinder, kStacked));
    const int perFigure = ControlsOfWholePage("one");
    ASSERT_GT(perFigure, 0);
    EXPECT_EQ(ControlsOfWholePage("many"), kStacked * perFigure);
    // A small budget: many continuations, still every figure once. Not
    // scaled for instrumented builds: their figures are slower, so a small
    // budget only makes more continuations there.
    const BudgetScope budget(milliseconds(5));
    int calls = 0;
    EXPECT_EQ(ControlsOfWholePage("many", &calls), kStacked * perFigure);
    EXPECT_GT(calls, 2);
}

// A click on a figure that the first pass after it does not reach: a later
// pass answers it, once.
TEST_F(PassBudgetTest, AClickReachesAFigureBeyondTheBudgetOnce) {
    WriteScript("click", "014x\n" + Repeat(kSmallCylinder, 20) + kTaylorSolid);
    auto v = MakeView();
    v->ResetTopic(-1);
    v->m_strTopicCode = "click";
    v->ResizeClient(kWidth, kHeight);
    RenderAll(v.get());
    ControlLog log;
    v->m_pControlSink = &log;
    v->Invalidate();
    RenderAll(v.get());
    v->m_pControlSink = nullptr;
    const Control* more = log.Find(u8"n增加");
    ASSERT_NE(more, nullptr);
    const int before = v->m_nDemoStep;
    const BudgetScope budget(milliseconds(0)); // one figure a pass
    v->m_ptClick = CPoint((more->box.left + more->box.right) / 2 - v->m_nClipLeft,
                          (more->box.top + more->box.bottom) / 2 - v->m_nClipTop);
    ++v->m_nClickSerial;
    v->Invalidate();
    EXPECT_GT(RenderAll(v.get()), 20);
    EXPECT_EQ(v->m_nDemoStep, before + 1);
}

} // namespace

namespace {

// The box of the pixels where two pictures differ.
QRect DifferingBox(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// A sphere ρ = 1 over whole turns reaches the same edges on screen however
// dense its mesh: ten presses of "增加" take it past the fine points' bound,
// where every cell is still drawn, with fewer points in each. Each picture
// is held against the empty θ range's after the same presses (the scene
// alone); the reference is the script's sparse mesh.
TEST_F(PassBudgetTest, ADenseCurvilinearMeshCoversTheWholeSurface) {
    const std::string data = "700DATA2(0,0,0,0,0,0,1,)\n700DATA2(1,0,0,0,0,0,0,)\n";
    const auto picture = [&](const std::string& code, const std::string& thetaEnd, int presses) {
        // The figure takes the blank lines below it.
        WriteScript(code, "014x\n" + data +
                              "700SphSurf(0.8,6,36,10,0,0,0,-1.2,1.2,-1.2,1.2,-1.2,1.2,1,5,0," +
                              thetaEnd + ",0,3.14)\n" + Repeat("107\n", 24));
        auto v = Page(code);
        for (int i = 0; i < presses; ++i) PressControl(*v, u8"增加");
        RenderAll(v.get());
        return v->BackingImage().copy();
    };
    const QRect sparse = DifferingBox(picture("sph0", "0", 0), picture("sph1", "6.28", 0));
    const QRect dense = DifferingBox(picture("sph2", "0", 10), picture("sph3", "6.28", 10));
    ASSERT_GT(sparse.width(), 100);
    for (const auto& [a, b] : {std::pair{sparse.left(), dense.left()},
                               {sparse.right(), dense.right()},
                               {sparse.top(), dense.top()},
                               {sparse.bottom(), dense.bottom()}})
        EXPECT_NEAR(a, b, 1);
}
