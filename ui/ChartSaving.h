#pragma once

#include <QString>

class CChartView;
class QWidget;

// Save as: a file dialog over parent proposes strProposedName and the kinds the chart is
// written as. The chosen name, with the chosen kind's extension unless it ends in one
// already; empty when the user cancelled.
QString AskWhereToSave(QWidget& parent, const QString& strProposedName);

// The chart's picture on the clipboard with as many pixels as the screen shows: a 2× screen
// copies a 2× image.
void CopyChartImage(CChartView& view);
