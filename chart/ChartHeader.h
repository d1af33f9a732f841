#pragma once

#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

class CChartStrings;

// The header of the chart.
class CChartHeader : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    CChartStrings GetStrings() const;
};
