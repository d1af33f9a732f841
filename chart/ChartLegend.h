#pragma once

#include "ChartCalls.h"
#include "OleDispatchDriver.h"

// The legend of the chart.
class CChartLegend : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;
    static constexpr DISPID DISPID_FLAG_17 = 17;

    void SetFlag17(BOOL bValue) const { PutProperty(*this, DISPID_FLAG_17, VTS_BOOL, bValue); }
};
