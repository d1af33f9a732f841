#pragma once

#include <cstddef>
#include <vector>

// The spacing of a series' x and the gaps in it. Steps are taken between neighbouring points
// with a finite x; points whose x is not finite are passed over.

// The median of the steps (the mean of the middle two for an even count), in O(n). NaN for
// fewer than 2 points with a finite x.
double MedianStep(const double* pX, std::size_t nPoints);

// A step more than dFactor times the median step is a gap. Returns the index of the point
// after each gap, where a new segment starts, ascending. No gap without a positive median
// step: duplicate x make no scale to judge a gap by.
std::vector<std::size_t> GapStarts(const double* pX, std::size_t nPoints, double dFactor = 5.0);
