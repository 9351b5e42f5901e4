// The numeric demonstrations pressed button by button as a lecturer presses
// them: each figure of pages 313, 464 and 465, copied from the page, and the
// matrix pages 201, 203, 204, 205 and 213 on systems that tell their entries
// apart, with the numbers of the plot read back after every press; and the
// pieces of mathematics those numbers rest on.
#include "numeric/math/regression.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace {

using namespace test_support;

TEST(NumericPressesMath, RegressionAtTheTopDegreeStaysFinite) {
    // x = 0..59, y = x² mod 11, degree 49 (the bound the page allows): the
    // exact fit by python3 (fractions, Stieltjes recurrence): Q =
    // 0.32862275530189955, fitted values -2.67e-11 at 0 and 5.0000 at 59.
    double x[60], y[60];
    for (int i = 0; i < 60; ++i) x[i] = i, y[i] = (i * i) % 11;
    ASSERT_EQ(numeric::SolvableRegressionDegree(x, 60, numeric::kAllPowers), 49);
    const numeric::PolynomialFit fit = numeric::FitPolynomial(x, y, 60, 49, numeric::kAllPowers);
    double q = 0;
    for (int i = 0; i < 60; ++i) q += (fit(x[i]) - y[i]) * (fit(x[i]) - y[i]);
    EXPECT_NEAR(q / 60, 0.32862275530189955, 1e-6);
    EXPECT_NEAR(fit(0), 0, 1e-6);
    EXPECT_NEAR(fit(59), 5, 1e-6);
    double c[50];
    numeric::PolynomialFitPowers(fit, c);
    for (double v : c) EXPECT_TRUE(std::isfinite(v));
    EXPECT_NEAR(c[0], 0, 1e-6);
    // a1, a4 exact (fractions): -1269372342.92333436..., 12296596952.45495605...;
    // a4's double alone is only good to 1.4e-6, so it shows 5 decimals.
    EXPECT_NEAR(c[1], -1269372342.92333436, 3e-7);
    EXPECT_NEAR(c[4], 12296596952.45495605, 2e-6);
    double error[50];
    numeric::PolynomialFitPowersError(fit, error);
    EXPECT_EQ(numeric::VouchedDecimals(error[1], 6), 6);
    EXPECT_EQ(numeric::VouchedDecimals(error[4], 6), 5);
}

// --- The pages, button by button ---------------------------------------------------

// A button pressed once per ';'-separated group of `numbers` (or of
// `shows`), and what the figure shows after each press. A label "x#k" is
// the k-th button so labelled; a shown text "x=>v w" says the texts written
// right after each "x" are v, w, and "lit=>v w" that the plot's numbers in
// the highlight colour are v, w.
struct Press {
    const char* label;   // the button, UTF-8
    int decimals;        // of the numbers read back inside the plot; -1: none
    const char* numbers; // those numbers in drawing order, blank-separated
    const char* shows;   // '|'-separated texts; "!x": x must not show; "2*x": twice
};

std::vector<std::string> Split(const std::string& s, char by) {
    std::vector<std::string> parts;
    std::stringstream in(s);
    for (std::string p; std::getline(in, p, by);) parts.push_back(p);
    return parts;
}

class NumericPresses : public OnScratchScripts<> {
protected:
    // The figure as page `page` has it: its line, the data lines before it
    // and the set-up lines after it.
    void OpenFigure(const char* page, const char* keyword) {
        std::ifstream file(std::string(test_paths::kSourceDir) + "/content/data/" + page + ".txt");
        std::vector<std::string> lines;
        for (std::string l; std::getline(file, l);) lines.push_back(l);
        size_t i = 0, first, last;
        while (i < lines.size() && lines[i].rfind(std::string("700") + keyword + "(", 0)) ++i;
        ASSERT_LT(i, lines.size()) << keyword;
        for (first = i; first > 0 && lines[first - 1].rfind("700", 0) == 0;) --first;
        for (last = i; last + 1 < lines.size() && !lines[last + 1].rfind("700Disc", 0);) ++last;
        std::string script;
        for (size_t k = first; k <= last; ++k) script += lines[k] + "\n";
        OpenScript(page, script);
    }
    // A page of our own under the code of the page whose command it shows.
    void OpenScript(const std::string& page, const std::string& script) {
        WriteScript(page, script);
        Open(page.c_str());
    }
    // "label#k": the k-th control so labelled (decimals and kept decimals
    // share their labels).
    void PressControl(const std::string& label) {
        const size_t hash = label.rfind('#');
        if (hash == label.npos) return ClickControl(label);
        int k = std::atoi(label.c_str() + hash + 1);
        for (const Control& c : ControlsOfRepaint(view.get()).controls)
            if (c.label == Gbk(label.substr(0, hash)) && --k == 0)
                return Click((c.box.left + c.box.right) / 2, (c.box.top + c.box.bottom) / 2);
        ADD_FAILURE() << label;
    }
    // The numbers of `decimals` decimals written inside the plot.
    bool InPlot(const TextRecorder::Piece& p) const {
        return p.x >= view->m_nPlotLeft && p.x < view->m_nPlotRight - 20 &&
               p.y >= view->m_nPlotTop && p.y < view->m_nPlotBottom;
    }
    static bool Numeric(const std::string& t) {
        return !t.empty() && t.find_first_not_of("-0123456789.") == t.npos;
    }
    std::vector<double> PlotNumbers(int decimals) const {
        std::vector<double> values;
        for (const auto& p : log.pieces) {
            const std::string& t = p.text;
            const size_t dot = t.find('.');
            if (Numeric(t) && InPlot(p) &&
                (dot == t.npos ? 0 : t.size() - dot - 1) == size_t(decimals))
                values.push_back(std::atof(t.c_str()));
        }
        return values;
    }
    // The numbers of the plot drawn in the highlight colour.
    std::string LitNumbers() const {
        std::string lit;
        for (const auto& p : log.pieces)
            if (Numeric(p.text) && InPlot(p) && p.colour == view->m_crFirstDerivative)
                lit += (lit.empty() ? "" : " ") + p.text;
        return lit;
    }
    // No two numbers of the plot overlap (a digit taken as 0.45 of the
    // font's height wide).
    void ExpectApart() const {
        std::vector<std::pair<CRect, std::string>> boxes;
        for (const auto& p : log.pieces) {
            const size_t first = p.text.find_first_not_of(' ');
            if (!InPlot(p) || first == p.text.npos || !Numeric(p.text.substr(first))) continue;
            const int h = std::abs(p.font.lfHeight);
            const int left = p.x + int(0.45 * h * first) + 1;
            const CRect box(left, p.y + 1, left + int(0.45 * h * (p.text.size() - first)) - 2,
                            p.y + h - 2);
            for (const auto& [other, text] : boxes) {
                const bool apart = CRect(box).Intersect(other).IsRectEmpty();
                EXPECT_TRUE(apart || (text == p.text && other == box)) << text << " / " << p.text;
            }
            boxes.emplace_back(box, p.text);
        }
    }
    void Run(const std::vector<Press>& presses) {
        for (const Press& p : presses) {
            const auto numbers = Split(p.numbers, ';'), shows = Split(p.shows, ';');
            for (size_t i = 0; i < std::max<size_t>({1, numbers.size(), shows.size()}); ++i) {
                SCOPED_TRACE(std::string(p.label) + " #" + std::to_string(i + 1));
                PressControl(p.label);
                Repaint();
                ExpectApart();
                const auto seen = PlotNumbers(p.decimals);
                const auto expected = Split(i < numbers.size() ? numbers[i] : "", ' ');
                if (p.decimals >= 0) {
                    ASSERT_EQ(seen.size(), expected.size());
                }
                for (size_t k = 0; k < seen.size() && p.decimals >= 0; ++k)
                    EXPECT_NEAR(seen[k], std::atof(expected[k].c_str()),
                                0.5 * std::pow(10.0, -p.decimals) + 1e-12);
                for (const std::string& s : Split(i < shows.size() ? shows[i] : "", '|')) {
                    const size_t arrow = s.find("=>");
                    if (!s.rfind("lit=>", 0)) {
                        EXPECT_EQ(LitNumbers(), s.substr(5));
                    } else if (arrow != s.npos) {
                        std::string after;
                        for (const std::string& v : log.ValuesAfter(s.substr(0, arrow)))
                            after += (after.empty() ? "" : " ") + v;
                        EXPECT_EQ(after, s.substr(arrow + 2)) << s;
                    } else if (!s.rfind("2*", 0))
                        EXPECT_GE(log.Count(Gbk(s.substr(2))), 2) << s;
                    else
                        EXPECT_NE(log.Saw(s[0] == '!' ? s.substr(1) : s), s[0] == '!') << s;
                }
            }
        }
    }
};

TEST_F(NumericPresses, RootFindingPage313) {
    // x² + x - 2 from x0 = 0, ε = 0.0001 (python3, the methods' own steps):
    // Newton 2, 1.2, 1.011765, 1.000046, 1 with f = 4, 0.64, 0.035433,
    // 0.000137; the multiple-root form 0.4, 0.823529; bisection on [0, 2]
    // meets the root at 1; the secant from 0 and 0.275; x = φ(x) with φ = f,
    // and Steffensen's -1, -1.333333.
    OpenFigure("313", "Root");
    Run({
        {u8"显示数据", -1, "", "4.000000|2.000000|0.640000|1.200000|!3.999999|!1.011765"},
        {u8"n增加", -1, "", "0.035433|1.011765|!1.000046;0.000137|1.000046;1.000000|0.000000"},
        {u8"n减少", -1, "", "1.000046|!1.000000;1.011765|!1.000046;1.200000|!1.011765"},
        {u8"ε增加", -1, "", "0.000200;0.000400;0.000800"},
        {u8"ε减少", -1, "", "0.000400;0.000200;0.000100"},
        {u8"按重根", -1, "", u8"牛顿迭代法按重根|0.400000|-1.440000|0.823529|-0.498270|!2.000000"},
        {u8"按单根", -1, "", u8"牛顿迭代法按单根|2.000000|4.000000"},
        {u8"二分法", -1, "", "1.000000|0.000000|!2.000000"},
        {u8"弦截法", -1, "", "1.568627|2.029220|0.855025|-0.413907"},
        {u8"不动点", -1, "", "-2.000000|0.000000|!1.568627"},
        {u8"斯蒂芬森", -1, "", "-1.000000|-1.333333"},
        {u8"牛顿法", -1, "", "2.000000|1.200000"},
        {u8"从头开始", -1, "", "2.000000|4.000000|!1.200000"},
        {u8"不显示数据", -1, "", "!2.000000|!4.000000"},
    });
    // From the vertex x = -0.5 Newton's tangent never meets the axis; from
    // 0.5 it stays in [-2.5, 3] (1.125, 1.0048), and x = φ(x) leaves [0, 2]
    // at once (φ(0.5) = -1.25).
    view->m_dCursorX = -0.5;
    Run({{u8"牛顿法", -1, "", u8"迭代出界"}});
    view->m_dCursorX = 0.5;
    Run({{u8"从头开始", -1, "", u8"!迭代出界"}, {u8"不动点", -1, "", u8"迭代出界"}});
}

TEST_F(NumericPresses, TheStartingPointStaysWhenAButtonIsPressed) {
    // A real press: the mouse crosses the plot on its way to the button and
    // is released there. From x0 = 0 the first Newton step is 2.
    OpenFigure("313", "Root");
    for (const char* label : {u8"显示数据", u8"n增加"}) {
        const CPoint c = ControlCentre(view.get(), label);
        const CPoint at(c.x - view->m_nClipLeft, c.y - view->m_nClipTop);
        view->OnMouseMove(0, CPoint(view->m_nPlotRight - 31 - view->m_nClipLeft, at.y));
        view->OnMouseMove(0, at);
        view->OnLButtonDown(MK_LBUTTON, at);
        view->OnLButtonUp(0, at);
        view->RenderPending();
    }
    Repaint();
    EXPECT_EQ(view->m_dCursorX, 0);
    EXPECT_TRUE(log.Saw("2.000000"));
    EXPECT_FALSE(log.Saw("1.567966"));
}

TEST_F(NumericPresses, ApproximationAndInterpolationPage465) {
    // √x on [0, 4] (python3, Simpson over u = √(2 + 2t)): Legendre a_j, b_j
    // and mean errors of degrees 2..5; with t = cos θ the Chebyshev b_j are
    // 4, 4/3, -4/15 and 32/15, 64/105, -32/315 in closed form; the power
    // subsets' mean errors from their Gram systems on [0, 1] and [-1, 1].
    const std::string leg2 = "1.3333 2.6667 0.8000 0.5333 -0.1905 -0.0762",
                      leg3 = leg2 + " 0.0889 0.0254", leg4 = leg3 + " -0.0519 -0.0115",
                      leg5 = leg4 + " 0.0342 0.0062";
    const char* cheb2 = "1.3581 2.1333 0.3880 0.6095 -0.0647 -0.1016";
    OpenFigure("465", "Approximation");
    Run({
        {u8"n增加", 4, (leg3 + ";" + leg4 + ";" + leg5).c_str(), "0.000504;0.000204;0.000098"},
        {u8"n减少", 4, (leg4 + ";" + leg3 + ";" + leg2).c_str(), "0.000204;0.000504;0.001633"},
        {u8"切比雪夫1", 4, "1.2732 4 0.8488 1.3333 -0.1698 -0.2667", u8"0.006594|切比雪夫1逼近"},
        {u8"切比雪夫2", 4, cheb2, u8"0.000589|切比雪夫2逼近"},
        {u8"显示特殊函数", 4, "", u8"!平均误差"},
        {u8"取消", 4, "", u8"!平均误差"},
        {u8"显示逼近系数", 4, cheb2, "0.000589"},
        {u8"勒让德", 4, leg2.c_str(), u8"0.001633|勒让德逼近"},
        {u8"勒让德逼近", 4, leg2.c_str(), u8"0.001633"},
        {u8"一般多项式", -1, "", u8"0.001633|连续次幂逼近"},
        {u8"连续次幂", -1, "", "0.001633"},
        {u8"标[-1,1]", -1, "", "0.001633"},
        {u8"偶次幂", -1, "", u8"0.214666|2n幂逼近"},
        {u8"奇次幂", -1, "", u8"1.785432|2n+1幂逼近"},
        {u8"标[0,1]", -1, "", "0.011834"},
        {u8"偶次幂", -1, "", "0.016529"},
    });
    OpenFigure("465", "Curvespecialfunc"); // the count and the kind
    Run({{u8"n增加", 0, "5;6;7", ""},
         {u8"n减少", 0, "6;5;4", ""},
         {u8"切比雪夫1", 0, "4", u8"2*切比雪夫1"},
         {u8"切比雪夫2", 0, "4", u8"2*切比雪夫2"},
         {u8"显示全部", 0, "4", ""},
         {u8"单个显示", 0, "4", ""},
         {u8"勒让德", 0, "4", u8"2*勒让德"}});
    // arctan x through n + 1 equidistant nodes on [-5, 5], at x* = 1.5
    // (python3) for n = 10..13: Lagrange, then the chords.
    for (const char* f : {"Largange 显示Li 1.0018 0.9757 0.9884 0.9746",
                          "LineInterpolate 显示Ii 0.9463 0.9708 0.9632 0.9623"}) {
        const auto w = Split(f, ' ');
        OpenFigure("465", w[0].c_str());
        view->m_dCursorX = 1.5;
        Run({{u8"显示插值", 4, w[2].c_str(), "f(1.50)="},
             {u8"n增加", 4, (w[3] + ";" + w[4] + ";" + w[5]).c_str(), ""},
             {u8"n减少", 4, (w[4] + ";" + w[3] + ";" + w[2]).c_str(), ""},
             {w[1].c_str(), 4, "", "!f(1.50)="},
             {u8"取消", 4, "", "!f(1.50)="},
             {u8"显示插值", 4, w[2].c_str(), ""},
             {u8"外部输入", 4, w[2].c_str(), ""},
             {u8"函数产生", 4, w[2].c_str(), ""},
             {u8"数据类型:", 4, w[2].c_str(), ""}});
    }
    // x³ on [0, 3] through n + 1 equidistant nodes (python3, fractions):
    // row r holds x_r, f(x_r) and the differences ending at x_r; a column
    // past the plot's edge goes on below. N_k(2.5) = 0, 2.5, 13.75, 15.625.
    const char* t3 = "0 0 1 1 1 2 8 7 3 3 27 19 6 1";
    const std::string t4 = "0 0 .75 .421875 .5625 1.5 3.375 3.9375 2.25 2.25 11.390625 10.6875 "
                           "4.5 1 3 27 20.8125 6.75 1 0",
                      t5 = "0 0 .6 .216 .36 1.2 1.728 2.52 1.8 1.8 5.832 6.84 3.6 1 2.4 13.824 "
                           "13.32 5.4 1 0 3 27 21.96 7.2 1 0 0",
                      t6 = "0 0 .5 .125 .25 1 1 1.75 1.5 1.5 3.375 4.75 3 1 2 8 9.25 4.5 1 0 2.5 "
                           "15.625 15.25 6 1 0 0 3 27 22.75 7.5 1 0 0 3 0";
    OpenFigure("465", "Newton");
    view->m_dCursorX = 2.5;
    Run({{u8"n增加", 4, (t4 + ";" + t5 + ";" + t6).c_str(), "n==>4;n==>5;n==>6"},
         {u8"n减少", 4, (t5 + ";" + t4 + ";" + t3).c_str(), "n==>5;n==>4;n==>3"},
         {u8"后插值", 4, "3 27 2 8 19 1 1 7 6 0 0 1 3 1", u8"牛顿后插值"},
         {u8"前插值", 4, t3, u8"牛顿前插值"},
         {u8"显示插值", 4, "0 2.5 13.75 15.625", u8"在x轴上选一点"},
         {u8"取消", 4, "", ""},
         {u8"显示均差", 4, t3, ""},
         {u8"1位", 1, t3, ""},
         {u8"2位", 2, t3, ""},
         {u8"3位", 3, t3, ""},
         {u8"5位", 5, t3, ""},
         {u8"6位", 6, t3, ""},
         {u8"4位", 4, t3, ""},
         {u8"外部输入", 4, t3, ""},
         {u8"函数产生", 4, t3, ""}});
    // sin x through 7 nodes on [0, 4.7124] (python3, the moment system
    // solved directly): the spline's integral for y″ or y′ given at the
    // ends, and through 8..10 nodes; the natural spline's cubics and moments,
    // and the right-hand sides 6·f[x(i-1), x(i), x(i+1)], alone in the
    // highlight colour beside the factors.
    OpenFigure("465", "Splines");
    Run({{u8"样条积分值", 6, "1.011592", u8"样条积分值:"},
         {u8"y″0增加", 3, "0.1 0;0.2 0;0.3 0", "1.010427;1.009263;1.008098"},
         {u8"y″0减少", 3, "0.2 0;0.1 0;0 0", "1.009263;1.010427;1.011592"},
         {u8"y″n增加", 3, "0 0.1;0 0.2;0 0.3", "1.010427;1.009263;1.008098"},
         {u8"y″n减少", 3, "0 0.2;0 0.1;0 0", "1.009263;1.010427;1.011592"},
         {u8"显示多项式", 3,
          "-0.158 0 0.998 0 -0.067 -0.214 1.166 -0.044 0.071 -0.863 2.185 -0.578 0.138 -1.334 "
          "3.296 -1.451 0.234 -2.241 6.145 -4.433 -0.218 3.078 -14.745 22.912 0 0",
          ""},
         {u8"显示Ax=b", -1, "",
          "-0.743|-1.058|-0.724|-0.076|1.026|lit=>-2.014 -2.849 -2.014 0.000 2.015"},
         {u8"显示LUx=b", -1, "",
          "-0.743|-1.058|-0.724|-0.076|1.026|lit=>-2.014 -2.849 -2.014 0.000 2.015"},
         {u8"取消", 3, "0 0", "lit=>"},
         {u8"已知y′", 3, "0 0", u8"y′0="},
         {u8"样条积分值", 6, "0.948049", ""},
         {u8"y′0增加", 6, "0.953189;0.958330;0.963470", ""},
         {u8"y′0减少", 6, "0.958330;0.953189;0.948049", ""},
         {u8"y′n增加", 6, "0.942908;0.937768;0.932627", ""},
         {u8"y′n减少", 6, "0.937768;0.942908;0.948049", ""},
         {u8"n增加", 6, "0.961935;0.970906;0.977038", ""},
         {u8"n减少", 6, "0.970906;0.961935;0.948049", ""},
         {u8"外部输入", 6, "0.948049", ""},
         {u8"函数产生", 6, "0.948049", ""},
         {u8"已知y″", 6, "1.011592", u8"y″0="}});
}

TEST_F(NumericPresses, RegressionPage464) {
    // sin x at x_i = 3.1416 i / 10, i = 0..9 (python3, fractions on the
    // same doubles): Q, then the coefficients, by degree and basis; the
    // normal equations of degree 3. Then the page's eight points by each
    // model: a, b and Q from the straight line through the transformed points.
    const std::string all3 = "0.000216 -0.015347 1.193142 -0.318599 -0.022915",
                      all4 = "0 0.000301 0.985605 0.052075 -0.233192 0.037185",
                      all5 = "0 0.000080 0.992712 0.031124 -0.212247 0.028694 0.001201",
                      all6 = "0 -0.000001 1.000332 -0.002125 -0.161632 -0.005899 0.012084 "
                             "-0.001283";
    OpenFigure("464", "Regressionm");
    Run({{u8"m增加", 6, (all4 + ";" + all5 + ";" + all6).c_str(), ""},
         {u8"m减少", 6, (all5 + ";" + all4 + ";" + all3).c_str(), ""},
         {u8"奇次幂", 6, "0 0.999723 -0.166165 0.008091 -0.000155", u8"2m+1奇次多项式回归"},
         {u8"偶次幂", 6, "0.008803 0.199274 0.716071 -0.174905 0.010953", u8"2m偶次多项式回归"},
         {u8"连续次幂", 6, all3.c_str(), u8"m次多项式回归"},
         {u8"显示方程组", 2,
          "10 14.14 28.13 62.79 6.31 14.14 28.13 62.79 149.36 9.92 28.13 62.79 149.36 369.75 "
          "18.43 62.79 149.36 369.75 940.64 37.89",
          "lit=>6.31 9.92 18.43 37.89"},
         {u8"取消", 6, "", "lit=>"},
         {u8"显示多项式系数", 6, all3.c_str(), ""},
         {u8"外部输入", 6, all3.c_str(), ""},
         {u8"函数产生", 6, all3.c_str(), ""}});
    OpenFigure("464", "Regression1");
    Run({{u8"y=ax^b", 6, "11.690549 0.972069 143.479320", u8"回归方程:y=ax^b"},
         {u8"y=ae^(bx)", 6, "11.437069 0.291216 0.001918", ""},
         {u8"y=a+blnx", 6, "-5.075947 43.425254 303.363519", ""},
         {u8"y=ae^(b/x)", 6, "84.786649 -2.039272 492.257987", ""},
         {u8"y=1/(a+blnx)", 6, "0.066596 -0.028224 12.321141", ""},
         {u8"y=1/(a+bx)", 6, "0.064307 -0.007805 22002.831844", ""},
         {u8"y=a+bx", 6, "-10.710714 14.044048 84.255908", u8"回归方程:y=a+bx"},
         {u8"显示方程组", 2, "8 36 419.90 36 204 2479.40", "lit=>419.90 2479.40"},
         {u8"取消", 6, "", "lit=>"},
         {u8"显示多项式系数", 6, "-10.710714 14.044048 84.255908", ""},
         {u8"外部输入", 6, "-10.710714 14.044048 84.255908", ""},
         {u8"函数产生", -1, "", u8"回归方程:y=a+bx"}});
}

// The elimination page's three figures on systems of our own (python3,
// exact fractions): A = [2 1 -1; -3 -1 2; -2 1 2], b = (1, 2, 3), x = (7, -3,
// 10); one row operation a step, the first done on opening; the row it
// changed is lit (from the diagonal on when eliminating upwards).
TEST_F(NumericPresses, EliminationPage201) {
    const std::string x = " 7 -3 10", s0 = "2 1 -1 1 -3 -1 2 2 -2 1 2 3",
                      g1 = "2 1 -1 1 0 0.5 0.5 3.5 -2 1 2 3", g2 = "2 1 -1 1 0 0.5 0.5 3.5 0 2 1 4",
                      g3 = "2 1 -1 1 0 0.5 0.5 3.5 0 0 -1 -10", g4 = g3 + x,
                      p2 = "-3 -1 2 2 0 0.3333 0.3333 2.3333 ",
                      p3 = "-3 -1 2 2 0 1.6667 0.6667 1.6667 0 0 0.2 2",
                      i3 = "0 1.6667 0.6667 1.6667 0 -0.6667 1 0 0 0.2 2 1 0.8 -0.2",
                      i0 = "2 1 -1 1 1 0 0 -3 -1 2 2 0 1 0 -2 1 2 3 0 0 1";
    OpenScript("201", "700DATAs(0,2,1,-1,-3,-1,2,-2,1,2)\n700DATA2(0,1,2,3)\n"
                      "700Gauss(0.4,1,55,10,3,3,0,1)\n");
    Run({
        {u8"下一步", 4, (g2 + ";" + g3 + ";" + g4).c_str(),
         u8"!特解|lit=>0.0000 2.0000 1.0000 4.0000;!特解|lit=>0.0000 0.0000 -1.0000 "
         u8"-10.0000;特解|lit=>"},
        {u8"上一步", 4, (g3 + ";" + g2 + ";" + g1).c_str(), u8"!特解"},
        {u8"开  始", 4, s0.c_str(), u8"!特解"},
        {u8"列主元", 4, s0.c_str(), ""},
        {u8"下一步", 4,
         (p2 + "-2 1 2 3;" + p2 + "0 1.6667 0.6667 1.6667;" + p3 + ";" + p3 + x).c_str(),
         "lit=>0.0000 0.3333 0.3333 2.3333;lit=>0.0000 1.6667 0.6667 1.6667;"
         "lit=>0.0000 0.0000 0.2000 2.0000;lit=>"},
        {u8"并求A逆", 4, i0.c_str(), ""},
        {u8"下一步", 4,
         ("-3 -1 2 2 0 1 0 0 0.3333 0.3333 2.3333 1 0.6667 0 -2 1 2 3 0 0 1;"
          "-3 -1 2 2 0 1 0 0 0.3333 0.3333 2.3333 1 0.6667 0 0 1.6667 0.6667 1.6667 0 -0.6667 1;"
          "-3 -1 2 2 0 1 0 " +
          i3 + ";-3 0 2.4 3 0 0.6 0.6 " + i3 + ";-3 0 0 -21 -12 -9 3 " + i3 +
          ";-3 0 0 -21 -12 -9 3 0 1.6667 0 -5 -3.3333 -3.3333 1.6667 0 0 0.2 2 1 0.8 -0.2;"
          "1 0 0 7 4 3 -1 0 1 0 -3 -2 -2 1 0 0 1 10 5 4 -1" +
          x)
             .c_str(),
         u8"!特解|lit=>0.0000 0.3333 0.3333 2.3333 1.0000 0.6667 0.0000;"
         u8"lit=>0.0000 1.6667 0.6667 1.6667 0.0000 -0.6667 1.0000;"
         u8"lit=>0.0000 0.0000 0.2000 2.0000 1.0000 0.8000 -0.2000;"
         u8"lit=>-3.0000 0.0000 2.4000 3.0000 0.0000 0.6000 0.6000"},
        {u8"高  斯", 4, s0.c_str(), ""},
        {u8"1位", 1, s0.c_str(), ""},
        {u8"2位#3", 2, s0.c_str(), ""},
        {u8"3位#3", 3, s0.c_str(), ""},
        {u8"5位", 5, s0.c_str(), ""},
        {u8"6位", 6, s0.c_str(), ""},
        {u8"4位#3", 4, s0.c_str(), ""},
    });
    // Kept decimals round A's entries or b's, half away from zero.
    OpenScript("201", "700DATAs(0,2.125,1,-1,-3,-1,2,-2,1,2)\n700DATA2(0,1.375,2,3)\n"
                      "700Gauss(0.4,1,55,10,3,3,0,1)\n");
    const std::string rest = " -3 -1 2 2 -2 1 2 3";
    Run({
        {u8"开  始", 4, ("2.125 1 -1 1.375" + rest).c_str(), ""},
        {u8"2位#2", 4, ("2.125 1 -1 1.38" + rest).c_str(), ""},
        {u8"2位#1", 4, ("2.13 1 -1 1.38" + rest).c_str(), ""},
        {u8"精确#1", 4, ("2.125 1 -1 1.38" + rest).c_str(), ""},
        {u8"精确#2", 4, ("2.125 1 -1 1.375" + rest).c_str(), ""},
        // Significant digits round them too, half up: 2 digits, 3, 4 to 6,
        // exact;
        // the captions change nothing.
        {u8"2 位", 4, ("2.1 1 -1 1.4" + rest).c_str(), ""},
        {u8"3 位", 4, ("2.13 1 -1 1.38" + rest).c_str(), ""},
        {u8"4 位", 4, ("2.125 1 -1 1.375" + rest).c_str(), ""},
        {u8"5 位", 4, ("2.125 1 -1 1.375" + rest).c_str(), ""},
        {u8"6 位", 4, ("2.125 1 -1 1.375" + rest).c_str(), ""},
        {u8"精确#3", 4, ("2.125 1 -1 1.375" + rest).c_str(), ""},
        {u8"精度", 4, ("2.125 1 -1 1.375" + rest).c_str(), ""},
        {u8"显示小数点:", 4, ("2.125 1 -1 1.375" + rest).c_str(), ""},
        {"A:", 4, ("2.125 1 -1 1.375" + rest).c_str(), ""},
        {"b:", 4, ("2.125 1 -1 1.375" + rest).c_str(), ""},
    });
    // [1 2 -1 3; 2 4 1 0; -1 -2 2 5]: the second column twice the first,
    // pivots in columns 1, 3, 4 (ξ), pivoting by the largest entry.
    const std::string m1 = "2 4 1 0 0 0 -1.5 3 -1 -2 2 5", m2 = "2 4 1 0 0 0 -1.5 3 0 0 2.5 5",
                      m3 = "2 4 1 0 0 0 2.5 5 0 0 0 6", m0 = "1 2 -1 3 2 4 1 0 -1 -2 2 5",
                      j3 = "0 0 2.5 0 0.5 1 0 0 0 1 -0.2 0.6", j4 = "2 4 0 0 0.8 -0.4 " + j3;
    OpenScript("201",
               "700DATAs(0,1,2,-1,3,2,4,1,0,-1,-2,2,5)\n700Matrixtransform(0.4,5,38,8,4,3,0,1)\n");
    Run({
        {u8"下一步", 4, (m2 + ";" + m3 + ";" + m3).c_str(),
         u8"ξ=>1 3|lit=>0.0000 0.0000 2.5000 5.0000;"
         u8"ξ=>1 3 4|lit=>0.0000 0.0000 0.0000 6.0000;ξ=>1 3 4|lit=>"},
        {u8"上一步", 4, (m3 + ";" + m2 + ";" + m1).c_str(),
         u8"ξ=>1 3 4;ξ=>1 3;ξ=>1 3|lit=>0.0000 0.0000 -1.5000 3.0000"},
        {u8"开  始", 4, m0.c_str(), u8"ξ=>1 2 3"},
        {u8"行最简", 4, m0.c_str(), u8"A化为行最简形"},
        {u8"下一步", 4,
         (m1 + ";" + m2 + ";" + m3 + ";2 4 0 -2 0 0 2.5 5 0 0 0 6;2 4 0 0 0 0 2.5 5 0 0 0 6;" +
          "2 4 0 0 0 0 2.5 0 0 0 0 6;1 2 0 0 0 0 1 0 0 0 0 1")
             .c_str(),
         u8"lit=>0.0000 0.0000 -1.5000 3.0000;lit=>0.0000 0.0000 2.5000 5.0000;"
         u8"lit=>0.0000 0.0000 0.0000 6.0000;lit=>2.0000 4.0000 0.0000 -2.0000;"
         u8"lit=>2.0000 4.0000 0.0000 0.0000;lit=>0.0000 2.5000 0.0000;ξ=>1 3 4|lit=>"},
        {u8"求A逆", 4, "1 2 -1 1 0 0 2 4 1 0 1 0 -1 -2 2 0 0 1", ""},
        {u8"下一步", 4,
         ("2 4 1 0 1 0 0 0 -1.5 1 -0.5 0 -1 -2 2 0 0 1;2 4 1 0 1 0 0 0 -1.5 1 -0.5 0 0 0 2.5 0 "
          "0.5 1;2 4 1 0 1 0 " +
          j3 + ";" + j4 + ";" + j4 + ";" + j4 +
          ";1 2 0 0 0.4 -0.2 0 0 1 0 0.2 0.4 0 0 0 1 -0.2 0.6")
             .c_str(),
         "lit=>0.0000 0.0000 -1.5000 1.0000 -0.5000 0.0000;"
         "lit=>0.0000 0.0000 2.5000 0.0000 0.5000 1.0000;"
         "lit=>0.0000 0.0000 0.0000 1.0000 -0.2000 0.6000;"
         "lit=>2.0000 4.0000 0.0000 0.0000 0.8000 -0.4000;"
         "lit=>2.0000 4.0000 0.0000 0.0000 0.8000 -0.4000;"
         "lit=>0.0000 2.5000 0.0000 0.5000 1.0000;lit=>"},
        {u8"上三角", 4, m0.c_str(), u8"A化为上三角"},
        {u8"A化为上三角", 4, m0.c_str(), u8"A化为上三角"},
        {u8"6位", 6, m0.c_str(), ""},
    });
    // det [2 -1 3; 4 1 -2; -6 5 1] = 92: one exchange, -(-6)(13/3)(46/13).
    const std::string d1 = "-6 5 1 0 4.3333 -1.3333 2 -1 3",
                      d2 = "-6 5 1 0 4.3333 -1.3333 0 0.6667 3.3333",
                      d3 = "-6 5 1 0 4.3333 -1.3333 0 0 3.5385";
    OpenScript("201", "700DATAs(0,2,-1,3,4,1,-2,-6,5,1)\n700Det(0.4,5,38,8,3)\n");
    Run({
        {u8"下一步", 4, (d2 + ";" + d3 + ";" + d3).c_str(),
         u8"!行列式:|lit=>0.0000 0.6667 3.3333;行列式:=>92.000000|lit=>0.0000 0.0000 3.5385;"
         u8"行列式:=>92.000000|lit=>"},
        {u8"上一步", 4, (d3 + ";" + d2 + ";" + d1).c_str(),
         u8"行列式:=>92.000000;!行列式:;lit=>0.0000 4.3333 -1.3333"},
        {u8"开  始", 4, "2 -1 3 4 1 -2 -6 5 1", u8"!行列式:"},
        {u8"2位#3", 2, "2 -1 3 4 1 -2 -6 5 1", ""},
    });
}

// [4 -1 0; 2 5 1; 0 3 6] x = (3, -2, 7), tridiagonal and not symmetric
// (python3, exact fractions): one factor element a step, in Doolittle's
// order; L = (1/2, 6/11), U's diagonal 4, 11/2, 60/11, y = (3, -7/2, 98/11),
// x = (31/60, -14/15, 49/30). The chasing method takes the band's elements
// in its own order to the same factors. L's entries below the diagonal are
// lit, all but the one just computed (marked instead); so is y once solved.
TEST_F(NumericPresses, TriangularFactorsPage203) {
    const std::string
        a = "4 -1 0 3 2 5 1 -2 0 3 6 7",
        l1 = "4 -1 0 3 0.5 5 1 -2 0 3 6 7", u1 = "4 -1 0 3 0.5 5.5 1 -2 0 3 6 7",
        l2 = "4 -1 0 3 0.5 5.5 1 -2 0 0.5455 6 7",
        yx = "4 -1 0 3 0.5 5.5 1 -2 0 0.5455 5.4545 7 3 -3.5 8.9091 0.5167 -0.9333 1.6333";
    OpenScript("203",
               "700DATAs(0,4,-1,0,2,5,1,0,3,6)\n700DATA2(0,3,-2,7)\n700LU(0.4,5,38,10,3,0,1)\n");
    Run({
        {u8"下一步", 4,
         (a + ";" + a + ";" + l1 + ";" + l1 + ";" + u1 + ";" + u1 + ";" + l2 + ";" + yx).c_str(),
         u8"lit=>2.0000 0.0000 3.0000;lit=>2.0000 0.0000 3.0000;lit=>0.0000 3.0000;"
         u8"lit=>0.5000 3.0000;lit=>0.5000 0.0000 3.0000;lit=>0.5000 0.0000 3.0000;"
         u8"!X=[|lit=>0.5000 0.0000;X=[|Y=[|lit=>0.5000 0.0000 0.5455 3.0000 -3.5000 8.9091"},
        {u8"上一步", 4, (l2 + ";" + u1 + ";" + u1).c_str(), u8"!X=["},
        {u8"开  始", 4, a.c_str(), ""},
        {u8"平方根", -1, "", u8"平方根"},
        {u8"下一步", -1, "", u8"不满足平方根法"},
        {u8"改 进", -1, "", u8"改进平方根"},
        {u8"下一步", -1, "", u8"不满足改进平方根法"},
        {u8"追赶法", 4, a.c_str(), u8"追赶法"},
        {u8"下一步", 4, (a + ";" + a + ";" + a + ";" + l1 + ";" + u1 + ";" + l2 + ";" + yx).c_str(),
         u8"!不满足三对角矩阵|lit=>2.0000 0.0000 3.0000;lit=>2.0000 0.0000 3.0000;"
         u8"lit=>2.0000 0.0000 3.0000;lit=>0.0000 3.0000;lit=>0.5000 0.0000 3.0000;"
         u8"lit=>0.5000 0.0000;lit=>0.5000 0.0000 0.5455 3.0000 -3.5000 8.9091"},
        {u8"LU分解", 4, a.c_str(), u8"LU分解法"},
        // Five significant digits offer iterative improvement, which ends
        // at x to the digits shown; exact arithmetic takes it away again.
        {u8"5 位", 4, a.c_str(), u8"迭代改善法"},
        {u8"迭代改善法", -1, "", u8"迭代改善法"},
        {u8"下一步", -1, "", ";;0.5167|-0.9333|1.6333"},
        {u8"精确#3", -1, "", u8"LU分解法|!迭代改善法"},
        {u8"2位#3", 2, a.c_str(), ""},
    });
}

// The power method's page on A = [4 1 0; 2 3 1; 0 1 2] from b = (1, 2, 3)
// (python3, plain floating point written out): the start vector b / 3, then
// per iteration the iterate scaled by its largest entry and λ; for the
// inverse method A's LU factors and the iterates of A⁻¹, for the shifts
// those of A - pI. Jacobi's rotations on [4 1 -2; 1 3 0.5; -2 0.5 1]: the
// largest off-diagonal entry first, its rotation, then the rotated matrix.
// The diagonal is lit, and after a rotation J's two columns; the inverse
// method lights L below the diagonal at its first step.
TEST_F(NumericPresses, PowerAndJacobiPage204) {
    const std::string a = "4 1 0 2 3 1 0 1 2", k1 = "0.5455 1 0.7273 2.6667 ",
                      k2 = k1 + "0.6604 1 0.5094 4.8182", k3 = k2 + " 0.7539 1 0.418 4.8302",
                      i2 = "0.1667 0 1 2 0.1774 -0.4516 1 1.5484",
                      i3 = i2 + " 0.2294 -0.6844 1 1.3156";
    OpenScript("204", "700DATAs(0,4,1,0,2,3,1,0,1,2)\n700DATA2(0,1,2,3)\n"
                      "700PowerMethod(0.4,5,38,11.4,3,0,0,1,0.5,0.001)\n");
    Run({
        {u8"下一步", 4, (k2 + ";" + k3 + ";" + k3 + " 0.8152 1 0.3727 4.9258").c_str(),
         "n==>2;n==>3;n==>4"},
        {u8"上一步", 4, (k3 + ";" + k2 + ";" + a + " 0.3333 0.6667 1").c_str(),
         "n==>3;n==>2;n==>1"},
        {u8"开  始", 4, a.c_str(), "n==>0"},
        // The panel after two iterations holds A, which the plot no longer shows.
        {u8"下一步", 4, (a + " 0.3333 0.6667 1;" + k2).c_str(), "lit=>;!4.0000"},
        {u8"显示相关数据", -1, "", u8"关闭相关数据|4.0000|3.0000"},
        {u8"关闭相关数据", -1, "", u8"显示相关数据|!4.0000|!3.0000"},
        {u8"开  始", 4, a.c_str(), "n==>0"},
        {u8"反幂法", 4, a.c_str(), u8"反幂法"},
        {u8"下一步", 4, ("4 1 0 0.5 2.5 1 0 0.4 1.6 0.3333 0.6667 1;" + i2 + ";" + i3).c_str(),
         "lit=>0.5000 0.0000 0.4000;lit=>;lit=>"},
        {u8"埃特肯", -1, "", u8"反幂埃特肯"},
        {u8"平移法", 4,
         "0.1803 -0.1967 1 1.8033 0.2296 -0.6506 1 1.3494 0.2749 -0.8016 1 1.1984 0.5",
         u8"反幂平移法|P==>0.5000"},
        {u8"P增加", 4, "0.1871 -0.2544 1 1.7456 0.243 -0.694 1 1.306 0.2826 -0.8199 1 1.1801 0.6",
         "P==>0.6000"},
        {u8"P减少", 4,
         "0.1803 -0.1967 1 1.8033 0.2296 -0.6506 1 1.3494 0.2749 -0.8016 1 1.1984 0.5", ""},
        {u8"P增加", -1, "", "P==>0.6000;P==>0.7000"},
        {u8"P减少", -1, "", "P==>0.6000;P==>0.5000"},
        {u8"幂  法", 4, k3.c_str(), u8"!P="},
        {u8"平移法", 4, "0.55 1 0.65 2.6667 0.6882 1 0.4647 4.75 0.7852 1 0.3909 4.8412 0.5",
         u8"幂平移法"},
        {u8"2位#2", 2, "0.55 1 0.65 2.67 0.69 1 0.46 4.75 0.79 1 0.39 4.84", ""},
        {u8"4位#2", 4, "0.55 1 0.65 2.6667 0.6882 1 0.4647 4.75 0.7852 1 0.3909 4.8412 0.5", ""},
        {u8"ε增加", -1, "", u8"ε==>0.001250;ε==>0.001563"},
        {u8"ε减少", -1, "", u8"ε==>0.001250"},
        {u8"折线表示", -1, "", u8"!λ="},
        {u8"数值表示", -1, "", u8"λ="},
    });
    const std::string s1 = "4 1 -2 1 3 0.5 -2 0.5 1", r1 = "0.8944 0 -0.4472 0 1 0 0.4472 0 0.8944",
                      s2 = "5 0.6708 0 0.6708 3 0.8944 0 0.8944 0",
                      r2 = "1 0 0 0 0.9641 0.2656 0 -0.2656 0.9641",
                      s3 = "5 0.6467 -0.1782 0.6467 3.2464 0 -0.1782 0 -0.2464";
    OpenScript("204",
               "700DATAs(0,4,1,-2,1,3,0.5,-2,0.5,1)\n700JacobiMethod(0.4,5,38,14,3,1,0.0001)\n");
    Run({
        {u8"下一步", 4,
         (s2 + " " + r1 + " 0.0001;" + s2 + " 0.8944 " + r2 + " 0.0001;" + s3 + " " + r2 +
          " 0.0001")
             .c_str(),
         "V=>0|lit=>5.0000 3.0000 0.0000 0.8944 -0.4472 0.0000 0.0000 0.4472 0.8944;"
         "V=>1|lit=>5.0000 3.0000 0.0000;V=>1"},
        {u8"上一步", 4,
         (s2 + " 0.8944 " + r2 + " 0.0001;" + s2 + " " + r1 + " 0.0001;" + s1 + " -2 " + r1 +
          " 0.0001")
             .c_str(),
         "V=>1;V=>0;V=>0"},
        {u8"下一步", -1, ";;;;", "V=>0;V=>1;V=>1;V=>2;V=>2"},
        {u8"开  始", 4, (s1 + " -2 " + r1 + " 0.0001").c_str(), "V=>0|lit=>4.0000 3.0000 1.0000"},
        {u8"6位", -1, "", u8"ε==>0.000100"},
        {u8"ε增加", -1, "", u8"ε==>0.000125;ε==>0.000156"},
        {u8"ε减少", -1, "", u8"ε==>0.000125"},
    });
}

// Page 205's own system (python3, the iterations written out): Jacobi,
// Gauss-Seidel and relaxation with ω = 1.1, 1.2 and 1; ε = 0.1 met at the
// third iteration by the last two.
TEST_F(NumericPresses, IterativeSolversPage205) {
    const std::string s1 = "8 -3 2 20 4 11 -1 33 6 3 12 36 0 0 0", j2 = "2.5 3 3",
                      j3 = j2 + " 2.875 2.3636 1", j4 = j3 + " 3.1364 2.0455 0.9716",
                      g2 = "2.5 2.0909 1.2273", g3 = g2 + " 2.9773 2.0289 1.0041",
                      g4 = g3 + " 3.0098 1.9968 0.9959", r2 = "2.75 2.2 1.1825",
                      r3 = r2 + " 3.0573 1.9753 0.957", r4 = r3 + " 2.9959 1.9998 1.0066";
    OpenFigure("205", "JacobiSeidel");
    Run({
        {u8"下一步", 4, (j2 + ";" + j3 + ";" + j4).c_str(), "n==>1;n==>2;n==>3"},
        {u8"上一步", 4, (j3 + ";" + j2 + ";" + s1).c_str(), "n==>2;n==>1;n==>0"},
        {u8"开  始", 4, s1.c_str(), "n==>0"},
        {"Seidel", 4, s1.c_str(), u8"G-S迭代"},
        {u8"下一步", 4, (g2 + ";" + g3 + ";" + g4 + ";" + g4).c_str(), ";;n==>3;n==>3"},
        {u8"松弛法", 4, s1.c_str(), u8"ω==>1.100"},
        {u8"下一步", 4, (r2 + ";" + r3 + ";" + r4).c_str(), ""},
        {u8"ω增加", 4, "3 2.2909 1.1127 3.0971 1.9117 0.9457 2.9572 2.0304 1.0274", u8"ω==>1.200"},
        {u8"ω减少", 4, (r4 + ";" + g4).c_str(), u8"ω==>1.100;ω==>1.000"},
        {u8"ω增加", -1, "", u8"ω==>1.100;ω==>1.200"},
        {u8"ω减少", -1, "", u8"ω==>1.100;ω==>1.000"},
        {u8"ε增加", -1, "", u8"误差限ε= =>0.125000"},
        {u8"ε减少", -1, "", u8"误差限ε= =>0.100000"},
        {u8"ε增加", -1, "", u8"误差限ε= =>0.125000;误差限ε= =>0.156250"},
        {u8"ε减少", -1, "", u8"误差限ε= =>0.125000;误差限ε= =>0.100000"},
        {"Jacobi", 4, s1.c_str(), u8"Jacobi迭代"},
        {u8"2位#3", 2, s1.c_str(), ""},
        {u8"下一步", 2, j2.c_str(), "n==>1"},
        // The panel: the iterate and A, whose -3 and 11 the plot no longer shows.
        {u8"显示相关数据", -1, "", u8"关闭相关数据|-3.00|11.00|2.50"},
        {u8"关闭相关数据", -1, "", u8"显示相关数据|!-3.00|!11.00"},
        {u8"1位", 1, j2.c_str(), ""},
        {u8"3位#3", 3, j2.c_str(), ""},
        {u8"5位", 5, j2.c_str(), ""},
        {u8"6位", -1, "", "2.500000|3.000000"},
        {u8"4位#3", 4, j2.c_str(), ""},
    });
}

// Gram-Schmidt QR on A - pI, A = [4 1 0; 2 3 1; 0 1 2], p = 0.1 (python3,
// plain floating point): A - pI above, Q's columns below one a step, an
// idle step, then RQ + pI as the next A; the shift last. Q alone is lit.
TEST_F(NumericPresses, QrPage213) {
    const std::string q1 = "3.9 0.8898 1 0 2 0.4563 2.9 1 0 0 1 1.9 0.1",
                      q2 = "3.9 0.8898 1 -0.4129 0 2 0.4563 2.9 0.8051 1 0 0 1 0.4259 1.9 0.1",
                      q3 = "3.9 0.8898 1 -0.4129 0 0.1944 2 0.4563 2.9 0.8051 1 -0.379 0 0 1 "
                           "0.4259 1.9 0.9048 0.1",
                      ql2 = "0.8898 -0.4129 0.4563 0.8051 0.0000 0.4259",
                      ql3 = "0.8898 -0.4129 0.1944 0.4563 0.8051 -0.3790 0.0000 0.4259 0.9048",
                      q5 = "5.0099 0.8898 0.1666 -0.4129 0.4259 0.1944 1.0713 0.4563 2.6777 "
                           "0.8051 0.5708 -0.379 0 0 0.5708 0.4259 1.3124 0.9048 0.1";
    OpenScript("213", "700DATAs(0,4,1,0,2,3,1,0,1,2)\n700QR(0.4,5,38,11.4,3,0,1,0.1,0.0001)\n");
    Run({
        {u8"下一步", 4, (q2 + ";" + q3 + ";" + q3).c_str(),
         ("lit=>" + ql2 + ";lit=>" + ql3 + ";lit=>" + ql3).c_str()},
        {u8"上一步", 4, (q3 + ";" + q2 + ";" + q1).c_str(),
         ("lit=>" + ql3 + ";lit=>" + ql2 + ";lit=>0.8898 0.4563 0.0000").c_str()},
        {u8"开  始", 4, "3.9 1 0 2 2.9 1 0 1 1.9 0.1", "lit=>"},
        {u8"下一步", 4, (q1 + ";" + q2 + ";" + q3 + ";" + q3 + ";" + q5).c_str(),
         (";;;;A=>1|lit=>" + ql3).c_str()},
        {u8"P增加", 4,
         "5.0195 0.8849 0.151 -0.4171 0.4451 0.2073 1.0465 0.4657 2.6897 0.7924 0.5421 "
         "-0.3939 0 "
         "0 0.5421 0.4451 1.2907 0.8955 0.2",
         "P==>0.2000"},
        {u8"P减少", 4,
         (q5 + ";5 0.8944 0.1826 -0.4082 0.4082 0.1826 1.0954 0.4472 2.6667 0.8165 0.5963 "
               "-0.3651 0 0 0.5963 0.4082 1.3333 0.9129 0")
             .c_str(),
         "P==>0.1000;P==>0.0000"},
        {u8"P增加", -1, "", "P==>0.1000;P==>0.2000;P==>0.3000"},
        {u8"P减少", -1, "", "P==>0.2000;P==>0.1000;P==>0.0000"},
        {"HQR", -1, "", u8"反射阵QR分解"},
        {"HJR", -1, "", u8"H变换与旋转QR分解"},
        {"SQR", 4, "4 1 0 2 3 1 0 1 2 0", u8"斯密特正交化QR分解"},
        {u8"1位", 1, "4 1 0 2 3 1 0 1 2 0", ""},
        {u8"4位", 4, "4 1 0 2 3 1 0 1 2 0", ""},
        // The panel's R of A = QR by hand: √20, 10/√20, 2/√20; √6, 4/√6;
        // √(32/15).
        {u8"下一步", -1, "", ";;!4.4721"},
        {u8"显示相关数据", -1, "", u8"关闭相关数据|4.4721|2.2361|2.4495|1.6330|1.4606"},
        {u8"关闭相关数据", -1, "", u8"显示相关数据|!4.4721|!2.4495"},
    });
}

// Descent on the page's form ½x′Ax - b′x, A = [3 1; 1 2], b = (4, -3), from
// the cursor (0.5, -1) (python3, exact fractions): the table of iterates x
// with λ (and β for conjugate gradients, which meets the minimum (11/5,
// -13/5) at its second step).
TEST_F(NumericPresses, DescentPage200) {
    const std::string ab = "3 1 4 1 2 -3", s1 = "0.5 -1 2.1504 -1.7073 0.4715",
                      s2 = s1 + " 1.892 -2.3102 0.3473", s3 = s2 + " 2.191 -2.4383 0.4715",
                      c1 = "0.5 -1 2.1504 -1.7073 0 0.4715";
    OpenFigure("200", "Gradient");
    view->m_dCursorX = 0.5, view->m_dCursorY = -1;
    Run({
        {u8"显示数据", 4, ab.c_str(), u8"正定二次型x′Ax-b"},
        {u8"下一步", 4, (s1 + ";" + s2 + ";" + s3).c_str(), ""},
        {u8"上一步", 4, (s2 + ";" + s1 + ";" + ab).c_str(), ""},
        {u8"开始", 4, ab.c_str(), u8"方程Ax=b:A,b"},
        {u8"梯度", 4, ab.c_str(), ""},
        {u8"下一步", 4, (ab + ";" + c1 + ";" + c1 + " 2.2 -2.6 0.246 0.4241").c_str(),
         u8"共轭梯度法"},
        {u8"速降", 4, s2.c_str(), u8"最速下降法"},
        {u8"2位", 2, "0.5 -1 2.15 -1.71 0.47 1.89 -2.31 0.35", ""},
        {u8"1位", 1, "0.5 -1 2.2 -1.7 0.5 1.9 -2.3 0.3", ""},
        {u8"3位", 3, "0.5 -1 2.150 -1.707 0.472 1.892 -2.310 0.347", ""},
        {u8"5位", 5, "0.5 -1 2.15041 -1.70732 0.47154 1.89205 -2.31016 0.34731", ""},
        {u8"6位", 6, "0.5 -1 2.150407 -1.707317 0.471545 1.892045 -2.310160 0.347305 0.0001", ""},
        {u8"4位", 4, s2.c_str(), u8"!-0.7439"},
        // The panel of the last iteration: r = c − Bx₁ = (−0.7439, −1.7358),
        // b = (4, −3), A = B, x₁.
        {u8"显示相关数据", -1, "", u8"关闭相关数据|-0.7439|-1.7358|-3.0000|2.0000"},
        {u8"关闭相关数据", 4, s2.c_str(), u8"显示相关数据|!-0.7439|!-3.0000"},
        {u8"ε增加", -1, "", u8"ε==>0.000200;ε==>0.000400"},
        {u8"ε减少", -1, "", u8"ε==>0.000200;ε==>0.000100"},
        {u8"不显示数据", 2, "", ""},
        {u8"非线性方程组", -1, "", ""},
        {u8"线性方程组", -1, "", ""},
        {u8"正定二次型", -1, "", ""},
    });
}

// Romberg's table for √x on [0, 1] (python3, the table's own recurrence):
// the diagonal's differences 0.138, 0.0197, 0.00585, 0.00199, 0.000695 let
// ε = 0.1 and 0.02 stop after three rows, 0.004 after five, 0.0008 after
// six; the data list holds √(j/4) (and √(j/16)) at x_j.
TEST_F(NumericPresses, RombergPage367) {
    const std::string t3 = "0.5 0.6036 0.6381 0.6433 0.6565 0.6578",
                      t5 = t3 + " 0.6581 0.6631 0.6635 0.6636 0.6636 0.6654 0.6656 0.6656 0.6656",
                      t6 = t5 + " 0.6656 0.6662 0.6663 0.6663 0.6663 0.6663",
                      f4 = "0.000000 0.500000 0.707107 0.866025 1.000000",
                      f16 = "0.000000 0.250000 0.353553 0.433013 0.500000 0.559017 0.612372 "
                            "0.661438 0.707107 0.750000 0.790569 0.829156 0.866025 0.901388 "
                            "0.935414 0.968246 1.000000";
    OpenScript("367", "700Romberg(0.4,3,34,10,25,0,0,-0.2,1.2,-0.2,1.2,0,1)\n");
    Run({
        {u8"ε减少", 4, (t3 + ";" + t5 + ";" + t6).c_str(),
         u8"ε==>0.020000;ε==>0.004000;ε==>0.000800"},
        {u8"ε增加", 4, (t5 + ";" + t3 + ";" + t3).c_str(),
         u8"ε==>0.004000;ε==>0.020000;ε==>0.100000"},
        {u8"显示数据", 3, "0 0.25 0.5 0.75 1",
         (u8"f    ==>" + f4 + u8"|!0.6036|不显示数据|lit=>0.100000").c_str()},
        {u8"ε减少", 3,
         "0 0.25 0.5 0.75 1;0 .0625 .125 .1875 .25 .3125 .375 .4375 .5 .5625 .625 .6875 .75 "
         ".8125 .875 .9375 1",
         (u8"f    ==>" + f4 + u8";f    ==>" + f16).c_str()},
        {u8"不显示数据", 4, t5.c_str(),
         u8"!f    =|显示数据|lit=>0.004000 0.5000 0.6036 0.6381 0.6433 0.6565 0.6578 0.6581 "
         u8"0.6631 0.6635 0.6636 0.6636 0.6654 0.6656 0.6656 0.6656"},
        {u8"1位", 1, "0.5 0.6 0.6 0.6 0.7 0.7 0.7 0.7 0.7 0.7 0.7 0.7 0.7 0.7 0.7", ""},
        {u8"2位", 2, "0.50 0.60 0.64 0.64 0.66 0.66 0.66 0.66 0.66 0.66 0.66 0.67 0.67 0.67 0.67",
         ""},
        {u8"3位", 3,
         "0.500 0.604 0.638 0.643 0.657 0.658 0.658 0.663 0.664 0.664 0.664 0.665 0.666 0.666 "
         "0.666",
         ""},
        {u8"5位", 5,
         "0.5 0.60355 0.63807 0.64328 0.65653 0.65776 0.65813 0.66308 0.66352 0.66361 0.66358 "
         "0.66540 0.66555 0.66559 0.66559",
         ""},
        {u8"6位", 6,
         "0.004 0.5 0.603553 0.638071 0.643283 0.656526 0.657757 0.658130 0.663079 0.663516 "
         "0.663608 0.663581 0.665398 0.665553 0.665585 0.665593",
         ""},
        {u8"4位", 4, t5.c_str(), u8"ε==>0.004000"},
    });
}

// The trapezoid, Simpson and Gauss pages' figure on arctan x over [0, b],
// b = 3.14159 and π (python3, the rules' own sums, Gauss with the page's
// nodes and weights; ∫ = b·atan b − ½ln(1 + b²) = 2.773672 and 2.773675):
// n doubles and halves, at least 1; the list of f(x_i) up to n = 16; the
// captions change nothing; the Gauss nodes are listed only in rows that
// end above the curve's top (1.26).
TEST_F(NumericPresses, QuadraturePages324325And457) {
    const std::string
        x2 = "0 1.571 3.142",
        x4 = "0 0.785 1.571 2.356 3.142", x8 = "0 0.393 0.785 1.178 1.571 1.963 2.356 2.749 3.142",
        x16 = "0 0.196 0.393 0.589 0.785 0.982 1.178 1.374 1.571 1.767 1.963 2.160 2.356 "
              "2.553 2.749 2.945 3.142";
    const std::string f2 = u8"f    ==>0.000000 1.003884 1.262627",
                      f4 = u8"f    ==>0.000000 0.665773 1.003884 1.169423 1.262627",
                      f8 = u8"f    ==>0.000000 0.374196 0.665773 0.866984 1.003884 1.099739 "
                           "1.169423 1.221896 1.262627";
    OpenScript("324", "701Calculus1(0.3,3,50,9,11,-1,4,-1.5,4.5,-0.5,1.5,0,3.14159)\nx\ny\n");
    Run({
        {u8"n减少", -1, "", u8"n==>1|积分近似值:=>1.983328|积分值:=>2.773672|梯形公式|!复化"},
        {u8"梯形公式", -1, "", u8"n==>1|积分近似值:=>1.983328"},
        {u8"n增加", -1, "",
         u8"n==>2|积分近似值:=>2.568561|复化梯形公式;n==>4|积分近似值:=>2.725639;"
         u8"n==>8|积分近似值:=>2.761932"},
        {u8"显示数据", 3, x8.c_str(), (f8 + u8"|不显示数据").c_str()},
        {u8"n增加", 3, (x16 + ";").c_str(),
         u8"f    ==>0.000000 0.193883 0.374196 0.532328 0.665773 0.776188 0.866984 0.941808 "
         u8"1.003884 1.055839 1.099739 1.137187 1.169423 1.197408 1.221896 1.243478 1.262627|"
         u8"积分近似值:=>2.770751;!f    =|积分近似值:=>2.772942|n==>32"},
        {u8"n减少", 3, (x16 + ";" + x8 + ";" + x4).c_str(),
         (u8"积分近似值:=>2.770751;" + f8 + ";" + f4 + u8"|积分近似值:=>2.725639").c_str()},
        {u8"复化梯形公式", 3, x4.c_str(), u8"n==>4"},
        {u8"n减少", 3, (x2 + ";0 3.142;0 3.142").c_str(),
         (f2 + u8";f    ==>0.000000 1.262627|积分近似值:=>1.983328;n==>1").c_str()},
        {u8"不显示数据", 3, "", u8"!f    =|显示数据"},
    });
    OpenScript("325", "701Calculus1(0.3,3,34,9,11,-1,5,-1.5,4.5,-0.5,1.5,0,3.14159)\nx\ny\n");
    Run({
        {u8"n减少", -1, "", u8"n==>1|积分近似值:=>2.763638|辛普生公式|!复化"},
        {u8"辛普生公式", -1, "", u8"积分近似值:=>2.763638"},
        {u8"n增加", -1, "",
         u8"积分近似值:=>2.777998|复化辛普生公式;积分近似值:=>2.774030;积分近似值:=>2.773690"},
        {u8"显示数据", 3, x8.c_str(), f8.c_str()},
        {u8"n减少", 3, (x4 + ";" + x2 + ";0 3.142").c_str(),
         (u8"积分近似值:=>2.774030|" + f4 + u8";积分近似值:=>2.777998|" + f2 +
          u8";积分近似值:=>2.763638")
             .c_str()},
        {u8"不显示数据", 3, "", u8"!f    =|积分值:=>2.773672"},
        {u8"n增加", -1, "", u8"积分近似值:=>2.777998"},
        {u8"复化辛普生公式", -1, "", u8"n==>2"},
    });
    OpenScript("457", "701Calculus1(0.3,3,50,9,11,-1,6,-1.5,4.5,-0.5,3.5,0,3.141592653589793,0,0,"
                      "2)\nx\ny\n");
    Run({
        {u8"高斯公式", -1, "",
         u8"积分近似值:=>2.768844|积分值:=>2.773675|f    ==>0.340290 1.003885 1.226356|"
         u8"w[ ]==>0.555556 0.888889 0.555556|n==>1"},
        {u8"2节点", -1, "",
         u8"积分近似值:=>2.785449|f    ==>0.586082 1.187190|w[ ]==>1.000000 1.000000"},
        {u8"4节点", -1, "",
         u8"积分近似值:=>2.773355|f    ==>0.214763 0.803442 1.127270|"
         u8"w[ ]==>0.347855 0.652145 0.652145"},
        {u8"5节点", -1, "", u8"积分近似值:=>2.773774"},
        {u8"6节点", -1, "", u8"积分近似值:=>2.773685"},
        {u8"3节点", -1, "", u8"积分近似值:=>2.768844"},
        {u8"n增加", -1, "",
         u8"积分近似值:=>2.773565|n==>2|复化高斯公式;积分近似值:=>2.773680|n==>4;"
         u8"积分近似值:=>2.773675|n==>8"},
        {u8"复化高斯公式", -1, "", u8"n==>8"},
        {u8"n减少", -1, "",
         u8"n==>4|积分近似值:=>2.773680;n==>2;n==>1|积分近似值:=>2.768844|!复化"},
        {u8"不显示数据", -1, "", u8"!f    =|显示数据"},
        {u8"显示数据", -1, "", u8"f    ==>0.340290 1.003885 1.226356"},
    });
}

} // namespace
