#pragma once

#include "data/DatePoint.h"
#include "data/GraphSeries.h"

#include <vector>

// Two clocks, each against one reference, compared with each other: A - B at the epochs both
// series hold. Epochs within 1 % of the nominal step of each other (the smaller of the two
// series' median steps) count as common, and the difference takes A's epoch. A y that is no
// finite number on either side makes a missing sample there, as it was one.

// For each x of a (ascending), the index of its partner in b (ascending), or -1: the nearest
// b within dTolerance, each b taken once.
std::vector<int> MatchEpochs(const std::vector<double>& a, const std::vector<double>& b,
                             double dTolerance);

// The tolerance within which two epochs of these x count as one.
double EpochTolerance(const std::vector<double>& a, const std::vector<double>& b);

// The points of a series the chart can place (x a date it places or a plain finite number;
// y may be no number), ascending in x; with their indices in the series.
struct SPlacedPoints {
    std::vector<double> x, y;
    std::vector<int> index;
};
SPlacedPoints PlacedPoints(const CGraphSeries& series, const SDateRule& rule);

struct SDifference {
    CGraphSeries series;   // titled "title A − title B"
    long long nAloneA = 0; // epochs of A without a partner in B
    long long nAloneB = 0;
};
SDifference Difference(const CGraphSeries& a, const CGraphSeries& b, const SDateRule& rule);
