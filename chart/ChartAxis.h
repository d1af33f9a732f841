#pragma once

#include "ChartAxisPart.h"
#include "ChartAxisTitle.h"
#include "ChartCalls.h"
#include "OleDispatchDriver.h"

// One axis of the chart.
class CChartAxis : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;
    static constexpr DISPID DISPID_FLAG_2 = 2;
    static constexpr DISPID DISPID_FLAG_3 = 3;
    static constexpr DISPID DISPID_PART_11 = 11;
    static constexpr DISPID DISPID_VALUE_19 = 19;
    static constexpr DISPID DISPID_VALUE_20 = 20;
    static constexpr DISPID DISPID_TITLE = 30;
    // Ours: asks the axis to label its values as calendar dates; no other axis id uses it.
    static constexpr DISPID DISPID_DATE_TIME_LABELS = 100;

    void SetFlag2(BOOL bValue) const { PutProperty(*this, DISPID_FLAG_2, VTS_BOOL, bValue); }
    void SetFlag3(BOOL bValue) const { PutProperty(*this, DISPID_FLAG_3, VTS_BOOL, bValue); }
    void SetValue19(double dValue) const { PutProperty(*this, DISPID_VALUE_19, VTS_R8, dValue); }
    void SetValue20(double dValue) const { PutProperty(*this, DISPID_VALUE_20, VTS_R8, dValue); }
    CChartAxisPart GetPart11() const {
        return GetObjectProperty<CChartAxisPart>(*this, DISPID_PART_11);
    }
    CChartAxisTitle GetTitle() const {
        return GetObjectProperty<CChartAxisTitle>(*this, DISPID_TITLE);
    }
    // Asks the axis to label its values (automation dates) as calendar dates.
    void SetDateTimeLabels(BOOL bValue) const {
        PutProperty(*this, DISPID_DATE_TIME_LABELS, VTS_BOOL, bValue);
    }
};
