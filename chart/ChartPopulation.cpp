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
#include "chartcontrol/AutomationDate.h"
#include "data/JulianDay.h"
#include "data/Parallel.h"
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

// QuickJulianToVariantTime, inline where a long series takes its dates.
inline bool QuickDate(double dJulian, double& dDate) {
    if (!(dJulian > AUTOMATION_EPOCH_DAY - 1.0 && dJulian < LAST_AUTOMATION_DAY + 1.0))
        return false;
    // The first steps of JulianToDayAndTime: the day and the seconds of the day.
    int n = static_cast<int>(dJulian);
    double f = dJulian - n;
    if (f >= 0.5) {
        n = n + 1;
        f = f - 0.5;
    } else {
        f = f + 0.5;
    }
    // Its hours and minutes come off the seconds exactly, so the milliseconds RoundToMillisecond
    // adds up are the seconds' own, rounded once: the same sum, unless the seconds lie so near
    // half a millisecond that the two roundings may differ, which the steps themselves decide.
    const double dMilliseconds = ((f * 24) * 3600) * 1000.0;
    const int nWhole = static_cast<int>(dMilliseconds);
    const double dFraction = dMilliseconds - nWhole;
    if (std::fabs(dFraction - 0.5) < 1e-7)
        return false;
    const int nMilliseconds = nWhole + (dFraction > 0.5);
    // A sum of a day carries into the next day: the function's own.
    if (nMilliseconds >= MILLISECONDS_PER_DAY || n < AUTOMATION_EPOCH_DAY ||
        n > LAST_AUTOMATION_DAY)
        return false;
    dDate = static_cast<double>(n - AUTOMATION_EPOCH_DAY) +
            static_cast<double>(nMilliseconds) / MILLISECONDS_PER_DAY;
    return true;
}

} // namespace

bool QuickJulianToVariantTime(double dJulian, double& dDate) {
    return QuickDate(dJulian, dDate);
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

// Counts a point into report as the population takes it, and gives the x the chart takes in
// dChartX: a date's automation date by toDate, or the x itself. False for a Julian Date that is
// no calendar date: it has no place on a date axis, and sending an undefined x would plot
// garbage, so the point is left out.
template <class ToDate>
bool TakePoint(double dX, double dY, const SDateRule& rule, const ToDate& toDate, double& dChartX,
               SPopulationReport& report) {
    if (rule.IsDate(dX)) {
        if (!toDate(rule.Julian(dX), dChartX)) {
            report.refusedDates.Add(dX);
            return false;
        }
        CountAdded(dY, report);
        return true;
    }
    dChartX = dX;
    if (!std::isfinite(dX)) {
        report.nonFiniteX.Add(dX);
        return true;
    }
    CountAdded(dY, report);
    if (std::isfinite(dY))
        report.plainOnDateAxis.Add(dX);
    return true;
}

void AddPoint(const CTChart& chart, int nSet, double dX, double dY, SPopulationReport& report,
              const SDateRule& rule) {
    const auto toDate = [](double dJulian, double& dDate) {
        return JulianToVariantTime(dJulian, dDate) != FALSE;
    };
    double dChartX = 0.0;
    if (TakePoint(dX, dY, rule, toDate, dChartX, report))
        chart.GetSeries(nSet).AddXY(dChartX, dY, POINT_LABEL, POINT_COLOUR);
    if (rule.IsDate(dX)) {
        chart.GetAxes().GetBottom().GetTitle().SetCaption("Date");
        chart.GetAxes().GetBottom().SetDateTimeLabels(TRUE);
    }
}

// What a series' points became on their way to the chart.
struct SBulkPoints {
    std::size_t nKept = 0;
    bool bDates = false;
    // Every point kept is a date, its automation date to the millisecond.
    bool bMillisecondDates = true;
    // The points go over as the dates' places on a date axis.
    bool DatePlaces() const { return bDates && bMillisecondDates; }
};

// A series of dates alone that QuickDate takes, its dates' places on a date axis into pPairs'
// places for x and its
// points counted into report; false, with nothing counted, when another point is among them
// (ToChartPoints then takes them all). Cut in runs on every core for a long series.
bool QuickDates(const CGraphSeries& series, const SDateRule& rule, double* pPairs,
                SPopulationReport& report) {
    // A million points take milliseconds a core; starting a thread, some microseconds.
    constexpr std::size_t ALONE_BELOW = 100000;
    const double* pX = series.Xs();
    const double* pY = series.Ys();
    const std::size_t nStride = series.YStride();
    const auto nPoints = static_cast<std::size_t>(series.Count());
    // Counted a run at a time, not in report: a loop that writes doubles through a pointer
    // would have to write the report's double after every point.
    struct SRun {
        bool bQuick = true;
        long long nAdded = 0;
        long long nNonFinite = 0;
        double dLargest = 0.0;
    };
    std::vector<SRun> runs(RunsFor(nPoints, ALONE_BELOW));
    InRuns(nPoints, runs.size(), 1, [&](std::size_t nRun, std::size_t nBegin, std::size_t nEnd) {
        // In locals: the doubles written through pOut could be any double of memory for all
        // the compiler knows, a count or a captured pointer among them.
        const SDateRule dates = rule;
        const double* const pXs = pX;
        const double* const pYs = pY;
        const std::size_t nYStride = nStride;
        double* const pOut = pPairs;
        long long nAdded = 0;
        long long nNonFinite = 0;
        double dLargest = report.dLargestFiniteY;
        for (std::size_t i = nBegin; i < nEnd; ++i) {
            double dDate = 0.0;
            if (!dates.IsDate(pXs[i]) || !QuickDate(dates.Julian(pXs[i]), dDate)) {
                runs[nRun].bQuick = false;
                return;
            }
            pOut[2 * i] = AutomationDateToUnixSeconds(dDate);
            const double dY = pYs[i * nYStride];
            const bool bFinite = std::isfinite(dY);
            nAdded += bFinite;
            nNonFinite += !bFinite;
            dLargest = bFinite && dLargest < dY ? dY : dLargest;
        }
        runs[nRun] = {true, nAdded, nNonFinite, dLargest};
    });
    if (!std::all_of(runs.begin(), runs.end(), [](const SRun& run) { return run.bQuick; }))
        return false;
    // In the order of the runs, as one pass over the points would count them.
    for (const SRun& run : runs) {
        report.nPointsAdded += run.nAdded;
        report.nNonFiniteY += run.nNonFinite;
        report.dLargestFiniteY =
            report.dLargestFiniteY < run.dLargest ? run.dLargest : report.dLargestFiniteY;
    }
    return true;
}

// Each point as the population takes it, into pPairs: x as the chart takes it (the automation
// date of a date) at 2k, and, with bWriteY, y at 2k + 1; counted in report. A point that is to
// be left out (a Julian Date that is no date of the chart's) is skipped with bWriteY, and ends
// the points without it.
template <bool bWriteY>
SBulkPoints ToChartPoints(const CGraphSeries& series, const SDateRule& rule, double* pPairs,
                          SPopulationReport& report) {
    SBulkPoints points;
    const int nPoints = series.Count();
    for (int i = 0; i < nPoints; ++i) {
        const double dX = series.X(i);
        const double dY = series.Y(i);
        const bool bDate = rule.IsDate(dX);
        points.bDates |= bDate;
        bool bQuick = false;
        const auto toDate = [&bQuick](double dJulian, double& dDate) {
            bQuick = QuickDate(dJulian, dDate);
            return bQuick || FastJulianToVariantTime(dJulian, dDate);
        };
        double dChartX = 0.0;
        if (!TakePoint(dX, dY, rule, toDate, dChartX, report)) {
            if (!bWriteY)
                return points;
            continue;
        }
        points.bMillisecondDates &=
            bDate && (bQuick ||
                      UnixSecondsToAutomationDate(AutomationDateToUnixSeconds(dChartX)) == dChartX);
        pPairs[2 * points.nKept] = dChartX;
        if (bWriteY)
            pPairs[2 * points.nKept + 1] = dY;
        ++points.nKept;
    }
    return points;
}

} // namespace

bool AddPointsInBulk(const CTChart& chart, int nSet, const CGraphSeries& series,
                     SPopulationReport& report, const SDateRule& rule) {
    const auto nPoints = static_cast<std::size_t>(series.Count());
    const SPopulationReport before = report;
    // A set of the store hands over the store's own block of pairs, each x's date put beside
    // its y; when a point has to be left out, the points go over in a block of their own.
    std::shared_ptr<double> pPairs = series.SharedPairs();
    SBulkPoints points;
    if (pPairs && QuickDates(series, rule, pPairs.get(), report)) {
        points = {nPoints, nPoints > 0, true};
    } else {
        if (pPairs)
            points = ToChartPoints<false>(series, rule, pPairs.get(), report);
        if (!pPairs || points.nKept < nPoints) {
            report = before;
            pPairs =
                std::shared_ptr<double>(new double[2 * nPoints], std::default_delete<double[]>());
            points = ToChartPoints<true>(series, rule, pPairs.get(), report);
        }
        if (points.DatePlaces()) {
            for (std::size_t i = 0; i < points.nKept; ++i)
                pPairs.get()[2 * i] = AutomationDateToUnixSeconds(pPairs.get()[2 * i]);
        }
    }
    chart.GetSeries(static_cast<LONG>(nSet))
        .AddXYPairs(COleVariant(std::move(pPairs), 2 * points.nKept), points.DatePlaces());
    if (points.bDates) {
        chart.GetAxes().GetBottom().GetTitle().SetCaption("Date");
        chart.GetAxes().GetBottom().SetDateTimeLabels(TRUE);
    }
    return points.bDates;
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
