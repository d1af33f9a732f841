#pragma once

#include <string_view>

// A date as ISO 8601 writes it, UTC: "2024-12-06", "2024-12-06T12:00", "2024-12-06T12:00:30.25"
// with an optional "Z", as the Julian Date of that moment. False for anything else, a day the
// month has not included ("2024-02-30").
// pStep, when given, takes the step of the text in days: a day, a minute, a second, or the
// last digit of the seconds.
bool IsoDateToJulian(std::string_view strDate, double& dJulian, double* pStep = nullptr);
