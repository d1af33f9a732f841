#include "chartcontrol/ChartLegendItem.h"
#include "tests/chartcontrol/DrawnChart.h"

using ChartLegendItem = DrawnChart;

TEST_F(ChartLegendItem, TheLegendTakesASecondRowBeforeItCutsEntries) {
    for (const auto& [nSeries, pszTitle, bCut] :
         {std::tuple{3, "Receiver A (roof, north mast)", false},
          {5, "Receiver A (roof, north mast, 2 m, with a long cable)", true}}) {
        Model().series.clear();
        for (int s = 0; s < nSeries; ++s)
            AddSeries(pszTitle, {{0, s}, {1, s}});
        Draw();
        EXPECT_EQ(m_view.legend->wrap(), (nSeries + 1) / 2);
        auto* pItem = dynamic_cast<CChartLegendItem*>(m_view.legend->item(0));
        ASSERT_TRUE(pItem);
        EXPECT_EQ(pItem->ShownText().contains(u'…'), bCut) << pItem->ShownText().toStdString();
        // Each entry, its margins with it, keeps to its own place in the chart's width.
        QList<QRect> places;
        for (int i = 0; i < m_view.legend->elementCount(); ++i) {
            if (const auto* pEntry = dynamic_cast<CChartLegendItem*>(m_view.legend->elementAt(i))) {
                const QRect place = pEntry->outerRect();
                EXPECT_LE(place.right(), 555);
                EXPECT_LE(
                    QFontMetricsF(m_view.legend->font()).horizontalAdvance(pEntry->ShownText()),
                    pEntry->rect().width() - m_view.legend->iconSize().width() -
                        m_view.legend->iconTextPadding());
                for (const QRect& other : places)
                    EXPECT_FALSE(place.intersects(other));
                places << place;
            }
        }
        // The whole title shows on hovering a cut one.
        EXPECT_EQ(m_view.WholeTextAt(pItem->outerRect().center()),
                  bCut ? QString::fromUtf8(pszTitle) : QString());
    }
}
