#include "app/PlotApp.h"

#include "app/DataSource.h"
#include "app/ExitStatus.h"
#include "app/Options.h"
#include "app/Toolkit.h"
#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartView.h"
#include "run/PlotRun.h"
#include "run/Reporter.h"
#include "ui/PlotDialogInit.h"
#include "ui/PlotDlg.h"
#include "ui/Resource.h"
#include "ui/Version.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>

CPlotApp theApp;

void CPlotApp::SetCommandLine(int argc, char** argv) {
    m_argc = argc;
    m_argv = argv;
}

BOOL CPlotApp::InitInstance() {
    const char* pszProgramPath = m_argc > 0 && m_argv[0] ? m_argv[0] : "verlo";
    const std::string strProgram = std::filesystem::path(pszProgramPath).stem().string();
    SetProgramName(strProgram);

    CArgumentList args = ArgumentsFromArgv(m_argc, m_argv);
    const SOptions options = ExtractOptions(args);
    if (options.bHelp || options.bVersion) {
        if (options.bHelp)
            std::fputs(HelpText().c_str(), stdout);
        else
            std::printf("Verlo %s\n", VERLO_VERSION);
        return FALSE;
    }
    for (const std::string& strWord : options.unknown) {
        // The last word is the file name, whatever it looks like.
        const bool bFileName = strWord == args.arguments.back() && args.PipeCount() == 0;
        Report("unknown option '" + strWord +
               (bFileName ? "' (taken as the file name: it is the last word)" : "' (ignored)"));
    }
    for (const std::string& strIdle : options.idle)
        Report(strIdle);
    if (!options.status.Ok()) {
        Report(options.status.strMessage + " (see " + strProgram + " --help)");
        m_exitStatus = ExitStatusFor(options.status.cause);
        return FALSE;
    }
    SPlotRequest request = options.request;
    request.source = ChooseDataSource(args);
    if (request.bWatch && (request.bExport || request.source.kind != SDataSource::EKind::File)) {
        Report(request.bExport ? "--watch needs the window; an export is written once"
                               : "--watch follows a file; standard input cannot be read again");
        m_exitStatus = ExitStatusFor(ECause::Usage);
        return FALSE;
    }

    // A reader that goes away early makes the output fail with its reason, not end the process.
    if (request.bExport || request.bStats || request.bStability)
        std::signal(SIGPIPE, SIG_IGN);
    // Numbers need no window toolkit.
    if (request.bStats || request.bStability) {
        CPlotRun run(request);
        m_exitStatus = ExitStatusFor(run.PrintTable().cause);
        return FALSE;
    }
    const auto pApp = StartToolkit(pszProgramPath, request.bExport,
                                   request.source.kind == SDataSource::EKind::Usage);
    QApplication::setApplicationName(QString::fromStdString(strProgram));
    QApplication::setDesktopFileName(QStringLiteral("verlo"));
    // Names where per-user settings would be kept; the viewer keeps none.
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));

    CPlotRun run(request);
    m_exitStatus = ExitStatusFor(request.bExport ? Export(run) : ShowWindow(run));
    return FALSE;
}

ECause CPlotApp::ShowWindow(CPlotRun& run) {
    CPlotDlg dlg(run);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return run.Outcome().cause;
}

ECause CPlotApp::Export(CPlotRun& run) {
    // The chart component as the dialog would host it, without the dialog.
    std::unique_ptr<CChartControl> pControl;
    if (const SStatus status = CChartControl::Create(nullptr, PLOT_DIALOG_INIT,
                                                     PLOT_DIALOG_INIT_SIZE, IDC_CHART, pControl);
        !status.Ok()) {
        Report("cannot create the chart: " + status.strMessage);
        return status.cause;
    }
    return run.Export(*pControl).cause;
}
