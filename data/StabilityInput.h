#pragma once

#include "data/PlotData.h"
#include "data/XRange.h"

#include <vector>

// One set's points as the stability takes them, the same for the window and the command
// line: its dated points with x in range, x as seconds from the first of them (Julian Dates
// near 2.46e6 days keep their steps' digits that way) and y as a phase in seconds. A y that is
// no finite number stays, NaN: a missing sample at its epoch.
struct SStabilityInput {
    std::vector<double> seconds;
    std::vector<double> phase;
    std::vector<int> points; // each one's index in its set
    bool bPlain = false;     // some x in range is no Julian Date: nothing to measure
};

SStabilityInput PrepareStabilityInput(const CPlotData& data, int nGraph, int nSet,
                                      const SXRange& range, double dSecondsPerUnit);
