#include "run/FileWatch.h"

#include <QFile>
#include <QFileInfo>

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
    const QFileInfo file(m_strPath);
    m_name = QFile::encodeName(file.fileName());
    m_nInotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_nInotify < 0) {
        Poll("inotify_init1");
        return;
    }
    m_nWatch = inotify_add_watch(m_nInotify, QFile::encodeName(file.absolutePath()).constData(),
                                 DONE | WRITING);
    if (m_nWatch < 0) {
        Poll("inotify_add_watch");
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
    QString strTarget = m_strPath;
    for (int i = 0; i < MAX_LINKS && QFileInfo(strTarget).isSymLink(); ++i)
        strTarget = QFileInfo(strTarget).symLinkTarget();
    if (strTarget == m_strTarget)
        return;
    const QFileInfo target(strTarget);
    // The folder of the name itself may be the target's too: the system then gives its watch.
    const int nWatch = inotify_add_watch(
        m_nInotify, QFile::encodeName(target.absolutePath()).constData(), DONE | WRITING);
    if (nWatch < 0) {
        Poll("inotify_add_watch");
        return;
    }
    if (m_nTargetWatch >= 0 && m_nTargetWatch != m_nWatch && m_nTargetWatch != nWatch)
        inotify_rm_watch(m_nInotify, m_nTargetWatch);
    m_nTargetWatch = nWatch;
    m_strTarget = strTarget;
    m_targetName = QFile::encodeName(target.fileName());
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
            const auto named = [pEvent](int nWatch, const QByteArray& name) {
                return pEvent->wd == nWatch && std::strcmp(pEvent->name, name.constData()) == 0;
            };
            if (pEvent->len == 0 ||
                (!named(m_nWatch, m_name) && !named(m_nTargetWatch, m_targetName)))
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
    SetWaiting(m_settle.remainingTime() > SETTLE_MS || m_sinceFirst.elapsed() > SETTLE_MS);
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
