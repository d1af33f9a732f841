#pragma once

// Equivalent degrees of freedom of the overlapping estimators of stability variances, by the
// algorithm of C. A. Greenhall and W. J. Riley, "Uncertainty of stability variances based on
// finite differences", Proc. 35th PTTI Meeting (2003): exact sums over the covariances of the
// terms while they are few, its tables beyond.

enum class EVariance {
    Allan,         // overlapping: second differences of the phase
    ModifiedAllan, // second differences of phase averages over tau; also the time variance's
    Hadamard       // overlapping: third differences of the phase
};

// For power-law noise S_y(f) ~ f^nAlpha, -2 <= nAlpha <= 2, at the averaging factor m, with
// nTerms overlapping terms in the estimate (the terms there are without missing samples: N - 2m
// for the Allan variance of N phase samples, N - 3m + 1 modified, N - 3m Hadamard).
double EquivalentDegreesOfFreedom(EVariance variance, int nAlpha, long long m, long long nTerms);
