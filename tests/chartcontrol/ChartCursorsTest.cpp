#include "chartcontrol/ChartCursors.h"
#include "chartcontrol/ChartNotes.h"
#include "tests/chartcontrol/DrawnChart.h"

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
    EXPECT_TRUE(m_view.Measures().bBetweenCursors);
    EXPECT_EQ(m_view.Measures().series.at(0).stats.nCount, 2);
    EXPECT_EQ(DescribeDuration(-1.5), QStringLiteral("-00:00:01.500"));
}

// Cursors near the right end hang their labels into the top right corner, where the count of
// points below the view is: they go under it.
TEST_F(ChartCursors, LabelsNameTheirSeriesAndKeepClearOfTheCount) {
    AddSeries("north", {{0, 5}, {8, -1}, {9, 6}, {10, 5}});
    AddSeries("south", {{0, 4}, {10, 4}});
    Model().left = SChartAxis{"", false, false, 0.0, 10.0};
    Draw();
    CChartCursors& cursors = m_view.Cursors();
    cursors.Place(EWhich::A, 0, 9);
    cursors.Place(EWhich::B, 1, 10);
    m_view.replot();
    EXPECT_EQ(cursors.LabelText(EWhich::A).toStdString(), "A  9\nnorth  6");
    EXPECT_EQ(cursors.LabelText(EWhich::B).toStdString(), "B  10\nsouth  4");
    ASSERT_EQ(m_view.Notes().OutsideText(), QStringLiteral("1 point below the view"));
    const QRectF count = m_view.Notes().CornerRects().at(0);
    EXPECT_FALSE(cursors.LabelRect(EWhich::A).intersects(count));
    EXPECT_FALSE(cursors.LabelRect(EWhich::B).intersects(count));
}

// A grid of points under every corner: the box hides what lies under it. Without the points
// of the upper right quarter, the box goes there.
TEST_F(ChartCursors, TheBoxIsOpaqueAndGoesWhereTheDataLeaveRoom) {
    for (const bool bFull : {true, false}) {
        Model().series.clear();
        std::vector<std::pair<double, double>> xy;
        // Up one column and down the next, so that the line draws no long diagonals.
        for (int i = 0; i <= 20; ++i) {
            for (int k = 0; k <= 20; ++k) {
                const int j = i % 2 ? 20 - k : k;
                if (bFull || i < 10 || j < 10)
                    xy.push_back({i + k * 1e-3, j});
            }
        }
        AddSeries("grid", xy);
        Draw();
        m_view.Cursors().Place(EWhich::A, 0, 0);
        m_view.Cursors().Place(EWhich::B, 0, 5);
        m_view.replot();
        const QRect box = m_view.Cursors().BoxRect().toRect().adjusted(2, 2, -2, -2);
        const QPointF middle = m_view.axisRect()->rect().center();
        EXPECT_EQ(box.left() > middle.x() && box.bottom() < middle.y(), !bFull);
        // Only the text's greys and the ground inside: no blue of the lines through it.
        const QImage image = m_view.ToImage(QSize(555, 449), 1);
        int nBlue = 0;
        for (int y = box.top(); y < box.bottom(); ++y) {
            for (int x = box.left(); x < box.right(); ++x)
                nBlue += image.pixelColor(x, y).blue() - image.pixelColor(x, y).red() > 30;
        }
        EXPECT_EQ(nBlue, 0);
    }
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
