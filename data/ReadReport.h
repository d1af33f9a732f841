#pragma once

#include "data/ByteDigest.h"
#include "data/PlotLimits.h"

#include <cstddef>
#include <string>
#include <vector>

// What a read of graph data text met besides clean data. The store stays exactly as the
// reader rules leave it; this only lets the viewer tell the user what it did with what it
// read. Lines count from 1; a line longer than the line buffer is still one line.

// How often one thing happened, and the line where it happened first.
struct SLineTally {
    long long nCount = 0;
    long long nFirstLine = 0;

    void Add(long long nLine) {
        if (nCount++ == 0)
            nFirstLine = nLine;
    }
};

// What a point line of a counted set did that the store does not show by itself.
enum class ELineIssue {
    NoTwoNumbers, // fewer than two numbers could be read: the slot keeps what it held
    TextAfterY,   // text right after y that is no number ("4,5", "12.5ns"): y stops before it
    NonFiniteY,   // y read as NaN or an infinity ("nan", "inf", "1e400"): nothing to draw
};
inline constexpr int LINE_ISSUE_KINDS = 3;

// One such line. Plain data: an input of nothing but such lines makes no allocation per line.
struct SLineIssue {
    static constexpr std::size_t TEXT_KEPT = 40;

    long long nLine = 0;
    int nGraph = 0;
    ELineIssue kind = ELineIssue::NoTwoNumbers;
    bool bBlank = false; // nothing but white space
    double dX = 0.0;     // what its slot holds after the line
    double dY = 0.0;
    // No two numbers: the start of the line, without its line end; text after y: that text;
    // a y that is no finite number: y as written.
    char szText[TEXT_KEPT + 1] = {};
};

struct CReadReport {
    // How many lines of one issue are kept with their text, per graph; the rest are counted.
    static constexpr std::size_t ISSUES_KEPT = 5;

    bool bOpenFailed = false; // the file could not be opened; nOpenError holds errno
    int nOpenError = 0;
    bool bReadFailed = false; // reading stopped on an error; nReadError holds errno
    int nReadError = 0;
    long long nLines = 0;
    CByteDigest digest;            // of the bytes read, by every read of the store
    bool bEndsWithLineFeed = true; // the last byte read ended a line (or none was read)

    SLineTally pointsDropped;   // point lines of a graph or set outside the store
    SLineTally pointsBeyondSet; // point lines of a set past its capacity of points
    long long nLargestSet = 0;  // how many points the largest of those sets would need
    SLineTally setsDropped;     // "@S" lines naming a set outside the store
    SLineTally graphsDropped;   // "@WITH G" lines naming a graph outside the store
    SLineTally textsDropped;    // subtitles and legends addressed outside the store

    // Point lines with an issue that a "&" counted into a set, per graph and issue.
    long long nIssues[MAX_GRAPHS][LINE_ISSUE_KINDS] = {};
    std::vector<SLineIssue> issues; // the first ISSUES_KEPT of each graph and issue
    long long IssueCount(int nGraph, ELineIssue kind) const {
        return nIssues[nGraph][static_cast<int>(kind)];
    }

    // The point lines after the last "&" that hold a number: stored, never counted.
    SLineTally unterminated;
    int nUnterminatedGraph = 0;
    int nUnterminatedSet = 0;
    // Per graph, the first line after the last "&" that starts or fills a set ("@S", a legend,
    // a point); 0 when none. A writer caught half way leaves one.
    long long nOpenSetLine[MAX_GRAPHS] = {};

    // Per set, the first line of the points that "&" last counted into it.
    long long nCountedFromLine[MAX_GRAPHS][MAX_SETS] = {};
    // Per graph, the first line that put anything into it; 0 while it holds nothing.
    long long nFirstDataLine[MAX_GRAPHS] = {};
};
