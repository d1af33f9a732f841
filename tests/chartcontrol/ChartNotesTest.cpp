#include "chartcontrol/ChartNotes.h"
#include "chartcontrol/ChartStyle.h"
#include "tests/chartcontrol/DrawnChart.h"

using ChartNotes = DrawnChart;

TEST_F(ChartNotes, CountsTheDrawnPointsOutsideTheViewOnEachSide) {
    // A whole period of the sine, and a gap that counts nowhere.
    std::vector<std::pair<double, double>> sine;
    for (int t = 0; t < 63; ++t)
        sine.push_back({t / 10.0, std::sin(t / 10.0)});
    sine.push_back({3.15, std::nan("")});
    AddSeries("sine", sine);
    Draw();
    for (const auto& [x, y, strText] :
         {std::tuple{QCPRange(0, 6.2), QCPRange(-1, 1), ""},
          {QCPRange(0, 6.2), QCPRange(0, 1), "31 points below the view"},
          {QCPRange(0, 6.2), QCPRange(-1, 0.999), "1 point above the view"},
          {QCPRange(0.55, 6.2), QCPRange(-1, 1), "6 points left of the view"},
          {QCPRange(0.55, 6), QCPRange(-0.5, 0.5),
           "6 left, 2 right, 21 above, 21 below the view"}}) {
        m_view.xAxis->setRange(x);
        m_view.yAxis->setRange(y);
        EXPECT_EQ(m_view.Notes().OutsideText().toStdString(), strText);
    }
}

TEST_F(ChartNotes, AnEmptyChartSaysWhyInItsMiddle) {
    m_view.SetEmptyText(QStringLiteral("No points: cannot open 'x.dat'"));
    const auto noteInTheMiddle = [this] {
        Draw();
        return CountPixelsNear(
            m_view.ToImage(QSize(555, 449), 1), CHART_NOTE_COLOUR,
            QRect(m_view.axisRect()->rect().center() - QPoint(100, 10), QSize(200, 20)));
    };
    EXPECT_GT(noteInTheMiddle(), 20);
    // A reason longer than the plot is wide is cut to it, and shows whole on hover.
    const QString strLong = QStringLiteral("No points: cannot open '%1'").arg(QString(80, u'x'));
    m_view.SetEmptyText(strLong);
    Draw();
    const QRect plot = m_view.axisRect()->rect();
    const QImage image = m_view.ToImage(QSize(555, 449), 1);
    EXPECT_EQ(m_view.WholeTextAt(plot.center()), strLong);
    // Centred with a margin each side: no letter comes near the plot's edge.
    EXPECT_EQ(CountPixelsNear(image, CHART_NOTE_COLOUR,
                              QRect(plot.right() - 12, plot.center().y() - 10, 10, 20)),
              0);
    AddSeries("s", {{0, 0}, {1, 1}});
    EXPECT_EQ(noteInTheMiddle(), 0);
}
