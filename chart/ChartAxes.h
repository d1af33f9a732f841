#pragma once

#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

class CChartAxis;

// The axes of the chart.
class CChartAxes : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    CChartAxis GetLeft() const;
    CChartAxis GetBottom() const;
};
