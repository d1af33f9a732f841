#pragma once

#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

// Sub-object 43 of a series.
class CChartSeriesPart : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    void SetFlag2(BOOL bValue) const {
        PutProperty(*this, SeriesPartIds::FLAG_2, VTS_BOOL, bValue);
    }
};
