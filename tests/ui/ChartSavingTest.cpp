#include "ui/ChartSaving.h"
#include "tests/chartcontrol/DrawnChart.h"
#include "ui/SaveName.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ChartSaving : public DrawnChart {
protected:
    void SetUp() override {
        AddSeries("north", {{1, 1}, {2, 3}});
        m_view.resize(300, 200);
    }

    // Asks where to save, choosing strFilter and strName in the file dialog, or cancelling it
    // when strName is empty; the name the dialog proposed goes to strProposed.
    QString AskAndChoose(const QString& strFilter, const QString& strName, QString& strProposed) {
        QTimer::singleShot(0, [&] {
            auto* pDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(pDialog);
            strProposed = pDialog->selectedFiles().value(0);
            pDialog->selectNameFilter(strFilter);
            pDialog->selectFile(strName);
            if (strName.isEmpty())
                static_cast<QDialog*>(pDialog)->reject(); // public there
            else
                static_cast<QDialog*>(pDialog)->accept();
        });
        return AskWhereToSave(m_view, ProposedSaveName(m_folder.filePath("run.2026-01.dat")));
    }

    QTemporaryDir m_folder;
};

TEST_F(ChartSaving, SaveAsProposesTheDataNameAndAddsTheChosenExtension) {
    QString strProposed;
    for (const auto& [strFilter, strName, strChosen] :
         {std::tuple{QStringLiteral("SVG image (*.svg)"), QStringLiteral("picture"),
                     QStringLiteral("picture.svg")},
          {QStringLiteral("SVG image (*.svg)"), QStringLiteral("Chart.PNG"),
           QStringLiteral("Chart.PNG")},
          {QStringLiteral("CSV table (*.csv)"), QString(), QString()}}) {
        const QString strPath = AskAndChoose(
            strFilter, strName.isEmpty() ? QString() : m_folder.filePath(strName), strProposed);
        EXPECT_EQ(strPath, strChosen.isEmpty() ? QString() : m_folder.filePath(strChosen));
        EXPECT_EQ(strProposed, m_folder.filePath("run.2026-01.png"));
    }
}

TEST_F(ChartSaving, CopyPutsThePictureAtTheScreensPixelRatioOnTheClipboard) {
    CopyChartImage(m_view);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              m_view.ToImage(m_view.size(), m_view.devicePixelRatioF()));
}

} // namespace
