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
// With y a phase in units of dSecondsPerUnit seconds (not 0) and x dates, two columns more:
// frac_freq, the line's slope as a fractional frequency (s/s), and drift_per_day, the change of
// fractional frequency a day from the least-squares parabola (2 c, c its coefficient of t^2
// with t in days, over the seconds of a day); nan for plain x.
inline constexpr const char* FREQUENCY_COLUMNS[] = {"frac_freq", "drift_per_day"};
void WriteStatisticsTable(const std::vector<CGraphSeries>& series, const SXRange& range,
                          const SDateRule& rule, double dSecondsPerUnit, CTableWriter& out,
                          std::vector<std::string>& notes);
