#include "app/PlotApp.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <gtest/gtest.h>

#include <set>

namespace {

// The dialogs that got any event while a toolkit ran: a dialog made gets its first ones from
// its own constructor on.
std::set<QObject*> g_dialogs;

struct SDialogWatch : QObject {
    using QObject::QObject;
    bool eventFilter(QObject* pObject, QEvent*) override {
        if (qobject_cast<QDialog*>(pObject))
            g_dialogs.insert(pObject);
        return false;
    }
};

void CountDialogs() {
    // Owned by the toolkit, so it goes when each toolkit does.
    qApp->installEventFilter(new SDialogWatch(qApp));
}
Q_COREAPP_STARTUP_FUNCTION(CountDialogs)

TEST(PlotApp, AnExportWritesItsFileWithoutMakingADialog) {
    const std::string strPath = testing::TempDir() + "export.png";
    const char* words[] = {"verlo", VERLO_SOURCE_DIR "/examples/differences.dat", "--export",
                           strPath.c_str()};
    CPlotApp app;
    app.SetCommandLine(4, const_cast<char**>(words));
    app.InitInstance();
    EXPECT_EQ(app.ExitStatus(), EExitStatus::Success);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(strPath)));
    EXPECT_TRUE(g_dialogs.empty());

    // The watch sees a dialog where there is one.
    int argc = 3;
    const char* toolkitWords[] = {"verlo", "-platform", "offscreen", nullptr};
    QApplication toolkit(argc, const_cast<char**>(toolkitWords));
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("seen"));
    EXPECT_EQ(g_dialogs.size(), 1u);
}

} // namespace
