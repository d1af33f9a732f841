#include "chartcontrol/OutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// Sends the pieces to nFd; the system's error of the first that failed, 0 for none. With
// bEarlyWriteBack, each few megabytes written start on their way to the disk while the next are
// made: a file renamed over another has what is still pending written out first, and a table of
// a hundred megabytes would wait there for all of it (ext4 does so, as an fsync would).
int WriteToFd(int nFd, const std::function<void(const OutputSink&)>& write,
              bool bEarlyWriteBack = false) {
    constexpr off_t WRITE_BACK_BYTES = 4 << 20;
    int nError = 0;
    off_t nWritten = 0;
    off_t nWrittenBack = 0;
    write([&](std::string_view piece) {
        if (!WriteAll(nFd, piece)) {
            nError = errno;
            return false;
        }
        nWritten += static_cast<off_t>(piece.size());
        if (bEarlyWriteBack && nWritten - nWrittenBack >= WRITE_BACK_BYTES) {
            // Only a hint: where it is not taken, the rename waits as before.
            ::sync_file_range(nFd, nWrittenBack, nWritten - nWrittenBack, SYNC_FILE_RANGE_WRITE);
            nWrittenBack = nWritten;
        }
        return true;
    });
    return nError;
}

SStatus WriteInPlace(const QString& strPath, const std::function<void(const OutputSink&)>& write) {
    // No O_TRUNC, no O_CREAT: a device or a pipe is written to, never made or emptied.
    const int nFd = ::open(QFile::encodeName(strPath).constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (nFd < 0)
        return FileNotWritten(strPath, errno);
    const int nError = WriteToFd(nFd, write);
    if (::close(nFd) != 0 && nError == 0)
        return FileNotWritten(strPath, errno);
    return nError == 0 ? SStatus() : FileNotWritten(strPath, nError);
}

// The file a name leads to through its symbolic links, as far as they lead: the link stays,
// its target is replaced. The name itself where there is no link, or a circle of them.
QString FinalPath(const QString& strPath) {
    QFileInfo file(strPath);
    for (int nDepth = 0; file.isSymLink(); ++nDepth) {
        if (nDepth == 128)
            return strPath;
        file.setFile(file.symLinkTarget());
    }
    return file.filePath();
}

// A new file beside the final one, under a name no file has, made as open makes a file (0666
// less the umask); -1 with errno on failure.
int CreateBeside(const QByteArray& final, QByteArray& temporary) {
    for (int nTry = 0; nTry < 100; ++nTry) {
        temporary = final + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int nFd =
            ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (nFd >= 0 || errno != EEXIST)
            return nFd;
    }
    return -1;
}

// Writes a regular file, or a name not yet taken, whole or not at all: into a new file beside
// it, renamed over it once the last piece is in. The new file takes the old one's permissions.
// It is not synced to the disk first: a failure of the process or of the writer leaves the old
// file as it was, and waiting for the disk would cost a picture's export milliseconds, a
// million rows' a tenth of a second, for no more than a system crash.
SStatus ReplaceWhole(const QString& strPath, const std::function<void(const OutputSink&)>& write) {
    const QByteArray final = QFile::encodeName(FinalPath(strPath));
    QByteArray temporary;
    const int nFd = CreateBeside(final, temporary);
    if (nFd < 0)
        return FileNotWritten(strPath, errno);
    struct stat old {};
    int nError = 0;
    if (::stat(final.constData(), &old) == 0 && ::fchmod(nFd, old.st_mode & 07777) != 0)
        nError = errno;
    if (nError == 0)
        nError = WriteToFd(nFd, write, true);
    if (::close(nFd) != 0 && nError == 0)
        nError = errno;
    if (nError == 0 && std::rename(temporary.constData(), final.constData()) != 0)
        nError = errno;
    if (nError == 0)
        return {};
    ::unlink(temporary.constData());
    return FileNotWritten(strPath, nError);
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
    return ReplaceWhole(strPath, write);
}

SStatus WriteOutput(const QString& strPath, const QByteArray& bytes) {
    return StreamOutput(strPath, [&](const OutputSink& sink) {
        sink(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}

SStatus FileNotWritten(const QString& strPath, int nError) {
    return FileNotWritten(strPath, std::strerror(nError));
}

SStatus FileNotWritten(const QString& strPath, const std::string& strWhy) {
    return SStatus::NotWritten('\'' + strPath.toStdString() + '\'', strWhy);
}
