#pragma once

#include "chart/ChartCalls.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

class CChartAxisPart;
class CChartAxisTitle;

// One axis of the chart.
class CChartAxis : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;

    void SetFlag2(BOOL bValue) const { PutProperty(*this, AxisIds::FLAG_2, VTS_BOOL, bValue); }
    void SetFlag3(BOOL bValue) const { PutProperty(*this, AxisIds::FLAG_3, VTS_BOOL, bValue); }
    void SetValue19(double dValue) const { PutProperty(*this, AxisIds::VALUE_19, VTS_R8, dValue); }
    void SetValue20(double dValue) const { PutProperty(*this, AxisIds::VALUE_20, VTS_R8, dValue); }
    CChartAxisPart GetPart11() const;
    CChartAxisTitle GetTitle() const;
    // Asks the axis to label its values (automation dates) as calendar dates.
    void SetDateTimeLabels(BOOL bValue) const {
        PutProperty(*this, AxisIds::DATE_TIME_LABELS, VTS_BOOL, bValue);
    }
};
