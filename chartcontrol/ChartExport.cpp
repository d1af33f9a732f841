#include "chartcontrol/ChartExport.h"

#include "chartcontrol/ChartJson.h"
#include "chartcontrol/ChartView.h"
#include "chartcontrol/ExportLimits.h"
#include "chartcontrol/OutputFile.h"
#include "chartcontrol/PngEncoder.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <optional>

namespace {

// About a gigabyte of pixels.
constexpr qint64 LARGEST_PNG_PIXELS = 1 << 28;
constexpr double INCHES_PER_METRE = 1.0 / 0.0254;
constexpr int SCREEN_DPI = 96;
constexpr int POINTS_PER_INCH = 72;

std::optional<QByteArray> RenderPng(const SPictureSource& source, const QSize& size, qreal dScale) {
    QImage image = source.toImage(size, dScale);
    if (image.isNull())
        return std::nullopt;
    // The picture says how large it is meant to be shown: a 2× picture at twice the density.
    const int nDotsPerMetre = qRound(SCREEN_DPI * dScale * INCHES_PER_METRE);
    image.setDotsPerMeterX(nDotsPerMetre);
    image.setDotsPerMeterY(nDotsPerMetre);
    return EncodePng(image);
}

std::optional<QByteArray> RenderSvg(const SPictureSource& source, const QSize& size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // One unit a point: the page is as many points as the chart has pixels.
    generator.setResolution(POINTS_PER_INCH);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("Chart"));
    QCPPainter painter;
    if (!painter.begin(&generator))
        return std::nullopt;
    source.render(painter, size);
    if (!painter.end())
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> RenderPdf(const SPictureSource& source, const QSize& size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(POINTS_PER_INCH);
    writer.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QStringLiteral("Verlo"));
    writer.setTitle(QStringLiteral("Chart"));
    QCPPainter painter;
    if (!painter.begin(&writer))
        return std::nullopt;
    source.render(painter, size);
    if (!painter.end())
        return std::nullopt;
    return bytes;
}

SStatus CannotExport(const QString& strWhy) {
    return SStatus::Failed(ECause::NotWritten, strWhy.toStdString());
}

} // namespace

QStringList ExportFilters(const QStringList& kinds) {
    QStringList filters;
    for (const SExportFormat& format : EXPORT_FORMATS) {
        if (kinds.contains(QLatin1String(format.pszKind)))
            filters << QObject::tr("%1 (*.%2)")
                           .arg(QObject::tr(format.pszName), QLatin1String(format.pszKind));
    }
    return filters;
}

const QStringList& ExportKinds() {
    static const QStringList kinds = [] {
        QStringList list;
        for (const SExportFormat& format : EXPORT_FORMATS)
            list << QLatin1String(format.pszKind);
        return list;
    }();
    return kinds;
}

SStatus ExportChart(CChartView& view, const SChartModel& model, const QString& strPath,
                    const SExportOptions& options) {
    view.SyncFromModel();
    const QString strKind =
        options.strKind.isEmpty() ? QFileInfo(strPath).suffix().toLower() : options.strKind;
    if (!ExportKinds().contains(strKind)) {
        return CannotExport(
            QStringLiteral("cannot tell what to write to '%1': use a name ending in "
                           ".png, .svg, .pdf, .csv or .json")
                .arg(strPath));
    }
    QSize size = options.size;
    if (!size.isValid())
        size = QSize(model.nWidth > 0 ? model.nWidth : view.width(),
                     model.nHeight > 0 ? model.nHeight : view.height());
    const int nScale = options.nPngScale;
    if (size.isEmpty() || size.width() > EXPORT_LARGEST_SIDE ||
        size.height() > EXPORT_LARGEST_SIDE || nScale < 1 || nScale > EXPORT_LARGEST_SCALE ||
        (strKind == QLatin1String("png") &&
         qint64(size.width()) * size.height() * nScale * nScale > LARGEST_PNG_PIXELS)) {
        return CannotExport(
            QStringLiteral("cannot draw '%1' at %2×%3 and scale %4: a side may be 1 to "
                           "%5, the scale 1 to %6, a PNG at most %7 million pixels")
                .arg(strPath)
                .arg(size.width())
                .arg(size.height())
                .arg(nScale)
                .arg(EXPORT_LARGEST_SIDE)
                .arg(EXPORT_LARGEST_SCALE)
                .arg(LARGEST_PNG_PIXELS / 1000000));
    }
    if (strKind == QLatin1String("csv")) {
        if (!options.table)
            return FileNotWritten(strPath, "this chart has no table of its points");
        return StreamOutput(strPath, options.table);
    }
    if (strKind == QLatin1String("json"))
        return StreamOutput(strPath,
                            [&model](const OutputSink& sink) { WriteChartJson(model, sink); });
    const SPictureSource source{
        [&view](const QSize& size, qreal dRatio) { return view.ToImage(size, dRatio); },
        [&view](QCPPainter& painter, const QSize& size) { view.Render(painter, size); }};
    return ExportPicture(source, strPath, strKind, size, nScale);
}

SStatus ExportPicture(const SPictureSource& source, const QString& strPath, const QString& strKind,
                      const QSize& size, qreal dScale) {
    std::optional<QByteArray> bytes;
    if (strKind == QLatin1String("png"))
        bytes = RenderPng(source, size, dScale);
    else if (strKind == QLatin1String("svg"))
        bytes = RenderSvg(source, size);
    else if (strKind == QLatin1String("pdf"))
        bytes = RenderPdf(source, size);
    if (!bytes) {
        return CannotExport(QStringLiteral("cannot draw '%1' at %2×%3 and scale %4")
                                .arg(strPath)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(dScale));
    }
    return WriteOutput(strPath, *bytes);
}
