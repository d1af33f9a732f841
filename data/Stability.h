#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Frequency stability of one series of clock phase differences: the overlapping Allan
// deviation (ADEV), the modified Allan deviation (MDEV) and the time deviation (TDEV) at
// averaging times tau = m * tau0, with the estimators of W. J. Riley, "Handbook of Frequency
// Stability Analysis", NIST Special Publication 1065 (2008).

// Which averaging factors m are computed, each only while m <= N / 3 (N sample slots).
enum class ETauSpacing {
    Octave, // 1, 2, 4, 8, ...
    Decade, // 1, 2, 5, 10, 20, 50, ...
    All     // every m
};

// One averaging time. An estimator with no terms at this tau (every term needed a missing
// sample) has a count of 0 and NaN values; a tau where neither has a term is left out.
// The low and high values are the +-1 sigma confidence bounds.
struct SStabilityPoint {
    long long nFactor = 0;    // m
    double dTau = 0.0;        // seconds
    long long nAdevTerms = 0; // terms used by the overlapping Allan deviation
    long long nMdevTerms = 0; // terms used by the modified Allan and the time deviation
    double dAdev = 0.0;       // dimensionless
    double dAdevLow = 0.0;
    double dAdevHigh = 0.0;
    double dMdev = 0.0; // dimensionless
    double dMdevLow = 0.0;
    double dMdevHigh = 0.0;
    double dTdev = 0.0; // seconds
    double dTdevLow = 0.0;
    double dTdevHigh = 0.0;
};

struct SStabilityResult {
    bool bComputed = false;
    std::string strWhyNot;  // a short note on why there are no numbers, when not computed
    double dTau0 = 0.0;     // seconds: the median x step
    long long nSamples = 0; // sample slots N, missing ones included
    long long nMissing = 0;
    std::vector<SStabilityPoint> points; // ascending tau
};

// x in seconds, ascending and evenly spaced: every step within 1 % of tau0 (the median
// step), or a gap (a step of more than 5 tau0) that is a whole multiple of tau0 within 1 %
// of tau0, whose slots count as missing samples. Phase in seconds. Refused, with the reason
// in strWhyNot (points counted from 1): fewer than 3 points, a value that is not finite, x
// that does not ascend, any other step, and gaps holding more than 10 missing samples for
// each point.
SStabilityResult ComputeStability(const double* pXSeconds, const double* pPhaseSeconds,
                                  std::size_t nPoints, ETauSpacing spacing);
