// The view's state: construction defaults, the tables it is built from, the
// full refresh, the topic reset and the settings commit.
#include "platform/text_codec.h"
#include "test_support.h"
#include "view/view_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace test_support;

using V = CPemroView;

// Script keywords by slot, "-" for the empty slot.
const char kExpectedKeywords[] =
    "Curve curve - Region Line2 Line3 LINE2 LINE3 Gradient Polygon Polygon3 Text2 Text3 "
    "Ellipse2 Ellipse3 DATA1 DATA2 Disconnection Period Splines Font Inverse Sequence "
    "Sequence2 Limit Derivative1 Chord Derivative2 MeanDifferential Textz CloseAnswer "
    "MeanCalculus1 FreeVector2 FreeVector3 MeanCalculus2 Revolve Domainxy Print PLANE "
    "Regressionm LoadBmp Domainr TangentLine2 TangentLine3 TangentPlane ProjDomain "
    "Contour Series1 Series2 Calculus1 inverse Calculus2 Fourier DiffEquation1 "
    "DiffEquations Arc2 Arc3 MouseLine Root LeastSquareMethod Romberg B^2_AC DATAs "
    "tangentline2 Surf Solid Dots dots Vector2 Vector3 GaussCalculus SpaceCurve "
    "SpherCoord CylCoord Cylinder SphSurf CylSurf AreaElement Electric Floodfill2 "
    "Floodfill3 NormalCurve Parabola Field Ploygon Vibration Plane3 PlanePencil Cube "
    "TangentVector DirectDerive IntegralApp Answer InnerPoint CoordinateSystem WaterFlow "
    "CircularCone DirectLimit BoxLine DotVector Rectangular Differentiation Regression1 "
    "LineInterpolate Curvature PRNCalculus TextDert curveDert Line_Point DisDistribution "
    "ConDistribution RegionEstimate AssumeVerify Approximation Largange Newton Gauss "
    "JacobiSeidel PowerMethod LU JacobiMethod Matrixtransform QR BoundaryVector Det "
    "calculus1 calculus2 ToolbarData Html SphereCurveMove SphereSurfMove DAlembert "
    "Curvespecialfunc";

std::vector<std::string> Words(const char* text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

int CountSet(const int glyph[16][16]) {
    int n = 0;
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c) n += glyph[r][c] != 0;
    return n;
}

// A field the settings copy, where it goes and a value to copy, by name.
template <class T> struct FieldCopy {
    T V::*from;
    T V::*to;
    T value;
    const char* to_name;
};
#define COPY(from, to, value)                                                                      \
    { &V::from, &V::to, value, #to }

} // namespace

// --- Construction: what the other subsystems rely on ------------------------

// A new view shows topic "232" of the data\ family with the default functions.
TEST(ViewConstruction, TopicAndFunctionDefaults) {
    auto v = MakeView();
    EXPECT_EQ(v->m_strTopicCode, "232");
    EXPECT_EQ(v->m_nDataFamily, -1);
    EXPECT_EQ(v->m_nDataLevel, 0);
    EXPECT_EQ(v->m_nDataVariant, 0);
    EXPECT_EQ(v->m_nFuncF, 3);
    EXPECT_EQ(v->m_nFuncUpper, 22);
    EXPECT_EQ(v->m_nFuncLower, 20);
    EXPECT_EQ(v->m_nFuncRight, 22);
    EXPECT_EQ(v->m_nFuncLeft, 20);
    EXPECT_EQ(v->m_nSurfaceUpper, 1);
    EXPECT_EQ(v->m_nSurfaceLower, 1);
    EXPECT_EQ(v->m_nPlotMode, 0);
    EXPECT_EQ(v->m_nSubDemo, -1);
    EXPECT_EQ(v->m_nClassicalCurve, -1);
    EXPECT_TRUE(v->m_strBackgroundPicture.empty());
}

// World range [-1, 1] on every axis, its saved copy, region and interval.
TEST(ViewConstruction, WorldRangeAndInterval) {
    auto v = MakeView();
    EXPECT_EQ(v->m_dXMin, -1.0);
    EXPECT_EQ(v->m_dXMax, 1.0);
    EXPECT_EQ(v->m_dYMin, -1.0);
    EXPECT_EQ(v->m_dYMax, 1.0);
    EXPECT_EQ(v->m_dZMin, -1.0);
    EXPECT_EQ(v->m_dZMax, 1.0);
    const double saved[6] = {-1, 1, -1, 1, -1, 1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(v->m_adSavedWorldRange[i], saved[i]) << i;
    const double region[4] = {-1, 1, -1, 1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(v->m_adRegionRect[i], region[i]) << i;
    EXPECT_EQ(v->m_dIntervalA, -1.0);
    EXPECT_EQ(v->m_dIntervalB, 1.0);
    EXPECT_EQ(v->m_dSavedIntervalA, -1.0);
    EXPECT_EQ(v->m_dSavedIntervalB, 1.0);
    EXPECT_EQ(v->m_dXSpan, 10.0);
    EXPECT_EQ(v->m_dYSpan, 10.0);
    EXPECT_EQ(v->m_dZSpan, 10.0);
}

// Every pending selection equals its active one after construction.
TEST(ViewConstruction, PendingEqualsActive) {
    auto v = MakeView();
    EXPECT_FALSE(v->m_bSelectionPending);
    EXPECT_TRUE(v->m_bLoadScriptSettings);
    EXPECT_EQ(v->m_nPendingFuncF, 3);
    EXPECT_EQ(v->m_nPendingFuncUpper, 22);
    EXPECT_EQ(v->m_nPendingFuncLower, 20);
    EXPECT_EQ(v->m_nPendingFuncRight, 22);
    EXPECT_EQ(v->m_nPendingFuncLeft, 20);
    EXPECT_EQ(v->m_nPendingSurfaceUpper, 1);
    EXPECT_EQ(v->m_nPendingSurfaceLower, 1);
    EXPECT_EQ(v->m_nPendingUpperSurfaceStyle, 1);
    EXPECT_EQ(v->m_nPendingLowerSurfaceStyle, 1);
    EXPECT_EQ(v->m_nPendingSubDemo, -1);
    EXPECT_EQ(v->m_bPendingProjectXoy, 1);
    EXPECT_EQ(v->m_bPendingProjectBase, 1);
    for (const auto& p : kSelectionPairs) EXPECT_EQ(v.get()->*p.first, v.get()->*p.second);
}

// The reset's save step makes the precision fields 6, over the 5 of the
// full refresh; the decimals stay at the refresh's 4.
TEST(ViewConstruction, PrecisionAfterFirstReset) {
    auto v = MakeView();
    EXPECT_EQ(v->m_nKeepDecimalsA, 6);
    EXPECT_EQ(v->m_nKeepDecimalsB, 6);
    EXPECT_EQ(v->m_nPrecisionDigits, 6);
    EXPECT_EQ(v->m_nDecimals, 4);
    EXPECT_EQ(v->m_nDerivativeArg, 0);
}

// Display defaults of the full refresh.
TEST(ViewConstruction, DisplayDefaults) {
    auto v = MakeView();
    EXPECT_EQ(v->m_nBrightness, 100);
    EXPECT_EQ(v->m_nBrightness3D, 200);
    EXPECT_EQ(v->m_nBackgroundMode, -1);
    EXPECT_EQ(v->m_nBackgroundPattern, 1);
    EXPECT_EQ(v->m_nGridHidden, -1);
    EXPECT_EQ(v->m_nGridSize, 8);
    EXPECT_EQ(v->m_nRecordIndex, 500);
    EXPECT_EQ(v->m_nTextRevealMode, -1);
    EXPECT_EQ(v->m_strLastHtmlPage, "  ");
    EXPECT_EQ(v->m_strLastDataPath, "data.txt");
    EXPECT_EQ(v->m_dLetterSize, 1.0);
    EXPECT_EQ(v->m_dParamStep, 0.1);
    EXPECT_EQ(v->m_dOdeStep, 0.1);
    EXPECT_EQ(v->m_dDTheta, 0.1);
    EXPECT_EQ(v->m_dDPhi, 0.1);
    EXPECT_EQ(v->m_dDR, 0.1);
    EXPECT_EQ(v->m_dDZ, 0.1);
    EXPECT_EQ(v->m_nOdeMethodFamily, 0);
    EXPECT_TRUE(v->m_bShowRecordText);
    EXPECT_TRUE(v->m_bShowSelectionBox);
    EXPECT_FALSE(v->m_bPrintMode);
    for (int i = 0; i < V::kAnswerBlockCount; ++i) ASSERT_EQ(v->m_anAnswerState[i], 1) << i;
}

// Fields that only the constructor sets.
TEST(ViewConstruction, ConstructorOnlyDefaults) {
    auto v = MakeView();
    EXPECT_FALSE(v->m_bPlotInverse);
    EXPECT_TRUE(v->m_bDrawSurfaceIntersection);
    EXPECT_FALSE(v->m_bZoom);
    EXPECT_TRUE(v->m_bLettersItalic);
    EXPECT_EQ(v->m_nNonChineseColorMode, 2);
    EXPECT_EQ(v->m_nLsqPointCount, 10);
    EXPECT_EQ(v->m_nBallRadius, 8);
    EXPECT_EQ(v->m_nDeltaXSign, 10);
    EXPECT_EQ(v->m_dSpecificGravity, 1.5);
    EXPECT_EQ(v->m_nOdeOrder, 1);
    EXPECT_EQ(v->m_nProfileFunc, 1);
    EXPECT_EQ(v->m_nRegressionM, 1);
    const int box3D[4] = {200, 500, 100, 300};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(v->m_anFigureBox3D[i], box3D[i]) << i;
    EXPECT_EQ(v->m_nInsetLeft, 200);
    EXPECT_EQ(v->m_nInsetRight, 500);
    EXPECT_EQ(v->m_nInsetTop, 100);
    EXPECT_EQ(v->m_nInsetBottom, 300);
    EXPECT_EQ(v->m_nGraphLeft, 200);
    EXPECT_EQ(v->m_nGraphTop, 100);
    EXPECT_EQ(v->m_nGraphBottom, 300);
    EXPECT_EQ(v->m_nGraphRight, 500);
    EXPECT_EQ(v->m_astrCommandLabel[0], "x");
    EXPECT_EQ(v->m_astrCommandLabel[1], "y");
    EXPECT_EQ(v->m_astrCommandLabel[2], " ");
    EXPECT_EQ(v->m_astrCommandLabel[3], " ");
    // 1 / sqrt(6.283192), not 1 / sqrt(2 pi).
    EXPECT_DOUBLE_EQ(v->m_dInvSqrt2Pi, 0.3989420679258511);
    EXPECT_NE(v->m_dInvSqrt2Pi, 1.0 / std::sqrt(2.0 * M_PI));
}

// Coefficients, parameters and statistics after the first reset.
TEST(ViewConstruction, CoefficientAndParameterDefaults) {
    auto v = MakeView();
    const double f[6] = {-1, 0, -1, 0, 0, 1}, g[6] = {1, 0, 1, 0, 0, -1};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(v->m_adCoefF[i], f[i]) << i;
        EXPECT_EQ(v->m_adSavedCoefF[i], f[i]) << i;
        EXPECT_EQ(v->m_adCoefG[i], g[i]) << i;
        EXPECT_EQ(v->m_adSavedCoefG[i], g[i]) << i;
        EXPECT_EQ(v->m_adSavedCoefSurfF[i], f[i]) << i;
        EXPECT_EQ(v->m_adSavedCoefSurfG[i], g[i]) << i;
    }
    const double surfF[7] = {-1, 0, -1, 0, 0, 1, 0};
    const double surfG[9] = {1, 0, 1, 0, 0, -1, 0, 1, -1};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(v->m_adCoefSurfF[i], surfF[i]) << i;
    for (int i = 0; i < 9; ++i) EXPECT_EQ(v->m_adCoefSurfG[i], surfG[i]) << i;
    EXPECT_EQ(v->m_adCoefSurfFExtra[0], 1.0);
    EXPECT_EQ(v->m_adCoefSurfFExtra[1], -1.0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(v->m_adCoefFExtra[i], 1.0);
        EXPECT_EQ(v->m_adCoefGExtra[i], 1.0);
        EXPECT_EQ(v->m_adPQR[i], 1.0);
    }
    const double surfRange[4] = {1.571, 7.854, 0.0, 3.1416};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(v->m_adSurfParamRange[i], surfRange[i]) << i;
    EXPECT_EQ(v->m_dAlphaF, 2.0);
    EXPECT_EQ(v->m_dSavedAlphaG, 2.0);
    EXPECT_EQ(v->m_dAlphaSurfF, 1.0);
    EXPECT_EQ(v->m_dFuncFPeriod, 3.14159);
    EXPECT_EQ(v->m_dSavedFuncFPeriod, 3.14159);
    EXPECT_EQ(v->m_dImplicitC, 4.0);
    EXPECT_EQ(v->m_dX0, 9.0);
    EXPECT_EQ(v->m_dEpsilon, 0.1);
    EXPECT_EQ(v->m_dStepH, 0.1);
    EXPECT_EQ(v->m_dDelta, 1.0);
    EXPECT_EQ(v->m_dEscapeBound, 1.0e8);
    EXPECT_EQ(v->m_dDemoParam, 0.5);
    EXPECT_EQ(v->m_dDirM, 1.0);
    EXPECT_EQ(v->m_dDirN, 1.0);
    EXPECT_EQ(v->m_dDirP, 0.0);
    EXPECT_EQ(v->m_dGravity, 9.8);
    EXPECT_EQ(v->m_dArcEndAngle, 6.4);
    EXPECT_EQ(v->m_dParamB, 1.0);
    EXPECT_EQ(v->m_dParamC, 1.0);
    EXPECT_EQ(v->m_nDemoStep, 1);
    EXPECT_EQ(v->m_nMeshDivX, 50);
    EXPECT_EQ(v->m_nMeshDivY, 50);
    EXPECT_EQ(v->m_nSurfaceUpperProfile, 39);
    EXPECT_EQ(v->m_nGridRows, 8);
    EXPECT_EQ(v->m_nGridCols, 9);
    // Statistics and their saved copies.
    EXPECT_EQ(v->m_dProbP, 0.5);
    EXPECT_EQ(v->m_dLambda, 5.0);
    EXPECT_EQ(v->m_dSigma, 1.0);
    EXPECT_EQ(v->m_dGammaAlpha, 5.0);
    EXPECT_EQ(v->m_dGammaBeta, 6.0);
    EXPECT_EQ(v->m_dSignificance, 0.1);
    EXPECT_EQ(v->m_nCountN, 10);
    EXPECT_EQ(v->m_nPopulationN, 10);
    EXPECT_EQ(v->m_nCountM, 5);
    EXPECT_EQ(v->m_nMarkedM, 10);
    EXPECT_EQ(v->m_dSavedLambda, 5.0);
    EXPECT_EQ(v->m_dSavedGammaBeta, 6.0);
    EXPECT_EQ(v->m_nSavedMarkedM, 10);
    EXPECT_EQ(v->m_nSavedPopulationN, 10);
}

// --- Tables built by the constructor -----------------------------------------

// Every keyword slot; "Domain" is overwritten by "Domainxy", slot 2 is empty.
TEST(ViewTables, KeywordSlots) {
    auto v = MakeView();
    const std::vector<std::string> expected = Words(kExpectedKeywords);
    ASSERT_EQ(expected.size(), size_t(V::kKeywordCount));
    int nonNull = 0;
    for (int i = 0; i < V::kKeywordCount; ++i) {
        if (expected[i] == "-") {
            EXPECT_EQ(v->m_apszKeyword[i], nullptr) << i;
            continue;
        }
        ASSERT_NE(v->m_apszKeyword[i], nullptr) << i;
        EXPECT_STREQ(v->m_apszKeyword[i], expected[i].c_str()) << i;
        EXPECT_STRNE(v->m_apszKeyword[i], "Domain") << i;
        ++nonNull;
    }
    EXPECT_STREQ(v->m_apszKeyword[36], "Domainxy");
    EXPECT_EQ(v->m_apszKeyword[2], nullptr);
    // 133 slots less the empty slot 2.
    EXPECT_EQ(nonNull, 132);
}

// Hilbert-type matrix shifted by one, copied into the input and aux matrices.
TEST(ViewTables, MatricesAndDataSets) {
    auto v = MakeView();
    EXPECT_EQ(v->m_adMatrixA[0][0], 0.5);
    EXPECT_EQ(v->m_adMatrixA[99][99], 1.0 / 200);
    EXPECT_EQ(v->m_adMatrixA[3][5], 0.1);
    EXPECT_EQ(v->m_adMatrixA[0][99], 1.0 / 101);
    EXPECT_EQ(std::memcmp(v->m_adMatrixA, v->m_adMatrixInput, sizeof v->m_adMatrixA), 0);
    EXPECT_EQ(std::memcmp(v->m_adMatrixA, v->m_adMatrixAux, sizeof v->m_adMatrixA), 0);
    EXPECT_EQ(v->m_adMatrixL[5][5], 0.0);
    EXPECT_EQ(v->m_adDataX[0], 0.0);
    EXPECT_EQ(v->m_adDataX[99], 99.0);
    EXPECT_EQ(v->m_adDataY[42], 42.0);
    EXPECT_EQ(v->m_adDataZ[7], 7.0);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(v->m_adShapeX1[i], 1.0) << i;
    EXPECT_EQ(v->m_adShapeX1[10], 0.0);
}

// Glyph 0 is the partial-derivative sign with 31 pixels; 1..4 are blank.
TEST(ViewTables, Glyphs) {
    auto v = MakeView();
    EXPECT_EQ(CountSet(v->m_anGlyph[0]), 31);
    for (int g = 1; g < V::kGlyphCount; ++g) EXPECT_EQ(CountSet(v->m_anGlyph[g]), 0) << g;
    EXPECT_EQ(v->m_anGlyph[0][12][7], 1);
    EXPECT_EQ(v->m_anGlyph[0][3][13], 1);
    const int row7[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 1};
    for (int c = 0; c < 16; ++c) EXPECT_EQ(v->m_anGlyph[0][7][c], row7[c]) << c;
    for (int c = 0; c < 16; ++c) {
        EXPECT_EQ(v->m_anGlyph[0][0][c], 0);
        EXPECT_EQ(v->m_anGlyph[0][15][c], 0);
    }
}

// The character tables, byte for byte in GBK.
TEST(ViewTables, CharacterTables) {
    auto v = MakeView();
    EXPECT_STREQ(v->m_pszAsciiChars,
                 "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(std::strlen(v->m_pszWideLetters), 83u * 2);
    EXPECT_EQ(std::strlen(v->m_pszWideSymbols), 68u * 2);
    EXPECT_EQ(std::strlen(v->m_pszWideDigitsGreek), 35u * 2);
    EXPECT_EQ(std::string(v->m_pszWideLetters),
              Gbk(u8"ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｕｖｗｘｙｚＡＢＣＤＥＦФΨΘＧＨＩＪＫＬ"
                  u8"ＭＮＯＰ"
                  u8"ＱＲＳＴＵＶＷＸＹＺαβγδεζΓηθικλμνξορστυφχψω°⊕∴∵￡"));
    EXPECT_EQ(std::string(v->m_pszWideSymbols),
              Gbk(u8"～×９８７６５４３２１０∈∏∑Ω∕∞∠∣│∥∧∨∪≈≠≡≤≦≧≮≯±Δ△▽＞＜＝－＋﹥﹤﹣﹢≥′″≈"
                  u8"﹡∩Ππ‖，、；：。…（）±￣―∧·"));
    EXPECT_EQ(std::string(v->m_pszWideDigitsGreek),
              Gbk(u8"９８７６５４３２１０αβγδεζΓηθικλμνξορστυφχψωπ"));
    // Known GBK codes: full-width a and 9.
    EXPECT_EQ(std::string(v->m_pszWideLetters, 2), "\xA3\xE1");
    EXPECT_EQ(std::string(v->m_pszWideDigitsGreek, 2), "\xA3\xB9");
    // Formula texts start as the empty text, never null.
    ASSERT_NE(v->m_pszFormulaF, nullptr);
    ASSERT_NE(v->m_pszFormulaSurfF, nullptr);
    ASSERT_NE(v->m_pszFormulaSurfG, nullptr);
    ASSERT_NE(v->m_pszFormulaOde, nullptr);
}

// --- Colours and fonts ---------------------------------------------------------

// The 22 colour slots, the indexed colour and the current curve colour.
TEST(ViewColours, SlotDefaults) {
    auto v = MakeView();
    EXPECT_EQ(v->m_crBackground, COLORREF(7882290)); // 50 + 256*70 + 65536*120
    EXPECT_EQ(v->m_crBackground, RGB(50, 70, 120));
    EXPECT_EQ(v->m_crLeftFrame, RGB(150, 255, 150));
    EXPECT_EQ(v->m_crGround, RGB(0, 64, 128));
    EXPECT_EQ(v->m_crAxes, RGB(0, 255, 0));
    EXPECT_EQ(v->m_crCurveSetting, RGB(0, 255, 255));
    EXPECT_EQ(v->m_crFirstDerivative, RGB(250, 255, 0));
    EXPECT_EQ(v->m_crSecondDerivative, RGB(255, 100, 100));
    EXPECT_EQ(v->m_crTheorem, RGB(255, 255, 0));
    EXPECT_EQ(v->m_crChapter, RGB(25, 250, 0));
    EXPECT_EQ(v->m_crBodyText, RGB(255, 255, 255));
    EXPECT_EQ(v->m_crExample, RGB(0, 255, 125));
    EXPECT_EQ(v->m_crExpression, RGB(0, 255, 255));
    EXPECT_EQ(v->m_crUpperMesh, RGB(255, 100, 100));
    EXPECT_EQ(v->m_crLowerMesh, RGB(50, 100, 255));
    EXPECT_EQ(v->m_crSection, RGB(199, 125, 60));
    EXPECT_EQ(v->m_crBackSide, RGB(0, 100, 100));
    EXPECT_EQ(v->m_crFrontSide, RGB(0, 100, 255));
    EXPECT_EQ(v->m_crRightFrame, RGB(200, 200, 200));
    EXPECT_EQ(v->m_crUpperSurface, RGB(255, 0, 128));
    EXPECT_EQ(v->m_crLowerSurface, RGB(0, 50, 250));
    EXPECT_EQ(v->m_crDefaultPen, RGB(255, 128, 0));
    EXPECT_EQ(v->m_crDefaultFill, RGB(0, 150, 255));
    EXPECT_EQ(v->m_crIndexed, RGB(0, 0, 255));
    EXPECT_EQ(v->m_crCurve, RGB(0, 255, 255));
}

// The palette of the script colour numbers; 3..7 copy text colour slots.
TEST(ViewColours, Palette) {
    auto v = MakeView();
    const COLORREF expected[20] = {
        RGB(250, 0, 0),   RGB(255, 255, 0),   RGB(0, 0, 255),     RGB(0, 255, 255),
        RGB(25, 250, 0),  RGB(255, 255, 0),   RGB(0, 255, 125),   RGB(255, 255, 255),
        RGB(150, 0, 0),   RGB(125, 125, 0),   RGB(0, 0, 125),     RGB(0, 125, 125),
        RGB(0, 128, 125), RGB(0, 155, 128),   RGB(128, 0, 155),   RGB(155, 0, 155),
        RGB(0, 0, 160),   RGB(216, 216, 216), RGB(192, 192, 192), RGB(128, 128, 0)};
    for (int i = 0; i < V::kPaletteSize; ++i) EXPECT_EQ(v->m_acrPalette[i], expected[i]) << i;
}

// Palette entries are copies: a later slot change does not follow until the
// next full refresh, which also puts the slots back.
TEST(ViewColours, PaletteCopiesTakenAtRefresh) {
    auto v = MakeView();
    v->m_crExpression = RGB(1, 2, 3);
    v->m_crBodyText = RGB(4, 5, 6);
    EXPECT_EQ(v->m_acrPalette[3], RGB(0, 255, 255));
    EXPECT_EQ(v->m_acrPalette[7], RGB(255, 255, 255));
    v->OnRefreshAll();
    EXPECT_EQ(v->m_crExpression, RGB(0, 255, 255));
    EXPECT_EQ(v->m_acrPalette[3], RGB(0, 255, 255));
    EXPECT_EQ(v->m_acrPalette[7], RGB(255, 255, 255));
}

// Surface and mesh colours split into red, green, blue.
TEST(ViewColours, SplitSurfaceColours) {
    auto v = MakeView();
    const int upperMesh[3] = {255, 100, 100}, upperSurface[3] = {255, 0, 128};
    const int lowerMesh[3] = {50, 100, 255}, lowerSurface[3] = {0, 50, 250};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(v->m_anUpperMeshRgb[i], upperMesh[i]) << i;
        EXPECT_EQ(v->m_anUpperSurfaceRgb[i], upperSurface[i]) << i;
        EXPECT_EQ(v->m_anLowerMeshRgb[i], lowerMesh[i]) << i;
        EXPECT_EQ(v->m_anLowerSurfaceRgb[i], lowerSurface[i]) << i;
    }
}

// The five script fonts and the working font.
TEST(ViewFonts, DefaultFonts) {
    auto v = MakeView();
    const LOGFONT& lf = v->m_lfCurrent;
    EXPECT_EQ(lf.lfHeight, 18);
    EXPECT_EQ(lf.lfWidth, 9);
    EXPECT_EQ(lf.lfEscapement, 0);
    EXPECT_EQ(lf.lfOrientation, 0);
    EXPECT_EQ(lf.lfWeight, 1000);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfUnderline, 0);
    EXPECT_EQ(lf.lfStrikeOut, 0);
    EXPECT_EQ(lf.lfCharSet, 134);
    EXPECT_EQ(lf.lfOutPrecision, 3);
    EXPECT_EQ(lf.lfClipPrecision, 2);
    EXPECT_EQ(lf.lfQuality, 1);
    EXPECT_EQ(lf.lfPitchAndFamily, 0x32);
    EXPECT_EQ(std::string(lf.lfFaceName), Gbk(u8"宋体"));
    EXPECT_EQ(v->m_nCharHeight, 18);
    EXPECT_EQ(v->m_nBaseCharHeight, 18);

    const char* const faces[5] = {u8"宋体", u8"隶书", u8"宋体", u8"宋体", u8"黑体"};
    for (int i = 0; i < V::kTextFontCount; ++i) {
        EXPECT_EQ(std::string(v->m_alfTextFont[i].lfFaceName), Gbk(faces[i])) << i;
        EXPECT_EQ(v->m_alfTextFont[i].lfItalic, i == 0 ? 1 : 0) << i;
        EXPECT_EQ(v->m_alfTextFont[i].lfHeight, 18) << i;
        EXPECT_EQ(v->m_alfTextFont[i].lfWeight, 1000) << i;
    }
}

// The weight follows the factor; the full refresh leaves fonts alone.
TEST(ViewFonts, WeightFactorAndRefresh) {
    auto v = MakeView();
    v->DefaultFonts(1);
    EXPECT_EQ(v->m_lfCurrent.lfWeight, 500);
    EXPECT_EQ(v->m_alfTextFont[4].lfWeight, 500);
    v->m_alfTextFont[2].lfHeight = 30;
    v->m_strTopicCode = "300";
    v->OnRefreshAll();
    EXPECT_EQ(v->m_alfTextFont[2].lfHeight, 30);
    EXPECT_EQ(v->m_lfCurrent.lfWeight, 500);
    EXPECT_EQ(v->m_strTopicCode, "300");
}

// --- Topic reset -------------------------------------------------------------

// A pending selection is discarded: the active defaults become pending.
TEST(ViewTopicReset, DiscardsPendingSelection) {
    auto v = MakeView();
    v->m_nPendingFuncF = 50;
    v->m_nPendingPlotMode = 1;
    v->m_nPendingRegionType = 2;
    v->m_nPendingSurfaceUpper = 7;
    v->m_bSelectionPending = 1;
    v->ResetTopic(0);
    EXPECT_FALSE(v->m_bSelectionPending);
    EXPECT_EQ(v->m_nDataFamily, 0);
    EXPECT_EQ(v->m_nFuncF, 3);
    EXPECT_EQ(v->m_nPendingFuncF, 3);
    EXPECT_EQ(v->m_nPendingPlotMode, 0);
    EXPECT_EQ(v->m_nPendingRegionType, 0);
    EXPECT_EQ(v->m_nPendingSurfaceUpper, 1);
    EXPECT_TRUE(v->m_bLoadScriptSettings);
}

// Working values, saved copies, click and cursor go back to the defaults.
TEST(ViewTopicReset, RestoresWorkingAndSavedValues) {
    auto v = MakeView();
    v->m_dXMin = -5;
    v->m_dZMax = 8;
    v->m_adSavedWorldRange[1] = 42;
    v->m_adCoefF[0] = 7;
    v->m_adSavedCoefG[5] = 3;
    v->m_adCoefSurfG[8] = 9;
    v->m_dSavedIntervalA = -12;
    v->m_dProbP = 0.9;
    v->m_dSavedMu = 4;
    v->m_nCountN = 3;
    v->m_bShowMean = 1;
    v->m_dOdeP = 2;
    v->m_dSavedOdeQ = 5;
    v->m_ptClick = CPoint(120, 80);
    v->m_dCursorX = 0.3;
    v->m_nFigureRight = 900;
    v->m_nFontStep = 4;
    v->m_nDemoStep = 12;
    v->m_adOdePrevF[1][3] = 2.5;
    v->m_nUserShapeCount = 5;
    v->m_nKeepDecimalsA = 2;

    v->ResetTopic(-1);
    EXPECT_EQ(v->m_dXMin, -1.0);
    EXPECT_EQ(v->m_dZMax, 1.0);
    EXPECT_EQ(v->m_adSavedWorldRange[1], 1.0);
    EXPECT_EQ(v->m_adCoefF[0], -1.0);
    EXPECT_EQ(v->m_adSavedCoefG[5], -1.0);
    EXPECT_EQ(v->m_adCoefSurfG[8], -1.0);
    EXPECT_EQ(v->m_dSavedIntervalA, -1.0);
    EXPECT_EQ(v->m_dProbP, 0.5);
    EXPECT_EQ(v->m_dSavedMu, 0.0);
    EXPECT_EQ(v->m_nCountN, 10);
    EXPECT_EQ(v->m_nSavedCountN, 10);
    EXPECT_EQ(v->m_dOdeP, 0.0);
    EXPECT_EQ(v->m_dSavedOdeQ, 0.0);
    EXPECT_EQ(v->m_ptClick, CPoint(0, 0));
    EXPECT_EQ(v->m_dCursorX, 0.0);
    EXPECT_EQ(v->m_nFigureLeft, 10);
    EXPECT_EQ(v->m_nFigureTop, 10);
    EXPECT_EQ(v->m_nFigureRight, 400);
    EXPECT_EQ(v->m_nFigureBottom, 200);
    EXPECT_EQ(v->m_nFontStep, 0);
    EXPECT_EQ(v->m_nDemoStep, 1);
    EXPECT_EQ(v->m_adOdePrevF[1][3], 0.0);
    EXPECT_EQ(v->m_nUserShapeCount, 0);
    EXPECT_EQ(v->m_nKeepDecimalsA, 6);
}

// The curve colour follows the curve slot as it is at the reset.
TEST(ViewTopicReset, CurveColourFromSlot) {
    auto v = MakeView();
    v->m_crCurveSetting = RGB(10, 20, 30);
    v->ResetTopic(-1);
    EXPECT_EQ(v->m_crCurve, RGB(10, 20, 30));
}

// What the reset leaves alone: zoom, reveal mode, the window's settings,
// colours, fonts, the topic code and the demonstration options.
TEST(ViewTopicReset, LeavesSurvivorsAlone) {
    auto v = MakeView();
    v->m_bZoom = 1;
    v->m_nTextRevealMode = 1;
    v->m_nBallRadius = 12;
    v->m_nDecimals = 2;
    v->m_nRegressionM = 3;
    v->m_nOdeMethodFamily = 1;
    v->m_nOdeMethod = 1;
    v->m_nOdeOrder = 2;
    v->m_dDTheta = 0.3;
    v->m_dParamStep = 0.4;
    v->m_nBrightness = 64;
    v->m_nGridSize = 24;
    v->m_crBackground = RGB(1, 1, 1);
    v->m_acrPalette[0] = RGB(2, 2, 2);
    v->m_nLsqPointCount = 12;
    v->m_dSpecificGravity = 2.5;
    v->m_alfTextFont[1].lfHeight = 40;
    v->m_strTopicCode = "fux1";
    v->m_adMatrixA[1][2] = 99;
    v->m_adDataX[5] = -3;

    v->ResetTopic(4);
    EXPECT_TRUE(v->m_bZoom);
    EXPECT_EQ(v->m_nTextRevealMode, 1);
    EXPECT_EQ(v->m_nBallRadius, 12);
    EXPECT_EQ(v->m_nDecimals, 2);
    EXPECT_EQ(v->m_nRegressionM, 3);
    EXPECT_EQ(v->m_nOdeMethodFamily, 1);
    EXPECT_EQ(v->m_nOdeMethod, 1);
    EXPECT_EQ(v->m_nOdeOrder, 2);
    EXPECT_EQ(v->m_dDTheta, 0.3);
    EXPECT_EQ(v->m_dParamStep, 0.4);
    EXPECT_EQ(v->m_nBrightness, 64);
    EXPECT_EQ(v->m_nGridSize, 24);
    EXPECT_EQ(v->m_crBackground, RGB(1, 1, 1));
    EXPECT_EQ(v->m_acrPalette[0], RGB(2, 2, 2));
    EXPECT_EQ(v->m_nLsqPointCount, 12);
    EXPECT_EQ(v->m_dSpecificGravity, 2.5);
    EXPECT_EQ(v->m_alfTextFont[1].lfHeight, 40);
    EXPECT_EQ(v->m_strTopicCode, "fux1");
    EXPECT_EQ(v->m_adMatrixA[1][2], 99.0);
    EXPECT_EQ(v->m_adDataX[5], -3.0);
    EXPECT_EQ(v->m_nDataFamily, 4);
}

// Integer divisors are never left at 0 by a reset (the box height is the
// divisor of the background gradients).
TEST(ViewTopicReset, DivisorsStayPositive) {
    auto v = MakeView();
    v->m_nBoxHeight = 0;
    v->ResetTopic(-1);
    EXPECT_GT(v->m_nBoxHeight, 0);
    v->m_nBoxHeight = 345;
    v->ResetTopic(-1);
    EXPECT_EQ(v->m_nBoxHeight, 345); // the last measured height stays
    EXPECT_GT(v->m_nBoxWidth, 0);
    EXPECT_GT(v->m_nMeshDivX, 0);
    EXPECT_GT(v->m_nMeshDivY, 0);
    EXPECT_GT(v->m_nDemoStep, 0);
    EXPECT_GT(v->m_nInitialPageLines, 0);
    EXPECT_GT(v->m_nGridSize, 0);
    EXPECT_GT(v->m_nBaseCharHeight, 0);
    EXPECT_GT(v->m_nBaseCharWidth, 0);
    EXPECT_GT(v->m_nCharHeight, 0);
    EXPECT_GT(v->m_nCharWidth, 0);
    EXPECT_GT(v->m_nPlotWidth, 0);
    EXPECT_GT(v->m_nPlotHeight, 0);
    EXPECT_GT(v->m_nInsetWidth, 0);
    EXPECT_GT(v->m_nInsetHeight, 0);
    EXPECT_GT(v->m_nProjScaleX, 0);
    EXPECT_GT(v->m_nProjScaleY, 0);
    EXPECT_GT(v->m_nProjScaleZ, 0);
    EXPECT_GT(v->m_nLsqPointCount, 0);
    EXPECT_GT(v->m_dXSpan, 0.0);
    EXPECT_GT(v->m_dParamStep, 0.0);
}

// Scroll sizes come from the reset page length: 30 line heights wide, at
// least 1000 high.
TEST(ViewTopicReset, ScrollSizes) {
    auto v = MakeView();
    EXPECT_EQ(v->m_sizeScrollTotal.cx, 30 * 18);
    EXPECT_EQ(v->m_sizeScrollTotal.cy, 1000);
    EXPECT_EQ(v->GetTotalSize(), v->m_sizeScrollTotal);
}

// A reset asks for a full repaint, except the one run by the constructor.
TEST(ViewTopicReset, InvalidatesOutsideConstruction) {
    CurrentDir cwd(std::filesystem::temp_directory_path());
    auto v = MakeView();
    EXPECT_FALSE(v->HasPendingPaint());
    v->ResizeClient(200, 150);
    v->RenderPending();
    ASSERT_FALSE(v->HasPendingPaint());
    v->ResetTopic(-1);
    EXPECT_TRUE(v->HasPendingPaint());
    EXPECT_EQ(v->m_nDerivativeArg, 0);
}

// --- Settings commit ------------------------------------------------------------

// While a selection is pending, every pending field becomes active (and the
// flag stays set); otherwise every active field is copied back.
TEST(ViewSettingsCommit, PendingToActiveOnlyWhilePending) {
    auto v = MakeView();
    int value = 100;
    for (const auto& p : kSelectionPairs) v.get()->*p.first = value++;
    v->m_bSelectionPending = 1;
    v->SaveRestoreDisplaySettings(1);
    EXPECT_TRUE(v->m_bSelectionPending);
    value = 100;
    for (const auto& p : kSelectionPairs) {
        EXPECT_EQ(v.get()->*p.second, value);
        EXPECT_EQ(v.get()->*p.first, value);
        ++value;
    }

    v->m_bSelectionPending = 0;
    for (const auto& p : kSelectionPairs) v.get()->*p.first = -7;
    v->SaveRestoreDisplaySettings(0);
    value = 100;
    for (const auto& p : kSelectionPairs) {
        EXPECT_EQ(v.get()->*p.second, value);
        EXPECT_EQ(v.get()->*p.first, value);
        ++value;
    }
}

// The seventeen pairs, named one by one.
TEST(ViewSettingsCommit, AllSeventeenPairs) {
    auto v = MakeView();
    // clang-format off
    const FieldCopy<int> pairs[] = {
        COPY(m_nPendingFuncF, m_nFuncF, 41), COPY(m_nPendingPlotMode, m_nPlotMode, 2),
        COPY(m_nPendingRegionType, m_nRegionType, 3),
        COPY(m_nPendingCombineMode, m_nCombineMode, 4),
        COPY(m_nPendingSurfaceUpper, m_nSurfaceUpper, 15),
        COPY(m_nPendingSurfaceLower, m_nSurfaceLower, 16),
        COPY(m_nPendingFuncUpper, m_nFuncUpper, 30),
        COPY(m_nPendingUpperSurfaceStyle, m_nUpperSurfaceStyle, 0),
        COPY(m_nPendingLowerSurfaceStyle, m_nLowerSurfaceStyle, 0),
        COPY(m_nPendingFuncLower, m_nFuncLower, 31), COPY(m_nPendingSubDemo, m_nSubDemo, 20),
        COPY(m_nPendingSideSurfaces, m_nSideSurfaces, 2),
        COPY(m_nPendingFuncRight, m_nFuncRight, 33), COPY(m_nPendingFuncLeft, m_nFuncLeft, 34),
        COPY(m_bPendingProjectBase, m_bProjectBase, 0),
        COPY(m_bPendingProjectXoy, m_bProjectXoy, 0),
        COPY(m_nPendingPlotOrientation, m_nPlotOrientation, 1),
    };
    // clang-format on
    for (const auto& c : pairs) v.get()->*c.from = c.value;
    v->m_bSelectionPending = 1;
    v->SaveRestoreDisplaySettings(0);
    for (const auto& c : pairs) EXPECT_EQ(v.get()->*c.to, c.value) << c.to_name;
    EXPECT_EQ(std::size(kSelectionPairs), 17u);
}

// With no selection pending, a restore leaves the active selections alone.
TEST(ViewSettingsCommit, RestoreWithoutSelectionKeepsActive) {
    auto v = MakeView();
    v->m_nFuncF = 12;
    v->m_nPendingFuncF = 60;
    v->m_adSavedCoefF[0] = 2.5;
    v->SaveRestoreDisplaySettings(0);
    EXPECT_EQ(v->m_nFuncF, 12);
    EXPECT_EQ(v->m_nPendingFuncF, 12);
    EXPECT_EQ(v->m_adCoefF[0], 2.5);
}

// --- Working values and saved copies ------------------------------------------

// Saving copies every working value into its saved copy and makes the
// arithmetic exact; the entries past f and the spans are not copied.
TEST(ViewSavedCopies, SaveCopiesWorkingToSaved) {
    auto v = MakeView();
    const double range[6] = {-3, 4, -5, 6, -7, 8};
    v->m_dXMin = range[0], v->m_dXMax = range[1], v->m_dYMin = range[2];
    v->m_dYMax = range[3], v->m_dZMin = range[4], v->m_dZMax = range[5];
    // clang-format off
    const FieldCopy<double> doubles[] = {
        COPY(m_dIntervalA, m_dSavedIntervalA, -2), COPY(m_dIntervalB, m_dSavedIntervalB, 2),
        COPY(m_dBreakF0, m_dSavedBreakF0, 0.1), COPY(m_dBreakF1, m_dSavedBreakF1, 0.2),
        COPY(m_dBreakG0, m_dSavedBreakG0, 0.3), COPY(m_dBreakG1, m_dSavedBreakG1, 0.4),
        COPY(m_dAlphaF, m_dSavedAlphaF, 3), COPY(m_dBetaF, m_dSavedBetaF, 4),
        COPY(m_dAlphaG, m_dSavedAlphaG, 5), COPY(m_dBetaG, m_dSavedBetaG, 6),
        COPY(m_dAlphaSurfF, m_dSavedAlphaSurfF, 7), COPY(m_dAlphaSurfG, m_dSavedAlphaSurfG, 8),
        COPY(m_dOdeP, m_dSavedOdeP, 1.5), COPY(m_dOdeQ, m_dSavedOdeQ, 2.5),
        COPY(m_dProbP, m_dSavedProbP, 0.3), COPY(m_dSignificance, m_dSavedSignificance, 0.05),
        COPY(m_dGammaAlpha, m_dSavedGammaAlpha, 2), COPY(m_dGammaBeta, m_dSavedGammaBeta, 3),
        COPY(m_dLambda, m_dSavedLambda, 1.5), COPY(m_dMu, m_dSavedMu, -1),
        COPY(m_dSigma, m_dSavedSigma, 2), COPY(m_dFuncFPeriod, m_dSavedFuncFPeriod, 6.28),
    };
    const FieldCopy<int> ints[] = {
        COPY(m_nScriptPlotMode, m_nSavedScriptPlotMode, 3), COPY(m_nCountN, m_nSavedCountN, 20),
        COPY(m_nPopulationN, m_nSavedPopulationN, 50), COPY(m_nCountM, m_nSavedCountM, 6),
        COPY(m_nMarkedM, m_nSavedMarkedM, 9), COPY(m_bShowMean, m_bSavedShowMean, 1),
        COPY(m_bShowVariance, m_bSavedShowVariance, 1),
        COPY(m_bQuantileMode, m_bSavedQuantileMode, 1),
        COPY(m_nPlotOption1, m_nPendingPlotOption1, 1),
        COPY(m_nPlotOption2, m_nPendingPlotOption2, 2), COPY(m_bPhasePlane, m_bSavedPhasePlane, 1),
    };
    // clang-format on
    for (const auto& c : doubles) v.get()->*c.from = c.value;
    for (const auto& c : ints) v.get()->*c.from = c.value;
    for (int i = 0; i < 6; ++i) {
        v->m_adCoefF[i] = 10 + i;
        v->m_adCoefG[i] = 20 + i;
        v->m_adCoefSurfF[i] = 30 + i;
        v->m_adCoefSurfG[i] = 40 + i;
    }
    v->m_nPrecisionDigits = 2;
    v->m_nKeepDecimalsA = 3;
    v->m_nKeepDecimalsB = 4;
    v->m_dXSpan = 77;

    v->SaveRestoreDisplaySettings(1);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(v->m_adSavedWorldRange[i], range[i]) << i;
    for (const auto& c : doubles) EXPECT_EQ(v.get()->*c.to, c.value) << c.to_name;
    for (const auto& c : ints) EXPECT_EQ(v.get()->*c.to, c.value) << c.to_name;
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(v->m_adSavedCoefF[i], 10.0 + i) << i;
        EXPECT_EQ(v->m_adSavedCoefG[i], 20.0 + i) << i;
        EXPECT_EQ(v->m_adSavedCoefSurfF[i], 30.0 + i) << i;
        EXPECT_EQ(v->m_adSavedCoefSurfG[i], 40.0 + i) << i;
    }
    EXPECT_EQ(v->m_nPrecisionDigits, 6);
    EXPECT_EQ(v->m_nKeepDecimalsA, 6);
    EXPECT_EQ(v->m_nKeepDecimalsB, 6);
    EXPECT_EQ(v->m_dXSpan, 77.0);
}

// Restoring copies every saved copy back; precision, spans, step and
// epsilon stay as they are.
TEST(ViewSavedCopies, RestoreCopiesSavedToWorking) {
    auto v = MakeView();
    const double range[6] = {0, 5, 1, 6, 2, 7};
    for (int i = 0; i < 6; ++i) v->m_adSavedWorldRange[i] = range[i];
    // clang-format off
    const FieldCopy<double> doubles[] = {
        COPY(m_dSavedIntervalA, m_dIntervalA, 0.5), COPY(m_dSavedIntervalB, m_dIntervalB, 4.5),
        COPY(m_dSavedBreakF0, m_dBreakF0, 1), COPY(m_dSavedBreakG1, m_dBreakG1, 2),
        COPY(m_dSavedAlphaF, m_dAlphaF, 9), COPY(m_dSavedBetaG, m_dBetaG, 8),
        COPY(m_dSavedAlphaSurfG, m_dAlphaSurfG, 3), COPY(m_dSavedOdeP, m_dOdeP, 4),
        COPY(m_dSavedOdeQ, m_dOdeQ, 5), COPY(m_dSavedProbP, m_dProbP, 0.25),
        COPY(m_dSavedLambda, m_dLambda, 2), COPY(m_dSavedMu, m_dMu, 1),
        COPY(m_dSavedSigma, m_dSigma, 3), COPY(m_dSavedGammaAlpha, m_dGammaAlpha, 7),
        COPY(m_dSavedGammaBeta, m_dGammaBeta, 8), COPY(m_dSavedSignificance, m_dSignificance, 0.01),
        COPY(m_dSavedFuncFPeriod, m_dFuncFPeriod, 2),
    };
    const FieldCopy<int> ints[] = {
        COPY(m_nSavedScriptPlotMode, m_nScriptPlotMode, 2), COPY(m_nSavedCountN, m_nCountN, 4),
        COPY(m_nSavedPopulationN, m_nPopulationN, 40), COPY(m_nSavedCountM, m_nCountM, 2),
        COPY(m_nSavedMarkedM, m_nMarkedM, 12), COPY(m_bSavedShowMean, m_bShowMean, 1),
        COPY(m_bSavedShowVariance, m_bShowVariance, 1),
        COPY(m_bSavedQuantileMode, m_bQuantileMode, 1),
        COPY(m_nPendingPlotOption1, m_nPlotOption1, 1),
        COPY(m_nPendingPlotOption2, m_nPlotOption2, 1), COPY(m_bSavedPhasePlane, m_bPhasePlane, 1),
    };
    // clang-format on
    for (const auto& c : doubles) v.get()->*c.from = c.value;
    for (const auto& c : ints) v.get()->*c.from = c.value;
    for (int i = 0; i < 6; ++i) {
        v->m_adSavedCoefF[i] = -i;
        v->m_adSavedCoefG[i] = -10 - i;
        v->m_adSavedCoefSurfF[i] = -20 - i;
        v->m_adSavedCoefSurfG[i] = -30 - i;
    }
    v->m_nPrecisionDigits = 3;
    v->m_nKeepDecimalsA = 2;
    v->m_dStepH = 0.7;
    v->m_dEpsilon = 0.02;
    v->m_dYSpan = 33;

    v->SaveRestoreDisplaySettings(0);
    EXPECT_EQ(v->m_dXMin, 0.0);
    EXPECT_EQ(v->m_dXMax, 5.0);
    EXPECT_EQ(v->m_dYMin, 1.0);
    EXPECT_EQ(v->m_dYMax, 6.0);
    EXPECT_EQ(v->m_dZMin, 2.0);
    EXPECT_EQ(v->m_dZMax, 7.0);
    for (const auto& c : doubles) EXPECT_EQ(v.get()->*c.to, c.value) << c.to_name;
    for (const auto& c : ints) EXPECT_EQ(v.get()->*c.to, c.value) << c.to_name;
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(v->m_adCoefF[i], -i) << i;
        EXPECT_EQ(v->m_adCoefG[i], -10.0 - i) << i;
        EXPECT_EQ(v->m_adCoefSurfF[i], -20.0 - i) << i;
        EXPECT_EQ(v->m_adCoefSurfG[i], -30.0 - i) << i;
    }
    // g of the upper set and g, h, i of the lower set have no saved copy.
    EXPECT_EQ(v->m_adCoefSurfF[6], 0.0);
    EXPECT_EQ(v->m_adCoefSurfG[6], 0.0);
    EXPECT_EQ(v->m_adCoefSurfG[7], 1.0);
    EXPECT_EQ(v->m_adCoefSurfG[8], -1.0);
    EXPECT_EQ(v->m_nPrecisionDigits, 3);
    EXPECT_EQ(v->m_nKeepDecimalsA, 2);
    EXPECT_EQ(v->m_dStepH, 0.7);
    EXPECT_EQ(v->m_dEpsilon, 0.02);
    EXPECT_EQ(v->m_dYSpan, 33.0);
}

// Every table entry round-trips: save then restore over changed values.
TEST(ViewSavedCopies, TablesRoundTrip) {
    auto v = MakeView();
    int n = 1;
    for (const auto& p : kSavedInts) v.get()->*p.first = n++;
    for (const auto& p : kSavedDoubles) v.get()->*p.first = 0.5 * n++;
    v->SaveRestoreDisplaySettings(1);
    for (const auto& p : kSavedInts) v.get()->*p.first = -1;
    for (const auto& p : kSavedDoubles) v.get()->*p.first = -1;
    v->SaveRestoreDisplaySettings(0);
    n = 1;
    for (const auto& p : kSavedInts) EXPECT_EQ(v.get()->*p.first, n++);
    for (const auto& p : kSavedDoubles) EXPECT_EQ(v.get()->*p.first, 0.5 * n++);
}

// The data refresh takes the script's values again and drops a selection.
TEST(ViewSavedCopies, DataRefresh) {
    auto v = MakeView();
    v->m_bLoadScriptSettings = 0;
    v->m_bSelectionPending = 1;
    v->m_nPendingFuncF = 9;
    v->OnDataRefresh();
    EXPECT_TRUE(v->m_bLoadScriptSettings);
    EXPECT_FALSE(v->m_bSelectionPending);
    EXPECT_EQ(v->m_nPendingFuncF, 9);
}

// --- Bulk setters -----------------------------------------------------------------

// Two surfaces at once, working and saved copies alike; g.. stay.
TEST(ViewSetters, SetSettingBlock) {
    auto v = MakeView();
    const double f[6] = {1, 2, 3, 4, 5, 6}, g[6] = {-1, -2, -3, -4, -5, -6};
    v->SetSettingBlock(12, 14, f, g);
    EXPECT_EQ(v->m_nSurfaceUpper, 12);
    EXPECT_EQ(v->m_nPendingSurfaceUpper, 12);
    EXPECT_EQ(v->m_nSurfaceLower, 14);
    EXPECT_EQ(v->m_nPendingSurfaceLower, 14);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(v->m_adCoefSurfF[i], f[i]);
        EXPECT_EQ(v->m_adSavedCoefSurfF[i], f[i]);
        EXPECT_EQ(v->m_adCoefSurfG[i], g[i]);
        EXPECT_EQ(v->m_adSavedCoefSurfG[i], g[i]);
    }
    EXPECT_EQ(v->m_adCoefSurfG[7], 1.0);
    // A later restore keeps them.
    v->SaveRestoreDisplaySettings(0);
    EXPECT_EQ(v->m_adCoefSurfF[2], 3.0);
    EXPECT_EQ(v->m_nSurfaceUpper, 12);
}

TEST(ViewSetters, CoefficientsAndRanges) {
    auto v = MakeView();
    v->SetCoefFBoth(1, 2, 3, 4, 5, 6);
    v->SetCoefGBoth(6, 5, 4, 3, 2, 1);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(v->m_adCoefF[i], i + 1.0);
        EXPECT_EQ(v->m_adSavedCoefF[i], i + 1.0);
        EXPECT_EQ(v->m_adCoefG[i], 6.0 - i);
        EXPECT_EQ(v->m_adSavedCoefG[i], 6.0 - i);
    }
    v->SetRangeAndRegion2D(-2, 3, -4, 5);
    EXPECT_EQ(v->m_dXMin, -2.0);
    EXPECT_EQ(v->m_dYMax, 5.0);
    EXPECT_EQ(v->m_dZMin, -1.0);
    const double rect[4] = {-2, 3, -4, 5};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(v->m_adRegionRect[i], rect[i]);
    v->SetRangeAndRegion3D(0, 1, 2, 3, 4, 5);
    EXPECT_EQ(v->m_dXMax, 1.0);
    EXPECT_EQ(v->m_dYMin, 2.0);
    EXPECT_EQ(v->m_dZMin, 4.0);
    EXPECT_EQ(v->m_dZMax, 5.0);
    EXPECT_EQ(v->m_adRegionRect[3], 3.0);
}

// Views share nothing.
TEST(ViewSetters, ViewsAreIndependent) {
    auto a = MakeView();
    auto b = MakeView();
    a->m_nPendingFuncF = 44;
    a->m_bSelectionPending = 1;
    a->m_adMatrixA[0][0] = 5;
    a->m_crBackground = RGB(9, 9, 9);
    a->SaveRestoreDisplaySettings(1);
    a->DefaultFonts(3);
    EXPECT_EQ(b->m_nFuncF, 3);
    EXPECT_EQ(b->m_adMatrixA[0][0], 0.5);
    EXPECT_EQ(b->m_crBackground, RGB(50, 70, 120));
    EXPECT_EQ(b->m_lfCurrent.lfWeight, 1000);
    EXPECT_EQ(a->m_nFuncF, 44);
}

// A page opened in a small window and then widened is laid out longer: its
// scroll range grows to what opening it at the wide size gives, so its last
// figures can still be scrolled to.
TEST(ViewPageLength, FollowsAWiderLayout) {
    InRunDir runDir;
    auto wide = OpenTopic("212", nullptr, 1920, 1080);
    auto widened = OpenTopic("212", nullptr, 1024, 768);
    const int narrow = widened->GetTotalSize().cy;
    widened->ResizeClient(1920, 1080);
    RenderUntilDrawn(*widened);
    EXPECT_GT(wide->GetTotalSize().cy, narrow);
    EXPECT_EQ(widened->GetTotalSize().cy, wide->GetTotalSize().cy);
}
