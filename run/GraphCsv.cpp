#include "run/GraphCsv.h"

#include "data/DatePoint.h"
#include "data/TableWriter.h"
#include "run/TableText.h"

#include <cmath>
#include <cstdio>

namespace {

// The calendar time the chart places a Julian Date at; false when it places it nowhere.
bool DateText(double dJulian, std::string& strTime) {
    const SDateTime time = JulianToDateTime(dJulian);
    if (!IsChartDate(time))
        return false;
    char szTime[64];
    std::snprintf(szTime, sizeof szTime, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", time.nYear,
                  time.nMonth, time.nDay, time.nHour, time.nMinute, time.nSecond,
                  time.nMillisecond);
    strTime = szTime;
    return true;
}

bool HoldsDates(const CPlotData& data, int nGraph) {
    for (int j = 0; j < data.GetSetCount(nGraph); ++j) {
        for (int i = 0; i < data.GetPointCount(nGraph, j); ++i) {
            if (data.GetX(nGraph, j, i) > DATE_THRESHOLD)
                return true;
        }
    }
    return false;
}

} // namespace

std::string GraphToCsv(const CPlotData& data, int nGraph) {
    const bool bDates = HoldsDates(data, nGraph);
    return WholeTable(
        [&](CTableWriter& out) {
            out.Text("series").Text("x").Text("y");
            if (bDates)
                out.Text("time");
            out.EndRow();
            for (int j = 0; j < data.GetSetCount(nGraph); ++j) {
                const std::string strTitle = SeriesTitle(data, nGraph, j);
                for (int i = 0; i < data.GetPointCount(nGraph, j); ++i) {
                    const double dX = data.GetX(nGraph, j, i);
                    const double dY = data.GetY(nGraph, j, i);
                    std::string strTime;
                    if (!IsDrawnPoint(dX, dY) || (dX > DATE_THRESHOLD && !DateText(dX, strTime)))
                        continue;
                    out.Text(strTitle).Number(dX).Number(dY);
                    if (bDates)
                        out.Text(strTime);
                    out.EndRow();
                }
            }
        },
        CTableWriter::EFormat::Csv);
}
