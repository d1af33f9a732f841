#pragma once

#include "ChartCalls.h"
#include "ChartStrings.h"
#include "OleDispatchDriver.h"

// The header of the chart.
class CChartHeader : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;
    static constexpr DISPID DISPID_STRINGS = 6;

    CChartStrings GetStrings() const {
        return GetObjectProperty<CChartStrings>(*this, DISPID_STRINGS);
    }
};
