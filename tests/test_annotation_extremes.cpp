// Every figure annotation command with extreme arguments (zeros, negatives,
// 1e20, infinities, tiny numbers, missing fields) in ordinary, huge, empty
// and infinite world ranges, clicked and not: each run ends, quickly, and
// writes nothing outside the view's arrays.
#include "test_annotation_fixture.h"

#include <limits>
#include <string>
#include <vector>

using namespace annotation_test;

namespace {

struct Command {
    const char* keyword;
    Section section;
};

const Command kCommands[] = {
    {"Text2", &CPemroView::CmdText2},
    {"TextDert", &CPemroView::CmdTextDert},
    {"Text3", &CPemroView::CmdText3},
    {"Textz", &CPemroView::CmdTextz},
    {"Line2", &CPemroView::CmdLine2},
    {"LINE2", &CPemroView::CmdLINE2},
    {"Line3", &CPemroView::CmdLine3},
    {"LINE3", &CPemroView::CmdLINE3},
    {"Line_Point", &CPemroView::CmdLine_Point},
    {"Parabola", &CPemroView::CmdParabola},
    {"Floodfill2", &CPemroView::CmdFloodfill2},
    {"Floodfill3", &CPemroView::CmdFloodfill3},
    {"Arc2", &CPemroView::CmdArc2},
    {"Arc3", &CPemroView::CmdArc3},
    {"Ellipse2", &CPemroView::CmdEllipse2},
    {"Ellipse3", &CPemroView::CmdEllipse3},
    {"Dots", &CPemroView::CmdDots},
    {"Vector2", &CPemroView::CmdVector2},
    {"Vector3", &CPemroView::CmdVector3},
    {"BoundaryVector", &CPemroView::CmdBoundaryVector},
    {"DotVector", &CPemroView::CmdDotVector},
    {"FreeVector2", &CPemroView::CmdFreeVector2},
    {"FreeVector3", &CPemroView::CmdFreeVector3},
    {"PLANE", &CPemroView::CmdPLANE},
    {"Cube", &CPemroView::CmdCube},
    {"TangentVector", &CPemroView::CmdTangentVector},
    {"InnerPoint", &CPemroView::CmdInnerPoint},
    {"B^2_AC", &CPemroView::CmdB2_AC},
    {"BoxLine", &CPemroView::CmdBoxLine},
    {"Rectangular", &CPemroView::CmdRectangular},
    {"dots", &CPemroView::Cmddots},
    {"Polygon", &CPemroView::CmdPolygon},
    {"Polygon3", &CPemroView::CmdPolygon3},
    {"Print", &CPemroView::CmdPrint},
    {"Chord", &CPemroView::CmdChord},
    {"Differentiation", &CPemroView::CmdDifferentiation},
    {"Curvature", &CPemroView::CmdCurvature},
};

// Argument lists after the keyword: each field repeated, or broken lists.
std::vector<std::string> ArgumentLists() {
    const char* fields[] = {"0",   "-7",   "99999999999999999999",   "-99999999999999999999",
                            "1/0", "-1/0", "0.00000000000000000001", "1"};
    std::vector<std::string> lists;
    for (const char* f : fields) {
        std::string s = "(";
        for (int i = 0; i < 24; ++i) s += std::string(i ? "," : "") + f;
        lists.push_back(s + ")");
    }
    lists.push_back("(3,-2,1/0,0,1,-1/0,2,0.5,99999999999999999999,1,1,1,0,0,0,2)");
    lists.push_back("(1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1");
    lists.push_back("()");
    lists.push_back("(");
    lists.push_back("");
    lists.push_back("(,,,,,,,,,,,,)");
    return lists;
}

class ExtremeTest : public AnnotationTest {
protected:
    // Runs every list on the command; the slowest run in milliseconds.
    double RunAll(const Command& c) {
        double slowest = 0;
        for (const std::string& args : ArgumentLists()) {
            const double t0 = test_support::ThreadCpuMs();
            Run(c.section, std::string(c.keyword) + args);
            slowest = std::max(slowest, test_support::ThreadCpuMs() - t0);
            EXPECT_GE(view->m_dStepH, 0) << c.keyword << args;
        }
        return slowest;
    }
    void RunEveryCommand(const char* state) {
        for (const Command& c : kCommands) {
            const double ms = RunAll(c);
            EXPECT_LT(ms, 1000 * kTimeScale) << c.keyword << " in " << state;
        }
    }
    void Range(double min, double max) {
        CPemroView& v = *view;
        v.m_dXMin = v.m_dYMin = v.m_dZMin = min;
        v.m_dXMax = v.m_dYMax = v.m_dZMax = max;
        v.m_dXSpan = v.m_dYSpan = v.m_dZSpan = max - min;
    }
};

} // namespace

TEST_F(ExtremeTest, OrdinaryFigure) {
    RunEveryCommand("an ordinary figure");
}

TEST_F(ExtremeTest, ClickedFigure) {
    Press(200, 150);
    view->m_bCutZc = 1;
    view->m_nDemoOption = 1;
    RunEveryCommand("a clicked figure");
}

TEST_F(ExtremeTest, HugeRange) {
    Range(-1e300, 1e300);
    RunEveryCommand("a huge range");
}

TEST_F(ExtremeTest, EmptyRange) {
    Range(1, 1);
    RunEveryCommand("an empty range");
}

TEST_F(ExtremeTest, InfiniteRange) {
    Range(-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity());
    RunEveryCommand("an infinite range");
}

TEST_F(ExtremeTest, CrossedRangeAndWildState) {
    Range(2, -2);
    view->m_dStepH = 1e300;
    view->m_dCursorX = 1e300;
    view->m_dCursorY = -1e300;
    view->m_dDirM = 1e-300, view->m_dDirN = 0, view->m_dDirP = 0;
    view->m_bLoadScriptSettings = 0;
    RunEveryCommand("a crossed range");
}

TEST_F(ExtremeTest, TinyDirectionTraceIsBounded) {
    view->m_bLoadScriptSettings = 0; // the user's direction numbers stay
    view->m_dDirM = 1e-12, view->m_dDirN = 0, view->m_dDirP = 0;
    const double t0 = test_support::ThreadCpuMs();
    Run(&CPemroView::CmdLINE3, "LINE3(1,1,0.5,0,0,0,0)");
    Run(&CPemroView::CmdLine_Point, "Line_Point(1,1,0.5,0,0,0,2,1,0.5)");
    EXPECT_LT(test_support::ThreadCpuMs() - t0, 1000 * kTimeScale);
}

TEST_F(ExtremeTest, BoundaryArrowsAroundATinyRegionAreBounded) {
    view->m_dIntervalA = 1.49, view->m_dIntervalB = 1.51; // every ray walks almost all the way
    const double t0 = test_support::ThreadCpuMs();
    Run(&CPemroView::CmdBoundaryVector,
        "BoundaryVector(0,99999999,0,1,1,0,1.5,1,0,99999999,255,0,0)");
    EXPECT_LT(test_support::ThreadCpuMs() - t0, 1000 * kTimeScale);
    EXPECT_GT(Count(kRed), 0);
}

TEST_F(ExtremeTest, StepButtonsNeverReachZeroOrInfinity) {
    for (int i = 0; i < 5000; ++i) view->ScaleStepH(0.8);
    EXPECT_GT(view->m_dStepH, 0);
    for (int i = 0; i < 5000; ++i) view->ScaleStepH(1.25);
    EXPECT_LE(view->m_dStepH, 10);
    view->m_dStepH = 0; // a dialog's zero starts again from the default
    view->ScaleStepH(1.25);
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.125);
}
