#pragma once

#include <cstddef>
#include <vector>

// The spacing of a series' x and the gaps in it. Steps are taken between neighbouring points
// with a finite x; points whose x is not finite are passed over.

// The median of the steps (the mean of the middle two for an even count), in O(n). NaN for
// fewer than 2 points with a finite x.
double MedianStep(const double* pX, std::size_t nPoints);

// A step of more than GAP_FACTOR median steps is a gap in the data: an outage of a monitoring
// program, drawn as a break, and missing samples to a stability computation.
inline constexpr double GAP_FACTOR = 5.0;

inline bool IsGap(double dStep, double dMedianStep) {
    return dStep > GAP_FACTOR * dMedianStep;
}

// The index of the point after each gap, where a new segment starts, ascending. No gap without
// a positive median step: duplicate x make no scale to judge a gap by.
std::vector<std::size_t> GapStarts(const double* pX, std::size_t nPoints);
