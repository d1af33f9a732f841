#pragma once

#include "ChartCalls.h"
#include "ChartSeriesPart.h"
#include "OleDispatchDriver.h"

// One series of the chart.
class CChartSeries : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;
    static constexpr DISPID DISPID_TITLE = 39;
    static constexpr DISPID DISPID_PART_43 = 43;
    static constexpr DISPID DISPID_ADD_XY = 48;

    LONG AddXY(double dX, double dY, const char* pszLabel, LONG nColour) const {
        return InvokeForLong(*this, DISPID_ADD_XY, VTS_R8 VTS_R8 VTS_BSTR VTS_I4, dX, dY, pszLabel,
                             nColour);
    }
    void SetTitle(const char* pszTitle) const {
        PutProperty(*this, DISPID_TITLE, VTS_BSTR, pszTitle);
    }
    CChartSeriesPart GetPart43() const {
        return GetObjectProperty<CChartSeriesPart>(*this, DISPID_PART_43);
    }
};
