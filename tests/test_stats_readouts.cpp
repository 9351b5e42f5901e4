// The statistics pages' buttons, each pressed once, and the read-outs the
// pass after it writes; a click in a quantile view moves u to the click.
// Expected values: python3 (statistics.NormalDist, the t and χ² quantiles by
// bisection on a Simpson integral of the textbook density), or by hand.
#include "platform/print.h"
#include "test_graph_fixture.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace graph_test;

class StatsReadoutTest : public GraphPageTest {
protected:
    // The page of one command line (data before it), drawn with the text
    // recorder attached from the second pass on.
    std::unique_ptr<CPemroView> Open(const std::string& command, const std::string& before) {
        Script("sr", u8"014统计\n" + before + "700" + command + "\n");
        auto v = View("sr");
        Draw(v.get());
        v->m_pTextSink = &text;
        Draw(v.get());
        return v;
    }
    TextRecorder text;
};

const char* const kData = u8"700DATAs(0,1,2,3,4,5,6,7,8,9,10,)\n"; // X = 1..10
const char* const kTInterval = "RegionEstimate(0.2,3,44,13,0,0,0,-2,13,-0.05,0.6,0,3,10,0,0.1)";
const char* const kChiInterval = "RegionEstimate(0.2,3,44,13,0,0,1,0,90,-0.01,0.15,0,3,10,0,0.1)";
const char* const kUTest = "AssumeVerify(0.2,3,44,13,0,1,0,-4,4,-0.05,0.5,5,3,10,0,0.05,0)";
const char* const kChiTest = "AssumeVerify(0.2,3,44,13,0,0,1,-0.5,30,-0.05,0.2,0,3,10,0,0.1,0)";
const char* const kNormal = "ConDistribution(0.2,3,44,13,1,1,2,-4,4,-0.1,1.25,0,1,10,5,0)";
const char* const kChi = "ConDistribution(0.2,3,44,13,1,1,4,-1,30,-0.05,1.25,0,1,10,5,0)";
const char* const kF = "ConDistribution(0.2,3,44,13,1,1,5,-0.5,6,-0.05,1.1,0,1,9,12,0)";
const char* const kGamma = "ConDistribution(0.2,3,44,13,1,1,6,4.5,8,-0.05,1.5,0,1,9,12,0)";
const char* const kBinomial = "DisDistribution(0.2,3,44,13,0.5,10,0,1,1)";
const char* const kHyper = "DisDistribution(0.2,3,44,13,0.5,5,2,1,1,0,20,8)";

struct Row {
    const char* command;
    const char* press; // the button's label; empty: a click on the plot
    const char* label; // the read-out's label
    const char* expected;
    const char* source;
};

// X = 1..10: x̄ = 5.5, S = 3.028, Q = Σ(X − x̄)² = 82.5; α = 0.1 unless a
// button changed it (step 0.1).
const Row kRows[] = {
    // Mean interval, σ unknown: t_{0.05}(9) and S itself.
    {kTInterval, "", u8"S=", "3.028", "statistics.stdev(range(1,11))"},
    {kTInterval, "", u8")=", "1.833", "t(9) 0.95 quantile"},
    {kTInterval, "", u8"n=", "10", "the sample size, a count"},
    {kTInterval, u8"σ已知", u8"u     =", "1.645", "NormalDist().inv_cdf(0.95)"},
    {kTInterval, u8"σ已知", u8"σ=", "3.000", "the script's σ"},
    {kTInterval, u8"σ未知", u8")=", "1.833", "t(9) 0.95 quantile"},
    {kTInterval, u8"α增加", u8")=", "1.383", "t(9) 0.9 quantile (α = 0.2)"},
    // Variance interval: the bounds of σ², Q over the χ²(9) quantiles.
    {kChiInterval, "", u8"σ =", "4.876", "82.5 / 16.919"},
    {kChiInterval, "", u8"S =", "9.167", "82.5 / 9"},
    {kChiInterval, u8"μ未知", u8"σ =", "4.876", "82.5 / 16.919"},
    {kChiInterval, u8"μ已知", u8"σ =", "21.030", "Σ(X − 0)² = 385 over χ²(10) 0.95 = 18.307"},
    {kChiInterval, u8"α增加", u8")=", "4.168", "χ²(9) 0.1 quantile (α = 0.2)"},
    // u test of μ = 5, σ = 3, α = 0.05.
    {kUTest, "", u8"u=", "0.527", "(5.5 − 5) / (3/√10)"},
    {kUTest, u8"u检验", u8"u    = ", "1.960", "NormalDist().inv_cdf(0.975)"},
    {kUTest, u8"t检验", u8"t= ", "0.522", "0.5 / (3.028/√10)"},
    {kUTest, u8"α增加", u8"u    = ", "1.440", "NormalDist().inv_cdf(0.925) (α = 0.15)"},
    {kUTest, u8"α减少", u8"u    = ", "1.645", "α ≤ 0 becomes the step 0.1: inv_cdf(0.95)"},
    {kUTest, u8"双侧", u8"接受域u:下限 ", "-1.960", "NormalDist().inv_cdf(0.025)"},
    {kUTest, u8"左侧", u8"接受域:-∞<u< ", "1.645", "NormalDist().inv_cdf(0.95)"},
    {kUTest, u8"右侧", u8"接受域: ", "-1.645", "NormalDist().inv_cdf(0.05)"},
    // χ² test of σ = 3, μ unknown: Q/9 on 9 degrees of freedom.
    {kChiTest, "", u8"χ=", "9.167", "82.5 / 9"},
    {kChiTest, u8"χ 检验", u8"接受域:上限 ", "18.307", "μ known: χ²(10) 0.95 quantile"},
    {kChiTest, u8"F检验", u8"接受域:上限 ", "16.919", "one sample: the χ² test stays"},
    // Continuous densities: each parameter button once (step 0.1, count 1).
    {kNormal, u8"μ增", u8"μ=", "0.10", "0 + 0.1"},
    {kNormal, u8"μ减", u8"μ=", "-0.10", "0 − 0.1"},
    {kNormal, u8"σ增", u8"方差=σ^2=", "1.21", "1.1²"},
    {kNormal, u8"σ减", u8"方差=σ^2=", "0.81", "0.9²"},
    {kChi, u8"n增", u8"方差=2n=", "22.00", "2·11"},
    {kChi, u8"n减", u8"方差=2n=", "18.00", "2·9"},
    {kF, u8"n增", u8"n=", "10", "9 + 1"},
    {kF, u8"n减", u8"n=", "8", "9 − 1"},
    {kF, u8"m增", u8"期望=m/(m-2)=", "1.18", "13/11"},
    {kF, u8"m减", u8"期望=m/(m-2)=", "1.22", "11/9"},
    {kGamma, u8"α增", u8"期望=λ+α/β=", "5.85", "5 + 5.1/6"},
    {kGamma, u8"α减", u8"期望=λ+α/β=", "5.82", "5 + 4.9/6"},
    {kGamma, u8"β增", u8"期望=λ+α/β=", "5.82", "5 + 5/6.1"},
    {kGamma, u8"β减", u8"期望=λ+α/β=", "5.85", "5 + 5/5.9"},
    // Discrete distributions.
    {kBinomial, u8"n增", u8"期望=np=", "5.50", "11·0.5"},
    {kBinomial, u8"n减", u8"期望=np=", "4.50", "9·0.5"},
    {kBinomial, u8"p增", u8"方差=npq=", "2.40", "10·0.6·0.4"},
    {kBinomial, u8"p减", u8"期望=np=", "4.00", "10·0.4"},
    {kHyper, u8"n增", u8"期望=nM/N=", "2.40", "6·8/20"},
    {kHyper, u8"n减", u8"期望=nM/N=", "1.60", "4·8/20"},
    {kHyper, u8"N增", u8"期望=nM/N=", "1.90", "5·8/21"},
    {kHyper, u8"N减", u8"期望=nM/N=", "2.11", "5·8/19"},
    {kHyper, u8"M增", u8"期望=nM/N=", "2.25", "5·9/20"},
    {kHyper, u8"M减", u8"期望=nM/N=", "1.75", "5·7/20"},
};

TEST_F(StatsReadoutTest, EachButtonOnceAndItsReadout) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(std::string(r.command) + " " + r.press + " " + r.label);
        auto v = Open(r.command, kData);
        // The figure shows its read-outs once the stored click lies on it.
        ClickAt(v.get(), (v->m_nPlotLeft + v->m_nPlotRight) / 2 + 7,
                (v->m_nPlotTop + v->m_nPlotBottom) / 2);
        if (*r.press) {
            const CPoint at = ControlCentre(v.get(), r.press);
            ASSERT_GE(at.x, 0) << "no button " << r.press;
            text.pieces.clear();
            ClickAt(v.get(), at.x, at.y);
        }
        EXPECT_EQ(r.expected, text.After(r.label)) << r.source;
    }
}

// Upper-α indices on every quantile of page 202: t and u as before, and the
// χ² and F quantiles now too. A quantile's index is the nearest index
// written left of its value on its row.
TEST_F(StatsReadoutTest, QuantileIndicesAreUpperAlpha) {
    struct Case {
        const char* command;
        std::vector<std::pair<std::string, std::string>> valueIndex;
    };
    // χ²_{0.95}(9) = 3.325, χ²_{0.05}(9) = 16.919; F_{0.95}(9,4) = 0.275,
    // F_{0.05}(9,4) = 5.999 (samples of 10 and 5).
    const Case kCases[] = {
        {kChiInterval, {{"3.325", "0.950"}, {"16.919", "0.050"}}},
        {"RegionEstimate(0.2,3,44,13,0,0,1,0,20,-0.05,0.5,0,3,10,5,0.1)",
         {{"0.275", "0.950"}, {"5.999", "0.050"}}},
        {"AssumeVerify(0.2,3,44,13,0,0,1,-0.5,8,-0.05,0.8,0,1,10,5,0.1,0)",
         {{"0.275", "0.950"}, {"5.999", "0.050"}}},
        {kChiTest, {{"3.325", "0.950"}, {"16.919", "0.050"}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.command);
        auto v = Open(c.command, kData);
        text.pieces.clear();
        ClickAt(v.get(), (v->m_nPlotLeft + v->m_nPlotRight) / 2 + 7,
                (v->m_nPlotTop + v->m_nPlotBottom) / 2);
        const int row = v->m_nBaseCharHeight;
        for (const auto& vi : c.valueIndex) {
            // The quantile's own value: the one after its ")=".
            const TextRecorder::Piece* value = nullptr;
            for (size_t i = 1; i < text.pieces.size() && !value; ++i)
                if (text.pieces[i].text == vi.first && text.pieces[i - 1].text.rfind(")=", 0) == 0)
                    value = &text.pieces[i];
            ASSERT_NE(nullptr, value) << vi.first;
            std::string nearest;
            int best = 1 << 30;
            for (const auto& p : text.pieces) {
                if (p.text != "0.950" && p.text != "0.050") continue;
                // Subscripts stand lower than their row, by less than a row.
                if (p.x >= value->x || p.y < value->y || p.y - value->y >= row) continue;
                if (value->x - p.x < best) best = value->x - p.x, nearest = p.text;
            }
            EXPECT_EQ(vi.second, nearest) << vi.first;
        }
    }
}

// χ²(10) with even degrees of freedom: F(x) = 1 − e^{−x/2} Σ_{k<5} (x/2)^k/k!.
double ChiSquare10Cdf(double x) {
    double term = 1, sum = 0;
    for (int k = 0; k < 5; ++k) sum += term, term *= x / 2 / (k + 1);
    return 1 - std::exp(-x / 2) * sum;
}

// A click (press and release, no move between) on the quantile view of a page
// with another figure below it: u goes to the clicked abscissa at once.
TEST_F(StatsReadoutTest, AClickMovesUOfItsOwnFigure) {
    std::string lines;
    for (int i = 0; i < 14; ++i) lines += "107\n";
    Script("sr", u8"014统计\n700ConDistribution(0.2,3,44,13,1,1,4,-1,30,-0.05,1.25,0,1,10,5,1)\n" +
                     lines + "700" + kNormal + "\n" + lines);
    auto v = View("sr");
    v->ResizeClient(1280, 1800);
    v->Invalidate();
    v->RenderPending();
    const CPemroView::PlotMap* chi = nullptr;
    for (const auto& m : v->m_aPlotMaps)
        if (m.xMax == 30) chi = &m;
    ASSERT_NE(nullptr, chi);
    ASSERT_NE(30, v->m_dXMax); // the last figure laid out is the other one
    const int px = chi->left + int((12.0 + 1) / 31 * (chi->right - chi->left));
    const int py = (chi->top + 3 * chi->bottom) / 4;
    const double perPixel = 31.0 / (chi->right - chi->left);
    for (int press = 0; press < 2; ++press) {
        const CPoint p(px + 20 * press, py);
        const double x = -1 + (p.x - chi->left) * perPixel;
        v->m_pTextSink = &text;
        text.pieces.clear();
        v->OnLButtonDown(MK_LBUTTON, p);
        v->OnLButtonUp(0, p);
        v->RenderPending();
        v->m_pTextSink = nullptr;
        EXPECT_NEAR(x, v->m_dCursorX, perPixel);
        const double u = std::atof(text.After(u8"u    =").c_str());
        EXPECT_NEAR(x, u, perPixel);
        EXPECT_NEAR(1 - ChiSquare10Cdf(u), std::atof(text.After(u8"α=").c_str()), 0.0015);
    }
}

// A y range reaching far below the axis puts the 1-α read-out (a mass of 0
// at the left edge, written a twentieth of the span up) at the height of the
// "分布函数" legend near the plot's top: it stands clear of the legend.
TEST_F(StatsReadoutTest, OneMinusAlphaKeepsOffTheLegend) {
    auto v = Open("ConDistribution(0.2,3,44,13,1,1,4,-1,30,-5.9,1.25,0,1,10,5,1)", "");
    // The read-outs show once the figure is clicked: u near the left edge.
    text.pieces.clear();
    ClickAt(v.get(), v->m_nPlotLeft + 3, v->m_nPlotBottom - 10);
    // The cell a piece fills: a byte's width a byte, one line high.
    const auto cell = [](const TextRecorder::Piece& p) {
        return CRect(p.x, p.y, p.x + int(p.text.size()) * std::abs(p.font.lfWidth),
                     p.y + std::abs(p.font.lfHeight));
    };
    const TextRecorder::Piece* legend = nullptr;
    std::vector<CRect> readout;
    for (size_t i = 0; i < text.pieces.size(); ++i) {
        const TextRecorder::Piece& p = text.pieces[i];
        if (p.text == Gbk(u8"分布函数")) legend = &p;
        if (p.text == Gbk(u8"1-α=")) {
            readout.push_back(cell(p));
            if (i + 1 < text.pieces.size()) readout.push_back(cell(text.pieces[i + 1]));
        }
    }
    ASSERT_NE(nullptr, legend);
    ASSERT_EQ(2u, readout.size());
    EXPECT_EQ("0.000", text.After(u8"1-α="));
    for (const CRect& r : readout) EXPECT_TRUE(r.Intersect(cell(*legend)).IsRectEmpty());
}

// Page 202 printed: the figure clicked on screen prints its interval and
// read-outs, as the screen shows them; before any click neither does.
TEST(StatsPrint, TheClickedFigurePrintsAsTheScreenShowsIt) {
    InRunDir run;
    ASSERT_TRUE(run.Entered());
    auto v = MakeView();
    v->ResetTopic(-1);
    v->m_strTopicCode = "202";
    v->ResizeClient(kPageWidth, kPageHeight);
    v->Invalidate();
    while (v->HasPendingPaint()) v->RenderPending();
    const auto print = [&](TextRecorder* text) {
        CPrintInfo info;
        v->OnPreparePrinting(&info);
        v->m_pTextSink = text;
        EXPECT_TRUE(DrawPrintPages(v.get(), &info, 1, 1, QSize(620, 877),
                                   [](const QImage&) { return true; }));
        v->m_pTextSink = nullptr;
    };
    TextRecorder before;
    print(&before);
    EXPECT_TRUE(before.After(u8"S=").empty());
    // A press and release in the mean interval's plot (x from -2 to 13), as
    // a lecturer clicks.
    const CPemroView::PlotMap* mean = nullptr;
    for (const auto& m : v->m_aPlotMaps)
        if (m.xMin == -2 && m.xMax == 13) mean = &m;
    ASSERT_NE(nullptr, mean);
    const CPoint p((mean->left + mean->right) / 2 + 7 - v->m_nClipLeft,
                   (mean->top + mean->bottom) / 2 - v->m_nClipTop);
    v->OnLButtonDown(MK_LBUTTON, p);
    v->OnLButtonUp(0, p);
    while (v->HasPendingPaint()) v->RenderPending();
    TextRecorder after;
    print(&after);
    EXPECT_EQ("3.028", after.After(u8"S=")); // S of X = 1..10
    EXPECT_EQ("1.833", after.After(u8")=")); // t(9) 0.95 quantile
    EXPECT_EQ((std::vector<std::string>{"3.745", "7.255"}), after.ValuesAfter(u8"μ ="));
}

} // namespace
