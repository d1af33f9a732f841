#pragma once

#include "ChartModel.h"

#include <QString>

class CChartView;

// Writes the chart to strPath, the kind chosen by its extension: .png, .svg and .pdf are
// pictures of the chart as drawn, at the chart's own size; .json is its content. False, with
// the reason in strError, when the kind is unknown or the file cannot be written.
bool ExportChart(CChartView& view, const SChartModel& model, const QString& strPath,
                 QString& strError);
