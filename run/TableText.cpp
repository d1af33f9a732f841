#include "run/TableText.h"

#include "data/TextEncoding.h"

#include <cmath>

std::string SeriesTitle(const CPlotData& data, int nGraph, int nSet) {
    const std::string strLegend = data.GetLegend(nGraph, nSet);
    return strLegend.empty() ? "Series " + std::to_string(nSet + 1) : BytesToUtf8(strLegend);
}

std::string NoPointNote(const std::string& strTitle, const SXRange& range) {
    const bool bWhole = std::isinf(range.dFrom) && std::isinf(range.dTo);
    return "'" + strTitle + "': no drawn point" + (bWhole ? "" : " in --x-range");
}
