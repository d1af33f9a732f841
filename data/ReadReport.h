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

// Where the lines of a set's points stop following one another: point nSlot and those after it
// come from line nLine on, until the next jump.
struct SLineJump {
    int nSlot = 0;
    long long nLine = 0;
};

// A set that "&" counted again: the points counted into it before are replaced.
struct SRecount {
    long long nLine = 0; // the "&" that counted it again
    int nGraph = 0;
    int nSet = 0;
    long long nBefore = 0; // points it held
    long long nAfter = 0;  // points it holds now
};

// A line longer than the line buffer: read as pieces, each handled as a line of its own.
struct SLongLine {
    long long nLine = 0;
    long long nLength = 0; // characters, without the line end
    long long nPieces = 0; // pieces after the first
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

    // Sets counted again by a later "&", the first ISSUES_KEPT of them; and how many in all.
    std::vector<SRecount> recounts;
    long long nRecounts = 0;
    // Point lines with a number after a "&" and before the next "@S": they go into the set
    // "&" just ended, over the points it counted; the first of them, with its graph and set.
    SLineTally strayPoints;
    int nStrayGraph = 0;
    int nStraySet = 0;
    // Point lines before the first "@S", counted by a "&" into set 0 (or the set it ends).
    SLineTally pointsBeforeFirstSet;
    int nBeforeFirstSetGraph = 0;
    // Lines longer than the line buffer, the first ISSUES_KEPT of them; and how many in all.
    std::vector<SLongLine> longLines;
    long long nLongLines = 0;

    // Per set, the lines of the points that "&" last counted into it.
    std::vector<SLineJump> lineJumps[MAX_GRAPHS][MAX_SETS];

    // Per set, the first line of the points that "&" last counted into it.
    long long nCountedFromLine[MAX_GRAPHS][MAX_SETS] = {};
    // Per graph, the first line that put anything into it; 0 while it holds nothing.
    long long nFirstDataLine[MAX_GRAPHS] = {};
};
