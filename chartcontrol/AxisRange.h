#pragma once

#include "chartcontrol/ChartModel.h"

struct SAxisRange {
    double dLower = 0.0;
    double dUpper = 1.0;
};

// The extent of the finite values seen so far; empty until the first one.
struct SDataExtent {
    bool bEmpty = true;
    double dMin = 0.0;
    double dMax = 0.0;

    void Add(double dValue);
};

// Whether a drawing surface can show the range: both ends finite and of a sane size, and a
// span that is positive and finite.
bool IsDrawableRange(double dLower, double dUpper);

// What an axis shows: its fixed ends where they are set, the data's extent where automatic.
// A range that cannot be drawn ([0, 0], an infinite end, a span of 1e308...) falls back to the
// data's extent, and that, when it is a single value or nothing, to a small range around it.
SAxisRange ResolveAxisRange(const SChartAxis& axis, const SDataExtent& data,
                            double (*toAxis)(double));
