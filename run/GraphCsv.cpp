#include "run/GraphCsv.h"

#include "data/DatePoint.h"
#include "data/JulianDay.h"
#include "data/Parallel.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

// The calendar times the chart places dates at, ISO 8601 UTC with milliseconds
// (2026-01-01T12:00:00.000Z), empty where it places a date nowhere. A million rows write them:
// digits by hand, with no format to read, and the calendar worked out once a day, since the
// day of a time that stays within its day (no rounding up to midnight) is that of its day
// number alone.
class CDateTexts {
public:
    std::string_view Text(double dJulian) {
        int nDay = 0, nHour = 0, nMinute = 0;
        double dSecond = 0.0;
        SClock clock;
        if (!JulianToDayAndTime(dJulian, nDay, nHour, nMinute, dSecond) ||
            RoundToMillisecond(nHour, nMinute, dSecond, clock))
            return WholeText(JulianToDateTime(dJulian));
        if (nDay != m_nDay) {
            const SDateTime day = JulianToDateTime(dJulian);
            m_bChartDay = IsChartDate(day);
            WriteDay(day);
            m_nDay = nDay;
        }
        if (!m_bChartDay)
            return {};
        WriteClock(clock.nHour, clock.nMinute, clock.nSecond, clock.nMillisecond);
        return std::string_view(m_szText, sizeof m_szText);
    }

private:
    std::string_view WholeText(const SDateTime& time) {
        // The day written here is not the cached one's.
        m_nDay = NO_DAY;
        if (!IsChartDate(time))
            return {};
        WriteDay(time);
        WriteClock(time.nHour, time.nMinute, time.nSecond, time.nMillisecond);
        return std::string_view(m_szText, sizeof m_szText);
    }
    void WriteDay(const SDateTime& time) {
        Digits(m_szText + 4, time.nYear, 4);
        Digits(m_szText + 7, time.nMonth, 2);
        Digits(m_szText + 10, time.nDay, 2);
    }
    void WriteClock(int nHour, int nMinute, int nSecond, int nMillisecond) {
        TwoDigits(m_szText + 11, nHour);
        TwoDigits(m_szText + 14, nMinute);
        TwoDigits(m_szText + 17, nSecond);
        m_szText[20] = static_cast<char>('0' + nMillisecond / 100);
        TwoDigits(m_szText + 21, nMillisecond % 100);
    }
    // Every row writes its time: two digits at a time, with no loop.
    static void TwoDigits(char* pOut, int nValue) {
        pOut[0] = static_cast<char>('0' + nValue / 10);
        pOut[1] = static_cast<char>('0' + nValue % 10);
    }

    static constexpr int NO_DAY = std::numeric_limits<int>::min();
    int m_nDay = NO_DAY;
    bool m_bChartDay = false;
    char m_szText[24] = {'0', '0', '0', '0', '-', '0', '0', '-', '0', '0', 'T', '0',
                         '0', ':', '0', '0', ':', '0', '0', '.', '0', '0', '0', 'Z'};
};

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
        CDateTexts dates;
        for (int i = nFirst; i < nEnd; ++i) {
            // The points the chart draws (IsDrawnPoint), a date's text made once.
            const double dX = pSeries->X(i);
            const double dY = pSeries->Y(i);
            std::string_view strTime;
            if (!std::isfinite(dY) ||
                (rule.IsDate(dX) ? (strTime = dates.Text(rule.Julian(dX))).empty()
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
