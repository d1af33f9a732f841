#include "chartcontrol/ChartAutomation.h"
#include "chart/ChartAxes.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartHeader.h"
#include "chart/ChartLegend.h"
#include "chart/ChartSeries.h"
#include "chart/ChartSeriesPart.h"
#include "chart/ChartStrings.h"
#include "chart/TChart.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// What the component does of its own behind the wrappers: its refusals, how it finds a
// series, when it announces a change, how long its objects live.
class ChartAutomation : public testing::Test {
protected:
    void SetUp() override {
        LPDISPATCH pChart = CreateChartDispatch(m_pDocument);
        m_chart.AttachControlSite(pChart);
        pChart->Release();
    }
    const SChartModel& Model() const { return m_pDocument->Model(); }

    std::shared_ptr<CChartDocument> m_pDocument = std::make_shared<CChartDocument>();
    CTChart m_chart;
};

TEST_F(ChartAutomation, ObjectsKeepTheDocumentAlive) {
    const std::weak_ptr<CChartDocument> pWeak = m_pDocument;
    CChartAxis axis = m_chart.GetAxes().GetBottom();
    m_chart.DetachControlSite();
    m_pDocument.reset();
    ASSERT_FALSE(pWeak.expired());
    axis.SetDateTimeLabels(TRUE);
    EXPECT_TRUE(pWeak.lock()->Model().bottom.bDateTime);
    axis.ReleaseDispatch();
    EXPECT_TRUE(pWeak.expired());
}

// Points in bulk come as two arrays of one length: others would read past the shorter one.
TEST_F(ChartAutomation, PointsInBulkNeedArraysOfOneLength) {
    m_chart.AddSeries(0);
    using Doubles = std::vector<double>;
    EXPECT_ANY_THROW(
        m_chart.GetSeries(0).AddXYArrays(COleVariant(std::make_shared<Doubles>(Doubles{1, 2, 3})),
                                         COleVariant(std::make_shared<Doubles>(Doubles{1, 2}))));
    EXPECT_EQ(Model().series.at(0).Size(), 0u);
}

} // namespace
