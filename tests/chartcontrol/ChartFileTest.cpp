#include "chart/ChartPopulation.h"
#include "chartcontrol/ChartExport.h"
#include "tests/chartcontrol/ControlledChart.h"
#include "tests/chartcontrol/DrawnChart.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <cstring>

namespace {

using ChartFile = DrawnChart;
using ChartFileOfTheExample = ControlledChart;

TEST_F(ChartFile, SaveAsProposesTheDataNameAndAddsTheChosenExtension) {
    AddSeries("north", {{1, 1}, {2, 3}});
    Draw();
    QTemporaryDir folder;
    m_view.SetDataPath(folder.filePath("differences.dat"));
    QString strProposed;
    QTimer::singleShot(0, [&] {
        auto* pDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(pDialog);
        strProposed = pDialog->selectedFiles().value(0);
        pDialog->selectNameFilter(QStringLiteral("SVG image (*.svg)"));
        pDialog->selectFile(folder.filePath("picture"));
        static_cast<QDialog*>(pDialog)->accept();
    });
    // A warning would wait for a click that never comes.
    int nWarnings = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&nWarnings] {
        if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++nWarnings;
            pBox->close();
        }
    });
    closer.start(10);
    m_view.SaveAs();
    EXPECT_EQ(nWarnings, 0);
    EXPECT_EQ(strProposed, folder.filePath("differences.png"));
    QFile saved(folder.filePath("picture.svg"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("<?xml"));
}

TEST_F(ChartFile, AFailedWriteLeavesNoFileAndGivesTheSystemsReason) {
    AddSeries("north", {{1, 1}, {2, 3}});
    Draw();
    QTemporaryDir folder;
    QFile plain(folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    const struct {
        const char* pszName;
        int nError;
    } cases[] = {{"plain/chart.png", ENOTDIR}, {"missing/chart.csv", ENOENT}};
    for (const auto& c : cases) {
        const QString strPath = folder.filePath(QLatin1String(c.pszName));
        const SStatus status = ExportChart(m_view, Model(), strPath);
        EXPECT_NE(status.strMessage.find(std::strerror(c.nError)), std::string::npos)
            << status.strMessage;
        EXPECT_FALSE(QFile::exists(strPath));
    }
}

TEST_F(ChartFileOfTheExample, CsvHoldsEveryPointAndItsTime) {
    CPlotData data;
    data.ReadFromFile(VERLO_SOURCE_DIR "/examples/differences.dat");
    SPopulationReport population;
    PopulateChart(m_chart, data, population);
    QTemporaryDir folder;
    ASSERT_TRUE(
        ExportChart(*m_pControl->View(), m_pControl->Model(), folder.filePath("c.csv")).Ok());
    QFile csv(folder.filePath("c.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readLine(), "series,x,y,time\r\n");
    for (int s = 0; s < data.GetSetCount(0); ++s) {
        for (int p = 0; p < data.GetPointCount(0, s); ++p) {
            const QStringList fields = QString::fromUtf8(csv.readLine().trimmed()).split(',');
            ASSERT_EQ(fields.size(), 4);
            EXPECT_EQ(fields[0].toStdString(), data.GetLegend(0, s));
            EXPECT_EQ(fields[2].toDouble(), data.GetY(0, s, p));
            // Julian Date 2440587.5 is the Unix epoch.
            const qint64 nMilliseconds = qRound64((data.GetX(0, s, p) - 2440587.5) * 86400000.0);
            EXPECT_EQ(
                fields[3],
                QDateTime::fromMSecsSinceEpoch(nMilliseconds).toUTC().toString(Qt::ISODateWithMs));
        }
    }
    EXPECT_TRUE(csv.atEnd());
}

} // namespace
