#include "run/GraphCsv.h"

#include "data/DatePoint.h"
#include "data/Parallel.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

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
    const std::string strHeader = WholeTable(
        [&](CTableWriter& out) {
            out.Text("series").Text("x").Text("y");
            if (bDates)
                out.Text("time");
            out.EndRow();
        },
        CTableWriter::EFormat::Csv);
    if (!sink(strHeader))
        return false;
    // The rows in chunks of a series' points, made on every core: a million rows are seconds'
    // work for one.
    constexpr int CHUNK_POINTS = 16384;
    std::vector<std::pair<const CGraphSeries*, int>> chunks;
    for (const CGraphSeries& one : series) {
        for (int nFirst = 0; nFirst < one.Count(); nFirst += CHUNK_POINTS)
            chunks.emplace_back(&one, nFirst);
    }
    const auto makeRows = [&](std::size_t nChunk, std::string& strRows) {
        const auto [pSeries, nFirst] = chunks[nChunk];
        const int nEnd = std::min(pSeries->Count(), nFirst + CHUNK_POINTS);
        CTableWriter out(
            [&strRows](std::string_view strPiece) {
                strRows += strPiece;
                return true;
            },
            CTableWriter::EFormat::Csv);
        char szTime[24];
        for (int i = nFirst; i < nEnd; ++i) {
            // The points the chart draws (IsDrawnPoint), a date's text made once.
            const double dX = pSeries->X(i);
            const double dY = pSeries->Y(i);
            std::string_view strTime;
            if (!std::isfinite(dY) ||
                (rule.IsDate(dX) ? (strTime = DateText(rule.Julian(dX), szTime)).empty()
                                 : !std::isfinite(dX)))
                continue;
            out.Text(pSeries->Title()).Number(dX).Number(dY);
            if (bDates)
                out.Text(strTime);
            out.EndRow();
        }
        out.Finish();
    };
    return MakeInOrder(chunks.size(), makeRows, sink);
}
