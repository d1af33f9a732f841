#include "chart/TChart.h"
#include "tests/support/RecordedChart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

// The viewer's side of the contract against the real chart component.
using TChartTest = RecordedChartTest;

// Every operation reaches the part of the chart it is for (its ids and types are the golden
// call log's of the population).
TEST_F(TChartTest, EveryOperationReachesItsPartOfTheChart) {
    m_chart.AddSeries(0);
    m_chart.GetSeries(0).AddXY(1.5, -2.0, "", 0x20000000);
    m_chart.GetSeries(0).SetTitle("north");
    m_chart.GetSeries(0).GetPart43().SetFlag2(TRUE);
    CChartAxis left = m_chart.GetAxes().GetLeft();
    left.SetFlag2(FALSE);
    left.SetFlag3(TRUE);
    left.SetValue19(50.5);
    left.SetValue20(-1.0);
    left.GetPart11().SetValue16(20);
    left.GetTitle().SetCaption("Value");
    m_chart.GetAxes().GetBottom().SetDateTimeLabels(TRUE);
    m_chart.GetChartLegend().SetFlag17(7);
    m_chart.GetHeader().GetStrings().SetItem(0, COleVariant("Run 7"));

    const SChartModel& model = m_component.Model();
    ASSERT_EQ(model.series.size(), 1u);
    EXPECT_EQ(model.series[0].strTitle, "north");
    EXPECT_TRUE(model.series[0].bPointsVisible);
    EXPECT_EQ(model.series[0].y.at(0), -2.0);
    EXPECT_FALSE(model.left.bAutomaticMaximum);
    EXPECT_TRUE(model.left.bAutomaticMinimum);
    EXPECT_EQ(model.left.dMaximum, 50.5);
    EXPECT_EQ(model.left.dMinimum, -1.0);
    EXPECT_EQ(model.left.nLabelSeparation, 20);
    EXPECT_EQ(model.left.strTitle, "Value");
    EXPECT_TRUE(model.bottom.bDateTime);
    EXPECT_TRUE(model.bLegendVisible);
    EXPECT_EQ(model.header, std::vector<std::string>{"Run 7"});
}

TEST_F(TChartTest, SetItemReplacesOnlyItsLine) {
    m_component.Model().header = {"TeeChart", "second", "third"};
    m_chart.GetHeader().GetStrings().SetItem(0, COleVariant("Subtitle"));
    EXPECT_THAT(m_component.Model().header, ElementsAre("Subtitle", "second", "third"));
}

TEST_F(TChartTest, AGetterWithoutObjectSkipsTheRestOfTheChainSilently) {
    m_component.AnswerAt(2, COleVariant(static_cast<IDispatch*>(nullptr))); // chart.axes get 1
    CChartAxis left = m_chart.GetAxes().GetLeft();
    EXPECT_EQ(left.m_lpDispatch, nullptr);
    left.GetTitle().SetCaption("Value");
    left.SetValue19(1.0);
    EXPECT_EQ(m_component.CallTexts().size(), 2u);
}

TEST_F(TChartTest, AFailingCallThrowsTheControlsWordsAndReleasesEveryWrapper) {
    m_component.RecordReleases(true);
    m_component.FailCall(4, "Caption too long", "TestChart", 7);
    try {
        m_chart.GetAxes().GetLeft().GetTitle().SetCaption("Value");
        FAIL() << "no exception";
    } catch (const COleDispatchException& e) {
        EXPECT_EQ(e.m_wCode, 7);
        EXPECT_EQ(e.m_strSource, "TestChart");
        std::string strMessage;
        EXPECT_TRUE(e.GetErrorMessage(strMessage));
        EXPECT_EQ(strMessage, "Caption too long");
    }
    EXPECT_EQ(m_component.OutstandingReferences(), 1); // the chart window's own
    EXPECT_THAT(m_component.CallTexts(),
                ElementsAre("chart get 2()", "chart.axes get 1()", "chart.axes.left get 30()",
                            "chart.axes.left.title put 2(VT_BSTR \"Value\")",
                            "chart.axes.left.title release", "chart.axes.left release",
                            "chart.axes release"));
    m_component.RecordReleases(false);
}

TEST_F(TChartTest, FailureCodesAndUncoercibleResultsThrowOleExceptions) {
    m_component.FailCallWithCode(1, E_INVALIDARG);
    try {
        m_chart.AddSeries(0);
        FAIL() << "no exception";
    } catch (const COleException& e) {
        EXPECT_EQ(e.m_sc, E_INVALIDARG);
        std::string strMessage;
        EXPECT_TRUE(e.GetErrorMessage(strMessage));
        EXPECT_EQ(strMessage, "The parameter is incorrect.");
    }
    m_component.AnswerAt(2, COleVariant("not a number"));
    EXPECT_THROW(m_chart.AddSeries(0), COleException);
    m_component.AnswerAt(3, COleVariant(LONG{4}));
    EXPECT_THROW(m_chart.GetAxes(), COleException);
    m_chart.AddSeries(0);
    m_component.FailCall(6, "");
    EXPECT_THROW(m_chart.GetSeries(0).GetPart43().SetFlag2(TRUE), COleDispatchException);
}

} // namespace
