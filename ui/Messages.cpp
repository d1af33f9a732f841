#include "Messages.h"

#include "DataSource.h"
#include "OleExceptions.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdio>

std::string ProgramName() {
    return QCoreApplication::applicationName().toStdString();
}

void ShowUsageMessage(bool bHeadless) {
    std::fprintf(stderr, "%s\n", USAGE_MESSAGE);
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
    std::fprintf(stderr, "%s: %s\n", ProgramName().c_str(), strMessage.c_str());
    if (bHeadless)
        return;
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    QString::fromStdString(strMessage), QMessageBox::Ok, pParent);
    box.exec();
}
