#pragma once

#include "chart/ChartCalls.h"
#include "chart/ChartStrings.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

// The header of the chart.
class CChartHeader : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    CChartStrings GetStrings() const {
        return GetObjectProperty<CChartStrings>(*this, HeaderIds::STRINGS);
    }
};
