#pragma once

#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

class CChartSeriesPart;

// One series of the chart.
class CChartSeries : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    LONG AddXY(double dX, double dY, const char* pszLabel, LONG nColour) const {
        return InvokeForLong(*this, SeriesIds::ADD_XY, VTS_R8 VTS_R8 VTS_BSTR VTS_I4, dX, dY,
                             pszLabel, nColour);
    }
    // Every point of the two arrays at once (an addition of the component for long series).
    LONG AddXYArrays(const COleVariant& xs, const COleVariant& ys) const {
        return InvokeForLong(*this, SeriesIds::ADD_XY_ARRAYS, VTS_VARIANT VTS_VARIANT, xs, ys);
    }
    void SetTitle(const char* pszTitle) const {
        PutProperty(*this, SeriesIds::TITLE, VTS_BSTR, pszTitle);
    }
    CChartSeriesPart GetPart43() const;
};
