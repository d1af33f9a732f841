#pragma once

#include "AutomationTypes.h"

class QWidget;

// The application: starts the window toolkit and runs the main dialog once.
class CPlotApp {
public:
    // Must be called by main before InitInstance: the toolkit needs the process's arguments.
    void SetCommandLine(int argc, char** argv);
    // Always FALSE: once the dialog has closed there is nothing left to run.
    BOOL InitInstance();
    int ExitStatus() const { return m_nExitStatus; }

    QWidget* m_pMainWnd = nullptr;

private:
    int m_argc = 0;
    char** m_argv = nullptr;
    int m_nExitStatus = 0;
};

extern CPlotApp theApp;
