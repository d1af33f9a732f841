#pragma once

#include "chart/ChartAxes.h"
#include "chart/ChartCalls.h"
#include "chart/ChartHeader.h"
#include "chart/ChartLegend.h"
#include "chart/ChartSeries.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/Wnd.h"

// The viewer's handle on the hosted chart control. Every call goes to the control through
// the window's control site; not attached, every call does nothing and yields empty results.
class CTChart : public CWnd {
public:
    static constexpr const char* CLSID = "{FAB9B41C-87D6-474D-AB7E-F07D78F2422E}";

    LONG AddSeries(LONG nKind) const {
        return InvokeForLong(*this, ChartIds::ADD_SERIES, VTS_I4, nKind);
    }
    CChartSeries GetSeries(LONG nIndex) const {
        return InvokeForObject<CChartSeries>(*this, ChartIds::SERIES, DISPATCH_METHOD, VTS_I4,
                                             nIndex);
    }
    CChartAxes GetAxes() const { return GetObjectProperty<CChartAxes>(*this, ChartIds::AXES); }
    CChartLegend GetChartLegend() const {
        return GetObjectProperty<CChartLegend>(*this, ChartIds::LEGEND);
    }
    CChartHeader GetHeader() const {
        return GetObjectProperty<CChartHeader>(*this, ChartIds::HEADER);
    }
};
