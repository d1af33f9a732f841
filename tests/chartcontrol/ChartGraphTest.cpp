#include "chartcontrol/ChartNotes.h"
#include "chartcontrol/ChartStyle.h"
#include "tests/chartcontrol/DrawnChart.h"

using ChartGraph = DrawnChart;

TEST_F(ChartGraph, LinesAreOneLogicalPixelWideAtEveryPixelRatio) {
    AddSeries("flat", {{0, 5}, {10, 5}});
    Draw();
    for (const qreal dRatio : {1.0, 2.0}) {
        const QImage image = m_view.ToImage(QSize(555, 449), dRatio);
        // How much of each device pixel down one column the blue line covers, by its red.
        const int nColumn = static_cast<int>(m_view.axisRect()->rect().center().x() * dRatio);
        double dCovered = 0.0;
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(nColumn, y);
            if (pixel.blue() > pixel.red())
                dCovered += (255 - pixel.red()) / 255.0;
        }
        EXPECT_NEAR(dCovered, dRatio, 0.2);
    }
}

TEST_F(ChartGraph, DataAtTheEndsOfTheAxisIsDrawnOnTheFrame) {
    Model().left.bAutomaticMinimum = Model().left.bAutomaticMaximum = false;
    Model().left.dMaximum = 10.0;
    AddSeries("top", {{0, 10}, {10, 10}});
    AddSeries("bottom", {{0, 0}, {10, 0}});
    Draw();
    const QImage image = m_view.ToImage(QSize(555, 449), 1);
    const QRect plot = m_view.axisRect()->rect();
    for (const auto& [dY, colour] : {std::pair{10.0, PaletteColour(0)}, {0.0, PaletteColour(1)}}) {
        const int nRow = static_cast<int>(m_view.yAxis->coordToPixel(dY));
        const QRect frame(plot.left(), nRow - 1, plot.width(), 3);
        EXPECT_GT(CountPixelsNear(image, colour, frame), plot.width() / 2) << dY;
    }
}

using ChartGraphOfMillions = DrawnChart;

// A million points, among them a spike up (the first point of its block of the value index) and
// one down: drawn a pixel column at a time, each spike's column still reaches its tip.
TEST_F(ChartGraphOfMillions, KeepsSpikesAndCountsEachPointOutOfViewAmongAMillion) {
    constexpr int POINTS = 1000000;
    constexpr int SPIKE = 500096;
    constexpr int DIP = 251099;
    // Given as a block of pairs, drawn from the block itself.
    std::shared_ptr<double> pPairs(new double[2 * POINTS](), std::default_delete<double[]>());
    for (int i = 0; i < POINTS; ++i)
        pPairs.get()[2 * i] = i;
    pPairs.get()[2 * SPIKE + 1] = 100.0;
    pPairs.get()[2 * DIP + 1] = -100.0;
    Model().series.emplace_back().pPairs = std::make_shared<CPointPairs>(pPairs, POINTS, false);
    Draw();
    const QImage image = m_view.ToImage(QSize(555, 449), 1);
    for (const auto& [nAt, dY] : {std::pair{SPIKE, 100.0}, {DIP, -100.0}}) {
        const int nColumn = qRound(m_view.xAxis->coordToPixel(nAt));
        const int nTip = qRound(m_view.yAxis->coordToPixel(dY));
        const QRect nearTip(nColumn - 1, dY > 0 ? nTip : nTip - 19, 3, 20);
        EXPECT_GT(CountPixelsNear(image, PaletteColour(0), nearTip), 10) << dY;
    }
    // Zoomed in, the points outside the view are counted a block at a time, each all the same.
    m_view.xAxis->setRange(250000.5, 750000.5);
    m_view.yAxis->setRange(0.5, 150);
    EXPECT_EQ(m_view.Notes().OutsideText().toStdString(),
              "250001 left, 249999 right, 499999 below the view");
    m_view.yAxis->setRange(-150, -0.5);
    EXPECT_EQ(m_view.Notes().OutsideText().toStdString(),
              "250001 left, 249999 right, 499999 above the view");
    EXPECT_EQ(&m_view.graph(0)->data()->constBegin()->key, pPairs.get());
    // An x that goes back where a block of the index starts keeps the block from being drawn
    // as it is.
    pPairs.get()[2 * CValueIndex::BLOCK] = -1.0;
    EXPECT_FALSE(CPointPairs(pPairs, POINTS, false).DrawsAsItIs(false));
}
