#include "data/Stability.h"

#include "data/SeriesSteps.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numeric>

namespace {

constexpr std::size_t MIN_POINTS = 3;
// A step counts as tau0, or a gap as a whole multiple of it, within this share of tau0.
constexpr double STEP_TOLERANCE = 0.01;
// Beyond this the slots are mostly empty and the work grows with the square of their count.
constexpr long long MAX_MISSING_PER_POINT = 10;
// The sliding inner sum of MDEV starts afresh after this many times m terms.
constexpr std::size_t RESTART_FACTORS = 8;

std::string Seconds(double dSeconds) {
    char szText[32];
    std::snprintf(szText, sizeof szText, "%g s", dSeconds);
    return szText;
}

std::string AtPoint(std::size_t i) {
    return " at point " + std::to_string(i + 1);
}

// The phase on its sample slots, NaN in the missing ones, scaled by 2^-nExponent so that
// every value lies within +-1: then no square or sum can overflow or underflow whatever the
// unit, and a power of two changes no digit. Answers why the series is refused, or nothing.
std::string LayOutSlots(const double* pX, const double* pPhase, std::size_t nPoints,
                        SStabilityResult& result, std::vector<double>& phase, int& nExponent) {
    if (nPoints < MIN_POINTS)
        return "fewer than " + std::to_string(MIN_POINTS) + " points";
    double dLargest = 0.0;
    for (std::size_t i = 0; i < nPoints; ++i) {
        if (!std::isfinite(pX[i]) || !std::isfinite(pPhase[i]))
            return "not a finite number" + AtPoint(i);
        dLargest = std::max(dLargest, std::fabs(pPhase[i]));
    }
    std::frexp(dLargest, &nExponent);

    const double dTau0 = MedianStep(pX, nPoints);
    const double dMissingAllowed =
        static_cast<double>(MAX_MISSING_PER_POINT * static_cast<long long>(nPoints));
    phase.reserve(nPoints);
    phase.push_back(std::ldexp(pPhase[0], -nExponent));
    for (std::size_t i = 1; i < nPoints; ++i) {
        const double dStep = pX[i] - pX[i - 1];
        const double dMultiple = std::nearbyint(dStep / dTau0);
        if (!(dStep > 0.0))
            return "x does not ascend" + AtPoint(i);
        if (std::fabs(dStep - dTau0) > STEP_TOLERANCE * dTau0) {
            if (!IsGap(dStep, dTau0) ||
                !(std::fabs(dStep - dMultiple * dTau0) <= STEP_TOLERANCE * dTau0))
                return "not evenly spaced: step of " + Seconds(dStep) + AtPoint(i) +
                       " where the median is " + Seconds(dTau0);
            if (static_cast<double>(result.nMissing) + dMultiple - 1.0 > dMissingAllowed)
                return "gaps too long: more than " + std::to_string(MAX_MISSING_PER_POINT) +
                       " missing samples for each point";
            const auto nMissing = static_cast<long long>(dMultiple) - 1;
            phase.insert(phase.end(), static_cast<std::size_t>(nMissing),
                         std::numeric_limits<double>::quiet_NaN());
            result.nMissing += nMissing;
        }
        phase.push_back(std::ldexp(pPhase[i], -nExponent));
    }
    result.dTau0 = dTau0;
    result.nSamples = static_cast<long long>(phase.size());
    return {};
}

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

// The sums of squares behind the estimators at one averaging factor m, over the terms whose
// samples are all present.
struct SFactorSums {
    double dAdevSquares = 0.0;
    long long nAdevTerms = 0;
    double dMdevSquares = 0.0;
    long long nMdevTerms = 0;
};

// Buffers kept from one averaging factor to the next.
struct SScratch {
    std::vector<double> d;                   // second differences, 0 where one is missing
    std::vector<std::size_t> nMissingBefore; // how many d before each index are missing
    std::vector<double> window;              // inner sums of MDEV, 0 where one is missing
};

// In four interleaved partial sums: the additions of one do not wait for the others'.
double SumOfSquares(const std::vector<double>& values) {
    double dPartial[4] = {};
    std::size_t i = 0;
    for (; i + 4 <= values.size(); i += 4) {
        for (std::size_t k = 0; k < 4; ++k)
            dPartial[k] += values[i + k] * values[i + k];
    }
    for (; i < values.size(); ++i)
        dPartial[0] += values[i] * values[i];
    return (dPartial[0] + dPartial[1]) + (dPartial[2] + dPartial[3]);
}

// The second differences d_i = x_(i+2m) - 2 x_(i+m) + x_i of the phase x (the handbook's
// letter for it, not the time), taken straight from the phase: sums of the phase itself would carry
// its large values and lose the small differences. A missing sample (NaN) makes d_i missing: every
// term that needs it is skipped. Without gaps (bAnyMissing false) that bookkeeping, a third of the
// time, is left out.
//
// Overlapping Allan variance from phase (Riley, NIST SP 1065):
//   sigma_y^2(tau) = 1 / (2 tau^2 (N - 2m)) * sum_(i=1)^(N-2m) d_i^2
// Modified Allan variance from phase (same source):
//   Mod sigma_y^2(tau) = 1 / (2 m^2 tau^2 (N - 3m + 1))
//                        * sum_(j=1)^(N-3m+1) (sum_(i=j)^(j+m-1) d_i)^2
// with N - 2m and N - 3m + 1 replaced by the counts of terms used. The inner sum slides
// along the d_i, one in and one out per term, so each tau costs O(N) instead of O(N m); it
// starts afresh every RESTART_FACTORS * m terms so that rounding cannot pile up along the
// series (a large d_i that has passed leaves its rounding error behind until then).
SFactorSums SumFactor(const std::vector<double>& phase, std::size_t m, bool bAnyMissing,
                      SScratch& scratch) {
    std::vector<double>& d = scratch.d;
    std::vector<std::size_t>& nMissingBefore = scratch.nMissingBefore;
    d.resize(phase.size() - 2 * m);
    for (std::size_t i = 0; i < d.size(); ++i)
        d[i] = phase[i + 2 * m] - 2.0 * phase[i + m] + phase[i];
    nMissingBefore.assign(d.size() + 1, 0);
    for (std::size_t i = 0; bAnyMissing && i < d.size(); ++i) {
        const bool bMissing = std::isnan(d[i]);
        d[i] = bMissing ? 0.0 : d[i];
        nMissingBefore[i + 1] = nMissingBefore[i] + bMissing;
    }
    SFactorSums sums;
    sums.dAdevSquares = SumOfSquares(d);
    sums.nAdevTerms = static_cast<long long>(d.size() - nMissingBefore.back());

    std::vector<double>& window = scratch.window;
    window.resize(d.size() - m + 1);
    double dWindow = 0.0;
    std::size_t nUntilRestart = 0;
    for (std::size_t j = 0; j < window.size(); ++j) {
        if (nUntilRestart-- == 0) {
            dWindow = std::accumulate(d.begin() + j, d.begin() + j + m, 0.0);
            nUntilRestart = RESTART_FACTORS * m - 1;
        } else {
            dWindow += d[j + m - 1] - d[j - 1];
        }
        const bool bWhole = nMissingBefore[j + m] == nMissingBefore[j];
        window[j] = bWhole ? dWindow : 0.0;
        sums.nMdevTerms += bWhole;
    }
    sums.dMdevSquares = SumOfSquares(window);
    return sums;
}

// The handbook's simple confidence interval, whatever the noise: +-sigma / sqrt(N) for N
// independent terms. Overlapping terms m apart share samples, so N is the terms used over m
// (at least 1, where the low bound reaches 0). The same rule serves all three estimators.
void SetBounds(double dValue, long long nTerms, long long m, double& dLow, double& dHigh) {
    const double dIndependent = std::max(1.0, static_cast<double>(nTerms) / static_cast<double>(m));
    const double dHalfWidth = dValue / std::sqrt(dIndependent);
    dLow = dValue - dHalfWidth;
    dHigh = dValue + dHalfWidth;
}

SStabilityPoint MakePoint(const SFactorSums& sums, long long m, double dTau0, int nExponent) {
    SStabilityPoint point;
    point.nFactor = m;
    point.dTau = static_cast<double>(m) * dTau0;
    point.nAdevTerms = sums.nAdevTerms;
    point.nMdevTerms = sums.nMdevTerms;
    const auto Rms = [nExponent](double dSquares, long long nTerms) {
        return nTerms == 0 ? std::numeric_limits<double>::quiet_NaN()
                           : std::ldexp(std::sqrt(dSquares / (2.0 * static_cast<double>(nTerms))),
                                        nExponent);
    };
    point.dAdev = Rms(sums.dAdevSquares, sums.nAdevTerms) / point.dTau;
    const double dMdevRms = Rms(sums.dMdevSquares, sums.nMdevTerms) / static_cast<double>(m);
    point.dMdev = dMdevRms / point.dTau;
    // Time variance (same source): sigma_x^2(tau) = tau^2 / 3 * Mod sigma_y^2(tau).
    point.dTdev = dMdevRms / std::sqrt(3.0);
    SetBounds(point.dAdev, point.nAdevTerms, m, point.dAdevLow, point.dAdevHigh);
    SetBounds(point.dMdev, point.nMdevTerms, m, point.dMdevLow, point.dMdevHigh);
    SetBounds(point.dTdev, point.nMdevTerms, m, point.dTdevLow, point.dTdevHigh);
    return point;
}

} // namespace

SStabilityResult ComputeStability(const double* pXSeconds, const double* pPhaseSeconds,
                                  std::size_t nPoints, ETauSpacing spacing) {
    SStabilityResult result;
    std::vector<double> phase;
    int nExponent = 0;
    result.strWhyNot = LayOutSlots(pXSeconds, pPhaseSeconds, nPoints, result, phase, nExponent);
    if (!result.strWhyNot.empty())
        return result;
    SScratch scratch;
    for (long long m = 1; 3 * m <= result.nSamples; m = NextFactor(m, spacing)) {
        const SFactorSums sums =
            SumFactor(phase, static_cast<std::size_t>(m), result.nMissing > 0, scratch);
        if (sums.nAdevTerms == 0)
            continue;
        const SStabilityPoint point = MakePoint(sums, m, result.dTau0, nExponent);
        // Only a tau0 or phase near the limits of double could get here.
        if (std::isinf(point.dAdevHigh) || std::isinf(point.dMdevHigh) ||
            std::isinf(point.dTdevHigh)) {
            result.points.clear();
            result.strWhyNot = "deviations beyond the range of numbers";
            return result;
        }
        result.points.push_back(point);
    }
    result.bComputed = true;
    return result;
}
