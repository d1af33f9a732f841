#pragma once

#include "data/PlotData.h"
#include "data/XRange.h"

#include <string>

// The words the tables use for a series.

// Set nSet's title as the chart's legend gives it: its legend text as UTF-8, or "Series N"
// (counted from 1) when it has none.
std::string SeriesTitle(const CPlotData& data, int nGraph, int nSet);

// "'title': no drawn point in --x-range", or "'title': no drawn point" for the whole x.
std::string NoPointNote(const std::string& strTitle, const SXRange& range);
