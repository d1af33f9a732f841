#pragma once

#include <limits>

// The x range statistics are taken over, ends included; everything by default. Dates are
// Julian Dates.
struct SXRange {
    double dFrom = -std::numeric_limits<double>::infinity();
    double dTo = std::numeric_limits<double>::infinity();
};
