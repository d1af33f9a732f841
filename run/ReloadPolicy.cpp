#include "run/ReloadPolicy.h"

#include "data/ReadReport.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// The digest of the bytes nFrom to nTo of the open file nFile, or of fewer when it ends
// before them. Large reads at explicit places: the file's position stays, and a file cut short
// while it is read gives a short digest where a mapping would give a bus error.
CByteDigest DigestOfRange(int nFile, long long nFrom, long long nTo) {
    std::vector<char> buffer(std::size_t{256} << 10);
    CByteDigest digest(nFrom);
    while (digest.End() < nTo) {
        const auto nWant = static_cast<std::size_t>(
            std::min<long long>(static_cast<long long>(buffer.size()), nTo - digest.End()));
        const ssize_t nRead = ::pread(nFile, buffer.data(), nWant, digest.End());
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead <= 0)
            break;
        digest.Add(buffer.data(), static_cast<std::size_t>(nRead));
    }
    return digest;
}

// The digest of the first nBytes of nFile, its parts read by as many threads as there are
// cores: what memory gives one core is the limit, not the digest.
CByteDigest DigestOfFile(int nFile, long long nBytes) {
    constexpr long long LEAST_PART = 1 << 20;
    const auto nParts = static_cast<int>(std::clamp<long long>(
        std::min<long long>(std::thread::hardware_concurrency(), nBytes / LEAST_PART), 1, 4));
    std::vector<CByteDigest> parts(static_cast<std::size_t>(nParts));
    const auto digestPart = [&](int i) {
        parts[static_cast<std::size_t>(i)] =
            DigestOfRange(nFile, nBytes * i / nParts, nBytes * (i + 1) / nParts);
    };
    std::vector<std::thread> threads;
    for (int i = 1; i < nParts; ++i)
        threads.emplace_back(digestPart, i);
    digestPart(0);
    for (std::thread& thread : threads)
        thread.join();
    // A part cut short by a file cut short joins nothing more: the whole comes out short.
    CByteDigest whole = parts[0];
    for (std::size_t i = 1; i < parts.size(); ++i)
        whole.Append(parts[i]);
    return whole;
}

} // namespace

void CReloadPolicy::Mark(int nFile, const CReadReport& report) {
    struct stat status {};
    // A read that stopped inside a line cannot be read on: the line's start is behind it.
    m_bMarked = !report.bOpenFailed && !report.bReadFailed && report.bEndsWithLineFeed &&
                ::fstat(nFile, &status) == 0;
    m_device = status.st_dev;
    m_inode = status.st_ino;
    m_read = report.digest;
}

CReloadPolicy::ERead CReloadPolicy::HowToRead(int nFile) const {
    struct stat status {};
    if (!m_bMarked || ::fstat(nFile, &status) != 0 || status.st_dev != m_device ||
        status.st_ino != m_inode || status.st_size < m_read.End() ||
        !(DigestOfFile(nFile, m_read.End()) == m_read))
        return ERead::Rewritten;
    return status.st_size == m_read.End() ? ERead::Unchanged : ERead::Grown;
}

CReloadPolicy::EVerdict CReloadPolicy::Judge(long long nPoints, bool bOpenSet) {
    // A set caught half way would show as a legend without its line.
    if (bOpenSet)
        return EVerdict::Hold;
    if (nPoints >= m_nShownPoints)
        return EVerdict::Show;
    // Fewer points than before may be a file caught while it is written anew.
    return std::exchange(m_nFewerPoints, nPoints) == nPoints ? EVerdict::ShowFewer
                                                             : EVerdict::SecondLook;
}

void CReloadPolicy::Shown(long long nPoints) {
    m_nShownPoints = nPoints;
    m_nFewerPoints = -1;
}
