// The command chain: every command record runs the keyword tests in a fixed
// order; each test that fires runs its section, and a firing test does not
// stop the chain, so a line can fire two sections ("RegionEstimate" fires
// "Region" too). Between tests 5 and 6 stands the gate.
#include "view/view.h"

#include "script/command_table.h"

#include <cstring>

namespace {

struct CommandTest {
    int slot;  // keyword slot in m_apszKeyword
    int bytes; // leading bytes compared
    void (CPemroView::*section)(CDC*);
};

// clang-format off
const CommandTest kChain[kCommandTests] = {
    {20, 4, &CPemroView::CmdFont}, // 1 "Font"
    {30, 11, &CPemroView::CmdCloseAnswer}, // 2 "CloseAnswer"
    {40, 7, &CPemroView::CmdLoadBmp}, // 3 "LoadBmp"
    {128, 4, &CPemroView::CmdHtml}, // 4 "Html"
    {92, 6, &CPemroView::CmdAnswer}, // 5 "Answer"
    {17, 13, &CPemroView::CmdDisconnection}, // 6 "Disconnection"
    {62, 5, &CPemroView::CmdDATAs}, // 7 "DATAs"
    {15, 5, &CPemroView::CmdDATA1}, // 8 "DATA1"
    {16, 5, &CPemroView::CmdDATA2}, // 9 "DATA2"
    {45, 10, &CPemroView::CmdProjDomain}, // 10 "ProjDomain"
    {3, 6, &CPemroView::CmdRegion}, // 11 "Region"
    {11, 5, &CPemroView::CmdText2}, // 12 "Text2"
    {106, 8, &CPemroView::CmdTextDert}, // 13 "TextDert"
    {12, 5, &CPemroView::CmdText3}, // 14 "Text3"
    {29, 5, &CPemroView::CmdTextz}, // 15 "Textz"
    {4, 5, &CPemroView::CmdLine2}, // 16 "Line2"
    {6, 5, &CPemroView::CmdLINE2}, // 17 "LINE2"
    {5, 5, &CPemroView::CmdLine3}, // 18 "Line3"
    {7, 5, &CPemroView::CmdLINE3}, // 19 "LINE3"
    {108, 10, &CPemroView::CmdLine_Point}, // 20 "Line_Point"
    {82, 8, &CPemroView::CmdParabola}, // 21 "Parabola"
    {79, 10, &CPemroView::CmdFloodfill2}, // 22 "Floodfill2"
    {80, 10, &CPemroView::CmdFloodfill3}, // 23 "Floodfill3"
    {55, 4, &CPemroView::CmdArc2}, // 24 "Arc2"
    {56, 4, &CPemroView::CmdArc3}, // 25 "Arc3"
    {13, 8, &CPemroView::CmdEllipse2}, // 26 "Ellipse2"
    {14, 8, &CPemroView::CmdEllipse3}, // 27 "Ellipse3"
    {0, 5, &CPemroView::CmdCurve}, // 28 "Curve"
    {1, 5, &CPemroView::Cmdcurve}, // 29 "curve"
    {107, 9, &CPemroView::CmdcurveDert}, // 30 "curveDert"
    {131, 9, &CPemroView::CmdDAlembert}, // 31 "DAlembert"
    {18, 6, &CPemroView::CmdPeriod}, // 32 "Period"
    {21, 7, &CPemroView::CmdInverse}, // 33 "Inverse"
    {50, 7, &CPemroView::Cmdinverse}, // 34 "inverse"
    {22, 8, &CPemroView::CmdSequence}, // 35 "Sequence"
    {23, 9, &CPemroView::CmdSequence2}, // 36 "Sequence2"
    {24, 5, &CPemroView::CmdLimit}, // 37 "Limit"
    {25, 11, &CPemroView::CmdDerivative1}, // 38 "Derivative1"
    {27, 11, &CPemroView::CmdDerivative2}, // 39 "Derivative2"
    {42, 12, &CPemroView::CmdTangentLine2}, // 40 "TangentLine2"
    {63, 12, &CPemroView::Cmdtangentline2}, // 41 "tangentline2"
    {43, 12, &CPemroView::CmdTangentLine3}, // 42 "TangentLine3"
    {44, 12, &CPemroView::CmdTangentPlane}, // 43 "TangentPlane"
    {58, 4, &CPemroView::CmdRoot}, // 44 "Root"
    {59, 17, &CPemroView::CmdLeastSquareMethod}, // 45 "LeastSquareMethod"
    {28, 16, &CPemroView::CmdMeanDifferential}, // 46 "MeanDifferential"
    {31, 13, &CPemroView::CmdMeanCalculus1}, // 47 "MeanCalculus1"
    {34, 13, &CPemroView::CmdMeanCalculus2}, // 48 "MeanCalculus2"
    {46, 7, &CPemroView::CmdContour}, // 49 "Contour"
    {47, 7, &CPemroView::CmdSeries1}, // 50 "Series1"
    {48, 7, &CPemroView::CmdSeries2}, // 51 "Series2"
    {49, 9, &CPemroView::CmdCalculus1}, // 52 "Calculus1"
    {125, 9, &CPemroView::Cmdcalculus1}, // 53 "calculus1"
    {60, 7, &CPemroView::CmdRomberg}, // 54 "Romberg"
    {51, 9, &CPemroView::CmdCalculus2}, // 55 "Calculus2"
    {126, 9, &CPemroView::Cmdcalculus2}, // 56 "calculus2"
    {35, 7, &CPemroView::CmdRevolve}, // 57 "Revolve"
    {52, 7, &CPemroView::CmdFourier}, // 58 "Fourier"
    {53, 13, &CPemroView::CmdDiffEquation1}, // 59 "DiffEquation1"
    {54, 13, &CPemroView::CmdDiffEquations}, // 60 "DiffEquations"
    {36, 8, &CPemroView::CmdDomainxy}, // 61 "Domainxy"
    {41, 7, &CPemroView::CmdDomainr}, // 62 "Domainr"
    {64, 4, &CPemroView::CmdSurf}, // 63 "Surf"
    {75, 7, &CPemroView::CmdSphSurf}, // 64 "SphSurf"
    {76, 7, &CPemroView::CmdCylSurf}, // 65 "CylSurf"
    {65, 4, &CPemroView::CmdSolid}, // 66 "Solid"
    {66, 4, &CPemroView::CmdDots}, // 67 "Dots"
    {68, 7, &CPemroView::CmdVector2}, // 68 "Vector2"
    {69, 7, &CPemroView::CmdVector3}, // 69 "Vector3"
    {123, 14, &CPemroView::CmdBoundaryVector}, // 70 "BoundaryVector"
    {99, 9, &CPemroView::CmdDotVector}, // 71 "DotVector"
    {71, 10, &CPemroView::CmdSpaceCurve}, // 72 "SpaceCurve"
    {74, 8, &CPemroView::CmdCylinder}, // 73 "Cylinder"
    {73, 8, &CPemroView::CmdCylCoord}, // 74 "CylCoord"
    {72, 10, &CPemroView::CmdSpherCoord}, // 75 "SpherCoord"
    {77, 11, &CPemroView::CmdAreaElement}, // 76 "AreaElement"
    {78, 8, &CPemroView::CmdElectric}, // 77 "Electric"
    {84, 7, &CPemroView::CmdPloygon}, // 78 "Ploygon"
    {32, 11, &CPemroView::CmdFreeVector2}, // 79 "FreeVector2"
    {33, 11, &CPemroView::CmdFreeVector3}, // 80 "FreeVector3"
    {83, 5, &CPemroView::CmdField}, // 81 "Field"
    {85, 9, &CPemroView::CmdVibration}, // 82 "Vibration"
    {86, 6, &CPemroView::CmdPlane3}, // 83 "Plane3"
    {38, 5, &CPemroView::CmdPLANE}, // 84 "PLANE"
    {87, 11, &CPemroView::CmdPlanePencil}, // 85 "PlanePencil"
    {88, 4, &CPemroView::CmdCube}, // 86 "Cube"
    {89, 13, &CPemroView::CmdTangentVector}, // 87 "TangentVector"
    {90, 9, &CPemroView::CmdDirectDerive}, // 88 "DirectDerive"
    {93, 10, &CPemroView::CmdInnerPoint}, // 89 "InnerPoint"
    {94, 16, &CPemroView::CmdCoordinateSystem}, // 90 "CoordinateSystem"
    {95, 9, &CPemroView::CmdWaterFlow}, // 91 "WaterFlow"
    {91, 11, &CPemroView::CmdIntegralApp}, // 92 "IntegralApp"
    {96, 12, &CPemroView::CmdCircularCone}, // 93 "CircularCone"
    {97, 11, &CPemroView::CmdDirectLimit}, // 94 "DirectLimit"
    {61, 5, &CPemroView::CmdB2_AC}, // 95 "B^2_AC"
    {98, 7, &CPemroView::CmdBoxLine}, // 96 "BoxLine"
    {100, 11, &CPemroView::CmdRectangular}, // 97 "Rectangular"
    {67, 4, &CPemroView::Cmddots}, // 98 "dots"
    {9, 7, &CPemroView::CmdPolygon}, // 99 "Polygon"
    {10, 8, &CPemroView::CmdPolygon3}, // 100 "Polygon3"
    {37, 5, &CPemroView::CmdPrint}, // 101 "Print"
    {26, 5, &CPemroView::CmdChord}, // 102 "Chord"
    {81, 11, &CPemroView::CmdNormalCurve}, // 103 "NormalCurve"
    {101, 15, &CPemroView::CmdDifferentiation}, // 104 "Differentiation"
    {104, 9, &CPemroView::CmdCurvature}, // 105 "Curvature"
    {105, 11, &CPemroView::CmdPRNCalculus}, // 106 "PRNCalculus"
    {109, 15, &CPemroView::CmdDisDistribution}, // 107 "DisDistribution"
    {110, 15, &CPemroView::CmdConDistribution}, // 108 "ConDistribution"
    {111, 14, &CPemroView::CmdRegionEstimate}, // 109 "RegionEstimate"
    {112, 12, &CPemroView::CmdAssumeVerify}, // 110 "AssumeVerify"
    {102, 11, &CPemroView::CmdRegression1}, // 111 "Regression1"
    {39, 11, &CPemroView::CmdRegressionm}, // 112 "Regressionm"
    {113, 13, &CPemroView::CmdApproximation}, // 113 "Approximation"
    {132, 16, &CPemroView::CmdCurvespecialfunc}, // 114 "Curvespecialfunc"
    {103, 15, &CPemroView::CmdLineInterpolate}, // 115 "LineInterpolate"
    {114, 8, &CPemroView::CmdLargange}, // 116 "Largange"
    {115, 6, &CPemroView::CmdNewton}, // 117 "Newton"
    {19, 7, &CPemroView::CmdSplines}, // 118 "Splines"
    {116, 5, &CPemroView::CmdGauss}, // 119 "Gauss"
    {117, 12, &CPemroView::CmdJacobiSeidel}, // 120 "JacobiSeidel"
    {118, 11, &CPemroView::CmdPowerMethod}, // 121 "PowerMethod"
    {119, 2, &CPemroView::CmdLU}, // 122 "LU"
    {122, 2, &CPemroView::CmdQR}, // 123 "QR"
    {120, 12, &CPemroView::CmdJacobiMethod}, // 124 "JacobiMethod"
    {121, 15, &CPemroView::CmdMatrixtransform}, // 125 "Matrixtransform"
    {124, 3, &CPemroView::CmdDet}, // 126 "Det"
    {8, 8, &CPemroView::CmdGradient}, // 127 "Gradient"
    {127, 10, &CPemroView::CmdToolbarData}, // 128 "ToolbarData"
    {129, 15, &CPemroView::CmdSphereCurveMove}, // 129 "SphereCurveMove"
    {130, 14, &CPemroView::CmdSphereSurfMove}, // 130 "SphereSurfMove"
};
// clang-format on

// Sub-demonstrations that keep the limit state over the records of a page.
constexpr int kSubDemoKeepLimitA = 20;
constexpr int kSubDemoKeepLimitB = 21;
constexpr int kAnswerStates = 100;

const char* KeywordAt(const char* const* table, int size, int slot) {
    return slot >= 0 && slot < size ? table[slot] : nullptr;
}

} // namespace

bool CommandLineMatches(const char* line, const char* keyword, int bytes) {
    // Every command record runs the whole chain: most keywords differ in
    // their first letter, tested without a call.
    if (!keyword || (bytes > 0 && line[0] != keyword[0])) return false;
    return std::strncmp(line, keyword, size_t(bytes)) == 0;
}

std::vector<int> FiringCommandTests(const char* const* keywordTable, int tableSize,
                                    const char* line) {
    std::vector<int> fired;
    for (int i = 0; i < kCommandTests; ++i)
        if (CommandLineMatches(line, KeywordAt(keywordTable, tableSize, kChain[i].slot),
                               kChain[i].bytes))
            fired.push_back(i + 1);
    return fired;
}

// Also the menu-less command 32900.
void CPemroView::OnResetLimitState() {
    m_nSequenceMode = -1;
    m_nSubDemo = -1;
    m_nPendingSubDemo = -1;
    m_nRegionType = 0;
    m_nPlotMode = 0;
    m_nDerivativeArg = 0;
    m_nLimitInfinity = 0;
}

BOOL CPemroView::PassesCommandGate() {
    if (!m_bShowAllContent) return FALSE;
    if (m_nAnswerBlock >= 0 && m_nAnswerBlock < kAnswerStates &&
        m_anAnswerState[m_nAnswerBlock] != 0)
        return FALSE;
    if (m_nPendingSubDemo != kSubDemoKeepLimitA && m_nPendingSubDemo != kSubDemoKeepLimitB) {
        OnResetLimitState();
        m_bGateResetLimitState = TRUE;
    }
    return TRUE;
}

BOOL CPemroView::RunCommandChain(CDC* pDC) {
    const int tableSize = int(sizeof m_apszKeyword / sizeof m_apszKeyword[0]);
    m_bPassEndedEarly = FALSE;
    for (int i = 0; i < kCommandTests; ++i) {
        if (i == kTestsBeforeGate && !PassesCommandGate()) return TRUE;
        const CommandTest& test = kChain[i];
        if (!CommandLineMatches(m_szCommandLine, KeywordAt(m_apszKeyword, tableSize, test.slot),
                                test.bytes))
            continue;
        (this->*test.section)(pDC);
        if (m_bPassEndedEarly) return FALSE;
    }
    return TRUE;
}
