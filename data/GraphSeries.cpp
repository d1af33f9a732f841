#include "data/GraphSeries.h"

#include "data/TextEncoding.h"

#include <utility>

CGraphSeries::CGraphSeries(const CPlotData& data, int nGraph, int nSet)
    : m_pData(&data), m_nGraph(nGraph), m_nSet(nSet) {
    const std::string strLegend = data.GetLegend(nGraph, nSet);
    m_strTitle = strLegend.empty() ? "Series " + std::to_string(nSet + 1) : BytesToUtf8(strLegend);
}

CGraphSeries::CGraphSeries(std::string strTitle, std::vector<double> x, std::vector<double> y,
                           std::vector<long long> lines)
    : m_strTitle(std::move(strTitle)), m_x(std::move(x)), m_y(std::move(y)),
      m_lines(std::move(lines)) {}

long long CGraphSeries::Line(int i) const {
    return m_pData ? m_pData->GetLine(m_nGraph, m_nSet, i) : m_lines[static_cast<std::size_t>(i)];
}

std::vector<CGraphSeries> SetsOfGraph(const CPlotData& data, int nGraph) {
    std::vector<CGraphSeries> sets;
    for (int j = 0; j < data.GetSetCount(nGraph); ++j)
        sets.emplace_back(data, nGraph, j);
    return sets;
}
