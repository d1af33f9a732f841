#include "chartcontrol/OutputFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Quoted(const QString& strPath) {
    return '\'' + strPath.toStdString() + '\'';
}

// Writes every byte, as far as the stream takes them; errno on failure.
bool WriteAll(int nFd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t nLeft = bytes.size();
    while (nLeft > 0) {
        const ssize_t nWritten = ::write(nFd, p, nLeft);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
            return false;
        p += nWritten;
        nLeft -= static_cast<std::size_t>(nWritten);
    }
    return true;
}

// Sends the pieces to nFd; the system's error of the first that failed, 0 for none.
int WriteToFd(int nFd, const std::function<void(const OutputSink&)>& write) {
    int nError = 0;
    write([&](std::string_view piece) {
        if (WriteAll(nFd, piece))
            return true;
        nError = errno;
        return false;
    });
    return nError;
}

SStatus WriteInPlace(const QString& strPath, const std::function<void(const OutputSink&)>& write) {
    // No O_TRUNC, no O_CREAT: a device or a pipe is written to, never made or emptied.
    const int nFd = ::open(QFile::encodeName(strPath).constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (nFd < 0)
        return SStatus::NotWritten(Quoted(strPath), errno);
    const int nError = WriteToFd(nFd, write);
    if (::close(nFd) != 0 && nError == 0)
        return SStatus::NotWritten(Quoted(strPath), errno);
    return nError == 0 ? SStatus() : SStatus::NotWritten(Quoted(strPath), nError);
}

} // namespace

SStatus StreamOutput(const QString& strPath, const std::function<void(const OutputSink&)>& write) {
    if (strPath == QLatin1String("-")) {
        // A reader that took what it wanted and left (| head) is no failure of ours.
        if (const int nError = WriteToFd(STDOUT_FILENO, write); nError != 0 && nError != EPIPE)
            return SStatus::NotWritten("to standard output", nError);
        return {};
    }
    struct stat status {};
    if (::stat(QFile::encodeName(strPath).constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return WriteInPlace(strPath, write);
    QSaveFile file(strPath);
    if (file.open(QIODevice::WriteOnly)) {
        bool bWritten = true;
        write([&](std::string_view piece) {
            bWritten = file.write(piece.data(), static_cast<qint64>(piece.size())) ==
                       static_cast<qint64>(piece.size());
            return bWritten;
        });
        if (bWritten && file.commit())
            return {};
    }
    return SStatus::NotWritten(Quoted(strPath), file.errorString().toStdString());
}

SStatus WriteOutput(const QString& strPath, const QByteArray& bytes) {
    return StreamOutput(strPath, [&](const OutputSink& sink) {
        sink(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}
