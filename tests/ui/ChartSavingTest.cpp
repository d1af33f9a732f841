#include "ui/ChartSaving.h"
#include "tests/chartcontrol/DrawnChart.h"
#include "ui/SaveName.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

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
            QMetaObject::invokeMethod(pDialog, strName.isEmpty() ? "reject" : "accept");
        });
        return AskWhereToSave(m_view, ProposedSaveName(m_folder.filePath("run.2026-01.dat")));
    }

    QTemporaryDir m_folder;
};

TEST_F(ChartSaving, SaveAsProposesTheDataNameAndCopyPutsThePictureOnTheClipboard) {
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
    // Copy: the tests run at twice the pixels, the picture is twice the chart's size, and drawn.
    Draw();
    CopyChartImage(m_view);
    const QImage image = QApplication::clipboard()->image();
    EXPECT_EQ(image.size(), m_view.size() * 2);
    EXPECT_GT(CountPixelsNear(image, QColor(0x00, 0x72, 0xB2)), 100);
}
