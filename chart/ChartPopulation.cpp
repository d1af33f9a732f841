#include "chart/ChartPopulation.h"

#include "chart/ChartAxes.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisPart.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartHeader.h"
#include "chart/ChartLegend.h"
#include "chart/ChartSeries.h"
#include "chart/ChartSeriesPart.h"
#include "chart/ChartStrings.h"
#include "data/JulianDay.h"
#include "data/TimeConstants.h"
#include "platform/datetime/VariantTime.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

constexpr LONG SERIES_KIND = 0;
constexpr const char* POINT_LABEL = "";
constexpr LONG POINT_COLOUR = 0x20000000;
constexpr LONG LEFT_LABEL_GAP = 20;

} // namespace

BOOL JulianToSystemTime(double dJulian, SYSTEMTIME& st) {
    const SDateTime time = JulianToDateTime(dJulian);
    // Cut to 16 bits, a year like 926000 would come back as a plausible one and plot at a
    // wrong date; a field that does not fit is no date at all.
    for (int nField :
         {time.nYear, time.nMonth, time.nDay, time.nHour, time.nMinute, time.nSecond}) {
        if (nField < 0 || nField > 0xFFFF)
            return FALSE;
    }
    st = SYSTEMTIME();
    st.wYear = static_cast<WORD>(time.nYear);
    st.wMonth = static_cast<WORD>(time.nMonth);
    st.wDay = static_cast<WORD>(time.nDay);
    st.wHour = static_cast<WORD>(time.nHour);
    st.wMinute = static_cast<WORD>(time.nMinute);
    st.wSecond = static_cast<WORD>(time.nSecond);
    st.wMilliseconds = static_cast<WORD>(time.nMillisecond);
    return TRUE;
}

BOOL JulianToVariantTime(double dJulian, double& dDate) {
    SYSTEMTIME st;
    return JulianToSystemTime(dJulian, st) && SystemTimeToVariantTime(&st, &dDate);
}

// The Julian Day Number of 30 December 1899, day 0 of automation dates, and the first and
// last days automation dates take: 1 January 100 and 31 December 9999.
constexpr int AUTOMATION_EPOCH_DAY = 2415019;
constexpr int FIRST_AUTOMATION_DAY = 1757585;
constexpr int LAST_AUTOMATION_DAY = 5373484;

// JulianToVariantTime for many points: the same double, reached without the calendar. The
// day and the time of day come from the same steps as JulianToCalendar's; a day of the
// calendar is a day of automation dates, counted from another start.
bool FastJulianToVariantTime(double dJulian, double& dDate) {
    int n = 0, nHour = 0, nMinute = 0;
    double dSecond = 0.0;
    if (!(dJulian > FIRST_AUTOMATION_DAY - 1.0 && dJulian < LAST_AUTOMATION_DAY + 1.0) ||
        !JulianToDayAndTime(dJulian, n, nHour, nMinute, dSecond))
        return JulianToVariantTime(dJulian, dDate) != FALSE;
    SClock clock;
    n += RoundToMillisecond(nHour, nMinute, dSecond, clock);
    if (n < FIRST_AUTOMATION_DAY || n > LAST_AUTOMATION_DAY || clock.nHour > 23)
        return false;
    const long nDays = n - AUTOMATION_EPOCH_DAY;
    const long long nMilliseconds =
        ((clock.nHour * 60LL + clock.nMinute) * 60 + clock.nSecond) * 1000 + clock.nMillisecond;
    const double dFraction = static_cast<double>(nMilliseconds) / MILLISECONDS_PER_DAY;
    dDate =
        nDays < 0 ? static_cast<double>(nDays) - dFraction : static_cast<double>(nDays) + dFraction;
    return true;
}

namespace {

// A point handed over with an x the chart can place: drawn unless its y is no number.
void CountAdded(double dY, SPopulationReport& report) {
    if (!std::isfinite(dY)) {
        ++report.nNonFiniteY;
        return;
    }
    ++report.nPointsAdded;
    report.dLargestFiniteY = std::max(report.dLargestFiniteY, dY);
}

void AddPoint(const CTChart& chart, int nSet, double dX, double dY, SPopulationReport& report,
              const SDateRule& rule) {
    if (rule.IsDate(dX)) {
        double dDate = 0.0;
        // A Julian Date that is no calendar date has no place on a date axis: sending an
        // undefined x would plot garbage, so the point is left out.
        if (JulianToVariantTime(rule.Julian(dX), dDate)) {
            chart.GetSeries(nSet).AddXY(dDate, dY, POINT_LABEL, POINT_COLOUR);
            CountAdded(dY, report);
        } else {
            report.refusedDates.Add(dX);
        }
        chart.GetAxes().GetBottom().GetTitle().SetCaption("Date");
        chart.GetAxes().GetBottom().SetDateTimeLabels(TRUE);
    } else {
        chart.GetSeries(nSet).AddXY(dX, dY, POINT_LABEL, POINT_COLOUR);
        if (!std::isfinite(dX)) {
            report.nonFiniteX.Add(dX);
        } else {
            CountAdded(dY, report);
            if (std::isfinite(dY))
                report.plainOnDateAxis.Add(dX);
        }
    }
}

} // namespace

bool AddPointsInBulk(const CTChart& chart, int nSet, const CGraphSeries& series,
                     SPopulationReport& report, const SDateRule& rule) {
    const int nPoints = series.Count();
    auto pXs = std::make_shared<std::vector<double>>();
    auto pYs = std::make_shared<std::vector<double>>();
    pXs->reserve(static_cast<std::size_t>(nPoints));
    pYs->reserve(static_cast<std::size_t>(nPoints));
    bool bDates = false;
    for (int i = 0; i < nPoints; ++i) {
        const double dX = series.X(i);
        const double dY = series.Y(i);
        double dDate = 0.0;
        const bool bDate = rule.IsDate(dX);
        bDates = bDates || bDate;
        if (bDate) {
            if (!FastJulianToVariantTime(rule.Julian(dX), dDate)) {
                report.refusedDates.Add(dX);
                continue;
            }
            CountAdded(dY, report);
        } else if (!std::isfinite(dX)) {
            report.nonFiniteX.Add(dX);
            dDate = dX;
        } else {
            CountAdded(dY, report);
            if (std::isfinite(dY))
                report.plainOnDateAxis.Add(dX);
            dDate = dX;
        }
        pXs->push_back(dDate);
        pYs->push_back(dY);
    }
    chart.GetSeries(nSet).AddXYArrays(COleVariant(std::move(pXs)), COleVariant(std::move(pYs)));
    if (bDates) {
        chart.GetAxes().GetBottom().GetTitle().SetCaption("Date");
        chart.GetAxes().GetBottom().SetDateTimeLabels(TRUE);
    }
    return bDates;
}

double ScaleMaximum(double dMaxY) {
    const double dK = std::ceil(std::log10(dMaxY) * 10.0);
    return std::pow(10.0, dK * 0.1);
}

double FallbackScaleMaximum(const SPopulationReport& report) {
    return report.dLargestFiniteY > 0.0 ? ScaleMaximum(report.dLargestFiniteY)
                                        : std::numeric_limits<double>::quiet_NaN();
}

void PopulateChart(const CTChart& chart, const CPlotData& data, SPopulationReport& report,
                   int nGraph, const SDateRule& rule) {
    report = SPopulationReport();
    bool bDates = false;
    // Beyond the store's fixed capacity the points go over in bulk: a million calls a set
    // would take seconds.
    const bool bBulk = data.GetMaxPoints() > MAX_POINTS;
    for (int j = 0; j < data.GetSetCount(nGraph); ++j) {
        chart.AddSeries(SERIES_KIND);
        if (bBulk) {
            bDates =
                AddPointsInBulk(chart, j, CGraphSeries(data, nGraph, j), report, rule) || bDates;
        } else {
            for (int i = 0; i < data.GetPointCount(nGraph, j); ++i) {
                const double dX = data.GetX(nGraph, j, i);
                bDates = bDates || rule.IsDate(dX);
                AddPoint(chart, j, dX, data.GetY(nGraph, j, i), report, rule);
            }
        }
        chart.GetSeries(j).SetTitle(data.GetLegend(nGraph, j).c_str());
    }
    // Plain x are worth a word only where dates turned the axis into a calendar.
    if (!bDates)
        report.plainOnDateAxis = SValueTally();

    // Markers on more points than the fixed capacity run together into a band that hides the
    // line: a longer set is drawn as a line alone.
    // The chart's calls are numbered by the component; what each sets is named here.
    if (data.GetPointCount(nGraph, 0) <= MAX_POINTS)
        chart.GetSeries(0).GetPart43().SetFlag2(TRUE); // set 0's point markers shown
    // The value axis's labels at least 20 % of a label apart.
    chart.GetAxes().GetLeft().GetPart11().SetValue16(LEFT_LABEL_GAP);
    chart.GetAxes().GetLeft().SetFlag3(FALSE); // its minimum given, not from the data
    chart.GetAxes().GetLeft().SetValue20(0.0); // the minimum: 0
    chart.GetAxes().GetLeft().SetFlag2(FALSE); // its maximum given, not from the data
    const double dScaleMaximum = ScaleMaximum(data.GetMaxY(nGraph));
    chart.GetAxes().GetLeft().SetValue19(dScaleMaximum); // the maximum
    chart.GetAxes().GetBottom().SetFlag3(TRUE);          // the x axis's minimum from the data
    chart.GetAxes().GetLeft().GetTitle().SetCaption("Value");
    if (data.GetSetCount(nGraph) == 1)
        chart.GetChartLegend().SetFlag17(FALSE); // no legend for a single series

    COleVariant header(data.GetSubtitle(nGraph));
    chart.GetHeader().GetStrings().SetItem(0, header);
    VariantClear(&header);
}
