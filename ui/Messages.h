#pragma once

class CException;
class QWidget;

// "Please provide the filename or the --pipe option": on stderr, and in a warning box unless
// headless.
void ShowUsageMessage(bool bHeadless);

// A failure of the chart during the dialog's initialisation, in the words it came with (or
// "Internal application error."): on stderr, and in a stop box unless headless.
void ReportException(QWidget* pParent, const CException& e, bool bHeadless);
