#include "chart/GraphText.h"

#include "chartcontrol/TextEncoding.h"

#include <charconv>

std::string SeriesTitle(const CPlotData& data, int nGraph, int nSet) {
    const std::string strLegend = data.GetLegend(nGraph, nSet);
    return strLegend.empty() ? "Series " + std::to_string(nSet + 1) : BytesToUtf8(strLegend);
}

void AppendShortest(std::string& out, double dValue) {
    char szNumber[32];
    out.append(szNumber, std::to_chars(szNumber, szNumber + sizeof szNumber, dValue).ptr);
}
