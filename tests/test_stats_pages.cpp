// The statistics pages end to end: scripts drawn on a 1280 x 960 page,
// clicks on the figures and their buttons, and the read-outs the passes
// write. Expected values: the pages' worked examples and table values
// (mpmath, as in test_stats_math.cpp).
#include "stats/math/distributions.h"
#include "test_graph_fixture.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace graph_test;

class StatsPageTest : public GraphPageTest {
protected:
    // The page of one command line under a heading, drawn once with the
    // text recorder attached.
    std::unique_ptr<CPemroView> Open(const std::string& command,
                                     const std::string& before = std::string()) {
        Script("st", u8"014统计\n" + before + "700" + command + "\n");
        auto v = View("st");
        Draw(v.get()); // a new page takes two passes
        text.pieces.clear();
        v->m_pTextSink = &text;
        Draw(v.get());
        return v;
    }
    // A click in the middle of the plot: the figures show their areas,
    // intervals and read-outs once the stored click lies on them.
    void ClickPlot(CPemroView* v) {
        text.pieces.clear();
        // (The plot's exact middle column belongs to neither of its halves.)
        ClickAt(v, (v->m_nPlotLeft + v->m_nPlotRight) / 2 + 7,
                (v->m_nPlotTop + v->m_nPlotBottom) / 2);
    }
    std::string After(const std::string& utf8Label) const {
        const std::vector<std::string> v = text.ValuesAfter(utf8Label);
        return v.empty() ? std::string() : v.back();
    }

    TextRecorder text;
};

TEST_F(StatsPageTest, BinomialExpectationAndVariance) {
    auto v = Open("DisDistribution(0.2,3,44,13,0.5,10,0,1,1)");
    EXPECT_EQ("5.00", After(u8"期望=np="));
    EXPECT_EQ("2.50", After(u8"方差=npq="));
    EXPECT_EQ("0.500", After(u8"p="));
    EXPECT_EQ("10", After(u8"n="));
    // n = 1 is the 0-1 distribution on its square range.
    v = Open("DisDistribution(0.2,3,44,13,0.3,1,0,1,1)");
    EXPECT_DOUBLE_EQ(1.4, v->m_dXMax);
    EXPECT_EQ("0.21", After(u8"方差=npq="));
}

// A click on a button column repaints its figure with the new value at
// once, although the page box is the same (no full repaint).
TEST_F(StatsPageTest, ButtonsActOnTheirFigure) {
    auto v = Open("DisDistribution(0.2,3,44,13,0.5,10,0,1,1)");
    text.pieces.clear();
    ClickButton(v.get(), v->m_nPlotRight - 10, v->m_nPlotTop + 44); // n增
    EXPECT_EQ(11, v->m_nCountN);
    EXPECT_EQ("11", After(u8"n="));
    EXPECT_EQ("5.50", After(u8"期望=np="));

    v = Open("ConDistribution(0.2,3,44,13,1,1,2,-4,4,-0.1,1.1,0,1,10,5,0)");
    text.pieces.clear();
    ClickButton(v.get(), v->m_nPlotRight - 10, v->m_nPlotTop + 44); // μ增
    EXPECT_EQ("0.10", After(u8"μ="));
    ClickButton(v.get(), v->m_nPlotRight - 22, v->m_nPlotTop - 22); // 分位数
    EXPECT_EQ(1, v->m_bQuantileMode);

    v = Open("RegionEstimate(0.2,3,44,13,0,1,0,-2,13,-0.05,0.6,0,3,10,0,0.1)");
    text.pieces.clear();
    ClickButton(v.get(), v->m_nPlotRight - 20, v->m_nPlotTop + 48); // α增加
    EXPECT_DOUBLE_EQ(0.2, v->m_dSignificance);
    EXPECT_EQ("1.282", After(u8"u     ="));                         // u of 0.9
    ClickButton(v.get(), v->m_nPlotRight - 20, v->m_nPlotTop + 24); // σ未知
    EXPECT_EQ("1.383", After(u8")="));                              // t(9) of 0.9
}

TEST_F(StatsPageTest, PoissonAndHypergeometricClamps) {
    auto v = Open("DisDistribution(0.2,3,44,13,0.001,10,1,1,0)");
    EXPECT_EQ("0.010", After(u8"λ=")); // λ is at least 0.01
    EXPECT_EQ(5, v->m_nCountN);        // k = 0..5 on the range -1..6
    // N = 10, M = 3, n = 5: n is clamped to M, the range was taken before.
    v = Open("DisDistribution(0.2,3,44,13,0.5,5,2,1,1,0,10,3)");
    EXPECT_EQ("3", After(u8"n="));
    EXPECT_DOUBLE_EQ(6, v->m_dXMax);
    EXPECT_EQ("0.90", After(u8"期望=nM/N="));
}

// Counts a script gives at the ends of the int range: each count button
// steps them without overflow and the clamps take them in (n, N, M are
// clamped to 1..1000, then n and M to N's and M's limits).
TEST_F(StatsPageTest, CountButtonsAtTheEndsOfTheIntRange) {
    struct Case {
        const char* command;
        int dy; // the button below the plot's top
        int n, bigN, marked;
    };
    const Case kCases[] = {
        {"DisDistribution(0.2,3,44,13,0.5,5,2,1,1,0,99999999999,99999999999)", 88, 5, 1000, 1000},
        {"DisDistribution(0.2,3,44,13,0.5,5,2,1,1,0,99999999999,99999999999)", 132, 5, 1000, 1000},
        {"DisDistribution(0.2,3,44,13,0.5,-99999999999,2,1,1,0,-99999999999,-99999999999)", 66, 1,
         1, 1},
        {"DisDistribution(0.2,3,44,13,0.5,-99999999999,2,1,1,0,-99999999999,-99999999999)", 110, 1,
         1, 1},
        {"DisDistribution(0.2,3,44,13,0.5,-99999999999,2,1,1,0,-99999999999,-99999999999)", 152, 1,
         1, 1},
        {"DisDistribution(0.2,3,44,13,0.5,99999999999,0,1,1)", 44, 1000, -1, -1},
        {"DisDistribution(0.2,3,44,13,0.5,-99999999999,0,1,1)", 66, 1, -1, -1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.command) + " button " + std::to_string(c.dy));
        auto v = Open(c.command);
        ClickButton(v.get(), v->m_nPlotRight - 10, v->m_nPlotTop + c.dy);
        EXPECT_EQ(c.n, v->m_nCountN);
        if (c.bigN < 0) continue;
        EXPECT_EQ(c.bigN, v->m_nPopulationN);
        EXPECT_EQ(c.marked, v->m_nMarkedM);
    }
}

// The densities and the quantile view read F(9, 12), the shifted Gamma and
// the normal distribution exactly, whatever combination the function menu
// left behind.
TEST_F(StatsPageTest, ContinuousReadouts) {
    auto v = Open("ConDistribution(0.2,3,44,13,1,1,5,-0.5,6,-0.05,1.1,0,1,9,12,0)");
    ClickPlot(v.get());
    EXPECT_EQ("1.20", After(u8"期望=m/(m-2)=")); // the denominator's m
    EXPECT_EQ("0.76", After(u8"方差=2m^2(n+m-2)/n/(m-2)^2/(m-4)="));

    v = Open("ConDistribution(0.2,3,44,13,1,1,6,4,8,-0.05,1.5,0,1,9,12,0)");
    ClickPlot(v.get());
    EXPECT_EQ("5.83", After(u8"期望=λ+α/β=")); // shift 5 + 5/6
    EXPECT_EQ("0.14", After(u8"方差=α/β^2="));
}

TEST_F(StatsPageTest, QuantileViewIgnoresLeftoverCombination) {
    Script("st", u8"014统计\n700ConDistribution(0.2,3,44,13,1,1,2,-4,4,-0.1,1.1,0,1,10,5,1)\n");
    auto v = View("st");
    v->m_pTextSink = &text;
    Draw(v.get());
    v->OnSelectCombination(3); // f + g chosen from the function menu
    v->m_nDemoOption = 1;
    v->m_dCursorX = 1.645;
    ClickPlot(v.get());
    EXPECT_EQ(0, v->m_nCombineMode);
    EXPECT_EQ("0.050", After(u8"α="));
    EXPECT_EQ("1.645", After(u8"u    ="));
    // α given: the exact quantile of the cursor's height 0.95.
    v->m_nDemoOption = 2;
    v->m_dCursorY = 0.95;
    ClickPlot(v.get());
    EXPECT_EQ("1.645", After(u8"u    ="));
    EXPECT_EQ("0.050", After(u8"α="));
    // A cursor at the top of the distribution function ends the walk too.
    v->m_dCursorY = 1.0;
    ClickPlot(v.get());
    EXPECT_EQ("4.000", After(u8"u    ="));
    // The kernels evaluate the density itself.
    v->m_nCombineMode = 2;
    v->m_dMu = 0, v->m_dSigma = 1;
    EXPECT_NEAR(1 / std::sqrt(6.283192), v->EvalDensity(0, stats::kNormal), 1e-12);
}

TEST_F(StatsPageTest, KernelsOfTheView) {
    auto v = MakeView();
    v->m_nFuncF = stats::kFisherF, v->m_nCountN = 9, v->m_nCountM = 4;
    EXPECT_NEAR(5.998779031210249, v->ComputeCdfOrQuantile(1, 0.95), 1e-6);
    EXPECT_NEAR(0.95, v->ComputeCdfOrQuantile(0, 5.998779031210249), 1e-9);
    EXPECT_EQ(-100.0, v->ComputeCdfOrQuantile(2, 0.5));
    v->m_nFuncF = 74;
    EXPECT_EQ(-100.0, v->ComputeCdfOrQuantile(1, 0.5));
    // Odd degrees of freedom, p outside (0, 1) and p = 1 end at once.
    v->m_nFuncF = stats::kChiSquare, v->m_nCountN = 1;
    EXPECT_TRUE(std::isnan(v->ComputeCdfOrQuantile(1, 1.5)));
    EXPECT_TRUE(std::isinf(v->ComputeCdfOrQuantile(1, 1.0)));
    EXPECT_NEAR(3.841458820694124, v->ComputeCdfOrQuantile(1, 0.95), 1e-6);
}

// The default data 0, 1, ..., 9 at α = 0.1 (mpmath): the t interval of the
// mean, the χ² interval of the variance and, with five values of Y, the F
// interval of the ratio of variances.
TEST_F(StatsPageTest, IntervalsOfTheDefaultData) {
    auto v = Open("RegionEstimate(0.2,3,44,13,0,0,0,-2,13,-0.05,0.6,0,3,10,0,0.1)");
    EXPECT_TRUE(text.ValuesAfter(u8"μ =").empty()); // nothing until a click on the figure
    ClickPlot(v.get());
    EXPECT_EQ("1.833", After(u8")="));
    EXPECT_EQ((std::vector<std::string>{"2.745", "6.255"}), text.ValuesAfter(u8"μ ="));
    EXPECT_EQ("3.028", After(u8"S=")); // S of 0..9 (python3 statistics.stdev)
    EXPECT_EQ(10, v->m_nCountN);       // the borrowed fields are given back

    v = Open("RegionEstimate(0.2,3,44,13,0,0,1,0,40,-0.01,0.15,0,3,10,0,0.1)");
    ClickPlot(v.get());
    // Both quantiles close their own "χ²(df" (the upper one no longer
    // writes a second χ over its degrees of freedom).
    EXPECT_EQ((std::vector<std::string>{"3.325", "16.919"}), text.ValuesAfter(u8")="));
    // The bounds of σ²: 82.5/16.919 and 82.5/3.325.
    EXPECT_EQ((std::vector<std::string>{"4.876", "24.811"}), text.ValuesAfter(u8"σ ="));
    // The quantiles' indices α/2 and 1 - α/2, and S² = 82.5/9 (by hand).
    EXPECT_TRUE(text.Saw("0.050"));
    EXPECT_TRUE(text.Saw("0.950"));
    EXPECT_EQ("9.167", After(u8"S ="));

    v = Open("RegionEstimate(0.2,3,44,13,0,0,1,0,20,-0.05,0.5,0,3,10,5,0.1)");
    ClickPlot(v.get());
    EXPECT_EQ((std::vector<std::string>{"0.275", "5.999"}), text.ValuesAfter(u8")="));
    EXPECT_EQ("0.611", After(u8"σ /σ :["));
    EXPECT_EQ((std::vector<std::string>{"9", "9"}), text.ValuesAfter(u8"F    (")); // n − 1
    // After a comma: the second degrees of freedom m - 1 of both quantiles
    // and the interval's upper bound, in any order.
    std::vector<std::string> afterComma = text.ValuesAfter(u8",");
    std::sort(afterComma.begin(), afterComma.end());
    EXPECT_EQ((std::vector<std::string>{"13.321", "4", "4"}), afterComma);
}

// X = 1..10, μ0 = 5, σ = 3 known, α = 0.05, two-sided.
TEST_F(StatsPageTest, UTestExample) {
    auto v = Open("AssumeVerify(0.2,3,44,13,0,1,0,-4,4,-0.05,0.5,5,3,10,0,0.05,0)",
                  "700DATAs(0,1,2,3,4,5,6,7,8,9,10,)\n");
    EXPECT_EQ("0.527", After(u8"u="));
    EXPECT_EQ("1.960", After(u8"u    = "));
    EXPECT_TRUE(text.Saw("0.025")); // the quantile's index α/2
    EXPECT_EQ("-1.960", After(u8"接受域u:下限 "));
    EXPECT_TRUE(v->m_bFigureVisible);
    // "左侧": the region open to the left up to the 0.95 quantile, index α.
    text.pieces.clear();
    ClickButton(v.get(), v->m_nPlotRight - 20, v->m_nPlotTop + 120);
    EXPECT_EQ("1.645", After(u8"接受域:-∞<u< "));
    EXPECT_FALSE(text.Saw("0.025"));
    EXPECT_EQ(1, v->m_bQuantileMode);
    // α increased from 0.45 stops at 0.5.
    v->m_dSavedSignificance = 0.45;
    ClickButton(v.get(), v->m_nPlotRight - 20, v->m_nPlotTop + 48);
    EXPECT_DOUBLE_EQ(0.5, v->m_dSignificance);
}

// Ten and five values of the default data: S1² = 82.5/9, S2² = 10/4 on 9
// and 4 degrees of freedom.
TEST_F(StatsPageTest, FTestOfTheDefaultData) {
    auto v = Open("AssumeVerify(0.2,3,44,13,0,0,1,-0.5,8,-0.05,0.8,0,1,10,5,0.1,0)");
    EXPECT_EQ((std::vector<std::string>{"0.275", "5.999"}), text.ValuesAfter(u8")="));
    EXPECT_EQ((std::vector<std::string>{"9", "9"}), text.ValuesAfter(u8"F    ("));
    EXPECT_EQ((std::vector<std::string>{"4", "4"}), text.ValuesAfter(u8","));
    EXPECT_EQ("3.667", After(u8"F="));
    EXPECT_EQ(stats::kFisherF, v->m_nFuncF);
}

// Every button of every page, fifty clicks each: no hang, and each pass
// stays under 50 ms of the thread's own processor time (other processes on
// the machine do not count). The figures of the sample page and the
// densities with degrees of freedom or a shift that it does not show, one
// test each so they run side by side.
enum class Buttons { Discrete, Continuous, Column };

struct ClickPage {
    const char* command;
    Buttons buttons;
};

const ClickPage kClickPages[] = {
    {"DisDistribution(0.2,3,44,13,0.5,10,0,1,1)", Buttons::Discrete},
    {"DisDistribution(0.2,3,44,13,2,10,1,1,1)", Buttons::Discrete},
    {"DisDistribution(0.2,3,44,13,0.5,5,2,1,1,0,20,8)", Buttons::Discrete},
    {"ConDistribution(0.2,3,44,13,1,1,2,-4,4,-0.1,1.1,0,1,10,5,0)", Buttons::Continuous},
    {"ConDistribution(0.2,3,44,13,1,1,3,-5,5,-0.1,1.1,0,1,9,12,1)", Buttons::Continuous},
    {"ConDistribution(0.2,3,44,13,1,1,4,-1,30,-0.05,1.1,0,1,10,5,1)", Buttons::Continuous},
    {"ConDistribution(0.2,3,44,13,1,1,5,-0.5,6,-0.05,1.1,0,1,9,12,1)", Buttons::Continuous},
    {"ConDistribution(0.2,3,44,13,1,1,6,4,8,-0.05,1.5,0,1,9,12,1)", Buttons::Continuous},
    {"RegionEstimate(0.2,3,44,13,0,0,0,-2,13,-0.05,0.6,0,3,10,0,0.1)", Buttons::Column},
    {"RegionEstimate(0.2,3,44,13,0,0,1,0,40,-0.01,0.15,0,3,10,0,0.1)", Buttons::Column},
    {"AssumeVerify(0.2,3,44,13,0,1,0,-4,4,-0.05,0.5,5,3,10,0,0.05,0)", Buttons::Column},
    {"AssumeVerify(0.2,3,44,13,0,0,1,-0.5,8,-0.05,0.8,0,1,10,5,0.1,0)", Buttons::Column},
    // Ranges far from 0, where a step of 0.001 is below half an ulp of x:
    // the walks count their steps and end.
    {"ConDistribution(0.2,3,44,13,1,1,2,999999999999996,1000000000000004,-0.1,1.1,0,1,10,5,0)",
     Buttons::Continuous},
    {"ConDistribution(0.2,3,44,13,1,1,2,999999999999996,1000000000000004,-0.1,1.1,0,1,10,5,1)",
     Buttons::Continuous},
    {"RegionEstimate(0.2,3,44,13,0,0,0,999999999999996,1000000000000004,-0.05,0.6,0,3,10,0,0.1)",
     Buttons::Column},
    {"AssumeVerify(0.2,3,44,13,0,1,0,999999999999996,1000000000000004,-0.05,0.5,5,3,10,0,0.05,0)",
     Buttons::Column},
    {"AssumeVerify(0.2,3,44,13,0,0,1,999999999999996,1000000000000004,-0.05,0.8,0,1,10,5,0.1,0)",
     Buttons::Column},
};

// Instrumented builds are many times slower: there only the hang is tested.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr double kPassBudgetMs = 1e9;
#else
constexpr double kPassBudgetMs = 50.0;
#endif

class StatsClickTest : public StatsPageTest, public ::testing::WithParamInterface<ClickPage> {};

// Buttons as (x from the plot's right edge, nominal y offset from its top).
std::vector<std::pair<int, int>> ButtonsOf(const CPemroView& v, Buttons kind) {
    switch (kind) {
    case Buttons::Discrete:
        return {{-10, 0},  {-10, 22},  {-10, 44},  {-10, 66},
                {-10, 88}, {-10, 110}, {-10, 132}, {-10, 152}};
    case Buttons::Continuous: {
        // "u" and "α" stand left of "分位数".
        const int alphaX = -22 - v.ButtonWidth(Gbk(u8"α")) - 2;
        return {{-22, -22}, {-10, 0},      {-10, 22},
                {-10, 44},  {-10, 66},     {-10, 88},
                {-10, 110}, {alphaX, -22}, {alphaX - v.ButtonWidth("u") - 2, -22}};
    }
    case Buttons::Column:
        return {{-20, 0}, {-20, 24}, {-20, 48}, {-20, 72}, {-20, 96}, {-20, 120}, {-20, 144}};
    }
    return {};
}

TEST_P(StatsClickTest, EveryButtonFiftyTimes) {
    const ClickPage& page = GetParam();
    auto v = Open(page.command);
    v->m_pTextSink = nullptr;
    for (const auto& b : ButtonsOf(*v, page.buttons)) {
        // The mean over the fifty clicks: one slow pass on a busy machine is
        // not a slow page, fifty are.
        double ms = 0;
        int passes = 0;
        for (int i = 0; i < 50; ++i) {
            const double t0 = test_support::ThreadCpuMs();
            v->m_ptClick = CPoint(v->m_nPlotRight + b.first + 3 - v->m_nClipLeft,
                                  ButtonTop(v.get(), v->m_nPlotTop + b.second) + 3 - v->m_nClipTop);
            ++v->m_nClickSerial;
            v->Invalidate();
            const int n = v->RenderPending();
            ms += test_support::ThreadCpuMs() - t0;
            ASSERT_GE(n, 1);
            passes += n;
        }
        EXPECT_LT(ms / passes, kPassBudgetMs) << "button " << b.first << "," << b.second;
    }
    // Whatever the clicks did, the parameters stay in their ranges.
    EXPECT_GE(v->m_dSavedSignificance, 0.0001);
    EXPECT_LE(v->m_dSavedSignificance, 0.5);
    EXPECT_LE(v->m_nSavedCountN, 1000);
    EXPECT_GT(v->m_dSavedSigma, 0);
}

// Test names from the keyword and the position in the table.
std::string ClickPageName(const ::testing::TestParamInfo<ClickPage>& info) {
    const std::string command = info.param.command;
    return command.substr(0, command.find('(')) + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Pages, StatsClickTest, ::testing::ValuesIn(kClickPages), ClickPageName);

} // namespace

namespace {

using test_support::InRunDir;

// The sample course's statistics pages, chosen from the help menu: each
// shows its first figure on the first screen.
TEST(StatsSamplePages, FirstFiguresOnTheFirstScreen) {
    InRunDir runDir;
    constexpr UINT kCommandsPage = 33854;    // 概率与数理统计命令, "212"
    constexpr UINT kProbabilityPage = 33851; // 概率与数理统计, "202"
    test_support::TextRecorder text;

    auto v = test_support::MakeView();
    v->ResizeClient(test_support::kPageWidth, test_support::kPageHeight);
    v->m_pTextSink = &text;
    ASSERT_TRUE(v->OnCommand(kCommandsPage));
    v->RenderPending();
    EXPECT_EQ("5.00", text.After(u8"期望=np="));
    EXPECT_EQ("2.50", text.After(u8"方差=npq="));

    v = test_support::MakeView();
    v->ResizeClient(test_support::kPageWidth, test_support::kPageHeight);
    v->m_pTextSink = &text;
    ASSERT_TRUE(v->OnCommand(kProbabilityPage));
    v->RenderPending();
    // A click on the figure shows the t interval of X = 1..10 at α = 0.1.
    text.pieces.clear();
    test_support::ClickPoint(*v, CPoint((v->m_nPlotLeft + v->m_nPlotRight) / 2 + 7 - v->m_nClipLeft,
                                        (v->m_nPlotTop + v->m_nPlotBottom) / 2 - v->m_nClipTop));
    EXPECT_EQ("1.833", text.After(u8")="));
    EXPECT_EQ("5.500", text.After(u8"x="));
}

} // namespace
