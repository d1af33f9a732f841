#include "data/PartScan.h"

#include "data/PointScan.h"
#include "data/TextLineReader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

struct SKeyword {
    int nEntry;
    const char* pszText;
    std::size_t nLength;
};

constexpr int KEYWORD_HOLD = 6;

// In the order the keywords are tried; the entry number is the line kind.
constexpr SKeyword KEYWORDS[] = {
    {KEYWORD_HOLD, "--HOLD--", 8},
    {KEYWORD_SUBTITLE, "@subtitle ", 10},
    {KEYWORD_LEGEND, "@legend string ", 15},
    {KEYWORD_SET, "@S", 2},
    {KEYWORD_GRAPH, "@WITH G", 7},
    {1, "@ ", 2},
    {0, "@", 1},
};

constexpr std::size_t MAX_PIECE = CTextLineReader::LINE_BUFFER_SIZE - 1;

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// What a piece says, from its text as a C string.
void Classify(const char* pszText, SPartLog::SPiece& piece) {
    if (pszText[0] == '&') {
        piece.kind = SPartLog::EKind::Terminator;
        return;
    }
    if ((pszText[0] == '@' || pszText[0] == '-') && FindKeyword(pszText, piece.keyword)) {
        const int nEntry = piece.keyword.nEntry;
        piece.kind = std::strlen(pszText) != piece.keyword.nLength && nEntry >= KEYWORD_GRAPH &&
                             nEntry <= KEYWORD_SUBTITLE
                         ? SPartLog::EKind::Keyword
                         : SPartLog::EKind::Nothing;
        return;
    }
    piece.kind = SPartLog::EKind::Point;
    piece.scan = ScanPointLine(pszText);
}

} // namespace

bool FindKeyword(const char* pszLine, SKeywordMatch& match) {
    for (const SKeyword& keyword : KEYWORDS) {
        if (std::strncmp(pszLine, keyword.pszText, keyword.nLength) == 0) {
            match = {keyword.nEntry, keyword.nLength};
            return true;
        }
    }
    return false;
}

SPointScan ScanPointLine(const char* pszLine) {
    SPointScan scan;
    const char* pszAfter = nullptr;
    scan.nValues = ScanPoint(pszLine, scan.dX, scan.dY, &pszAfter);
    scan.nAfter = static_cast<std::uint32_t>(pszAfter - pszLine);
    // A decimal comma or a unit glued to y ends the number early; a third column after white
    // space is ordinary.
    if (scan.nValues >= 2) {
        while (pszAfter[scan.nGlued] != '\0' && !IsCSpace(pszAfter[scan.nGlued]))
            ++scan.nGlued;
    }
    return scan;
}

void ScanPart(char* pBegin, char* pEnd, long long nOffset, bool bLineStart, SPartLog& log) {
    log.digest = CByteDigest(nOffset);
    log.digest.Add(pBegin, static_cast<std::size_t>(pEnd - pBegin));
    log.x.clear();
    log.y.clear();
    log.pieces.clear();
    log.texts.clear();
    std::uint32_t nPlain = 0;
    for (char* p = pBegin; p < pEnd;) {
        // The piece the line reader cuts here: up to a line feed, CR LF counted as one
        // character, or MAX_PIECE characters.
        const auto nAvail = static_cast<std::size_t>(pEnd - p);
        auto* pNewline = static_cast<char*>(std::memchr(p, '\n', std::min(nAvail, MAX_PIECE + 1)));
        std::size_t nRead = 0;
        if (pNewline) {
            nRead = static_cast<std::size_t>(pNewline - p) +
                    (pNewline > p && pNewline[-1] == '\r' ? 0 : 1);
            if (nRead > MAX_PIECE)
                pNewline = nullptr;
        }
        if (!pNewline)
            nRead = std::min(nAvail, MAX_PIECE);
        char* pPiece = p;
        p = pNewline ? pNewline + 1 : p + nRead;
        const bool bStartsLine = bLineStart;
        bLineStart = pNewline != nullptr;
        if (pNewline) {
            // A point line is read where it lies, ended where the line ends.
            *pNewline = '\0';
            SKeywordMatch hold;
            if (bStartsLine && pPiece[0] != '&' && pPiece[0] != '@' &&
                !(pPiece[0] == '-' && FindKeyword(pPiece, hold))) {
                const SPointScan scan = ScanPointLine(pPiece);
                if (scan.nValues == 2 && scan.nGlued == 0 && std::isfinite(scan.dY)) {
                    log.x.push_back(scan.dX);
                    log.y.push_back(scan.dY);
                    ++nPlain;
                    continue;
                }
            }
        }
        SPartLog::SPiece piece;
        piece.nPlainBefore = std::exchange(nPlain, 0);
        piece.nText = static_cast<std::uint32_t>(log.texts.size());
        piece.nRead = static_cast<std::uint32_t>(nRead);
        piece.bEndsLine = pNewline != nullptr;
        log.texts.append(pPiece, pNewline ? nRead - 1 : nRead);
        if (pNewline)
            log.texts += '\n';
        log.texts += '\0';
        Classify(log.texts.data() + piece.nText, piece);
        log.pieces.push_back(piece);
    }
    log.nPlainAfter = nPlain;
}
