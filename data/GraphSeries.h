#pragma once

#include "data/PlotData.h"

#include <string>
#include <vector>

// One series of a graph as the tables, the statistics and the stability read it: a set of the
// store, read where it lies, or a series computed from sets (A - B), held here.
class CGraphSeries {
public:
    CGraphSeries(const CPlotData& data, int nGraph, int nSet);
    CGraphSeries(std::string strTitle, std::vector<double> x, std::vector<double> y,
                 std::vector<long long> lines);

    // As the chart's legend gives it: the legend text as UTF-8, "Series N" (counted from 1)
    // for a set without one.
    const std::string& Title() const { return m_strTitle; }
    int Count() const;
    double X(int i) const;
    double Y(int i) const;
    // The input line point i came from (for a computed series, its first series' point's).
    long long Line(int i) const;

private:
    const CPlotData* m_pData = nullptr;
    int m_nGraph = 0;
    int m_nSet = 0;
    std::string m_strTitle;
    std::vector<double> m_x, m_y;
    std::vector<long long> m_lines;
};

// The sets of graph nGraph, in their order.
std::vector<CGraphSeries> SetsOfGraph(const CPlotData& data, int nGraph);
