#include "data/DegreesOfFreedom.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Past this many covariance terms the tables' asymptotic forms take over.
constexpr double J_MAX = 100.0;
constexpr double INFINITE = std::numeric_limits<double>::infinity();

// The paper's equation (7): a generalized autocovariance of the noise of exponent alpha,
// defined up to polynomial terms that the differences below remove.
double Sw(double t, int nAlpha) {
    const double dAbs = std::fabs(t);
    switch (nAlpha) {
    case 2:
        return -dAbs;
    case 1:
        return t == 0.0 ? 0.0 : t * t * std::log(dAbs);
    case 0:
        return dAbs * dAbs * dAbs;
    case -1:
        return t == 0.0 ? 0.0 : -t * t * t * t * std::log(dAbs);
    default:
        return -dAbs * dAbs * dAbs * dAbs * dAbs;
    }
}

// Equation (8): the phase averaged over 1/F of tau; unmodified variances take F = m (the
// average over one sample step), modified ones F = 1, and F = infinity is the limit for large m.
double Sx(double t, double dF, int nAlpha) {
    if (std::isinf(dF))
        return Sw(t, nAlpha + 2);
    return dF * dF * (2.0 * Sw(t, nAlpha) - Sw(t - 1.0 / dF, nAlpha) - Sw(t + 1.0 / dF, nAlpha));
}

// Equation (9): the covariance of two terms t tau apart, the d-th difference of Sx.
double Sz(double t, double dF, int nAlpha, int d) {
    double dSum = 0.0;
    double dBinomial = 1.0; // C(2d, d + k), from k = -d
    for (int k = -d; k <= d; ++k) {
        dSum += (k % 2 == 0 ? dBinomial : -dBinomial) * Sx(t + k, dF, nAlpha);
        dBinomial = dBinomial * (d - k) / (d + k + 1);
    }
    return dSum;
}

// Equation (10): M times the variance of the mean of M terms spaced 1/S of tau apart, over the
// square of one term's variance, with the covariances beyond J terms apart left out.
double BasicSum(double J, double M, double S, double dF, int nAlpha, int d) {
    const auto Squared = [&](double t) { return std::pow(Sz(t, dF, nAlpha, d), 2); };
    double dSum = Squared(0.0) + (1.0 - J / M) * Squared(J / S);
    for (double j = 1.0; j < J; ++j)
        dSum += 2.0 * (1.0 - j / M) * Squared(j / S);
    return dSum;
}

struct SAsymptote {
    double a0, a1;
};

// Tables 1 and 2: 1 / edf = (a0 - a1 / r) / r for many terms (r = M / S terms per tau), by
// row alpha = 2 ... -2 and column d = 2 (Allan) or 3 (Hadamard); table 1 for F = 1, table 2
// for F = infinity (alpha = 1 there with table 3's factor).
constexpr SAsymptote TABLE_1[5][2] = {{{7.0 / 9.0, 1.0 / 2.0}, {22.0 / 25.0, 2.0 / 3.0}},
                                      {{0.997, 0.616}, {1.141, 0.843}},
                                      {{1.033, 0.607}, {1.184, 0.848}},
                                      {{1.048, 0.534}, {1.180, 0.816}},
                                      {{1.302, 0.535}, {1.175, 0.777}}};
constexpr SAsymptote TABLE_2[5][2] = {{{35.0 / 18.0, 1.0}, {231.0 / 100.0, 3.0 / 2.0}},
                                      {{790.0, 410.0}, {9950.0, 6520.0}},
                                      {{2.0 / 3.0, 1.0 / 3.0}, {7.0 / 9.0, 1.0 / 2.0}},
                                      {{0.852, 0.375}, {0.997, 0.617}},
                                      {{1.079, 0.368}, {1.033, 0.607}}};
// Table 3: for flicker phase noise the variance of a term grows as (b0 + b1 ln m)^2.
constexpr SAsymptote TABLE_3[2] = {{15.23, 12.0}, {47.8, 40.0}};

double FromTable(const SAsymptote (&table)[5][2], int nAlpha, int d, double r) {
    const SAsymptote& row = table[2 - nAlpha][d - 2];
    return (row.a0 - row.a1 / r) / r;
}

// 1 / edf for the stride S = m of overlapping estimators, by the paper's cases.
double InverseEdf(int nAlpha, int d, bool bModified, double m, double M) {
    const double S = m;
    const double J = std::min(M, (d + 1) * S);
    const double r = M / S;
    const double dF = bModified ? 1.0 : m;
    if (!bModified && nAlpha == 2) {
        // The paper's case 4, white phase noise, unmodified: only terms a whole tau apart are
        // correlated, by C(2d, d - k)^2 / C(2d, d)^2 at k tau; its sum in closed form.
        double dSum = 1.0;
        double dRatio = 1.0; // C(2d, d - k) / C(2d, d)
        for (int k = 1; k <= d && k < r; ++k) {
            dRatio = dRatio * (d - k + 1) / (d + k);
            dSum += 2.0 * (1.0 - k / r) * dRatio * dRatio;
        }
        return dSum / M;
    }
    // Flicker phase noise keeps the filter of one sample step: its variance has no limit for
    // large m, only table 3's logarithmic growth.
    const bool bFlickerPhase = !bModified && nAlpha == 1;
    if (J <= J_MAX) {
        // Cases 1, 2 and 3 with few terms: the sum itself. Once (d + 1) m passes J_MAX, the
        // filter of one sample step would lose its digits in Sx's differences over 1/m, and
        // its limit F = infinity serves instead.
        const double dFilter = bModified || bFlickerPhase || (d + 1) * m <= J_MAX ? dF : INFINITE;
        return BasicSum(J, M, S, dFilter, nAlpha, d) /
               (M * std::pow(Sz(0.0, dFilter, nAlpha, d), 2));
    }
    const double dLogFactor =
        bFlickerPhase ? std::pow(TABLE_3[d - 2].a0 + TABLE_3[d - 2].a1 * std::log(m), 2) : 1.0;
    if (r >= d + 1)
        return FromTable(bModified ? TABLE_1 : TABLE_2, nAlpha, d, r) / dLogFactor;
    // Many terms but fewer than d + 1 per tau: the sum over J_MAX terms as far apart in tau.
    const double dStride = J_MAX / r;
    if (bFlickerPhase)
        return BasicSum(J_MAX, J_MAX, dStride, dStride, nAlpha, d) / (J_MAX * dLogFactor);
    const double dFilter = bModified ? 1.0 : INFINITE;
    return BasicSum(J_MAX, J_MAX, dStride, dFilter, nAlpha, d) /
           (J_MAX * std::pow(Sz(0.0, dFilter, nAlpha, d), 2));
}

} // namespace

double EquivalentDegreesOfFreedom(EVariance variance, int nAlpha, long long m, long long nTerms) {
    const int d = variance == EVariance::Hadamard ? 3 : 2;
    return 1.0 / InverseEdf(nAlpha, d, variance == EVariance::ModifiedAllan, static_cast<double>(m),
                            static_cast<double>(nTerms));
}
