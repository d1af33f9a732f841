#pragma once

#include "ChartAxis.h"
#include "ChartCalls.h"
#include "OleDispatchDriver.h"

// The axes of the chart.
class CChartAxes : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;
    static constexpr DISPID DISPID_LEFT = 1;
    static constexpr DISPID DISPID_BOTTOM = 4;

    CChartAxis GetLeft() const { return GetObjectProperty<CChartAxis>(*this, DISPID_LEFT); }
    CChartAxis GetBottom() const { return GetObjectProperty<CChartAxis>(*this, DISPID_BOTTOM); }
};
