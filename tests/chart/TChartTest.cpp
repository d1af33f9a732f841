#include "chart/TChart.h"
#include "tests/support/RecordedChart.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

// The viewer's side of the contract against the real chart component.
using TChartTest = RecordedChartTest;

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
