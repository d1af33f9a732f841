#pragma once

#include "data/SeriesStatistics.h"

#include <QColor>
#include <QString>

#include <vector>

class QCustomPlot;

struct SSeriesMeasure {
    QString strTitle;
    QColor colour;           // of the series' line
    SSeriesStatistics stats; // of the points as drawn, x in the plot's own unit
};

// The statistics of every series of the plot over a range of x.
struct SMeasures {
    bool bDates = false;          // x are times, in seconds since 1970
    bool bBetweenCursors = false; // the range is the span between the cursors, else the view
    double dFrom = 0.0;
    double dTo = 0.0;
    std::vector<SSeriesMeasure> series;
};

// Over every point each graph holds with dFrom <= x <= dTo.
std::vector<SSeriesMeasure> MeasureSeries(const QCustomPlot& plot, double dFrom, double dTo);
