#include "ui/PlotDlg.h"
#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartView.h"
#include "run/PlotRun.h"
#include "ui/NotesLabel.h"
#include "ui/PlotDialogInit.h"
#include "ui/Resource.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace {

const char* const EXAMPLE = VERLO_SOURCE_DIR "/examples/differences.dat";

// Runs check on the next turn of the event loop, inside whatever modal loop is running then.
void WhenIdle(std::function<void()> check) {
    QTimer::singleShot(0, qApp, std::move(check));
}

// Runs check in the dialog's own loop, then closes it with OK, even when a check gave up.
void CheckThenClose(QDialog& dlg, std::function<void()> check) {
    WhenIdle([&dlg, check = std::move(check)] {
        QTimer::singleShot(0, &dlg, &QDialog::accept);
        check();
    });
}

SPlotRequest FileRequest(const std::string& strPath, int nGraph = 0) {
    SPlotRequest request;
    request.source = {SDataSource::EKind::File, strPath};
    request.nGraph = nGraph;
    return request;
}

TEST(PlotDlgTest, ControlsSitAtTheirTemplatePlacesAndTheChartShowsTheFile) {
    CPlotRun run(FileRequest(EXAMPLE));
    CPlotDlg dlg(run);
    bool bChecked = false;
    CheckThenClose(dlg, [&] {
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Differences Graph"));
        EXPECT_EQ(dlg.size(), QSize(656, 471));
        EXPECT_FALSE(dlg.windowIcon().isNull());
        EXPECT_EQ(dlg.ChartControl()->View()->geometry(), QRect(11, 11, 555, 449));
        const auto buttons = dlg.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(buttons.size(), 2);
        EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
        EXPECT_EQ(buttons[0]->geometry(), QRect(570, 11, 75, 26));
        EXPECT_TRUE(buttons[0]->isDefault());
        EXPECT_FALSE(buttons[1]->isVisible());
        EXPECT_EQ(dlg.focusWidget(), buttons[0]);
        const auto actions = dlg.SystemMenu()->actions();
        ASSERT_EQ(actions.size(), 6);
        EXPECT_TRUE(actions[4]->isSeparator());
        EXPECT_EQ(actions[5]->text(), QStringLiteral("&About Verlo..."));
        EXPECT_EQ(actions[5]->data().toUInt(), IDM_ABOUTBOX);
        // Each entry of the chart's menu has a letter of its own.
        QString strLetters;
        for (const QAction* pAction : dlg.ChartControl()->View()->MenuActions())
            strLetters += pAction->text().section(u'&', 1).left(1).toLower();
        EXPECT_EQ(strLetters.size(), 12);
        EXPECT_EQ(QSet<QChar>(strLetters.begin(), strLetters.end()).size(), 12)
            << strLetters.toStdString();

        dlg.showMaximized();
        EXPECT_EQ(dlg.ChartControl()->View()->geometry(), QRect(11, 11, 555, 449));
        bChecked = true;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(bChecked);
    const SChartModel& model = dlg.ChartControl()->Model();
    ASSERT_EQ(model.series.size(), 3u);
    EXPECT_EQ(model.series[0].strTitle, "Receiver A (roof)");
    EXPECT_EQ(model.header.at(0), "Clock differences against the reference, Q1 2026");
    EXPECT_TRUE(model.bottom.bDateTime);
    EXPECT_EQ(model.bottom.strTitle, "Date");
}

TEST(PlotDlgTest, NotesShowUnderTheOkButtonOnlyWhenTheDataHaveSome) {
    const std::string strFile = testing::TempDir() + "notes.dat";
    for (const auto& [pszText, nNotes] : {std::pair{"@S0\n1 1\n2 2\n&\n", 0},
                                          {"@S0\n1 1\noops\n2 2\n&\n@WITH G1\n@S0\n3 3\n&\n", 2}}) {
        std::ofstream(strFile) << pszText;
        CPlotRun run(FileRequest(strFile));
        CPlotDlg dlg(run);
        CheckThenClose(dlg, [&] {
            const CNotesLabel* pNotes = dlg.NotesLabel();
            EXPECT_EQ(pNotes->isVisible(), nNotes > 0) << pszText;
            if (nNotes) {
                EXPECT_TRUE(pNotes->text().contains(QStringLiteral("2 notes")));
                EXPECT_TRUE(pNotes->toolTip().contains(QStringLiteral("line 3: &quot;oops&quot;")));
                EXPECT_GE(pNotes->geometry().top(), QRect(570, 11, 75, 26).bottom());
                EXPECT_TRUE(dlg.rect().contains(pNotes->geometry()));
            }
        });
        dlg.DoModal();
    }
}

TEST(PlotDlgTest, AnEmptyChartSaysWhyForTheGraphItShows) {
    CPlotRun run(FileRequest(EXAMPLE, 5));
    CPlotDlg dlg(run);
    CheckThenClose(dlg, [&] {
        QStringList texts;
        for (const auto* pText : dlg.ChartControl()->View()->findChildren<QCPItemText*>())
            texts << pText->text();
        EXPECT_TRUE(texts.contains(QStringLiteral("No points in graph 5: the data is in graph 0")));
    });
    dlg.DoModal();
}

TEST(PlotDlgTest, SystemCommands0x10To0x1FOpenTheAboutBox) {
    CPlotRun run(FileRequest(EXAMPLE));
    CPlotDlg dlg(run);
    WhenIdle([&] {
        for (const unsigned nID : {0x0010u, 0x0015u, 0x001Fu, 0x0020u, 0x0000u}) {
            QString strOpened;
            WhenIdle([&] {
                if (QWidget* pModal = QApplication::activeModalWidget(); pModal && pModal != &dlg) {
                    strOpened = pModal->windowTitle();
                    pModal->close();
                }
            });
            dlg.OnSysCommand(nID, 0);
            QApplication::processEvents();
            EXPECT_EQ(strOpened, nID / 0x10 == 1 ? QStringLiteral("About Verlo") : QString())
                << nID;
            EXPECT_TRUE(dlg.isVisible());
        }
        dlg.OnSysCommand(SC_CLOSE, 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// Cancel in Save as writes nothing and says nothing.
TEST(PlotDlgTest, CancelInSaveAsLeavesNoFileAndNoMessage) {
    CPlotRun run(FileRequest(EXAMPLE));
    CPlotDlg dlg(run);
    QWidget* pAfterCancel = &dlg;
    WhenIdle([&] {
        WhenIdle([&] {
            QApplication::activeModalWidget()->close();
            WhenIdle([&] {
                pAfterCancel = QApplication::activeModalWidget();
                if (pAfterCancel != &dlg)
                    pAfterCancel->close();
                dlg.accept();
            });
        });
        emit dlg.ChartControl()->View()->SaveRequested();
    });
    dlg.DoModal();
    EXPECT_EQ(pAfterCancel, &dlg);
}

// A chart failure inside the initialisation is reported, then the dialog opens all the same.
class CFailingDlg : public CPlotDlg {
public:
    using CPlotDlg::CPlotDlg;
    BOOL OnInitDialog() override {
        CPlotDlg::OnInitDialog();
        throw COleDispatchException(1, E_FAIL, "Chart", "Series lost");
    }
};

// Without its chart the dialog ends at once.
TEST(PlotDlgTest, AChartFailureIsReportedAndTheDialogStillOpensWithoutItsChartItEnds) {
    CPlotRun chartless(FileRequest(EXAMPLE));
    CPlotDlg withoutChart(chartless, nullptr, PLOT_DIALOG_INIT, 100);
    EXPECT_EQ(withoutChart.DoModal(), -1);
    EXPECT_FALSE(withoutChart.isVisible());
    EXPECT_EQ(withoutChart.ChartControl(), nullptr);
    CPlotRun run(FileRequest(EXAMPLE));
    CFailingDlg dlg(run);
    QString strReported;
    bool bDialogOpened = false;
    WhenIdle([&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(pBox);
        EXPECT_EQ(pBox->icon(), QMessageBox::Critical);
        strReported = pBox->text();
        EXPECT_FALSE(dlg.isVisible());
        WhenIdle([&] {
            bDialogOpened = dlg.isVisible();
            dlg.accept();
        });
        pBox->accept();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(strReported, QStringLiteral("Series lost"));
    EXPECT_TRUE(bDialogOpened);
}

} // namespace
