#pragma once

#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/Wnd.h"

class CChartAxes;
class CChartHeader;
class CChartLegend;
class CChartSeries;

// The viewer's handle on the hosted chart control. Every call goes to the control through
// the window's control site; not attached, every call does nothing and yields empty results.
class CTChart : public CWnd {
public:
    static constexpr const char* CLSID = "{FAB9B41C-87D6-474D-AB7E-F07D78F2422E}";

    LONG AddSeries(LONG nKind) const {
        return InvokeForLong(*this, ChartIds::ADD_SERIES, VTS_I4, nKind);
    }
    CChartSeries GetSeries(LONG nIndex) const;
    CChartAxes GetAxes() const;
    CChartLegend GetChartLegend() const;
    CChartHeader GetHeader() const;
};
