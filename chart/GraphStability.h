#pragma once

#include "chart/GraphStatistics.h"
#include "data/PlotData.h"
#include "data/Stability.h"

#include <string>
#include <vector>

// The frequency stability of each dated series of graph nGraph over its drawn points with x in
// range (x as the file has it, Julian Dates), y a phase in units of dSecondsPerUnit seconds:
// tab-separated, a header line, then a row per series and averaging time with the series'
// title, tau in seconds, the count of terms of the overlapping Allan deviation, ADEV and MDEV
// (dimensionless) and TDEV (seconds), each the shortest text that reads back as the same
// double. A series that cannot be measured (x no dates, too few points, not evenly spaced)
// gets no rows but a note, "'title': why", in notes.
std::string GraphStabilityTsv(const CPlotData& data, int nGraph, const SXRange& range,
                              double dSecondsPerUnit, ETauSpacing spacing,
                              std::vector<std::string>& notes);
