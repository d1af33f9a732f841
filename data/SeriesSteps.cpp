#include "data/SeriesSteps.h"

#include <algorithm>
#include <vector>

double MedianStep(const double* pX, std::size_t nPoints) {
    if (nPoints < 2)
        return 0.0;
    std::vector<double> steps(nPoints - 1);
    for (std::size_t i = 0; i + 1 < nPoints; ++i)
        steps[i] = pX[i + 1] - pX[i];
    const auto middle = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2);
    std::nth_element(steps.begin(), middle, steps.end());
    if (steps.size() % 2 == 1)
        return *middle;
    // nth_element leaves the smaller half before the middle: its largest is the other one.
    return 0.5 * (*std::max_element(steps.begin(), middle) + *middle);
}
