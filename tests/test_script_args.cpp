// Script command lines: the number and string fields, the record header, the
// argument readers of the view and which keyword tests a line fires.
#include "script/command_table.h"
#include "script/script_args.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace test_support;

// Reads one number field of `line` from column `pos`; *end gets the cursor.
double Field(const std::string& line, int pos = 0, int* end = nullptr) {
    int p = pos;
    const double v = ReadNumberField(line.c_str(), CommandLineLength(line.c_str(), 255), &p);
    if (end) *end = p;
    return v;
}

// Puts a command line into the view's buffer, as the record reader does.
void SetLine(CPemroView* v, const std::string& line) {
    std::memset(v->m_szCommandLine, 0, sizeof v->m_szCommandLine);
    std::strncpy(v->m_szCommandLine, line.c_str(), sizeof v->m_szCommandLine - 1);
    v->m_nParsePos = 0;
}

} // namespace

TEST(ScriptNumberField, ReadsTheDocumentedExamples) {
    EXPECT_DOUBLE_EQ(Field("2.5)"), 2.5);
    EXPECT_DOUBLE_EQ(Field("-3/4,"), -0.75);
    EXPECT_DOUBLE_EQ(Field("1.5/2,"), 0.75);
    EXPECT_DOUBLE_EQ(Field("x=12;"), 12.0);
    EXPECT_DOUBLE_EQ(Field("3-,"), -3.0);
    EXPECT_DOUBLE_EQ(Field("/5,"), 5.0);
    EXPECT_DOUBLE_EQ(Field("0.5.5,"), 0.55);
}

TEST(ScriptNumberField, SignIsSetNotToggled) {
    EXPECT_DOUBLE_EQ(Field("--3,"), -3.0);
    EXPECT_DOUBLE_EQ(Field("-(-2),"), -2.0);
}

TEST(ScriptNumberField, DivisionByZeroIsInfiniteNotACrash) {
    const double v = Field("1/0,");
    EXPECT_TRUE(std::isinf(v));
    EXPECT_GT(v, 0.0);
    EXPECT_EQ(ScriptInt(v), INT_MAX);
    EXPECT_TRUE(std::isnan(Field("0/0,")));
    EXPECT_EQ(ScriptInt(Field("0/0,")), 0);
}

TEST(ScriptNumberField, NoDigitsReadsZero) {
    int end = 0;
    EXPECT_EQ(Field(",5)", 0, &end), 0.0);
    EXPECT_EQ(end, 1); // the terminator is consumed
    EXPECT_EQ(Field("abc)"), 0.0);
    EXPECT_EQ(Field("-)"), 0.0);
}

TEST(ScriptNumberField, CursorStandsPastTheTerminator) {
    int end = 0;
    const std::string line = "Font(12,3)";
    EXPECT_DOUBLE_EQ(Field(line, 5, &end), 12.0);
    EXPECT_EQ(end, 8);
    EXPECT_DOUBLE_EQ(Field(line, end, &end), 3.0);
    EXPECT_EQ(end, 10);
    EXPECT_EQ(line[end - 1], ')');
}

TEST(ScriptNumberField, UnterminatedFieldEndsAtTheLineEnd) {
    int end = 0;
    EXPECT_DOUBLE_EQ(Field("Font(7\n", 5, &end), 7.0);
    EXPECT_EQ(end, 6);
    // Nothing past the line end is read, whatever the buffer holds there.
    char buffer[255];
    std::memset(buffer, '9', sizeof buffer);
    std::memcpy(buffer, "A(1", 3);
    buffer[3] = '\0';
    int p = 2;
    EXPECT_DOUBLE_EQ(ReadNumberField(buffer, CommandLineLength(buffer, 255), &p), 1.0);
    EXPECT_EQ(p, 3);
}

TEST(ScriptNumberField, BeyondColumn253ReadsZero) {
    std::string line(260, ' ');
    line[252] = '7';
    line[258] = ',';
    // The line reader never yields more than 249 bytes; a caller may still
    // start a field late.
    int p = 250;
    EXPECT_EQ(ReadNumberField(line.c_str(), int(line.size()), &p), 0.0);
    p = 254;
    EXPECT_EQ(ReadNumberField(line.c_str(), int(line.size()), &p), 0.0);
    EXPECT_EQ(p, 254);
}

TEST(ScriptNumberField, KeepsAtMostTwentyDigits) {
    // 25 ones: only 20 are kept, the rest are skipped.
    const double v = Field(std::string(25, '1') + ",");
    EXPECT_DOUBLE_EQ(v, 11111111111111111111.0);
}

TEST(ScriptStringField, StopsAtTheTerminatorAndTheLineEnd) {
    std::string out;
    int p = 8;
    const char* line = "LoadBmp(pic.jpg,1)";
    ReadStringField(line, int(std::strlen(line)), &p, &out);
    EXPECT_EQ(out, "pic.jpg");
    EXPECT_EQ(p, 16);
    p = 5;
    const char* open = "Html(page.htm\n";
    ReadStringField(open, CommandLineLength(open, 255), &p, &out);
    EXPECT_EQ(out, "page.htm");
}

TEST(ScriptArgList, ClosedByBracketOrLineEnd) {
    const char* line = "X(1,2)";
    const int n = int(std::strlen(line));
    EXPECT_TRUE(ArgListOpen(line, n, 4));  // after "1,"
    EXPECT_FALSE(ArgListOpen(line, n, 6)); // after ")"
    EXPECT_FALSE(ArgListOpen("X(1,2", 5, 5));
}

TEST(ScriptInt, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(ScriptInt(2.9), 2);
    EXPECT_EQ(ScriptInt(-2.9), -2);
    EXPECT_EQ(ScriptInt(1e300), INT_MAX);
    EXPECT_EQ(ScriptInt(-1e300), INT_MIN);
    EXPECT_EQ(ScriptInt(std::nan("")), 0);
}

TEST(RecordHeader, DigitsLettersAndDefaults) {
    auto v = MakeView();
    auto parse = [&](const char* h) {
        std::memset(v->m_szRecordHeader, 0, sizeof v->m_szRecordHeader);
        std::strncpy(v->m_szRecordHeader, h, 3);
        v->ParseRecordHeader();
        return std::vector<int>{v->m_nRecClass, v->m_nRecSubtype, v->m_nRecParam};
    };
    EXPECT_EQ(parse("7a0"), (std::vector<int>{7, 0, 0}));
    EXPECT_EQ(parse("70a"), (std::vector<int>{7, 0, -1}));
    EXPECT_EQ(parse("01a"), (std::vector<int>{0, 1, -1}));
    EXPECT_EQ(parse("X  "), (std::vector<int>{1, 0, 7}));
    EXPECT_EQ(parse("abc"), (std::vector<int>{1, 0, -3}));
    EXPECT_EQ(parse("09i"), (std::vector<int>{0, 9, -9}));
    EXPECT_EQ(parse("7\n"), (std::vector<int>{7, 0, 7})); // a short header line
    EXPECT_EQ(parse(""), (std::vector<int>{1, 0, 7}));
    // Bytes of a Chinese character keep the defaults.
    EXPECT_EQ(parse("\xCA\xFD\xBE"), (std::vector<int>{1, 0, 7}));
}

TEST(ScriptReaders, FontFieldStartsAtByteFive) {
    auto v = MakeView();
    SetLine(v.get(), "Font(2)\n");
    EXPECT_DOUBLE_EQ(v->ReadScriptNumber(5), 2.0);
    EXPECT_EQ(v->m_nParsePos, 7);
    EXPECT_FALSE(v->IsArgListOpen());
}

TEST(ScriptReaders, FrameGoesTopFirstIntoSlotThree) {
    auto v = MakeView();
    SetLine(v.get(), "X(1,2,30,12,9)");
    v->ReadFrameRect(2);
    EXPECT_DOUBLE_EQ(v->m_adFrameArgs[3], 1.0);
    EXPECT_DOUBLE_EQ(v->m_adFrameArgs[0], 2.0);
    EXPECT_DOUBLE_EQ(v->m_adFrameArgs[1], 30.0);
    EXPECT_DOUBLE_EQ(v->m_adFrameArgs[2], 12.0);
    EXPECT_TRUE(v->IsArgListOpen());
}

TEST(ScriptReaders, ColoursOrDefaultsWhenTheListIsClosed) {
    auto v = MakeView();
    v->m_crDefaultPen = RGB(1, 2, 3);
    v->m_crDefaultFill = RGB(4, 5, 6);
    SetLine(v.get(), "X(9,300,-1,2.7,10,20,30)");
    v->m_nParsePos = 4; // after "9,"
    v->ReadScriptColors(TRUE, TRUE);
    EXPECT_EQ(v->m_crPen, RGB(300 & 255, 255, 2)); // masked to 8 bits, truncated
    EXPECT_EQ(v->m_crFill, RGB(10, 20, 30));
    SetLine(v.get(), "X(9)");
    v->ReadScriptNumber(2);
    v->ReadScriptColors(TRUE, TRUE);
    EXPECT_EQ(v->m_crPen, RGB(1, 2, 3));
    EXPECT_EQ(v->m_crFill, RGB(4, 5, 6));
}

TEST(ScriptReaders, NumberListStopsAtBracketOrLineEndAndAtOneHundred) {
    auto v = MakeView();
    v->m_nClipTop = 0;
    v->m_nClipBottom = 500;
    v->m_nFigureTop = 100;
    SetLine(v.get(), "DATAs(0,1,2,3)");
    v->ReadScriptNumber(6);
    EXPECT_EQ(v->ReadScriptNumberList(0), 3);
    EXPECT_DOUBLE_EQ(v->m_adDataX[2], 3.0);
    // A list that starts right after ')' stores nothing.
    EXPECT_EQ(v->ReadScriptNumberList(0), 0);

    SetLine(v.get(), "DATAs(1,4,5,6\n");
    v->ReadScriptNumber(6);
    EXPECT_EQ(v->ReadScriptNumberList(1), 3); // no ')': ends at the line end
    EXPECT_DOUBLE_EQ(v->m_adDataY[2], 6.0);

    std::string many = "DATAs(0";
    for (int i = 0; i < 120; ++i) many += ",1";
    SetLine(v.get(), many); // the buffer keeps 254 bytes of it
    v->ReadScriptNumber(6);
    EXPECT_EQ(v->ReadScriptNumberList(2), 100);
    EXPECT_EQ(v->ReadScriptNumberList(5), 0); // no such array

    // Outside the clip box nothing is read.
    v->m_nFigureTop = 0;
    SetLine(v.get(), "DATAs(0,1,2,3)");
    v->ReadScriptNumber(6);
    EXPECT_EQ(v->ReadScriptNumberList(0), 0);
}

TEST(ScriptReaders, StringFieldOfLoadBmp) {
    auto v = MakeView();
    SetLine(v.get(), "LoadBmp(1,0,20,8,fig.jpg,1)");
    v->ReadFrameRect(8);
    v->ReadScriptString(v->m_nParsePos);
    EXPECT_EQ(v->m_strScriptArg, "fig.jpg");
    EXPECT_TRUE(v->IsArgListOpen());
    EXPECT_DOUBLE_EQ(v->ReadScriptNumber(v->m_nParsePos), 1.0);
}

// --- The keyword tests of the command chain ---------------------------------

namespace {

std::vector<int> Fired(const CPemroView& v, const char* line) {
    return FiringCommandTests(v.m_apszKeyword, CPemroView::kKeywordCount, line);
}

} // namespace

TEST(CommandChain, DoubleFiringsOfThePrefixRule) {
    auto v = MakeView();
    EXPECT_EQ(Fired(*v, "RegionEstimate(1)"), (std::vector<int>{11, 109}));
    EXPECT_EQ(Fired(*v, "Curvespecialfunc(1)"), (std::vector<int>{28, 114}));
    EXPECT_EQ(Fired(*v, "curveDert(1)"), (std::vector<int>{29, 30}));
    EXPECT_EQ(Fired(*v, "Sequence2(1)"), (std::vector<int>{35, 36}));
    EXPECT_EQ(Fired(*v, "Polygon3(1)"), (std::vector<int>{99, 100}));
    EXPECT_EQ(Fired(*v, "GaussCalculus(1)"), (std::vector<int>{119}));
}

TEST(CommandChain, UnlistedAndShortenedKeywords) {
    auto v = MakeView();
    EXPECT_TRUE(Fired(*v, "MouseLine(1)").empty());
    EXPECT_TRUE(Fired(*v, "Domain(1)").empty());
    EXPECT_TRUE(Fired(*v, "DomainXY(1)").empty());
    EXPECT_EQ(Fired(*v, "Domainxy(1)"), (std::vector<int>{61}));
    EXPECT_EQ(Fired(*v, "Soli"), (std::vector<int>{66}));
    EXPECT_EQ(Fired(*v, "DirectDerXYZ"), (std::vector<int>{88}));
    EXPECT_EQ(Fired(*v, "B^2_A"), (std::vector<int>{95}));
    EXPECT_EQ(Fired(*v, "ToolbarDat"), (std::vector<int>{128}));
    EXPECT_TRUE(Fired(*v, "font(2)").empty()); // case matters
    EXPECT_EQ(Fired(*v, "Font(2)"), (std::vector<int>{1}));
    EXPECT_TRUE(Fired(*v, "").empty());
    EXPECT_TRUE(Fired(*v, "Fon").empty());
}

TEST(CommandChain, EveryKeywordFiresItsOwnTestFirstOrSecond) {
    auto v = MakeView();
    // The keywords of the 130 tests in chain order.
    const char* const kOrder[kCommandTests] = {"Font",
                                               "CloseAnswer",
                                               "LoadBmp",
                                               "Html",
                                               "Answer",
                                               "Disconnection",
                                               "DATAs",
                                               "DATA1",
                                               "DATA2",
                                               "ProjDomain",
                                               "Region",
                                               "Text2",
                                               "TextDert",
                                               "Text3",
                                               "Textz",
                                               "Line2",
                                               "LINE2",
                                               "Line3",
                                               "LINE3",
                                               "Line_Point",
                                               "Parabola",
                                               "Floodfill2",
                                               "Floodfill3",
                                               "Arc2",
                                               "Arc3",
                                               "Ellipse2",
                                               "Ellipse3",
                                               "Curve",
                                               "curve",
                                               "curveDert",
                                               "DAlembert",
                                               "Period",
                                               "Inverse",
                                               "inverse",
                                               "Sequence",
                                               "Sequence2",
                                               "Limit",
                                               "Derivative1",
                                               "Derivative2",
                                               "TangentLine2",
                                               "tangentline2",
                                               "TangentLine3",
                                               "TangentPlane",
                                               "Root",
                                               "LeastSquareMethod",
                                               "MeanDifferential",
                                               "MeanCalculus1",
                                               "MeanCalculus2",
                                               "Contour",
                                               "Series1",
                                               "Series2",
                                               "Calculus1",
                                               "calculus1",
                                               "Romberg",
                                               "Calculus2",
                                               "calculus2",
                                               "Revolve",
                                               "Fourier",
                                               "DiffEquation1",
                                               "DiffEquations",
                                               "Domainxy",
                                               "Domainr",
                                               "Surf",
                                               "SphSurf",
                                               "CylSurf",
                                               "Solid",
                                               "Dots",
                                               "Vector2",
                                               "Vector3",
                                               "BoundaryVector",
                                               "DotVector",
                                               "SpaceCurve",
                                               "Cylinder",
                                               "CylCoord",
                                               "SpherCoord",
                                               "AreaElement",
                                               "Electric",
                                               "Ploygon",
                                               "FreeVector2",
                                               "FreeVector3",
                                               "Field",
                                               "Vibration",
                                               "Plane3",
                                               "PLANE",
                                               "PlanePencil",
                                               "Cube",
                                               "TangentVector",
                                               "DirectDerive",
                                               "InnerPoint",
                                               "CoordinateSystem",
                                               "WaterFlow",
                                               "IntegralApp",
                                               "CircularCone",
                                               "DirectLimit",
                                               "B^2_AC",
                                               "BoxLine",
                                               "Rectangular",
                                               "dots",
                                               "Polygon",
                                               "Polygon3",
                                               "Print",
                                               "Chord",
                                               "NormalCurve",
                                               "Differentiation",
                                               "Curvature",
                                               "PRNCalculus",
                                               "DisDistribution",
                                               "ConDistribution",
                                               "RegionEstimate",
                                               "AssumeVerify",
                                               "Regression1",
                                               "Regressionm",
                                               "Approximation",
                                               "Curvespecialfunc",
                                               "LineInterpolate",
                                               "Largange",
                                               "Newton",
                                               "Splines",
                                               "Gauss",
                                               "JacobiSeidel",
                                               "PowerMethod",
                                               "LU",
                                               "QR",
                                               "JacobiMethod",
                                               "Matrixtransform",
                                               "Det",
                                               "Gradient",
                                               "ToolbarData",
                                               "SphereCurveMove",
                                               "SphereSurfMove"};
    for (int i = 0; i < kCommandTests; ++i) {
        const std::vector<int> fired = Fired(*v, kOrder[i]);
        ASSERT_FALSE(fired.empty()) << kOrder[i];
        EXPECT_EQ(fired.back(), i + 1) << kOrder[i];
        EXPECT_LE(fired.size(), 2u) << kOrder[i];
    }
}

// --- Figure set-ups ---------------------------------------------------------------

namespace {

// A view laid out as a 1200-pixel-wide box, its figure placed below line 10.
std::unique_ptr<CPemroView> SetupView() {
    auto v = MakeView();
    v->m_nClipLeft = 0;
    v->m_nClipTop = 0;
    v->m_nClipRight = 1200;
    v->m_nClipBottom = 2000;
    v->m_nBaseCharHeight = 40;
    v->m_nBaseCharWidth = 19;
    v->m_nFontStep = 0;
    v->m_nNextLineY = 10;
    v->m_nTextRevealMode = -1;
    v->m_bLoadScriptSettings = 1;
    v->m_bSelectionPending = 0;
    return v;
}

} // namespace

TEST(FigureSetup, PlaneSetupOfTheDocumentedExample) {
    auto v = SetupView();
    v->m_nPlotOption1 = 77;
    SetLine(v.get(), "Curve(1,2,30,12,3,20,0,-3.14,3.14,-2,2,0,1)");
    v->ReadPlotSetup(6);
    ASSERT_TRUE(v->m_bFigureVisible);
    EXPECT_DOUBLE_EQ(v->m_adFrameArgs[3], 1.0);
    EXPECT_DOUBLE_EQ(v->m_adFrameArgs[0], 2.0);
    EXPECT_DOUBLE_EQ(v->m_adFrameArgs[1], 30.0);
    EXPECT_DOUBLE_EQ(v->m_adFrameArgs[2], 12.0);
    EXPECT_EQ(v->m_nFuncUpper, 3);
    EXPECT_EQ(v->m_nFuncRight, 3);
    EXPECT_EQ(v->m_nFuncLower, 20);
    EXPECT_EQ(v->m_nFuncLeft, 20);
    EXPECT_EQ(v->m_nScriptPlotMode, 0);
    EXPECT_DOUBLE_EQ(v->m_dXMin, -3.14);
    EXPECT_DOUBLE_EQ(v->m_dXMax, 3.14);
    EXPECT_DOUBLE_EQ(v->m_dYMin, -2.0);
    EXPECT_DOUBLE_EQ(v->m_dYMax, 2.0);
    EXPECT_DOUBLE_EQ(v->m_dIntervalA, 0.0);
    EXPECT_DOUBLE_EQ(v->m_dIntervalB, 1.0);
    EXPECT_DOUBLE_EQ(v->m_dZMax, 1.0);
    EXPECT_DOUBLE_EQ(v->m_dMu, 0.0);
    EXPECT_DOUBLE_EQ(v->m_dSigma, 1.0);
    EXPECT_EQ(v->m_nPlotOption1, 77); // the list closed before the options
    EXPECT_EQ(v->m_nFigureLeft, 2 * 19);
    EXPECT_EQ(v->m_nFigureRight, 32 * 19);
}

TEST(FigureSetup, OptionsAndTheYRegionMode) {
    auto v = SetupView();
    SetLine(v.get(), "Curve(1,2,30,12,3,20,4,-1,1,-2,2,0,1,5,6)");
    v->ReadPlotSetup(6);
    ASSERT_TRUE(v->m_bFigureVisible);
    EXPECT_EQ(v->m_nRegionType, 2);
    EXPECT_EQ(v->m_nPlotOption1, 5);
    EXPECT_EQ(v->m_nPlotOption2, 6);
    EXPECT_EQ(v->m_nCountN, 5);
    EXPECT_EQ(v->m_nCountM, 6);
}

TEST(FigureSetup, HiddenFigureReadsNothingMore) {
    auto v = SetupView();
    v->m_nClipBottom = 100; // the box reaches below the painted area
    v->m_nFuncUpper = -5;
    SetLine(v.get(), "Curve(1,2,30,12,3,20,0,-3.14,3.14,-2,2,0,1)");
    v->ReadPlotSetup(6);
    EXPECT_FALSE(v->m_bFigureVisible);
    EXPECT_EQ(v->m_nFuncUpper, -5);
}

TEST(FigureSetup, SpaceSetupTakesTheZRangeAsInterval) {
    auto v = SetupView();
    SetLine(v.get(), "Solid(1,2,30,12,3,20,1,-1,1,-2,2,-3,3,4,5)");
    v->ReadPlotSetup3D(6);
    ASSERT_TRUE(v->m_bFigureVisible);
    EXPECT_EQ(v->m_nRegionType, 1);
    EXPECT_DOUBLE_EQ(v->m_dZMin, -3.0);
    EXPECT_DOUBLE_EQ(v->m_dZMax, 3.0);
    EXPECT_DOUBLE_EQ(v->m_dIntervalA, -3.0);
    EXPECT_DOUBLE_EQ(v->m_dIntervalB, 3.0);
    EXPECT_EQ(v->m_nSurfaceUpper, 4);
    EXPECT_EQ(v->m_nSurfaceLower, 5);
}
