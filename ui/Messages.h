#pragma once

#include <string>

class CException;
class QWidget;

// The name the viewer goes by in its message boxes and on stderr: the program file's name
// without folder and extension.
std::string ProgramName();

// "Please provide the filename or the --pipe option": on stderr, and in a warning box unless
// headless.
void ShowUsageMessage(bool bHeadless);

// A failure of the chart during the dialog's initialisation, in the words it came with (or
// "Internal application error."): on stderr, and in a stop box unless headless.
void ReportException(QWidget* pParent, const CException& e, bool bHeadless);
