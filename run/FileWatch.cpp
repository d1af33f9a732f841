#include "run/FileWatch.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>
#include <utility>

namespace {
constexpr std::uint32_t DONE = IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM;
constexpr std::uint32_t WRITING = IN_MODIFY | IN_CREATE;
// As many links as the system follows before it gives up on a path.
constexpr int MAX_LINKS = 40;
} // namespace

CFileWatch::CFileWatch(const QString& strPath, QObject* pParent)
    : QObject(pParent), m_strPath(QFileInfo(strPath).absoluteFilePath()) {
    m_settle.setSingleShot(true);
    m_longest.setSingleShot(true);
    connect(&m_settle, &QTimer::timeout, this, &CFileWatch::Look);
    connect(&m_longest, &QTimer::timeout, this, &CFileWatch::Look);
    connect(&m_poll, &QTimer::timeout, this, &CFileWatch::Changed);
    m_nInotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_nInotify < 0) {
        Poll("inotify_init1");
        return;
    }
    m_pNotifier = std::make_unique<QSocketNotifier>(m_nInotify, QSocketNotifier::Read);
    connect(m_pNotifier.get(), &QSocketNotifier::activated, this, &CFileWatch::OnEvents);
    Follow();
}

CFileWatch::~CFileWatch() {
    m_pNotifier.reset();
    if (m_nInotify >= 0)
        ::close(m_nInotify);
}

void CFileWatch::Poll(const char* pszCall) {
    m_strProblem = std::string(pszCall) + ": " + std::strerror(errno);
    // It may be the notifier's own signal that brought us here.
    if (m_pNotifier) {
        m_pNotifier->setEnabled(false);
        m_pNotifier.release()->deleteLater();
    }
    if (m_nInotify >= 0)
        ::close(m_nInotify);
    m_nInotify = -1;
    m_poll.start(POLL_MS);
}

void CFileWatch::Follow() {
    std::vector<SName> names;
    QString strPath = m_strPath;
    for (int i = 0; i <= MAX_LINKS; ++i) {
        const QFileInfo file(strPath);
        // Folders met twice get one watch: the system gives the same one again.
        const int nWatch = inotify_add_watch(
            m_nInotify, QFile::encodeName(file.absolutePath()).constData(), DONE | WRITING);
        if (nWatch < 0) {
            Poll("inotify_add_watch");
            return;
        }
        names.push_back({nWatch, QFile::encodeName(file.fileName())});
        if (!file.isSymLink())
            break;
        strPath = file.symLinkTarget();
    }
    for (const SName& old : m_names) {
        if (std::none_of(names.begin(), names.end(),
                         [&](const SName& name) { return name.nWatch == old.nWatch; }))
            inotify_rm_watch(m_nInotify, old.nWatch);
    }
    m_names = std::move(names);
}

void CFileWatch::OnEvents() {
    alignas(inotify_event) char buffer[16 * 1024];
    ssize_t nRead = 0;
    std::uint32_t nLast = 0;
    while ((nRead = ::read(m_nInotify, buffer, sizeof buffer)) > 0) {
        for (const char* p = buffer; p < buffer + nRead;) {
            const auto* pEvent = reinterpret_cast<const inotify_event*>(p);
            p += sizeof(inotify_event) + pEvent->len;
            // Events lost to a full queue may have been any: look as after a close.
            if (pEvent->mask & IN_Q_OVERFLOW)
                nLast = DONE;
            if (pEvent->len == 0 ||
                std::none_of(m_names.begin(), m_names.end(), [pEvent](const SName& name) {
                    return pEvent->wd == name.nWatch &&
                           std::strcmp(pEvent->name, name.name.constData()) == 0;
                }))
                continue;
            // The last word counts: writing after a close means the writer came back.
            nLast = pEvent->mask & (DONE | WRITING);
        }
    }
    if (nLast == 0)
        return;
    // A rename or a new link may lead elsewhere now.
    Follow();
    if (m_nInotify < 0) {
        emit Changed();
        return;
    }
    m_settle.start(nLast & DONE ? SETTLE_MS : QUIET_MS);
    if (!m_longest.isActive()) {
        m_longest.start(LONGEST_WAIT_MS);
        m_sinceFirst.start();
    }
    // Waiting: for a writer that keeps the file open, or for one that has gone on closing it
    // for longer than the settling wait. (The settle timer's remaining time cannot tell: a
    // coarse timer of 150 ms reports up to 157.)
    SetWaiting(!(nLast & DONE) || m_sinceFirst.elapsed() > SETTLE_MS);
}

void CFileWatch::Look() {
    m_settle.stop();
    m_longest.stop();
    SetWaiting(false);
    emit Changed();
}

void CFileWatch::SetWaiting(bool bWaiting) {
    if (std::exchange(m_bWaiting, bWaiting) != bWaiting)
        emit WaitingChanged();
}
