#include "run/GraphCsv.h"

#include "data/DatePoint.h"

#include <cmath>
#include <string_view>

namespace {

// Writes nValue as nDigits decimal digits, zeros in front, ending at pEnd; returns where they
// begin.
char* Digits(char* pEnd, int nValue, int nDigits) {
    for (int i = 0; i < nDigits; ++i, nValue /= 10)
        *--pEnd = static_cast<char>('0' + nValue % 10);
    return pEnd;
}

// The calendar time the chart places a date at, ISO 8601 UTC with milliseconds
// (2026-01-01T12:00:00.000Z); empty when it places it nowhere. A million rows write it:
// digits by hand, with no format to read.
std::string_view DateText(double dJulian, char (&szTime)[24]) {
    const SDateTime time = JulianToDateTime(dJulian);
    if (!IsChartDate(time))
        return {};
    char* p = szTime + sizeof szTime;
    *--p = 'Z';
    p = Digits(p, time.nMillisecond, 3);
    *--p = '.';
    p = Digits(p, time.nSecond, 2);
    *--p = ':';
    p = Digits(p, time.nMinute, 2);
    *--p = ':';
    p = Digits(p, time.nHour, 2);
    *--p = 'T';
    p = Digits(p, time.nDay, 2);
    *--p = '-';
    p = Digits(p, time.nMonth, 2);
    *--p = '-';
    p = Digits(p, time.nYear, 4);
    return std::string_view(p, sizeof szTime - static_cast<std::size_t>(p - szTime));
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

bool WriteGraphCsv(const std::vector<CGraphSeries>& series, const SDateRule& rule,
                   const CTableWriter::Sink& sink) {
    const bool bDates = HoldsDates(series, rule);
    CTableWriter out(sink, CTableWriter::EFormat::Csv);
    out.Text("series").Text("x").Text("y");
    if (bDates)
        out.Text("time");
    out.EndRow();
    char szTime[24];
    for (const CGraphSeries& one : series) {
        for (int i = 0; i < one.Count(); ++i) {
            // The points the chart draws (IsDrawnPoint), a date's text made once.
            const double dX = one.X(i);
            const double dY = one.Y(i);
            std::string_view strTime;
            if (!std::isfinite(dY) ||
                (rule.IsDate(dX) ? (strTime = DateText(rule.Julian(dX), szTime)).empty()
                                 : !std::isfinite(dX)))
                continue;
            out.Text(one.Title()).Number(dX).Number(dY);
            if (bDates)
                out.Text(strTime);
            out.EndRow();
        }
    }
    return out.Finish();
}
