#include "chartcontrol/ChartNotes.h"
#include "chartcontrol/ChartStyle.h"
#include "tests/chartcontrol/DrawnChart.h"

namespace {

using ChartNotes = DrawnChart;

TEST_F(ChartNotes, CountsTheDrawnPointsAboveAndBelowTheView) {
    // A whole period of the sine, and a gap that counts nowhere.
    std::vector<std::pair<double, double>> sine;
    for (int t = 0; t < 63; ++t)
        sine.push_back({t / 10.0, std::sin(t / 10.0)});
    sine.push_back({3.15, std::nan("")});
    AddSeries("sine", sine);
    Draw();
    for (const auto& [dLower, dUpper, strText] : {std::tuple{-1.0, 1.0, ""},
                                                  {0.0, 1.0, "31 points below the view"},
                                                  {-1.0, 0.999, "1 point above the view"},
                                                  {-0.5, 0.5, "21 below and 21 above the view"}}) {
        m_view.yAxis->setRange(dLower, dUpper);
        EXPECT_EQ(m_view.Notes().OutsideText(), QString::fromUtf8(strText)) << dLower << dUpper;
    }
}

TEST_F(ChartNotes, AnEmptyChartSaysWhyInItsMiddle) {
    m_view.SetEmptyText(QStringLiteral("No points: cannot open 'x.dat'"));
    const auto noteInTheMiddle = [this] {
        Draw();
        const QImage image = m_view.ToImage(QSize(555, 449), 1);
        const QPoint centre = m_view.axisRect()->rect().center();
        return CountPixelsNear(image, CHART_NOTE_COLOUR,
                               QRect(centre - QPoint(100, 10), QSize(200, 20)));
    };
    EXPECT_GT(noteInTheMiddle(), 20);
    AddSeries("s", {{0, 0}, {1, 1}});
    EXPECT_EQ(noteInTheMiddle(), 0);
}

} // namespace
