#include "ui/ChartSaving.h"

#include "chartcontrol/ChartExport.h"
#include "chartcontrol/ChartView.h"
#include "ui/SaveName.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>

QString AskWhereToSave(QWidget& parent, const QString& strProposedName) {
    const QStringList filters = ExportFilters();
    QString strFilter = filters.first();
    const QString strPath =
        QFileDialog::getSaveFileName(&parent, QObject::tr("Save Chart As"), strProposedName,
                                     filters.join(QStringLiteral(";;")), &strFilter);
    return strPath.isEmpty() ? QString() : WithFilterExtension(strPath, strFilter);
}

void CopyChartImage(CChartView& view) {
    QApplication::clipboard()->setImage(view.ToImage(view.size(), view.devicePixelRatioF()));
}
