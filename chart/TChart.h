#pragma once

#include "ChartAxes.h"
#include "ChartCalls.h"
#include "ChartHeader.h"
#include "ChartLegend.h"
#include "ChartSeries.h"
#include "Wnd.h"

// The viewer's handle on the hosted chart control. Every call goes to the control through
// the window's control site; not attached, every call does nothing and yields empty results.
class CTChart : public CWnd {
public:
    static constexpr const char* CLSID = "{FAB9B41C-87D6-474D-AB7E-F07D78F2422E}";
    static constexpr DISPID DISPID_AXES = 2;
    static constexpr DISPID DISPID_LEGEND = 15;
    static constexpr DISPID DISPID_HEADER = 22;
    static constexpr DISPID DISPID_ADD_SERIES = 28;
    static constexpr DISPID DISPID_SERIES = 56;
    // The control's event that the viewer sinks and ignores.
    static constexpr DISPID DISPID_EVENT_3 = 3;

    LONG AddSeries(LONG nKind) const {
        return InvokeForLong(*this, DISPID_ADD_SERIES, VTS_I4, nKind);
    }
    CChartSeries GetSeries(LONG nIndex) const {
        return InvokeForObject<CChartSeries>(*this, DISPID_SERIES, DISPATCH_METHOD, VTS_I4, nIndex);
    }
    CChartAxes GetAxes() const { return GetObjectProperty<CChartAxes>(*this, DISPID_AXES); }
    CChartLegend GetChartLegend() const {
        return GetObjectProperty<CChartLegend>(*this, DISPID_LEGEND);
    }
    CChartHeader GetHeader() const { return GetObjectProperty<CChartHeader>(*this, DISPID_HEADER); }
};
