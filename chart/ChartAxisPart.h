#pragma once

#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

// Sub-object 11 of an axis.
class CChartAxisPart : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    void SetValue16(LONG nValue) const {
        PutProperty(*this, AxisPartIds::VALUE_16, VTS_I4, nValue);
    }
};
