#include "tests/chartcontrol/DrawnChart.h"

using ChartView = DrawnChart;

TEST_F(ChartView, ASeriesTakesTheColourAPointAsksForAndANumberForAName) {
    AddSeries("", {{0, 0}, {1, 1}});
    Model().series[0].colours.emplace_back(1, 0x0000FF); // 0x00BBGGRR
    Draw();
    EXPECT_GT(CountPixelsNear(m_view.ToImage(QSize(555, 449), 1), QColor(255, 0, 0)), 60);
    EXPECT_EQ(m_view.graph(0)->name(), QStringLiteral("Series 1"));
}

TEST_F(ChartView, TheHeaderShowsTheModelsLinesUntilThereAreNone) {
    const std::string strLong(200, 'w');
    for (const auto& [header, strShown] :
         {std::pair<std::vector<std::string>, QString>{{"Run \xE9", "2"}, "Run \u00E9\n2"},
          {{strLong}, QString()},
          {{"", ""}, QString()}}) {
        Model().header = header;
        Draw();
        auto* pHeader = qobject_cast<QCPTextElement*>(m_view.plotLayout()->element(0, 0));
        if (header.front() == strLong) {
            // Cut to the room inside its margins.
            ASSERT_TRUE(pHeader);
            EXPECT_TRUE(pHeader->text().contains(u'…'));
            EXPECT_LE(QFontMetricsF(pHeader->font()).horizontalAdvance(pHeader->text()),
                      555 - pHeader->margins().left() - pHeader->margins().right());
            continue;
        }
        EXPECT_EQ(pHeader ? pHeader->text() : QString(), strShown);
        if (pHeader) { // not cut, so no tooltip repeats it
            EXPECT_EQ(m_view.WholeTextAt(pHeader->outerRect().center()), QString());
        }
    }
}

TEST_F(ChartView, AFreshFillKeepsTheUsersZoomWhileTheDataHoldIt) {
    AddDatedSeries();
    Draw();
    m_view.show();
    const QCPRange zoomX(m_view.xAxis->range().lower + 5 * 86400,
                         m_view.xAxis->range().lower + 9 * 86400);
    for (const int nCase : {0, 1, 2}) { // a zoom, all data (A), data elsewhere
        m_view.xAxis->setRange(zoomX);
        m_view.yAxis->setRange(9, 12);
        if (nCase == 1)
            m_view.ShowAllData();
        const QCPRange x = m_view.xAxis->range(), y = m_view.yAxis->range();
        Model().series.clear();
        nCase < 2 ? AddDatedSeries() : AddSeries("elsewhere", {{1, 1}});
        Draw();
        EXPECT_EQ(m_view.xAxis->range() == x && m_view.yAxis->range() == y, nCase < 2) << nCase;
    }
}

// An infinite maximum gives way to the fallback or to the data.
TEST_F(ChartView, APointWithoutAPlaceOnTheXAxisIsNotDrawnAndAnInfiniteMaximumGivesWay) {
    AddSeries("s", {{1, 1}, {INFINITY, 5}, {-INFINITY, 6}, {NAN, 7}, {2, 3}});
    Draw();
    EXPECT_EQ(m_view.graph(0)->dataCount(), 2);
    EXPECT_EQ(m_view.xAxis->range(), QCPRange(1, 2));
    EXPECT_EQ(m_view.yAxis->range(), QCPRange(1, 3));
    Model().series.clear();
    AddSeries("s", {{1, 1}, {2, INFINITY}, {3, 4}});
    Model().left.bAutomaticMinimum = Model().left.bAutomaticMaximum = false;
    Model().left.dMaximum = INFINITY;
    for (const auto& [dFallback, expected] :
         {std::pair{std::nan(""), QCPRange(1, 4)}, std::pair{5.01, QCPRange(0, 5.01)}}) {
        m_view.SetFallbackMaximum(dFallback);
        Draw();
        EXPECT_EQ(m_view.yAxis->range(), expected) << dFallback;
    }
}

// January 2026 from MJD 61041.5: the axis and the read-outs in MJD, and back in dates.
TEST_F(ChartView, TheMjdAxisLabelsTicksAndReadOutsWithModifiedJulianDates) {
    AddDatedSeries();
    Draw();
    const double dKey = m_view.graph(0)->data()->constBegin()->key;
    m_view.SetMjdAxis(true);
    m_view.replot();
    const QVector<QString> labels = m_view.xAxis->tickVectorLabels();
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_GE(labels.first().toDouble(), 61041.0);
    EXPECT_LE(labels.last().toDouble(), 61072.0);
    EXPECT_EQ(labels[0].toInt() % (labels[1].toInt() - labels[0].toInt()), 0); // round MJDs
    EXPECT_EQ(m_view.DescribeX(dKey), QStringLiteral("MJD 61041.50")); // a day apart: 2 decimals
    m_view.SetMjdAxis(false);
    EXPECT_EQ(m_view.DescribeX(dKey), QStringLiteral("1 Jan 2026 12:00:00"));
}
