#pragma once

#include <cstddef>

// The steps of a series' x values, as the chart reads them: the median step is the series'
// regular spacing, and a step of more than GAP_FACTOR median steps is a gap in the data.

inline constexpr double GAP_FACTOR = 5.0;

// The median of the steps x[i + 1] - x[i] (the mean of the middle two for an even count);
// 0 for fewer than 2 points. Works on differences only, so x may be large (seconds since
// an epoch) without losing the step's digits.
double MedianStep(const double* pX, std::size_t nPoints);

inline bool IsGap(double dStep, double dMedianStep) {
    return dStep > GAP_FACTOR * dMedianStep;
}
