#pragma once

// The chi-square distribution for any positive number of degrees of freedom, whole or not, as
// the equivalent degrees of freedom of a stability variance are.

// P(a, x) = gamma(a, x) / Gamma(a), the regularized lower incomplete gamma function, for a > 0
// and x >= 0.
double RegularizedLowerGamma(double a, double x);

// The x below which a chi-square variable of dDegrees degrees of freedom lies with
// probability p, for 0 < p < 1: P(dDegrees / 2, x / 2) = p.
double ChiSquareQuantile(double p, double dDegrees);
