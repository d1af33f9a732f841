#pragma once

#include "data/PlotData.h"

#include <limits>
#include <string>

// The x range statistics are taken over, ends included; everything by default.
struct SXRange {
    double dFrom = -std::numeric_limits<double>::infinity();
    double dTo = std::numeric_limits<double>::infinity();
};

// The statistics of each series of graph nGraph over its drawn points with x in range, as a
// table of tab-separated values: a header line, then a row a series with its title, the count,
// first and last x, mean, standard deviation (n - 1), RMS, minimum and maximum with their x,
// peak-to-peak, and the least-squares line's value at the first x, its slope per x unit (per
// day for Julian Dates) and the standard deviation of the residuals (n - 2). x is as the file
// has it; numbers are the shortest text that reads back as the same double; "nan" where a
// value is undefined (too few points).
std::string GraphStatisticsTsv(const CPlotData& data, int nGraph, const SXRange& range);
