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
    // Every point of an array of x, y pairs at once (an addition of the component for long
    // series); bDatePlaces: every x is a date to the millisecond as seconds since 1970.
    LONG AddXYPairs(const COleVariant& pairs, BOOL bDatePlaces) const {
        return InvokeForLong(*this, SeriesIds::ADD_XY_PAIRS, VTS_VARIANT VTS_BOOL, pairs,
                             bDatePlaces);
    }
    void SetTitle(const char* pszTitle) const {
        PutProperty(*this, SeriesIds::TITLE, VTS_BSTR, pszTitle);
    }
    CChartSeriesPart GetPart43() const;
};
