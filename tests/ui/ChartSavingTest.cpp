#include "ui/ChartSaving.h"
#include "chartcontrol/ChartView.h"
#include "ui/SaveName.h"

#include <QApplication>
#include <QClipboard>
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
        m_view.resize(300, 200);
    }

    // Saves through the dialog, choosing strFilter and strName in it; returns the name the
    // dialog proposed. A warning is closed, as no click comes, and its text kept.
    QString SaveAs(const QString& strFilter, const QString& strName) {
        QString strProposed;
        QTimer::singleShot(0, [&] {
            auto* pDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(pDialog);
            strProposed = pDialog->selectedFiles().value(0);
            pDialog->selectNameFilter(strFilter);
            pDialog->selectFile(strName);
            static_cast<QDialog*>(pDialog)->accept(); // public there
        });
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [this] {
            if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_strWarning = pBox->text();
                pBox->close();
            }
        });
        closer.start(10);
        SaveChartAs(m_view, m_pDocument->Model(), ProposedSaveName(m_folder.filePath("d.dat")),
                    [] { return std::string("series,x,y\r\n"); });
        return strProposed;
    }

    std::shared_ptr<CChartDocument> m_pDocument = std::make_shared<CChartDocument>();
    CChartView m_view{m_pDocument};
    QTemporaryDir m_folder;
    QString m_strWarning;
};

TEST_F(ChartSaving, SaveAsProposesTheDataNameAddsTheChosenExtensionAndWarnsOfFailures) {
    EXPECT_EQ(SaveAs(QStringLiteral("SVG image (*.svg)"), m_folder.filePath("picture")),
              m_folder.filePath("d.png"));
    EXPECT_EQ(m_strWarning, QString());
    QFile saved(m_folder.filePath("picture.svg"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("<?xml"));
    SaveAs(QStringLiteral("CSV table (*.csv)"), m_folder.filePath("missing/table"));
    EXPECT_TRUE(m_strWarning.endsWith("/missing/table.csv': No such file or directory"))
        << m_strWarning.toStdString();
}

TEST_F(ChartSaving, CopyPutsThePictureAtTheScreensPixelRatioOnTheClipboard) {
    CopyChartImage(m_view);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              m_view.ToImage(m_view.size(), m_view.devicePixelRatioF()));
}

} // namespace
