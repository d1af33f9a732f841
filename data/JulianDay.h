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
// day. False, writing nothing, where JulianToCalendar gives no calendar date.
bool JulianToDayAndTime(double julianDay, int& dayNumber, int& hour, int& minute, double& second);

double CalendarToJulian(int month, int day, int year, int hour, int minute, double second);
