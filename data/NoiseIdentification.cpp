#include "data/NoiseIdentification.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Fewer points than this at a tau leave the lag-1 autocorrelation too uncertain.
constexpr std::size_t MIN_AUTOCORRELATION_POINTS = 30;
// Differences taken at most: enough for random-walk frequency noise in phase data. Each is
// spelt out in SDecimated::At.
constexpr int MAX_DIFFERENCES = 2;
constexpr int MIN_ALPHA = -2;
constexpr int MAX_ALPHA = 2;

// The phase at every m-th slot (the phase at tau, as W. J. Riley and C. A. Greenhall take it),
// differenced nDifferences times; NaN where a slot it needs is missing.
struct SDecimated {
    const std::vector<double>& phase;
    std::size_t m;
    std::size_t nCount; // of the phase at tau, before differencing

    // The d-th difference, sum over i of (-1)^(d - i) C(d, i) z_(k + i), for d up to
    // MAX_DIFFERENCES spelt out, d known where it is called: a million points take it a few
    // times each.
    template <int d> double At(std::size_t k) const {
        static_assert(d >= 0 && d <= MAX_DIFFERENCES);
        const double* z = phase.data() + k * m;
        if constexpr (d == 0)
            return z[0];
        else if constexpr (d == 1)
            return z[m] - z[0];
        else
            return (z[0] - 2.0 * z[m]) + z[2 * m];
    }
};

// The lag-1 autocorrelation r1 of the series differenced d times, over the values and the
// neighbouring pairs that are present, with the pairs' sum scaled as if none were missing (so
// that without gaps it is the paper's sum over N - 1 pairs over the sum over N values). NaN
// when there is no pair or no variation.
template <int d> double LagOneAutocorrelation(const SDecimated& z) {
    const std::size_t nValues = z.nCount - static_cast<std::size_t>(d);
    double dSum = 0.0;
    std::size_t nPresent = 0;
    for (std::size_t k = 0; k < nValues; ++k) {
        const double v = z.template At<d>(k);
        if (!std::isnan(v)) {
            dSum += v;
            ++nPresent;
        }
    }
    const double dMean = dSum / static_cast<double>(nPresent);
    double dSquares = 0.0, dProducts = 0.0;
    std::size_t nPairs = 0;
    double dPrevious = std::nan("");
    for (std::size_t k = 0; k < nValues; ++k) {
        const double v = z.template At<d>(k) - dMean;
        if (std::isnan(v)) {
            dPrevious = v;
            continue;
        }
        dSquares += v * v;
        if (!std::isnan(dPrevious)) {
            dProducts += dPrevious * v;
            ++nPairs;
        }
        dPrevious = v;
    }
    if (nPairs == 0 || !(dSquares > 0.0))
        return std::nan("");
    return dProducts / dSquares * static_cast<double>(nPresent - 1) / static_cast<double>(nPairs);
}

double LagOneAutocorrelation(const SDecimated& z, int d) {
    static_assert(MAX_DIFFERENCES == 2);
    switch (d) {
    case 0:
        return LagOneAutocorrelation<0>(z);
    case 1:
        return LagOneAutocorrelation<1>(z);
    default:
        return LagOneAutocorrelation<2>(z);
    }
}

// W. J. Riley and C. A. Greenhall, "Power law noise identification using the lag 1
// autocorrelation", Proc. 18th EFTF (2004): difference the phase at tau until
// delta = r1 / (1 + r1) < 1/4 (stationary), at most MAX_DIFFERENCES times; then the spectral
// exponent of the phase is p = -2 (delta + d), and alpha = p + 2, rounded.
bool FromAutocorrelation(const SDecimated& z, int& nAlpha) {
    for (int d = 0; d <= MAX_DIFFERENCES; ++d) {
        const double r1 = LagOneAutocorrelation(z, d);
        if (std::isnan(r1))
            return false;
        const double dDelta = r1 / (1.0 + r1);
        if (dDelta < 0.25 || d == MAX_DIFFERENCES) {
            const double dAlpha = std::round(-2.0 * (dDelta + d)) + 2.0;
            nAlpha = static_cast<int>(std::clamp(dAlpha, double{MIN_ALPHA}, double{MAX_ALPHA}));
            return true;
        }
    }
    return false;
}

// The B1 ratio expected of N frequency averages when the Allan variance goes as tau^mu: the
// bias function B1(N, r = 1, mu) of J. A. Barnes, "Tables of bias functions, B1 and B2, for
// variances based on finite samples of processes with power law spectral densities", NBS
// Technical Note 375 (1969).
double ExpectedB1(double N, int nMu) {
    if (nMu == 0)
        return N * std::log(N) / (2.0 * (N - 1.0) * std::numbers::ln2);
    return N * (1.0 - std::pow(N, nMu)) / (2.0 * (N - 1.0) * (1.0 - std::pow(2.0, nMu)));
}

// The B1 ratio, the standard variance of the N frequency averages at tau over their Allan
// variance, against its values expected for mu = 1 (random-walk frequency), 0 (flicker
// frequency), -1 (white frequency) and -2 (phase noise), split at their geometric means; the
// phase noises apart by R(n) = modified over overlapping Allan variance against 1/m (white) and
// its value for flicker phase noise, 3 ln(256/27) / 2 over 1.038 + 3 ln(2 pi f_h tau) with the
// bandwidth f_h = 1 / (2 tau0) (W. J. Riley, "Handbook of Frequency Stability Analysis", NIST
// SP 1065, 2008).
bool FromB1Ratio(const SDecimated& z, std::size_t m, double dAvarTau2, double dMvarTau2,
                 int& nAlpha) {
    double dSum = 0.0;
    std::size_t N = 0;
    for (std::size_t k = 0; k + 1 < z.nCount; ++k) {
        const double y = z.At<1>(k);
        if (!std::isnan(y)) {
            dSum += y;
            ++N;
        }
    }
    // Two averages would give every noise the same expected ratio.
    if (N < 3 || !(dAvarTau2 > 0.0))
        return false;
    const auto dN = static_cast<double>(N);
    double dSquares = 0.0;
    for (std::size_t k = 0; k + 1 < z.nCount; ++k) {
        const double y = z.At<1>(k) - dSum / dN;
        if (!std::isnan(y))
            dSquares += y * y;
    }
    const double dB1 = dSquares / (dN - 1.0) / dAvarTau2;
    for (int nMu = 1; nMu > -2; --nMu) {
        if (dB1 > std::sqrt(ExpectedB1(dN, nMu) * ExpectedB1(dN, nMu - 1))) {
            nAlpha = -nMu - 1;
            return true;
        }
    }
    if (std::isnan(dMvarTau2))
        return false;
    const auto dM = static_cast<double>(m);
    const double dFlickerRn =
        3.0 * std::log(256.0 / 27.0) / (2.0 * (1.038 + 3.0 * std::log(std::numbers::pi * dM)));
    nAlpha = dMvarTau2 / dAvarTau2 < std::sqrt(dFlickerRn / dM) ? 2 : 1;
    return true;
}

} // namespace

SNoiseEstimate IdentifyNoise(const std::vector<double>& phase, std::size_t m, double dAvarTau2,
                             double dMvarTau2, int nPreviousAlpha) {
    const SDecimated z{phase, m, (phase.size() - 1) / m + 1};
    std::size_t nPresent = 0;
    for (std::size_t k = 0; k < z.nCount; ++k)
        nPresent += !std::isnan(z.At<0>(k));
    SNoiseEstimate estimate{nPreviousAlpha, EAlphaSource::Carried};
    if (nPresent >= MIN_AUTOCORRELATION_POINTS) {
        if (FromAutocorrelation(z, estimate.nAlpha))
            estimate.source = EAlphaSource::Autocorrelation;
    } else if (FromB1Ratio(z, m, dAvarTau2, dMvarTau2, estimate.nAlpha)) {
        estimate.source = EAlphaSource::B1Ratio;
    }
    return estimate;
}
