#include "ui/StatisticsPanel.h"
#include "tests/chartcontrol/DrawnChart.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

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

// Five receivers, months of dates: every column shows whole, and each header its whole title,
// in a panel that fits beside the chart on a screen 1280 pixels wide.
TEST_F(StatisticsPanel, FiveSeriesFitBesideTheChart) {
    for (int s = 0; s < 5; ++s) {
        std::vector<std::pair<double, double>> xy;
        for (int k = 0; k < 2000; ++k)
            xy.push_back({46000.0 + k / 96.0 + 1e-7, -10.0 + 8 * s + std::sin(k / 40.0) / 3.0});
        AddSeries("Receiver " + std::to_string(s + 1) + " Galileo E1 vs UTC(lab)", xy);
    }
    Model().bottom.bDateTime = true;
    Draw();
    QWidget window;
    window.setMinimumSize(656, 471);
    CStatisticsPanel panel(m_view, &window);
    panel.Toggle();
    EXPECT_LE(panel.WidthWanted(), 1280 - 656 - 8);
    panel.setGeometry(656, 11, panel.WidthWanted(), 449);
    window.show();
    QApplication::processEvents();
    const auto* pTable = panel.findChild<QTableWidget*>();
    EXPECT_FALSE(pTable->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(pTable->verticalScrollBar()->isVisible());
    for (int c = 0; c < 5; ++c) {
        EXPECT_GE(pTable->horizontalHeader()->sectionSize(c),
                  pTable->horizontalHeader()->sectionSizeHint(c));
        EXPECT_EQ(pTable->horizontalHeaderItem(c)->text().replace(u'\n', u' '),
                  QStringLiteral("Receiver %1 Galileo E1 vs UTC(lab)").arg(c + 1));
    }
}
