#pragma once

#include "data/TimeConstants.h"

#include <cmath>

// Automation dates count days from midnight of 30 December 1899, the fraction being the
// time of day. Before that day the count runs backwards but the time of day forwards:
// -1.25 is 29 December 1899, 06:00. Drawing needs a straight line of time.

inline constexpr double UNIX_EPOCH_AUTOMATION_DATE = 25569.0; // 1 January 1970

// Days since 30 December 1899 00:00 on a straight line (-1.25 gives -0.75).
inline double AutomationDateToLinearDays(double dDate) {
    if (dDate >= 0.0 || !std::isfinite(dDate))
        return dDate;
    const double dDay = std::trunc(dDate);
    return dDay + (dDay - dDate);
}

// Seconds since 1 January 1970 00:00 UTC, for the toolkit's date-time axis.
inline double AutomationDateToUnixSeconds(double dDate) {
    return (AutomationDateToLinearDays(dDate) - UNIX_EPOCH_AUTOMATION_DATE) * SECONDS_PER_DAY;
}

// The automation date of a time in Unix seconds, to the millisecond: for an automation date
// to the millisecond (whole days and whole milliseconds of the day), the date that gave those
// seconds, to the bit.
double UnixSecondsToAutomationDate(double dSeconds);
