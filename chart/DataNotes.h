#pragma once

#include "chart/PopulationReport.h"
#include "data/DatePoint.h"
#include "data/PlotData.h"

#include <string>
#include <vector>

// One thing the viewer tells about what it did with the data: never a change to the data,
// only a word on what the picture leaves out or shows differently than the file might mean.
struct SDataNote {
    long long nLine = 0; // the input line it is about; 0 for the input as a whole
    std::string strText;
};

// The notes on a read and the population of the shown graph nGraph, in a fixed order; none
// for a clean file. The texts do not name the input: whoever shows them does.
std::vector<SDataNote> DescribeData(const CPlotData& data, const SPopulationReport& population,
                                    int nGraph = 0, const SDateRule& rule = {});

// Why the chart shows no point at all, for the plot area ("No points: cannot open 'x.dat'",
// strInput being "'x.dat'"); empty when it shows some.
std::string EmptyChartReason(const CPlotData& data, const SPopulationReport& population,
                             const std::string& strInput, int nGraph = 0,
                             const SDateRule& rule = {});

// When a file read again holds fewer points of the shown graph than the last read.
SDataNote FewerPointsNote(long long nNow, long long nBefore);
