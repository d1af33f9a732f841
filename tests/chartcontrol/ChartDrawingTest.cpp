#include "chartcontrol/ChartExport.h"
#include "chartcontrol/ChartLegendItem.h"
#include "chartcontrol/ChartStyle.h"
#include "chartcontrol/NumberTicker.h"
#include "chartcontrol/Polylines.h"
#include "tests/chartcontrol/ControlledChart.h"
#include "tests/chartcontrol/DrawnChart.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

namespace {

using ChartDrawing = DrawnChart;

constexpr double JAN_1_2026_NOON = 46023.5;
constexpr double SECONDS_PER_DAY = 86400.0;

QByteArray ReadAll(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(ChartDrawing, VectorFilesHoldShapesAndTextNeverPictures) {
    AddSeries("north", {{1, 1}, {2, 3}, {3, 2}}, true);
    Draw();
    QTemporaryDir folder;
    const struct {
        const char* pszName;
        const char* pszPicture;
        QStringList expected;
    } kinds[] = {
        {"chart.svg", "<image", {"<circle", "<text", "viewBox=\"0 0 300 200\""}},
        {"chart.pdf", "/Subtype /Image", {"/FontFile", "/MediaBox [0 0 300.000000 200.000000]"}}};
    for (const auto& kind : kinds) {
        const QString strPath = folder.filePath(QLatin1String(kind.pszName));
        ASSERT_TRUE(ExportChart(m_view, Model(), strPath, {QSize(300, 200), 1}).Ok());
        const QByteArray content = ReadAll(strPath);
        EXPECT_FALSE(content.contains(kind.pszPicture)) << kind.pszName;
        for (const QString& strExpected : kind.expected)
            EXPECT_TRUE(content.contains(strExpected.toUtf8())) << strExpected.toStdString();
    }
}

TEST_F(ChartDrawing, PngHasAsManyPixelsAsItsSizeAndScaleSay) {
    AddSeries("north", {{1, 1}, {2, 3}}, true);
    Draw();
    QTemporaryDir folder;
    const struct {
        QSize size;
        int nScale;
        QSize pixels;
    } cases[] = {{QSize(), 1, QSize(555, 449)},
                 {QSize(), 2, QSize(1110, 898)},
                 {QSize(300, 200), 3, QSize(900, 600)}};
    for (const auto& c : cases) {
        ASSERT_TRUE(
            ExportChart(m_view, Model(), folder.filePath("chart.png"), {c.size, c.nScale}).Ok());
        EXPECT_EQ(QImage(folder.filePath("chart.png")).size(), c.pixels) << c.nScale;
    }
}

TEST_F(ChartDrawing, LinesAreOneLogicalPixelWideAtEveryPixelRatio) {
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

TEST_F(ChartDrawing, DataAtTheEndsOfTheAxisIsDrawnOnTheFrame) {
    Model().left.bAutomaticMinimum = false;
    Model().left.bAutomaticMaximum = false;
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

TEST_F(ChartDrawing, LegendTakesASecondRowBeforeItCutsEntries) {
    const struct {
        int nSeries;
        const char* pszTitle;
        bool bCut;
    } cases[] = {{3, "Receiver A (roof, north mast)", false},
                 {5, "Receiver A (roof, north mast, 2 m, with a long cable)", true}};
    for (const auto& c : cases) {
        Model().series.clear();
        for (int s = 0; s < c.nSeries; ++s)
            AddSeries(c.pszTitle, {{0, s}, {1, s}});
        Draw();
        EXPECT_EQ(m_view.legend->wrap(), (c.nSeries + 1) / 2);
        auto* pItem = dynamic_cast<CChartLegendItem*>(m_view.legend->item(0));
        ASSERT_TRUE(pItem);
        EXPECT_EQ(pItem->ShownText().endsWith(u'…'), c.bCut) << pItem->ShownText().toStdString();
        if (c.bCut) {
            EXPECT_EQ(m_view.ToolTipAt(pItem->outerRect().center()), QLatin1String(c.pszTitle));
        }
    }
}

TEST_F(ChartDrawing, DateAxesNameTheYearAndTheDayAndHaveFourLabelsOrMore) {
    const struct {
        double dSeconds;
        const char* pszFirstLabelHas;
        bool bMilliseconds;
    } spans[] = {{1, "1 Jan 2026", true},
                 {5, "1 Jan 2026", false},
                 {SECONDS_PER_DAY, "1 Jan 2026", false},
                 {8 * 365.25 * SECONDS_PER_DAY, "20", false},
                 {100 * 365.25 * SECONDS_PER_DAY, "20", false}};
    Model().bottom.bDateTime = true;
    for (const auto& span : spans) {
        Model().series.clear();
        AddSeries("s",
                  {{JAN_1_2026_NOON, 1}, {JAN_1_2026_NOON + span.dSeconds / SECONDS_PER_DAY, 2}});
        Draw();
        const QVector<QString> labels = m_view.xAxis->tickVectorLabels();
        ASSERT_GE(labels.size(), 4) << span.dSeconds;
        EXPECT_TRUE(labels.first().contains(QLatin1String(span.pszFirstLabelHas)))
            << labels.first().toStdString();
        EXPECT_TRUE(labels.first().contains(QRegularExpression(QStringLiteral("\\d{4}"))));
        EXPECT_EQ(labels.first().contains(u'.'), span.bMilliseconds) << span.dSeconds;
    }
}

TEST_F(ChartDrawing, CountsPointsOutsideTheViewAndShowsThemAll) {
    Model().left.bAutomaticMinimum = false;
    Model().left.bAutomaticMaximum = false;
    Model().left.dMaximum = 1.0;
    std::vector<std::pair<double, double>> sine;
    for (int t = 0; t < 63; ++t)
        sine.push_back({t / 10.0, std::sin(t / 10.0)});
    sine.push_back({3.15, std::nan("")});
    AddSeries("sine", sine);
    Draw();
    const auto count = [&sine](double dLower, double dUpper, bool bBelow) {
        return std::count_if(sine.begin(), sine.end(), [&](const auto& point) {
            return bBelow ? point.second < dLower : point.second > dUpper;
        });
    };
    EXPECT_EQ(m_view.OutsideText(),
              QStringLiteral("%1 points below the view").arg(count(0.0, 1.0, true)));
    m_view.yAxis->setRange(-0.5, 0.5);
    EXPECT_EQ(m_view.OutsideText(), QStringLiteral("%1 below and %2 above the view")
                                        .arg(count(-0.5, 0.5, true))
                                        .arg(count(-0.5, 0.5, false)));

    m_view.ShowAllData();
    EXPECT_EQ(m_view.OutsideText(), QString());
    EXPECT_TRUE(m_view.yAxis->range().contains(-1.0) && m_view.yAxis->range().contains(1.0));
    EXPECT_TRUE(m_view.xAxis->range().contains(0.0) && m_view.xAxis->range().contains(6.2));
    m_view.ResetView();
    EXPECT_EQ(m_view.yAxis->range(), QCPRange(0.0, 1.0));
}

TEST_F(ChartDrawing, AnEmptyChartSaysWhyInItsMiddle) {
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

TEST(NumberTickLabels, OneAxisHasOneFormat) {
    const struct {
        QVector<double> ticks;
        QStringList labels;
    } cases[] = {
        {{0, 5e5, 1e6, 2.5e6}, {"0.0·10⁶", "0.5·10⁶", "1.0·10⁶", "2.5·10⁶"}},
        {{2e-7, 4e-7, 1e-6}, {"0.2·10⁻⁶", "0.4·10⁻⁶", "1.0·10⁻⁶"}},
        {{0, 2.5, 5, 10}, {"0.0", "2.5", "5.0", "10.0"}},
        {{-0.2, -1e-17, 0.2}, {"-0.2", "0.0", "0.2"}},
        {{0, 200, 400}, {"0", "200", "400"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QStringList(NumberTickLabels(c.ticks)), c.labels);
}

TEST(PolylineClip, KeepsOnlyThePartsInside) {
    const double gap = std::nan("");
    const QRectF rect(0, 0, 10, 10);
    const struct {
        QVector<QPointF> points;
        QVector<QPointF> clipped;
    } cases[] = {
        {{{1, 1}, {2, 2}}, {{1, 1}, {2, 2}}},
        {{{-10, 5}, {20, 5}}, {{0, 5}, {10, 5}}},
        {{{5, 5}, {5, 20}, {6, 20}, {6, 5}}, {{5, 5}, {5, 10}, {gap, gap}, {6, 10}, {6, 5}}},
    };
    const auto text = [](const QVector<QPointF>& points) {
        QStringList parts;
        for (const QPointF& point : points)
            parts << QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
        return parts.join(QLatin1Char(' ')).toStdString();
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(ClipPolyline(c.points, rect)), text(c.clipped));
}

} // namespace
