// The plane demonstrations drawn whole from scratch pages: polygons in a
// circle, least squares, the draining vessel, water pressure, sequences and
// colour planes, the vibration and the ball on a curve. Expected values come
// from hand calculation (see each test); buttons act once per click and the
// parameters they multiply stay capped; animations show frames within their
// time bound.
#include "calculus/math/complex_iteration.h"
#include "calculus/math/sequences.h"
#include "calculus/math/vessels.h"
#include "dialogs/common_dialogs.h"
#include "platform/frame_presenter.h"
#include "test_support.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace test_support;

// A bare scrolling view for the presenter.
struct CScrollViewStub : CScrollView {
    void OnDraw(CDC*) override {}
};

class PlaneDemoTest : public OnScratchScripts<> {
protected:
    // A one-figure page: the command lines with 12 blank lines under them.
    static void Script(const std::vector<std::string>& utf8Commands) {
        std::string text = "014T\n";
        for (const std::string& c : utf8Commands) text += "700" + c + "\n";
        for (int i = 0; i < 12; ++i) text += "107\n";
        WriteScript("t", text);
    }
    void Open(CViewHost* host = nullptr) { PageViewTest::Open("t", kPageHeight, kPageWidth, host); }
};

// --- The frame presenter ---------------------------------------------------------------

TEST(FramePresenter, LongRunsShowEveryKthFrameAndRepaintsOnlyTheLast) {
    CountingHost host;
    CScrollViewStub view;
    view.SetHost(&host);
    // 20 frames: all shown; 1000 frames: every 10th and the last.
    CFramePresenter shortRun(&view, 20, true);
    int drawn = 0;
    for (long i = 0; i < 20; ++i) drawn += shortRun.Draws(i);
    EXPECT_EQ(drawn, 20);
    CFramePresenter longRun(&view, 1000, true);
    drawn = 0;
    for (long i = 0; i < 1000; ++i) drawn += longRun.Draws(i);
    EXPECT_EQ(drawn, 101);
    EXPECT_LE(drawn * CFramePresenter::kFrameMs, CFramePresenter::kBudgetMs + 30);
    // Not live: only the last frame, and nothing shown or waited for.
    CFramePresenter repaint(&view, 50, false);
    EXPECT_FALSE(repaint.Draws(0));
    EXPECT_TRUE(repaint.Draws(49));
    EXPECT_TRUE(repaint.Present());
    EXPECT_EQ(host.presents, 0);
    view.SetHost(nullptr);
}

// --- Polygons in a circle ---------------------------------------------------------

// The unit circle x = cos t, y = sin t (parametric form 1, a = b = 1).
const std::vector<std::string> kPolygonPage = {
    "DATA1(0,1,1,0,0,0,0,)",
    "Ploygon(0.3,3,40,12,1,-1,1,-1.6,1.6,-1.2,1.2,0,6.3)",
};

TEST_F(PlaneDemoTest, PolygonAreasAreThoseOfTheRegularPolygons) {
    Script(kPolygonPage);
    Open();
    // 3·sin(60°) = 2.5980762; 6·sin(30°) = 3 exactly.
    // The area and the area over r² (r = 1) are written alike.
    EXPECT_EQ(log.Count("2.598076"), 2);
    const int up = view->m_nPlotRight - 110, y = view->m_nPlotTop + 4;
    ClickButton(up, y);
    EXPECT_EQ(view->m_nDemoStep, 12);
    EXPECT_GE(log.Count("3.000000"), 2);
    // Repaints leave N alone; 24 and 48 sides then draw four polygons.
    Repaint();
    EXPECT_EQ(view->m_nDemoStep, 12);
    ClickButton(up, y);
    ClickButton(up, y);
    ASSERT_EQ(view->m_nDemoStep, 48);
    const QImage& page = view->BackingImage();
    for (int slot = 4; slot <= 7; ++slot)
        EXPECT_GT(CountColour(page, view->m_acrPalette[slot], view->m_nPlotLeft, view->m_nPlotTop,
                              view->m_nPlotRight, view->m_nPlotBottom),
                  20)
            << slot;
    // Doubling stops at 1536 sides.
    for (int i = 0; i < 6; ++i) ClickButton(up, y);
    EXPECT_EQ(view->m_nDemoStep, 1536);
    ClickControl(u8"n减少");
    EXPECT_EQ(view->m_nDemoStep, 768);
}

// --- The tangent at a point ---------------------------------------------------------

TEST_F(PlaneDemoTest, TangentOfAParabolaHasItsSlopeAndIntercept) {
    // y = x² at x0 = 1: slope 2, intercept 1 − 2 = −1 (a forward difference
    // of 0.00004 moves neither at three decimals).
    Script({"DATA1(0,1,0,0,0,0,0,)", "Curve(0.3,3,40,12,39,-1,0,-2,2,-1,4,-2,2)",
            "tangentline2(1,0,0,3,255,0,0)"});
    Open();
    EXPECT_EQ(log.Count("2.000"), 1);
    EXPECT_EQ(log.Count("-1.000"), 1);
    // The line in its colour reaches from near the left edge (y = -1 + 0.002
    // of the span at x = 0) to the right end at y = 4.
    const QImage& page = view->BackingImage();
    EXPECT_GT(
        CountColour(page, RGB(255, 0, 0), Px(0.05), view->m_nPlotTop, Px(2.4), view->m_nPlotBottom),
        150);
}

// --- Sequences and colour planes ------------------------------------------------------

TEST(SequenceMath, LimitSearchesEnd) {
    // x/2 + 1 settles at 2; sin n never settles; 1/t from t = 0 never leaves
    // the infinite value and must still end.
    const auto half = [](double x) { return x / 2 + 1; };
    const auto r = calculus::RecursionLimit(half, 0.0);
    EXPECT_TRUE(r.found);
    EXPECT_NEAR(r.value, 2.0, 2e-6);
    EXPECT_FALSE(calculus::ExplicitLimit([](double x) { return std::sin(x); }, 10, 0).found);
    EXPECT_FALSE(calculus::ExplicitLimit([](double x) { return 1 / x; }, 0, 1).found);
    EXPECT_FALSE(calculus::RecursionLimit([](double x) { return 2 * x + 1; }, 1.0).found);
    // (1 + 1/n)^n settles near e once its steps shrink below 1e-6.
    const auto e = calculus::ExplicitLimit([](double x) { return std::pow(1 + 1 / x, x); }, 10, 0);
    EXPECT_TRUE(e.found);
    EXPECT_NEAR(e.value, std::exp(1.0), 1e-5);
}

TEST(SequenceMath, IterationsEndAsTheTextbookIterationDoes) {
    // Z → Z² + C from 0 with ε = 1e-7, M = 1e6. C = 0 settles in one step
    // (|Z1 − Z0| = 0); C = 1 runs away; C = −0.1 settles at step 9 (python3);
    // C = −1 cycles 0, −1, 0, ... with steps of length 1: undecided after
    // all n steps, however large n; a start that is not a number too.
    const calculus::Complex one{1, 0}, zero{0, 0};
    struct Row {
        calculus::Complex z, C;
        int limit;
        bool settled, escaped;
        int steps;
    };
    const Row rows[] = {
        {zero, zero, 100, true, false, 1},
        {zero, {-0.1, 0}, 100, true, false, 9},
        {zero, {-1, 0}, 100000, false, false, 100000},
        {zero, {-1, 0}, 0, false, false, 1},
        {{NAN, 0}, zero, 5000, false, false, 5000},
    };
    for (const Row& r : rows) {
        const auto end = calculus::IterateQuadratic(r.z, one, zero, r.C, r.limit, 1e-7, 1e6);
        EXPECT_EQ(end.settled, r.settled) << r.C.re;
        EXPECT_EQ(end.escaped, r.escaped) << r.C.re;
        EXPECT_EQ(end.steps, r.steps) << r.C.re;
    }
    const auto escaped = calculus::IterateQuadratic(zero, one, zero, one, 100, 1e-7, 1e6);
    EXPECT_TRUE(escaped.escaped);
    EXPECT_LT(escaped.steps, 10);
    // The plane map (u, v) → (u/2, v/2) from (1, 0): step k is 2^-k long,
    // at most 1e-3 first at k = 10.
    const auto half = [](double u, double v, double* nu, double* nv) { *nu = u / 2, *nv = v / 2; };
    const auto settled = calculus::IteratePlaneMap(1, 0, 100, 1e-6, 1e12, half);
    EXPECT_TRUE(settled.settled);
    EXPECT_EQ(settled.steps, 10);
}

TEST_F(PlaneDemoTest, TheRecursionPlaneFindsItsLimit) {
    // F(x) = x/2 + 1 from X0 = 0: the limit 2.000.
    Script({"DATA1(0,0,0.5,1,0,0,0,)", "Sequence(0.3,3,40,12,39,0,0,0,30,-1,3,0,30,0,0)"});
    Open();
    EXPECT_EQ(log.Count("2.000"), 0); // nothing before a click in the plot
    Click(Px(10), Py(1));
    EXPECT_EQ(log.Count("2.000"), 1);
    // The explicit 1/n read up to x max = 0 ends without a limit.
    Script({"Sequence(0.3,3,40,12,24,1,0,-5,0,-3,3,0,0,0,0)"});
    Repaint();
    EXPECT_EQ(view->m_nDemoOption2, 1);
}

TEST_F(PlaneDemoTest, TheTablePagesThroughTheTermsOncePerClick) {
    // Xn = 2·Xn-1 from X0 = 1.111: X1 = 2.222, X24 = 1.111·2^24 =
    // 18639486.976, X25 = 37278973.952 (python3).
    Script({"DATA1(0,0,2,0,0,0,0,)", "Sequence(0.3,3,40,12,39,0,0,0,10,-1,1,0,0,0,4)"});
    Open();
    // M starts at 1 (the first page: X1 .. X24); "n增加" adds 24.
    EXPECT_EQ(log.Count("2.222"), 1);
    EXPECT_EQ(log.Count("18639486.976"), 1);
    const int mid = (view->m_nFigureLeft + view->m_nFigureRight) / 2;
    ClickButton(mid - 60, view->m_nFigureTop);
    EXPECT_EQ(view->m_dDirM, 25.0);
    EXPECT_GE(log.Count("37278973.952"), 1);
    EXPECT_EQ(log.Count("2.222"), 0);
    Repaint();
    EXPECT_EQ(view->m_dDirM, 25.0);
}

TEST_F(PlaneDemoTest, TheEpsilonBandNarrowsOncePerClick) {
    // 1 + (-1)^[n]/n tends to 1 on the Xn axis; "ε减少" halves ε.
    Script({"Sequence(0.3,3,40,12,52,1,0,-0.2,2.2,-1,1,0,2,0,7)"});
    Open();
    const double eps = view->m_dEpsilon;
    ClickControl(u8"ε减少");
    EXPECT_EQ(view->m_dEpsilon, eps / 2);
    Repaint();
    EXPECT_EQ(view->m_dEpsilon, eps / 2);
    // The band's limit: 1.000 in its box.
    EXPECT_GE(log.Count("1.000"), 1);
}

TEST_F(PlaneDemoTest, ThePlaneMapStepsItsCountAndRunsAlone) {
    // "Sequence2" also starts with "Sequence": only its own section draws.
    Script({"DATA2(0,1,0,-1,0,0,-0.75,)", "DATA2(1,0,2,0,0,0,0.1,)",
            "Sequence2(0.3,3,40,12,0,0,0,-1.8,1.8,-1.2,1.2,0,0,1,1)"});
    Open();
    EXPECT_EQ(view->m_nDemoStep, 1);
    EXPECT_EQ(view->m_nDemoOption, 0);
    // "n增": (10·1)/8 = 1 stays; "n减": (8·1)/10 = 0.
    const int R = view->m_nPlotRight, T = view->m_nPlotTop;
    ClickButton(R, T);
    EXPECT_EQ(view->m_nDemoStep, 1);
    ClickButton(R, T + 24);
    EXPECT_EQ(view->m_nDemoStep, 0);
    // A click in the plot scans it: settled, escaped or undecided cells
    // everywhere, none left in the plot's ground colour at the centre.
    Click(Px(0), Py(0));
    EXPECT_NE(ColourAt(view->BackingImage(), Px(0.05), Py(0.05)), view->m_crGround);
}

TEST_F(PlaneDemoTest, TheNumberLineAndBarsKeepTheirChoices) {
    // The number line: 40 terms, "n减少" from 40 gives 0, which becomes 40.
    Script({"Sequence(0.3,3,40,12,52,1,0,-0.2,2.2,-1,1,0,2,0,5)"});
    Open();
    EXPECT_EQ(view->m_dDirM, 1.0);
    ClickButton(view->m_nFigureLeft + 100, view->m_nFigureTop);
    EXPECT_EQ(view->m_dDirM, 40.0);
    ClickButton(view->m_nFigureLeft + 100, view->m_nFigureTop);
    EXPECT_EQ(view->m_dDirM, 40.0);
    // The bars: "中点" samples F(n + 0.5); another offset falls back to 0.
    Script({"Sequence(0.3,3,40,12,27,1,0,0,12,0,3.2,0.5,12,0,3)"});
    view->m_dDemoParam = 0.3;
    Repaint();
    EXPECT_EQ(view->m_dDemoParam, 0.0);
    ClickButton(view->m_nPlotRight - view->m_nBaseCharHeight, view->m_nPlotTop + 24);
    EXPECT_EQ(view->m_dDemoParam, 0.5);
}

TEST_F(PlaneDemoTest, TheColourPlaneScansWithinBoundsAndItsDialogWaitsForThePass) {
    int dialogs = 0;
    bool insidePass = false;
    CPemroView* seen = nullptr;
    SetCommonDialogHooks({[&](COLORREF* c) {
                              ++dialogs;
                              insidePass = insidePass || (seen && seen->InPass());
                              *c = RGB(200, 0, 0);
                              return true;
                          },
                          nullptr, nullptr});
    Script({"Sequence(5,3,40,12,39,0,0,-2.2,1.2,-1.3,1.3,0,200,0,2)"});
    Open();
    seen = view.get();
    EXPECT_EQ(view->m_nDemoStep, 200);
    // A click in the plot paints z² + C over the C plane: the escape colour
    // blends toward grey, the cardioid (C = -0.2) settles.
    Click(Px(-0.2), Py(0.0));
    const QImage& page = view->BackingImage();
    EXPECT_NE(ColourAt(page, Px(-0.2), Py(0.0)), ColourAt(page, Px(1.0), Py(1.2)));
    // "极限存在的颜色" opens the dialog once, after the pass.
    const int cw = view->m_nFontStep / 2 + view->m_nBaseCharWidth;
    const int gap = view->ButtonHeight() + 3, rowDown = view->m_nPlotTop - 26 - gap;
    Click(view->m_nPlotLeft + 26 * cw + 3, rowDown + 3);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(insidePass);
    EXPECT_EQ(view->m_crFrontSide, RGB(200, 0, 0));
    Repaint();
    EXPECT_EQ(dialogs, 1);
    // "n" doubles once per click and stops at 100000.
    const int rowUp = rowDown - gap;
    for (int i = 0; i < 10; ++i) Click(view->m_nPlotLeft + 19 * cw + 3, rowUp + 3);
    EXPECT_EQ(view->m_nDemoStep, 100000);
    SetCommonDialogHooks({});
}

// --- Vessels, pressure and work ------------------------------------------------------

TEST(VesselMath, FivePointGaussPanels) {
    // ∫(1 − x) and ∫x(1 − x) over [0, 1] are exact in one panel: 1/2, 1/6;
    // ten panels of e^x give e − 1 (an eleventh panel would add about e/10).
    EXPECT_NEAR(calculus::Gauss5Composite([](double x) { return 1 - x; }, 0, 1, 1), 0.5, 1e-9);
    EXPECT_NEAR(calculus::Gauss5Composite([](double x) { return x * (1 - x); }, 0, 1, 1), 1.0 / 6,
                1e-9);
    EXPECT_NEAR(calculus::Gauss5Composite([](double x) { return std::exp(x); }, 0, 1, 10),
                std::exp(1.0) - 1, 1e-9);
    EXPECT_EQ(calculus::Gauss5Composite([](double) { return 1.0; }, 1, 0, 10), 0.0);
    EXPECT_EQ(calculus::Gauss5Composite([](double) { return 1.0; }, 0, 1, 0), 0.0);
}

TEST_F(PlaneDemoTest, TheCylinderDrainsInTheTimeTorricelliGives) {
    // Area 3.1416 (radius 1), hole 0.01, level 1: t = 2·sqrt(1)·3.1426 /
    // (0.62·0.01·sqrt(19.6)) = 229 s = 0.064 h (python3 with the same steps:
    // 228.97 s).
    Script({"DATA1(0,0,0,3.1416,0,0,0,)",
            "WaterFlow(0.3,3,40,12,39,-1,0,0,300,-0.2,1.2,0,300,0,0,0.01,1)"});
    Open();
    EXPECT_EQ(log.Count("0.064"), 0);
    Click(view->m_nPlotRight - 107, view->m_nPlotBottom - view->ButtonHeight() - 3);
    EXPECT_EQ(view->m_dDemoParam, 1.0);
    EXPECT_EQ(log.Count("0.064"), 1);
    // A time axis too short to empty the vessel writes no time.
    Script({"DATA1(0,0,0,3.1416,0,0,0,)",
            "WaterFlow(0.3,3,40,12,39,-1,0,0,100,-0.2,1.2,0,100,0,0,0.01,1)"});
    Repaint();
    EXPECT_EQ(log.Count("0.064"), 0);
}

TEST_F(PlaneDemoTest, PressureAndWorkAreTheWeightedIntegrals) {
    Script({"DATA1(0,0,0,2,0,0,0,)", "Curve(0.3,3,40,12,39,-1,0,-1,2,-1,2,-1,2)"});
    Open();
    CPemroView& v = *view;
    CDC dc(&v.BackingImageRef());
    v.m_nFuncF = v.m_nFuncUpper = 39; // f(x) = 2
    v.m_nFuncLower = -1;              // g(x) = 0
    // ∫ 2(1 − x) dx over [0, 1] = 1.
    log.pieces.clear();
    v.DrawWaterPressureWork(&dc, 0, 1, 3, 0, 1, 1, 10, RGB(255, 255, 0));
    EXPECT_EQ(log.Count("1.0000"), 1);
    // Lifting a body of section 2 over [0, 1] out of water to c = 1 with
    // G = 1: 1·1·2 − ∫ 2(1 − x) dx = 1; G below 1 counts as 1.
    v.m_dSpecificGravity = 0.5;
    log.pieces.clear();
    v.DrawWaterPressureWork(&dc, 0, 1, 2, 0, 1, 1, 10, RGB(255, 255, 0));
    EXPECT_EQ(v.m_dSpecificGravity, 1.0);
    EXPECT_EQ(log.Count("1.0000"), 2);
}

// --- Animations -----------------------------------------------------------------------

TEST_F(PlaneDemoTest, TheVibrationRunsOncePerClickWithinItsTimeBound) {
    CountingHost host;
    Script({"DATA1(0,0,0,0,0,0,0,)", "Vibration(0.3,3,40,12,39,-1,0,-2,2,-2,2,0,1)"});
    Open(&host);
    EXPECT_EQ(host.presents, 0); // nothing runs before a click
    // A click 0.5 above the rest position: T = 10 in half units, 20 frames.
    Click(Px(0), Py(0.5));
    EXPECT_EQ(host.presents, 20);
    EXPECT_LE(host.totalMs, 3000);
    // A repaint shows the last frame at once.
    Repaint();
    EXPECT_EQ(host.presents, 20);
    EXPECT_EQ(view->m_dDemoParam, 10.0);
    // "t增大" doubles T once per click up to 80; the runs stay within 3 s.
    const int x = view->m_nPlotRight, y = view->m_nPlotTop;
    for (double expected : {20.0, 40.0, 80.0, 80.0}) {
        host.presents = 0, host.totalMs = 0;
        ClickButton(x, y);
        EXPECT_EQ(view->m_dDemoParam, expected);
        EXPECT_GT(host.presents, 1);
        EXPECT_LE(host.totalMs, 3000);
    }
    // "t减小" halves it.
    ClickButton(x, y + 24);
    EXPECT_EQ(view->m_dDemoParam, 40.0);
    view->SetHost(nullptr);
}

// The run a repaint reuses is the run of the present start and time: the
// mass after the last frame at t is u(t) = c/q + (u0 − c/q)·r(t), with
// r(t) = e^(−pt/2)(cos ωt + p/(2ω) sin ωt), ω = √(q − p²/4) (python3 math),
// for u″ + 0.2u′ + u = 0.5 and u0 the click's height below the rest line.
TEST_F(PlaneDemoTest, TheSpringShowsTheRunOfItsPresentStartAndTime) {
    Script({"DATA1(0,0,0,0.5,0,0,0,0.2,1)", "Vibration(0.3,3,40,12,39,-1,0,-2,2,-2,2,0,1)"});
    Open();
    struct Row {
        const char* action;
        double y; // the click's height, or NAN for a button
        double t, r;
    };
    const Row rows[] = {
        {"click", 0.5, 9.5, -0.387666453159536},        // T = 10: 20 frames
        {"t增大", NAN, 19.5, 0.12859779832068383},      // T = 20, the run goes on
        {"t减小", NAN, 9.5, -0.387666453159536},        // back to T = 10
        {"click lower", -1.0, 9.5, -0.387666453159536}, // a new start
    };
    const int x = view->m_nPlotRight, y = view->m_nPlotTop;
    for (const Row& row : rows) {
        const std::string a = row.action;
        if (!std::isnan(row.y)) {
            // The release sets the start; the buttons, in the plot's top
            // fifth, leave it.
            const CPoint p(Px(0), Py(row.y));
            view->OnLButtonDown(MK_LBUTTON, p);
            view->OnLButtonUp(0, p);
            view->RenderPending();
        } else {
            ClickButton(x, a == "t增大" ? y : y + 24);
        }
        Repaint();
        const CPemroView& v = *view;
        double u0 = -v.m_dCursorY; // the rest line is y = 0
        if (!(std::fabs(u0) < 2)) u0 = 0;
        const double expected = 0.5 + (u0 - 0.5) * row.r;
        EXPECT_NEAR((v.m_dVibrationScale - v.m_dParamStep * v.m_dYSpan) / 0.2, expected, 1e-6) << a;
    }
}

TEST_F(PlaneDemoTest, TheBallRollsWithinItsTimeBoundAndItsButtonsKeepTheirBounds) {
    CountingHost host;
    Script({"DATA1(0,0.25,0,0,0,0,0,)",
            "SphereCurveMove(0.3,3,40,12,39,-1,0,-3,3,-0.5,2.5,-3,3,0,0,-2.5,0.1,1)"});
    Open(&host);
    EXPECT_EQ(host.presents, 0);
    EXPECT_EQ(view->m_dX0, -2.5);
    // The left part of the plot starts the run: t = 4, h = 0.1, 41 frames.
    Click(Px(-2), Py(2));
    EXPECT_GT(host.presents, 30);
    EXPECT_LE(host.totalMs, 3000);
    const int R = view->m_nPlotRight, T = view->m_nPlotTop;
    // "t增" doubles without end (4 · 2^5 = 128); "h增" doubles past 1.6;
    // "h减" halves to 0.0125 and stops; "R减" stops at 2 pixels. Each acts
    // once per click.
    for (int i = 0; i < 5; ++i) ClickButton(R - 70, T - 24);
    EXPECT_EQ(view->m_dTimeT, 128.0);
    view->m_dOdeStep = 1.6;
    ClickButton(R - 230, T - 24);
    EXPECT_EQ(view->m_dOdeStep, 3.2);
    view->m_dOdeStep = 0.1;
    for (int i = 0; i < 5; ++i) ClickButton(R - 190, T - 24);
    EXPECT_EQ(view->m_dOdeStep, 0.0125);
    Repaint();
    EXPECT_EQ(view->m_dOdeStep, 0.0125);
    for (int i = 0; i < 8; ++i) ClickButton(R - 110, T - 24);
    EXPECT_EQ(view->m_nBallRadius, 2);
    // A long run (t = 32: 2561 frames) still shows at most 100 of them.
    view->m_dTimeT = 32;
    host.presents = 0, host.totalMs = 0;
    Click(Px(-2), Py(2));
    EXPECT_GT(host.presents, 1);
    EXPECT_LE(host.totalMs, 3000);
    view->SetHost(nullptr);
}

TEST_F(PlaneDemoTest, TheApplicationPicturesKeepThePickedHeightInRange) {
    // Pumping between A = 0 and B = 1 (the reset values): a pick below A
    // draws the layer at A, one above B at B − y span/20 = 1 − 0.09.
    Script({"DATA1(0,3.1416,0,0.3,0,0,0,)",
            "IntegralApp(0.3,3,40,12,39,-1,0,0,3,-0.2,1.6,0,1,0,0,1.4)"});
    Open();
    view->m_dCursorY = -0.1;
    Click(Px(1.0), Py(0.5));
    EXPECT_EQ(view->m_dCursorY, 0.0);
    view->m_dCursorY = 1.5;
    Click(Px(1.0), Py(0.5));
    EXPECT_NEAR(view->m_dCursorY, 1 - 1.8 / 20, 1e-12);
    // The plate's top above the water surface c = 1 is cut at the surface.
    Script(
        {"DATA1(0,0,0,0.5,0,0,0,)", "IntegralApp(0.3,3,40,12,39,-1,0,0,3,-0.2,2,0.2,1.6,2,0,2)"});
    view->m_dDemoParam = 1.0;
    Repaint();
    EXPECT_EQ(view->m_dIntervalB, 1.0);
}

// --- Least squares ------------------------------------------------------------------

TEST_F(PlaneDemoTest, LeastSquaresFitsTheBuiltInSets) {
    Script({"LeastSquareMethod(0.3,3,40,12,0,0,0,0,200,0,100,0,200,0,0)"});
    Open();
    const int L = view->m_nPlotLeft, R = view->m_nPlotRight, T = view->m_nPlotTop;
    // Set 1, y = a + bx (python3: centred sums over x = 100..190):
    // a = -2.7394, b = 0.48303, M = 7.2242.
    ClickButton(L + 20, T + 44);
    EXPECT_EQ(view->m_dDemoVariant, 3.0);
    EXPECT_EQ(log.Count("-2.74"), 1);
    EXPECT_EQ(log.Count("0.483"), 1);
    EXPECT_EQ(log.Count("7.224"), 1);
    // Set 3, y = ae^(bx) through ln y: ln a = 4.3640, b = -0.10369,
    // M = 0.093876 with the measured y.
    ClickButton(R - 20, T + 72);
    ClickControl("y=ae^(bx)");
    EXPECT_EQ(view->m_dXMax, 40.0);
    EXPECT_EQ(log.Count("4.36"), 1);
    EXPECT_EQ(log.Count("-0.104"), 1);
    EXPECT_EQ(log.Count("0.094"), 1);
    // By hand: "a增" moves ln a by 0.2·60/40 = 0.3, once per click.
    ClickButton(L + 20, T + 22);
    ClickControl(u8"a增");
    Repaint();
    EXPECT_NEAR(view->m_adCoefSurfF[2], 4.3640 + 0.3, 1e-3);
}

TEST_F(PlaneDemoTest, TheQuadraticModelFitsThreeCoefficients) {
    // Set 2, y = a + bx + cx² (python3, normal equations in centred sums):
    // a = -8.3333, b = 9.8879, c = -0.40909, M = 24.824.
    Script({"LeastSquareMethod(0.3,3,40,12,0,0,0,0,12,0,50,0,12,3,0)"});
    Open();
    const int L = view->m_nPlotLeft, R = view->m_nPlotRight, T = view->m_nPlotTop;
    ClickButton(R - 20, T + 48);
    ClickButton(L + 20, T + 44);
    EXPECT_EQ(log.Count("-8.33"), 1);
    EXPECT_EQ(log.Count("9.888"), 1);
    EXPECT_EQ(log.Count("-0.409"), 1);
    EXPECT_EQ(log.Count("24.824"), 1);
}

TEST_F(PlaneDemoTest, OwnPointsStayBetweenTwoAndTwentyFour) {
    Script({"LeastSquareMethod(0.3,3,40,12,0,0,0,0,10,0,10,0,10,1,0)"});
    Open();
    const int R = view->m_nPlotRight, T = view->m_nPlotTop;
    ClickButton(R - 20, T);
    for (int i = 0; i < 10; ++i) ClickButton(R - 20, T + 120);
    EXPECT_EQ(view->m_nLsqPointCount, 2);
    // Equal abscissas leave nothing to fit: the coefficients stay finite.
    for (int i = 0; i < 2; ++i) view->m_adDataX[i] = 1.0;
    ClickButton(view->m_nPlotLeft + 20, T + 44);
    EXPECT_TRUE(std::isfinite(view->m_adCoefSurfF[1]));
}

} // namespace
