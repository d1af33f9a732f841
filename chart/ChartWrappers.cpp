#include "chart/ChartAxes.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisPart.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartHeader.h"
#include "chart/ChartLegend.h"
#include "chart/ChartSeries.h"
#include "chart/ChartSeriesPart.h"
#include "chart/ChartStrings.h"
#include "chart/TChart.h"

// The calls that yield another wrapper live here, so that each wrapper's header needs only the
// calls, not the headers of the wrappers it yields.

CChartSeries CTChart::GetSeries(LONG nIndex) const {
    return InvokeForObject<CChartSeries>(*this, ChartIds::SERIES, DISPATCH_METHOD, VTS_I4, nIndex);
}

CChartAxes CTChart::GetAxes() const {
    return GetObjectProperty<CChartAxes>(*this, ChartIds::AXES);
}

CChartLegend CTChart::GetChartLegend() const {
    return GetObjectProperty<CChartLegend>(*this, ChartIds::LEGEND);
}

CChartHeader CTChart::GetHeader() const {
    return GetObjectProperty<CChartHeader>(*this, ChartIds::HEADER);
}

CChartAxis CChartAxes::GetLeft() const {
    return GetObjectProperty<CChartAxis>(*this, AxesIds::LEFT);
}

CChartAxis CChartAxes::GetBottom() const {
    return GetObjectProperty<CChartAxis>(*this, AxesIds::BOTTOM);
}

CChartAxisPart CChartAxis::GetPart11() const {
    return GetObjectProperty<CChartAxisPart>(*this, AxisIds::PART_11);
}

CChartAxisTitle CChartAxis::GetTitle() const {
    return GetObjectProperty<CChartAxisTitle>(*this, AxisIds::TITLE);
}

CChartSeriesPart CChartSeries::GetPart43() const {
    return GetObjectProperty<CChartSeriesPart>(*this, SeriesIds::PART_43);
}

CChartStrings CChartHeader::GetStrings() const {
    return GetObjectProperty<CChartStrings>(*this, HeaderIds::STRINGS);
}
