// Distribution functions and quantiles of the continuous densities of the
// explicit catalogue (entries 75..81), computed to full double precision
// from the regularised incomplete gamma and beta functions. Quantiles are
// exact inverses (bounded root searches inside Boost.Math), never grid
// scans. Invalid parameters or probabilities give NaN; the probabilities 0
// and 1 give the ends of the support (possibly infinite).
#pragma once

namespace stats {

// Catalogue entries of the densities.
enum DensityEntry {
    kUniform = 75,
    kExponential = 76,
    kNormal = 77,
    kStudentT = 78,
    kChiSquare = 79,
    kFisherF = 80,
    kGamma = 81,
};

bool IsDensityEntry(int k);

// The parameters the densities read, under the names of the view's fields.
struct DensityParams {
    double a = 0, b = 1;   // uniform bounds
    double lambda = 1;     // exponential rate, Gamma shift
    double mu = 0;         // normal mean
    double sigma = 1;      // normal standard deviation
    int n = 1;             // t and chi-square degrees of freedom; F numerator
    int m = 1;             // F denominator
    double gammaAlpha = 1; // Gamma shape
    double gammaBeta = 1;  // Gamma rate
};

double UniformCdf(double x, double a, double b);
double UniformQuantile(double p, double a, double b);
double ExponentialCdf(double x, double lambda);
double ExponentialQuantile(double p, double lambda);
double NormalCdf(double x, double mu, double sigma);
double NormalQuantile(double p, double mu, double sigma);
double StudentTCdf(double x, double n);
double StudentTQuantile(double p, double n);
double ChiSquareCdf(double x, double n);
double ChiSquareQuantile(double p, double n);
double FisherFCdf(double x, double n, double m);
double FisherFQuantile(double p, double n, double m);
// Gamma with shape alpha, rate beta, shifted right by `shift`.
double GammaCdf(double x, double alpha, double beta, double shift);
double GammaQuantile(double p, double alpha, double beta, double shift);

// F(x) and the quantile of entry k with its parameters; NaN for an entry
// that is no density.
double Cdf(int k, double x, const DensityParams& dp);
double Quantile(int k, double p, const DensityParams& dp);

// Steps of width `step` a walk over `span` takes: ceil(span/step), at least
// 1 and at most `cap`; 0 when the span or the step is no finite positive
// number. A walk counts its steps with this before it starts and takes
// each abscissa as start + i·step, so a step below half an ulp of the
// abscissa (a range far from 0) cannot stall it.
int GridSteps(double span, double step, int cap);

} // namespace stats
