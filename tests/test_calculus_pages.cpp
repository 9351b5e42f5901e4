// The calculus pages of the sample course and small scratch pages, drawn
// whole: the limit verdicts and the ε-δ values, the mean value theorems with
// their ξ, Taylor polynomials and Fourier coefficients; every button acts
// once per click, and the parameters buttons multiply stay capped.
#include "test_support.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace test_support;

constexpr double kPi = 3.14159265358979323846;

// Views on pages of the sample course or of scratch scripts.
class CalculusPageTest : public PageViewTest {
protected:
    // The texts written in the colour (the ξ numbers: palette colour 5).
    std::vector<std::string> WrittenIn(COLORREF c) const {
        std::vector<std::string> texts;
        for (const auto& piece : log.pieces)
            if (piece.colour == c) texts.push_back(piece.text);
        return texts;
    }
    // Whether the title shows at the plot's top, after the left edge and
    // clear of the y axis's name at the axis's head ("y" eight pixels right
    // of the axis): right of it when the axis stands near the left edge.
    bool ShowsTitle(const std::string& utf8, COLORREF colour) {
        const std::string gbk = Gbk(utf8);
        for (const auto& piece : log.pieces) {
            if (piece.text != gbk || piece.y != view->m_nPlotTop) continue;
            const int axis = WorldPixel(*view, 0, 0).x;
            const bool clear = piece.x > axis + 8 || piece.x == view->m_nPlotLeft + 2;
            return clear && Shows(piece.x, piece.y, utf8, colour);
        }
        return false;
    }
    COLORREF At(int x, int y) const { return ColourAt(view->BackingImage(), x, y); }
    // Pixels of the colour in the column x between rows y0 and y1.
    int ColumnCount(int x, int y0, int y1, COLORREF c) const {
        return CountColour(view->BackingImage(), c, x, std::min(y0, y1), x + 1,
                           std::max(y0, y1) + 1);
    }
    // Whether the page shows the string as the figure's plain strings write
    // it at (x, y): nearly every pixel of a copy drawn alone is on the page.
    bool Shows(int x, int y, const std::string& utf8, COLORREF colour) {
        const QImage& page = view->BackingImage();
        return ShowsString(*view, x, y, utf8, colour, CRect(0, 0, page.width(), page.height()));
    }
    // The same for a string at a world point (DrawStringWorld).
    bool ShowsAtWorld(double x, double y, const std::string& utf8, COLORREF colour) {
        const CPoint p = WorldPixel(*view, x, y);
        return Shows(p.x + 2, p.y, utf8, colour);
    }
};

using CalculusSampleTest = OnSampleCourse<CalculusPageTest>;

class ScratchCalculusTest : public OnScratchScripts<CalculusPageTest> {
protected:
    // A one-figure page: the command line with 11 blank lines under it.
    static void Script(const std::string& code, const std::string& utf8Command) {
        std::string text = "014T\n700" + utf8Command + "\n";
        for (int i = 0; i < 11; ++i) text += "104\n";
        WriteScript(code, text);
    }
};

} // namespace

// --- Limits ---------------------------------------------------------------------

TEST_F(CalculusSampleTest, EveryCalculusPageDrawsWithoutAMessage) {
    for (const char* topic : {"300", "301", "302", "303", "304", "305", "307", "315", "316", "329",
                              "330", "338", "339", "352", "211"}) {
        Open(topic, 4000);
        EXPECT_EQ(view->m_strLastDataPath, std::string("data\\") + topic + ".txt");
        EXPECT_TRUE(messages.empty()) << topic;
    }
}

TEST_F(CalculusSampleTest, LimitPagesWriteTheirLimits) {
    struct Case {
        const char* topic;
        const char* label;
        const char* value;
    };
    // sin x/x at 0; sgn x from the left and right; (1+1/x)^x → e;
    // arctan x → ±π/2.
    const Case cases[] = {
        {"303", u8"极限: ", "1.000"},        {"303", u8"极限点: ", "0.000"},
        {"304", u8"左极限: ", "-1.000"},     {"305", u8"右极限: ", "1.000"},
        {"300", u8"(x→∞)极限: ", "2.718"},   {"301", u8"(x→+∞)极限: ", "1.571"},
        {"302", u8"(x→-∞)极限: ", "-1.571"},
    };
    for (const Case& c : cases) {
        Open(c.topic, 4000);
        const auto values = After(c.label);
        ASSERT_FALSE(values.empty()) << c.topic << " " << c.label;
        EXPECT_EQ(values.front(), c.value) << c.topic;
    }
}

TEST_F(CalculusSampleTest, TheEpsilonDeltaPictureShowsEpsilonAndDelta) {
    Open("303");
    // ε = 0.1 of the y span 1.8; sin x/x leaves 1 ± 0.18 where
    // 1 - sin δ/δ = 0.18: δ = 1.0694125882 (mpmath findroot).
    EXPECT_TRUE(log.Saw("0.180000"));
    EXPECT_TRUE(log.Saw("1.069413"));
    // The blue box between x0 − δ and x0 + δ.
    EXPECT_EQ(At(Px(0.5), Py(1.0)), RGB(0, 0, 250));
    // cos x at 0 from either side, ε = 0.3: δ = arccos 0.7 = 0.7953988302.
    for (const char* topic : {"304", "305"}) {
        log.pieces.clear();
        Open(topic, 4000);
        EXPECT_TRUE(log.Saw("0.795399")) << topic;
    }
    EXPECT_NE(At(Px(1.5), Py(1.0)), RGB(0, 0, 250));
}

TEST_F(CalculusSampleTest, AWideBandStaysInsideThePlot) {
    Open("303");
    view->m_dEpsilon = 0.5;
    Repaint();
    const CPemroView& v = *view;
    const COLORREF blue = RGB(0, 0, 250);
    EXPECT_GT(CountColour(v.BackingImage(), blue, v.m_nPlotLeft, v.m_nPlotTop, v.m_nPlotRight,
                          v.m_nPlotBottom),
              0);
    EXPECT_EQ(CountColour(v.BackingImage(), blue, 0, 0, kPageWidth, v.m_nPlotTop), 0);
}

TEST_F(CalculusSampleTest, NoLimitAtInfinityIsSaid) {
    Open("301", 4000); // the last figure: arctan x as x → ∞
    const CPemroView& v = *view;
    EXPECT_TRUE(Shows(v.m_nPlotRight - 6 * (v.m_nFontStep + v.m_nBaseCharHeight), v.m_nPlotTop,
                      u8"极限不存在", v.m_crCurveSetting));
    EXPECT_TRUE(After(u8"(x→∞)极限: ").empty());
}

TEST_F(CalculusSampleTest, EpsilonAndDeltaButtonsActOncePerClick) {
    Open("303");
    const int x = view->m_nPlotRight - 32;
    ClickButton(x, view->m_nPlotTop + 4); // ε增加
    EXPECT_DOUBLE_EQ(view->m_dEpsilon, 0.125);
    Repaint();
    Repaint();
    EXPECT_DOUBLE_EQ(view->m_dEpsilon, 0.125);
    ClickButton(x, view->m_nPlotTop + 56); // δ再大
    Repaint();
    EXPECT_DOUBLE_EQ(view->m_dDelta, 1.25);
    ClickButton(x, view->m_nPlotTop + 108); // δ复原
    EXPECT_DOUBLE_EQ(view->m_dDelta, 1.0);
}

TEST_F(CalculusSampleTest, EpsilonAndDeltaStayCappedUnderFiftyClicks) {
    Open("303");
    const int x = view->m_nPlotRight - 32;
    for (int i = 0; i < 50; ++i) ClickButton(x, view->m_nPlotTop + 4);
    EXPECT_LE(view->m_dEpsilon, 0.5);
    for (int i = 0; i < 50; ++i) ClickButton(x, view->m_nPlotTop + 56);
    EXPECT_LE(view->m_dDelta, 10.0);
    // From near the lower bounds, a few clicks down stay at them.
    view->m_dEpsilon = 1.1e-4;
    view->m_dDelta = 0.011;
    for (int i = 0; i < 3; ++i) ClickButton(x, view->m_nPlotTop + 30);
    for (int i = 0; i < 3; ++i) ClickButton(x, view->m_nPlotTop + 82);
    EXPECT_DOUBLE_EQ(view->m_dEpsilon, 1e-4);
    EXPECT_DOUBLE_EQ(view->m_dDelta, 0.01);
}

// "δ再大" clicked twenty times: the δ box, its dots and labels stay inside the
// figure (none of the picture's colours left of it or right of its buttons),
// and the read-out stays the δ found, 1.069413 (1 - sin δ/δ = 0.18): the
// buttons only widen the box.
TEST_F(CalculusSampleTest, DeltaBoxStaysInsideTheFigureAndItsValueIsShown) {
    Open("303");
    const int x = view->m_nPlotRight - 32;
    log.pieces.clear();
    ClickButton(x, view->m_nPlotTop + 56);
    EXPECT_TRUE(log.Saw("1.069413"));
    for (int i = 1; i < 20; ++i) ClickButton(x, view->m_nPlotTop + 56);
    EXPECT_DOUBLE_EQ(view->m_dDelta, 10.0);
    log.pieces.clear();
    Repaint();
    EXPECT_TRUE(log.Saw("1.069413"));
    const CPemroView& v = *view;
    const QImage& page = v.BackingImage();
    for (COLORREF c : {v.m_crCurveSetting, v.m_crSection, RGB(0, 0, 250), RGB(255, 0, 0)}) {
        EXPECT_EQ(
            CountColour(page, c, v.m_nPlotRight + 40, v.m_nPlotTop, kPageWidth, v.m_nPlotBottom), 0)
            << std::hex << c;
        EXPECT_EQ(CountColour(page, c, 0, v.m_nPlotTop, v.m_nFigureLeft, v.m_nPlotBottom), 0)
            << std::hex << c;
    }
}

TEST_F(CalculusSampleTest, LimitKindButtonsChooseTheApproach) {
    Open("352");
    // A fresh page shows the first animated kind at once.
    EXPECT_EQ(view->m_nDemoOption, 6);
    EXPECT_EQ(view->m_nSequenceMode, 1);
    // "x0-0" in the column right of the figure: the left-hand approach.
    const int top = view->m_nFigureTop;
    ClickButton(view->m_nFigureRight - 10, top + 48);
    EXPECT_EQ(view->m_nDemoOption, 7);
    // The click beside the plot redraws the graph and the approach over it.
    EXPECT_TRUE(log.Saw(u8"极限点: "));
    EXPECT_EQ(view->m_nLimitSide, 1);
    EXPECT_EQ(view->m_nSequenceMode, 1);
    Repaint();
    EXPECT_EQ(view->m_nDemoOption, 7);
    ClickButton(view->m_nFigureRight - 10, top + 120); // "+∞"
    EXPECT_EQ(view->m_nLimitInfinity, 2);
}

TEST_F(CalculusSampleTest, TheAnimationPresentsAndWaitsAFewSeconds) {
    CountingHost host;
    view = std::make_unique<CPemroView>();
    view->SetHost(&host);
    view->ResetTopic(-1);
    view->m_strTopicCode = "352";
    view->ResizeClient(kPageWidth, kPageHeight);
    view->RenderPending();
    // Both sides of the approach are shown sample by sample, once.
    EXPECT_GT(host.presents, 10);
    EXPECT_LE(host.totalMs, 3000);
    const int opened = host.presents;
    Repaint();
    EXPECT_EQ(host.presents, opened);
    // A click in the plot shows it again; so does another kind.
    Click(Px(-4), Py(0.5));
    EXPECT_GT(host.presents, opened);
    const int clicked = host.presents;
    ClickButton(view->m_nFigureRight - 10, view->m_nFigureTop + 72); // "x0+0"
    EXPECT_GT(host.presents, clicked);
    view->SetHost(nullptr);
}

// --- Mean value theorems -------------------------------------------------------------

// With a parametric curve (plot mode 1) the mean value figures say "对显函数有效" in a box at the
// plot's bottom, inside the plot, at every window width (it once fell below the figure on wide
// windows).
TEST_F(ScratchCalculusTest, TheExplicitOnlyNoticeStaysInsideThePlot) {
    constexpr struct { int w, h; } kWindows[] = {{1010, 695}, {1266, 887}, {1586, 927}};
    for (const char* command : {"MeanDifferential(0.3,3,34,9,3,-1,1,-1,7,-1,3,0,6.283185)",
                                "MeanCalculus1(0.3,3,34,9,3,-1,1,-1,7,-1,3,0.5,4.5)"})
        for (const auto& s : kWindows) {
            Script("329", command);
            Open("329", s.h, s.w);
            const ControlLog controls = ControlsOfRepaint(view.get());
            const Control* notice = controls.Find(u8"对显函数有效");
            ASSERT_NE(notice, nullptr) << command << " at " << s.w;
            const CPemroView& v = *view;
            EXPECT_GE(notice->box.top, v.m_nPlotTop) << command << " at " << s.w;
            EXPECT_LE(notice->box.bottom, v.m_nPlotBottom) << command << " at " << s.w;
            EXPECT_GE(notice->box.left, v.m_nPlotLeft) << command << " at " << s.w;
            EXPECT_LE(notice->box.right, v.m_nPlotRight) << command << " at " << s.w;
        }
}

TEST_F(ScratchCalculusTest, RolleMarksBothHorizontalTangentsOfSine) {
    Script("329", "MeanDifferential(0.3,3,40,11,3,-1,0,-0.5,7,-2.5,2.5,0,6.283185)");
    Open("329");
    const CPemroView& v = *view;
    EXPECT_TRUE(ShowsTitle(u8"罗  尔  定  理", v.m_crCurveSetting));
    // ξ1 and ξ2 at π/2 and 3π/2: their ordinates up to the curve.
    EXPECT_EQ(WrittenIn(v.m_acrPalette[5]),
              (std::vector<std::string>{Gbk(u8"ξ"), "1", Gbk(u8"ξ"), "2"}));
    for (double xi : {kPi / 2, 3 * kPi / 2}) {
        int best = 0;
        for (int dx = -2; dx <= 2; ++dx)
            best = std::max(best, ColumnCount(Px(xi) + dx, Py(0) - 2, Py(std::sin(xi)) + 2,
                                              v.m_crFirstDerivative));
        EXPECT_GT(best, std::abs(Py(0) - Py(1)) / 2) << xi;
    }
}

TEST_F(ScratchCalculusTest, TheLagrangeButtonSwitchesTheTheoremOnce) {
    Script("329", "MeanDifferential(0.3,3,40,11,3,-1,0,-0.5,7,-2.5,2.5,0.5,5.5)");
    Open("329");
    ClickButton(view->m_nPlotRight - 16, view->m_nPlotTop + 24); // 拉氏
    EXPECT_EQ(view->m_dDemoVariant, 1.0);
    const CPemroView& v = *view;
    EXPECT_TRUE(ShowsTitle(u8"拉格朗日中值定理", v.m_crCurveSetting));
    EXPECT_FALSE(ShowsTitle(u8"罗  尔  定  理", v.m_crCurveSetting));
    // The chord of sin x over [0.5, 5.5].
    const double xm = 3.0, ym = std::sin(0.5) + (std::sin(5.5) - std::sin(0.5)) * 2.5 / 5;
    EXPECT_GE(ColumnCount(Px(xm), Py(ym) - 2, Py(ym) + 2, v.m_crSecondDerivative), 1);
    ClickButton(view->m_nPlotRight - 16, view->m_nPlotTop + 2); // 罗尔
    Repaint();
    EXPECT_EQ(view->m_dDemoVariant, 0.0);
}

TEST_F(CalculusSampleTest, IntegralMeanValueHasTwoMeanPoints) {
    // 6 + (x−1)(x−4)(1 + sin 2x / 2) over [0.5, 4.5]: mean 5.3534 taken at
    // x = 1.168 and x = 3.848.
    Open("330");
    EXPECT_EQ(WrittenIn(view->m_acrPalette[5]),
              (std::vector<std::string>{Gbk(u8"ξ"), "1", Gbk(u8"ξ"), "2"}));
    EXPECT_GE(ColumnCount(Px(1.168), Py(0) - 2, Py(5.3534), view->m_crSecondDerivative),
              (Py(0) - Py(5.3534)) / 2);
}

TEST_F(CalculusSampleTest, IntervalsShowClosedOpenAndInfiniteEnds) {
    Open("329", 4000); // the last figure: [a, +∞) with a = 1
    const CPemroView& v = *view;
    // The filled dot at a, nothing but the axis at the infinite end.
    EXPECT_EQ(At(Px(1), Py(0) - 2), v.m_crAxes);
    EXPECT_NE(At(Px(5.5), Py(0) - 2), v.m_crAxes);
}

// --- Taylor polynomials --------------------------------------------------------------

TEST_F(CalculusSampleTest, MaclaurinPolynomialOfSineGrowsTermByTerm) {
    Open("316");
    EXPECT_EQ(view->m_nDemoStep, 1);
    for (int i = 0; i < 4; ++i) ClickButton(view->m_nPlotRight - 110, view->m_nPlotTop + 4);
    EXPECT_EQ(view->m_nDemoStep, 5);
    EXPECT_TRUE(log.Saw("5"));
    // x − x³/6 + x⁵/120 at x = 2 is 0.9333 (sin 2 = 0.9093).
    int hits = 0;
    for (int dx = -1; dx <= 1; ++dx)
        hits +=
            ColumnCount(Px(2.0) + dx, Py(0.9333) - 2, Py(0.9333) + 2, view->m_crSecondDerivative);
    EXPECT_GT(hits, 0);
}

TEST_F(CalculusSampleTest, TaylorOrdersStayCappedUnderFiftyClicks) {
    Open("316"); // closed form: the table of 50
    for (int i = 0; i < 50; ++i) ClickButton(view->m_nPlotRight - 110, view->m_nPlotTop + 4);
    EXPECT_EQ(view->m_nDemoStep, 48);
    Open("315"); // differences: binomial rows up to order 9
    for (int i = 0; i < 50; ++i) ClickButton(view->m_nPlotRight - 110, view->m_nPlotTop + 4);
    EXPECT_EQ(view->m_nDemoStep, 9);
    view->m_nDemoStep = 1;
    for (int i = 0; i < 3; ++i) ClickControl(u8"n减少");
    EXPECT_EQ(view->m_nDemoStep, 0); // "n减少" at 0 leaves 0
}

// --- Fourier series -------------------------------------------------------------------

// The left edge of the Fourier row's "n增加" (i = 0) or "n减少" (i = 1) as
// the page draws it.
int TermButtonLeft(CPemroView& v, int i) {
    const test_support::ControlLog log = test_support::ControlsOfRepaint(&v);
    const test_support::Control* c = log.Find(i == 0 ? u8"n增加" : u8"n减少");
    if (!c) {
        ADD_FAILURE() << "no term button " << i;
        return 0;
    }
    return c->box.left + 1;
}

TEST_F(CalculusSampleTest, FourierCoefficientsOfXAreListed) {
    Open("338");
    // f = x on [−π, π]: bₙ = 2(−1)ⁿ⁺¹/n, aₙ = 0.
    const int x = TermButtonLeft(*view, 0);
    ClickButton(x, view->m_nPlotTop + 4); // n增加
    ClickButton(x, view->m_nPlotTop + 4);
    EXPECT_EQ(view->m_nDemoStep, 3);
    Repaint();
    EXPECT_EQ(log.ValuesAfterTopDown("b ="),
              (std::vector<std::string>{"2.0000", "-1.0000", "0.6667"}));
    EXPECT_EQ(log.ValuesAfterTopDown("a ="),
              (std::vector<std::string>{"0.0000", "0.0000", "0.0000"}));
    EXPECT_EQ(log.ValuesAfterTopDown("a /2="), (std::vector<std::string>{"0.0000"}));
}

// At 40 terms the list shows its first rows, as many as stand a label and
// its subscript apart (1.2 label heights) inside the plot and above the count
// of terms: three at this size, with bₙ = 2(−1)ⁿ⁺¹/n (by hand).
TEST_F(CalculusSampleTest, FourierListStaysInsideAtFortyTerms) {
    Open("338");
    view->m_nDemoStep = 40;
    Repaint();
    EXPECT_EQ(log.ValuesAfterTopDown("b ="),
              (std::vector<std::string>{"2.0000", "-1.0000", "0.6667"}));
    // The count of terms is written with its top at 0.22 of the height.
    const int countTop = view->m_nPlotBottom - int(0.22 * (view->m_nPlotBottom - view->m_nPlotTop));
    int listed = 0;
    for (size_t i = 0; i + 1 < log.pieces.size(); ++i) {
        const std::string& t = log.pieces[i].text;
        if (t != "a =" && t != "b =" && t != "a /2=") continue;
        for (const auto* p : {&log.pieces[i], &log.pieces[i + 1]}) { // the label, its value
            ++listed;
            const int bottom = p->y + std::abs(p->font.lfHeight);
            EXPECT_GE(p->y, view->m_nPlotTop) << p->text;
            EXPECT_LE(bottom, countTop) << p->text << " at " << p->y;
            EXPECT_GE(p->x, view->m_nPlotLeft) << p->text;
            EXPECT_LT(p->x, view->m_nPlotRight) << p->text;
        }
    }
    EXPECT_EQ(listed, 2 * 7);
}

TEST_F(CalculusSampleTest, FourierCoefficientOfTheView) {
    Open("338");
    CPemroView& v = *view;
    v.m_nFuncF = 20;
    v.m_bFuncFPeriodic = 1;
    v.m_dFuncFPeriod = 2 * kPi;
    for (int n = 1; n <= 6; ++n)
        EXPECT_NEAR(v.FourierCoefficient(n, 1) / kPi, 2.0 * (n % 2 ? 1 : -1) / n, 1e-6) << n;
    EXPECT_NEAR(v.FourierCoefficient(2, 0), 0.0, 1e-9);
    EXPECT_EQ(v.FourierCoefficient(2, 5), 0.0);
}

TEST_F(CalculusSampleTest, FourierButtonsActOnceAndStayCapped) {
    Open("338");
    const int top = view->m_nPlotTop;
    // The graph's "周期增加": one click scales the period once.
    ClickButton(view->m_nPlotLeft + int(10 * (view->m_nClipRight - view->m_nClipLeft) / 800.0),
                top + 4);
    Repaint();
    EXPECT_NEAR(view->m_dFuncFPeriod, 6.283185 * 1.25, 1e-9);
    view->m_nDemoStep = 490;
    for (int i = 0; i < 50; ++i) ClickButton(TermButtonLeft(*view, 0), top + 4);
    EXPECT_EQ(view->m_nDemoStep, 500);
    // "正弦展开" clicked right of the plot edge: the odd extension.
    const int column = view->m_nPlotRight - view->m_nBaseCharHeight;
    Click(view->m_nPlotRight + 10, view->m_nPlotTop + 3);
    EXPECT_GT(view->m_nPlotRight + 10, column);
    EXPECT_EQ(view->m_nFuncFSymmetry, 0);
    // "取消显示" hides the list from the next pass on.
    ClickButton(view->m_nPlotRight - view->m_nBaseCharHeight, top + 96);
    Repaint();
    EXPECT_TRUE(After("b =").empty());
}

// The y axis's label "y" at the top of the axis reads beside the buttons of
// the plot's top row, at every window size: its pixels show, and no button
// frame runs through the box around them.
TEST_F(CalculusSampleTest, TheYAxisLabelStandsClearOfTheButtons) {
    for (const char* topic : {"324", "457", "338"}) {
        for (const CSize size : {CSize(1586, 927), CSize(1266, 887), CSize(1010, 695)}) {
            SCOPED_TRACE(std::string(topic) + " at " + std::to_string(size.cx));
            Open(topic);
            view->ResizeClient(size.cx, size.cy);
            Repaint();
            const CPemroView& v = *view;
            const int axis =
                v.m_nPlotLeft + int(-v.m_dXMin / (v.m_dXMax - v.m_dXMin) * v.m_nPlotWidth);
            const QImage& page = v.BackingImage();
            QRect label;
            for (int y = v.m_nPlotTop - 25; y < v.m_nPlotTop + 25; ++y)
                for (int x = axis + 2; x < axis + 30; ++x)
                    if (ColourAt(page, x, y) == v.m_crAxes) label |= QRect(x, y, 1, 1);
            ASSERT_GE(label.width() * label.height(), 20);
            label.adjust(-1, -1, 1, 1);
            EXPECT_EQ(CountColour(page, v.m_crCurveSetting, label.left(), label.top(),
                                  label.right() + 1, label.bottom() + 1),
                      0);
        }
    }
}

// --- Constructions and degenerate pages --------------------------------------------------

TEST_F(ScratchCalculusTest, HorizontalLineTestMeetsTheCubicThreeTimes) {
    // x³ − 3x + 1 at the level F(0) = 1: x = 0 and ±√3.
    Script("211", "DATA1(0,1,0,-3,1,0,0,)\n700Inverse(0.3,3,40,11,40,0,0,-3,3,-4,6,-3,3)");
    Open("211");
    const CPemroView& v = *view;
    for (double x : {-std::sqrt(3.0), std::sqrt(3.0)}) {
        int best = 0;
        for (int dx = -2; dx <= 2; ++dx)
            best = std::max(best, ColumnCount(Px(x) + dx, Py(0) - 1, Py(1) + 1, v.m_crDefaultPen));
        EXPECT_GE(best, (Py(0) - Py(1)) / 2) << x;
    }
}

TEST_F(ScratchCalculusTest, ZeroPeriodsAndSpansEndTheConstructions) {
    const char* lines[] = {
        "Period(0.3,3,40,11,16,2,0,-6,6,-0.5,2,0,1)",
        "Period(0.3,3,40,11,16,2,0,-6,6,-0.5,2,-1e-300,1)",
        "Fourier(0.3,3,40,11,20,-1,0,-10,10,-4,4,0,0,0,1)",
        "Inverse(0.3,3,40,11,40,0,0,1,1,-4,6,-3,3)",
        "Limit(0.3,3,40,11,29,0,0,2,2,-1,1,-8,8)",
        "MeanDifferential(0.3,3,40,11,3,-1,0,1,1,1,1,0,6)",
        "MeanCalculus1(0.3,3,40,11,3,-1,0,0,0,0,0,0,6)",
        "Series1(0.3,3,40,11,7,1,0,3,3,3,3,0,6)",
    };
    for (const char* line : lines) {
        Script("900", line);
        Open("900");
        EXPECT_TRUE(messages.empty()) << line;
    }
}

TEST_F(ScratchCalculusTest, ImplicitCurvePointThatFailsAsksForAnotherPoint) {
    // The circle x² + y² = 4 (implicit form 1 with c = 4) has no point over
    // x = 3: the cursor there is rejected.
    Script("901", "Limit(0.3,3,40,11,1,0,2,-5,5,-5,5,-5,5)");
    Open("901");
    view->m_dCursorX = 3;
    view->m_dCursorY = 0;
    Repaint();
    const CPemroView& v = *view;
    EXPECT_TRUE(Shows(v.m_nPlotRight - 8 * (v.m_nFontStep + v.m_nBaseCharHeight), v.m_nPlotTop,
                      u8"重选点", v.m_crCurveSetting));
    EXPECT_EQ(v.m_nRegionType, 0);
}

TEST_F(ScratchCalculusTest, DefinitionModeShowsTheRectangleOrSaysDeltaIsTooLarge) {
    Script("902", "Limit(0.3,3,40,11,29,0,0,-8,8,-0.5,1.3,-8,8)");
    Open("902");
    CPemroView& v = *view;
    v.m_nLimitSide = 3;
    v.m_nSequenceMode = 1; // the definition mode runs after the approach
    v.m_dDelta = 0.5;
    CDC dc(&v.BackingImageRef());
    v.DrawLimit(&dc, -8, 8);
    // ε is held at 0.1 of the y span 1.8 (0.1 stays), δ at 0.1 of 16.
    EXPECT_DOUBLE_EQ(v.m_dEpsilon, 0.1);
    EXPECT_DOUBLE_EQ(v.m_dDelta, 0.5);
    EXPECT_TRUE(ShowsAtWorld(v.m_dXMin + 0.2 * v.m_dXSpan, v.m_dYMax - 0.2 * v.m_dYSpan,
                             u8"δ太大了", v.m_crDefaultPen));
    // δ = 0.1: the rectangle about (0, 1), half-width 1.6, half-height 0.18.
    Repaint();
    v.m_nLimitSide = 3;
    v.m_dDelta = 0.1;
    v.DrawLimit(&dc, -8, 8);
    EXPECT_GE(ColumnCount(Px(1.6), Py(1.18), Py(0.82), v.m_crSection), (Py(0.82) - Py(1.18)) / 2);
}

TEST_F(ScratchCalculusTest, InverseAddsTheMirroredCurveToAFigure) {
    Script("903", "Curve(0.3,3,40,11,11,-1,0,-4,4,-4,4,-4,4)\n700inverse(5,0,-1.4,1.4)");
    Open("903");
    const CPemroView& v = *view;
    // tan t mirrored in y = x passes (1, π/4); tan itself (π/4, 1).
    const auto near = [&](double x, double y, COLORREF c) {
        int n = 0;
        for (int dx = -2; dx <= 2; ++dx) n += ColumnCount(Px(x) + dx, Py(y) - 2, Py(y) + 2, c);
        return n > 0;
    };
    EXPECT_TRUE(near(1.0, kPi / 4, v.m_crSecondDerivative));
    EXPECT_TRUE(near(kPi / 4, 1.0, v.m_crCurveSetting));
}

TEST_F(ScratchCalculusTest, DerivativeGraphTakesItsOrderFromTheScript) {
    Script("904", "Derivative1(0.3,3,40,11,3,2,0,-4,4,-2,2,-4,4)");
    Open("904");
    EXPECT_EQ(view->m_nDerivativeArg, 2);
    // sin x with its second derivative −sin x: at π/2 the value −1.
    int hits = 0;
    for (int dx = -1; dx <= 1; ++dx)
        hits += ColumnCount(Px(kPi / 2) + dx, Py(-1) - 3, Py(-1) + 3, view->m_crSecondDerivative);
    EXPECT_GT(hits, 0);
}

TEST_F(ScratchCalculusTest, ParametricCurveApproachesItsPoint) {
    // x = 2cos t, y = sin t: the point nearest the cursor (0, 0) is the top
    // (0, 1); the curve leaves 1 ± 0.6 at |x| = 1.825524 on the 0.01 grid
    // of t, where it runs right to left.
    Script("905", "DATA1(0,2,1,0,0,0,0,)\n700Limit(0.3,3,40,11,1,0,1,-3,3,-3,3,0,6.28)");
    Open("905");
    EXPECT_EQ(After(u8"极限: "), (std::vector<std::string>{"1.000"}));
    EXPECT_EQ(After(u8"极限点: "), (std::vector<std::string>{"0.000"}));
    EXPECT_TRUE(log.Saw("1.825524"));
}
