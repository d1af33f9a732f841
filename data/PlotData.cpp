#include "data/PlotData.h"

#include "data/PartScan.h"
#include "data/TextLineReader.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iterator>
#include <mutex>
#include <new>
#include <thread>

namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// atoi as the C library reads it, except that a value beyond the range of int is held
// at the nearest end instead of being undefined.
int ReadInteger(const char* psz) {
    while (IsCSpace(*psz))
        ++psz;
    bool bNegative = *psz == '-';
    if (*psz == '-' || *psz == '+')
        ++psz;
    long long nValue = 0;
    constexpr long long nLimit = static_cast<long long>(INT_MAX) + 1;
    for (; *psz >= '0' && *psz <= '9'; ++psz) {
        if (nValue < nLimit)
            nValue = nValue * 10 + (*psz - '0');
    }
    if (bNegative)
        return nValue >= nLimit ? INT_MIN : static_cast<int>(-nValue);
    return nValue >= nLimit ? INT_MAX : static_cast<int>(nValue);
}

bool InGraphRange(int nGraph) {
    return nGraph >= 0 && nGraph < MAX_GRAPHS;
}
bool InSetRange(int nSet) {
    return nSet >= 0 && nSet < MAX_SETS;
}

// The one-pass read is quicker below this size: the parts' threads, logs and replay cost more
// than the second core gives back (bench/ReaderBench.cpp, BM_ReadInPartsFromSize).
constexpr long long PARTS_FROM_BYTES = 256 * 1024;
// A round of the read in parts takes this much of the input for each part, and cuts this many
// parts a core: large enough that waking the threads is lost in the scanning, small enough
// that the logs stay in the caches and that a core that was reading or replaying finds parts
// left to scan.
constexpr std::size_t PART_BYTES = 512 * 1024;
constexpr int PARTS_A_CORE = 2;
// A set beyond the fixed capacity starts with room for up to this many points, from calloc: the
// system's fresh pages, untouched until points come. A longer set doubles its room.
constexpr std::size_t FIRST_ROOM = 1 << 20;

// How many bytes remain from pStream's position to its end; -1 for a stream that cannot seek
// (a pipe, a terminal).
long long BytesLeft(FILE* pStream) {
    const long nHere = std::ftell(pStream);
    if (nHere < 0 || std::fseek(pStream, 0, SEEK_END) != 0)
        return -1;
    const long nEnd = std::ftell(pStream);
    if (std::fseek(pStream, nHere, SEEK_SET) != 0)
        return -1;
    return nEnd - nHere;
}

// Scans the parts of a round on every core: each free thread takes the next part, the reading
// thread too when it has read the next round and replayed the last, so that no core waits
// while parts are left.
class CPartScanners {
public:
    explicit CPartScanners(int nThreads) {
        for (int i = 1; i < nThreads; ++i)
            m_threads.emplace_back([this] { Work(); });
    }
    CPartScanners(const CPartScanners&) = delete;
    CPartScanners& operator=(const CPartScanners&) = delete;
    // Waits for the parts being scanned.
    ~CPartScanners() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_done.wait(lock, [this] { return m_nBusy == 0; });
        m_bStop = true;
        lock.unlock();
        m_wake.notify_all();
        for (std::thread& thread : m_threads)
            thread.join();
    }

    // Starts scan(i) for every part i of nParts.
    void Start(int nParts, std::function<void(int)> scan) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_scan = std::move(scan);
            m_nParts = nParts;
            m_nNext = 0;
            m_nBusy = nParts;
            m_pError = nullptr;
        }
        m_wake.notify_all();
    }
    // Scans parts here until none is left, then returns when the others are done, rethrowing
    // what one threw.
    void Wait() {
        std::unique_lock<std::mutex> lock(m_mutex);
        ScanWhileLeft(lock);
        m_done.wait(lock, [this] { return m_nBusy == 0; });
        if (m_pError)
            std::rethrow_exception(std::exchange(m_pError, nullptr));
    }

private:
    // Takes parts while some are left; called and returns with the lock held.
    void ScanWhileLeft(std::unique_lock<std::mutex>& lock) {
        while (m_nNext < m_nParts) {
            const int nPart = m_nNext++;
            lock.unlock();
            std::exception_ptr pError;
            try {
                m_scan(nPart);
            } catch (...) {
                pError = std::current_exception();
            }
            lock.lock();
            if (pError)
                m_pError = pError;
            if (--m_nBusy == 0)
                m_done.notify_all();
        }
    }
    void Work() {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_bStop || m_nNext < m_nParts; });
            if (m_bStop)
                return;
            ScanWhileLeft(lock);
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::function<void(int)> m_scan;
    int m_nParts = 0;
    int m_nNext = 0;
    int m_nBusy = 0;
    bool m_bStop = false;
    std::exception_ptr m_pError;
    std::vector<std::thread> m_threads;
};

} // namespace

CPlotData::CPlotData(int nMaxPoints)
    : m_nMaxPoints(nMaxPoints), m_nPoints{}, m_nSets{}, m_dMaxY{}, m_pStream(nullptr) {
    if (nMaxPoints == MAX_POINTS) {
        // x of every set, then y of every set, 800 KB in one block: calloc makes the doubles
        // 0.0 in fresh pages of the system that nothing touches until a read fills them,
        // where zeroing them in place would touch all.
        m_pFixed = static_cast<double*>(
            std::calloc(2 * MAX_GRAPHS * MAX_SETS * MAX_POINTS, sizeof(double)));
        if (!m_pFixed)
            throw std::bad_alloc();
    }
}

CPlotData::~CPlotData() {
    std::free(m_pFixed);
}

void CPlotData::Grow(std::shared_ptr<SBlock>& pBlock, std::size_t nDoubles, std::size_t nKept) {
    if (!pBlock) {
        pBlock = std::make_shared<SBlock>();
        pBlock->p = static_cast<double*>(std::calloc(nDoubles, sizeof(double)));
    } else if (pBlock.use_count() == 1) {
        pBlock->p = static_cast<double*>(std::realloc(pBlock->p, nDoubles * sizeof(double)));
    } else {
        auto pCopy = std::make_shared<SBlock>();
        pCopy->p = static_cast<double*>(std::malloc(nDoubles * sizeof(double)));
        if (pCopy->p)
            std::memcpy(pCopy->p, pBlock->p, nKept * sizeof(double));
        pBlock = std::move(pCopy);
    }
    if (!pBlock->p)
        throw std::bad_alloc();
    pBlock->nDoubles = nDoubles;
}

void CPlotData::ReachSlot(int nSlot) {
    if (m_pFixed)
        return;
    SGrownSet& set = m_grown[m_state.nCurGraph * MAX_SETS + m_state.nCurSet];
    const auto nNeeded = static_cast<std::size_t>(nSlot) + 1;
    if (!set.pX) {
        const std::size_t nRoom =
            std::max(nNeeded, std::min(FIRST_ROOM, static_cast<std::size_t>(m_nMaxPoints)));
        Grow(set.pX, nRoom, 0);
        Grow(set.pPairs, 2 * nRoom, 0);
        set.nZeroed = nRoom;
    } else if (nNeeded > set.pX->nDoubles) {
        const std::size_t nRoom = std::min(std::max(nNeeded, 2 * set.pX->nDoubles),
                                           static_cast<std::size_t>(m_nMaxPoints));
        Grow(set.pX, nRoom, set.nReached);
        Grow(set.pPairs, 2 * nRoom, 2 * set.nReached);
        set.nZeroed = std::min(set.nZeroed, static_cast<std::size_t>(set.nReached));
    }
    // What calloc did not zero is zeroed as it is reached.
    if (nNeeded > set.nZeroed) {
        std::fill(set.pX->p + set.nZeroed, set.pX->p + nNeeded, 0.0);
        std::fill(set.pPairs->p + 2 * set.nZeroed, set.pPairs->p + 2 * nNeeded, 0.0);
        set.nZeroed = nNeeded;
    }
    set.nReached = std::max(set.nReached, nSlot + 1);
}

std::shared_ptr<double> CPlotData::SharedPairs(int nGraph, int nSet) const {
    const SGrownSet& set = m_grown[nGraph * MAX_SETS + nSet];
    if (m_pFixed || !set.pPairs)
        return nullptr;
    return std::shared_ptr<double>(set.pPairs, set.pPairs->p);
}

long long CPlotData::GetLine(int nGraph, int nSet, int nPoint) const {
    const std::vector<SLineJump>& jumps = m_report.lineJumps[nGraph][nSet];
    const auto after =
        std::upper_bound(jumps.begin(), jumps.end(), nPoint,
                         [](int n, const SLineJump& jump) { return n < jump.nSlot; });
    return after == jumps.begin() ? 0
                                  : std::prev(after)->nLine + (nPoint - std::prev(after)->nSlot);
}

std::string CPlotData::GetSubtitle(int nGraph) const {
    return InGraphRange(nGraph) ? m_strSubtitle[nGraph] : std::string();
}

std::string CPlotData::GetLegend(int nGraph, int nSet) const {
    return InGraphRange(nGraph) && InSetRange(nSet) ? m_strLegend[nGraph * MAX_SETS + nSet]
                                                    : std::string();
}

CPlotData::CPlotData(const CPlotData& other) : CPlotData(other.m_nMaxPoints) {
    std::copy(std::begin(other.m_strSubtitle), std::end(other.m_strSubtitle), m_strSubtitle);
    std::copy(std::begin(other.m_strLegend), std::end(other.m_strLegend), m_strLegend);
    if (m_pFixed)
        std::memcpy(m_pFixed, other.m_pFixed,
                    2 * MAX_GRAPHS * MAX_SETS * MAX_POINTS * sizeof(double));
    for (int nSet = 0; nSet < MAX_GRAPHS * MAX_SETS; ++nSet) {
        const SGrownSet& from = other.m_grown[nSet];
        if (from.nReached == 0)
            continue;
        const auto nReached = static_cast<std::size_t>(from.nReached);
        SGrownSet& to = m_grown[nSet];
        to.pX = from.pX;
        to.pPairs = from.pPairs;
        Grow(to.pX, nReached, nReached);
        Grow(to.pPairs, 2 * nReached, 2 * nReached);
        to.nReached = from.nReached;
        to.nZeroed = nReached;
    }
    std::memcpy(m_nPoints, other.m_nPoints, sizeof m_nPoints);
    std::memcpy(m_nSets, other.m_nSets, sizeof m_nSets);
    std::memcpy(m_dMaxY, other.m_dMaxY, sizeof m_dMaxY);
    m_state = other.m_state;
    m_report = other.m_report;
}

void CPlotData::ReadFromFile(const std::string& strPath,
                             const std::function<void(std::FILE*)>& whenRead) {
    m_pStream = std::fopen(strPath.c_str(), "r");
    if (!m_pStream) {
        m_report.bOpenFailed = true;
        m_report.nOpenError = errno;
        return;
    }
    ParseStream();
    if (whenRead)
        whenRead(m_pStream);
    std::fclose(m_pStream);
    m_pStream = nullptr;
}

void CPlotData::ContinueFromStream(FILE* pStream) {
    m_pStream = pStream;
    ParseStream(true);
    m_pStream = nullptr;
}

void CPlotData::ReadFromStdin() {
    ReadFromStream(stdin);
}

void CPlotData::ReadFromStream(FILE* pStream) {
    m_pStream = pStream;
    ParseStream();
    m_pStream = nullptr;
}

std::string CPlotData::GetQuotedText(const char* pszRest) {
    const char* pszOpen = std::strchr(pszRest, '"');
    if (!pszOpen)
        return std::string();
    const char* pszClose = std::strchr(pszOpen + 1, '"');
    if (!pszClose)
        return std::string(pszOpen + 1);
    return std::string(pszOpen + 1, pszClose);
}

void CPlotData::StartRead(bool bContinue) {
    if (!bContinue)
        m_state = SReadState();
    // A read, continued or not, starts at the start of a line.
    m_state.bLineStart = true;
    m_state.nLineLength = 0;
    m_state.nPieces = 0;
}

void CPlotData::StartPiece(std::size_t nRead, bool bEndsLine) {
    if (m_state.bLineStart) {
        ++m_state.nLine;
        m_state.nLineLength = 0;
        m_state.nPieces = 0;
    } else {
        ++m_state.nPieces;
    }
    m_state.nLineLength += static_cast<long long>(nRead);
    m_state.bLineStart = bEndsLine;
    if (bEndsLine && m_state.nPieces > 0)
        NoteLongLine(m_state.nLineLength - 1, m_state.nPieces);
}

void CPlotData::FinishRead() {
    if (!m_state.bLineStart && m_state.nPieces > 0)
        NoteLongLine(m_state.nLineLength, m_state.nPieces);
    m_report.nLines = m_state.nLine;
    m_report.bEndsWithLineFeed = m_state.bLineStart;
    FinishRun();
}

void CPlotData::ParseStream(bool bContinue) {
    // Both cores pay only for a large file; a pipe is read as it comes.
    const unsigned nCores = std::thread::hardware_concurrency();
    if (nCores > 1 && BytesLeft(m_pStream) >= PARTS_FROM_BYTES) {
        ReadParts(static_cast<int>(nCores), PARTS_A_CORE * static_cast<int>(nCores), PART_BYTES,
                  bContinue);
        return;
    }
    StartRead(bContinue);
    ReadRestInOnePass();
    FinishRead();
}

void CPlotData::ReadRestInOnePass() {
    CTextLineReader reader(m_pStream, &m_report.digest);
    char* pLine = nullptr;
    std::size_t nRead = 0;
    char szLine[CTextLineReader::LINE_BUFFER_SIZE];
    while (reader.ReadLine(pLine, nRead)) {
        StartPiece(nRead, pLine[nRead - 1] == '\n');
        // Keywords start with '@' or '-', a set terminator with '&'; everything else is a
        // point line, and one that the store has no slot for needs no further look.
        const char cFirst = pLine[0];
        if (cFirst == '&') {
            HandleSetTerminator();
            continue;
        }
        if (cFirst != '@' && cFirst != '-' && !PointFits()) {
            SkipPointLine();
            continue;
        }
        // Most lines are points that end in a line feed: read where they lie, the line feed
        // (white space, which ends a number as a NUL does) made the end of the C string.
        if (cFirst != '@' && cFirst != '-' && pLine[nRead - 1] == '\n') {
            pLine[nRead - 1] = '\0';
            HandlePointLine(pLine);
            continue;
        }
        // From here the line is a C string: a NUL byte ends what it says, as for strncmp.
        std::memcpy(szLine, pLine, nRead);
        szLine[nRead] = '\0';
        SKeywordMatch match;
        if ((cFirst != '@' && cFirst != '-') || !FindKeyword(szLine, match))
            HandlePointLine(szLine);
        else if (std::strlen(szLine) != match.nLength)
            HandleKeyword(match.nEntry, szLine + match.nLength);
    }
    if (reader.Failed()) {
        m_report.bReadFailed = true;
        m_report.nReadError = reader.Error();
    }
}

void CPlotData::ReadInParts(FILE* pStream, int nThreads, int nParts, std::size_t nPartBytes,
                            bool bContinue) {
    m_pStream = pStream;
    ReadParts(nThreads, nParts, nPartBytes, bContinue);
    m_pStream = nullptr;
}

void CPlotData::FillRound(SRound& round, const SRound* pLast, std::size_t nRoundBytes) {
    // What the last round left (a line its end cut short) comes first.
    round.nSize = pLast ? pLast->nSize - pLast->nUsable : 0;
    round.text.resize(round.nSize + nRoundBytes + 1);
    if (pLast) {
        std::memcpy(round.text.data(), pLast->text.data() + pLast->nUsable, round.nSize);
        round.nOffset = pLast->nOffset + static_cast<long long>(pLast->nUsable);
        round.bStartsLine = pLast->bNextStartsLine;
    } else {
        round.nOffset = m_report.digest.End();
        round.bStartsLine = true;
    }
    for (;;) {
        round.text.resize(round.nSize + nRoundBytes + 1);
        errno = 0;
        const std::size_t nGot =
            std::fread(round.text.data() + round.nSize, 1, nRoundBytes, m_pStream);
        if (nGot < nRoundBytes && std::ferror(m_pStream)) {
            m_report.bReadFailed = true;
            m_report.nReadError = errno;
        }
        round.bEnd = nGot < nRoundBytes;
        round.nSize += nGot;
        round.text[round.nSize] = '\0';
        // The round ends after its last line feed; a longer line at a piece boundary the
        // line reader would cut at too, one that the next byte cannot move. A line too long
        // for either reads on.
        round.nUsable = round.nSize;
        if (round.bEnd)
            break;
        while (round.nUsable > 0 && round.text[round.nUsable - 1] != '\n')
            --round.nUsable;
        if (round.nUsable == 0)
            round.nUsable = (round.nSize - 1) / (CTextLineReader::LINE_BUFFER_SIZE - 1) *
                            (CTextLineReader::LINE_BUFFER_SIZE - 1);
        if (round.nUsable > 0)
            break;
    }
    round.bNextStartsLine = round.nUsable == 0 || round.text[round.nUsable - 1] == '\n';
    // Parts of about equal size, each after a line feed.
    std::vector<std::size_t>& bounds = round.bounds;
    const std::size_t nParts = bounds.size() - 1;
    for (std::size_t i = 1; i < nParts; ++i) {
        const std::size_t nFrom = std::max(bounds[i - 1], i * round.nUsable / nParts);
        const auto pUsable = round.text.begin() + static_cast<std::ptrdiff_t>(round.nUsable);
        const auto pNewline =
            std::find(round.text.begin() + static_cast<std::ptrdiff_t>(nFrom), pUsable, '\n');
        bounds[i] =
            static_cast<std::size_t>(pNewline - round.text.begin()) + (pNewline == pUsable ? 0 : 1);
    }
    bounds.back() = round.nUsable;
}

void CPlotData::ReadParts(int nThreads, int nParts, std::size_t nPartBytes, bool bContinue) {
    StartRead(bContinue);
    const std::size_t nRoundBytes = static_cast<std::size_t>(nParts) * nPartBytes;
    // Two rounds in turn: while the parts of one are scanned, the next is read and the last
    // replayed.
    SRound rounds[2];
    for (SRound& round : rounds) {
        round.bounds.assign(static_cast<std::size_t>(nParts) + 1, 0);
        round.logs.resize(static_cast<std::size_t>(nParts));
    }
    CPartScanners scanners(nThreads);
    const auto scan = [&scanners, nParts](SRound& round) {
        scanners.Start(nParts, [&round](int nPart) {
            const auto n = static_cast<std::size_t>(nPart);
            ScanPart(round.text.data() + round.bounds[n], round.text.data() + round.bounds[n + 1],
                     round.nOffset + static_cast<long long>(round.bounds[n]),
                     n == 0 ? round.bStartsLine : true, round.logs[n]);
        });
    };
    SRound* pScanned = &rounds[0];
    SRound* pNext = &rounds[1];
    FillRound(*pScanned, nullptr, nRoundBytes);
    scan(*pScanned);
    for (bool bSkipping = false;;) {
        const bool bMore = !pScanned->bEnd && !bSkipping;
        if (bMore)
            FillRound(*pNext, pScanned, nRoundBytes);
        scanners.Wait();
        if (bMore)
            scan(*pNext);
        const long long nSkippedBefore =
            m_report.pointsBeyondSet.nCount + m_report.pointsDropped.nCount;
        long long nPlain = 0;
        for (const SPartLog& log : pScanned->logs) {
            ReplayPart(log);
            nPlain += static_cast<long long>(log.x.size());
        }
        // Lines that go to no slot are skipped faster than scanned: once a round's all went
        // there, the rest is read in one pass (the round being scanned replayed first).
        bSkipping =
            bSkipping || (nPlain > 0 && m_report.pointsBeyondSet.nCount +
                                                m_report.pointsDropped.nCount - nSkippedBefore >=
                                            nPlain);
        if (!bMore) {
            if (bSkipping && !pScanned->bEnd) {
                // The bytes held beyond the usable ones are read again, as a stream.
                std::fseek(m_pStream, -static_cast<long>(pScanned->nSize - pScanned->nUsable),
                           SEEK_CUR);
                ReadRestInOnePass();
            }
            break;
        }
        std::swap(pScanned, pNext);
    }
    FinishRead();
}

void CPlotData::ReplayPart(const SPartLog& log) {
    m_report.digest.Append(log.digest);
    std::size_t nPlain = 0;
    for (const SPartLog::SPiece& piece : log.pieces) {
        TakePlainLines(log.x.data() + nPlain, log.y.data() + nPlain, piece.nPlainBefore);
        nPlain += piece.nPlainBefore;
        StartPiece(piece.nRead, piece.bEndsLine);
        const char* pszText = log.texts.data() + piece.nText;
        switch (piece.kind) {
        case SPartLog::EKind::Terminator:
            HandleSetTerminator();
            break;
        case SPartLog::EKind::Point:
            if (PointFits())
                StorePoint(pszText, piece.scan);
            else
                SkipPointLine();
            break;
        case SPartLog::EKind::Keyword:
            HandleKeyword(piece.keyword.nEntry, pszText + piece.keyword.nLength);
            break;
        case SPartLog::EKind::Nothing:
            break;
        }
    }
    TakePlainLines(log.x.data() + nPlain, log.y.data() + nPlain, log.nPlainAfter);
}

void CPlotData::TakePlainLines(const double* pX, const double* pY, std::size_t nLines) {
    SReadState& s = m_state;
    while (nLines > 0) {
        const long long nLine = s.nLine + 1;
        if (!PointFits()) {
            // The rest goes to no slot: counted as SkipPointLine counts each.
            const auto nSkipped = static_cast<long long>(nLines);
            s.nCount = static_cast<int>(std::min<long long>(INT_MAX, s.nCount + nSkipped));
            SLineTally& tally = InGraphRange(s.nCurGraph) && InSetRange(s.nCurSet)
                                    ? m_report.pointsBeyondSet
                                    : m_report.pointsDropped;
            if (tally.nCount == 0)
                tally.nFirstLine = nLine;
            tally.nCount += nSkipped;
            if (&tally == &m_report.pointsBeyondSet)
                m_report.nLargestSet = std::max<long long>(m_report.nLargestSet, s.nCount);
            s.nLine += nSkipped;
            return;
        }
        const std::size_t nTaken =
            std::min(nLines, static_cast<std::size_t>(m_nMaxPoints - s.nCount));
        const auto nTakenLines = static_cast<long long>(nTaken);
        // What the first line notes, the others find noted.
        s.nLine = nLine;
        if (s.nRunStored == 0)
            s.nRunFirstLine = nLine;
        s.nRunStored += nTakenLines;
        if (!s.bAnySet) {
            if (s.runBeforeFirstSet.nCount == 0)
                s.runBeforeFirstSet.nFirstLine = nLine;
            s.runBeforeFirstSet.nCount += nTakenLines;
        }
        NoteData(s.nCurGraph);
        NoteOpenSet();
        s.bRunHasNumber = true;
        if (s.bAnySet && !s.bSetSinceEnd) {
            if (m_report.strayPoints.nCount == 0) {
                m_report.nStrayGraph = s.nCurGraph;
                m_report.nStraySet = s.nCurSet;
                m_report.strayPoints.nFirstLine = nLine;
            }
            m_report.strayPoints.nCount += nTakenLines;
        }
        const int nFirstSlot = s.nCount;
        s.nCount += static_cast<int>(nTaken);
        if (s.runLineJumps.empty() || nLine != s.nLastStoredLine + 1)
            s.runLineJumps.push_back({nFirstSlot, nLine});
        s.nLastStoredLine = nLine + nTakenLines - 1;
        s.nLine = s.nLastStoredLine;
        const int nSet = s.nCurGraph * MAX_SETS + s.nCurSet;
        ReachSlot(s.nCount - 1);
        double& dMaxY = m_dMaxY[s.nCurGraph];
        for (std::size_t i = 0; i < nTaken; ++i) {
            CoordinateSlot(0, nSet, nFirstSlot + static_cast<int>(i)) = pX[i];
            CoordinateSlot(1, nSet, nFirstSlot + static_cast<int>(i)) = pY[i];
            if (pY[i] > dMaxY)
                dMaxY = pY[i];
        }
        pX += nTaken;
        pY += nTaken;
        nLines -= nTaken;
    }
}

void CPlotData::NoteLongLine(long long nLength, long long nPieces) {
    if (m_report.nLongLines++ < static_cast<long long>(CReadReport::ISSUES_KEPT))
        m_report.longLines.push_back({m_state.nLine, nLength, nPieces});
}

void CPlotData::NoteData(int nGraph) {
    if (m_report.nFirstDataLine[nGraph] == 0)
        m_report.nFirstDataLine[nGraph] = m_state.nLine;
}

void CPlotData::HandleKeyword(int nEntry, const char* pszRest) {
    SReadState& s = m_state;
    switch (nEntry) {
    case KEYWORD_GRAPH:
        s.nCurGraph = ReadInteger(pszRest);
        if (!InGraphRange(s.nCurGraph))
            m_report.graphsDropped.Add(s.nLine);
        break;
    case KEYWORD_SET:
        s.nCurSet = ReadInteger(pszRest);
        if (!InSetRange(s.nCurSet)) {
            m_report.setsDropped.Add(s.nLine);
        } else if (InGraphRange(s.nCurGraph)) {
            s.bAnySet = true;
            s.bSetSinceEnd = true;
            NoteData(s.nCurGraph);
            NoteOpenSet();
            if (s.nCurSet >= m_nSets[s.nCurGraph])
                m_nSets[s.nCurGraph] = s.nCurSet + 1;
        }
        break;
    case KEYWORD_LEGEND:
        if (InGraphRange(s.nCurGraph) && InSetRange(s.nCurSet)) {
            m_strLegend[s.nCurGraph * MAX_SETS + s.nCurSet] = GetQuotedText(pszRest);
            NoteData(s.nCurGraph);
            NoteOpenSet();
        } else {
            m_report.textsDropped.Add(s.nLine);
        }
        break;
    case KEYWORD_SUBTITLE:
        if (InGraphRange(s.nCurGraph)) {
            m_strSubtitle[s.nCurGraph] = GetQuotedText(pszRest);
            NoteData(s.nCurGraph);
        } else {
            m_report.textsDropped.Add(s.nLine);
        }
        break;
    default:
        break;
    }
}

bool CPlotData::PointFits() const {
    return InGraphRange(m_state.nCurGraph) && InSetRange(m_state.nCurSet) &&
           m_state.nCount < m_nMaxPoints;
}

void CPlotData::SkipPointLine() {
    SReadState& s = m_state;
    // Saturating: past two thousand million lines without "&" every slot is out of range
    // anyway, and a wrapped count would turn negative.
    if (s.nCount < INT_MAX)
        ++s.nCount;
    if (InGraphRange(s.nCurGraph) && InSetRange(s.nCurSet)) {
        m_report.pointsBeyondSet.Add(s.nLine);
        m_report.nLargestSet = std::max<long long>(m_report.nLargestSet, s.nCount);
    } else {
        m_report.pointsDropped.Add(s.nLine);
    }
}

void CPlotData::HandlePointLine(const char* pszLine) {
    if (!PointFits()) {
        SkipPointLine();
        return;
    }
    StorePoint(pszLine, ScanPointLine(pszLine));
}

void CPlotData::StorePoint(const char* pszLine, const SPointScan& scan) {
    SReadState& s = m_state;
    if (s.nRunStored++ == 0)
        s.nRunFirstLine = s.nLine;
    if (!s.bAnySet)
        s.runBeforeFirstSet.Add(s.nLine);
    NoteData(s.nCurGraph);
    const int nSlot = s.nCount++;
    if (s.runLineJumps.empty() || s.nLine != s.nLastStoredLine + 1)
        s.runLineJumps.push_back({nSlot, s.nLine});
    s.nLastStoredLine = s.nLine;
    ReachSlot(nSlot);
    const int nSet = s.nCurGraph * MAX_SETS + s.nCurSet;
    double& dX = CoordinateSlot(0, nSet, nSlot);
    double& dY = CoordinateSlot(1, nSet, nSlot);
    if (scan.nValues >= 1) {
        dX = scan.dX;
        s.bRunHasNumber = true;
        NoteOpenSet();
        // The set "&" just ended takes the line over a point it counted.
        if (s.bAnySet && !s.bSetSinceEnd) {
            if (m_report.strayPoints.nCount == 0) {
                m_report.nStrayGraph = s.nCurGraph;
                m_report.nStraySet = s.nCurSet;
            }
            m_report.strayPoints.Add(s.nLine);
        }
    }
    if (scan.nValues >= 2) {
        dY = scan.dY;
        if (scan.nGlued > 0)
            NoteIssue(ELineIssue::TextAfterY, pszLine + scan.nAfter, scan.nGlued, false);
        if (!std::isfinite(dY))
            NoteIssue(ELineIssue::NonFiniteY, pszLine, 0, false);
    } else {
        std::size_t nText = strnlen(pszLine, SLineIssue::TEXT_KEPT);
        while (nText > 0 && (pszLine[nText - 1] == '\n' || pszLine[nText - 1] == '\r'))
            --nText;
        NoteIssue(ELineIssue::NoTwoNumbers, pszLine, nText, scan.nValues < 0);
    }
    if (dY > m_dMaxY[s.nCurGraph])
        m_dMaxY[s.nCurGraph] = dY;
}

void CPlotData::NoteIssue(ELineIssue kind, const char* pszText, std::size_t nText, bool bBlank) {
    SReadState& s = m_state;
    // Kept until "&" counts the line's set: a line that never counts does no harm.
    const int nKind = static_cast<int>(kind);
    if (s.nPendingIssues[s.nCurGraph][nKind]++ >= static_cast<long long>(CReadReport::ISSUES_KEPT))
        return;
    SLineIssue issue{s.nLine,
                     s.nCurGraph,
                     kind,
                     bBlank,
                     GetX(s.nCurGraph, s.nCurSet, s.nCount - 1),
                     GetY(s.nCurGraph, s.nCurSet, s.nCount - 1)};
    std::memcpy(issue.szText, pszText, std::min(nText, SLineIssue::TEXT_KEPT));
    s.pendingIssues.push_back(issue);
}

void CPlotData::NoteOpenSet() {
    if (m_report.nOpenSetLine[m_state.nCurGraph] == 0)
        m_report.nOpenSetLine[m_state.nCurGraph] = m_state.nLine;
}

void CPlotData::HandleSetTerminator() {
    SReadState& s = m_state;
    if (InGraphRange(s.nCurGraph) && InSetRange(s.nCurSet)) {
        const int nCounted = s.nCount < m_nMaxPoints ? s.nCount : m_nMaxPoints;
        // Lines that went to no slot of this set count all the same: their slots hold 0.0.
        if (nCounted > 0)
            ReachSlot(nCounted - 1);
        if (const int nBefore = m_nPoints[s.nCurGraph][s.nCurSet]; nBefore > 0) {
            if (m_report.nRecounts++ < static_cast<long long>(CReadReport::ISSUES_KEPT))
                m_report.recounts.push_back({s.nLine, s.nCurGraph, s.nCurSet, nBefore, nCounted});
        }
        if (s.runBeforeFirstSet.nCount > 0) {
            if (m_report.pointsBeforeFirstSet.nCount == 0)
                m_report.nBeforeFirstSetGraph = s.nCurGraph;
            m_report.pointsBeforeFirstSet.nCount += s.runBeforeFirstSet.nCount;
            if (m_report.pointsBeforeFirstSet.nFirstLine == 0)
                m_report.pointsBeforeFirstSet.nFirstLine = s.runBeforeFirstSet.nFirstLine;
        }
        m_nPoints[s.nCurGraph][s.nCurSet] = nCounted;
        m_report.lineJumps[s.nCurGraph][s.nCurSet] = std::move(s.runLineJumps);
        m_report.nCountedFromLine[s.nCurGraph][s.nCurSet] = s.nRunStored ? s.nRunFirstLine : 0;
        for (int g = 0; g < MAX_GRAPHS; ++g) {
            for (int k = 0; k < LINE_ISSUE_KINDS; ++k)
                m_report.nIssues[g][k] += s.nPendingIssues[g][k];
        }
        for (const SLineIssue& issue : s.pendingIssues) {
            const auto nKept = std::count_if(
                m_report.issues.begin(), m_report.issues.end(), [&](const SLineIssue& kept) {
                    return kept.nGraph == issue.nGraph && kept.kind == issue.kind;
                });
            if (nKept < static_cast<std::ptrdiff_t>(CReadReport::ISSUES_KEPT))
                m_report.issues.push_back(issue);
        }
    }
    s.nCount = 0;
    s.nRunStored = 0;
    s.bRunHasNumber = false;
    s.bSetSinceEnd = false;
    s.runBeforeFirstSet = SLineTally();
    s.runLineJumps.clear();
    std::fill(&s.nPendingIssues[0][0], &s.nPendingIssues[0][0] + MAX_GRAPHS * LINE_ISSUE_KINDS, 0);
    s.pendingIssues.clear();
    std::fill(std::begin(m_report.nOpenSetLine), std::end(m_report.nOpenSetLine), 0);
}

void CPlotData::FinishRun() {
    // Points that no "&" ended stay in their slots but count for nothing. A run of blank
    // lines at the end carries no data and needs no word.
    m_report.unterminated = SLineTally();
    m_report.nUnterminatedGraph = 0;
    m_report.nUnterminatedSet = 0;
    if (m_state.bRunHasNumber) {
        m_report.unterminated.nCount = m_state.nRunStored;
        m_report.unterminated.nFirstLine = m_state.nRunFirstLine;
        m_report.nUnterminatedGraph = m_state.nCurGraph;
        m_report.nUnterminatedSet = m_state.nCurSet;
    }
}
