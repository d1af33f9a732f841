#include "ui/ChartSaving.h"

#include "chartcontrol/ChartExport.h"
#include "chartcontrol/ChartView.h"
#include "ui/SaveName.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>

void SaveChartAs(CChartView& view, const SChartModel& model, const QString& strProposedName,
                 std::function<std::string()> table) {
    const QStringList filters = {QObject::tr("PNG image (*.png)"), QObject::tr("SVG image (*.svg)"),
                                 QObject::tr("PDF document (*.pdf)"),
                                 QObject::tr("CSV table (*.csv)"),
                                 QObject::tr("JSON data (*.json)")};
    QString strFilter = filters.first();
    const QString strPath =
        QFileDialog::getSaveFileName(&view, QObject::tr("Save Chart As"), strProposedName,
                                     filters.join(QStringLiteral(";;")), &strFilter);
    if (strPath.isEmpty())
        return;
    SExportOptions options;
    options.table = std::move(table);
    const SStatus status =
        ExportChart(view, model, WithFilterExtension(strPath, strFilter), options);
    if (!status.Ok()) {
        QMessageBox::warning(&view, QObject::tr("Save Chart As"),
                             QString::fromStdString(status.strMessage));
    }
}

void CopyChartImage(CChartView& view) {
    QApplication::clipboard()->setImage(view.ToImage(view.size(), view.devicePixelRatioF()));
}
