#include "chartcontrol/ChartAutomation.h"
#include "chart/ChartAxes.h"
#include "chart/ChartAxis.h"
#include "chart/ChartSeries.h"
#include "chart/TChart.h"

#include <gtest/gtest.h>

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

// Points in bulk come as pairs (an odd count would read past the last x), dates as seconds
// since 1970 that come back as automation dates, and a series grows on after them. An object
// handed out keeps the document alive.
TEST_F(ChartAutomation, PointsInBulkNeedWholePairsAndObjectsKeepTheDocumentAlive) {
    m_chart.AddSeries(0);
    using Doubles = std::vector<double>;
    EXPECT_ANY_THROW(m_chart.GetSeries(0).AddXYPairs(
        COleVariant(std::make_shared<Doubles>(Doubles{1, 2, 3})), FALSE));
    EXPECT_EQ(Model().series.at(0).Size(), 0u);
    m_chart.GetSeries(0).AddXYPairs(
        COleVariant(std::make_shared<Doubles>(Doubles{86400.25, 7, 86400.5, 8})), TRUE);
    m_chart.GetSeries(0).AddXY(25572.5, 9, "", 0x20000000);
    const SChartSeries& series = Model().series.at(0);
    EXPECT_EQ((Doubles{series.X(0), series.X(1), series.X(2), series.Y(2)}),
              (Doubles{25570 + 250 / 86400000.0, 25570 + 500 / 86400000.0, 25572.5, 9}));
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
