#include "app/PlotApp.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

// The titles of the dialogs shown while a toolkit ran; each is closed as soon as it shows.
std::vector<QString> g_shown;

struct SDialogWatch : QObject {
    using QObject::QObject;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override {
        auto* pDialog = qobject_cast<QDialog*>(pObject);
        if (pDialog && pEvent->type() == QEvent::Show) {
            g_shown.push_back(pDialog->windowTitle());
            QTimer::singleShot(0, pDialog, &QDialog::accept);
        }
        return false;
    }
};

void WatchDialogs() {
    // Owned by the toolkit, so it goes when each toolkit does.
    qApp->installEventFilter(new SDialogWatch(qApp));
}
Q_COREAPP_STARTUP_FUNCTION(WatchDialogs)

EExitStatus ExitStatusOf(const std::vector<const char*>& words) {
    CPlotApp app;
    app.SetCommandLine(static_cast<int>(words.size()), const_cast<char**>(words.data()));
    app.InitInstance();
    return app.ExitStatus();
}

TEST(PlotApp, AnExportWritesItsFileWithoutADialogAndAWindowShowsOne) {
    const std::string strPath = testing::TempDir() + "export.png";
    const char* const pszExample = VERLO_SOURCE_DIR "/examples/differences.dat";
    EXPECT_EQ(ExitStatusOf({"verlo", pszExample, "--export", strPath.c_str()}),
              EExitStatus::Success);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(strPath)));
    EXPECT_TRUE(g_shown.empty());

    qputenv("QT_QPA_PLATFORM", "offscreen");
    EXPECT_EQ(ExitStatusOf({"verlo", pszExample}), EExitStatus::Success);
    EXPECT_EQ(g_shown, std::vector<QString>{QStringLiteral("Differences Graph")});
}

} // namespace
