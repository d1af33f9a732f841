#pragma once

#include <QApplication>

#include <memory>

// Starts the window toolkit with the program path alone, so that none of the user's words
// ("-platform", "-stylesheet FILE", "-qwindowtitle"...) reach it; an export gets the
// offscreen platform, which needs no display. When a window is due and no display can be
// opened, this says so in one line and ends the process with the no-display status (or, when
// the command line named no data, with the usage message and the usage status) instead of
// the toolkit's abort.
std::unique_ptr<QApplication> StartToolkit(const char* pszProgramPath, bool bExport, bool bUsage);
