#pragma once

#include <limits>

// The x range statistics are taken over, ends included; everything by default. Dates are
// Julian Dates. Each end keeps the step of the text it was given in (a day for "2024-12-06",
// a second for "2024-12-06T12:00:00"): no end means a point closer than that.
struct SXRange {
    double dFrom = -std::numeric_limits<double>::infinity();
    double dTo = std::numeric_limits<double>::infinity();
    double dFromStep = std::numeric_limits<double>::infinity();
    double dToStep = std::numeric_limits<double>::infinity();

    bool HasEnd() const {
        return dFrom != -std::numeric_limits<double>::infinity() ||
               dTo != std::numeric_limits<double>::infinity();
    }
};
