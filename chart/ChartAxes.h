#pragma once

#include "chart/ChartAxis.h"
#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

// The axes of the chart.
class CChartAxes : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    CChartAxis GetLeft() const { return GetObjectProperty<CChartAxis>(*this, AxesIds::LEFT); }
    CChartAxis GetBottom() const { return GetObjectProperty<CChartAxis>(*this, AxesIds::BOTTOM); }
};
