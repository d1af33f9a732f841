#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

// Where the chart places a point: x above DATE_THRESHOLD is a Julian Date, shown as the
// calendar date and time to the millisecond; other x are plain numbers.

inline constexpr double DATE_THRESHOLD = 200000.0;
// A Modified Julian Date is the Julian Date less this: MJD 60650.0 is JD 2460650.5.
inline constexpr double MJD_OFFSET = 2400000.5;

// How x values are read: by the rule above, or (--mjd) every x as a Modified Julian Date.
struct SDateRule {
    bool bMjd = false;

    // Whether x is read as a date at all: what is not, and is finite, is a plain number.
    bool IsDate(double dX) const {
        return bMjd ? !std::isnan(dX) && dX != -std::numeric_limits<double>::infinity()
                    : dX > DATE_THRESHOLD;
    }
    // The Julian Date of a date's x, and the x of a Julian Date.
    double Julian(double dX) const { return bMjd ? dX + MJD_OFFSET : dX; }
    double FromJulian(double dJulian) const { return bMjd ? dJulian - MJD_OFFSET : dJulian; }
};

// A civil date and time of day, to the millisecond.
struct SDateTime {
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
    int nMillisecond = 0;
};

// A time of day to the millisecond, from hours, minutes and seconds: the seconds often come
// back a hair below the whole second they stand for (13:00 as 12:59:59.99999); cut off, they
// would plot a second early. Rounded, a full second carries into the minute and the hour;
// true when it carries into the next day.
struct SClock {
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
    int nMillisecond = 0;
};
inline bool RoundToMillisecond(int nHour, int nMinute, double dSecond, SClock& clock) {
    // Half away from zero, as llround, without its call for the seconds of a day; inline: a
    // million dates take it.
    const double dMilliseconds = dSecond * 1000.0;
    long long nMilliseconds = 0;
    if (dMilliseconds > 0.0 && dMilliseconds < 4503599627370496.0) {
        nMilliseconds = static_cast<long long>(dMilliseconds);
        nMilliseconds += dMilliseconds - static_cast<double>(nMilliseconds) >= 0.5;
    } else {
        nMilliseconds = std::max(0LL, std::llround(dMilliseconds));
    }
    clock = {nHour, nMinute, static_cast<int>(nMilliseconds / 1000),
             static_cast<int>(nMilliseconds % 1000)};
    if (clock.nSecond == 60) {
        clock.nSecond = 0;
        if (++clock.nMinute == 60) {
            clock.nMinute = 0;
            if (++clock.nHour == 24) {
                clock.nHour = 0;
                return true;
            }
        }
    }
    return false;
}

// The date and time of a Julian Date, the seconds rounded to the millisecond (a full second
// carries into the minute, the hour and the day). Fields of 0 where the Julian Date lies
// beyond the arithmetic.
SDateTime JulianToDateTime(double dJulian);

// Whether the chart can place a date there: a real date of the years 100 to 9999.
bool IsChartDate(const SDateTime& time);
// Whether it can place the date and time of a Julian Date: IsChartDate(JulianToDateTime()).
bool IsChartJulianDate(double dJulian);

// Whether the chart draws a point of the store at (dX, dY): x a plain finite number or a date
// it places, and y a finite number.
bool IsDrawnPoint(double dX, double dY, const SDateRule& rule = {});
