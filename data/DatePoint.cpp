#include "data/DatePoint.h"

#include "data/JulianDay.h"

#include <algorithm>
#include <cmath>

namespace {

// The calendar day after month/day/year, by the same arithmetic that made the date.
void NextDay(SDateTime& time) {
    int nHour = 0, nMinute = 0;
    double dSecond = 0.0;
    JulianToCalendar(CalendarToJulian(time.nMonth, time.nDay + 1, time.nYear, 12, 0, 0.0),
                     time.nMonth, time.nDay, time.nYear, nHour, nMinute, dSecond);
}

} // namespace

SDateTime JulianToDateTime(double dJulian) {
    SDateTime time;
    int nHour = 0, nMinute = 0;
    double dSecond = 0.0;
    JulianToCalendar(dJulian, time.nMonth, time.nDay, time.nYear, nHour, nMinute, dSecond);
    SClock clock;
    const bool bNextDay = RoundToMillisecond(nHour, nMinute, dSecond, clock);
    time.nHour = clock.nHour;
    time.nMinute = clock.nMinute;
    time.nSecond = clock.nSecond;
    time.nMillisecond = clock.nMillisecond;
    if (bNextDay)
        NextDay(time);
    return time;
}

bool IsChartDate(const SDateTime& time) {
    // The arithmetic gives real dates or none (month 0): only the years need a look.
    return time.nMonth >= 1 && time.nYear >= 100 && time.nYear <= 9999;
}

bool IsChartJulianDate(double dJulian) {
    // The civil days from 2 January 100 to 30 December 9999 are dates of those years whatever
    // their time rounds to, a day on at most: the calendar is asked only near the ends.
    constexpr double SECOND_DAY_OF_100 = 1757585.5;
    constexpr double LAST_DAY_BUT_ONE_OF_9999 = 5373483.5;
    return (dJulian >= SECOND_DAY_OF_100 && dJulian < LAST_DAY_BUT_ONE_OF_9999) ||
           IsChartDate(JulianToDateTime(dJulian));
}

bool IsDrawnPoint(double dX, double dY, const SDateRule& rule) {
    return std::isfinite(dY) &&
           (rule.IsDate(dX) ? IsChartJulianDate(rule.Julian(dX)) : std::isfinite(dX));
}
