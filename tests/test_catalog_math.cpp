// The pure catalogue mathematics: explicit, parametric, implicit and surface
// forms at sample points (expected values computed independently with
// mpmath), Γ, the Newton iteration, the Taylor polynomial, the parabola,
// the ODE forms, the quadrature rules and bad input.
#include "catalog/math/explicit_catalogue.h"
#include "catalog/math/ode_forms.h"
#include "catalog/math/plane_curves.h"
#include "catalog/math/quadrature.h"
#include "catalog/math/surfaces.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

using namespace catalog;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Sample {
    int k;
    double x;
    double expected;
};

// a..f = 1.5, -0.5, 2, 0.7, 1.2, -0.3; g, h, i = 0.4, -1.1, 2.2; α = 1.7,
// β = 0.6; breakpoints 0.5 and 2.
ExplicitCoefs SampleCoefs() {
    ExplicitCoefs cf;
    cf.a = 1.5, cf.b = -0.5, cf.c = 2.0, cf.d = 0.7, cf.e = 1.2, cf.f = -0.3;
    cf.g = 0.4, cf.h = -1.1, cf.i = 2.2;
    cf.alpha = 1.7, cf.beta = 0.6;
    cf.x0 = 0.5, cf.x1 = 2.0;
    return cf;
}

Extension NoExtension() {
    Extension ext;
    ext.periodic = 0;
    ext.symmetry = 2;
    return ext;
}

Extension Symmetry(int symmetry) {
    Extension ext = NoExtension();
    ext.symmetry = symmetry;
    return ext;
}

double A(double x, int k, const Extension& ext = NoExtension(),
         const ExplicitCoefs& cf = SampleCoefs()) {
    return EvalExplicit(ExplicitCatalogue::A, x, k, cf, ext, Densities());
}

double B(double x, int k, const Extension& ext = NoExtension(),
         const ExplicitCoefs& cf = SampleCoefs()) {
    return EvalExplicit(ExplicitCatalogue::B, x, k, cf, ext, Densities());
}

void ExpectClose(double expected, double actual, const char* what, int k, double x) {
    // Form 61 loses a few digits to cancellation.
    const double tol = 1e-10 * std::fmax(1.0, std::fabs(expected));
    EXPECT_NEAR(expected, actual, tol) << what << " form " << k << " at x = " << x;
}

} // namespace

// --- Explicit catalogues ------------------------------------------------------

TEST(CatalogExplicit, CatalogueAFormsAtSamplePoints) {
    const Sample samples[] = {
        {0, 0.8, 4.9431972548977977},
        {0, 1.3, 10.04534228143605},
        {0, 2.7, 64.361071363446062},
        {1, 0.8, 3.8899967521967927},
        {1, 1.3, 7.8576749545829158},
        {1, 2.7, 467.46678054919399},
        {2, 0.8, 1.7714987029240108},
        {2, 1.3, 2.5575777036051653},
        {2, 2.7, 4.6166240734086403},
        {3, 0.8, 0.71735609089952279},
        {3, 1.3, 0.96355818541719298},
        {3, 2.7, 0.42737988023382977},
        {6, 0.8, 0.97121460065047433},
        {6, 1.3, 0.27761564654112514},
        {6, 2.7, -2.1153830206569895},
        {13, 0.8, 0},
        {13, 1.3, 0.69315990757675386},
        {13, 2.7, 1.1913886116671715},
        {15, 0.8, 0.88810598218762307},
        {15, 1.3, 1.6983824372926159},
        {15, 2.7, 7.4062631060665435},
        {17, 0.8, 0.66403677026784899},
        {17, 1.3, 0.86172315931330638},
        {17, 2.7, 0.99100745367811764},
        {19, 0.8, 2.5600000000000001},
        {19, 1.3, 3.8850000000000002},
        {19, 2.7, 11.585000000000001},
        {23, 0.8, 0.9283177667225558},
        {23, 1.3, 1.0913928830611059},
        {23, 2.7, 1.3924766500838337},
        {27, 0.8, 1.9131367509386863},
        {27, 1.3, 2.0995190947575496},
        {27, 2.7, 2.341329255350016},
        {31, 0.8, 9.8688888888888889},
        {31, 1.3, 9.8532421875},
        {31, 2.7, 10.0495703125},
        {32, 0.8, 2.0523549666104133},
        {32, 1.3, 1.6776568726047911},
        {32, 2.7, 0.22195536211158027},
        {33, 0.8, 2.6842163343934544},
        {33, 1.3, 4.054071324859519},
        {33, 2.7, -4.8656379406766567},
        {34, 0.8, 3.6126157893552615},
        {34, 1.3, 5.448009916795156},
        {34, 2.7, 14.421018335624791},
        {35, 0.8, 14.043817315543077},
        {35, 1.3, 51.109942459490425},
        {35, 2.7, 107481.58765170613},
        {38, 0.8, 0.84838200224862012},
        {38, 1.3, 0.55551493402358199},
        {38, 2.7, 0.3045767944652915},
        {40, 0.8, 2.7480000000000001},
        {40, 1.3, 5.7505000000000003},
        {40, 2.7, 31.979500000000006},
        {41, 0.8, 3.3984000000000002},
        {41, 1.3, 8.6756500000000006},
        {41, 2.7, 87.544650000000021},
        {42, 0.8, 2.3104693140794224},
        {42, 1.3, 1.5902578796561605},
        {42, 2.7, 1.4403829416884248},
        {43, 0.8, 1.8002817525262144},
        {43, 1.3, 1.5604242205625813},
        {43, 2.7, 1.2979932563058138},
        {45, 0.8, 2.2876673043723549},
        {45, 1.3, 0.63578328470756375},
        {45, 2.7, -0.064880545089026148},
        // (a·e^(cx) + b)/(d·e^(ex) + f), as the menu item and the text write it.
        {46, 0.8, 4.5344884016045461},
        {46, 1.3, 6.4976808949755519},
        {46, 2.7, 18.869754958960841},
        {47, 0.8, 1.1199999999999999},
        {47, 1.3, 1.3797282341098916},
        {47, 2.7, 2.3825721395164512},
        // |a·sin(bx + c) + d·cos(ex + f)|, as the menu item and the text write it.
        {49, 0.8, 2.0523549666104133},
        {49, 1.3, 1.6776568726047911},
        {49, 2.7, 0.22195536211158035},
        {53, 0.8, 7.2118857628185856},
        {53, 1.3, 7.4128481119444371},
        {53, 2.7, 17.978882451254991},
        {54, 0.8, 6.7283248365226868},
        {54, 1.3, 11.270269408688815},
        {54, 2.7, 53.61595625785468},
        {59, 0.8, 6.9598635529732814},
        {59, 1.3, 4.9812219444123069},
        {59, 2.7, 4.6439047587493658},
        {61, 0.8, -0.34356611775257595},
        {61, 1.3, -0.9068515115141053},
        {61, 2.7, -3.9072459537225131},
        {62, 0.8, 2.486008541225895},
        {62, 1.3, 4.0543247898668801},
        {62, 2.7, 11.456712734477654},
        {64, 0.8, 1.1080000000000001},
        {64, 1.3, 2.443},
        {64, 2.7, 2.1460000000000003},
        {68, 0.8, 1.1080000000000001},
        {68, 1.3, 2.443},
        {68, 2.7, 8.0430000000000005},
        {70, 0.8, 1.0133560908995227},
        {70, 1.3, 1.2526256410423509},
        {70, 2.7, 1.1539256766313405},
        {71, 0.8, 3.5013450005922025},
        {71, 1.3, 13.172708884030138},
        {71, 2.7, 29089.925211762782},
        {73, 0.8, 0.021739130434782628},
        {73, 1.3, 0.19642857142857144},
        {73, 2.7, 0.46428571428571431},
        {82, 0.8, 1.3884403719751151},
        {82, 1.3, 14.430931357453258},
        {82, 2.7, 7672.0989380530539},
        {83, 0.8, 5.4239676706831383},
        {83, 1.3, 13.720723096815711},
        {83, 2.7, 31.465963354924935},
        {85, 0.8, 8.4967501876750295},
        {85, 1.3, 10.408531885710671},
        {85, 2.7, 58.425464646885138},
        {88, 0.8, 4.6129216519167214},
        {88, 1.3, 4.8316203759703166},
        {88, 2.7, 0.3416808442828521},
        {89, 0.8, -2.8476652887585718},
        {89, 1.3, -2.65446755455969},
        {89, 2.7, -0.7474417915723458},
    };
    for (const Sample& s : samples) ExpectClose(s.expected, A(s.x, s.k), "A", s.k, s.x);
}

TEST(CatalogExplicit, CatalogueBDiffersWhereItShould) {
    const Sample samples[] = {
        // Forms 28 and 29 as in A (exp(1/x), sin x/x), as B's menu items say.
        {28, 0.8, 3.4903429574618414},  {28, 1.3, 2.1581055339484456},
        {28, 2.7, 1.4482709119769421},  {29, 0.8, 0.89669511362440345},
        {29, 1.3, 0.74119860416707151}, {29, 2.7, 0.15828884453104812},
        {35, 0.8, 14.33288558562173},   {35, 1.3, 118.89334042853511},
        {35, 2.7, 864409.71963367248},  {38, 0.8, 0.84838200224862012},
        {38, 1.3, 0.55551493402358199}, {38, 2.7, 0.3045767944652915},
        {43, 0.8, 1.8002817525262144},  {43, 1.3, 1.5604242205625813},
        {43, 2.7, 1.2979932563058138},  {47, 0.8, 1.1199999999999999},
        {47, 1.3, 1.3797282341098916},  {47, 2.7, 2.3825721395164512},
        {48, 0.8, 2.4320364808208205},  {48, 1.3, 2.4855888361642164},
        {48, 2.7, 4.0849524329495446},  {53, 0.8, 4.6481922772855329},
        {53, 1.3, 5.8777438960128685},  {53, 2.7, 18.423512086097619},
        {54, 0.8, 6.006663858689959},   {54, 1.3, 11.754389572225675},
        {54, 2.7, 67.854491676721342},
    };
    for (const Sample& s : samples) ExpectClose(s.expected, B(s.x, s.k), "B", s.k, s.x);
}

TEST(CatalogExplicit, ProfileFRenumbersAndDiffers) {
    const Sample samples[] = {
        {26, 0.8, 1.9131367509386863},
        {26, 1.3, 2.0995190947575496},
        {26, 2.7, 2.341329255350016},
        {27, 0.8, 0.89669511362440344},
        {27, 1.3, 0.7411986041670715},
        {27, 2.7, 0.15828884453104805},
        {29, 0.8, 0.94898461935558619},
        {29, 1.3, 0.69558279374803333},
        {29, 2.7, 0.36196071357921042},
        {30, 0.8, 0},
        {30, 1.3, 1},
        {30, 2.7, 2},
        {38, 0.8, 0.94000725849147114},
        {38, 1.3, 1.3571229838196108},
        {38, 2.7, 2.4497111578843396},
        {43, 0.8, 1.9266355431399328},
        {43, 1.3, 1.382364457975598},
        {43, 2.7, 0.54765134408400591},
        {71, 0.8, 4.9530324243951147},
        {71, 1.3, 3.8574255306969743},
        {71, 2.7, 1.9155408290138959},
    };
    for (const Sample& s : samples) {
        const double v = EvalExplicit(ExplicitCatalogue::ProfileF, s.x, s.k, SampleCoefs(),
                                      NoExtension(), Densities());
        ExpectClose(s.expected, v, "profile F", s.k, s.x);
    }
}

TEST(CatalogExplicit, UnknownIndexesGiveZero) {
    for (int k : {-1, -100, 91, 99, 101, INT_MAX, INT_MIN}) {
        EXPECT_EQ(0.0, A(0.7, k)) << k;
        EXPECT_EQ(0.0, B(0.7, k)) << k;
    }
    EXPECT_EQ(0.0, B(0.7, 100));
    // The profiles know fewer forms than the catalogues they repeat.
    EXPECT_EQ(0.0, EvalExplicit(ExplicitCatalogue::ProfileF, 0.7, 74, SampleCoefs(), NoExtension(),
                                Densities()));
    EXPECT_EQ(0.0, EvalExplicit(ExplicitCatalogue::ProfileG, 0.7, 72, SampleCoefs(), NoExtension(),
                                Densities()));
    EXPECT_NE(0.0, B(0.7, 72));
    EXPECT_DOUBLE_EQ(0.5 + 0.7, EvalExplicit(ExplicitCatalogue::ProfileF, 0.7, 100, SampleCoefs(),
                                             NoExtension(), Densities()));
}

TEST(CatalogExplicit, OddAndEvenExtension) {
    EXPECT_NEAR(-0.8414709848078965, A(-1.0, 3, Symmetry(0)), 1e-15);
    EXPECT_NEAR(0.8414709848078965, A(-1.0, 3, Symmetry(1)), 1e-15);
    EXPECT_NEAR(-0.8414709848078965, A(-1.0, 3, Symmetry(2)), 1e-15);
    // [x] takes its positive branch without the sign factor.
    EXPECT_EQ(1.0, A(-1.5, 26, Symmetry(0)));
    // Form 45 carries no sign factor: even even in odd mode.
    EXPECT_DOUBLE_EQ(A(0.9, 45, Symmetry(0)), A(-0.9, 45, Symmetry(0)));
    // Form 42 keeps c outside the sign factor.
    ExpectClose(-(1.5 * 0.64 - 0.5 * 0.8) / (0.7 * 0.64 + 1.2 * 0.8 - 0.3) +
                    2.0 / (0.7 * 0.64 + 1.2 * 0.8 - 0.3),
                A(-0.8, 42, Symmetry(0)), "A odd", 42, -0.8);
    // Catalogue B's form 43 keeps c·sin x outside the sign, A's does not.
    const double q = 0.7 * 0.64 + 1.2 * 0.8 - 0.3;
    ExpectClose(-(1.5 * 0.64 - 0.5 * 0.8 + 2.0 * std::sin(0.8)) / q, A(-0.8, 43, Symmetry(0)),
                "A odd", 43, -0.8);
    ExpectClose((-(1.5 * 0.64 - 0.5 * 0.8) + 2.0 * std::sin(0.8)) / q, B(-0.8, 43, Symmetry(0)),
                "B odd", 43, -0.8);
}

TEST(CatalogExplicit, PeriodicExtension) {
    Extension ext = NoExtension();
    ext.periodic = 1;
    ext.period = M_PI;
    for (double x : {-2.0, -0.3, 0.4, 1.4, 3.0})
        EXPECT_NEAR(A(x, 3, ext), A(x + 2 * M_PI, 3, ext), 1e-12) << x;
    // Reduced into one period centred on 0: x² repeats with period π.
    EXPECT_NEAR(0.25, A(M_PI + 0.5, 21, ext), 1e-12);
    EXPECT_NEAR(0.25, A(-M_PI - 0.5, 21, ext), 1e-12);
    // Half a period maps to minus half a period.
    EXPECT_NEAR(-0.5 * M_PI, A(0.5 * M_PI, 20, ext), 1e-12);
    // A zero or non-finite period leaves x alone.
    ext.period = 0;
    EXPECT_DOUBLE_EQ(7.25, A(7.25, 20, ext));
    ext.period = kNaN;
    EXPECT_DOUBLE_EQ(7.25, A(7.25, 20, ext));
    ext.period = kInf;
    EXPECT_DOUBLE_EQ(7.25, A(7.25, 20, ext));
}

TEST(CatalogExplicit, FloorAndGuardedForms) {
    EXPECT_EQ(2.0, A(2.5, 26));
    EXPECT_EQ(-3.0, A(-2.5, 26));
    EXPECT_EQ(-1.0, A(-0.5, 26));
    // [x] is the floor also at the integers 0, -1, -2 (not one less).
    EXPECT_EQ(0.0, A(0.0, 26));
    EXPECT_EQ(-1.0, A(-1.0, 26));
    EXPECT_EQ(-2.0, A(-2.0, 26));
    EXPECT_EQ(3.0, A(3.0, 26));
    EXPECT_EQ(-2.0, EvalExplicit(ExplicitCatalogue::ProfileF, -2.0, 30, SampleCoefs(),
                                 NoExtension(), Densities()));
    EXPECT_EQ(1.0, A(1e-6, 29));
    EXPECT_EQ(0.0, A(0.0, 52));
    EXPECT_DOUBLE_EQ(1.0 + 1.0 / 0.5, A(0.5, 52));
    EXPECT_DOUBLE_EQ(1.0 - 1.0 / 1.5, A(1.5, 52));
    // 1 + (−1)^[x]/x for negative x: [−0.5] = −1, [−1.5] = −2, [−2.5] = −3.
    EXPECT_DOUBLE_EQ(1.0 - 1.0 / -0.5, A(-0.5, 52));
    EXPECT_DOUBLE_EQ(1.0 + 1.0 / -1.5, A(-1.5, 52));
    EXPECT_DOUBLE_EQ(1.0 - 1.0 / -2.5, A(-2.5, 52));
    EXPECT_DOUBLE_EQ(1.0 + 1.0 / -2.0, A(-2.0, 52));
    EXPECT_EQ(0.0, A(0.0, 24));
    EXPECT_EQ(0.0, A(0.0, 12));
    EXPECT_EQ(0.0, A(1.5, 9));
    EXPECT_EQ(0.0, A(0.5, 14));
    EXPECT_EQ(-1.0, A(-3.0, 18));
    EXPECT_EQ(0.0, A(0.0, 18));
    EXPECT_EQ(0.0, A(-0.5, 27));
    EXPECT_NEAR(1.0, A(800.0, 17), 1e-15); // th x stays finite for large x
}

TEST(CatalogExplicit, DivisionsByZeroGiveTheFailureValue) {
    ExplicitCoefs cf = SampleCoefs();
    EXPECT_EQ(0.0, A(-1.5, 73)); // x + a = 0
    cf.alpha = 1.0;              // ln α = 0
    EXPECT_EQ(0.0, A(0.8, 2, NoExtension(), cf));
    cf = SampleCoefs();
    cf.d = 0; // d·(x² + ex + f)^β = 0
    EXPECT_EQ(0.0, A(0.8, 53, NoExtension(), cf));
    EXPECT_EQ(0.0, A(0.0, 82)); // c/x
    cf = SampleCoefs();
    cf.d = 0, cf.e = 0, cf.f = 1e-200, cf.beta = 2.0; // |q|^β underflows to 0
    EXPECT_EQ(0.0, A(0.8, 84, NoExtension(), cf));
    EXPECT_EQ(0.0, B(0.8, 53, NoExtension(), cf));
    Densities dn;
    ExplicitCoefs box;
    box.a = 1.0, box.b = 1.0; // b − a = 0
    EXPECT_EQ(0.0, EvalExplicit(ExplicitCatalogue::A, 1.0, 75, box, NoExtension(), dn));
    dn.sigma = 0;
    EXPECT_EQ(0.0, EvalExplicit(ExplicitCatalogue::A, 1.0, 77, box, NoExtension(), dn));
    dn.n = 0;
    EXPECT_EQ(0.0, EvalExplicit(ExplicitCatalogue::A, 1.0, 78, box, NoExtension(), dn));
    dn.n = 2, dn.m = 0;
    EXPECT_EQ(0.0, EvalExplicit(ExplicitCatalogue::A, 1.0, 80, box, NoExtension(), dn));
}

TEST(CatalogExplicit, TriangleAndBox) {
    ExplicitCoefs cf;
    cf.a = 0, cf.b = 1, cf.c = 2, cf.d = 1;
    EXPECT_DOUBLE_EQ(1.0, A(1.0, 90, NoExtension(), cf));
    EXPECT_DOUBLE_EQ(0.5, A(0.5, 90, NoExtension(), cf));
    EXPECT_DOUBLE_EQ(0.5, A(1.5, 90, NoExtension(), cf));
    EXPECT_EQ(0.0, A(2.5, 90, NoExtension(), cf));
    EXPECT_DOUBLE_EQ(1.0, B(0.5, 90, NoExtension(), cf));
    EXPECT_DOUBLE_EQ(1.0, B(1.5, 90, NoExtension(), cf));
    EXPECT_EQ(0.0, B(2.0, 90, NoExtension(), cf));
    EXPECT_EQ(0.0, B(0.0, 90, NoExtension(), cf));
}

TEST(CatalogExplicit, Densities) {
    Densities dn;
    dn.lambda = 2.0, dn.mu = 1.0, dn.sigma = 0.5, dn.invSqrt2Pi = 1.0 / std::sqrt(6.283192);
    dn.n = 4, dn.m = 6, dn.gammaAlpha = 3.0, dn.gammaBeta = 2.0;
    ExplicitCoefs cf;
    cf.a = 1.0, cf.b = 3.0;
    auto eval = [&](double x, int k) {
        return EvalExplicit(ExplicitCatalogue::A, x, k, cf, NoExtension(), dn);
    };
    EXPECT_DOUBLE_EQ(0.5, eval(2.0, 75));
    EXPECT_EQ(0.0, eval(3.5, 75));
    EXPECT_NEAR(2.0 * std::exp(-1.0), eval(0.5, 76), 1e-15);
    EXPECT_EQ(0.0, eval(0.0, 76));
    // Normal density at its mean: 1/(σ√6.283192).
    EXPECT_NEAR(2.0 / std::sqrt(6.283192), eval(1.0, 77), 1e-15);
    // Textbook densities (mpmath's npdf, Γ and B at 30 digits); the
    // catalogue's rounded 2π and π move the first two by less than 1e-6.
    // Normal N(1, 0.5²) at μ ± σ: e^(-1/2)/(σ√(2π)).
    EXPECT_NEAR(0.48394144903828670, eval(1.5, 77), 1e-6);
    EXPECT_NEAR(0.48394144903828670, eval(0.5, 77), 1e-6);
    // Student's t with 4 degrees of freedom: 3/8 at 0, 0.375 · 1.25^-2.5 at 1.
    EXPECT_NEAR(0.375, eval(0.0, 78), 1e-6);
    EXPECT_NEAR(0.21466252583997981, eval(1.0, 78), 1e-6);
    // χ² with 4: x e^(-x/2)/4.
    EXPECT_NEAR(0.18393972058572116, eval(2.0, 79), 1e-12);
    EXPECT_NEAR(0.10260624827987349, eval(5.0, 79), 1e-12);
    EXPECT_EQ(0.0, eval(-1.0, 79));
    // F(4, 6): √((4x)⁴ 6⁶ / (4x + 6)¹⁰) / (x B(2, 3)).
    EXPECT_NEAR(0.25, eval(1.5, 80), 1e-12);
    EXPECT_NEAR(0.55009748464772029, eval(0.7, 80), 1e-12);
    EXPECT_EQ(0.0, eval(0.0, 80));
    // Γ(α = 3, β = 2) shifted by λ = 2: β³ (x - 2)² e^(-β(x - 2)) / Γ(3).
    EXPECT_EQ(0.0, eval(2.0, 81)); // x <= λ
    EXPECT_NEAR(0.54134113294645077, eval(3.0, 81), 1e-12);
    EXPECT_NEAR(0.36787944117144232, eval(2.5, 81), 1e-12);
    EXPECT_NEAR(4.1706517837966040, eval(3.7, 74), 1e-12);
}

// --- Γ --------------------------------------------------------------------------

TEST(CatalogGamma, KnownValues) {
    // Exact values; the non-integers from mpmath at 30 digits.
    EXPECT_NEAR(24.0, EvalGamma(5.0), 1e-12);
    EXPECT_NEAR(1.0, EvalGamma(1.0), 1e-15);
    EXPECT_NEAR(std::sqrt(M_PI), EvalGamma(0.5), 1e-14);
    EXPECT_NEAR(11.631728396567448929, EvalGamma(4.5), 1e-12);
    EXPECT_NEAR(4.1706517837966040301, EvalGamma(3.7), 1e-12);
    EXPECT_NEAR(3628800.0, EvalGamma(11.0), 1e-6);
}

TEST(CatalogGamma, FailureAndBadInput) {
    EXPECT_EQ(kNoValue, EvalGamma(0.0));
    EXPECT_EQ(kNoValue, EvalGamma(-2.5));
    EXPECT_EQ(kNoValue, EvalGamma(-kInf));
    EXPECT_TRUE(std::isnan(EvalGamma(kNaN)));
    // Large arguments overflow instead of looping through the reduction.
    EXPECT_EQ(kInf, EvalGamma(1e300));
    EXPECT_EQ(kInf, EvalGamma(kInf));
}

// --- Parametric and implicit forms ------------------------------------------------

TEST(CatalogCurves, ParametricForms) {
    const double coef[6] = {1.5, -0.5, 2.0, 0.7, 1.2, -0.3};
    struct P {
        int k;
        double x, y;
    };
    const P samples[] = {
        {1, 2.9324149524059967, 0.30833654518625825},
        {2, 0.90000000000000002, 41.031000000000001},
        {3, 0.11667309037251662, 0.37839003172933556},
        {4, 0.23521101561720799, 0.29640309418838581},
        {5, 0.24018944069873304, 0.48065021216215508},
        {9, 0.79355114784231709, 0.90000000000000002},
        {12, 1.0265167257081753, 0.90000000000000002},
        {15, 1.3199662917699643, -0.28997831754998928},
        {16, 2.765, 1.347},
        {17, 3.1885000000000001, 0.90000000000000002},
        {18, -0.28923395061728389, 0.90000000000000002},
        {19, 1.0030304958425958, 1.4542660501462814},
        {20, 1.7187515622683872, 1.0551413472682201},
        {21, 0.59453402264713936, 0.74920693425205213},
    };
    for (const P& s : samples) {
        EXPECT_NEAR(s.x, EvalParamXForm(0.9, s.k, coef), 1e-12) << s.k;
        EXPECT_NEAR(s.y, EvalParamYForm(0.9, s.k, coef), 1e-12) << s.k;
    }
    // Indexes outside 1..21 are form 16.
    EXPECT_DOUBLE_EQ(EvalParamXForm(0.9, 16, coef), EvalParamXForm(0.9, 0, coef));
    EXPECT_DOUBLE_EQ(EvalParamYForm(0.9, 16, coef), EvalParamYForm(0.9, 99, coef));
    // Form 8 is 0 within 0.001 of a multiple of 3.14159.
    EXPECT_EQ(0.0, EvalParamXForm(M_PI, 8, coef));
    EXPECT_NEAR(std::tan(1.0), EvalParamXForm(1.0, 8, coef), 1e-15);
}

// Both coordinates at once must be the two one-coordinate forms bit for
// bit: a curve drawn from either lands on the same pixels.
namespace {

// Any NaN stands for any other: neither becomes a pixel.
bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

} // namespace

TEST(CatalogCurves, BothCoordinatesAtOnceEqualTheSeparateForms) {
    // Shared arguments (a t + b = d t + e, c t = f t, c t = t) and separate ones,
    // zero coefficients that make a signed zero the argument, and a NaN.
    const double coefs[][6] = {
        {1.5, -0.5, 2.0, 0.7, 1.2, -0.3},
        {1, 0, 2, 1, 0, 2},
        {0.3, 0.0, 1.0, 0.3, -0.0, 1.0},
        {0, 0, 3, 0, -0.0, 3},
        {2, 1, -1, 2, 1, -1.5},
        {NAN, 1, 2, NAN, 1, 2},
        {1, 1, 1, 1, 1, 1},
        {2, -1, 3, 0.5, 2, 1},
    };
    long checked = 0;
    for (const auto& coef : coefs)
        for (int k = -1; k <= 23; ++k)
            for (int i = -2000; i <= 2000; ++i) {
                const double t = i * 0.00731;
                double x, y;
                EvalParamForm(t, k, coef, &x, &y);
                ASSERT_TRUE(SameBits(x, EvalParamXForm(t, k, coef))) << k << " " << t;
                ASSERT_TRUE(SameBits(y, EvalParamYForm(t, k, coef))) << k << " " << t;
                ++checked;
            }
    EXPECT_EQ(checked, 8L * 25 * 4001);
}

TEST(CatalogCurves, ThePolarPointIsItsTwoCoordinates) {
    const double radii[] = {0.0, -0.0, 1.0, -2.5, 1e-300, 3e5, NAN, INFINITY};
    const double specials[] = {0.0, -0.0, M_PI, -M_PI / 2, 1e-12, 1e22, -7e15, NAN, INFINITY};
    for (double r : radii) {
        for (double t : specials) {
            double x, y;
            PolarPoint(r, t, &x, &y);
            EXPECT_TRUE(SameBits(x, PolarX(r, t))) << r << " " << t;
            EXPECT_TRUE(SameBits(y, PolarY(r, t))) << r << " " << t;
        }
        for (int i = -30000; i <= 30000; ++i) {
            const double t = i * 3.1e-3 + 1e-9 * (i % 7);
            double x, y;
            PolarPoint(r, t, &x, &y);
            ASSERT_TRUE(SameBits(x, PolarX(r, t))) << r << " " << t;
            ASSERT_TRUE(SameBits(y, PolarY(r, t))) << r << " " << t;
        }
    }
}

TEST(CatalogCurves, ImplicitForms) {
    const double coef[6] = {1.5, -0.5, 2.0, 0.7, 1.2, -0.3};
    struct I {
        int k;
        double v;
    };
    const I samples[] = {
        {1, 0.44999999999999991},
        {2, -6.9969108000000007},
        {3, 3.2257500354250326},
        {4, 0.78972222222222221},
        {5, -2.2221088436188456},
        {6, -0.65578231276230894},
        {7, 0.51987194624437617},
        {8, 2.8700000000000002},
        {9, 3.3560999999999999},
        {10, -0.90000000000000002},
        {11, -5.1120000000000001},
        {14, -0.35902499999999965},
        {15, -2.0841443681416772},
        {16, -3.99},
        {17, 0.76960764411876828},
        {18, -3.6740000000000004},
        {19, 1.20182},
        {20, -5.3418500000000001},
        {21, -29.552009000000004},
        {22, 36.298914700000005},
        {23, 1.6170098581864179},
        {24, 0.65605001329660956},
    };
    for (const I& s : samples)
        EXPECT_NEAR(s.v, EvalImplicitForm(0.6, -1.3, s.k, coef, 2.5, 1.7), 1e-11) << s.k;
    for (int k : {0, 12, 13, 25, -3})
        EXPECT_EQ(0.0, EvalImplicitForm(0.6, -1.3, k, coef, 2.5, 1.7));
    // Form 23 divides by powers of x0.
    EXPECT_EQ(0.0, EvalImplicitForm(0.6, -1.3, 23, coef, 2.5, 0.0));
    // Parametric form 18 divides a by b.
    const double noB[6] = {1.5, 0.0, 2.0, 0.7, 1.2, -0.3};
    EXPECT_EQ(0.0, EvalParamXForm(0.9, 18, noB));
}

TEST(CatalogCurves, BackgroundWeights) {
    const struct {
        int n;
        double w;
    } samples[] = {
        {1, 0.13},
        {2, 0.87},
        {3, 0.21133877954098209},
        {4, 0.60105529197566558},
        {5, 0.46761542786600662},
        {6, 0.56543426376769286},
    };
    for (const auto& s : samples)
        EXPECT_NEAR(s.w, EvalBackgroundPatternWeight(0.13, 0.37, s.n), 1e-14);
    EXPECT_EQ(0.0, EvalBackgroundPatternWeight(0.13, 0.37, 0));
    EXPECT_EQ(0.0, EvalBackgroundPatternWeight(0.13, 0.37, 7));
}

TEST(CatalogCurves, NewtonConvergesAndKeepsItsLastIterate) {
    // x = cos t, target 0.5, from t = 1: π/3.
    double last = 0;
    const double t = SolveNewton([](double u) { return std::cos(u) - 0.5; }, 1.0, &last);
    EXPECT_NEAR(M_PI / 3, t, 1e-6);
    EXPECT_EQ(t, last);
    // A flat start moves 0.1 to the left and goes on from there.
    EXPECT_NEAR(-2.0, SolveNewton([](double u) { return u * u - 4.0; }, 0.0), 1e-6);
}

TEST(CatalogCurves, NewtonFailsWithNoValue) {
    double last = 0;
    // No real root: the iteration wanders for its 100 rounds.
    EXPECT_EQ(kNoValue, SolveNewton([](double u) { return u * u + 1.0; }, 0.3, &last));
    EXPECT_NE(kNoValue, last);
    EXPECT_EQ(kNoValue, SolveNewton([](double) { return kNaN; }, 0.0));
    EXPECT_EQ(kNoValue, SolveNewton([](double u) { return u - 1.0; }, kNaN));
    EXPECT_EQ(kNoValue, SolveNewton([](double u) { return u - 1.0; }, kInf));
}

TEST(CatalogCurves, ParabolaThroughThreePoints) {
    double a = 9, b = 9, c = 9;
    ASSERT_TRUE(SolveParabolaThroughPoints(-1, 1, 0, 0, 1, 1, &a, &b, &c));
    EXPECT_DOUBLE_EQ(1.0, a);
    EXPECT_DOUBLE_EQ(0.0, b);
    EXPECT_DOUBLE_EQ(0.0, c);
    // Any order of the points gives the same parabola: y = 2x² - 3x + 1.
    ASSERT_TRUE(SolveParabolaThroughPoints(2, 3, 0, 1, 1, 0, &a, &b, &c));
    EXPECT_NEAR(2.0, a, 1e-12);
    EXPECT_NEAR(-3.0, b, 1e-12);
    EXPECT_NEAR(1.0, c, 1e-12);
    // Collinear points: a straight line.
    ASSERT_TRUE(SolveParabolaThroughPoints(0, 1, 1, 3, 2, 5, &a, &b, &c));
    EXPECT_NEAR(0.0, a, 1e-12);
    EXPECT_NEAR(2.0, b, 1e-12);
    EXPECT_NEAR(1.0, c, 1e-12);
    // Two equal abscissas: no parabola of this orientation.
    a = b = c = 9;
    EXPECT_FALSE(SolveParabolaThroughPoints(1, -1, 0, 0, 1, 1, &a, &b, &c));
    EXPECT_EQ(9.0, a);
    EXPECT_FALSE(SolveParabolaThroughPoints(kNaN, 0, 0, 0, 1, 1, &a, &b, &c));
}

// --- Surfaces -------------------------------------------------------------------

namespace {

SurfaceCoefs SampleSurfaceCoefs() {
    SurfaceCoefs cf;
    const double upper[9] = {1.5, -0.5, 2.0, 0.7, 1.2, -0.3, 0.4, -1.1, 2.2};
    const double lower[9] = {0.9, 0.3, -1.2, 0.5, -0.8, 1.1, 0.6, 0.25, -0.7};
    for (int i = 0; i < 9; ++i) cf.upper[i] = upper[i], cf.lower[i] = lower[i];
    cf.alphaUpper = 1.7, cf.alphaLower = 0.6;
    cf.x0 = 0.3, cf.y0 = -0.2;
    return cf;
}

} // namespace

TEST(CatalogSurfaces, FormsAtASamplePoint) {
    const struct {
        int k;
        bool lower;
        double v;
    } samples[] = {
        {1, false, 0.90499999999999988},
        {1, true, 1.935},
        {2, false, 0.95131487952202234},
        {2, true, 1.3910427743243556},
        {4, false, 1.4896097991330239},
        {4, true, 0.23956899008640572},
        {7, false, 1.2439225365140899},
        {7, true, 2.0859650045079914},
        {9, false, 3.1656140009856068},
        {9, true, -0.23338870621993736},
        {10, false, 5.9016843399812937},
        {10, true, 0.20544902610034774},
        {11, false, 0.46770025839793274},
        {11, true, 0.46770025839793274},
        // (ax² + bxy + cy²)·sin(1/(d + ex² + fy²)), as the menu item and text write it.
        {13, false, 0.86259403481566557},
        {13, true, -0.061130482181295329},
        {14, false, 0.57999999999999994},
        {14, true, 1.212},
        {15, false, 3.0949999999999997},
        {15, true, -0.97500000000000002},
        {21, false, -1.615},
        {21, true, 1.525},
        {22, false, 0.90499999999999988},
        {22, true, 1.5320000000000001},
        {24, false, 2.6425999999999999},
        {24, true, -0.73530000000000002},
        {25, false, 13.296153846153846},
        {25, true, 2.3242069497439024},
        {26, false, 0.33333333333333407},
        {26, true, 0},
        {30, false, 3.2499999999999999},
        {30, true, 1.7700000000000001},
    };
    const SurfaceCoefs cf = SampleSurfaceCoefs();
    for (const auto& s : samples)
        EXPECT_NEAR(s.v, EvalSurfaceForm(0.7, -0.4, s.k, s.lower, cf), 1e-11)
            << s.k << (s.lower ? " lower" : " upper");
    SurfaceCoefs normal = cf;
    const double rho[5] = {0.3, 0.2, 1.1, -0.1, 0.9};
    for (int i = 0; i < 5; ++i) normal.upper[i] = rho[i];
    EXPECT_NEAR(0.10882699822356801, EvalSurfaceForm(0.7, -0.4, 23, false, normal), 1e-12);
}

// A column of a form gives each point the very bits the point's own
// evaluation gives (pictures drawn from columns stay the same), and the
// sample values above at (0.7, -0.4).
TEST(CatalogSurfaces, ColumnsMatchPoints) {
    const SurfaceCoefs cf = SampleSurfaceCoefs();
    const double ys[] = {-0.4, -1.25, 0.0, 0.3333333333333333, 2.5, 1e6};
    constexpr int n = int(sizeof ys / sizeof ys[0]);
    const struct {
        int k;
        bool lower;
        double first;
    } forms[] = {{1, false, 0.90499999999999988},
                 {1, true, 1.935},
                 {-1, false, 1000.0},
                 {-1, true, -1000.0},
                 {4, false, 1.4896097991330239},
                 {9, true, -0.23338870621993736}};
    for (const auto& f : forms) {
        double out[n];
        EvalSurfaceFormColumn(0.7, ys, n, f.k, f.lower, cf, out);
        EXPECT_NEAR(f.first, out[0], 1e-11) << f.k;
        for (int j = 0; j < n; ++j)
            EXPECT_EQ(EvalSurfaceForm(0.7, ys[j], f.k, f.lower, cf), out[j]) << f.k << " " << j;
    }
}

// Every form of both catalogues, over grids and through the form's own
// point function, gives each point the bits of its plain evaluation: at the
// corners and zeros of the divisions, off the roots' domains, and at NaN.
TEST(CatalogSurfaces, EveryFormsGridColumnAndPointMatchThePlainValue) {
    // The same bits, or both NaN: a NaN's sign follows the order of the
    // operands, which a loop may turn, and nothing reads it.
    const auto sameBits = [](double a, double b) {
        return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
    };
    SurfaceCoefs zeroDivisors = SampleSurfaceCoefs();
    for (int i = 3; i < 6; ++i) zeroDivisors.upper[i] = 0, zeroDivisors.lower[i] = 0;
    SurfaceCoefs normal = SampleSurfaceCoefs();
    const double rho[5] = {0.3, 0.2, 1.1, -0.1, 0.9};
    for (int i = 0; i < 5; ++i) normal.upper[i] = rho[i];
    SurfaceCoefs negative = SampleSurfaceCoefs();
    negative.upper[5] = -50, negative.lower[5] = -50;
    const SurfaceCoefs sets[] = {SampleSurfaceCoefs(), zeroDivisors, normal, negative};
    const double nan = std::nan("");
    const double xs[] = {0.7, 0.0, -0.5, 1.5, 0.3, -1e8, nan};
    const double ys[] = {-0.4, 0.0, 2.0, -0.2, 0.1, 1e-300, 3.75, -2.5, 1e8, nan, 0.5};
    constexpr int nx = int(sizeof xs / sizeof xs[0]), n = int(sizeof ys / sizeof ys[0]);
    std::vector<int> forms = {INT_MIN, -2, 31, 100, INT_MAX};
    for (int k = -1; k <= 30; ++k) forms.push_back(k);
    for (const SurfaceCoefs& cf : sets)
        for (int k : forms)
            for (bool lower : {false, true}) {
                const SurfaceFormFn point = SurfaceFormOf(k, lower);
                // The grid row after row, and spread out three values a node.
                double grid[nx * n], spread[3 * nx * n];
                SurfaceGridOf(k, lower)(xs, nx, ys, n, cf, grid, 1);
                SurfaceGridOf(k, lower)(xs, nx, ys, n, cf, spread + 1, 3);
                for (int i = 0; i < nx; ++i) {
                    const double x = xs[i];
                    double out[n];
                    EvalSurfaceFormColumn(x, ys, n, k, lower, cf, out);
                    for (int j = 0; j < n; ++j) {
                        const double plain = EvalSurfaceForm(x, ys[j], k, lower, cf);
                        const auto where = [&] {
                            return std::to_string(k) + " " + std::to_string(x) + " " +
                                   std::to_string(ys[j]);
                        };
                        EXPECT_TRUE(sameBits(plain, out[j])) << where();
                        EXPECT_TRUE(sameBits(plain, grid[i * n + j])) << where();
                        EXPECT_TRUE(sameBits(plain, spread[3 * (i * n + j) + 1])) << where();
                        EXPECT_TRUE(sameBits(plain, point(x, ys[j], cf))) << where();
                    }
                }
            }
    // Spot values by hand: the plane x·a + y·b + c of the upper set at
    // (0.7, -0.4) is 1.05 + 0.2 + 2, the constant form ±1000.
    EXPECT_NEAR(3.25, SurfaceFormOf(30, false)(0.7, -0.4, SampleSurfaceCoefs()), 1e-12);
    EXPECT_EQ(-1000.0, SurfaceFormOf(-1, true)(5.0, 5.0, SampleSurfaceCoefs()));
    EXPECT_EQ(0.0, SurfaceFormOf(17, false)(0.7, -0.4, SampleSurfaceCoefs()));
}

TEST(CatalogSurfaces, EdgesAndUnknownForms) {
    const SurfaceCoefs cf = SampleSurfaceCoefs();
    EXPECT_EQ(1000.0, EvalSurfaceForm(0, 0, -1, false, cf));
    EXPECT_EQ(-1000.0, EvalSurfaceForm(0, 0, -1, true, cf));
    // Outside the root's domain the halves of a quadric stay apart.
    SurfaceCoefs neg = cf;
    neg.upper[5] = -50, neg.lower[5] = -50;
    EXPECT_EQ(-0.02, EvalSurfaceForm(0, 0, 2, false, neg));
    EXPECT_EQ(0.02, EvalSurfaceForm(0, 0, 2, true, neg));
    EXPECT_EQ(-0.02, EvalSurfaceForm(0, 0, 3, false, neg));
    // x + y = 0.3: 1/0.3 - 3.
    EXPECT_NEAR(1.0 / 3.0, EvalSurfaceForm(0.1, 0.2, 26, false, cf), 1e-12);
    EXPECT_EQ(0.0, EvalSurfaceForm(0.1, -0.1, 26, false, cf));
    for (int k : {0, 17, 18, 19, 20, 27, 28, 29, 31, -2, INT_MAX})
        EXPECT_EQ(0.0, EvalSurfaceForm(0.7, -0.4, k, false, cf)) << k;
}

TEST(CatalogSurfaces, DivisionsByZeroGiveZero) {
    SurfaceCoefs cf = SampleSurfaceCoefs();
    for (int i = 3; i < 6; ++i) cf.upper[i] = 0, cf.lower[i] = 0; // d = e = f = 0
    EXPECT_EQ(0.0, EvalSurfaceForm(0.7, -0.4, 6, false, cf));
    EXPECT_EQ(0.0, EvalSurfaceForm(0.7, -0.4, 12, true, cf));
    EXPECT_EQ(0.0, EvalSurfaceForm(0.7, -0.4, 12, false, cf));
    SurfaceCoefs normal = SampleSurfaceCoefs();
    normal.upper[0] = 1.0; // ρ = 1: the root s vanishes
    EXPECT_EQ(0.0, EvalSurfaceForm(0.7, -0.4, 23, false, normal));
    normal.upper[0] = 0.3, normal.upper[2] = 0.0; // c = 0
    EXPECT_EQ(0.0, EvalSurfaceForm(0.7, -0.4, 23, false, normal));
    // Form 25 at the corners (0, 0), (b, 0) = (-0.5, 0) and (a, c) = (1.5, 2).
    const SurfaceCoefs tri = SampleSurfaceCoefs();
    EXPECT_EQ(0.0, EvalSurfaceForm(0.0, 0.0, 25, false, tri));
    EXPECT_EQ(0.0, EvalSurfaceForm(-0.5, 0.0, 25, false, tri));
    EXPECT_EQ(0.0, EvalSurfaceForm(1.5, 2.0, 25, false, tri));
    // Without a divisor the ramps give the plain weight 1.
    for (int mode = 1; mode <= 6; ++mode) EXPECT_EQ(1.0, EvalRampWeight(3.0, mode, 0)) << mode;
    EXPECT_EQ(1.0, EvalRampWeight(1.0, 1, 1));
}

TEST(CatalogSurfaces, TaylorPolynomialOfAQuadric) {
    // φ is a quadratic in t: its polynomial of degree 2 is exact up to the
    // error of the differences; degree 0 is φ(0).
    auto phi = [](double t) { return 2.0 - 3.0 * t + 1.25 * t * t; };
    EXPECT_NEAR(0.25, EvalTaylorAlongRay(phi, 2), 1e-6);
    EXPECT_NEAR(0.25, EvalTaylorAlongRay(phi, 4), 1e-3);
    EXPECT_DOUBLE_EQ(2.0, EvalTaylorAlongRay(phi, 0));
    EXPECT_DOUBLE_EQ(2.0, EvalTaylorAlongRay(phi, -5));
    // e^t to degree 3 at t = 1: 1 + 1 + 1/2 + 1/6.
    EXPECT_NEAR(8.0 / 3.0, EvalTaylorAlongRay([](double t) { return std::exp(t); }, 3), 1e-5);
    // A huge order is capped at the pages' highest degree, 6: φ at k·h for
    // k = -6..6, once each, whatever order a script leaves behind.
    int calls = 0;
    auto counted = [&](double t) { return ++calls, phi(t); };
    EXPECT_TRUE(std::isfinite(EvalTaylorAlongRay(counted, INT_MAX)));
    EXPECT_EQ(13, calls);
}

// The Taylor polynomial of two variables from its coefficients, against
// the exact polynomial Σ ∂x^a ∂y^b f(x0, y0) (x − x0)^a (y − y0)^b / (a! b!)
// summed in python from the closed-form derivatives:
// ∂x^a ∂y^b e^x sin y = e^x sin(y + bπ/2) and
// ∂x^a ∂y^b cos(x + 2y) = 2^b cos(x + 2y + (a + b)π/2).
TEST(CatalogSurfaces, TaylorCoefficientsOfTwoVariables) {
    struct Case {
        double (*f)(void*, double, double);
        double x0, y0, x, y;
        double expected[7]; // degrees 0..6
    };
    const Case cases[] = {
        {[](void*, double x, double y) { return std::exp(x) * std::sin(y); },
         0.3,
         -0.2,
         0.8,
         0.2,
         {-0.2681755459689439, 0.1269172818905332, 0.37943968274390527, 0.436615806457965,
          0.4422819886906565, 0.44224311460105653, 0.4421591977622764}},
        {[](void*, double x, double y) { return std::cos(x + 2 * y); },
         -0.4,
         0.5,
         0.1,
         0.2,
         {0.8253356149096783, 0.8817998622491818, 0.8776731841746334, 0.8775790770957341,
          0.8775825159941296, 0.877582563047669, 0.8775825619013694}},
    };
    for (const Case& c : cases)
        for (int n = 0; n <= 6; ++n) {
            const TaylorCoefs t = ComputeTaylorCoefs(c.f, nullptr, c.x0, c.y0, n);
            EXPECT_NEAR(c.expected[n], EvalTaylorCoefs(t, c.x - c.x0, c.y - c.y0), 1e-6)
                << c.x0 << " " << n;
        }
    // A quadric is its own polynomial from degree 2 on (the higher
    // differences are rounding only); a degree beyond the pages' highest is
    // capped there.
    const auto quadric = [](void*, double x, double y) {
        return 2 * x * x - 3 * x * y + 0.5 * y * y + x - 4 * y + 1.5;
    };
    for (int n : {2, 3, 6, 40}) {
        const TaylorCoefs t = ComputeTaylorCoefs(quadric, nullptr, 0.7, -1.1, n);
        EXPECT_LE(t.n, kMaxTaylorOrder);
        EXPECT_NEAR(quadric(nullptr, 1.2, -1.5), EvalTaylorCoefs(t, 0.5, -0.4), 1e-5) << n;
    }
}

TEST(CatalogSurfaces, RampWeights) {
    const struct {
        int mode;
        double w;
    } samples[] = {
        {1, 0.43542496594642039}, {2, 0.42857142857142857}, {3, 0.80910671157022121},
        {4, 0.95116705546327145}, {5, 0.40562178770497511},
    };
    for (const auto& s : samples) EXPECT_NEAR(s.w, EvalRampWeight(3.0, s.mode, 7), 1e-14) << s.mode;
    EXPECT_NEAR(0.0, EvalRampWeight(3.0, 6, 7), 1e-15);
    EXPECT_EQ(1.0, EvalRampWeight(3.0, 7, 7));
    EXPECT_EQ(1.0, EvalRampWeight(3.0, 0, 0));
}

// --- Differential-equation forms ------------------------------------------------

TEST(CatalogOde, SecondOrderForms) {
    const double zero[6] = {0, 0, 0, 0, 0, 0};
    EXPECT_DOUBLE_EQ(25.0, EvalSecondOrderForm(1.0, 2.0, 0.3, 10, zero)); // Painlevé I
    EXPECT_DOUBLE_EQ(3.0, EvalSecondOrderForm(1.0, 1.0, 0.3, 11, zero));  // Painlevé II
    const double duffing[6] = {0.2, 1.0, 0.5, 0.3, 1.2, 0};
    // -a·p - b·y - c·y³ + d·cos(e·x) at x = 2, y = 1.5, p = -0.4.
    EXPECT_NEAR(0.08 - 1.5 - 0.5 * 3.375 + 0.3 * std::cos(2.4),
                EvalSecondOrderForm(2.0, 1.5, -0.4, 15, duffing), 1e-14);
    const double lin[6] = {1, 2, 3, 1e-5, 0, 0};
    EXPECT_EQ(1000.0, EvalSecondOrderForm(0.0, 1.0, 1.0, 2, lin));
    // Singular points of Painlevé III, IV and VI give 0.
    EXPECT_EQ(0.0, EvalSecondOrderForm(0.0, 1.0, 1.0, 12, duffing));
    EXPECT_EQ(0.0, EvalSecondOrderForm(1.0, 0.0, 1.0, 13, duffing));
    EXPECT_EQ(0.0, EvalSecondOrderForm(2.0, 2.0, 1.0, 14, duffing));
    // Vanishing denominators: form 3 gives the 1000 of form 2, the singular
    // points of forms 9 and 17 give 0 like those of forms 12..14.
    EXPECT_EQ(1000.0, EvalSecondOrderForm(1.0, 0.0, 0.0, 3, duffing));
    EXPECT_EQ(0.0, EvalSecondOrderForm(2.0, 0.0, 1.0, 9, duffing));
    EXPECT_EQ(0.0, EvalSecondOrderForm(2.0, 1.0, 1.0, 9, duffing));
    EXPECT_EQ(0.0, EvalSecondOrderForm(0.0, 3.0, 1.0, 9, duffing));
    EXPECT_EQ(0.0, EvalSecondOrderForm(0.0, 3.0, 0.5, 17, duffing));
    // Bessel-like form 17: -p/x - (a - b/x²)·y.
    EXPECT_DOUBLE_EQ(-0.5 / 2.0 - (0.2 - 1.0 / 4.0) * 3.0,
                     EvalSecondOrderForm(2.0, 3.0, 0.5, 17, duffing));
}

TEST(CatalogOde, FirstOrderForms) {
    const double c[6] = {1, 2, 3, 4, 5, 6};
    const double l[6] = {0, 0, 0, 0, 0, 2};
    // a·x² + b·x·y + c·y² + d·x + e·y + f at (1, 2): 1 + 4 + 12 + 4 + 10 + 6.
    EXPECT_DOUBLE_EQ(37.0, EvalFirstOrderForm(1.0, 2.0, 1, c, l));
    EXPECT_DOUBLE_EQ((1.0 + 4.0 + 3.0) / (4.0 + 10.0 + 6.0), EvalFirstOrderForm(1.0, 2.0, 2, c, l));
    EXPECT_DOUBLE_EQ(37.0 / 2.0, EvalFirstOrderForm(1.0, 2.0, 9, c, l));
    EXPECT_DOUBLE_EQ(1.0, EvalFirstOrderForm(1.0, 2.0, 9, c, c));
    for (int k : {0, 10, 11, -1}) EXPECT_EQ(2.0, EvalFirstOrderForm(1.0, 2.0, k, c, l)) << k;
    EXPECT_EQ(1000.0, EvalFirstOrderForm(0.0, 0.0, 3, c, l)); // 0/0 at the origin
    EXPECT_EQ(-1.0, EvalDrainingVessel(0.0, 1.0, 3.0));
    EXPECT_NEAR(-0.62 * 2.0 * std::sqrt(19.6 * 0.5) / 3.001, EvalDrainingVessel(0.5, 2.0, -3.0),
                1e-14);
}

TEST(CatalogOde, BallOnCurve) {
    // Flat curve: only the friction term.
    EXPECT_DOUBLE_EQ(-0.5, EvalBallOnCurve(2.0, 0.0, 0.0, 9.8, 1.0, 0.25));
    // Slope 1, no curvature, λ = 0: -g/2.
    EXPECT_DOUBLE_EQ(-4.9, EvalBallOnCurve(0.0, 1.0, 0.0, 9.8, 0.0, 0.0));
}

// --- Quadrature ------------------------------------------------------------------

namespace {

QuadratureFunctions Functions(FunctionRef F, FunctionRef upper, FunctionRef lower,
                              double step = 0.1, double level = 0, double px = 0, double py = 0) {
    return QuadratureFunctions{F, upper, lower, step, level, px, py};
}

} // namespace

TEST(CatalogQuadrature, SquareOnTheUnitInterval) {
    auto sq = [](double x) { return x * x; };
    const QuadratureFunctions fn = Functions(sq, sq, sq);
    // n = 10 with the default step 0.1: 100 pieces of h = 0.01.
    EXPECT_NEAR(1.0 / 3.0, IntegrateRule(0, 1, 10, 5, 0, fn), 1e-13);
    EXPECT_NEAR(1.0 / 3.0, IntegrateRule(0, 1, 10, 2, 0, fn), 1e-9);
    EXPECT_NEAR(1.0 / 3.0 - 1e-4 / 12, IntegrateRule(0, 1, 10, 1, 0, fn), 1e-13);
    EXPECT_NEAR(1.0 / 3.0 - 0.005 + 1e-4 / 6, IntegrateRule(0, 1, 10, 3, 0, fn), 1e-13);
    EXPECT_NEAR(1.0 / 3.0 + 0.005 + 1e-4 / 6, IntegrateRule(0, 1, 10, 3, 2, fn), 1e-13);
    EXPECT_NEAR(1.0 / 3.0 + 1e-4 / 6, IntegrateRule(0, 1, 10, 4, 0, fn), 1e-13);
    EXPECT_EQ(IntegrateRule(0, 1, 10, 1, 0, fn), IntegrateRule(0, 1, 10, 3, 1, fn));
    // A coarser step moves the midpoint value away from 1/3.
    const QuadratureFunctions coarse = Functions(sq, sq, sq, 0.2);
    EXPECT_NEAR(1.0 / 3.0 - 4e-4 / 12, IntegrateRule(0, 1, 10, 1, 0, coarse), 1e-13);
}

TEST(CatalogQuadrature, ErrorOrders) {
    auto ex = [](double x) { return std::exp(x); };
    const double exact = std::exp(1.0) - 1.0;
    auto error = [&](int method, int n, int flag = 0) {
        return std::fabs(IntegrateRule(0, 1, n, method, flag, Functions(ex, ex, ex)) - exact);
    };
    // Halving h: left rectangles halve their error, midpoint and trapezoid
    // quarter it, Simpson divides it by 16.
    EXPECT_NEAR(2.0, error(3, 1, 0) / error(3, 2, 0), 0.05);
    EXPECT_NEAR(4.0, error(1, 1) / error(1, 2), 0.05);
    EXPECT_NEAR(4.0, error(4, 1) / error(4, 2), 0.05);
    EXPECT_NEAR(16.0, error(5, 1) / error(5, 2), 0.5);
    // Gauss: exact to the digits of its nodes and weights.
    EXPECT_LT(error(2, 1), 1e-9);
}

TEST(CatalogQuadrature, AppliedIntegrals) {
    auto id = [](double x) { return x; };
    auto one = [](double) { return 1.0; };
    auto zero = [](double) { return 0.0; };
    // Arc length of y = x on [0, 1].
    EXPECT_NEAR(std::sqrt(2.0), IntegrateRule(0, 1, 10, 7, 0, Functions(id, id, id)), 1e-6);
    EXPECT_NEAR(std::sqrt(2.0), IntegrateRule(0, 1, 10, 7, 1, Functions(id, id, id)), 1e-6);
    EXPECT_NEAR(std::sqrt(2.0), IntegrateRule(0, 1, 10, 8, 0, Functions(zero, zero, id)), 1e-6);
    // Lateral area of y = 1 about y = 0 on [0, 1]: 2π.
    EXPECT_NEAR(2 * M_PI, IntegrateRule(0, 1, 10, 9, 0, Functions(one, one, one)), 1e-6);
    EXPECT_NEAR(2 * M_PI, IntegrateRule(0, 1, 10, 9, 1, Functions(one, one, one)), 1e-6);
    // Washer between y = x and y = 0 about y = 0: π/3.
    EXPECT_NEAR(M_PI / 3, IntegrateRule(0, 1, 10, 6, 0, Functions(zero, id, zero)), 1e-9);
    EXPECT_NEAR(M_PI / 3, IntegrateRule(0, 1, 10, 6, 0, Functions(zero, zero, id)), 1e-9);
    EXPECT_EQ(0.0, IntegrateRule(0, 1, 10, 6, 0, Functions(zero, id, id)));
    // Attraction of the segment y = 0, 1 <= x <= 2 on the origin: ∫ dx/x² = 1/2
    // horizontally, 0 vertically. Method 11 is the same segment as x = 0,
    // 1 <= y <= 2.
    EXPECT_NEAR(0.5, IntegrateRule(1, 2, 10, 10, 0, Functions(zero, zero, zero, 0.1, 0, 0, 0)),
                1e-9);
    EXPECT_NEAR(0.0, IntegrateRule(1, 2, 10, 10, 1, Functions(zero, zero, zero)), 1e-15);
    EXPECT_NEAR(0.5, IntegrateRule(1, 2, 10, 11, 1, Functions(zero, zero, zero)), 1e-9);
    // The rod y = sin x, -1 <= x <= 1, on the point (0, 1): ∫ (x, sin x - 1)
    // sqrt(1 + cos² x)/r³ dx, r² = x² + (sin x - 1)² (mpmath quad, 20 digits).
    // Method 11 is the rod x = sin y on the point (1, 0), the same mirrored.
    auto rod = [](double x) { return std::sin(x); };
    const QuadratureFunctions onPoint = Functions(rod, rod, rod, 0.1, 0, 0, 1);
    const QuadratureFunctions mirrored = Functions(rod, rod, rod, 0.1, 0, 1, 0);
    EXPECT_NEAR(1.0556141170509144, IntegrateRule(-1, 1, 200, 10, 0, onPoint), 1e-6);
    EXPECT_NEAR(-2.0026248488751947, IntegrateRule(-1, 1, 200, 10, 1, onPoint), 1e-6);
    EXPECT_NEAR(1.0556141170509144, IntegrateRule(-1, 1, 200, 11, 1, mirrored), 1e-6);
    EXPECT_NEAR(-2.0026248488751947, IntegrateRule(-1, 1, 200, 11, 0, mirrored), 1e-6);
}

TEST(CatalogQuadrature, BadInputEndsAndGivesZero) {
    auto sq = [](double x) { return x * x; };
    const QuadratureFunctions fn = Functions(sq, sq, sq);
    EXPECT_EQ(0.0, IntegrateRule(0, 1, 10, 0, 0, fn));
    EXPECT_EQ(0.0, IntegrateRule(0, 1, 10, 12, 0, fn));
    EXPECT_EQ(0.0, IntegrateRule(1, 0, 10, 5, 0, fn));
    EXPECT_EQ(0.0, IntegrateRule(1, 1, 10, 5, 0, fn));
    EXPECT_EQ(0.0, IntegrateRule(0, 1, 0, 5, 0, fn));
    EXPECT_EQ(0.0, IntegrateRule(0, 1, -4, 5, 0, fn));
    EXPECT_EQ(0.0, IntegrateRule(kNaN, 1, 10, 5, 0, fn));
    EXPECT_EQ(0.0, IntegrateRule(0, kNaN, 10, 5, 0, fn));
    EXPECT_EQ(0.0, IntegrateRule(0, kInf, 10, 5, 0, fn));
    EXPECT_EQ(0.0, IntegrateRule(0, 1, 10, 5, 0, Functions(sq, sq, sq, 0.0)));
    EXPECT_EQ(0.0, IntegrateRule(0, 1, 10, 5, 0, Functions(sq, sq, sq, -0.1)));
    EXPECT_EQ(0.0, IntegrateRule(0, 1, 10, 5, 0, Functions(sq, sq, sq, kNaN)));
    // Backwards with a huge step still ends at once.
    EXPECT_EQ(0.0, IntegrateRule(1, 0, 1, 5, 0, Functions(sq, sq, sq, 1e9)));
    // A huge n is capped: the result stays right and comes back quickly.
    const std::clock_t start = std::clock(); // CPU time: a busy machine does not fail it
    EXPECT_NEAR(1.0 / 3.0, IntegrateRule(0, 1, INT_MAX, 5, 0, fn), 1e-9);
    // Where x + h no longer moves x the piece count still ends the loop.
    IntegrateRule(1e20, 1e20 + 1e6, INT_MAX, 1, 0, fn);
    EXPECT_LT(double(std::clock() - start) / CLOCKS_PER_SEC, 5.0);
}

TEST(CatalogueVanishes, OnlyPolynomialFormsWithZeroCoefficientsAreZeroEverywhere) {
    ExplicitCoefs zero;
    zero.a = zero.b = zero.c = zero.d = zero.e = 0;
    zero.f = 3; // the second quadratic's constant enters none of these forms
    for (const double alpha : {-1.0, 0.5, 2.0}) {
        zero.alpha = alpha;
        for (const int k : {0, 39, 40, 41}) {
            EXPECT_TRUE(VanishesEverywhere(ExplicitCatalogue::B, k, zero)) << k;
            EXPECT_TRUE(VanishesEverywhere(ExplicitCatalogue::A, k, zero)) << k;
            for (const double x : {-7.5, -1.0, 0.0, 0.3, 12.0}) {
                EXPECT_EQ(0.0, B(x, k, NoExtension(), zero)) << k << " " << x;
                EXPECT_EQ(0.0, B(x, k, Symmetry(0), zero)) << k << " " << x;
                EXPECT_EQ(0.0, A(x, k, Symmetry(1), zero)) << k << " " << x;
            }
        }
    }
    struct Case {
        int k;
        double ExplicitCoefs::*nonzero;
    };
    for (const Case& c : {Case{0, &ExplicitCoefs::c}, Case{39, &ExplicitCoefs::a},
                          Case{40, &ExplicitCoefs::d}, Case{41, &ExplicitCoefs::e}}) {
        ExplicitCoefs cf = zero;
        cf.*c.nonzero = 1;
        EXPECT_FALSE(VanishesEverywhere(ExplicitCatalogue::B, c.k, cf)) << c.k;
    }
    EXPECT_FALSE(VanishesEverywhere(ExplicitCatalogue::B, 3, zero));  // sin x
    EXPECT_FALSE(VanishesEverywhere(ExplicitCatalogue::B, 4, zero));  // cos x
    EXPECT_FALSE(VanishesEverywhere(ExplicitCatalogue::B, 95, zero)); // beyond the catalogue
}
