#pragma once

// Astronomical Julian Dates (whole numbers at noon) to and from the proleptic Gregorian
// calendar with astronomical year numbering. The integer part is the classic Julian Day
// Number algorithm in truncating 32-bit arithmetic; the floating-point steps run in a fixed
// order so that every result is reproducible to the last bit.

// Writes all six outputs on every call. Julian Dates outside the range where the 32-bit
// arithmetic is defined, infinities and NaN give month, day, year, hour and minute 0 and
// second 0.0, which is no calendar date.
void JulianToCalendar(double julianDay, int& month, int& day, int& year, int& hour, int& minute,
                      double& second);

// The first steps of JulianToCalendar: the Julian Day Number of the civil day and the time of
// day. False, writing nothing, where JulianToCalendar gives no calendar date. Inline: a million
// dates of a long series go through it.
inline bool JulianToDayAndTime(double julianDay, int& dayNumber, int& hour, int& minute,
                               double& second) {
    // Bounds of julianDay for which n and 4 * (n - 1721119) - 1 fit in 32 bits after the
    // half-day shift; the comparison is false for NaN.
    constexpr double LOWEST_JULIAN_DAY = -535149793.0;
    constexpr double HIGHEST_JULIAN_DAY = 538592030.5;
    // The nearest doubles to the reciprocals; the algorithm multiplies by them, never divides.
    constexpr double ONE_HOUR = 1.0 / 3600.0;
    constexpr double ONE_MINUTE = 1.0 / 60.0;
    if (!(julianDay > LOWEST_JULIAN_DAY && julianDay < HIGHEST_JULIAN_DAY))
        return false;
    int n = static_cast<int>(julianDay);
    double f = julianDay - n;
    if (f >= 0.5) {
        n = n + 1;
        f = f - 0.5;
    } else {
        f = f + 0.5;
    }
    dayNumber = n;
    double s = (f * 24) * 3600;
    hour = static_cast<int>(s * ONE_HOUR);
    s = s - hour * 3600;
    minute = static_cast<int>(s * ONE_MINUTE);
    second = s - minute * 60;
    return true;
}

double CalendarToJulian(int month, int day, int year, int hour, int minute, double second);
