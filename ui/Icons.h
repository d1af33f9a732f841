#pragma once

#include <QIcon>

// IDR_MAINFRAME: the program's own icon, shown in the About box.
QIcon MainFrameIcon();
// IDI_PLOT: the main window's icon.
QIcon PlotIcon();
