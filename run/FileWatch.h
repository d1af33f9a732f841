#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>
#include <sys/stat.h>

// Tells when a file's writer is done with it, so that a file still being written is not read
// half way. It watches the file's folder (inotify) for the file's name, and so catches a file
// written in place, one replaced by a rename (as editors and mv do) and one that goes away or
// comes back:
// - a writer that closes the file, or a rename into place, is done once nothing more happens
//   for SETTLE_MS (a script that appends a line at a time with >> closes after every line);
// - a writer that keeps the file open is done once it has been quiet for QUIET_MS, longer than
//   the pauses of a monitoring program that writes a line every few tenths of a second.
class CFileWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int SETTLE_MS = 150;
    static constexpr int QUIET_MS = 1000;

    CFileWatch(const QString& strPath, QObject* pParent);
    ~CFileWatch() override;

signals:
    // The file is not as it was at the last signal (or at the start): changed, gone or back.
    void Settled();

private:
    void OnEvents();
    void OnTimer();
    // What tells one state of the file from another: where it is on disk, its size and time.
    struct SStamp {
        bool bExists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t nSize = 0;
        timespec modified{};

        bool operator==(const SStamp& other) const;
    };
    SStamp Stamp() const;

    QByteArray m_path;
    QByteArray m_name;
    int m_nInotify = -1;
    std::unique_ptr<QSocketNotifier> m_pNotifier;
    QTimer m_timer;
    SStamp m_last;
};
