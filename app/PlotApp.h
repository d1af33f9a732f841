#pragma once

#include "app/ExitStatus.h"
#include "platform/automation/AutomationTypes.h"

class CPlotRun;
class QWidget;

// The application: starts the window toolkit and runs the main dialog once.
class CPlotApp {
public:
    // Must be called by main before InitInstance.
    void SetCommandLine(int argc, char** argv);
    // Always FALSE: once the dialog has closed there is nothing left to run.
    BOOL InitInstance();
    EExitStatus ExitStatus() const { return m_exitStatus; }

    QWidget* m_pMainWnd = nullptr;

private:
    // The two ways a run goes: in the main dialog, or written out without a window.
    ECause ShowWindow(CPlotRun& run);
    ECause Export(CPlotRun& run);

    int m_argc = 0;
    char** m_argv = nullptr;
    EExitStatus m_exitStatus = EExitStatus::Success;
};

extern CPlotApp theApp;
