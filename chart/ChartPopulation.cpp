#include "ChartPopulation.h"

#include "JulianDay.h"
#include "VariantTime.h"

#include <cmath>

namespace {

constexpr int SHOWN_GRAPH = 0;
constexpr double DATE_THRESHOLD = 200000.0;
constexpr LONG SERIES_KIND = 0;
constexpr const char* POINT_LABEL = "";
constexpr LONG POINT_COLOUR = 0x20000000;
constexpr LONG LEFT_LABEL_GAP = 20;

} // namespace

BOOL JulianToVariantTime(double dJulian, double& dDate) {
    int nMonth = 0, nDay = 0, nYear = 0, nHour = 0, nMinute = 0;
    double dSecond = 0.0;
    JulianToCalendar(dJulian, nMonth, nDay, nYear, nHour, nMinute, dSecond);
    const int nWholeSecond = static_cast<int>(dSecond);
    // Cut to 16 bits, a year like 926000 would come back as a plausible one and plot at a
    // wrong date; a field that does not fit is no date at all.
    for (int nField : {nYear, nMonth, nDay, nHour, nMinute, nWholeSecond}) {
        if (nField < 0 || nField > 0xFFFF)
            return FALSE;
    }
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(nYear);
    st.wMonth = static_cast<WORD>(nMonth);
    st.wDay = static_cast<WORD>(nDay);
    st.wHour = static_cast<WORD>(nHour);
    st.wMinute = static_cast<WORD>(nMinute);
    st.wSecond = static_cast<WORD>(nWholeSecond);
    return SystemTimeToVariantTime(&st, &dDate);
}

namespace {

void AddPoint(const CTChart& chart, int nSet, double dX, double dY) {
    if (dX > DATE_THRESHOLD) {
        double dDate = 0.0;
        // A Julian Date that is no calendar date has no place on a date axis: sending an
        // undefined x would plot garbage, so the point is left out.
        if (JulianToVariantTime(dX, dDate))
            chart.GetSeries(nSet).AddXY(dDate, dY, POINT_LABEL, POINT_COLOUR);
        chart.GetAxes().GetBottom().GetTitle().SetCaption("Date");
        chart.GetAxes().GetBottom().SetDateTimeLabels(TRUE);
    } else {
        chart.GetSeries(nSet).AddXY(dX, dY, POINT_LABEL, POINT_COLOUR);
    }
}

} // namespace

double ScaleMaximum(double dMaxY) {
    const double dK = std::ceil(std::log10(dMaxY) * 10.0);
    return std::pow(10.0, dK * 0.1);
}

void PopulateChart(const CTChart& chart, const CPlotData& data) {
    for (int j = 0; j < data.GetSetCount(SHOWN_GRAPH); ++j) {
        chart.AddSeries(SERIES_KIND);
        for (int i = 0; i < data.GetPointCount(SHOWN_GRAPH, j); ++i)
            AddPoint(chart, j, data.GetX(SHOWN_GRAPH, j, i), data.GetY(SHOWN_GRAPH, j, i));
        chart.GetSeries(j).SetTitle(data.GetLegend(SHOWN_GRAPH, j).c_str());
    }

    chart.GetSeries(0).GetPart43().SetFlag2(TRUE);
    chart.GetAxes().GetLeft().GetPart11().SetValue16(LEFT_LABEL_GAP);
    chart.GetAxes().GetLeft().SetFlag3(FALSE);
    chart.GetAxes().GetLeft().SetValue20(0.0);
    chart.GetAxes().GetLeft().SetFlag2(FALSE);
    const double dScaleMaximum = ScaleMaximum(data.GetMaxY(SHOWN_GRAPH));
    chart.GetAxes().GetLeft().SetValue19(dScaleMaximum);
    chart.GetAxes().GetBottom().SetFlag3(TRUE);
    chart.GetAxes().GetLeft().GetTitle().SetCaption("Value");
    if (data.GetSetCount(SHOWN_GRAPH) == 1)
        chart.GetChartLegend().SetFlag17(FALSE);

    COleVariant header(data.GetSubtitle(SHOWN_GRAPH));
    chart.GetHeader().GetStrings().SetItem(0, header);
    VariantClear(&header);
}
