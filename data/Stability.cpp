#include "data/Stability.h"

#include "data/ChiSquare.h"
#include "data/DegreesOfFreedom.h"
#include "data/DeviationSums.h"
#include "data/SampleGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr long long MIN_PHASES = 3;
constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

long long NextFactor(long long m, ETauSpacing spacing) {
    if (spacing == ETauSpacing::Octave)
        return 2 * m;
    if (spacing == ETauSpacing::All)
        return m + 1;
    // 1, 2 and 5 times each power of ten: a 2 goes on to a 5, a 1 or a 5 doubles.
    long long nDecade = 1;
    while (nDecade * 10 <= m)
        nDecade *= 10;
    return m / nDecade == 2 ? m / 2 * 5 : 2 * m;
}

// Scales the phase by 2^-nExponent so that every value lies within +-1: then no square or sum
// can overflow or underflow whatever the unit, and a power of two changes no digit.
int ScaleToUnit(std::vector<double>& phase) {
    double dLargest = 0.0;
    for (double dPhase : phase) {
        if (!std::isnan(dPhase))
            dLargest = std::max(dLargest, std::fabs(dPhase));
    }
    int nExponent = 0;
    std::frexp(dLargest, &nExponent);
    // A normal power of two scales as ldexp does, to the bit, in a multiplication.
    const double dScale = std::ldexp(1.0, -nExponent);
    const bool bNormalScale = std::isnormal(dScale);
    for (double& dPhase : phase)
        dPhase = bNormalScale ? dPhase * dScale : std::ldexp(dPhase, -nExponent);
    return nExponent;
}

// How many slots before each slot are missing, so that a term can tell in O(1) whether its
// span of samples is whole; empty without missing samples.
std::vector<std::uint32_t> MissingBefore(const std::vector<double>& phase, long long nMissing) {
    std::vector<std::uint32_t> missingBefore;
    if (nMissing == 0)
        return missingBefore;
    missingBefore.resize(phase.size() + 1, 0);
    for (std::size_t i = 0; i < phase.size(); ++i)
        missingBefore[i + 1] = missingBefore[i] + std::isnan(phase[i]);
    return missingBefore;
}

int FixedAlpha(ENoise noise) {
    switch (noise) {
    case ENoise::WhitePm:
        return 2;
    case ENoise::FlickerPm:
        return 1;
    case ENoise::FlickerFm:
        return -1;
    case ENoise::RandomWalkFm:
        return -2;
    default:
        return 0;
    }
}

// The factors by which the bounds lie below and above the deviation, for edf degrees of
// freedom: the variance times edf over its true value is taken as chi-square distributed.
struct SBoundFactors {
    double dLow = NOT_A_NUMBER;
    double dHigh = NOT_A_NUMBER;
};

SBoundFactors BoundFactors(double dEdf, double dConfidence) {
    SBoundFactors factors;
    if (!(dEdf > 0.0))
        return factors;
    factors.dLow = std::sqrt(dEdf / ChiSquareQuantile((1.0 + dConfidence) / 2.0, dEdf));
    factors.dHigh = std::sqrt(dEdf / ChiSquareQuantile((1.0 - dConfidence) / 2.0, dEdf));
    return factors;
}

double Edf(EVariance variance, int nAlpha, long long m, long long nTerms) {
    return nTerms == 0 ? NOT_A_NUMBER : EquivalentDegreesOfFreedom(variance, nAlpha, m, nTerms);
}

// sqrt(sum / (nDivisor terms)), unscaled; NaN without terms.
double Rms(double dSquares, long long nTerms, double dDivisor, int nExponent) {
    return nTerms == 0 ? NOT_A_NUMBER
                       : std::ldexp(std::sqrt(dSquares / (dDivisor * static_cast<double>(nTerms))),
                                    nExponent);
}

SStabilityPoint MakePoint(const SDeviationSums& sums, long long m, double dTau0, int nExponent,
                          const SNoiseEstimate& noise, double dConfidence) {
    SStabilityPoint point;
    point.nFactor = m;
    point.dTau = static_cast<double>(m) * dTau0;
    point.nAdevTerms = sums.nAdevTerms;
    point.nMdevTerms = sums.nMdevTerms;
    point.nHdevTerms = sums.nHdevTerms;
    point.nAlpha = noise.nAlpha;
    point.alphaSource = noise.source;
    point.dAdev = Rms(sums.dAdevSquares, sums.nAdevTerms, 2.0, nExponent) / point.dTau;
    const double dMdevRms =
        Rms(sums.dMdevSquares, sums.nMdevTerms, 2.0, nExponent) / static_cast<double>(m);
    point.dMdev = dMdevRms / point.dTau;
    // Time variance (same source): sigma_x^2(tau) = tau^2 / 3 * Mod sigma_y^2(tau).
    point.dTdev = dMdevRms / std::sqrt(3.0);
    point.dHdev = Rms(sums.dHdevSquares, sums.nHdevTerms, 6.0, nExponent) / point.dTau;

    point.dAdevEdf = Edf(EVariance::Allan, noise.nAlpha, m, sums.nAdevTerms);
    point.dMdevEdf = Edf(EVariance::ModifiedAllan, noise.nAlpha, m, sums.nMdevTerms);
    point.dHdevEdf = Edf(EVariance::Hadamard, noise.nAlpha, m, sums.nHdevTerms);
    const SBoundFactors adev = BoundFactors(point.dAdevEdf, dConfidence);
    const SBoundFactors mdev = BoundFactors(point.dMdevEdf, dConfidence);
    const SBoundFactors hdev = BoundFactors(point.dHdevEdf, dConfidence);
    point.dAdevLow = point.dAdev * adev.dLow;
    point.dAdevHigh = point.dAdev * adev.dHigh;
    point.dMdevLow = point.dMdev * mdev.dLow;
    point.dMdevHigh = point.dMdev * mdev.dHigh;
    point.dTdevLow = point.dTdev * mdev.dLow;
    point.dTdevHigh = point.dTdev * mdev.dHigh;
    point.dHdevLow = point.dHdev * hdev.dLow;
    point.dHdevHigh = point.dHdev * hdev.dHigh;
    return point;
}

SStabilityResult Refused(std::string strWhy, long long nBadPoint = -1) {
    SStabilityResult result;
    result.strWhyNot = std::move(strWhy);
    result.nBadPoint = nBadPoint;
    return result;
}

} // namespace

SStabilityResult ComputeStability(const double* pXSeconds, const double* pPhaseSeconds,
                                  std::size_t nPoints, const SStabilityOptions& options) {
    if (!(options.dConfidence > 0.0 && options.dConfidence < 1.0))
        return Refused("the confidence is not between 0 and 1");
    SSampleGrid grid = LayOnGrid(pXSeconds, pPhaseSeconds, nPoints);
    if (!grid.strWhyNot.empty())
        return Refused(std::move(grid.strWhyNot), grid.nBadPoint);
    const auto nSamples = static_cast<long long>(grid.phase.size());
    if (nSamples - grid.nMissing < MIN_PHASES)
        return Refused("fewer than " + std::to_string(MIN_PHASES) + " phases that are numbers");
    const int nExponent = ScaleToUnit(grid.phase);
    const std::vector<std::uint32_t> missingBefore = MissingBefore(grid.phase, grid.nMissing);

    SStabilityResult result;
    result.dTau0 = grid.dTau0;
    result.nSamples = nSamples;
    result.nMissing = grid.nMissing;
    SNoiseEstimate noise{FixedAlpha(options.noise), EAlphaSource::Fixed};
    for (long long m = 1; 3 * m <= nSamples; m = NextFactor(m, options.spacing)) {
        const auto nFactor = static_cast<std::size_t>(m);
        const SDeviationSums sums = SumDeviations(grid.phase, missingBefore, nFactor);
        if (sums.nAdevTerms == 0)
            continue;
        if (options.noise == ENoise::Auto) {
            // Both variances times tau^2 in the scaled phase, as the B1 ratio and R(n) take them.
            const double dAvarTau2 =
                sums.dAdevSquares / (2.0 * static_cast<double>(sums.nAdevTerms));
            const double dMvarTau2 =
                sums.nMdevTerms == 0 ? NOT_A_NUMBER
                                     : sums.dMdevSquares / (2.0 * static_cast<double>(m * m) *
                                                            static_cast<double>(sums.nMdevTerms));
            noise = IdentifyNoise(grid.phase, nFactor, dAvarTau2, dMvarTau2, noise.nAlpha);
        }
        const SStabilityPoint point =
            MakePoint(sums, m, result.dTau0, nExponent, noise, options.dConfidence);
        // Only a tau0 or phase near the limits of double could get here.
        if (std::isinf(point.dAdevHigh) || std::isinf(point.dMdevHigh) ||
            std::isinf(point.dTdevHigh) || std::isinf(point.dHdevHigh))
            return Refused("deviations beyond the range of numbers");
        result.points.push_back(point);
    }
    result.bComputed = true;
    return result;
}
