#pragma once

#include "chartcontrol/ChartModel.h"
#include "platform/Status.h"

#include <QSize>
#include <QString>
#include <QStringList>

class CChartView;

struct SExportOptions {
    // Width × height: pixels of a PNG, points of a PDF or SVG; empty for the chart's own size.
    QSize size;
    // Device pixels per pixel of a PNG: 2 gives a picture twice as wide and high, as sharp
    // as a screen with that pixel ratio shows it.
    int nPngScale = 1;
};

// The file extensions ExportChart knows, lower case: png, svg, pdf, csv, json.
const QStringList& ExportKinds();

// Writes the chart to strPath, the kind chosen by its extension: .png, .svg and .pdf are
// pictures of the chart as drawn (shapes and text in SVG and PDF, never pixels); .csv is a
// table of its drawn points; .json its content. The file is written whole or not at all.
// A failed status (nothing written) when the kind is unknown, the size or scale unusable, or
// the file cannot be written (then in the system's own words).
SStatus ExportChart(CChartView& view, const SChartModel& model, const QString& strPath,
                    const SExportOptions& options = {});
