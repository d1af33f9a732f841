#pragma once

#include "data/DatePoint.h"
#include "data/GraphSeries.h"
#include "data/XRange.h"

#include <vector>

// One series as the stability takes it, the same for the window and the command line: its
// dated points with x in range, x as seconds from the first of them (Julian Dates near 2.46e6
// days keep their steps' digits that way) and y as a phase in seconds. A y that is no finite
// number stays, NaN: a missing sample at its epoch.
struct SStabilityInput {
    std::vector<double> seconds;
    std::vector<double> phase;
    std::vector<int> points; // each one's index in its series
    bool bPlain = false;     // some x in range is no date: nothing to measure
};

SStabilityInput PrepareStabilityInput(const CGraphSeries& series, const SXRange& range,
                                      double dSecondsPerUnit, const SDateRule& rule);
