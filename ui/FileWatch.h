#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <sys/stat.h>

// Tells when a file has changed and has then stayed quiet for a moment, so that a file still
// being written is not read half way. Catches a file written in place and one replaced by a
// rename (as editors and mv do), and a file that goes away or comes back: it watches the file
// and its folder with the toolkit's file watching and re-arms the file after each change.
class CFileWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int QUIET_MS = 200;

    CFileWatch(const QString& strPath, QObject* pParent);

signals:
    // The file is not as it was at the last signal (or at the start): changed, gone or back.
    void Settled();

private:
    void WatchTheFile();
    void OnSomethingChanged();
    void OnQuiet();
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

    QString m_strPath;
    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
    SStamp m_last;
};
