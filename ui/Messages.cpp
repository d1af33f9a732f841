#include "ui/Messages.h"

#include "run/Reporter.h"

#include <QCoreApplication>
#include <QMessageBox>

void ShowFailure(QWidget* pParent, const SStatus& status) {
    Report(status.strMessage);
    QMessageBox box(status.cause == ECause::ChartFailed ? QMessageBox::Critical
                                                        : QMessageBox::Warning,
                    QCoreApplication::applicationName(), QString::fromStdString(status.strMessage),
                    QMessageBox::Ok, pParent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
