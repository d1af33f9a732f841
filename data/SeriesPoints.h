#pragma once

#include "data/DatePoint.h"
#include "data/GraphSeries.h"
#include "data/XRange.h"

#include <cstddef>
#include <vector>

// The points of one series that the statistics and the tables take: those the chart draws,
// with x in a range.
struct SSeriesPoints {
    std::vector<double> x; // as the file has them (Julian Dates for dates)
    std::vector<double> y;
};

// The finest step of the texts the x values were read from: 1e-6 for Julian Dates written with
// six decimals. Taken from the shortest text of each double, which is the file's own text
// wherever that held no more digits than a double keeps. 0 for no finite x.
double XResolution(const double* pX, std::size_t nPoints);

// Whether dX lies in range once each end is widened by half the x resolution, or half the
// end's own step where that is finer: an end given to the second still takes the point a
// file of six-decimal Julian Dates (0.0864 s) wrote for that second, and an end of 2.5 does
// not take the x of 2 of a file of whole numbers.
bool InRange(const SXRange& range, double dX, double dResolution);

// The x resolution of a series as InRange needs it for range: 0 for a range without ends,
// where it changes nothing, so that no text of a million x is made for nothing.
double ResolutionFor(const CGraphSeries& series, const SXRange& range);

// Whether the chart draws every point of a series.
bool AllDrawn(const CGraphSeries& series, const SDateRule& rule);

// The drawn points of a series with x in range.
SSeriesPoints DrawnPointsInRange(const CGraphSeries& series, const SXRange& range,
                                 const SDateRule& rule);
