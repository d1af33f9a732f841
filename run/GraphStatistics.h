#pragma once

#include "data/DatePoint.h"
#include "data/GraphSeries.h"
#include "data/TableWriter.h"
#include "data/XRange.h"

#include <string>
#include <vector>

// The columns of the statistics table, wherever it is written.
inline constexpr const char* STATISTICS_COLUMNS[] = {
    "series",   "n",   "first_x",  "last_x", "mean",   "std",   "rms",      "min",
    "x_of_min", "max", "x_of_max", "p2p",    "fit_y0", "slope", "resid_std"};

// The statistics of each series over its drawn points with x in range, as a
// table: a header line, then a row a series with its title, the count, first and last x,
// mean, standard deviation (n - 1), RMS, minimum and maximum with their x, peak-to-peak, and
// the least-squares line's value at the first x, its slope per x unit (per day for Julian
// Dates) and the standard deviation of the residuals (n - 2). x is as the file has it; "nan"
// where a value is undefined (too few points).
// A series without a drawn point there gets its row of nan and a note, "'title': ...", in notes.
void WriteStatisticsTable(const std::vector<CGraphSeries>& series, const SXRange& range,
                          const SDateRule& rule, CTableWriter& out,
                          std::vector<std::string>& notes);
