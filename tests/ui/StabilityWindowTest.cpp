#include "ui/StabilityWindow.h"

#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartView.h"
#include "run/PlotRun.h"
#include "tests/support/ReadText.h"
#include "ui/PlotDlg.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <fstream>
#include <random>

// Two receivers of white frequency noise in ns, every 15 minutes as six-decimal Julian Dates;
// the second misses a sample and has a y that is no number.
static std::string TwoReceivers() {
    std::mt19937_64 random(26);
    std::normal_distribution<double> noise(0.0, 0.05);
    std::string strText;
    for (int s = 0; s < 2; ++s) {
        strText += "@S" + std::to_string(s) + "\n@legend string \"rx" + std::to_string(s + 1) +
                   " - UTC(lab)\"\n";
        double dPhase = 0.0;
        for (int i = 0; i < 3000; ++i) {
            dPhase += noise(random);
            char szLine[64];
            std::snprintf(szLine, sizeof szLine, "%.6f %s\n", 2460676.5 + i / 96.0,
                          s == 1 && i == 700 ? "nan" : std::to_string(dPhase).c_str());
            if (!(s == 1 && i == 1234))
                strText += szLine;
        }
        strText += "&\n";
    }
    return strText;
}

TEST(StabilityWindow, ShowsWhatStabilityPrintsForTheSameSeries) {
    const std::string strPath = testing::TempDir() + "receivers.dat";
    std::ofstream(strPath) << TwoReceivers();
    SPlotRequest request;
    request.source = {SDataSource::EKind::File, strPath};
    request.dSecondsPerUnit = 1e-9;
    request.nMaxPoints = 4000;
    CPlotRun run(request);
    CPlotDlg dlg(run);
    QString strShown, strWithGaps;
    QStringList labels;
    QTimer::singleShot(0, &dlg, [&] {
        // Asked for as the key D asks: made then, and shown.
        emit dlg.ChartControl()->View()->StabilityRequested();
        auto* pWindow = dlg.findChild<CStabilityWindow*>();
        if (!pWindow || !pWindow->isVisible()) {
            ADD_FAILURE() << "the request showed no stability window";
            dlg.accept();
            return;
        }
        strShown = pWindow->TableText();
        auto* pPlot = pWindow->findChild<QCustomPlot*>();
        pPlot->replot();
        for (int i = 0; i < pPlot->itemCount(); ++i) {
            if (auto* pLabel = qobject_cast<QCPItemText*>(pPlot->item(i)); pLabel->visible())
                labels << pLabel->text();
        }
        // Lines broken at gaps change the picture, not what is measured.
        dlg.ChartControl()->View()->SetGaps(true);
        pWindow->Toggle();
        pWindow->Toggle();
        strWithGaps = pWindow->TableText();
        pWindow->hide();
        dlg.accept();
    });
    dlg.DoModal();

    const std::string strPrinted = WholeTable([](CTableWriter& out) {
        WriteStabilityTable(MeasureGraphStability(SetsOfGraph(*ReadNew(TwoReceivers(), 4000), 0),
                                                  SXRange(), 1e-9, {}, {}),
                            out);
    });
    EXPECT_GT(strPrinted.size(), 1000U);
    EXPECT_EQ(strShown.toStdString(), strPrinted);
    EXPECT_EQ(strWithGaps, strShown);
    EXPECT_TRUE(labels.contains(QStringLiteral("τ^−½, white FM")))
        << labels.join(u'|').toStdString();
}
