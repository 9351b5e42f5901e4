// The limit pages pressed button by button. Expected values are closed forms
// worked out in python3 (math): asin ε, tan ε, ⌊1/ε⌋, (n/2)·sin(2π/n), ±π/2.
#include "test_support.h"

#include "calculus/math/limits.h"
#include "view/catalog_menu_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace test_support;

struct Press {
    const char* button;
    int times;
    const char* label; // the read-out's label, or a text the page must show
    const char* value; // "" for a text alone
};

template <class Base> class PressingTest : public Base {
protected:
    void Check(const Press& p) {
        for (int i = 0; i < p.times; ++i) this->ClickControl(p.button);
        this->Repaint();
        const auto values = this->After(p.label);
        if (*p.value)
            EXPECT_EQ(values.empty() ? "" : values.back(), p.value) << p.button << " " << p.times;
        else
            EXPECT_TRUE(this->log.Saw(p.label)) << p.button << " " << p.times;
    }
};
using LimitPageTest = PressingTest<OnSampleCourse<PageViewTest>>;
using LimitScratchTest = PressingTest<OnScratchScripts<PageViewTest>>;

} // namespace

TEST(LimitEstimate, SlowApproachesAreFoundAndWildOnesAreNot) {
    const struct {
        double (*f)(double);
        double end;
        bool exists;
    } rows[] = {
        {[](double x) { return std::sqrt(x); }, 4, true},
        {[](double x) { return std::cbrt(x); }, 8, true},
        {[](double x) { return x * std::sin(1 / x); }, 8, true},
        {[](double x) { return std::sin(x); }, -8, true},
        {[](double x) { return std::sin(1 / x); }, 8, false},
        {[](double x) { return 1 / x; }, 8, false},
        {[](double x) { return std::log(x); }, 8, false},
    };
    for (const auto& r : rows) {
        const auto v = calculus::SampleApproach(r.f, 0, r.end);
        EXPECT_EQ(v.exists, r.exists) << r.end;
        if (r.exists) {
            EXPECT_NEAR(v.limit, 0, 1e-6) << r.end;
        }
    }
}

// y = x (20), sin x (3), arctan x (11) at 0, y span 4: ε = 0.4·1.25^k or 0.4·0.8^k.
TEST_F(LimitScratchTest, DeltaOfSlopedFunctionsIsTheClosedForm) {
    const struct {
        int k;
        Press press;
    } rows[] = {{20, {u8"ε增加", 0, u8"δ=", "0.400000"}}, {3, {u8"ε增加", 0, u8"δ=", "0.411517"}},
                {11, {u8"ε增加", 1, u8"δ=", "0.546302"}}, {11, {u8"ε增加", 2, u8"δ=", "0.721484"}},
                {11, {u8"ε减少", 3, u8"δ=", "0.207712"}}, {11, {u8"ε减少", 7, u8"δ=", "0.084083"}}};
    for (const auto& r : rows) {
        std::string text =
            "014T\n700Limit(0.3,3,40,11," + std::to_string(r.k) + ",0,0,-3,3,-2,2,-3,3)\n";
        for (int i = 0; i < 11; ++i) text += "104\n";
        WriteScript("901", text);
        Open("901");
        Check(r.press);
    }
}

// Each kind of 352, with sgn x (18), x^(1/3) (23), 1/x (24), √x (25), sin(1/x) (30),
// arctan x (11) and (1+1/x)^x (27) from the 函数 menu.
TEST_F(LimitPageTest, Page352KindsReportEachLimitOfTheChosenFunction) {
    const struct {
        int k;
        Press press;
    } rows[] = {
        {18, {"x0", 3, u8"极限不存在", ""}},          {18, {"x0-0", 3, u8"左极限: ", "-1.000"}},
        {18, {"x0+0", 3, u8"右极限: ", "1.000"}},     {25, {"x0+0", 3, u8"右极限: ", "0.000"}},
        {23, {"x0", 3, u8"极限: ", "0.000"}},         {30, {"x0+0", 3, u8"右极限不存在", ""}},
        {24, {"x0+0", 3, u8"右极限不存在", ""}},      {11, {u8"∞", 3, u8"极限不存在", ""}},
        {11, {u8"+∞", 3, u8"(x→+∞)极限: ", "1.571"}}, {11, {u8"-∞", 3, u8"(x→-∞)极限: ", "-1.571"}},
        {27, {u8"∞", 3, u8"(x→∞)极限: ", "2.718"}}};
    for (const auto& r : rows) {
        Open("352");
        ASSERT_TRUE(view->OnCommand(ID_CATALOG_F + UINT(r.k)));
        Check(r.press);
    }
    // A fresh page draws its animated kind from the first pass on, never the ε-δ column.
    view = MakeView();
    view->ResetTopic(-1);
    view->m_strTopicCode = "352";
    view->m_pTextSink = &log;
    view->ResizeClient(kPageWidth, kPageHeight);
    view->RenderPending();
    EXPECT_TRUE(log.Saw("x0+0"));
    EXPECT_FALSE(log.Saw(u8"δ复原"));
}

// The polygon's S(N)/r² = (N/2)·sin(2π/N), N ≥ 6; the ε-N band of Xn = 1 + (-1)^n/n,
// e = 0.24·2^±k (within 1e-4..1 of the span 2.4): N = ⌊1/e⌋, 0 from e > 1.
TEST_F(LimitPageTest, Page368ButtonsChangeTheirReadOuts) {
    const Press rows[] = {{u8"n增加", 3, u8"面积/r^2近似值:  ", "3.132629"},
                          {u8"n减少", 3, u8"正N边形N= ", "6"},
                          {u8"ε减少", 3, "N=", "33"},
                          {u8"ε减少", 5, "N=", "133"},
                          {u8"ε减少", 12, "N=", "2133"},
                          {u8"ε减少", 12, u8"ε=", "0.000469"},
                          {u8"ε增加", 1, "N=", "2"},
                          {u8"ε增加", 3, "N=", "0"},
                          {u8"ε增加", 6, u8"ε=", "1.920000"},
                          {"Xn=f(n)", 3, "N=", "4"}};
    for (const Press& r : rows) {
        Open("368", 4000);
        Check(r);
    }
    // The recursion, then one "恢复" back to the script's reading.
    Check({"Xn=f(Xn-1)", 3, u8"恢复", ""});
    EXPECT_EQ(view->m_nDemoOption2, 0);
    EXPECT_EQ(log.Count(Gbk(u8"恢复")), 1);
    Check({u8"恢复", 1, "N=", "4"});
    EXPECT_EQ(view->m_nDemoOption2, 1);
}

// Romberg's ε: 0.1·5^k up to 312.5, 0.1·0.2^k down to 1.28e-6.
TEST_F(LimitPageTest, Page367EpsilonStepsByFiveWithinItsRange) {
    const Press rows[] = {{u8"ε增加", 3, u8"ε=", "12.500000"},
                          {u8"ε增加", 8, u8"ε=", "312.500000"},
                          {u8"ε减少", 3, u8"ε=", "0.000800"},
                          {u8"ε减少", 10, u8"ε=", "0.000001"}};
    for (const Press& r : rows) {
        Open("367");
        Check(r);
    }
}

// Two limit figures: the second's range holds the chosen point x0 = 9 (the
// topic's default), the first's does not and keeps the cursor's 0 on every
// pass, whatever the second drew before it.
TEST_F(LimitScratchTest, AFigureKeepsItsLimitPointAfterTheNextFigureTookItsOwn) {
    std::string text = "014T\n700Limit(0.3,3,40,11,3,0,0,-8,8,-2,2,-8,8)\n";
    for (int i = 0; i < 11; ++i) text += "104\n";
    text += "700Limit(0.3,3,40,11,3,0,0,-8,10,-2,2,-8,10)\n";
    for (int i = 0; i < 11; ++i) text += "104\n";
    WriteScript("901", text);
    Open("901", 2160); // both figures in view
    const struct {
        size_t figure;
        const char* x0; // by hand: the cursor's 0, the default point 9
    } rows[] = {{0, "0.000"}, {1, "9.000"}};
    for (int pass = 0; pass < 3; ++pass) {
        Repaint();
        const auto values = After(u8"极限点: ");
        ASSERT_EQ(values.size(), 2u) << pass;
        for (const auto& r : rows) EXPECT_EQ(values[r.figure], r.x0) << pass << " " << r.figure;
    }
}
