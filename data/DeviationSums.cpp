#include "data/DeviationSums.h"

#include <cmath>

namespace {

// The sliding inner sum of the modified variance starts afresh after this many times m terms.
constexpr std::size_t RESTART_FACTORS = 8;

// The squares of terms j < nTerms summed in four interleaved partial sums, term j in sum j % 4
// and the last nTerms % 4 in the first, whose additions do not wait for each other. With gaps a
// term that is NaN (it needs a missing sample) is left out and not counted; without, that
// bookkeeping is left out.
template <bool bGaps> class CSquares {
public:
    explicit CSquares(std::size_t nTerms) : m_nQuads(nTerms / 4 * 4) {}
    // Term j, in the sum of its place among the quads.
    void Add(std::size_t j, double v) { AddTo(j < m_nQuads ? j % 4 : 0, v); }
    // Term j of a quad, k = j % 4 known where it is called.
    void AddTo(std::size_t k, double v) {
        if constexpr (bGaps) {
            const bool bPresent = v == v;
            m_dPartial[k] += bPresent ? v * v : 0.0;
            m_nPartial[k] += bPresent;
        } else {
            m_dPartial[k] += v * v;
            ++m_nPartial[k];
        }
    }
    std::size_t Quads() const { return m_nQuads; }
    double Sum() const { return (m_dPartial[0] + m_dPartial[1]) + (m_dPartial[2] + m_dPartial[3]); }
    long long Count() const {
        return (m_nPartial[0] + m_nPartial[1]) + (m_nPartial[2] + m_nPartial[3]);
    }

private:
    std::size_t m_nQuads;
    double m_dPartial[4] = {};
    long long m_nPartial[4] = {};
};

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
// the modified variance slides along the d_i, one in and one out per term (d_(j+m) - d_j,
// which is h_j but for a missing d, taken as 0 there), so each tau costs O(N) instead of
// O(N m); it starts afresh every RESTART_FACTORS m terms so that rounding cannot pile up along
// the series (a large d_i that has passed leaves its rounding error behind until then). A
// missing sample (NaN) makes every d_i and h_i that needs it NaN. All three go in one pass over
// the phase, each d_i worked out once: the pass reads the phase at four places at once, and
// three passes would read it three times.
template <bool bGaps>
SDeviationSums Sum(const std::vector<double>& phase, const std::uint32_t* pMissingBefore,
                   std::size_t m) {
    const double* x = phase.data();
    const std::size_t N = phase.size();
    const auto d = [x, m](std::size_t i) { return x[i + 2 * m] - 2.0 * x[i + m] + x[i]; };
    const auto Present = [](double v) { return bGaps && std::isnan(v) ? 0.0 : v; };
    const std::size_t nAdevTerms = N - 2 * m;
    const std::size_t nHdevTerms = N - 3 * m;
    CSquares<bGaps> adev(nAdevTerms);
    CSquares<bGaps> hdev(nHdevTerms);
    SDeviationSums sums;
    // The modified variance's term j, its sliding sum moved on by the step d_(j+m-1) - d_(j-1).
    double dWindow = 0.0;
    std::size_t nUntilRestart = 0;
    const auto ModifiedTerm = [&](std::size_t j, double dStep) {
        if (nUntilRestart-- == 0) {
            dWindow = 0.0;
            for (std::size_t i = j; i < j + m; ++i)
                dWindow += Present(d(i));
            nUntilRestart = RESTART_FACTORS * m - 1;
        } else {
            dWindow += dStep;
        }
        if (!bGaps || pMissingBefore[j + 3 * m] == pMissingBefore[j]) {
            sums.dMdevSquares += dWindow * dWindow;
            ++sums.nMdevTerms;
        }
    };
    double dStep = 0.0;
    std::size_t i = 0;
    for (; i < hdev.Quads(); i += 4) {
        for (std::size_t k = 0; k < 4; ++k) {
            ModifiedTerm(i + k, dStep);
            const double dNow = d(i + k);
            const double dLater = d(i + k + m);
            adev.AddTo(k, dNow);
            hdev.AddTo(k, dLater - dNow);
            dStep = Present(dLater) - Present(dNow);
        }
    }
    // The last terms of each: the modified variance has one more than the Hadamard.
    for (; i < nAdevTerms; ++i) {
        if (i <= nHdevTerms)
            ModifiedTerm(i, dStep);
        const double dNow = d(i);
        adev.Add(i, dNow);
        if (i < nHdevTerms) {
            const double dLater = d(i + m);
            hdev.Add(i, dLater - dNow);
            dStep = Present(dLater) - Present(dNow);
        }
    }
    sums.dAdevSquares = adev.Sum();
    sums.nAdevTerms = adev.Count();
    sums.dHdevSquares = hdev.Sum();
    sums.nHdevTerms = hdev.Count();
    return sums;
}

} // namespace

SDeviationSums SumDeviations(const std::vector<double>& phase,
                             const std::vector<std::uint32_t>& missingBefore, std::size_t m) {
    return missingBefore.empty() ? Sum<false>(phase, nullptr, m)
                                 : Sum<true>(phase, missingBefore.data(), m);
}
