#include "data/DegreesOfFreedom.h"

#include <gtest/gtest.h>

#include <vector>

// For white phase noise the paper's model is exact: each term is a filter c_k over independent
// samples. Two terms l apart then have the covariance rho_l = sum_k c_k c_(k+l), and the mean
// of M terms edf = (M rho_0)^2 / (sum over all pairs of terms of rho^2).
static double WhitePhaseEdf(const std::vector<double>& filter, long long M) {
    const auto L = static_cast<long long>(filter.size());
    double dPairs = 0.0, dRho0 = 0.0;
    for (long long l = 0; l < L && l < M; ++l) {
        double dRho = 0.0;
        for (long long k = 0; k + l < L; ++k)
            dRho += filter[k] * filter[k + l];
        dPairs += (l == 0 ? 1.0 : 2.0) * static_cast<double>(M - l) * dRho * dRho;
        dRho0 = l == 0 ? dRho : dRho0;
    }
    return static_cast<double>(M * M) * dRho0 * dRho0 / dPairs;
}

TEST(DegreesOfFreedom, ExactForWhitePhaseNoise) {
    constexpr long long N = 300;
    for (long long m : {1, 4, 30}) {
        std::vector<double> allan(2 * m + 1), modified(3 * m), hadamard(3 * m + 1);
        allan[0] = 1.0, allan[m] = -2.0, allan[2 * m] = 1.0;
        hadamard[0] = -1.0, hadamard[m] = 3.0, hadamard[2 * m] = -3.0, hadamard[3 * m] = 1.0;
        for (long long i = 0; i < m; ++i) {
            modified[i] += 1.0;
            modified[i + m] -= 2.0;
            modified[i + 2 * m] += 1.0;
        }
        const struct {
            EVariance variance;
            const std::vector<double>& filter;
            long long M;
        } cases[] = {{EVariance::Allan, allan, N - 2 * m},
                     {EVariance::ModifiedAllan, modified, N - 3 * m + 1},
                     {EVariance::Hadamard, hadamard, N - 3 * m}};
        for (const auto& c : cases)
            EXPECT_NEAR(EquivalentDegreesOfFreedom(c.variance, 2, m, c.M) /
                            WhitePhaseEdf(c.filter, c.M),
                        1.0, 1e-12)
                << m;
    }
}

// Past J_MAX covariance terms, or (unmodified) a filter of more than J_MAX / (d + 1) samples,
// the paper's tables take over from its sums: at the switch the edf per term changes by no
// more than the approximation's few per cent, both at r = 4 and 40 terms per tau and where
// fewer than d + 1 terms per tau are left.
TEST(DegreesOfFreedom, TablesContinueTheSums) {
    const struct {
        EVariance variance;
        long long nLastSummed, d;
        double dTolerance;
    } cases[] = {{EVariance::Allan, 33, 2, 0.045},
                 {EVariance::ModifiedAllan, 33, 3, 0.035},
                 {EVariance::Hadamard, 25, 3, 0.055}};
    for (const auto& c : cases) {
        for (int nAlpha = 2; nAlpha >= -2; --nAlpha) {
            // The edf per term at a tau of m samples over M terms.
            const auto perTerm = [&](long long m, long long M) {
                return EquivalentDegreesOfFreedom(c.variance, nAlpha, m, M) /
                       static_cast<double>(M);
            };
            const long long m = c.nLastSummed, n = 200, N = (c.d + 1) * n;
            for (long long r : {4, 40})
                EXPECT_NEAR(perTerm(m + 1, r * (m + 1)) / perTerm(m, r * m), 1.0, c.dTolerance)
                    << nAlpha << " " << r;
            EXPECT_NEAR(EquivalentDegreesOfFreedom(c.variance, nAlpha, n, N + 1) /
                            EquivalentDegreesOfFreedom(c.variance, nAlpha, n, N - 1),
                        1.0, 0.035)
                << nAlpha;
        }
    }
}
