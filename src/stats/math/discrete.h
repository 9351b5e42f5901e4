// Probabilities of the discrete distributions: 0-1 and binomial, Poisson,
// hypergeometric. Outcomes that cannot occur have probability 0; invalid
// parameters give NaN.
#pragma once

namespace stats {

// P(X = k) of the binomial distribution with n trials of probability p.
double BinomialProbability(int n, double p, int k);
// P(X = k) of the Poisson distribution with mean lambda.
double PoissonProbability(double lambda, int k);
// P(X = k) of k marked items among n drawn without replacement from a
// population of N holding M marked ones.
double HypergeometricProbability(int N, int M, int n, int k);

} // namespace stats
