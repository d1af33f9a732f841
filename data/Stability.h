#pragma once

#include "data/NoiseIdentification.h"

#include <cstddef>
#include <string>
#include <vector>

// Frequency stability of one series of clock phase differences: the overlapping Allan
// deviation (ADEV), the modified Allan deviation (MDEV), the time deviation (TDEV) and the
// overlapping Hadamard deviation (HDEV) at averaging times tau = m * tau0, with the estimators
// of W. J. Riley, "Handbook of Frequency Stability Analysis", NIST Special Publication 1065
// (2008), and chi-square confidence intervals whose degrees of freedom depend on the noise.

// Which averaging factors m are computed, each only while m <= N / 3 (N sample slots).
enum class ETauSpacing {
    Octave, // 1, 2, 4, 8, ...
    Decade, // 1, 2, 5, 10, 20, 50, ...
    All     // every m
};

// The noise the confidence intervals assume: identified at each tau, or one for all of them
// (as published tables of bounds are worked out).
enum class ENoise {
    Auto,
    WhitePm,     // alpha = 2
    FlickerPm,   // alpha = 1
    WhiteFm,     // alpha = 0
    FlickerFm,   // alpha = -1
    RandomWalkFm // alpha = -2
};

struct SStabilityOptions {
    ETauSpacing spacing = ETauSpacing::Octave;
    ENoise noise = ENoise::Auto;
    double dConfidence = 0.683; // of the two-sided interval between the low and high bounds
};

// One averaging time. An estimator with no terms at this tau (every term needed a missing
// sample) has a count of 0 and NaN values; a tau where none has a term is left out. The low and
// high values bound the deviation with the confidence asked for: sigma * sqrt(edf / chi^2) at
// the chi-square quantiles (1 + P) / 2 and (1 - P) / 2 for edf equivalent degrees of freedom.
struct SStabilityPoint {
    long long nFactor = 0;    // m
    double dTau = 0.0;        // seconds: m tau0
    long long nAdevTerms = 0; // terms used by the overlapping Allan deviation
    long long nMdevTerms = 0; // terms used by the modified Allan and the time deviation
    long long nHdevTerms = 0; // terms used by the overlapping Hadamard deviation
    int nAlpha = 0;           // the noise behind the bounds: S_y(f) ~ f^alpha
    EAlphaSource alphaSource = EAlphaSource::Fixed;
    double dAdev = 0.0; // dimensionless
    double dAdevLow = 0.0;
    double dAdevHigh = 0.0;
    double dAdevEdf = 0.0;
    double dMdev = 0.0; // dimensionless
    double dMdevLow = 0.0;
    double dMdevHigh = 0.0;
    double dMdevEdf = 0.0; // the time deviation's too
    double dTdev = 0.0;    // seconds
    double dTdevLow = 0.0;
    double dTdevHigh = 0.0;
    double dHdev = 0.0; // dimensionless
    double dHdevLow = 0.0;
    double dHdevHigh = 0.0;
    double dHdevEdf = 0.0;
};

struct SStabilityResult {
    bool bComputed = false;
    std::string strWhyNot;    // a short note on why there are no numbers, when not computed
    long long nBadPoint = -1; // the point (from 0) to blame for the refusal, or -1
    double dTau0 = 0.0;       // seconds: the nominal step
    long long nSamples = 0;   // sample slots N, missing ones included
    long long nMissing = 0;
    std::vector<SStabilityPoint> points; // ascending tau
};

// x in seconds, ascending; phase in seconds. The series is laid on the grid of its nominal step
// tau0 (the least-squares step of x against the slot index): a step of k tau0, within 1 % of
// tau0, leaves k - 1 missing samples, however many; a phase that is not finite is a missing
// sample at its x. A term of an estimator counts only when every sample it needs is present.
// Refused, with the reason in strWhyNot and the point to blame, if one is, in nBadPoint: fewer
// than 3 points or phases, an x that is not finite or does not ascend, a step that is no whole
// multiple of tau0 (the point that ends it), more than 100 million sample slots, or a
// confidence outside (0, 1).
SStabilityResult ComputeStability(const double* pXSeconds, const double* pPhaseSeconds,
                                  std::size_t nPoints, const SStabilityOptions& options);
