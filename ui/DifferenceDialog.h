#pragma once

#include <QStringList>

class QWidget;

// Asks which series to subtract from which: A - B, both among titles, two different ones.
// False when the user cancels or there are fewer than two series.
bool AskForDifference(QWidget* pParent, const QStringList& titles, int& nA, int& nB);
