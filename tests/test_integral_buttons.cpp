// The buttons of the integral and series pages, each pressed in turn, with
// the read-outs they change against values computed apart (python3, plain
// math, from the definitions named above each table).
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace test_support;

struct Press {
    const char* button; // pressed once
    const char* label;  // the read-out it changes
    const char* value;  // its first value after the press
};

// Presses and the read-outs after them, on any page fixture.
template <class Base> class Pressing : public Base {
protected:
    std::string First(const std::string& label) const {
        const auto v = this->After(label);
        return v.empty() ? "(none)" : v.front();
    }
    // Each press, then a pass that only repaints: the value holds.
    void Run(const std::vector<Press>& presses) {
        for (const Press& p : presses) {
            this->ClickControl(p.button);
            this->Repaint();
            EXPECT_EQ(First(p.label), p.value) << p.button << " then " << p.label;
            this->Repaint();
            EXPECT_EQ(First(p.label), p.value) << p.button << " held";
        }
    }
};

class IntegralButtonTest : public Pressing<OnScratchScripts<PageViewTest>> {
protected:
    // A one-figure page: the command line, its label lines and blank lines.
    static void Script(const std::string& code, const std::string& command, int labels) {
        std::string text = "014T\n70" + std::to_string(labels / 2) + command + "\n";
        for (int i = 0; i < labels; ++i) text += (i % 2 ? "y\n" : "x\n");
        for (int i = 0; i < 12; ++i) text += "107\n";
        WriteScript(code, text);
    }
};

class GaussPageButtonTest : public Pressing<OnSampleCourse<PageViewTest>> {};

} // namespace

// Σ sin(ξ_i) Δx_i over the strips of [0, 3.14159] of the definite-integral
// page: width 0.5 (1 + sin 10.34 x) 4/n (at least 0.4/n), the last cut at b,
// ξ = x + 0.25 (1 + sin 15 x) Δx.
TEST_F(IntegralButtonTest, DefiniteIntegralSumsTheStripsDrawn) {
    Script("931", "Calculus1(0.3,3,34,9,3,-1,1,-0.5,3.5,-0.5,1.5,0,3.14159)", 2);
    Open("931");
    view->m_nDemoStep = 1;
    Repaint();
    EXPECT_EQ(First(u8"积分近似值:"), "1.995267");
    Run({{u8"n增加", u8"积分近似值:", "1.926932"},
         {u8"n增加", u8"积分近似值:", "2.116389"},
         {u8"n增加", u8"积分近似值:", "1.942482"},
         {u8"n减少", u8"积分近似值:", "2.116389"},
         {u8"n减少", u8"积分近似值:", "1.926932"},
         {u8"n减少", u8"积分近似值:", "1.995267"}});
}

// The strip of the region x² ≤ y ≤ x: 1.25 and 0.8 times wider per press,
// never past a fifth of the span (0.1 · 1.25³ = 0.1953125, then 0.2).
TEST_F(IntegralButtonTest, RegionStripWidthStaysAnElement) {
    Script("932", "Domainxy(0.3,3,34,9,20,21,0,-0.2,1.2,-0.2,1.2,0,1,3,0,1)", 2);
    Open("932");
    const double widths[] = {0.125, 0.15625, 0.1953125, 0.2, 0.2, 0.16, 0.128, 0.1024};
    for (int i = 0; i < 8; ++i) {
        ClickControl(i < 5 ? u8"dx增" : u8"dx减");
        EXPECT_NEAR(view->m_dStepH, widths[i], 1e-12) << i;
    }
}

// Elements of width dx = 3 m_dStepH from 0.1, the last cut at b. Washers of
// the region between y = √x and y = 1 on [1, 4] about the x axis, radii at
// their left ends: π Σ (x_i − 1)(x_{i+1} − x_i) (exact 4.5π = 14.137);
// frustums of y = cos x on [-1.5, 1.5]: π Σ (|y_i| + |y_{i+1}|) hypot(Δx, Δy).
TEST_F(IntegralButtonTest, RevolutionElementsCoverTheWholeInterval) {
    const struct {
        const char *command, *view, *label;
        double pick;
        const char* values[9]; // opening, three dx减, five dx增
    } pages[] = {
        {"Revolve(0.3,3,34,9,25,18,0,-0.5,4.5,-2.5,2.5,1,4,1,0,0,0)",
         u8"体积近似和",
         u8"体积近似值:",
         4.3,
         {"12.723", "13.029", "13.246", "13.423", "13.246", "13.029", "12.723", "12.370",
          "12.011"}},
        {"Revolve(0.3,3,34,9,4,90,0,-2,2,-1.5,1.5,-1.5,1.5,2,0,0,0)",
         u8"面积近似和",
         u8"侧面积近似值:",
         1.8,
         {"14.271", "14.310", "14.335", "14.351", "14.335", "14.310", "14.271", "14.210",
          "14.118"}},
    };
    for (const auto& page : pages) {
        Script("933", page.command, 2);
        Open("933");
        view->m_dCursorX = page.pick;
        view->m_dCursorY = 0.5;
        Click(Px(page.pick), Py(0.5));
        ClickControl(page.view);
        Repaint();
        EXPECT_EQ(First(page.label), page.values[0]);
        std::vector<Press> presses;
        for (int i = 1; i < 9; ++i)
            presses.push_back({i < 4 ? u8"dx减" : u8"dx增", page.label, page.values[i]});
        Run(presses);
    }
}

// F(x) = x on (0, π), period T = 6.283185: the odd extension has b_k =
// (−1)^(k+1) T/(kπ) (2.0000, −1.0000, 0.6667) and a_0/2 = 0; the even one
// a_0/2 = T/4 = 1.5708 and a_k = −2T/(kπ)² for odd k (a_3 = −0.1415); the
// general one is the odd one, F being odd already. The list is written from
// its last row up.
TEST_F(IntegralButtonTest, FourierExpansionButtonsHoldOverTheScript) {
    Script("935", "Fourier(0.3,3,40,11,20,1,0,-10,10,-1,4.5,6.283185,0,0,1)", 0);
    Open("935");
    view->m_nDemoStep = 0;
    Repaint();
    EXPECT_EQ(First("a /2="), "1.5708"); // the script's cosine series
    Run({{u8"n增加", u8"展开项数: ", "1"},
         {u8"n增加", u8"展开项数: ", "2"},
         {u8"n增加", u8"展开项数: ", "3"},
         {u8"正弦展开", "a /2=", "0.0000"},
         {u8"余弦展开", "a =", "-0.1415"},
         {u8"余弦展开", "a /2=", "1.5708"},
         {u8"一般展开", "b =", "0.6667"},
         {u8"正弦展开", "b =", "0.6667"}});
    EXPECT_EQ(After("b ="), (std::vector<std::string>{"0.6667", "-1.0000", "2.0000"}));
    Run({{u8"n减少", u8"展开项数: ", "2"},
         {u8"n减少", u8"展开项数: ", "1"},
         {u8"n减少", u8"展开项数: ", "0"}});
}

// Gauss-Legendre with m nodes (found by Newton's method on P_m) on n
// pieces of [0, π] for sin x, exact 2.
TEST_F(GaussPageButtonTest, NodesAndPieces) {
    Open("457");
    Run({{u8"2节点", u8"积分近似值:", "1.935820"},
         {u8"3节点", u8"积分近似值:", "2.001389"},
         {u8"4节点", u8"积分近似值:", "1.999984"},
         {u8"5节点", u8"积分近似值:", "2.000000"},
         {u8"6节点", u8"积分近似值:", "2.000000"}});
    // The nodes of six: symmetric about π/2, so are their values.
    const std::vector<std::string> f = {"0.105878", "0.507405", "0.930573", "0.930573"};
    const auto rows = After("f    =");
    ASSERT_GE(rows.size(), 3u);
    for (size_t i = 0; i < rows.size() && i < f.size(); ++i) EXPECT_EQ(rows[i], f[i]) << i;
    Run({{u8"2节点", u8"积分近似值:", "1.935820"},
         {u8"n增加", u8"积分近似值:", "1.996945"},
         {u8"n增加", u8"积分近似值:", "1.999820"},
         {u8"n增加", u8"积分近似值:", "1.999989"},
         {u8"n减少", u8"积分近似值:", "1.999820"},
         {u8"n减少", u8"积分近似值:", "1.996945"},
         {u8"n减少", u8"积分近似值:", "1.935820"}});
    // The table switch hides the node table and shows it again.
    ClickControl(u8"不显示数据");
    Repaint();
    EXPECT_TRUE(After("f    =").empty());
    ClickControl(u8"显示数据");
    Repaint();
    EXPECT_EQ(After("f    =").size(), 2u);
}
