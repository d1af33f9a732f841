#include "ui/StatisticsPanel.h"
#include "tests/chartcontrol/DrawnChart.h"

namespace {

using StatisticsPanel = DrawnChart;

// Dates are seconds on the chart's axis; the slope of a date series is per day all the same.
TEST_F(StatisticsPanel, GivesTheSlopeOfADateSeriesPerDay) {
    AddSeries("rising", {{46023, 0}, {46024, 2}, {46025, 4}});
    Model().bottom.bDateTime = true;
    Draw();
    QWidget window;
    CStatisticsPanel panel(m_view, &window);
    panel.Toggle();
    const QString strSlope = panel.TableText().section(u'\n', 1, 1).section(u'\t', 13, 13);
    EXPECT_NEAR(strSlope.toDouble(), 2.0, 1e-12) << strSlope.toStdString();
}

} // namespace
