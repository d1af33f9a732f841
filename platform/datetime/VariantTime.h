#pragma once

#include "platform/automation/AutomationTypes.h"

// A broken-down date and time as the automation date conversion takes it.
struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

// The automation date of a calendar date and time: days since 30 December 1899 00:00, the
// time of day as fraction; before that day the day count is negative and the time of day
// still adds to its magnitude (29 December 1899 06:00 is -1.25). Takes only real dates of
// the years 100 to 9999 with hours 0-23, minutes and seconds 0-59 and milliseconds 0-999;
// wDayOfWeek is not looked at. FALSE, leaving *pVariantTime alone, for anything else.
BOOL SystemTimeToVariantTime(const SYSTEMTIME* pSystemTime, double* pVariantTime);
