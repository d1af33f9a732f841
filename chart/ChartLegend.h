#pragma once

#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

// The legend of the chart.
class CChartLegend : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    void SetFlag17(BOOL bValue) const { PutProperty(*this, LegendIds::FLAG_17, VTS_BOOL, bValue); }
};
