#include "chart/TChart.h"
#include "tests/support/ScriptedChart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

class ChartContract : public testing::Test {
protected:
    void SetUp() override { m_chart.AttachControlSite(m_double.Root()); }

    CScriptedChart m_double;
    CTChart m_chart;
};

TEST_F(ChartContract, EveryOperationGoesOutWithItsIdKindAndArgumentTypes) {
    m_chart.AddSeries(0);
    m_chart.GetSeries(0).AddXY(1.5, -2.0, "", 0x20000000);
    m_chart.GetSeries(0).SetTitle("north");
    m_chart.GetSeries(0).GetPart43().SetFlag2(TRUE);
    CChartAxis left = m_chart.GetAxes().GetLeft();
    left.SetFlag2(FALSE);
    left.SetFlag3(TRUE);
    left.SetValue19(50.5);
    left.SetValue20(0.0);
    left.GetPart11().SetValue16(20);
    left.GetTitle().SetCaption("Value");
    m_chart.GetAxes().GetBottom().SetDateTimeLabels(TRUE);
    m_chart.GetChartLegend().SetFlag17(FALSE);
    m_chart.GetHeader().GetStrings().SetItem(0, COleVariant("Run 7"));

    EXPECT_THAT(
        m_double.CallTexts(),
        ElementsAre("chart method 28(VT_I4 0)", "chart method 56(VT_I4 0)",
                    "chart.series[0] method 48(VT_R8 1.5, VT_R8 -2, VT_BSTR \"\", "
                    "VT_I4 536870912)",
                    "chart method 56(VT_I4 0)", "chart.series[0] put 39(VT_BSTR \"north\")",
                    "chart method 56(VT_I4 0)", "chart.series[0] get 43()",
                    "chart.series[0].part43 put 2(VT_BOOL -1)", "chart get 2()",
                    "chart.axes get 1()", "chart.axes.left put 2(VT_BOOL 0)",
                    "chart.axes.left put 3(VT_BOOL -1)", "chart.axes.left put 19(VT_R8 50.5)",
                    "chart.axes.left put 20(VT_R8 0)", "chart.axes.left get 11()",
                    "chart.axes.left.part11 put 16(VT_I4 20)", "chart.axes.left get 30()",
                    "chart.axes.left.title put 2(VT_BSTR \"Value\")", "chart get 2()",
                    "chart.axes get 4()", "chart.axes.bottom put 100(VT_BOOL -1)", "chart get 15()",
                    "chart.legend put 17(VT_BOOL 0)", "chart get 22()", "chart.header get 6()",
                    "chart.header.strings put 2(VT_I4 0, VT_BSTR \"Run 7\")"));
}

TEST_F(ChartContract, SeriesAreAddressedInTheOrderTheyWereAdded) {
    for (int i = 0; i < 3; ++i)
        m_chart.AddSeries(0);
    m_chart.GetSeries(2).AddXY(3.0, 3.0, "", 0);
    m_chart.GetSeries(0).AddXY(1.0, 1.0, "", 0);
    EXPECT_EQ(m_double.SeriesPoints(2).size(), 1u);
    EXPECT_EQ(m_double.SeriesPoints(2)[0].dX, 3.0);
    EXPECT_EQ(m_double.SeriesPoints(0)[0].dX, 1.0);
    EXPECT_TRUE(m_double.SeriesPoints(1).empty());
}

TEST_F(ChartContract, BooleansTravelAsMinusOneAndZero) {
    CChartLegend legend = m_chart.GetChartLegend();
    for (BOOL bValue : {TRUE, FALSE, 7}) {
        legend.SetFlag17(bValue);
        COleVariant put = m_double.PutValue("chart.legend", LegendIds::FLAG_17);
        ASSERT_EQ(put.Type(), VT_BOOL);
        EXPECT_EQ(put.GetBool(), bValue ? -1 : 0);
    }
}

TEST_F(ChartContract, SetItemReplacesOnlyItsLine) {
    m_double.SetHeaderLines({"TeeChart", "second", "third"});
    m_chart.GetHeader().GetStrings().SetItem(0, COleVariant("Subtitle"));
    EXPECT_THAT(m_double.HeaderLines(), ElementsAre("Subtitle", "second", "third"));
}

TEST_F(ChartContract, AGetterWithoutObjectSkipsTheRestOfTheChainSilently) {
    m_double.AnswerNoObjectAt(2); // chart.axes get 1
    CChartAxes axes = m_chart.GetAxes();
    CChartAxis left = axes.GetLeft();
    EXPECT_EQ(left.m_lpDispatch, nullptr);
    CChartAxisTitle title = left.GetTitle();
    EXPECT_EQ(title.m_lpDispatch, nullptr);
    title.SetCaption("Value");
    left.SetValue19(1.0);
    EXPECT_EQ(m_double.Calls().size(), 2u);

    // A series index with no series yields nothing either.
    EXPECT_EQ(m_chart.GetSeries(5).m_lpDispatch, nullptr);
}

TEST(ChartWithoutControl, EveryCallDoesNothingAndYieldsEmptyResults) {
    CTChart chart;
    EXPECT_EQ(chart.AddSeries(0), 0);
    CChartAxes axes = chart.GetAxes();
    EXPECT_EQ(axes.m_lpDispatch, nullptr);
    EXPECT_EQ(axes.GetBottom().m_lpDispatch, nullptr);
    EXPECT_NO_THROW(axes.GetLeft().SetValue19(3.0));
    EXPECT_NO_THROW(chart.GetSeries(0).AddXY(1, 2, "", 0));
}

TEST_F(ChartContract, AFailingCallThrowsTheControlsWordsAndReleasesEveryWrapper) {
    m_double.RecordReleases(true);
    m_double.FailCall(4, "Caption too long", "TestChart", 7);
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
    EXPECT_EQ(m_double.OutstandingReferences(), 1); // the chart window's own
    EXPECT_EQ(m_double.OverReleases(), 0);
    EXPECT_THAT(m_double.CallTexts(),
                ElementsAre("chart get 2()", "chart.axes get 1()", "chart.axes.left get 30()",
                            "chart.axes.left.title put 2(VT_BSTR \"Value\")",
                            "chart.axes.left.title release", "chart.axes.left release",
                            "chart.axes release"));
    m_chart.DetachControlSite();
    EXPECT_EQ(m_double.OutstandingReferences(), 0);
}

TEST_F(ChartContract, FailureCodesAndUncoercibleResultsThrowOleExceptions) {
    m_double.FailCallWithCode(1, E_INVALIDARG);
    try {
        m_chart.AddSeries(0);
        FAIL() << "no exception";
    } catch (const COleException& e) {
        EXPECT_EQ(e.m_sc, E_INVALIDARG);
        std::string strMessage;
        EXPECT_TRUE(e.GetErrorMessage(strMessage));
        EXPECT_EQ(strMessage, "The parameter is incorrect.");
    }

    m_double.AnswerValueAt(2, COleVariant("not a number"));
    try {
        m_chart.AddSeries(0);
        FAIL() << "no exception";
    } catch (const COleException& e) {
        EXPECT_EQ(e.m_sc, DISP_E_TYPEMISMATCH);
    }

    m_double.AnswerValueAt(3, COleVariant(LONG{4}));
    EXPECT_THROW(m_chart.GetAxes(), COleException);
    EXPECT_EQ(m_double.OutstandingReferences(), 1);
}

TEST_F(ChartContract, AFailedWrapperChainInTheMiddleOfWorkLeavesNoReference) {
    m_chart.AddSeries(0);
    m_double.FailCall(3, "");
    EXPECT_THROW(m_chart.GetSeries(0).GetPart43().SetFlag2(TRUE), COleDispatchException);
    EXPECT_EQ(m_double.OutstandingReferences(), 1);
}

} // namespace
