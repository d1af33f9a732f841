#include "data/PlotData.h"

#include "data/PointScan.h"
#include "data/TextLineReader.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
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

// x of every graph, then y of every graph, in one block; calloc creates the doubles with the
// value 0.0.
CPlotData::SetPoints* CPlotData::ZeroedCoordinates() {
    void* pMemory = std::calloc(2 * MAX_GRAPHS, sizeof(SetPoints));
    if (!pMemory)
        throw std::bad_alloc();
    return static_cast<SetPoints*>(pMemory);
}

CPlotData::CPlotData()
    : m_dX(ZeroedCoordinates()), m_dY(m_dX + MAX_GRAPHS), m_nPoints{}, m_nSets{}, m_dMaxY{},
      m_pStream(nullptr) {}

CPlotData::~CPlotData() {
    std::free(m_dX);
}

std::string CPlotData::GetSubtitle(int nGraph) const {
    return InGraphRange(nGraph) ? m_strSubtitle[nGraph] : std::string();
}

std::string CPlotData::GetLegend(int nGraph, int nSet) const {
    return InGraphRange(nGraph) && InSetRange(nSet) ? m_strLegend[nGraph * MAX_SETS + nSet]
                                                    : std::string();
}

void CPlotData::ReadFromFile(std::string strPath) {
    m_pStream = std::fopen(strPath.c_str(), "r");
    if (!m_pStream) {
        m_report.bOpenFailed = true;
        m_report.nOpenError = errno;
        return;
    }
    ParseStream();
    std::fclose(m_pStream);
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

void CPlotData::ParseStream() {
    CTextLineReader reader(m_pStream);
    const char* pLine = nullptr;
    std::size_t nRead = 0;
    char szLine[CTextLineReader::LINE_BUFFER_SIZE];
    m_nCurGraph = 0;
    m_nCurSet = 0;
    m_nCount = 0;
    m_nLine = 0;
    bool bLineStart = true;
    while (reader.ReadLine(pLine, nRead)) {
        // The pieces of a long line share its line number.
        if (bLineStart)
            ++m_nLine;
        bLineStart = pLine[nRead - 1] == '\n';
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
    m_report.nLines = m_nLine;
    FinishRun();
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
    return InGraphRange(m_nCurGraph) && InSetRange(m_nCurSet) && m_nCount < MAX_POINTS;
}

void CPlotData::SkipPointLine() {
    // Saturating: past two thousand million lines without "&" every slot is out of range
    // anyway, and a wrapped count would turn negative.
    if (m_nCount < INT_MAX)
        ++m_nCount;
    m_report.pointsDropped.Add(m_nLine);
}

void CPlotData::HandlePointLine(const char* pszLine) {
    if (!PointFits()) {
        SkipPointLine();
        return;
    }
    if (m_nRunStored++ == 0)
        m_nRunFirstLine = m_nLine;
    NoteData(m_nCurGraph);
    const int nSlot = m_nCount++;
    double& dX = m_dX[m_nCurGraph][m_nCurSet][nSlot];
    double& dY = m_dY[m_nCurGraph][m_nCurSet][nSlot];
    double dReadX = 0.0;
    double dReadY = 0.0;
    const char* pszAfter = nullptr;
    const int nValues = ScanPoint(pszLine, dReadX, dReadY, &pszAfter);
    if (nValues >= 1) {
        dX = dReadX;
        m_bRunHasNumber = true;
        NoteOpenSet();
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
                     m_dX[m_nCurGraph][m_nCurSet][m_nCount - 1],
                     m_dY[m_nCurGraph][m_nCurSet][m_nCount - 1]};
    std::memcpy(issue.szText, pszText, std::min(nText, SLineIssue::TEXT_KEPT));
    m_pendingIssues.push_back(issue);
}

void CPlotData::NoteOpenSet() {
    if (m_report.nOpenSetLine[m_nCurGraph] == 0)
        m_report.nOpenSetLine[m_nCurGraph] = m_nLine;
}

void CPlotData::HandleSetTerminator() {
    if (InGraphRange(m_nCurGraph) && InSetRange(m_nCurSet)) {
        m_nPoints[m_nCurGraph][m_nCurSet] = m_nCount < MAX_POINTS ? m_nCount : MAX_POINTS;
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
    std::fill(&m_nPendingIssues[0][0], &m_nPendingIssues[0][0] + MAX_GRAPHS * LINE_ISSUE_KINDS, 0);
    m_pendingIssues.clear();
    std::fill(std::begin(m_report.nOpenSetLine), std::end(m_report.nOpenSetLine), 0);
}

void CPlotData::FinishRun() {
    // Points that no "&" ended stay in their slots but count for nothing. A run of blank
    // lines at the end carries no data and needs no word.
    if (m_bRunHasNumber) {
        m_report.unterminated.nCount = m_nRunStored;
        m_report.unterminated.nFirstLine = m_nRunFirstLine;
        m_report.nUnterminatedGraph = m_nCurGraph;
        m_report.nUnterminatedSet = m_nCurSet;
    }
}
