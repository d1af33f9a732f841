#include "chartcontrol/DateTicker.h"
#include "tests/chartcontrol/DrawnChart.h"

using DateTicker = DrawnChart;

constexpr double DAY = 86400.0;
constexpr double JAN_1_2026_NOON = 46023.5;
// 9.8e12 seconds after 1970, in automation days.
constexpr double LATE = 25569 + 9.8e12 / DAY;

// The first labels of spans either side of each change of format on the dialog's chart, 0.5
// to 0.9 % from it: the finest step whose labels fit decides. The last two spans end either
// side of 1e13 seconds after 1970, past which there is no calendar.
TEST_F(DateTicker, LabelsChangeFormatWhereTheFinerStepStopsFitting) {
    const struct {
        double dStart, dSeconds;
        const char* pszLabels;
    } cases[] = {{JAN_1_2026_NOON, 4.30, "12:00:00.000\n1 Jan 2026 | .500 | 12:00:01"},
                 {JAN_1_2026_NOON, 4.35, "12:00:00\n1 Jan 2026 | 12:00:01 | 12:00:02"},
                 {JAN_1_2026_NOON, 257, "12:00:00\n1 Jan 2026 | 12:00:30 | 12:01:00"},
                 {JAN_1_2026_NOON, 260, "12:00\n1 Jan 2026 | 12:01 | 12:02"},
                 {JAN_1_2026_NOON, 310000, "12:00\n1 Jan 2026 | 00:00\n2 Jan 2026 | 12:00"},
                 {JAN_1_2026_NOON, 313800, "2 Jan\n2026 | 3 Jan | 4 Jan"},
                 {JAN_1_2026_NOON, 12.7e6, "5 Jan\n2026 | 19 Jan | 2 Feb"},
                 {JAN_1_2026_NOON, 12.9e6, "Feb\n2026 | Mar | Apr"},
                 {JAN_1_2026_NOON, 240e6, "Jul\n2026 | Jan\n2027 | Jul"},
                 {JAN_1_2026_NOON, 243e6, "2027 | 2028 | 2029"},
                 {LATE, 1.999e11, "313000 | 314000 | 315000"},
                 {LATE, 2.001e11, "0.980·10¹³ | 0.985·10¹³ | 0.990·10¹³"}};
    Model().bottom.bDateTime = true;
    for (const auto& c : cases) {
        Model().series.clear();
        AddSeries("s", {{c.dStart, 1}, {c.dStart + c.dSeconds / DAY, 2}});
        Draw();
        EXPECT_EQ(m_view.xAxis->tickVectorLabels().mid(0, 3).join(" | "),
                  QString::fromUtf8(c.pszLabels))
            << c.dSeconds;
    }
    // Weekly ticks get a sub-tick a day; a date's read-out has milliseconds only where its time
    // has them.
    Model().series.clear();
    AddSeries("s", {{JAN_1_2026_NOON, 1}, {JAN_1_2026_NOON + 60, 2}});
    Draw();
    QVector<double> ticks, subTicks;
    m_view.xAxis->ticker()->generate(m_view.xAxis->range(), QLocale::c(), 'g', 6, ticks, &subTicks,
                                     nullptr);
    EXPECT_EQ(subTicks[1] - subTicks[0], DAY);
    // On Mondays, as the calendar's weeks begin.
    EXPECT_EQ(m_view.xAxis->tickVectorLabels().mid(0, 2).join(" | "),
              QStringLiteral("5 Jan\n2026 | 12 Jan"));
    EXPECT_EQ(DescribeDate(1767268800), QStringLiteral("1 Jan 2026 12:00:00"));
    EXPECT_EQ(DescribeDate(1767268800.25), QStringLiteral("1 Jan 2026 12:00:00.250"));
}
