#include "data/PlotData.h"

#include "data/PointScan.h"
#include "data/TextLineReader.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>

namespace {

// The keyword table in the order the keywords are tried; the entry number is the line kind.
struct SKeyword {
    int nEntry;
    const char* pszText;
    std::size_t nLength;
};

constexpr int KEYWORD_HOLD = 6;
constexpr int KEYWORD_SUBTITLE = 5;
constexpr int KEYWORD_LEGEND = 4;
constexpr int KEYWORD_SET = 3;
constexpr int KEYWORD_GRAPH = 2;

constexpr SKeyword KEYWORDS[] = {
    {KEYWORD_HOLD, "--HOLD--", 8},
    {KEYWORD_SUBTITLE, "@subtitle ", 10},
    {KEYWORD_LEGEND, "@legend string ", 15},
    {KEYWORD_SET, "@S", 2},
    {KEYWORD_GRAPH, "@WITH G", 7},
    {1, "@ ", 2},
    {0, "@", 1},
};

// The first keyword, in table order, that the line begins with.
const SKeyword* FindKeyword(const char* pszLine) {
    for (const SKeyword& keyword : KEYWORDS) {
        if (std::strncmp(pszLine, keyword.pszText, keyword.nLength) == 0)
            return &keyword;
    }
    return nullptr;
}

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

void CPlotData::ReachSlot(int nSlot) {
    if (m_pFixed)
        return;
    const int nSet = m_nCurGraph * MAX_SETS + m_nCurSet;
    const auto nChunks = static_cast<std::size_t>(nSlot >> CHUNK_BITS) + 1;
    for (auto& chunks : m_chunks) {
        while (chunks[nSet].size() < nChunks) {
            auto* pChunk = static_cast<double*>(std::calloc(CHUNK_POINTS, sizeof(double)));
            if (!pChunk)
                throw std::bad_alloc();
            chunks[nSet].emplace_back(pChunk);
        }
    }
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
    for (int nAxis = 0; nAxis < 2; ++nAxis) {
        for (int nSet = 0; nSet < MAX_GRAPHS * MAX_SETS; ++nSet) {
            for (const auto& pChunk : other.m_chunks[nAxis][nSet]) {
                auto* pCopy = static_cast<double*>(std::malloc(CHUNK_POINTS * sizeof(double)));
                if (!pCopy)
                    throw std::bad_alloc();
                std::memcpy(pCopy, pChunk.get(), CHUNK_POINTS * sizeof(double));
                m_chunks[nAxis][nSet].emplace_back(pCopy);
            }
        }
    }
    std::memcpy(m_nPoints, other.m_nPoints, sizeof m_nPoints);
    std::memcpy(m_nSets, other.m_nSets, sizeof m_nSets);
    std::memcpy(m_dMaxY, other.m_dMaxY, sizeof m_dMaxY);
    m_nCurGraph = other.m_nCurGraph;
    m_nCurSet = other.m_nCurSet;
    m_nCount = other.m_nCount;
    m_nLine = other.m_nLine;
    m_nRunFirstLine = other.m_nRunFirstLine;
    m_nRunStored = other.m_nRunStored;
    m_bRunHasNumber = other.m_bRunHasNumber;
    m_bAnySet = other.m_bAnySet;
    m_bSetSinceEnd = other.m_bSetSinceEnd;
    m_runBeforeFirstSet = other.m_runBeforeFirstSet;
    m_runLineJumps = other.m_runLineJumps;
    m_nLastStoredLine = other.m_nLastStoredLine;
    std::memcpy(m_nPendingIssues, other.m_nPendingIssues, sizeof m_nPendingIssues);
    m_pendingIssues = other.m_pendingIssues;
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

void CPlotData::ParseStream(bool bContinue) {
    CTextLineReader reader(m_pStream, &m_report.digest);
    char* pLine = nullptr;
    std::size_t nRead = 0;
    char szLine[CTextLineReader::LINE_BUFFER_SIZE];
    if (!bContinue) {
        m_nCurGraph = 0;
        m_nCurSet = 0;
        m_nCount = 0;
        m_nLine = 0;
        m_bAnySet = false;
        m_bSetSinceEnd = false;
        m_runLineJumps.clear();
    }
    bool bLineStart = true;
    long long nLineLength = 0;
    long long nPieces = 0;
    while (reader.ReadLine(pLine, nRead)) {
        // The pieces of a long line share its line number.
        if (bLineStart) {
            ++m_nLine;
            nLineLength = 0;
            nPieces = 0;
        } else {
            ++nPieces;
        }
        nLineLength += static_cast<long long>(nRead);
        bLineStart = pLine[nRead - 1] == '\n';
        if (bLineStart && nPieces > 0)
            NoteLongLine(nLineLength - 1, nPieces);
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
        const SKeyword* pMatch = cFirst == '@' || cFirst == '-' ? FindKeyword(szLine) : nullptr;
        if (!pMatch)
            HandlePointLine(szLine);
        else if (std::strlen(szLine) != pMatch->nLength)
            HandleKeyword(pMatch->nEntry, szLine + pMatch->nLength);
    }
    if (reader.Failed()) {
        m_report.bReadFailed = true;
        m_report.nReadError = reader.Error();
    }
    if (!bLineStart && nPieces > 0)
        NoteLongLine(nLineLength, nPieces);
    m_report.nLines = m_nLine;
    m_report.bEndsWithLineFeed = bLineStart;
    FinishRun();
}

void CPlotData::NoteLongLine(long long nLength, long long nPieces) {
    if (m_report.nLongLines++ < static_cast<long long>(CReadReport::ISSUES_KEPT))
        m_report.longLines.push_back({m_nLine, nLength, nPieces});
}

void CPlotData::NoteData(int nGraph) {
    if (m_report.nFirstDataLine[nGraph] == 0)
        m_report.nFirstDataLine[nGraph] = m_nLine;
}

void CPlotData::HandleKeyword(int nEntry, const char* pszRest) {
    switch (nEntry) {
    case KEYWORD_GRAPH:
        m_nCurGraph = ReadInteger(pszRest);
        if (!InGraphRange(m_nCurGraph))
            m_report.graphsDropped.Add(m_nLine);
        break;
    case KEYWORD_SET:
        m_nCurSet = ReadInteger(pszRest);
        if (!InSetRange(m_nCurSet)) {
            m_report.setsDropped.Add(m_nLine);
        } else if (InGraphRange(m_nCurGraph)) {
            m_bAnySet = true;
            m_bSetSinceEnd = true;
            NoteData(m_nCurGraph);
            NoteOpenSet();
            if (m_nCurSet >= m_nSets[m_nCurGraph])
                m_nSets[m_nCurGraph] = m_nCurSet + 1;
        }
        break;
    case KEYWORD_LEGEND:
        if (InGraphRange(m_nCurGraph) && InSetRange(m_nCurSet)) {
            m_strLegend[m_nCurGraph * MAX_SETS + m_nCurSet] = GetQuotedText(pszRest);
            NoteData(m_nCurGraph);
            NoteOpenSet();
        } else {
            m_report.textsDropped.Add(m_nLine);
        }
        break;
    case KEYWORD_SUBTITLE:
        if (InGraphRange(m_nCurGraph)) {
            m_strSubtitle[m_nCurGraph] = GetQuotedText(pszRest);
            NoteData(m_nCurGraph);
        } else {
            m_report.textsDropped.Add(m_nLine);
        }
        break;
    default:
        break;
    }
}

bool CPlotData::PointFits() const {
    return InGraphRange(m_nCurGraph) && InSetRange(m_nCurSet) && m_nCount < m_nMaxPoints;
}

void CPlotData::SkipPointLine() {
    // Saturating: past two thousand million lines without "&" every slot is out of range
    // anyway, and a wrapped count would turn negative.
    if (m_nCount < INT_MAX)
        ++m_nCount;
    if (InGraphRange(m_nCurGraph) && InSetRange(m_nCurSet)) {
        m_report.pointsBeyondSet.Add(m_nLine);
        m_report.nLargestSet = std::max<long long>(m_report.nLargestSet, m_nCount);
    } else {
        m_report.pointsDropped.Add(m_nLine);
    }
}

void CPlotData::HandlePointLine(const char* pszLine) {
    if (!PointFits()) {
        SkipPointLine();
        return;
    }
    if (m_nRunStored++ == 0)
        m_nRunFirstLine = m_nLine;
    if (!m_bAnySet)
        m_runBeforeFirstSet.Add(m_nLine);
    NoteData(m_nCurGraph);
    const int nSlot = m_nCount++;
    if (m_runLineJumps.empty() || m_nLine != m_nLastStoredLine + 1)
        m_runLineJumps.push_back({nSlot, m_nLine});
    m_nLastStoredLine = m_nLine;
    ReachSlot(nSlot);
    const int nSet = m_nCurGraph * MAX_SETS + m_nCurSet;
    double& dX = CoordinateSlot(0, nSet, nSlot);
    double& dY = CoordinateSlot(1, nSet, nSlot);
    double dReadX = 0.0;
    double dReadY = 0.0;
    const char* pszAfter = nullptr;
    const int nValues = ScanPoint(pszLine, dReadX, dReadY, &pszAfter);
    if (nValues >= 1) {
        dX = dReadX;
        m_bRunHasNumber = true;
        NoteOpenSet();
        // The set "&" just ended takes the line over a point it counted.
        if (m_bAnySet && !m_bSetSinceEnd) {
            if (m_report.strayPoints.nCount == 0) {
                m_report.nStrayGraph = m_nCurGraph;
                m_report.nStraySet = m_nCurSet;
            }
            m_report.strayPoints.Add(m_nLine);
        }
    }
    if (nValues >= 2) {
        dY = dReadY;
        // A decimal comma or a unit glued to y ends the number early; a third column after
        // white space is ordinary.
        std::size_t nGlued = 0;
        while (pszAfter[nGlued] != '\0' && !IsCSpace(pszAfter[nGlued]))
            ++nGlued;
        if (nGlued > 0)
            NoteIssue(ELineIssue::TextAfterY, pszAfter, nGlued, false);
        if (!std::isfinite(dY))
            NoteIssue(ELineIssue::NonFiniteY, pszLine, 0, false);
    } else {
        std::size_t nText = strnlen(pszLine, SLineIssue::TEXT_KEPT);
        while (nText > 0 && (pszLine[nText - 1] == '\n' || pszLine[nText - 1] == '\r'))
            --nText;
        NoteIssue(ELineIssue::NoTwoNumbers, pszLine, nText, nValues < 0);
    }
    if (dY > m_dMaxY[m_nCurGraph])
        m_dMaxY[m_nCurGraph] = dY;
}

void CPlotData::NoteIssue(ELineIssue kind, const char* pszText, std::size_t nText, bool bBlank) {
    // Kept until "&" counts the line's set: a line that never counts does no harm.
    const int nKind = static_cast<int>(kind);
    if (m_nPendingIssues[m_nCurGraph][nKind]++ >= static_cast<long long>(CReadReport::ISSUES_KEPT))
        return;
    SLineIssue issue{m_nLine,
                     m_nCurGraph,
                     kind,
                     bBlank,
                     GetX(m_nCurGraph, m_nCurSet, m_nCount - 1),
                     GetY(m_nCurGraph, m_nCurSet, m_nCount - 1)};
    std::memcpy(issue.szText, pszText, std::min(nText, SLineIssue::TEXT_KEPT));
    m_pendingIssues.push_back(issue);
}

void CPlotData::NoteOpenSet() {
    if (m_report.nOpenSetLine[m_nCurGraph] == 0)
        m_report.nOpenSetLine[m_nCurGraph] = m_nLine;
}

void CPlotData::HandleSetTerminator() {
    if (InGraphRange(m_nCurGraph) && InSetRange(m_nCurSet)) {
        const int nCounted = m_nCount < m_nMaxPoints ? m_nCount : m_nMaxPoints;
        // Lines that went to no slot of this set count all the same: their slots hold 0.0.
        if (nCounted > 0)
            ReachSlot(nCounted - 1);
        if (const int nBefore = m_nPoints[m_nCurGraph][m_nCurSet]; nBefore > 0) {
            if (m_report.nRecounts++ < static_cast<long long>(CReadReport::ISSUES_KEPT))
                m_report.recounts.push_back({m_nLine, m_nCurGraph, m_nCurSet, nBefore, nCounted});
        }
        if (m_runBeforeFirstSet.nCount > 0) {
            if (m_report.pointsBeforeFirstSet.nCount == 0)
                m_report.nBeforeFirstSetGraph = m_nCurGraph;
            m_report.pointsBeforeFirstSet.nCount += m_runBeforeFirstSet.nCount;
            if (m_report.pointsBeforeFirstSet.nFirstLine == 0)
                m_report.pointsBeforeFirstSet.nFirstLine = m_runBeforeFirstSet.nFirstLine;
        }
        m_nPoints[m_nCurGraph][m_nCurSet] = nCounted;
        m_report.lineJumps[m_nCurGraph][m_nCurSet] = std::move(m_runLineJumps);
        m_report.nCountedFromLine[m_nCurGraph][m_nCurSet] = m_nRunStored ? m_nRunFirstLine : 0;
        for (int g = 0; g < MAX_GRAPHS; ++g) {
            for (int k = 0; k < LINE_ISSUE_KINDS; ++k)
                m_report.nIssues[g][k] += m_nPendingIssues[g][k];
        }
        for (const SLineIssue& issue : m_pendingIssues) {
            const auto nKept = std::count_if(
                m_report.issues.begin(), m_report.issues.end(), [&](const SLineIssue& kept) {
                    return kept.nGraph == issue.nGraph && kept.kind == issue.kind;
                });
            if (nKept < static_cast<std::ptrdiff_t>(CReadReport::ISSUES_KEPT))
                m_report.issues.push_back(issue);
        }
    }
    m_nCount = 0;
    m_nRunStored = 0;
    m_bRunHasNumber = false;
    m_bSetSinceEnd = false;
    m_runBeforeFirstSet = SLineTally();
    m_runLineJumps.clear();
    std::fill(&m_nPendingIssues[0][0], &m_nPendingIssues[0][0] + MAX_GRAPHS * LINE_ISSUE_KINDS, 0);
    m_pendingIssues.clear();
    std::fill(std::begin(m_report.nOpenSetLine), std::end(m_report.nOpenSetLine), 0);
}

void CPlotData::FinishRun() {
    // Points that no "&" ended stay in their slots but count for nothing. A run of blank
    // lines at the end carries no data and needs no word.
    m_report.unterminated = SLineTally();
    if (m_bRunHasNumber) {
        m_report.unterminated.nCount = m_nRunStored;
        m_report.unterminated.nFirstLine = m_nRunFirstLine;
        m_report.nUnterminatedGraph = m_nCurGraph;
        m_report.nUnterminatedSet = m_nCurSet;
    }
}
