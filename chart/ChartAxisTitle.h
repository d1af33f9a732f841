#pragma once

#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

// The title of an axis.
class CChartAxisTitle : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    void SetCaption(const char* pszCaption) const {
        PutProperty(*this, AxisTitleIds::CAPTION, VTS_BSTR, pszCaption);
    }
};
