#pragma once

#include "data/PlotData.h"
#include "data/Stability.h"
#include "data/TsvWriter.h"
#include "data/XRange.h"

#include <string>
#include <vector>

// The columns of the stability table, wherever it is written.
inline constexpr const char* STABILITY_COLUMNS[] = {"series", "tau_s", "n", "adev", "mdev", "tdev"};

// The frequency stability of each dated series of graph nGraph over its drawn points with x in
// range (x as the file has it, Julian Dates), y a phase in units of dSecondsPerUnit seconds:
// a header line, then a row per series and averaging time with the series' title, tau in
// seconds, the count of terms of the overlapping Allan deviation, ADEV and MDEV
// (dimensionless) and TDEV (seconds). A series that cannot be measured (x no dates, too few
// points, not evenly spaced) gets no rows but a note, "'title': why", in notes.
void WriteStabilityTable(const CPlotData& data, int nGraph, const SXRange& range,
                         double dSecondsPerUnit, ETauSpacing spacing, CTsvWriter& out,
                         std::vector<std::string>& notes);
