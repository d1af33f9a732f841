#pragma once

#include "ChartCalls.h"
#include "OleDispatchDriver.h"

// Sub-object 11 of an axis.
class CChartAxisPart : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;
    static constexpr DISPID DISPID_VALUE_16 = 16;

    void SetValue16(LONG nValue) const { PutProperty(*this, DISPID_VALUE_16, VTS_I4, nValue); }
};
