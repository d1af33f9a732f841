#include "chartcontrol/OutputFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

SStatus NotWritten(const QString& strWhere, const QString& strWhy) {
    return SStatus::Failed(
        ECause::NotWritten,
        QStringLiteral("cannot write %1: %2").arg(strWhere, strWhy).toStdString());
}

QString SystemReason(int nError) {
    return QString::fromLocal8Bit(std::strerror(nError));
}

// Writes every byte, as far as the stream takes them; errno on failure.
bool WriteAll(int nFd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype nLeft = bytes.size();
    while (nLeft > 0) {
        const ssize_t nWritten = ::write(nFd, p, static_cast<std::size_t>(nLeft));
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
            return false;
        p += nWritten;
        nLeft -= nWritten;
    }
    return true;
}

SStatus WriteInPlace(const QString& strPath, const QByteArray& bytes) {
    const QString strWhere = QLatin1Char('\'') + strPath + QLatin1Char('\'');
    // No O_TRUNC, no O_CREAT: a device or a pipe is written to, never made or emptied.
    const int nFd = ::open(QFile::encodeName(strPath).constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (nFd < 0)
        return NotWritten(strWhere, SystemReason(errno));
    const bool bWritten = WriteAll(nFd, bytes);
    const int nError = errno;
    if (::close(nFd) != 0 && bWritten)
        return NotWritten(strWhere, SystemReason(errno));
    return bWritten ? SStatus() : NotWritten(strWhere, SystemReason(nError));
}

} // namespace

SStatus WriteOutput(const QString& strPath, const QByteArray& bytes) {
    if (strPath == QLatin1String("-")) {
        // A reader that took what it wanted and left (| head) is no failure of ours.
        if (!WriteAll(STDOUT_FILENO, bytes) && errno != EPIPE)
            return NotWritten(QStringLiteral("to standard output"), SystemReason(errno));
        return {};
    }
    struct stat status {};
    if (::stat(QFile::encodeName(strPath).constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return WriteInPlace(strPath, bytes);
    QSaveFile file(strPath);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    return NotWritten(QLatin1Char('\'') + strPath + QLatin1Char('\''), file.errorString());
}
