#include "run/SeriesTitle.h"

#include "data/TextEncoding.h"

std::string SeriesTitle(const CPlotData& data, int nGraph, int nSet) {
    const std::string strLegend = data.GetLegend(nGraph, nSet);
    return strLegend.empty() ? "Series " + std::to_string(nSet + 1) : BytesToUtf8(strLegend);
}
