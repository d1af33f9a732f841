#pragma once

#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

// A list of text lines.
class CChartStrings : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    // Replaces line nIndex; the other lines keep their text.
    void SetItem(LONG nIndex, const COleVariant& value) const {
        PutProperty(*this, StringsIds::ITEM, VTS_I4 VTS_VARIANT, nIndex, value);
    }
};
