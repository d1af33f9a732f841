#include "ui/FileWatch.h"

#include <QFileInfo>

bool CFileWatch::SStamp::operator==(const SStamp& other) const {
    return bExists == other.bExists && device == other.device && inode == other.inode &&
           nSize == other.nSize && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
}

CFileWatch::CFileWatch(const QString& strPath, QObject* pParent)
    : QObject(pParent), m_strPath(QFileInfo(strPath).absoluteFilePath()) {
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QUIET_MS);
    connect(&m_quiet, &QTimer::timeout, this, &CFileWatch::OnQuiet);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CFileWatch::OnSomethingChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &CFileWatch::OnSomethingChanged);
    m_watcher.addPath(QFileInfo(m_strPath).absolutePath());
    WatchTheFile();
    m_last = Stamp();
}

CFileWatch::SStamp CFileWatch::Stamp() const {
    SStamp stamp;
    struct stat status {};
    if (::stat(QFile::encodeName(m_strPath).constData(), &status) == 0) {
        stamp.bExists = true;
        stamp.device = status.st_dev;
        stamp.inode = status.st_ino;
        stamp.nSize = status.st_size;
        stamp.modified = status.st_mtim;
    }
    return stamp;
}

void CFileWatch::WatchTheFile() {
    // A rename takes the watched file away with it: watch whatever now has the name.
    if (!m_watcher.files().contains(m_strPath) && QFileInfo::exists(m_strPath))
        m_watcher.addPath(m_strPath);
}

void CFileWatch::OnSomethingChanged() {
    WatchTheFile();
    m_quiet.start();
}

void CFileWatch::OnQuiet() {
    const SStamp stamp = Stamp();
    if (stamp == m_last)
        return;
    m_last = stamp;
    emit Settled();
}
