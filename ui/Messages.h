#pragma once

#include "platform/Status.h"

class QWidget;

// A failure the user must hear of in the window: on stderr like every other word of the
// viewer, and in a box over pParent: a warning for the usage message and files not written,
// a stop box for a chart that failed. The box is captioned with the application's name.
void ShowFailure(QWidget* pParent, const SStatus& status);
