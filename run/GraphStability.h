#pragma once

#include "data/PlotData.h"
#include "data/Stability.h"
#include "data/TableWriter.h"
#include "data/XRange.h"

#include <string>
#include <vector>

// The columns of the stability table, wherever it is written: the first six as they always
// were, then the Hadamard deviation, the noise behind the bounds (alpha) and the bounds.
inline constexpr const char* STABILITY_COLUMNS[] = {
    "series",  "tau_s",   "n",       "adev",    "mdev",    "tdev",    "hdev",    "alpha",
    "adev_lo", "adev_hi", "mdev_lo", "mdev_hi", "tdev_lo", "tdev_hi", "hdev_lo", "hdev_hi"};

// The frequency stability of one set, or why there is none.
struct SSeriesStability {
    std::string strTitle;
    SStabilityResult result;
    std::string strNote; // when not measured: "'title': not measured: why"
};

// The frequency stability of each set of graph nGraph over its dated points with x in range
// (x as the file has it, Julian Dates), y a phase in units of dSecondsPerUnit seconds. A step
// that makes a set uneven is named by its file line and date.
std::vector<SSeriesStability> MeasureGraphStability(const CPlotData& data, int nGraph,
                                                    const SXRange& range, double dSecondsPerUnit,
                                                    const SStabilityOptions& options);

// The measured sets as a table: a header line, then a row per set and averaging time with the
// set's title, tau in seconds, the count of terms of the overlapping Allan deviation, ADEV,
// MDEV (dimensionless), TDEV (seconds), HDEV, alpha and the low and high bounds of each.
void WriteStabilityTable(const std::vector<SSeriesStability>& series, CTableWriter& out);
