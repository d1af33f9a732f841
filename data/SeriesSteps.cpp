#include "data/SeriesSteps.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Calls use(nIndex, dStep) for every step, with the index of the point that ends it.
template <typename F> void ForEachStep(const double* pX, std::size_t nPoints, F use) {
    bool bHavePrevious = false;
    double dPrevious = 0.0;
    for (std::size_t i = 0; i < nPoints; ++i) {
        if (!std::isfinite(pX[i]))
            continue;
        if (bHavePrevious)
            use(i, pX[i] - dPrevious);
        dPrevious = pX[i];
        bHavePrevious = true;
    }
}

} // namespace

double MedianStep(const double* pX, std::size_t nPoints) {
    std::vector<double> steps;
    steps.reserve(nPoints);
    ForEachStep(pX, nPoints, [&](std::size_t, double dStep) { steps.push_back(dStep); });
    if (steps.empty())
        return std::numeric_limits<double>::quiet_NaN();
    // nth_element leaves the lower half before the middle, its largest the lower middle.
    const auto middle = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2);
    std::nth_element(steps.begin(), middle, steps.end());
    if (steps.size() % 2 == 1)
        return *middle;
    const double dLowerMiddle = *std::max_element(steps.begin(), middle);
    return dLowerMiddle + (*middle - dLowerMiddle) / 2.0;
}

std::vector<std::size_t> GapStarts(const double* pX, std::size_t nPoints) {
    std::vector<std::size_t> starts;
    const double dMedian = MedianStep(pX, nPoints);
    if (!(dMedian > 0.0))
        return starts;
    ForEachStep(pX, nPoints, [&](std::size_t nIndex, double dStep) {
        if (IsGap(dStep, dMedian))
            starts.push_back(nIndex);
    });
    return starts;
}
