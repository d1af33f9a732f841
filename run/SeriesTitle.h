#pragma once

#include "data/PlotData.h"

#include <string>

// Set nSet's title as the chart's legend gives it: its legend text as UTF-8, or "Series N"
// (counted from 1) when it has none.
std::string SeriesTitle(const CPlotData& data, int nGraph, int nSet);
