#include "ui/SaveName.h"

#include "chartcontrol/ChartExport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString ProposedSaveName(const QString& strDataPath) {
    if (strDataPath.isEmpty())
        return QDir::current().absoluteFilePath(QStringLiteral("chart.png"));
    const QFileInfo data(strDataPath);
    const QString strBase = data.completeBaseName();
    return data.absoluteDir().absoluteFilePath(
        (strBase.isEmpty() ? QStringLiteral("chart") : strBase) + QStringLiteral(".png"));
}

QString WithFilterExtension(const QString& strPath, const QString& strFilter) {
    if (ExportKinds().contains(QFileInfo(strPath).suffix().toLower()))
        return strPath;
    static const QRegularExpression PATTERN(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = PATTERN.match(strFilter);
    return match.hasMatch() ? strPath + QLatin1Char('.') + match.captured(1) : strPath;
}
