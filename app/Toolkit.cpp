#include "app/Toolkit.h"

#include "app/ExitStatus.h"
#include "run/PlotRequest.h"
#include "run/Reporter.h"

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// The toolkit keeps references to its argument count and words for its whole life.
int g_argc = 0;
char* g_argv[4] = {};
char g_szPlatformOption[] = "-platform";
char g_szOffscreen[] = "offscreen";

bool g_bUsage = false;
QtMessageHandler g_previousHandler = nullptr;
// What the toolkit says while it starts is about the platform plugin: held back, it names the
// cause should the plugin fail, and goes out as it came should it start.
std::vector<std::pair<QtMsgType, QString>> g_startupMessages;

// Called where the toolkit would abort: a fatal message handler cannot return, so the process
// ends here, with the status its cause maps to.
[[noreturn]] void EndWithoutDisplay(const std::string& strCause) {
    const SStatus status =
        g_bUsage ? SStatus::Failed(ECause::Usage, USAGE_MESSAGE)
                 : SStatus::Failed(ECause::NoDisplay,
                                   "cannot open a display (" + strCause +
                                       "); --export FILE writes the chart without one");
    Report(status.strMessage);
    std::fflush(stderr);
    std::_Exit(static_cast<int>(ExitStatusFor(status.cause)));
}

std::string FailureCause() {
    for (const auto& [type, strMessage] : g_startupMessages) {
        if (strMessage.contains(QLatin1String("could not connect to display")))
            return "no display answers at DISPLAY=" + qEnvironmentVariable("DISPLAY").toStdString();
    }
    if (!g_startupMessages.empty())
        return g_startupMessages.front().second.trimmed().toStdString();
    return "the platform plugin could not start";
}

void Forward(QtMsgType type, const QMessageLogContext& context, const QString& strMessage) {
    if (g_previousHandler)
        g_previousHandler(type, context, strMessage);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, strMessage)));
}

// A platform plugin that cannot start ends the process with a fatal message; this one ends
// it with the viewer's own line and status, before the toolkit would abort.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& strMessage) {
    if (type == QtFatalMsg)
        EndWithoutDisplay(FailureCause());
    // Cron jobs, CI and root shells have no runtime folder; the toolkit makes do with one of its
    // own, which is no news to the user.
    if (strMessage.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_startupMessages.emplace_back(type, strMessage);
}

} // namespace

std::unique_ptr<QApplication> StartToolkit(const char* pszProgramPath, bool bExport, bool bUsage) {
    g_bUsage = bUsage;
    if (!bExport && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        EndWithoutDisplay("DISPLAY is not set");

    // The font configuration takes milliseconds to load, and the chart needs it for its first
    // drawing: for a window it loads on the second core while the toolkit connects to the
    // display. (An export has no display to wait for, so there it only gets in the way.)
    std::jthread fontWarmUp;
    if (!bExport)
        fontWarmUp = std::jthread([] { FcInit(); });

    g_argc = 0;
    g_argv[g_argc++] = const_cast<char*>(pszProgramPath);
    if (bExport) {
        g_argv[g_argc++] = g_szPlatformOption;
        g_argv[g_argc++] = g_szOffscreen;
    }
    g_argv[g_argc] = nullptr;

    g_previousHandler = qInstallMessageHandler(StartupMessageHandler);
    auto pApp = std::make_unique<QApplication>(g_argc, g_argv);
    qInstallMessageHandler(g_previousHandler);
    for (const auto& [type, strMessage] : g_startupMessages)
        Forward(type, QMessageLogContext(), strMessage);
    g_startupMessages.clear();
    return pApp;
}
