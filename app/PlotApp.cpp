#include "PlotApp.h"

#include "ExitStatus.h"
#include "Options.h"
#include "PlotDlg.h"
#include "ProcessArguments.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <vector>

CPlotApp theApp;

void CPlotApp::SetCommandLine(int argc, char** argv) {
    m_argc = argc;
    m_argv = argv;
}

BOOL CPlotApp::InitInstance() {
    CArgumentList args = ArgumentsFromArgv(m_argc, m_argv);
    const SOptions options = ExtractOptions(args);
    if (options.bHelp || options.bVersion) {
        std::fputs(options.bHelp ? HELP_TEXT : "Verlo 1.0\n", stdout);
        return FALSE;
    }
    if (!options.strError.empty()) {
        std::fprintf(stderr, "verlo: %s\n%s", options.strError.c_str(), HELP_TEXT);
        m_nExitStatus = EXIT_USAGE;
        return FALSE;
    }
    SetProcessArguments(std::move(args));

    // An export needs no display: the offscreen platform draws the same picture anywhere.
    std::vector<char*> toolkitArgs(m_argv, m_argv + m_argc);
    char szPlatform[] = "-platform";
    char szOffscreen[] = "offscreen";
    if (options.bExport) {
        toolkitArgs.insert(toolkitArgs.begin() + 1, {szPlatform, szOffscreen});
    }
    int nToolkitArgs = static_cast<int>(toolkitArgs.size());
    toolkitArgs.push_back(nullptr);
    QApplication app(nToolkitArgs, toolkitArgs.data());
    QApplication::setApplicationName(
        QFileInfo(QString::fromLocal8Bit(m_argv[0])).completeBaseName());
    QApplication::setDesktopFileName(QStringLiteral("verlo"));
    // Names where per-user settings would be kept; the viewer keeps none.
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));

    CPlotDlg dlg;
    m_pMainWnd = &dlg;
    if (options.bExport) {
        m_nExitStatus = dlg.ExportTo(options.strExportPath);
    } else if (dlg.DoModal() == -1) {
        m_nExitStatus = EXIT_NO_CHART;
    }
    m_pMainWnd = nullptr;
    return FALSE;
}
