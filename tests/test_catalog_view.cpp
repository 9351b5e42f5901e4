// The view's catalogue members: evaluation with the view's coefficients and
// modes, the formula texts (GBK bytes), the Newton inversions, the region
// function and its edge scans, the surface modes, the ODE right-hand sides
// and the quadrature over the current function.
#include "platform/text_codec.h"
#include "view/view.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

namespace {

class CatalogViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<CPemroView>();
        CPemroView& v = *view;
        v.m_nCombineMode = 0;
        v.m_bFuncFPeriodic = 0;
        v.m_nFuncFSymmetry = 2;
        v.m_nPlotMode = 0;
        v.m_nRegionType = 0;
        v.m_bFigure3D = 0;
        v.m_nSurfaceEvalMode = 0;
        v.m_dParamStep = 0.1;
        for (double& c : v.m_adCoefF) c = 0;
        for (double& c : v.m_adCoefG) c = 0;
        for (double& c : v.m_adCoefSurfF) c = 0;
        for (double& c : v.m_adCoefSurfG) c = 0;
    }
    std::unique_ptr<CPemroView> view;
};

} // namespace

// --- Explicit functions ---------------------------------------------------------

TEST_F(CatalogViewTest, CombinationIgnoresTheIndex) {
    CPemroView& v = *view;
    v.m_nFuncUpper = 21; // x²
    v.m_nFuncLower = 3;  // sin x
    v.m_nCombineMode = 3;
    EXPECT_DOUBLE_EQ(0.49 + std::sin(0.7), v.EvalF(0.7, 20));
    EXPECT_DOUBLE_EQ(0.49 + std::sin(0.7), v.EvalF(0.7, -5));
    v.m_nCombineMode = 1;
    EXPECT_DOUBLE_EQ(0.49 / std::sin(0.7), v.EvalF(0.7, 20));
    v.m_nCombineMode = 2;
    EXPECT_DOUBLE_EQ(0.49 * std::sin(0.7), v.EvalF(0.7, 20));
    v.m_nCombineMode = 4;
    EXPECT_DOUBLE_EQ(0.49 - std::sin(0.7), v.EvalF(0.7, 20));
    for (int mode : {0, 5, -1}) {
        v.m_nCombineMode = mode;
        EXPECT_DOUBLE_EQ(0.7, v.EvalF(0.7, 20)) << mode;
    }
    // f/g at a zero of g: the failure value 0, not an infinity.
    v.m_nCombineMode = 1;
    EXPECT_EQ(0.0, v.EvalF(0.0, 20));
}

TEST_F(CatalogViewTest, ShiftFormAndCoefficientSets) {
    CPemroView& v = *view;
    v.m_dBreakF0 = 1.25;
    EXPECT_DOUBLE_EQ(1.95, v.EvalCatalogueA(0.7, 100));
    EXPECT_EQ(0.0, v.EvalCatalogueB(0.7, 100));
    // Each catalogue reads its own a, b, c.
    v.m_adCoefF[0] = 1, v.m_adCoefF[1] = 2, v.m_adCoefF[2] = 3;
    v.m_adCoefG[0] = -1, v.m_adCoefG[1] = 0, v.m_adCoefG[2] = 5;
    EXPECT_DOUBLE_EQ(1 + 2 + 3, v.EvalCatalogueA(1.0, 39));
    EXPECT_DOUBLE_EQ(-1 + 5, v.EvalCatalogueB(1.0, 39));
    // The profiles read the surface sets.
    v.m_adCoefSurfF[0] = 2, v.m_adCoefSurfG[2] = 7;
    EXPECT_DOUBLE_EQ(2.0, v.EvalProfileCatalogueF(1.0, 39));
    EXPECT_DOUBLE_EQ(7.0, v.EvalProfileCatalogueG(1.0, 39));
    EXPECT_EQ(0.0, v.EvalProfileCatalogueG(1.0, 72));
    v.m_adCoefG[0] = 2, v.m_adCoefG[1] = 1, v.m_adCoefG[2] = 1;
    EXPECT_DOUBLE_EQ(2.0 * 1.0 * (1.0 + 1.0), v.EvalCatalogueB(1.0, 72));
}

TEST_F(CatalogViewTest, ExtensionsOutsideTheBaseInterval) {
    CPemroView& v = *view;
    v.m_nFuncFSymmetry = 0;
    EXPECT_DOUBLE_EQ(-std::sin(1.0), v.EvalF(-1.0, 3));
    v.m_nFuncFSymmetry = 1;
    EXPECT_DOUBLE_EQ(std::sin(1.0), v.EvalF(-1.0, 3));
    v.m_nFuncFSymmetry = 2;
    v.m_bFuncFPeriodic = 1;
    v.m_dFuncFPeriod = 2.0;
    // x on [-1, 1) repeated with period 2.
    EXPECT_NEAR(0.25, v.EvalF(4.5, 21), 1e-12);
    EXPECT_NEAR(0.25, v.EvalF(-3.5, 21), 1e-12);
    EXPECT_NEAR(0.25, v.EvalCatalogueB(10.5, 21), 1e-12);
    // Periodic and odd together: the saw tooth of x reflected.
    v.m_nFuncFSymmetry = 0;
    EXPECT_NEAR(-0.5, v.EvalF(1.5, 20), 1e-12);
}

TEST_F(CatalogViewTest, DerivativesTransformsAndExtremes) {
    CPemroView& v = *view;
    EXPECT_NEAR(2.0, v.EvalFDeriv(1.0, 21), 1e-6);
    EXPECT_NEAR(3.0, v.EvalFDeriv(1.0, 22), 1e-6);
    EXPECT_NEAR(6.0, v.EvalFDeriv2(1.0, 22), 0.1);
    EXPECT_EQ(0.0, v.EvalFTransformed(0.0, 21, 2.0, 0.0, 1));
    EXPECT_EQ(0.0, v.EvalFTransformed(-1.0, 21, 2.0, 0.0, 1));
    // Mode 1 at x = 4, s = 2: F(0.5)·2/16.
    EXPECT_DOUBLE_EQ(0.25 * 2.0 / 16.0, v.EvalFTransformed(4.0, 21, 2.0, 0.0, 1));
    // Mode 0: F((x − m)/s)/s.
    EXPECT_DOUBLE_EQ(0.25 / 2.0, v.EvalFTransformed(4.0, 21, 2.0, 3.0, 0));
    EXPECT_EQ(0.0, v.EvalFTransformed(4.0, 21, 2.0, 3.0, 2));
    EXPECT_EQ(0.0, v.EvalFTransformed(4.0, 21, 0.0, 3.0, 0));    // zero scale
    EXPECT_EQ(0.0, v.EvalFTransformed(1e-200, 21, 2.0, 0.0, 1)); // x² underflows
    EXPECT_DOUBLE_EQ(0.25, v.EvalMinOfTwoF(0.5, 20, 21));
    EXPECT_DOUBLE_EQ(0.5, v.EvalMaxOfTwoF(0.5, 20, 21));
    EXPECT_DOUBLE_EQ(4.0, v.EvalMaxOfTwoF(2.0, 20, 21));
    EXPECT_EQ(1000000.0, v.EvalGamma(0.0));
    EXPECT_NEAR(24.0, v.EvalF(5.0, 74), 0.012);
}

// --- Formula texts ----------------------------------------------------------------

TEST_F(CatalogViewTest, ExplicitFormulaTextsInGbk) {
    CPemroView& v = *view;
    v.SetFFormulaText(0);
    EXPECT_STREQ("f(x)=(ax^2+bx+c)^\xA6\xC1", v.m_pszFormulaF);
    v.SetFFormulaText(31);
    EXPECT_STREQ("\xCE\xC2\xB6\xC8\xC7\xFA\xCF\xDF", v.m_pszFormulaF); // 温度曲线
    v.SetFFormulaText(74);
    EXPECT_STREQ("f(x)=\xA6\xA3(x) x>0", v.m_pszFormulaF);
    v.SetFFormulaText(19);
    EXPECT_STREQ("f(x)=|ax^2+bx+c|", v.m_pszFormulaF);
    v.SetFFormulaText(25);
    EXPECT_STREQ("f(x)=\xA1\xCCx ", v.m_pszFormulaF); // trailing blank kept
    for (int k : {82, 90, 100, -1, INT_MIN, INT_MAX}) {
        v.SetFFormulaText(k);
        EXPECT_STREQ("", v.m_pszFormulaF) << k;
    }
}

// Every text of catalogue A, in GBK, as the program prints it. Forms 44, 68
// and 69 carry the wording of their menu items, which their formulas follow.
TEST_F(CatalogViewTest, EveryTextOfCatalogueA) {
    static const char* const kTexts[] = {
        /* 0 */ u8"f(x)=(ax^2+bx+c)^α",
        /* 1 */ u8"f(x)=α^(ax^2+bx+c)",
        /* 2 */ u8"f(x)=ln(ax^2+bx+c)/lnα",
        /* 3 */ u8"f(x)=sinx",
        /* 4 */ u8"f(x)=cosx",
        /* 5 */ u8"f(x)=tanx",
        /* 6 */ u8"f(x)=cotx",
        /* 7 */ u8"f(x)=secx",
        /* 8 */ u8"f(x)=cscx",
        /* 9 */ u8"f(x)=asinx",
        /* 10 */ u8"f(x)=acos x",
        /* 11 */ u8"f(x)=atanx",
        /* 12 */ u8"f(x)=acot x",
        /* 13 */ u8"f(x)=asecx",
        /* 14 */ u8"f(x)=acscx",
        /* 15 */ u8"f(x)=shx",
        /* 16 */ u8"f(x)=chx",
        /* 17 */ u8"f(x)=thx",
        /* 18 */ u8"f(x)=sgnx",
        /* 19 */ u8"f(x)=|ax^2+bx+c|",
        /* 20 */ u8"f(x)=x",
        /* 21 */ u8"f(x)=x^2",
        /* 22 */ u8"f(x)=x^3",
        /* 23 */ u8"f(x)=x^(1/3)",
        /* 24 */ u8"f(x)=1/x",
        /* 25 */ u8"f(x)=√x ",
        /* 26 */ u8"f(x)=[x]",
        /* 27 */ u8"f(x)=(1+1/x)^x",
        /* 28 */ u8"f(x)=exp(1/x)",
        /* 29 */ u8"f(x)=sinx/x",
        /* 30 */ u8"f(x)=sin(1/x)",
        /* 31 */ u8"温度曲线",
        /* 32 */ u8"f(x)=asin(bx+c)+dcos(ex+f)",
        /* 33 */ u8"f(x)=(ax^2+bx+c)(dcosx+esinx+f)",
        /* 34 */ u8"f(x)=ax^2+bx+c+√(dx^2+ex+f)",
        /* 35 */ u8"f(x)=dx^2+ex+f+exp(ax^2+bx+c)",
        /* 36 */ u8"f(x)=sin(ax^2+bx+c)",
        /* 37 */ u8"f(x)=cos(ax^2+bx+c)",
        /* 38 */ u8"f(x)=ln(ax^2+bx+c)",
        /* 39 */ u8"f(x)=ax^2+bx+c",
        /* 40 */ u8"f(x)=ax^3+bx^2+cx+d",
        /* 41 */ u8"f(x)=ax^4+bx^3+cx^2+dx+e",
        /* 42 */ u8"f(x)=(ax^2+bx+c)/(dx^2+ex+f)",
        /* 43 */ u8"(ax^2+bx+csinx)/(dx^2+ex+f)",
        /* 44 */ u8"f(x)=(ax^2+bx+ccosx)/(dx^2+ex+f)",
        /* 45 */ u8"f(x)=(a+bsinx+ccosx)/(dx^2+ex+f)",
        /* 46 */ u8"f(x)=(aexp(cx)+b)/(dexp(ex)+f)",
        /* 47 */ u8"f(x)=√(ax^2+bx+c) ",
        /* 48 */ u8"f(x)=(ax^2+bx+c)/√(dx^2+ex+f) ",
        /* 49 */ u8"f(x)=|asin(bx+c)+dcos(ex+f)|",
        /* 50 */ u8"f(x)=sin((ax^2+bx+c)/(dx^2+ex+f))",
        /* 51 */ u8"f(x)=cos((ax^2+bx+c)/(dx^2+ex+f))",
        /* 52 */ u8"f(x)=1+(-1)^[x]/x",
        /* 53 */ u8"f(x)=(ax^2+bx+c)^α/(dx^2+ex+f)^β ",
        /* 54 */ u8"f(x)=(ax^2+bx+c)^α+(dx^2+ex+f)^β ",
        /* 55 */ u8"f(x)=(dx^2+ex+f)exp(ax^2+bx+c)",
        /* 56 */ u8"f(x)=(dx^2+ex+f)sin(ax^2+bx+c)",
        /* 57 */ u8"f(x)=(dx^2+ex+f)cos(ax^2+bx+c)",
        /* 58 */ u8"f(x)=(dx^2+ex+f)ln(ax^2+bx+c)",
        /* 59 */ u8"f(x)=6+(x-1)(x-4)(1+0.5sin(2x))",
        /* 60 */ u8"f(x)=6-(x-1)(x-4)(1+0.5cos(3x))",
        /* 61 */ u8"f(x)=-429.744(x+400.(exp(-0.0025x)-1.))",
        /* 62 */ u8"f(x)=d[(ax^2+bx+c)^α]^β+ex+f",
        /* 63 */ u8"f(x)=ax^2+bx+c x<x0, f(x)=dx^2+ex+f x>x0",
        /* 64 */ u8"f(x)=ax^2+bx+c x<x0, f(x)=dx^2+ex+f x0<x<x1 f(x)=gx^2+hx+k x1<x",
        /* 65 */ u8"f(x)=acosx+bsinx+c x<x0,f(x)=dcosx+esinx+f x0<x, ",
        /* 66 */ u8"f(x)=ax^2+bx+c x<x0 f(x)=dcosx+esinx+f x>x0",
        /* 67 */ u8"f(x)=acosx+bsinx+c x<x0 f(x)=dx^2+ex+f x>x0",
        /* 68 */ u8"f(x)=√(ax^2+bx+c) x<x0 f(x)=dx^2+ex+f x>x0",
        /* 69 */ u8"f(x)=ax^2+bx+c x<x0 f(x)=√(dx^2+ex+f) x>x0",
        /* 70 */ u8"介绍极值和最值曲线",
        /* 71 */ u8"f(x)=aexp(bx+c)",
        /* 72 */ u8"f(x)=ax(bx+c)",
        /* 73 */ u8"f(x)=[(a+b)x+ab]/(x+a)",
        /* 74 */ u8"f(x)=Γ(x) x>0",
        /* 75 */ u8"f(x)=1/(b-a) a<x<b;",
        /* 76 */ u8"f(x)=λexp(-λx) x>0;",
        /* 77 */ u8"f(x)=exp(-(x-μ)^2/σ^2/2)/√(2π)/σ",
        /* 78 */ u8"f(x)=Γ((n+1)/2)/√(nπ)/Γ(n/2)(1+x^2/n)^((n+1)/2) x>0",
        /* 79 */ u8"f(x)=(x/2)^(n/2)exp(-x/2)/2/Γ(n/2) x>0",
        /* 80 */ u8"f(x)=(mx/n)^(m/2)(1+mx/n)^(-(m+n)/2)/x/B(m/2,n/2) x>0",
        /* 81 */ u8"f(x)=β[β(x-λ)]^αexp[-β(x-λ)]/Γ(α) x>λ",
    };
    CPemroView& v = *view;
    for (int k = 0; k < 82; ++k) {
        v.SetFFormulaText(k);
        EXPECT_EQ(Gbk(kTexts[k]), std::string(v.m_pszFormulaF)) << k;
    }
}

TEST_F(CatalogViewTest, LowerCurveTextsFollowTheirForms) {
    CPemroView& v = *view;
    // Catalogue B numbers 26..30 as A does, and so do its texts.
    const char* const texts[] = {"g(x)=[x]", "g(x)=(1+1/x)^x", "g(x)=exp(1/x)", "g(x)=sinx/x",
                                 "g(x)=sin(1/x)"};
    for (int k = 26; k <= 30; ++k) {
        v.SetGFormulaText(k);
        EXPECT_EQ(texts[k - 26], v.m_strFormulaG) << k;
    }
    v.SetGFormulaText(44);
    EXPECT_EQ("g(x)=(ax^2+bx+ccosx)/(dx^2+ex+f)", v.m_strFormulaG);
    v.SetGFormulaText(68);
    EXPECT_EQ(Gbk(u8"g(x)=√(ax^2+bx+c) x<x0 g(x)=dx^2+ex+f x>x0"), v.m_strFormulaG);
    v.SetGFormulaText(69);
    EXPECT_EQ(Gbk(u8"g(x)=ax^2+bx+c x<x0 g(x)=√(dx^2+ex+f) x>x0"), v.m_strFormulaG);
}

TEST_F(CatalogViewTest, LowerCurveTextIsACopy) {
    CPemroView& v = *view;
    v.SetFFormulaText(3);
    v.SetGFormulaText(48);
    EXPECT_EQ("g(x)=(ax^2+bx+c)\xA1\xCC(dx^2+ex+f) ", v.m_strFormulaG);
    EXPECT_STREQ("", v.m_pszFormulaF);
    v.SetGFormulaText(64);
    EXPECT_EQ("g(x)=ax^2+bx+c x<x0, g(x)=dx^2+ex+f x0<x<x1 f(x)=gx^2+hx+k x1<x", v.m_strFormulaG);
    v.SetGFormulaText(3);
    v.SetFFormulaText(3);
    v.SetGFormulaText(80); // outside 0..73: the copy stays
    EXPECT_EQ("g(x)=sinx", v.m_strFormulaG);
    EXPECT_STREQ("", v.m_pszFormulaF);
}

TEST_F(CatalogViewTest, ParametricImplicitAndSurfaceTexts) {
    CPemroView& v = *view;
    v.SetParamFormulaText(5);
    EXPECT_STREQ("(cost)^3, y=(sint)^3", v.m_pszFormulaF);
    v.SetParamFormulaText(16);
    EXPECT_STREQ("", v.m_pszFormulaF);
    v.SetParamFormulaText(21);
    EXPECT_STREQ("", v.m_pszFormulaF);
    v.SetImplicitFormulaText(1);
    EXPECT_STREQ("x*x+y*y=R^2", v.m_pszFormulaSurfG);
    v.SetImplicitFormulaText(10);
    EXPECT_STREQ("", v.m_pszFormulaSurfG);
    // Indexes at the int limits find no text (and do not overflow).
    v.SetParamFormulaText(INT_MIN);
    EXPECT_STREQ("", v.m_pszFormulaF);
    v.m_nSurfaceUpper = INT_MAX;
    v.m_nSurfaceLower = INT_MIN;
    v.SetSurfaceFormulaText();
    EXPECT_STREQ("", v.m_pszFormulaSurfF);
    EXPECT_STREQ("", v.m_pszFormulaSurfG);
    v.m_nSurfaceUpper = 14;
    v.m_nSurfaceLower = 30;
    v.SetSurfaceFormulaText();
    EXPECT_STREQ("f(x,y)=a(x-x0)^2+b(x-x0)(y-y0)+c(y-y0)^2+d|x-x0|+e|y-y0|+f", v.m_pszFormulaSurfF);
    EXPECT_STREQ("\xA6\xD0"
                 "2:z=dx+ey+f",
                 v.m_pszFormulaSurfG);
    v.m_nSurfaceUpper = 20;
    v.m_nSurfaceLower = 11;
    v.SetSurfaceFormulaText();
    EXPECT_STREQ("", v.m_pszFormulaSurfF);
    EXPECT_STREQ("g(x,y)=(a1x^2+b1xy+c1y^2+d1x+e1y+f1)/(ax^2+bxy+cy^2+dx+ey+f)",
                 v.m_pszFormulaSurfG);
    // Texts that now say what their forms compute (and their menu items show).
    v.SetParamFormulaText(2);
    EXPECT_STREQ("x=t, y=50t-4.9t^2", v.m_pszFormulaF);
    v.SetParamFormulaText(15);
    EXPECT_STREQ("x=ccos(at+b), y=fsin(dt+e)", v.m_pszFormulaF);
    const struct {
        int k;
        const char* upper;
    } surfaces[] = {
        {4, u8"f(x,y)=(a+bx^2+cy^2)sin(d+ex^2+fy^2)"},
        {7, u8"f(x,y)=(ax^2+bxy+cy^2+dx+ey+f)^α+z0"},
        {8, u8"f(x,y)=-(ax^2+bxy+cy^2+dx+ey+f)^α+z0"},
        {12, u8"f(x,y)=sin(a+bx^2+cy^2)/(d+ex^2+fy^2)"},
        {13, u8"f(x,y)=(ax^2+bxy+cy^2)sin[1/(d+ex^2+fy^2)]"},
    };
    for (const auto& s : surfaces) {
        v.m_nSurfaceUpper = s.k;
        v.m_nSurfaceLower = s.k;
        v.SetSurfaceFormulaText();
        std::string lower = s.upper;
        lower[0] = 'g';
        EXPECT_EQ(Gbk(s.upper), std::string(v.m_pszFormulaSurfF)) << s.k;
        EXPECT_EQ(Gbk(lower), std::string(v.m_pszFormulaSurfG)) << s.k;
    }
    v.m_nSurfaceLower = 14;
    v.SetSurfaceFormulaText();
    EXPECT_STREQ("g(x,y)=a(x-x0)^2+b(x-x0)(y-y0)+c(y-y0)^2+d|x-x0|+e|y-y0|+f", v.m_pszFormulaSurfG);
}

TEST_F(CatalogViewTest, OdeTexts) {
    CPemroView& v = *view;
    v.m_nSurfaceUpper = 9;
    v.m_nSurfaceLower = 10;
    v.m_pszFormulaF = "x";
    v.SetODEFormulaText(2);
    EXPECT_EQ("f(x,y)=(ax+by+c)/(dx+ey+f)", v.m_strFormulaFxy);
    EXPECT_STREQ("x'=-0.62a\xA1\xCC(19.6*y)/A(y)", v.m_pszFormulaSurfF);
    EXPECT_STREQ("y'=6x^2+t", v.m_pszFormulaSurfG);
    EXPECT_STREQ("(x,y,y')=6y^2+x", v.m_pszFormulaOde);
    EXPECT_STREQ("", v.m_pszFormulaF);
    v.m_nSurfaceLower = 20;
    v.SetODEFormulaText(12);
    EXPECT_EQ("f(x,y)=(ax+by+c)/(dx+ey+f)", v.m_strFormulaFxy);
    EXPECT_STREQ("", v.m_pszFormulaSurfG);
    EXPECT_STREQ("(x,y,y')=6y^2+x", v.m_pszFormulaOde);
}

// --- Curves, regions and edges ----------------------------------------------------

TEST_F(CatalogViewTest, ParametricNewtonStartsFromTheLastRoot) {
    CPemroView& v = *view;
    v.m_adCoefF[0] = 1, v.m_adCoefF[2] = 0; // x = cos t
    v.m_dFoundX = 1.0;
    const double t = v.SolveParamT(0.5, 1);
    EXPECT_NEAR(M_PI / 3, t, 1e-6);
    EXPECT_EQ(t, v.m_dFoundX);
    // y = b sin t + d at that t.
    v.m_adCoefF[1] = 2, v.m_adCoefF[3] = 0;
    v.m_nPlotMode = 1;
    EXPECT_NEAR(std::sqrt(3.0), v.EvalCurveY(0.5, 1), 1e-5);
    v.m_nPlotMode = 2;
    EXPECT_EQ(0.5, v.EvalCurveY(0.5, 1));
    v.m_nPlotMode = 0;
    EXPECT_DOUBLE_EQ(0.25, v.EvalCurveY(0.5, 21));
    // x = cos t never reaches 3: the failure value, the last iterate kept.
    v.m_dFoundX = 1.0;
    EXPECT_EQ(1000000.0, v.SolveParamT(3.0, 1));
    EXPECT_NE(1000000.0, v.m_dFoundX);
    // The curve inversion: x with x² = 2, from 1.
    v.m_dNewtonStart = 1.0;
    EXPECT_NEAR(std::sqrt(2.0), v.SolveCurveX(2.0, 21), 1e-6);
    EXPECT_NEAR(std::sqrt(2.0), v.m_dNewtonStart, 1e-6);
}

TEST_F(CatalogViewTest, RegionFunctionByType) {
    CPemroView& v = *view;
    v.m_nRegionType = 0;
    EXPECT_EQ(1.0, v.EvalRegionFunction(0.3, 0.4, 5));
    v.m_nRegionType = 1;
    v.m_nFuncUpper = 21; // y = x²
    v.m_nFuncLower = 20; // y = x
    EXPECT_DOUBLE_EQ((4.0 - 3.0) * (3.0 - 2.0), v.EvalRegionFunction(2.0, 3.0, 5));
    v.m_nRegionType = 2;
    v.m_nFuncRight = 21, v.m_nFuncLeft = 20;
    EXPECT_DOUBLE_EQ((4.0 - 3.0) * (3.0 - 2.0), v.EvalRegionFunction(3.0, 2.0, 5));
    v.m_nRegionType = 3;
    v.m_dImplicitC = 1.0;
    EXPECT_DOUBLE_EQ(1.0 - 0.25 - 0.09, v.EvalRegionFunction(0.5, 0.3, 1));
    EXPECT_EQ(0.0, v.EvalRegionFunction(0.5, 0.3, 30));
    // Forms 12 and 13: the x-type and y-type regions cut by the rectangle.
    v.m_adRegionRect[0] = 0, v.m_adRegionRect[1] = 5, v.m_adRegionRect[2] = 0,
    v.m_adRegionRect[3] = 5;
    EXPECT_DOUBLE_EQ(1.0, v.EvalRegionFunction(2.0, 3.0, 12));
    EXPECT_EQ(-1.0, v.EvalRegionFunction(6.0, 3.0, 12));
    EXPECT_EQ(-1.0, v.EvalRegionFunction(3.0, 6.0, 13));
    // In a 3-D figure the rectangle's edge is outside.
    v.m_bFigure3D = 1;
    EXPECT_EQ(-1.0, v.EvalRegionFunction(0.0, 0.3, 1));
    EXPECT_EQ(-1.0, v.EvalRegionFunction(0.3, 5.0, 1));
    EXPECT_DOUBLE_EQ(1.0 - 0.25 - 0.09, v.EvalRegionFunction(0.5, 0.3, 1));
}

TEST_F(CatalogViewTest, RegionCutOfTwoSurfaces) {
    CPemroView& v = *view;
    v.m_nRegionType = 0;
    v.m_bFigure3D = 1; // ignored by form 0, as is the rectangle
    v.m_nSurfaceUpper = 30, v.m_nSurfaceLower = 30;
    v.m_adCoefSurfF[2] = 5.0; // z = 5
    v.m_adCoefSurfG[5] = 2.5; // z = 2.5
    v.m_dDirP = 2.0;
    EXPECT_DOUBLE_EQ(0.25, v.EvalRegionFunction(100.0, 100.0, 0));
    v.m_dDirP = 4.5;
    EXPECT_DOUBLE_EQ(0.25, v.EvalRegionFunction(100.0, 100.0, 0));
}

TEST_F(CatalogViewTest, ImplicitSolversAndEdgeScans) {
    CPemroView& v = *view;
    v.m_nRegionType = 3;
    v.m_dImplicitC = 1.0; // the unit disc
    EXPECT_NEAR(0.8, v.SolveImplicitX(0.5, 0.6, 1), 1e-6);
    EXPECT_NEAR(0.6, v.SolveImplicitY(0.8, 0.5, 1), 1e-6);
    v.m_dImplicitC = -1.0; // no curve
    EXPECT_EQ(1000000.0, v.SolveImplicitY(0.0, 0.3, 1));
    v.m_dImplicitC = 1.0;
    v.m_nFuncF = 1;
    v.m_dXMin = -3, v.m_dXMax = 3, v.m_dYMin = -3, v.m_dYMax = 3;
    // Already inside: the start itself.
    EXPECT_EQ(0.25, v.FindRegionEdgeMax(0.25, 0.0, 2));
    EXPECT_EQ(0.25, v.FindRegionEdgeMin(0.25, 0.0, 2));
    // From outside, the first point of the scan inside the disc.
    EXPECT_NEAR(-1.0, v.FindRegionEdgeMax(-2.0, 0.0, 2), 0.0011);
    EXPECT_NEAR(1.0, v.FindRegionEdgeMin(2.0, 0.0, 2), 0.0011);
    EXPECT_NEAR(-1.0, v.FindRegionEdgeMax(0.0, -2.0, 1), 0.0011);
    EXPECT_NEAR(1.0, v.FindRegionEdgeMin(0.0, 2.0, 1), 0.0011);
    // The range ends first: the start comes back; other modes give 0.
    EXPECT_EQ(-2.0, v.FindRegionEdgeMax(-2.0, 2.0, 2));
    EXPECT_EQ(0.0, v.FindRegionEdgeMax(-2.0, 0.0, 3));
    // An endless range still ends.
    v.m_dXMax = 1e300;
    EXPECT_EQ(5.0, v.FindRegionEdgeMax(5.0, 0.0, 2));
}

// --- Surfaces ------------------------------------------------------------------------

TEST_F(CatalogViewTest, SurfaceModes) {
    CPemroView& v = *view;
    v.m_adCoefSurfF[5] = 5.0; // Q = 5
    v.m_nSurfaceEvalMode = 1;
    v.m_dDirP = 2.0;
    EXPECT_EQ(2.0, v.EvalSurfaceF(0.3, 0.4, 1));
    v.m_adCoefSurfF[5] = 1.0;
    EXPECT_EQ(1.0, v.EvalSurfaceF(0.3, 0.4, 1));
    v.m_nSurfaceEvalMode = 2;
    v.m_dZMin = -3.0;
    EXPECT_EQ(-103.0, v.EvalSurfaceG(0.3, 0.4, 1));
    EXPECT_EQ(-103.0, v.EvalSurfaceG(0.3, 0.4, 7));
    v.m_nSurfaceUpper = 1, v.m_nSurfaceLower = -1;
    EXPECT_EQ(1.0, v.EvalSurfaceF(0.3, 0.4, 25)); // max(-1000, 1): k ignored
    v.m_nSurfaceLower = 30, v.m_adCoefSurfG[5] = 4.0;
    EXPECT_EQ(4.0, v.EvalSurfaceF(0.3, 0.4, 25));
}

TEST_F(CatalogViewTest, ProfileFormsAndTaylorExpansion) {
    CPemroView& v = *view;
    v.m_nSurfaceUpperProfile = 21; // x²
    EXPECT_DOUBLE_EQ(0.09, v.EvalSurfaceCatalogueF(0.3, 0.4, 17));
    EXPECT_DOUBLE_EQ(0.16, v.EvalSurfaceCatalogueF(0.3, 0.4, 18));
    EXPECT_NEAR(0.25, v.EvalSurfaceCatalogueF(0.3, 0.4, 19), 1e-15);
    // Form 0 expands the selected quadric: degree 2 gives it back.
    const double q[6] = {1.0, -2.0, 0.5, 3.0, -1.0, 0.25};
    for (int i = 0; i < 6; ++i) v.m_adCoefSurfF[i] = q[i];
    v.m_nSurfaceUpper = 1;
    v.m_nDemoStep = 2;
    v.m_dX0 = 0.2, v.m_dY0 = -0.1;
    const double x = 0.7, y = 0.4;
    const double exact = q[0] * x * x + q[1] * x * y + q[2] * y * y + q[3] * x + q[4] * y + q[5];
    EXPECT_NEAR(exact, v.EvalSurfaceCatalogueF(x, y, 0), 1e-5);
    // Degree 1: the tangent plane at the expansion point.
    v.m_nDemoStep = 1;
    const double fx = 2 * q[0] * 0.2 + q[1] * -0.1 + q[3], fy = q[1] * 0.2 + 2 * q[2] * -0.1 + q[4];
    const double f0 = q[0] * 0.04 + q[1] * -0.02 + q[2] * 0.01 + q[3] * 0.2 + q[4] * -0.1 + q[5];
    EXPECT_NEAR(f0 + fx * 0.5 + fy * 0.5, v.EvalSurfaceCatalogueF(x, y, 0), 1e-6);
    // Expanding form 0 itself ends.
    v.m_nSurfaceUpper = 0;
    EXPECT_TRUE(std::isfinite(v.EvalSurfaceCatalogueF(x, y, 0)));
    v.m_nSurfaceEvalMode = 2;
    v.m_nSurfaceLower = 0;
    EXPECT_TRUE(std::isfinite(v.EvalSurfaceF(x, y, 0)));
    EXPECT_EQ(0, v.m_nSurfaceExpansionDepth);
}

TEST_F(CatalogViewTest, DescentObjectiveAndRamp) {
    CPemroView& v = *view;
    v.m_nSurfaceUpper = 30, v.m_nSurfaceLower = 30;
    v.m_adCoefSurfF[2] = 3.0, v.m_adCoefSurfG[5] = 4.0;
    EXPECT_DOUBLE_EQ(5.0, v.EvalDescentObjective(1.0, 1.0, 0));
    EXPECT_DOUBLE_EQ(3.0, v.EvalDescentObjective(1.0, 1.0, 30));
    v.m_nDemoStep = 4;
    EXPECT_DOUBLE_EQ(0.5, v.EvalRampFunction(2.0, 2));
    EXPECT_EQ(1.0, v.EvalRampFunction(2.0, 7));
}

// --- Differential equations -----------------------------------------------------------

TEST_F(CatalogViewTest, OdeRightHandSides) {
    CPemroView& v = *view;
    v.m_adCoefSurfF[0] = 1, v.m_adCoefSurfF[1] = 2, v.m_adCoefSurfF[5] = 3;
    EXPECT_EQ(v.EvalODERightSide(0.0, 1.0, 2.0, 1), v.EvalODERightSide(5.0, 1.0, 2.0, 1));
    EXPECT_DOUBLE_EQ(1 + 2 * 2 + 3, v.EvalODERightSide(0.0, 1.0, 2.0, 1));
    EXPECT_EQ(-1.0, v.EvalODERightSide(0.0, 1.0, 0.0, 10));
    EXPECT_EQ(2.0, v.EvalODERightSide(0.0, 1.0, 2.0, 0));
    v.m_nFuncUpper = 20; // A(y) = y
    EXPECT_NEAR(-0.62 * std::sqrt(19.6 * 2.0) / 2.001, v.EvalODERightSide(0.0, 1.0, 2.0, 10),
                1e-14);
    v.m_dOdeP = 0, v.m_dOdeQ = 0;
    v.m_nFuncUpper = 3;
    EXPECT_DOUBLE_EQ(std::sin(0.8), v.EvalSecondOrderRightSide(0.8, 5.0, 7.0, 0));
    v.m_dOdeP = 2, v.m_dOdeQ = 3;
    EXPECT_DOUBLE_EQ(-14.0 - 15.0 + std::sin(0.8), v.EvalSecondOrderRightSide(0.8, 5.0, 7.0, 0));
    EXPECT_DOUBLE_EQ(25.0, v.EvalSecondOrderRightSide(1.0, 2.0, 0.0, 10));
    // Liénard: -f(y)·y' - g(y), f = x, g = x².
    v.m_nFuncUpper = 20, v.m_nFuncLower = 21;
    EXPECT_DOUBLE_EQ(-2.0 * 3.0 - 4.0, v.EvalSecondOrderRightSide(0.0, 2.0, 3.0, 18));
    EXPECT_DOUBLE_EQ(-2.0 * 3.0 - 4.0, v.EvalSecondOrderRightSide(0.0, 2.0, 3.0, -4));
    // Ball on the line y = x: -g/(0.4λ² + 1)/2 - μ·p.
    v.m_nFuncF = 20;
    v.m_dGravity = 9.8, v.m_dSavedLambda = 0, v.m_dSavedMu = 0.5;
    EXPECT_NEAR(-4.9 - 0.5, v.EvalSecondOrderRightSide(0.0, 0.0, 1.0, 16), 1e-6);
}

// --- Quadrature and panels -----------------------------------------------------------

TEST_F(CatalogViewTest, IntegrateTheCurrentFunction) {
    CPemroView& v = *view;
    v.m_nFuncF = 21;
    v.m_dDemoParam = 0;
    EXPECT_NEAR(1.0 / 3.0, v.Integrate(0, 1, 10, 5, 0), 1e-13);
    EXPECT_EQ(v.Integrate(0, 1, 10, 1, 0), v.Integrate(0, 1, 10, 3, 1));
    v.m_dParamStep = 0.2;
    EXPECT_NEAR(1.0 / 3.0 - 4e-4 / 12, v.Integrate(0, 1, 10, 1, 0), 1e-13);
    // Washer of f = g: nothing; swapping f and g changes nothing.
    v.m_nFuncUpper = 21, v.m_nFuncLower = 21;
    EXPECT_EQ(0.0, v.Integrate(0, 1, 10, 6, 0));
    v.m_nFuncUpper = 20;
    const double washer = v.Integrate(0, 1, 10, 6, 0);
    v.m_nFuncUpper = 21, v.m_nFuncLower = 20;
    EXPECT_NEAR(washer, v.Integrate(0, 1, 10, 6, 0), 1e-12);
    EXPECT_NEAR(M_PI * (1.0 / 3.0 - 1.0 / 5.0), washer, 1e-9);
    EXPECT_EQ(0.0, v.Integrate(0, 1, 0, 5, 0));
    EXPECT_EQ(0.0, v.Integrate(0, 1, 10, 12, 0));
}

TEST_F(CatalogViewTest, CoefficientButtonsAndFunctionNames) {
    CPemroView& v = *view;
    for (int mode : {0, 1, 2, 3}) {
        v.m_nPlotMode = mode;
        EXPECT_TRUE(v.FunctionHasCoefficients(75)) << mode;
    }
    v.m_nPlotMode = 0;
    EXPECT_FALSE(v.FunctionHasCoefficients(3));
    EXPECT_TRUE(v.FunctionHasCoefficients(2));
    EXPECT_TRUE(v.FunctionHasCoefficients(64));
    EXPECT_FALSE(v.FunctionHasCoefficients(60));
    v.m_nPlotMode = 1;
    EXPECT_TRUE(v.FunctionHasCoefficients(18));
    EXPECT_FALSE(v.FunctionHasCoefficients(3));
    v.m_nPlotMode = 2;
    EXPECT_TRUE(v.FunctionHasCoefficients(14));
    EXPECT_FALSE(v.FunctionHasCoefficients(2));
    v.m_bShowFuncName = 1;
    v.OnShowFuncNameNo();
    EXPECT_EQ(0, v.m_bShowFuncName);
    v.OnShowFuncNameYes();
    EXPECT_EQ(1, v.m_bShowFuncName);
}
