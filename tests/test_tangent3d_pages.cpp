// Secants and tangents, the tangent plane and level curves on the sample
// pages: buttons act once per click, and the tangent plane at a picked point
// of z = x^2 - y^2 has the slopes of a forward difference.
#include "test_support.h"

#include "calculus/math/plane_angles.h"
#include "platform/text_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace test_support;

using TangentPageTest = OnSampleCourse<>;

TEST_F(TangentPageTest, SecantStepButtonsActOncePerClick) {
    Open("308");
    const double h0 = view->m_dStepH;
    ASSERT_GT(h0, 0);
    const int left = view->m_nPlotLeft, top = view->m_nPlotTop + 2;
    ClickButton(left + 150, top); // N趋于M
    Repaint();
    Repaint();
    EXPECT_NEAR(view->m_dStepH, h0 / 1.2, 1e-12);
    ClickButton(left + 220, top); // N离开M
    ClickButton(left + 220, top);
    Repaint();
    EXPECT_NEAR(view->m_dStepH, h0 * 1.2, 1e-12);
    // The tangent hides the step buttons; h stays.
    ClickButton(left + 10, top);
    EXPECT_EQ(view->m_dDemoVariant, 1);
    ClickButton(left + 150, top);
    EXPECT_NEAR(view->m_dStepH, h0 * 1.2, 1e-12);
}

TEST_F(TangentPageTest, ThePlanesPageFillsEachOfItsPatches) {
    Open("354");
    EXPECT_TRUE(messages.empty());
    // The three patches in their fill colours: z = 0.9, y = 1.7, x + y = 2.
    for (COLORREF fill : {RGB(200, 160, 0), RGB(0, 130, 160), RGB(150, 60, 150)})
        EXPECT_GT(CountColour(view->BackingImage(), fill), 2000) << fill;
}

TEST_F(TangentPageTest, TheSpaceCurveOfTheSecantCarriesItsCaption) {
    Open("309");
    // The caption of the curve y = f(x), z = g(x) stands at the top of the
    // box's back-left edge, as the space-curve pages show it.
    CPemroView& v = *view;
    double x = v.m_dXMin, y = v.m_dYMin + v.m_dParamStep * v.m_dYSpan;
    const double z = v.m_dZMax - 0.05 * v.m_dZSpan;
    v.TurnPoint3D(&x, &y);
    int sx = 0, sy = 0;
    ASSERT_TRUE(v.ProjectPoint3D(x, y, z, &sx, &sy));
    EXPECT_TRUE(ShowsString(v, sx, sy, u8"空间曲线{", v.m_crCurveSetting,
                            CRect(sx - 4, sy - 40, sx + 300, sy + 40)));
}

using ScratchTangentTest = OnScratchScripts<>;

TEST_F(ScratchTangentTest, TangentLine2TakesAFractionalX0) {
    // M at x0 = 1.7 on y = sin x: 1.7 as written, not its integer part.
    WriteScript("5",
                "014T\n700TangentLine2(0.5,6,36,10,3,-1,0,-0.5,3.5,-0.3,1.6,-0.5,3.5,1.7,1)\n");
    Open("5");
    EXPECT_DOUBLE_EQ(view->m_dX0, 1.7);
    EXPECT_EQ(view->m_dDemoVariant, 1);
}

TEST_F(TangentPageTest, TangentPlaneAtThePickedPoint) {
    Open("310");
    view->m_dCursorX = 0.5;
    view->m_dCursorY = -0.25;
    Repaint();
    // z = x^2 - y^2: fx = 2x0 + 1e-4, fy = -2y0 - 1e-4, f = z0 - fx x0 - fy y0.
    EXPECT_NEAR(view->m_dZ0, 0.1875, 1e-12);
    EXPECT_NEAR(view->m_adCoefSurfG[3], 1.0001, 1e-9);
    EXPECT_NEAR(view->m_adCoefSurfG[4], 0.4999, 1e-9);
    EXPECT_NEAR(view->m_adCoefSurfG[5], -0.187575, 1e-9);
    EXPECT_EQ(view->m_nSurfaceLower, 1);
    EXPECT_EQ(view->m_nSideSurfaces, 1);
}

// The patch drawn from nodes projected once, its dots written straight into
// the image, has the pixels of the plain path's space segments wherever the
// point is picked; near the x edges of z = x^2 - y^2 the patch rises past
// z = 2.5 and its strokes are cut there.
TEST_F(TangentPageTest, ThePatchHasThePlainPathsPixelsWhereverThePointIsPicked) {
    Open("310");
    const double points[][2] = {{0, 0}, {1.4, 0}, {-1.45, 0.1}, {0.3, 1.4}, {1.2, -1.3}};
    for (const auto& p : points) {
        view->m_dCursorX = p[0], view->m_dCursorY = p[1];
        SetDrawingCachesEnabled(false);
        Repaint();
        SetDrawingCachesEnabled(true);
        const QImage plain = view->BackingImage().copy();
        EXPECT_EQ(view->m_nSideSurfaces, 1) << p[0] << ", " << p[1];
        Repaint();
        EXPECT_TRUE(view->BackingImage() == plain) << p[0] << ", " << p[1];
    }
}

TEST_F(TangentPageTest, ContourPutsTheFloorBelowTheBoxAndMarksTheLevel) {
    Open("311");
    EXPECT_EQ(view->m_bCutZc, 2);
    EXPECT_DOUBLE_EQ(view->m_adCoefSurfG[5], -3.5);
}

// In wide windows the contour buttons move apart by their widths: a click
// on the right end of each picks that one; the gradient field drops the
// level curve.
TEST_F(TangentPageTest, ContourButtonsKeepApartInWideWindows) {
    const char* labels[] = {u8"等高线", u8"等高线与梯度", u8"梯度场"};
    const int nominal[] = {0, 60, 180};
    for (int width : {1010, 1600}) {
        Open("311");
        view->ResizeClient(width, width * 5 / 8);
        Repaint();
        const int left = view->m_nFigureRight - view->m_nProjScaleY;
        int x = left;
        for (int i : {0, 1, 2}) {
            if (i > 0)
                x = std::max(left + nominal[i], x + view->ButtonWidth(Gbk(labels[i - 1])) + 8);
            view->m_ptClick =
                CPoint(x + view->ButtonWidth(Gbk(labels[i])) - 2, view->m_nFigureTop + 5);
            ++view->m_nClickSerial;
            Repaint();
            EXPECT_EQ(view->m_dDemoVariant, i) << width;
            EXPECT_EQ(view->m_bCutZc, i == 2 ? 0 : 2);
        }
    }
}

} // namespace

namespace {

// The quadratic approximation of a surface z = a x^2 + b xy + c y^2 is the
// quadric a x² + k·b xy + c y² (k is 0.5 after a topic reset); △ is
// g_xx·g_yy − g_xy² = 4ac − (kb)² of that quadric: positive over an
// elliptic bowl, negative over a saddle.
class QuadraticApproxTest : public ScratchPageTest {
protected:
    QuadraticApproxTest() : ScratchPageTest("quadratic") {}
    std::string Delta(const char* coefficients) {
        std::ofstream("data/5.txt")
            << "014Q\n700DATA2(0," << coefficients << ",0,0,0,)\n"
            << "700Series2(0.5,6,36,10,1,0,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,1,-1,2)\n";
        auto v = View("5");
        TextRecorder log;
        v->m_pTextSink = &log;
        Draw(v.get());
        return log.After(u8"△=");
    }
};

TEST_F(QuadraticApproxTest, DeltaOfTheQuadratic) {
    EXPECT_EQ(Delta("0,1,0"), "-0.2500");  // 0.5xy, a saddle: 0 − 0.25
    EXPECT_EQ(Delta("1,0,1"), "4.0000");   // x² + y², a bowl: 4·1·1
    EXPECT_EQ(Delta("1,0,-1"), "-4.0000"); // x² − y², a saddle
    // x² + 1.5xy + y², a bowl: 4 − 2.25 (ac − b² would say −1.25).
    EXPECT_EQ(Delta("1,3,1"), "1.7500");
    // x² + 2.5xy + y², a saddle: 4 − 6.25.
    EXPECT_EQ(Delta("1,5,1"), "-2.2500");
}

// A negative choice leaves Maclaurin and Taylor to the user: the polynomial
// demonstration with its switch, starting from Maclaurin; the switch holds
// over later repaints.
TEST_F(QuadraticApproxTest, ANegativeChoiceOffersTheMaclaurinTaylorSwitch) {
    auto v = ScriptPage("5", "014S\n700Series2(0.5,6,36,10,16,0,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,16,1,"
                             "-1)\n");
    TextRecorder log;
    v->m_pTextSink = &log;
    const auto shows = [&](int subDemo) {
        log.pieces.clear();
        Draw(v.get());
        return v->m_nSubDemo == subDemo && log.Saw(u8"级数项数n=") && !log.Saw("k=");
    };
    EXPECT_TRUE(shows(16)); // Maclaurin
    PressControl(*v, u8"泰勒");
    EXPECT_TRUE(shows(17));
    EXPECT_TRUE(shows(17));
    PressControl(*v, u8"麦克");
    EXPECT_TRUE(shows(16));
}

} // namespace

namespace {

// The angle of the pencil's member z = x with a third plane or a line, in
// degrees of 180/π.
class PencilAngleTest : public ScratchPageTest {
protected:
    PencilAngleTest() : ScratchPageTest("pencil") {}
    std::string Angle(const char* args, const char* label) {
        std::ofstream("data/5.txt")
            << "014P\n700DATA2(0,0,0,0,1,0,0,)\n700DATA2(1,0,0,0,1,0,0,)\n"
            << "700PlanePencil(0.5,6,36,10,1,1,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,1,1," << args << ")\n";
        auto v = View("5");
        TextRecorder log;
        v->m_pTextSink = &log;
        Draw(v.get());
        Draw(v.get());
        return log.After(label);
    }
};

TEST_F(PencilAngleTest, PerpendicularPlanesAndAParallelLine) {
    EXPECT_EQ(Angle("1,-1,0,0", u8"二平面夹角="), "90.000");       // normals (1,0,-1), (-1,0,-1)
    EXPECT_EQ(Angle("2,0,1,0,0", u8"直线与平面夹角="), "0.000");   // (1,0,1) lies in z = x
    EXPECT_EQ(Angle("2,0,-1,0,0", u8"直线与平面夹角="), "90.000"); // along the normal
}

} // namespace

namespace {

// Angles of a member z = d·x + e·y with a plane z = a·x + b·y or a line of
// direction (1, a, b), against values from python3's math.acos.
TEST(PencilAngles, DegreesOfWorkedCases) {
    struct Case {
        bool line;
        double d, e, a, b, degrees;
    };
    const Case cases[] = {
        {false, 1, 0, 0, 0, 45.0},  {false, 1, 1, -1, -1, 70.52877936550931},
        {false, 1, 0, -1, 0, 90.0}, {true, 0, 0, 0, 0, 0.0},
        {true, 0, 0, 0, 1, 45.0},   {true, 1, 0, 0, -1, 90.0},
    };
    for (const Case& c : cases) {
        const calculus::PencilAngle r = c.line ? calculus::LinePlaneAngle(c.d, c.e, c.a, c.b)
                                               : calculus::PlaneAngle(c.d, c.e, c.a, c.b);
        EXPECT_NEAR(r.degrees, c.degrees, 1e-5) << c.d << ' ' << c.e << ' ' << c.a << ' ' << c.b;
    }
}

} // namespace

namespace {

// The arrow panels of the space-curve page step the ends of the curve's
// interval [a, b] = [0, 3] by a fraction of its length, once per click, and
// the arrow under the click is the one pressed even where a wide window
// makes the click boxes overlap.
class IntervalArrowTest : public OnSampleCourse<> {
protected:
    void Open(int width, int height) { PageViewTest::Open("309", height, width); }
    // Clicks 4 pixels into arrow i (a down, a up, b down, b up) as drawn,
    // right of the scene's own range boxes.
    void ClickArrow(int i) {
        struct Arrows : CPemroView::ControlSink {
            int right = 0;
            std::vector<CPoint> at;
            void OnControl(const CRect& box, int, CPoint labelAt, const CString& label,
                           const LOGFONT&) override {
                if (box.left >= right && (label == Gbk(u8"←") || label == Gbk(u8"→")) &&
                    std::find(at.begin(), at.end(), labelAt) == at.end())
                    at.push_back(labelAt);
            }
        } arrows;
        arrows.right = view->SceneRangeBoxesRight();
        view->m_pControlSink = &arrows;
        Repaint();
        view->m_pControlSink = nullptr;
        ASSERT_EQ(arrows.at.size(), 4u);
        std::sort(arrows.at.begin(), arrows.at.end(), [](CPoint p, CPoint q) { return p.x < q.x; });
        Click(arrows.at[i].x + 4, arrows.at[i].y + 4);
    }
};

TEST_F(IntervalArrowTest, EachArrowStepsItsEndOncePerClick) {
    struct Case {
        int width, arrow;
        double a, b; // in steps of the fraction of the length 3
    };
    const Case cases[] = {{1280, 0, -1, 3}, {1280, 1, 1, 3}, {1600, 1, 1, 3},
                          {1600, 2, 0, 2},  {1600, 3, 0, 4}, {1010, 3, 0, 4}};
    for (const Case& c : cases) {
        Open(c.width, c.width * 5 / 8);
        ASSERT_EQ(view->m_dIntervalA, 0);
        ASSERT_EQ(view->m_dIntervalB, 3);
        const double step = view->m_dParamStep * 3;
        ClickArrow(c.arrow);
        Repaint();
        Repaint();
        const double b = c.b == 3 ? 3 : 3 + (c.b - 3) * step;
        EXPECT_NEAR(view->m_dIntervalA, c.a * step, 1e-12) << c.width << ' ' << c.arrow;
        EXPECT_NEAR(view->m_dIntervalB, b, 1e-12) << c.width << ' ' << c.arrow;
        EXPECT_EQ(view->m_bLoadScriptSettings, 0);
    }
}

} // namespace

namespace {

// The pencil keeps its two planes across passes and λ steps, and a new
// visit takes them from its script again, even where the script's first
// plane is the member the last visit left behind.
class PencilStateTest : public ScratchPageTest {
protected:
    PencilStateTest() : ScratchPageTest("pencilstate") {}
    static void Write(const char* code, const std::string& p1, const std::string& p2) {
        std::ofstream(std::string("data/") + code + ".txt")
            << "014P\n700DATA2(0,0,0,0," << p1 << ",0,0,)\n700DATA2(1,0,0,0," << p2 << ",0,0,)\n"
            << "700PlanePencil(0.5,6,36,10,1,1,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,1,1,0)\n";
    }
    static std::vector<double> Member(const CPemroView* v) {
        return {v->m_adCoefSurfF[3], v->m_adCoefSurfF[4], v->m_adCoefSurfF[5]};
    }
    static void ClickAt(CPemroView* v, int x, int y) {
        v->m_ptClick = CPoint(x + 3, y + 3);
        ++v->m_nClickSerial;
        Draw(v);
    }
};

TEST_F(PencilStateTest, NoDriftAcrossPassesStepsAndVisits) {
    Write("5", "1,0,0", "0,1,0"); // P1: z = x, P2: z = y
    auto v = Page("5");
    Draw(v.get());
    const double l = v->m_dLambda;
    const std::vector<double> first = {l / (l + 1), 1 / (l + 1), 0};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(Member(v.get())[0], first[0], 1e-12);
        EXPECT_NEAR(Member(v.get())[1], first[1], 1e-12);
        Draw(v.get());
    }
    // λ增 once; later passes keep λ and the member.
    ClickAt(v.get(), v->m_nFigureRight, v->m_nFigureTop);
    for (int i = 0; i < 3; ++i) Draw(v.get());
    const double l2 = l + v->m_dParamStep;
    EXPECT_NEAR(v->m_dLambda, l2, 1e-12);
    EXPECT_NEAR(Member(v.get())[0], l2 / (l2 + 1), 1e-12);
    EXPECT_NEAR(Member(v.get())[1], 1 / (l2 + 1), 1e-12);

    // Another pencil whose first plane is exactly the member left behind.
    const std::vector<double> left = Member(v.get());
    char p1[80];
    std::snprintf(p1, sizeof p1, "%.17g,%.17g", left[0], left[1]);
    Write("6", p1, "0,0");
    v->ResetTopic(-1);
    v->m_strTopicCode = "6";
    Draw(v.get());
    Draw(v.get());
    const double l3 = v->m_dLambda;
    EXPECT_NEAR(Member(v.get())[0], l3 * left[0] / (l3 + 1), 1e-12);
    EXPECT_NEAR(Member(v.get())[1], l3 * left[1] / (l3 + 1), 1e-12);
}

// A plane patch that runs out of the box has an open outline there; its
// fill stays inside the figure.
class PlanePatchFillTest : public ScratchPageTest {
protected:
    PlanePatchFillTest() : ScratchPageTest("planefill") {}
};

TEST_F(PlanePatchFillTest, FillStaysInTheFigure) {
    std::ofstream("data/5.txt")
        << "014P\n700PlanePencil(0.5,6,36,10,1,1,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,1,1,0)\n"
        << "700Plane3(0,0,0,0,0,0,10,0,1,0,250,250,0,1,254,3)\n";
    auto v = View("5");
    v->m_bPlaneCmdsEnabled = TRUE;
    Draw(v.get());
    const QImage& image = v->BackingImage();
    const COLORREF fill = RGB(1, 254, 3);
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (ColourAt(image, x, y) != fill) continue;
            const bool in = v->m_nFigureLeft <= x && x < v->m_nFigureRight &&
                            v->m_nFigureTop <= y && y < v->m_nFigureBottom;
            ++(in ? inside : outside);
        }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
}

} // namespace

namespace {

// In a wide window the click areas of the scene's range arrows reach over
// the arrows to their right: a click on the second arrow ("↙", x min up)
// moves x min up, not down. The box is x from -1.5 to 1.5.
TEST(SceneRangeArrows, WideWindowPicksTheArrowUnderTheClick) {
    InRunDir dir;
    auto view = OpenTopic("311", nullptr, 1600, 1000);
    const int yb = view->m_nFigureTop - view->m_nBaseCharHeight / 2 - 9;
    // The glyphs stand a sixth of the box apart, the box as wide as the font needs.
    const int pitch = view->RangeArrowsSize3D(108, 19).cx / 6;
    ClickPoint(*view, CPoint(view->m_nProjOriginX - 60 + pitch + 4, yb + 4));
    view->Invalidate();
    view->RenderPending();
    EXPECT_NEAR(view->m_dXMin, -1.5 + view->m_dParamStep * 3, 1e-12);
    EXPECT_DOUBLE_EQ(view->m_dXMax, 1.5);
}

} // namespace

namespace {

// The pencil of page 359 drawn strip by strip ("方式1"): every state a
// lecturer reaches repaints in a small share of the pass budget (each strip
// used to draw the whole scene again and hold its labels again: up to a
// second a pass), and a scene button pressed there acts once.
using PencilStripsTest = OnSampleCourse<>;

// Wide: a repaint took 25 ms on the build machine, before 400 to 1,200 ms.
const double kPencilRepaintMs = 150 * kTimeScale;

TEST_F(PencilStripsTest, EveryStateRepaintsWithinItsShare) {
    const std::vector<std::vector<const char*>> kPresses = {
        {u8"方式1"},
        {u8"↗", u8"↗", u8"↗", u8"↗", u8"方式1"},
        {u8"↗", u8"↙", u8"←", u8"→", u8"↓", u8"↑", u8"增加", u8"减少", u8"λ增", u8"λ减", u8"方式1",
         u8"方式2", u8"方式1"},
        {u8"方式1", u8"λ增", u8"λ增"},
        {u8"方式1", u8"打开投影"},
    };
    for (const auto& presses : kPresses) {
        Open("359");
        std::string trace;
        for (const char* label : presses) {
            trace += label, trace += ' ';
            const CPoint p = ControlCentre(view.get(), label);
            ASSERT_NE(p, CPoint(-1, -1)) << trace;
            Click(p.x, p.y);
        }
        SCOPED_TRACE(trace);
        view->m_nPrevClipBottom = 0;
        const double start = ThreadCpuMs();
        Repaint();
        EXPECT_LT(ThreadCpuMs() - start, kPencilRepaintMs);
    }
}

// Mesh divisions step by half again (n·3/2, truncated) per press.
TEST_F(PencilStripsTest, AMeshButtonStepsOncePerPressInEitherWay) {
    const struct {
        const char* mode;
        int presses, expected;
    } kCases[] = {
        {u8"方式2", 1, 75},  // 50 · 3/2
        {u8"方式1", 1, 75},  // the same with the strips drawn
        {u8"方式1", 2, 112}, // 75 · 3/2 = 112.5
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.mode) + " x" + std::to_string(c.presses));
        Open("359");
        ASSERT_EQ(view->m_nMeshDivX, 50);
        PressControl(*view, c.mode);
        for (int i = 0; i < c.presses; ++i) PressControl(*view, u8"增加");
        EXPECT_EQ(view->m_nMeshDivX, c.expected);
    }
}

// The strips' projection toggle acts once a press, and holds over
// repaints; 方式2 has no strips and no projection.
TEST_F(PencilStripsTest, TheProjectionToggleActsOncePerPress) {
    const struct {
        std::vector<const char*> presses;
        int expected; // m_nProjectionDisplay, counted by hand
    } kCases[] = {
        {{u8"方式1", u8"打开投影"}, 1},
        {{u8"方式1", u8"打开投影", u8"关闭投影"}, 0},
        {{u8"方式1", u8"打开投影", u8"λ增"}, 1},
        {{u8"方式1", u8"打开投影", u8"方式2"}, 0},
    };
    for (const auto& c : kCases) {
        Open("359");
        std::string trace;
        for (const char* label : c.presses) {
            trace += label, trace += ' ';
            PressControl(*view, label);
        }
        SCOPED_TRACE(trace);
        Repaint();
        EXPECT_EQ(view->m_nProjectionDisplay, c.expected);
    }
}

} // namespace
