#pragma once

#include "ChartCalls.h"
#include "OleDispatchDriver.h"

// Sub-object 43 of a series.
class CChartSeriesPart : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;
    static constexpr DISPID DISPID_FLAG_2 = 2;

    void SetFlag2(BOOL bValue) const { PutProperty(*this, DISPID_FLAG_2, VTS_BOOL, bValue); }
};
