#include "run/FileWatch.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace {
constexpr std::uint32_t DONE = IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM;
constexpr std::uint32_t WRITING = IN_MODIFY | IN_CREATE;
} // namespace

bool CFileWatch::SStamp::operator==(const SStamp& other) const {
    return bExists == other.bExists && device == other.device && inode == other.inode &&
           nSize == other.nSize && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
}

CFileWatch::CFileWatch(const QString& strPath, QObject* pParent) : QObject(pParent) {
    const QFileInfo file(QFileInfo(strPath).absoluteFilePath());
    m_path = QFile::encodeName(file.filePath());
    m_name = QFile::encodeName(file.fileName());
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CFileWatch::OnTimer);
    m_nInotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_nInotify >= 0 &&
        inotify_add_watch(m_nInotify, QFile::encodeName(file.absolutePath()).constData(),
                          DONE | WRITING) >= 0) {
        m_pNotifier = std::make_unique<QSocketNotifier>(m_nInotify, QSocketNotifier::Read);
        connect(m_pNotifier.get(), &QSocketNotifier::activated, this, &CFileWatch::OnEvents);
    }
    m_last = Stamp();
}

CFileWatch::~CFileWatch() {
    m_pNotifier.reset();
    if (m_nInotify >= 0)
        ::close(m_nInotify);
}

CFileWatch::SStamp CFileWatch::Stamp() const {
    SStamp stamp;
    struct stat status {};
    if (::stat(m_path.constData(), &status) == 0) {
        stamp.bExists = true;
        stamp.device = status.st_dev;
        stamp.inode = status.st_ino;
        stamp.nSize = status.st_size;
        stamp.modified = status.st_mtim;
    }
    return stamp;
}

void CFileWatch::OnEvents() {
    alignas(inotify_event) char buffer[16 * 1024];
    ssize_t nRead = 0;
    while ((nRead = ::read(m_nInotify, buffer, sizeof buffer)) > 0) {
        for (const char* p = buffer; p < buffer + nRead;) {
            const auto* pEvent = reinterpret_cast<const inotify_event*>(p);
            p += sizeof(inotify_event) + pEvent->len;
            if (pEvent->len == 0 || std::strcmp(pEvent->name, m_name.constData()) != 0)
                continue;
            // The last word counts: writing after a close means the writer came back.
            if (pEvent->mask & DONE)
                m_timer.start(SETTLE_MS);
            else if (pEvent->mask & WRITING)
                m_timer.start(QUIET_MS);
        }
    }
}

void CFileWatch::OnTimer() {
    const SStamp stamp = Stamp();
    if (stamp == m_last)
        return;
    m_last = stamp;
    emit Settled();
}
