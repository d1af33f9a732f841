#include "chartcontrol/ChartExport.h"
#include "chartcontrol/ChartJson.h"
#include "chartcontrol/DateTicker.h"
#include "tests/chartcontrol/ControlledChart.h"

#include <QFile>
#include <QTemporaryDir>

#include <limits>

namespace {

const QColor BLUE(0, 114, 178);
const QColor ORANGE(230, 159, 0);

using ChartViewTest = ControlledChart;

TEST_F(ChartViewTest, DrawsTheSeriesInTheirColoursWithDateLabels) {
    AddDatedSeries();
    CChartView& view = *m_pControl->View();
    view.SyncFromModel();
    const QImage image = view.toPixmap(555, 449).toImage();
    EXPECT_EQ(image.size(), QSize(555, 449));
    EXPECT_GT(CountPixelsNear(image, BLUE), 60);
    EXPECT_GT(CountPixelsNear(image, ORANGE), 60);
    // The fourth palette colour belongs to a fourth series, which this chart does not have.
    EXPECT_LT(CountPixelsNear(image, QColor(0, 158, 115)), 5);

    ASSERT_TRUE(view.xAxis->ticker().dynamicCast<CDateTicker>());
    const QVector<QString> labels = view.xAxis->tickVectorLabels();
    ASSERT_FALSE(labels.isEmpty());
    for (const QString& strLabel : labels)
        EXPECT_TRUE(strLabel.contains(QLatin1String("Jan")) ||
                    strLabel.contains(QLatin1String("Feb")))
            << strLabel.toStdString();
    EXPECT_EQ(view.legend->itemCount(), 2);
    EXPECT_EQ(view.graph(1)->name(), QStringLiteral("south"));
}

TEST_F(ChartViewTest, HeaderComesFromTheSavedStateUntilReplaced) {
    CChartView& view = *m_pControl->View();
    view.SyncFromModel();
    auto* pHeader = qobject_cast<QCPTextElement*>(view.plotLayout()->element(0, 0));
    ASSERT_TRUE(pHeader);
    EXPECT_EQ(pHeader->text(), QStringLiteral("TeeChart"));
    m_chart.GetHeader().GetStrings().SetItem(0, COleVariant("Run \xE9"));
    view.SyncFromModel();
    EXPECT_EQ(pHeader->text(), QStringLiteral("Run \u00E9"));
    m_chart.GetHeader().GetStrings().SetItem(0, COleVariant(""));
    view.SyncFromModel();
    EXPECT_FALSE(qobject_cast<QCPTextElement*>(view.plotLayout()->element(0, 0)));
}

TEST_F(ChartViewTest, HoveringAPointDescribesItAndResetReturnsTheFirstView) {
    AddDatedSeries();
    CChartView& view = *m_pControl->View();
    view.SyncFromModel();
    view.replot();
    const QCPGraphData& first = *view.graph(0)->data()->constBegin();
    const QPoint pos(qRound(view.xAxis->coordToPixel(first.key)) + 2,
                     qRound(view.yAxis->coordToPixel(first.value)) - 1);
    int nSeries = -1;
    int nPoint = -1;
    ASSERT_TRUE(view.PointNear(pos, nSeries, nPoint));
    EXPECT_EQ(nSeries, 0);
    EXPECT_EQ(view.DescribePoint(nSeries, nPoint),
              QStringLiteral("north\nx: 1 Jan 2026 12:00:00\ny: 10"));
    EXPECT_FALSE(view.PointNear(QPoint(2, 2), nSeries, nPoint));
    // Milliseconds only where the time has them.
    EXPECT_EQ(DescribeDate(1767268800.25), QStringLiteral("1 Jan 2026 12:00:00.250"));

    const QCPRange initial = view.xAxis->range();
    view.xAxis->setRange(initial.lower + 5, initial.lower + 6);
    view.ResetView();
    EXPECT_EQ(view.xAxis->range(), initial);
}

TEST_F(ChartViewTest, AFreshFillKeepsTheUsersZoomWhileTheDataHoldIt) {
    AddDatedSeries();
    CChartView& view = *m_pControl->View();
    view.show();
    view.SyncFromModel();
    const QCPRange zoomX(view.xAxis->range().lower + 5 * 86400,
                         view.xAxis->range().lower + 9 * 86400);
    for (const bool bDataHoldIt : {true, false}) {
        view.xAxis->setRange(zoomX);
        view.yAxis->setRange(9, 12);
        m_pControl->ResetToSavedState();
        if (bDataHoldIt) {
            AddDatedSeries();
        } else {
            m_chart.AddSeries(0);
            m_chart.GetSeries(0).AddXY(1, 1, "", 0x20000000);
        }
        view.SyncFromModel();
        EXPECT_EQ(view.xAxis->range() == zoomX, bDataHoldIt);
        EXPECT_EQ(view.yAxis->range() == QCPRange(9, 12), bDataHoldIt);
    }
}

TEST_F(ChartViewTest, DegenerateContentFallsBackToADrawableRange) {
    const double inf = std::numeric_limits<double>::infinity();
    CChartView& view = *m_pControl->View();
    const struct {
        double dMin, dMax;
    } ranges[] = {{0.0, 0.0}, {0.0, inf}, {-1e308, 1e308}, {std::nan(""), 1.0}};
    m_chart.AddSeries(0);
    for (double dY : {std::nan(""), inf, -inf, 3.0})
        m_chart.GetSeries(0).AddXY(1.0, dY, "", 0x20000000);
    m_chart.GetSeries(0).AddXY(inf, 1.0, "", 0x20000000);
    for (const auto& range : ranges) {
        CChartAxis left = m_chart.GetAxes().GetLeft();
        left.SetFlag2(FALSE);
        left.SetFlag3(FALSE);
        left.SetValue19(range.dMax);
        left.SetValue20(range.dMin);
        view.SyncFromModel();
        EXPECT_FALSE(view.toPixmap(300, 200).isNull());
        EXPECT_TRUE(QCPRange::validRange(view.yAxis->range())) << range.dMin << " " << range.dMax;
        EXPECT_TRUE(QCPRange::validRange(view.xAxis->range()));
    }
}

TEST(ChartViewEmpty, NoSeriesAtAllStillDraws) {
    auto pDocument = std::make_shared<CChartDocument>();
    CChartView view(pDocument);
    view.SyncFromModel();
    EXPECT_FALSE(view.toPixmap(200, 150).isNull());
    EXPECT_EQ(view.graphCount(), 0);
    EXPECT_FALSE(view.legend->visible());
}

TEST_F(ChartViewTest, ExportsPicturesAndContentByExtension) {
    AddDatedSeries();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const struct {
        const char* pszName;
        QByteArray start;
    } kinds[] = {{"chart.png", "\x89PNG"},
                 {"chart.svg", "<?xml"},
                 {"chart.pdf", "%PDF"},
                 {"chart.JSON", "{\"width\":555,\"height\":449"}};
    for (const auto& kind : kinds) {
        const QString strPath = folder.filePath(QLatin1String(kind.pszName));
        ASSERT_TRUE(ExportChart(*m_pControl->View(), m_pControl->Model(), strPath).Ok())
            << kind.pszName;
        QFile file(strPath);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(kind.start)) << kind.pszName;
    }
    EXPECT_EQ(QImage(folder.filePath(QStringLiteral("chart.png"))).size(), QSize(555, 449));
    QFile json(folder.filePath(QStringLiteral("chart.JSON")));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    EXPECT_EQ(json.readAll().toStdString(), ChartToJson(m_pControl->Model()));

    const SStatus unknown =
        ExportChart(*m_pControl->View(), m_pControl->Model(), folder.filePath("x.gif"));
    EXPECT_EQ(unknown.kind, EExitStatus::NotWritten);
    EXPECT_NE(unknown.strMessage.find(".png, .svg, .pdf, .csv or .json"), std::string::npos);
}

TEST(ChartControlCreation, ADamagedSavedStateCreatesNothing) {
    std::unique_ptr<CChartControl> pControl;
    EXPECT_EQ(CChartControl::Create(nullptr, PLOT_DIALOG_INIT, 100, 1000, pControl).kind,
              EExitStatus::NoChart);
    EXPECT_FALSE(pControl);
}

} // namespace
