#pragma once

// Automation dates count days from midnight of 30 December 1899, the fraction being the
// time of day. Before that day the count runs backwards but the time of day forwards:
// -1.25 is 29 December 1899, 06:00. Drawing needs a straight line of time.

// Days since 30 December 1899 00:00 on a straight line (-1.25 gives -0.75).
double AutomationDateToLinearDays(double dDate);

// Seconds since 1 January 1970 00:00 UTC, for the toolkit's date-time axis.
double AutomationDateToUnixSeconds(double dDate);
