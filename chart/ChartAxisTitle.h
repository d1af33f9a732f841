#pragma once

#include "ChartCalls.h"
#include "OleDispatchDriver.h"

// The title of an axis.
class CChartAxisTitle : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;
    static constexpr DISPID DISPID_CAPTION = 2;

    void SetCaption(const char* pszCaption) const {
        PutProperty(*this, DISPID_CAPTION, VTS_BSTR, pszCaption);
    }
};
