#include "data/DeviationSums.h"

#include <cmath>

namespace {

// The sliding inner sum of the modified variance starts afresh after this many times m terms.
constexpr std::size_t RESTART_FACTORS = 8;

struct SSquares {
    double dSum = 0.0;
    long long nCount = 0;
};

// The squares of value(j) for j < n summed in four interleaved partial sums, whose additions do
// not wait for each other. With gaps a value that is NaN (it needs a missing sample) is left
// out and not counted; without, that bookkeeping is left out.
template <bool bGaps, typename F> SSquares SumOfSquares(std::size_t n, F value) {
    double dPartial[4] = {};
    long long nPartial[4] = {};
    const auto Add = [&](std::size_t k, double v) {
        if constexpr (bGaps) {
            const bool bPresent = v == v;
            dPartial[k] += bPresent ? v * v : 0.0;
            nPartial[k] += bPresent;
        } else {
            dPartial[k] += v * v;
        }
    };
    std::size_t j = 0;
    for (; j + 4 <= n; j += 4) {
        for (std::size_t k = 0; k < 4; ++k)
            Add(k, value(j + k));
    }
    for (; j < n; ++j)
        Add(0, value(j));
    SSquares squares;
    squares.dSum = (dPartial[0] + dPartial[1]) + (dPartial[2] + dPartial[3]);
    squares.nCount = bGaps ? (nPartial[0] + nPartial[1]) + (nPartial[2] + nPartial[3])
                           : static_cast<long long>(n);
    return squares;
}

// The estimators of W. J. Riley, "Handbook of Frequency Stability Analysis", NIST SP 1065
// (2008), from phase x (the handbook's letter for it, not the time), with the second differences
// d_i = x_(i+2m) - 2 x_(i+m) + x_i taken straight from the phase: sums of the phase itself
// would carry its large values and lose the small differences.
//   overlapping Allan:  sigma_y^2(tau) = 1 / (2 tau^2 (N - 2m)) sum_(i=1)^(N-2m) d_i^2
//   modified Allan:     Mod sigma_y^2(tau) = 1 / (2 m^2 tau^2 (N - 3m + 1))
//                                            sum_(j=1)^(N-3m+1) (sum_(i=j)^(j+m-1) d_i)^2
//   overlapping Hadamard: H sigma_y^2(tau) = 1 / (6 tau^2 (N - 3m)) sum_(i=1)^(N-3m) h_i^2,
//                       h_i = x_(i+3m) - 3 x_(i+2m) + 3 x_(i+m) - x_i = d_(i+m) - d_i
// with the counts N - 2m, N - 3m + 1 and N - 3m replaced by the terms used. The inner sum of
// the modified variance slides along the d_i, one in and one out per term, so each tau costs
// O(N) instead of O(N m); it starts afresh every RESTART_FACTORS m terms so that rounding
// cannot pile up along the series (a large d_i that has passed leaves its rounding error behind
// until then). A missing sample (NaN) makes every d_i and h_i that needs it NaN.
template <bool bGaps>
SDeviationSums Sum(const std::vector<double>& phase, const std::uint32_t* pMissingBefore,
                   std::size_t m) {
    const double* x = phase.data();
    const std::size_t N = phase.size();
    const auto d = [x, m](std::size_t i) { return x[i + 2 * m] - 2.0 * x[i + m] + x[i]; };
    SDeviationSums sums;
    const SSquares adev = SumOfSquares<bGaps>(N - 2 * m, d);
    sums.dAdevSquares = adev.dSum;
    sums.nAdevTerms = adev.nCount;
    const SSquares hdev =
        SumOfSquares<bGaps>(N - 3 * m, [&d, m](std::size_t i) { return d(i + m) - d(i); });
    sums.dHdevSquares = hdev.dSum;
    sums.nHdevTerms = hdev.nCount;

    // A missing d_i adds nothing to the sliding sum; a term whose 3m samples are not all
    // present is left out.
    const auto Present = [&d](std::size_t i) {
        const double v = d(i);
        return bGaps && std::isnan(v) ? 0.0 : v;
    };
    double dWindow = 0.0;
    std::size_t nUntilRestart = 0;
    for (std::size_t j = 0; j + 3 * m <= N; ++j) {
        if (nUntilRestart-- == 0) {
            dWindow = 0.0;
            for (std::size_t i = j; i < j + m; ++i)
                dWindow += Present(i);
            nUntilRestart = RESTART_FACTORS * m - 1;
        } else {
            dWindow += Present(j + m - 1) - Present(j - 1);
        }
        if (!bGaps || pMissingBefore[j + 3 * m] == pMissingBefore[j]) {
            sums.dMdevSquares += dWindow * dWindow;
            ++sums.nMdevTerms;
        }
    }
    return sums;
}

} // namespace

SDeviationSums SumDeviations(const std::vector<double>& phase,
                             const std::vector<std::uint32_t>& missingBefore, std::size_t m) {
    return missingBefore.empty() ? Sum<false>(phase, nullptr, m)
                                 : Sum<true>(phase, missingBefore.data(), m);
}
