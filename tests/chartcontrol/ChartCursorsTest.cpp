#include "chartcontrol/ChartCursors.h"
#include "tests/chartcontrol/DrawnChart.h"

namespace {

using ChartCursors = DrawnChart;
using EWhich = CChartCursors::EWhich;

TEST_F(ChartCursors, TheBoxReadsTheSpanAndTheRateBetweenTwoPoints) {
    // Two days and three hours fifteen minutes apart on a date axis, y rising by 6.
    AddSeries("north", {{46023.5, 10}, {46025.5 + 3.25 / 24, 16}});
    Model().bottom.bDateTime = true;
    Draw();
    const auto key = [this](int nPoint) {
        return (m_view.graph(0)->data()->constBegin() + nPoint)->key;
    };
    CChartCursors& cursors = m_view.Cursors();
    cursors.Place(EWhich::A, 0, key(0));
    EXPECT_EQ(cursors.DeltaText(), QString());
    cursors.Place(EWhich::B, 0, key(1));
    EXPECT_EQ(cursors.DeltaText().toStdString(),
              "Δx 2 d 03:15:00 (184500 s)\nΔy 6\nΔy/Δx 2.80976 /d, 3.25203e-05 /s");
    // Measured between the cursors, whichever is on the left.
    cursors.Place(EWhich::A, 0, key(1));
    cursors.Place(EWhich::B, 0, key(0));
    m_view.CursorsChanged();
    const SMeasures measures = m_view.Measures();
    EXPECT_TRUE(measures.bBetweenCursors);
    EXPECT_EQ(measures.series.at(0).stats.nCount, 2);
    EXPECT_EQ(DescribeDuration(-1.5), QStringLiteral("-00:00:01.500"));
}

TEST_F(ChartCursors, ALinearSeriesLessItsLineIsFlatAndAGapBreaksTheLine) {
    std::vector<std::pair<double, double>> xy;
    for (int k = 0; k < 40; ++k)
        xy.push_back({k < 20 ? k : k + 30, 5.0 + 0.5 * (k < 20 ? k : k + 30)});
    AddSeries("drift", xy);
    Draw();
    m_view.SetResiduals(true);
    double dLargest = 0.0;
    for (const QCPGraphData& point : *m_view.graph(0)->data())
        dLargest = std::max(dLargest, std::fabs(point.value));
    EXPECT_LT(dLargest, 1e-12);
    EXPECT_TRUE(m_view.graph(0)->data()->size() == 40);
    m_view.SetResiduals(false);
    m_view.SetGaps(true);
    // One point without a value breaks the line where x jumps by 31 median steps.
    EXPECT_EQ(m_view.graph(0)->data()->size(), 41);
    EXPECT_TRUE(std::isnan((m_view.graph(0)->data()->constBegin() + 20)->value));
}

} // namespace
