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

// With the unit of y known, the fractional frequency and its drift a day, as --stats gives them:
// y = t^2 ns, t in days from the first, has the slope 3 ns/d over t = 0 to 3 and a drift of
// 2 ns/d a day.
TEST_F(StatisticsPanel, GivesTheFrequencyAndItsDriftOnlyWhenTheUnitIsKnown) {
    AddSeries("parabola", {{46023, 0}, {46024, 1}, {46025, 4}, {46026, 9}});
    Model().bottom.bDateTime = true;
    Draw();
    QWidget window;
    CStatisticsPanel unknown(m_view, &window);
    unknown.Toggle();
    EXPECT_FALSE(unknown.TableText().contains(u"frac_freq"));
    CStatisticsPanel panel(m_view, &window, 1e-9);
    panel.Toggle();
    EXPECT_EQ(panel.TableText().section(u'\n', 0, 0).section(u'\t', 15),
              u"frac_freq\tdrift_per_day");
    const QString strRow = panel.TableText().section(u'\n', 1, 1);
    EXPECT_NEAR(strRow.section(u'\t', 15, 15).toDouble() / (3e-9 / 86400), 1.0, 1e-9);
    EXPECT_NEAR(strRow.section(u'\t', 16, 16).toDouble() / (2e-9 / 86400), 1.0, 1e-9);
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
