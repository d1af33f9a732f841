#pragma once

#include "chart/ChartAxes.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartHeader.h"
#include "chart/ChartLegend.h"
#include "chart/ChartSeries.h"
#include "chart/ChartSeriesPart.h"
#include "chart/ChartStrings.h"
#include "chart/TChart.h"
#include "chartcontrol/ChartModel.h"
#include "platform/automation/Dispatch.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// The real chart component (its model and automation objects, no view) behind a recorder:
// every call through it is written down ("chart.axes.left put 3(VT_BOOL 0)"), a call can be
// made to fail as a component fails, and every reference the recorder hands out is counted.
// Calls count from 1.
class CRecordedChart {
public:
    CRecordedChart();
    ~CRecordedChart();

    // The chart object; the recorder keeps it alive, a caller that keeps it adds a reference.
    LPDISPATCH Root();
    SChartModel& Model() { return m_pDocument->Model(); }

    void FailCall(int nCall, std::string strDescription, std::string strSource = "Recorder",
                  WORD wCode = 1001);
    void RecordReleases(bool bRecord) { m_bRecordReleases = bRecord; }

    const std::vector<std::string>& CallTexts() const { return m_calls; }
    // References held outside the recorder, and releases of references nobody held.
    long OutstandingReferences() const;
    long OverReleases() const { return m_nOverReleases; }

    class CRecorder;

private:
    friend class CRecorder;
    LPDISPATCH Wrap(LPDISPATCH pReal, std::string strPath);

    std::shared_ptr<CChartDocument> m_pDocument;
    std::vector<std::unique_ptr<CRecorder>> m_recorders;
    std::vector<std::string> m_calls;
    std::map<int, EXCEPINFO> m_failures; // by the number of the call that fails
    int m_nCalls = 0;
    bool m_bRecordReleases = false;
    long m_nOverReleases = 0;
};

// A chart window bound to a recorded component; at the end no reference may be left over,
// none released twice.
class RecordedChartTest : public testing::Test {
protected:
    void SetUp() override { m_chart.AttachControlSite(m_component.Root()); }
    void TearDown() override {
        m_chart.DetachControlSite();
        EXPECT_EQ(m_component.OutstandingReferences(), 0);
        EXPECT_EQ(m_component.OverReleases(), 0);
    }

    CRecordedChart m_component;
    CTChart m_chart;
};
