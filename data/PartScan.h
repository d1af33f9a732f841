#pragma once

#include "data/ByteDigest.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a line of graph data text says by itself, before the store it goes into decides what it
// does: the reader's one pass and its read in parts share this, so that they read alike.

// The keywords' entries; the others change nothing.
inline constexpr int KEYWORD_GRAPH = 2;
inline constexpr int KEYWORD_SET = 3;
inline constexpr int KEYWORD_LEGEND = 4;
inline constexpr int KEYWORD_SUBTITLE = 5;

struct SKeywordMatch {
    int nEntry = 0;
    std::size_t nLength = 0; // of the keyword's text
};
// The first keyword, in the order they are tried, that the text begins with; false for none.
// The text need not end where the line ends: a line end or NUL stops every keyword.
bool FindKeyword(const char* pszLine, SKeywordMatch& match);

// A point line's two numbers as ScanPoint reads them, and the text glued to y.
struct SPointScan {
    int nValues = 0; // as ScanPoint returns it
    double dX = 0.0;
    double dY = 0.0;
    std::uint32_t nAfter = 0; // where the scan stopped, from the line's start
    std::uint32_t nGlued = 0; // characters right after y up to white space, when two were read
};
SPointScan ScanPointLine(const char* pszLine);

// One part of the input, a run of whole pieces as CTextLineReader cuts them, as a log a
// sequential pass replays into the store: point lines that need nothing but their numbers
// (a whole line of two numbers, no text glued to y, y finite) as those numbers, every other
// piece as the reader would hand it over, with what it says.
struct SPartLog {
    enum class EKind : std::uint8_t { Point, Terminator, Keyword, Nothing };
    struct SPiece {
        std::uint32_t nPlainBefore = 0; // plain point lines right before it
        std::uint32_t nText = 0;        // where its text starts in texts
        std::uint32_t nRead = 0;        // its length as the line reader gives it
        bool bEndsLine = false;
        EKind kind = EKind::Nothing;
        SKeywordMatch keyword;
        SPointScan scan;
    };
    // The plain point lines' numbers, in their order.
    std::vector<double> x;
    std::vector<double> y;
    std::vector<SPiece> pieces;
    std::uint32_t nPlainAfter = 0;
    // Each other piece's text as a C string, as the line reader hands it over (CR LF as LF).
    std::string texts;
    CByteDigest digest;
};

// Scans the bytes [pBegin, pEnd), which begin at offset nOffset of the input and end with a line
// feed, at the input's end or at a piece boundary; bLineStart tells whether they begin a line.
// Reads nothing outside them, and leaves a NUL in place of each line feed (the digest is of
// the bytes as they were).
void ScanPart(char* pBegin, char* pEnd, long long nOffset, bool bLineStart, SPartLog& log);
