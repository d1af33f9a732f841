#pragma once

#include "chart/ChartCalls.h"
#include "chart/ChartSeriesPart.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

// One series of the chart.
class CChartSeries : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    LONG AddXY(double dX, double dY, const char* pszLabel, LONG nColour) const {
        return InvokeForLong(*this, SeriesIds::ADD_XY, VTS_R8 VTS_R8 VTS_BSTR VTS_I4, dX, dY,
                             pszLabel, nColour);
    }
    void SetTitle(const char* pszTitle) const {
        PutProperty(*this, SeriesIds::TITLE, VTS_BSTR, pszTitle);
    }
    CChartSeriesPart GetPart43() const {
        return GetObjectProperty<CChartSeriesPart>(*this, SeriesIds::PART_43);
    }
};
