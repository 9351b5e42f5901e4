// The explicit function catalogues y = f(x): catalogue A (F and the upper
// curve), catalogue B (the lower curve) and the two profile catalogues of the
// surfaces, which repeat A and B with the surface coefficient sets. Plain
// arithmetic over plain inputs, called millions of times per paint: no
// allocation, no strings.
#pragma once

namespace catalog {

// The value the Gamma function and the Newton solvers return for "no value".
constexpr double kNoValue = 1000000.0;

// Extension of an explicit function beyond its base interval.
struct Extension {
    int periodic = 0;        // non-zero: x is reduced into one period centred on 0
    double period = 3.14159; // P
    int symmetry = 2;        // 0 odd, 1 even, 2 (or more) none
};

// Parameters of the density forms 74..81, the only forms that read them.
inline bool ReadsDensities(int k) {
    return k >= 74 && k <= 81;
}
struct Densities {
    double lambda = 1.0;
    double mu = 0.0;
    double sigma = 1.0;
    double invSqrt2Pi = 0.3989421;
    int n = 1;
    int m = 1;
    double gammaAlpha = 1.0;
    double gammaBeta = 1.0;
};

// One coefficient set: a..f, the third-piece coefficients g, h, i, the
// parameters α and β and the breakpoints x0, x1.
struct ExplicitCoefs {
    double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    double g = 0, h = 0, i = 0;
    double alpha = 2.0, beta = 1.0;
    double x0 = 0, x1 = 0;
};

enum class ExplicitCatalogue {
    A,        // forms 0..90 and 100
    B,        // forms 0..90
    ProfileF, // forms 0..73 and 100 (catalogue A with the upper surface set)
    ProfileG, // forms 0..71 (catalogue B with the lower surface set)
};

// Form k of the catalogue at x, after the periodic and odd/even extension.
// Any index the catalogue does not know gives 0.0.
double EvalExplicit(ExplicitCatalogue cat, double x, int k, const ExplicitCoefs& cf,
                    const Extension& ext, const Densities& dn);

// Whether form k is 0 at every finite x with these coefficients (the
// polynomial forms with zero coefficients), so integrals of it may be skipped.
bool VanishesEverywhere(ExplicitCatalogue cat, int k, const ExplicitCoefs& cf);

// The first and second derivatives of form k at x where the catalogue states
// them: the polynomial forms (a x² + b x + c, the cubic, the quartic) with no
// periodic or odd/even extension. False for every other form.
bool ExplicitPolynomialSlopes(ExplicitCatalogue cat, double x, int k, const ExplicitCoefs& cf,
                              const Extension& ext, double* d1, double* d2);

// Γ(x) for x > 0; kNoValue for x <= 0; +inf where Γ overflows a double.
double EvalGamma(double x);

} // namespace catalog
