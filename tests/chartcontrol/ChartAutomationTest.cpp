#include "chartcontrol/ChartAutomation.h"
#include "chart/TChart.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

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

TEST_F(ChartAutomation, StartsWithTheComponentDefaults) {
    EXPECT_TRUE(Model().series.empty());
    EXPECT_TRUE(Model().header.empty());
    EXPECT_TRUE(Model().bLegendVisible);
    for (const SChartAxis* pAxis : {&Model().left, &Model().bottom}) {
        EXPECT_TRUE(pAxis->bAutomaticMinimum);
        EXPECT_TRUE(pAxis->bAutomaticMaximum);
        EXPECT_EQ(pAxis->strTitle, "");
        EXPECT_FALSE(pAxis->bDateTime);
    }
}

TEST_F(ChartAutomation, EveryOperationReachesTheModel) {
    m_pDocument->Model().header = {"TeeChart", "second"};
    EXPECT_EQ(m_chart.AddSeries(0), 0);
    EXPECT_EQ(m_chart.AddSeries(0), 1);
    EXPECT_EQ(m_chart.GetSeries(1).AddXY(1.5, -2.0, "", 0x20000000), 0);
    EXPECT_EQ(m_chart.GetSeries(1).AddXY(2.5, 3.0, "p", 0x0000FF), 1);
    m_chart.GetSeries(1).SetTitle("south");
    m_chart.GetSeries(0).GetPart43().SetFlag2(TRUE);
    CChartAxis left = m_chart.GetAxes().GetLeft();
    left.SetFlag2(FALSE);
    left.SetFlag3(FALSE);
    left.SetValue19(50.11872336272725);
    left.SetValue20(0.0);
    left.GetPart11().SetValue16(20);
    left.GetTitle().SetCaption("Value");
    CChartAxis bottom = m_chart.GetAxes().GetBottom();
    bottom.SetFlag3(TRUE);
    bottom.GetTitle().SetCaption("Date");
    bottom.SetDateTimeLabels(TRUE);
    m_chart.GetChartLegend().SetFlag17(FALSE);
    m_chart.GetHeader().GetStrings().SetItem(0, COleVariant("Run 7"));

    const SChartModel& model = Model();
    ASSERT_EQ(model.series.size(), 2u);
    EXPECT_TRUE(model.series[0].bPointsVisible);
    EXPECT_FALSE(model.series[1].bPointsVisible);
    EXPECT_EQ(model.series[1].strTitle, "south");
    ASSERT_EQ(model.series[1].points.size(), 2u);
    EXPECT_EQ(model.series[1].points[0].dX, 1.5);
    EXPECT_EQ(model.series[1].points[0].dY, -2.0);
    EXPECT_EQ(model.series[1].points[1].strLabel, "p");
    EXPECT_EQ(model.series[1].points[1].nColour, 0x0000FFu);
    EXPECT_FALSE(model.left.bAutomaticMaximum);
    EXPECT_FALSE(model.left.bAutomaticMinimum);
    EXPECT_EQ(model.left.dMaximum, 50.11872336272725);
    EXPECT_EQ(model.left.dMinimum, 0.0);
    EXPECT_EQ(model.left.nLabelSeparation, 20);
    EXPECT_EQ(model.left.strTitle, "Value");
    EXPECT_TRUE(model.bottom.bAutomaticMinimum);
    EXPECT_EQ(model.bottom.strTitle, "Date");
    EXPECT_TRUE(model.bottom.bDateTime);
    EXPECT_FALSE(model.left.bDateTime);
    EXPECT_FALSE(model.bLegendVisible);
    EXPECT_EQ(model.header, (std::vector<std::string>{"Run 7", "second"}));
}

TEST_F(ChartAutomation, SeriesIndexRuleAndMissingSeries) {
    for (int i = 0; i < 3; ++i)
        m_chart.AddSeries(0);
    m_chart.GetSeries(2).SetTitle("third");
    EXPECT_EQ(Model().series[2].strTitle, "third");
    for (LONG nIndex : {3, -1, 1 << 30}) {
        CChartSeries missing = m_chart.GetSeries(nIndex);
        EXPECT_EQ(missing.m_lpDispatch, nullptr) << nIndex;
        EXPECT_NO_THROW(missing.SetTitle("x"));
    }
}

TEST_F(ChartAutomation, RefusalsComeBackAsExceptions) {
    EXPECT_THROW(m_chart.AddSeries(3), COleException);
    EXPECT_TRUE(Model().series.empty());
    // The header has no line 0 until the saved state gives it one.
    try {
        m_chart.GetHeader().GetStrings().SetItem(0, COleVariant("x"));
        FAIL() << "no exception";
    } catch (const COleException& e) {
        EXPECT_EQ(e.m_sc, DISP_E_BADINDEX);
    }
}

TEST_F(ChartAutomation, ChangesAreAnnouncedButLookupsAreNot) {
    int nChanges = 0;
    m_pDocument->SetChangeListener([&] { ++nChanges; });
    m_chart.AddSeries(0);
    m_chart.GetSeries(0).AddXY(1, 1, "", 0);
    EXPECT_EQ(nChanges, 2);
    m_chart.GetSeries(0);
    m_chart.GetAxes().GetLeft().GetTitle();
    EXPECT_EQ(nChanges, 2);
    m_chart.GetAxes().GetLeft().SetFlag2(TRUE);
    EXPECT_EQ(nChanges, 3);
}

TEST(ChartAutomationLifetime, ObjectsKeepTheDocumentAlive) {
    std::weak_ptr<CChartDocument> pWeak;
    CChartAxis axis;
    {
        auto pDocument = std::make_shared<CChartDocument>();
        pWeak = pDocument;
        CTChart chart;
        LPDISPATCH pChart = CreateChartDispatch(pDocument);
        chart.AttachControlSite(pChart);
        pChart->Release();
        axis = chart.GetAxes().GetBottom();
    }
    EXPECT_FALSE(pWeak.expired());
    axis.SetDateTimeLabels(TRUE);
    EXPECT_TRUE(pWeak.lock()->Model().bottom.bDateTime);
    axis.ReleaseDispatch();
    EXPECT_TRUE(pWeak.expired());
}

} // namespace
