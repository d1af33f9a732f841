#include "chartcontrol/ChartLegendItem.h"
#include "tests/chartcontrol/DrawnChart.h"

namespace {

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
        // The whole title shows on hovering a cut one.
        EXPECT_EQ(m_view.WholeTextAt(pItem->outerRect().center()),
                  bCut ? QString::fromUtf8(pszTitle) : QString());
    }
}

} // namespace
