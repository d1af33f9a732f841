#pragma once

#include <QString>

#include <functional>
#include <string>

class CChartView;
struct SChartModel;

// Save as: a file dialog over the view proposes strProposedName and the kinds the chart is
// written as; the name gets the chosen kind's extension unless it ends in one already, and a
// warning gives the reason when the file cannot be written.
// A CSV holds table's text.
void SaveChartAs(CChartView& view, const SChartModel& model, const QString& strProposedName,
                 std::function<std::string()> table);

// The chart's picture on the clipboard with as many pixels as the screen shows: a 2× screen
// copies a 2× image.
void CopyChartImage(CChartView& view);
