#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

// Tells when to look at a file again, so that a file still being written is not read half way
// and a file written without a pause is still read now and then. It watches (inotify) the
// folder of the file's name and, when the name is a symbolic link, the folders of each link
// and of the file they lead to, found again after every change there; and so catches a file
// written in place, one replaced by a rename (as editors and mv do), one that goes away or
// comes back, and a link that leads elsewhere:
// - a writer that closes the file, or a rename into place, is done once nothing more happens
//   for SETTLE_MS (a script that appends a line at a time with >> closes after every line);
// - a writer that keeps the file open is done once it has been quiet for QUIET_MS, longer than
//   the pauses of a monitoring program that writes a line every few tenths of a second;
// - a writer that never pauses that long is looked at LONGEST_WAIT_MS after it began.
// Where the system cannot watch, it says why and looks every POLL_MS instead.
class CFileWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int SETTLE_MS = 150;
    static constexpr int QUIET_MS = 1000;
    static constexpr int LONGEST_WAIT_MS = 2000;
    static constexpr int POLL_MS = 1000;

    CFileWatch(const QString& strPath, QObject* pParent);
    ~CFileWatch() override;

    // Why the system cannot tell of the file's changes, in its words; empty while it can.
    const std::string& Problem() const { return m_strProblem; }
    // The writer is still at it: the next look waits for it to pause, or for the longest wait.
    bool Waiting() const { return m_bWaiting; }

signals:
    // The file may not be as it was at the last signal (or at the start): look at it.
    void Changed();
    void WaitingChanged();

private:
    void OnEvents();
    void Look();
    // Watches the folder of the path, and of each symbolic link on the way to the file and
    // of the file, for those names; none other.
    void Follow();
    // From now on the file is looked at every POLL_MS; pszCall failed, errno says why.
    void Poll(const char* pszCall);
    void SetWaiting(bool bWaiting);

    // A name in a watched folder that leads to the file, or is the file.
    struct SName {
        int nWatch;
        QByteArray name;
    };

    QString m_strPath;
    int m_nInotify = -1;
    std::vector<SName> m_names;
    std::unique_ptr<QSocketNotifier> m_pNotifier;
    QTimer m_settle;
    QTimer m_longest;
    QElapsedTimer m_sinceFirst; // since the first change not yet looked at
    QTimer m_poll;
    bool m_bWaiting = false;
    std::string m_strProblem;
};
