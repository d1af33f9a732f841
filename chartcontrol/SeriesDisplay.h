#pragma once

#include <qcustomplot.h>

// How the chart shows its series beyond their points, both off by default (the chart as
// filled): each series with its least-squares straight line over a range of x taken off, and
// with breaks where x steps across a gap in the data.
struct SDisplayModes {
    bool bResiduals = false;
    double dFitFrom = 0.0; // the x range the lines are fitted over
    double dFitTo = 0.0;
    bool bGaps = false;
};

// The points of one series as drawn under the modes: values less their line, and a point
// without a value (a break in the line) before each point that follows a gap.
void ApplyDisplayModes(QVector<QCPGraphData>& data, const SDisplayModes& modes);
