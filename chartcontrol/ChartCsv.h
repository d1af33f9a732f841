#pragma once

#include "chartcontrol/ChartModel.h"

#include <string>

// The chart's drawn points as a table (RFC 4180: quoted texts, CRLF line ends): a header
// line, then per point its series' title, x and y in their shortest round-trip form, and on
// a date axis the time as ISO 8601 UTC with milliseconds (2026-01-01T12:00:00.000Z; empty
// outside the years 1 to 9999). Points without a place in the drawing are left out.
std::string ChartToCsv(const SChartModel& model);
