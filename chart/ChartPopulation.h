#pragma once

#include "chart/PopulationReport.h"
#include "chart/TChart.h"
#include "data/DatePoint.h"
#include "data/GraphSeries.h"
#include "data/PlotData.h"
#include "platform/datetime/VariantTime.h"

// Shows graph nGraph (0 to 9; the viewer's own is 0) of the store on the chart: one series per
// set with its legend text as title, x values above 200000 as the dates of those Julian Dates,
// the "Value" axis from 0.0 to the scale maximum, the single-set legend setting and the
// subtitle as header line 0. Set 0 gets point markers unless it holds more points than the
// store's fixed capacity. What the picture leaves out is counted in report. Failures of
// the chart's calls are not caught here: the caller reports them.
void PopulateChart(const CTChart& chart, const CPlotData& data, SPopulationReport& report,
                   int nGraph = 0, const SDateRule& rule = {});

// Adds a series' points to the chart's series nSet as one block of pairs in one call (as a set
// beyond the fixed capacity goes over: the store's own block, each x's date put beside its y),
// each point taken or left out as the population takes it, the "Date" caption once; counts
// them in report. Whether the series holds dates.
bool AddPointsInBulk(const CTChart& chart, int nSet, const CGraphSeries& series,
                     SPopulationReport& report, const SDateRule& rule);

// The date step for one x value: its Julian Date as a calendar date, the seconds rounded to
// the millisecond, then as an automation date. FALSE when that is no date the platform takes.
BOOL JulianToVariantTime(double dJulian, double& dDate);
// The same for the many points of a long series: the same double and the same answer,
// reached without the calendar.
bool FastJulianToVariantTime(double dJulian, double& dDate);
// The same again where it takes neither the calendar nor a carry (a time of day that stays
// within its day, from 30 December 1899 to 31 December 9999), in steps that cost a few
// nanoseconds; false for any other date, which FastJulianToVariantTime then takes.
bool QuickJulianToVariantTime(double dJulian, double& dDate);
// The calendar date of that step; FALSE when a field does not fit its 16 bits.
BOOL JulianToSystemTime(double dJulian, SYSTEMTIME& st);

// The smallest power of ten with an exponent in whole tenths that is not below dMaxY.
double ScaleMaximum(double dMaxY);

// Where the value axis ends when an infinite y leaves the scale maximum infinite: the scale
// maximum of the largest finite y drawn; NaN when none lies above 0 (the axis fits the data).
double FallbackScaleMaximum(const SPopulationReport& report);
