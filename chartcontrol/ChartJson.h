#pragma once

#include "chartcontrol/ChartModel.h"

#include <string>

// The chart's content as JSON: numbers in their shortest round-trip form, non-finite
// numbers as the strings "nan", "inf" and "-inf", texts as UTF-8 with JSON escapes
// (see BytesToUtf8).
std::string ChartToJson(const SChartModel& model);
