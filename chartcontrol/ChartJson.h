#pragma once

#include "chartcontrol/ChartModel.h"

#include <functional>
#include <string_view>

// The chart's content as JSON: numbers in their shortest round-trip form, non-finite
// numbers as the strings "nan", "inf" and "-inf", texts as UTF-8 with JSON escapes
// (see BytesToUtf8). Sent to sink in pieces, a series' points in chunks made on every core and
// never held whole; false when the sink failed.
bool WriteChartJson(const SChartModel& model, const std::function<bool(std::string_view)>& sink);
