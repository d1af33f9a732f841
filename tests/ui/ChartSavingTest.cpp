#include "ui/ChartSaving.h"
#include "chartcontrol/ChartView.h"
#include "ui/SaveName.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ChartSaving : public testing::Test {
protected:
    void SetUp() override {
        m_pDocument->Model().series.push_back({"north", false, {{1, 1, "", 0}, {2, 3, "", 0}}});
        m_pDocument->Changed();
        m_view.resize(300, 200);
        m_view.SyncFromModel();
    }

    // Saves through the dialog, choosing strFilter and the name strName in it; returns the
    // name the dialog proposed and counts the warnings.
    QString SaveAs(const QString& strProposed, const QString& strFilter, const QString& strName) {
        QString strShown;
        QTimer::singleShot(0, [&] {
            auto* pDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(pDialog);
            strShown = pDialog->selectedFiles().value(0);
            pDialog->selectNameFilter(strFilter);
            pDialog->selectFile(strName);
            static_cast<QDialog*>(pDialog)->accept();
        });
        // A warning would wait for a click that never comes.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [this] {
            if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_warnings << pBox->text();
                pBox->close();
            }
        });
        closer.start(10);
        SaveChartAs(m_view, m_pDocument->Model(), strProposed);
        return strShown;
    }

    std::shared_ptr<CChartDocument> m_pDocument = std::make_shared<CChartDocument>();
    CChartView m_view{m_pDocument};
    QStringList m_warnings;
};

TEST_F(ChartSaving, SaveAsProposesTheDataNameAndAddsTheChosenExtension) {
    QTemporaryDir folder;
    const QString strProposed = ProposedSaveName(folder.filePath("differences.dat"));
    EXPECT_EQ(strProposed, folder.filePath("differences.png"));
    EXPECT_EQ(SaveAs(strProposed, QStringLiteral("SVG image (*.svg)"), folder.filePath("picture")),
              strProposed);
    EXPECT_EQ(m_warnings, QStringList());
    QFile saved(folder.filePath("picture.svg"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("<?xml"));
}

TEST_F(ChartSaving, AFailedSaveWarnsWithTheReason) {
    QTemporaryDir folder;
    SaveAs(ProposedSaveName(QString()), QStringLiteral("CSV table (*.csv)"),
           folder.filePath("missing/table"));
    ASSERT_EQ(m_warnings.size(), 1);
    EXPECT_TRUE(m_warnings[0].contains("/missing/table.csv': No such file or directory"))
        << m_warnings[0].toStdString();
}

TEST_F(ChartSaving, CopyPutsThePictureAtTheScreensPixelsOnTheClipboard) {
    CopyChartImage(m_view);
    const QImage expected = m_view.ToImage(m_view.size(), m_view.devicePixelRatioF());
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), expected);
}

} // namespace
