#include "run/GraphCsv.h"

#include "data/DatePoint.h"
#include "data/TableWriter.h"

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

bool HoldsDates(const std::vector<CGraphSeries>& series, const SDateRule& rule) {
    for (const CGraphSeries& one : series) {
        for (int i = 0; i < one.Count(); ++i) {
            if (rule.IsDate(one.X(i)))
                return true;
        }
    }
    return false;
}

} // namespace

std::string GraphToCsv(const std::vector<CGraphSeries>& series, const SDateRule& rule) {
    const bool bDates = HoldsDates(series, rule);
    return WholeTable(
        [&](CTableWriter& out) {
            out.Text("series").Text("x").Text("y");
            if (bDates)
                out.Text("time");
            out.EndRow();
            for (const CGraphSeries& one : series) {
                for (int i = 0; i < one.Count(); ++i) {
                    const double dX = one.X(i);
                    const double dY = one.Y(i);
                    std::string strTime;
                    if (!IsDrawnPoint(dX, dY, rule) ||
                        (rule.IsDate(dX) && !DateText(rule.Julian(dX), strTime)))
                        continue;
                    out.Text(one.Title()).Number(dX).Number(dY);
                    if (bDates)
                        out.Text(strTime);
                    out.EndRow();
                }
            }
        },
        CTableWriter::EFormat::Csv);
}
