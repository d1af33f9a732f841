#pragma once

#include <functional>

class QAction;
class QMenu;
class QWidget;

// The window menu of a dialog: Restore, Minimize, Maximize, Close and, when the string table
// has its text, a separator and About; each entry hands its system command (SC_..., or
// IDM_ABOUTBOX) to onCommand. The window manager's own menu cannot take entries from a
// program, so the dialog keeps one of its own, opened by Alt+Space; Alt+F4 closes. The About
// entry, if any, is in pAbout (else null).
QMenu* NewSystemMenu(QWidget& window, std::function<void(unsigned)> onCommand, QAction*& pAbout);
