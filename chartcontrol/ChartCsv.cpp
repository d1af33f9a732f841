#include "chartcontrol/ChartCsv.h"

#include "chartcontrol/AutomationDate.h"
#include "chartcontrol/TextEncoding.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

// Beyond about the year 11000 the time is of no use and its milliseconds would overflow.
constexpr double LARGEST_TIME_SECONDS = 3e11;

void AppendText(std::string& out, const std::string& strText) {
    if (strText.find_first_of(",\"\r\n") == std::string::npos) {
        out += strText;
        return;
    }
    out += '"';
    for (char ch : strText) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    out += '"';
}

void AppendNumber(std::string& out, double dValue) {
    char szNumber[32];
    out.append(szNumber, std::to_chars(szNumber, szNumber + sizeof szNumber, dValue).ptr);
}

void AppendTime(std::string& out, double dUnixSeconds) {
    using namespace std::chrono;
    if (!(std::fabs(dUnixSeconds) < LARGEST_TIME_SECONDS))
        return;
    const sys_time<milliseconds> time{milliseconds{std::llround(dUnixSeconds * 1000.0)}};
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss<milliseconds> clock{time - day};
    const int nYear = static_cast<int>(date.year());
    if (nYear < 1 || nYear > 9999)
        return;
    char szTime[32];
    std::snprintf(
        szTime, sizeof szTime, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", nYear,
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
        static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
        static_cast<int>(clock.seconds().count()), static_cast<int>(clock.subseconds().count()));
    out += szTime;
}

} // namespace

std::string ChartToCsv(const SChartModel& model) {
    const bool bDates = model.bottom.bDateTime;
    std::string out = bDates ? "series,x,y,time\r\n" : "series,x,y\r\n";
    for (std::size_t s = 0; s < model.series.size(); ++s) {
        const SChartSeries& series = model.series[s];
        const std::string strTitle = series.strTitle.empty() ? "Series " + std::to_string(s + 1)
                                                             : BytesToUtf8(series.strTitle);
        for (const SChartPoint& point : series.points) {
            const double dUnixSeconds = AutomationDateToUnixSeconds(point.dX);
            if (!std::isfinite(bDates ? dUnixSeconds : point.dX) || !std::isfinite(point.dY))
                continue;
            AppendText(out, strTitle);
            out += ',';
            AppendNumber(out, point.dX);
            out += ',';
            AppendNumber(out, point.dY);
            if (bDates) {
                out += ',';
                AppendTime(out, dUnixSeconds);
            }
            out += "\r\n";
        }
    }
    return out;
}
