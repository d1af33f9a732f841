#pragma once

#include "data/PlotData.h"

#include <memory>
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
    int Count() const {
        return m_pData ? m_pData->GetPointCount(m_nGraph, m_nSet) : static_cast<int>(m_x.size());
    }
    double X(int i) const {
        return m_pData ? m_pData->GetX(m_nGraph, m_nSet, i) : m_x[static_cast<std::size_t>(i)];
    }
    double Y(int i) const {
        return m_pData ? m_pData->GetY(m_nGraph, m_nSet, i) : m_y[static_cast<std::size_t>(i)];
    }
    // Where the points lie, for a pass over all of them: x one after another, y every YStride().
    const double* Xs() const { return m_pData ? m_pData->GetXs(m_nGraph, m_nSet) : m_x.data(); }
    const double* Ys() const { return m_pData ? m_pData->GetYs(m_nGraph, m_nSet) : m_y.data(); }
    std::size_t YStride() const { return m_pData ? m_pData->YStride() : 1; }
    // The input line point i came from (for a computed series, its first series' point's).
    long long Line(int i) const;
    // The store's block of pairs that holds a set's y (see CPlotData::SharedPairs); null for a
    // computed series.
    std::shared_ptr<double> SharedPairs() const {
        return m_pData ? m_pData->SharedPairs(m_nGraph, m_nSet) : nullptr;
    }

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
