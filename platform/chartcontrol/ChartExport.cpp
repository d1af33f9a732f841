#include "ChartExport.h"

#include "ChartJson.h"
#include "ChartView.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

bool WriteSvg(CChartView& view, const QString& strPath, int nWidth, int nHeight) {
    QSvgGenerator generator;
    generator.setFileName(strPath);
    generator.setSize(QSize(nWidth, nHeight));
    generator.setViewBox(QRect(0, 0, nWidth, nHeight));
    generator.setTitle(QStringLiteral("Chart"));
    QCPPainter painter;
    if (!painter.begin(&generator))
        return false;
    view.toPainter(&painter, nWidth, nHeight);
    return painter.end();
}

bool WriteJson(const SChartModel& model, const QString& strPath) {
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::string strJson = ChartToJson(model);
    file.write(strJson.data(), static_cast<qint64>(strJson.size()));
    return file.commit();
}

} // namespace

bool ExportChart(CChartView& view, const SChartModel& model, const QString& strPath,
                 QString& strError) {
    view.SyncFromModel();
    const int nWidth = model.nWidth > 0 ? model.nWidth : view.width();
    const int nHeight = model.nHeight > 0 ? model.nHeight : view.height();
    const QString strKind = QFileInfo(strPath).suffix().toLower();
    bool bWritten = false;
    if (strKind == QLatin1String("png"))
        bWritten = view.savePng(strPath, nWidth, nHeight);
    else if (strKind == QLatin1String("svg"))
        bWritten = WriteSvg(view, strPath, nWidth, nHeight);
    else if (strKind == QLatin1String("pdf"))
        bWritten = view.savePdf(strPath, nWidth, nHeight);
    else if (strKind == QLatin1String("json"))
        bWritten = WriteJson(model, strPath);
    else {
        strError = QStringLiteral("cannot tell what to write to '%1': use a name ending in "
                                  ".png, .svg, .pdf or .json")
                       .arg(strPath);
        return false;
    }
    if (!bWritten) {
        // The writers do not say why; the folder is the usual reason.
        const QFileInfo folder(QFileInfo(strPath).absolutePath());
        strError = !folder.isDir()        ? QStringLiteral("cannot write '%1': no such folder")
                   : !folder.isWritable() ? QStringLiteral("cannot write '%1': permission denied")
                                          : QStringLiteral("cannot write '%1'");
        strError = strError.arg(strPath);
    }
    return bWritten;
}
