#include "ui/Messages.h"

#include "platform/automation/OleExceptions.h"
#include "ui/PlotRequest.h"
#include "ui/Reporter.h"

#include <QCoreApplication>
#include <QMessageBox>

void ShowUsageMessage(bool bHeadless) {
    Report(USAGE_MESSAGE);
    if (bHeadless)
        return;
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    QString::fromLatin1(USAGE_MESSAGE), QMessageBox::Ok);
    box.exec();
}

void ReportException(QWidget* pParent, const CException& e, bool bHeadless) {
    std::string strMessage;
    if (!e.GetErrorMessage(strMessage))
        strMessage = "Internal application error.";
    Report(strMessage);
    if (bHeadless)
        return;
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    QString::fromStdString(strMessage), QMessageBox::Ok, pParent);
    box.exec();
}
