#pragma once

#include "chartcontrol/ChartModel.h"
#include "chartcontrol/OutputFile.h"
#include "platform/Status.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class CChartView;
class QCPPainter;
class QImage;

struct SExportOptions {
    // Width × height: pixels of a PNG, points of a PDF or SVG; empty for the chart's own size.
    QSize size;
    // Device pixels per pixel of a PNG: 2 gives a picture twice as wide and high, as sharp
    // as a screen with that pixel ratio shows it.
    int nPngScale = 1;
    // What to write (png, svg, pdf, csv, json); empty for the path's extension.
    QString strKind;
    // What a CSV holds: the owner's table of the points as its data file has them (the chart
    // keeps them as it draws them), sent to the sink piece by piece. Without one a CSV cannot
    // be written.
    std::function<void(const OutputSink&)> table;
};

// The file extensions ExportChart knows, lower case: png, svg, pdf, csv, json.
const QStringList& ExportKinds();
// The Save dialog's filters for these kinds, in the order above: "PNG image (*.png)".
QStringList ExportFilters(const QStringList& kinds = ExportKinds());

// Writes the chart to strPath ("-" for standard output; a pipe or device in place, see
// chartcontrol/OutputFile.h), the kind chosen by options or by its extension: .png, .svg and .pdf
// are pictures of the chart as drawn (shapes and text in SVG and PDF, never pixels); .csv the
// owner's table; .json its content. The file is written whole or not at all.
// A failed status (nothing written) when the kind is unknown, the size or scale unusable, or
// the file cannot be written (then in the system's own words).
SStatus ExportChart(CChartView& view, const SChartModel& model, const QString& strPath,
                    const SExportOptions& options = {});

// What draws a picture: into an image of a size (logical pixels) at a pixel ratio, and onto a
// painter's surface at a size.
struct SPictureSource {
    std::function<QImage(const QSize& size, qreal dRatio)> toImage;
    std::function<void(QCPPainter& painter, const QSize& size)> render;
};
// Writes source's picture to strPath as strKind (png, svg or pdf) at size, a PNG at dScale
// device pixels per pixel, the way ExportChart writes a chart's: whole or not at all, with the
// system's reason when it cannot.
SStatus ExportPicture(const SPictureSource& source, const QString& strPath, const QString& strKind,
                      const QSize& size, qreal dScale);
