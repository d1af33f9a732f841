#pragma once

#include "ChartCalls.h"
#include "OleDispatchDriver.h"

// A list of text lines.
class CChartStrings : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;
    static constexpr DISPID DISPID_ITEM = 2;

    // Replaces line nIndex; the other lines keep their text.
    void SetItem(LONG nIndex, const COleVariant& value) const {
        PutProperty(*this, DISPID_ITEM, VTS_I4 VTS_VARIANT, nIndex, value);
    }
};
