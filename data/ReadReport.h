#pragma once

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

// A point line of a counted set from which fewer than two numbers could be read. Plain data:
// an input of nothing but bad lines makes no allocation per line.
struct SBadPointLine {
    static constexpr std::size_t TEXT_KEPT = 40;

    long long nLine = 0;
    int nGraph = 0;
    bool bBlank = false; // nothing but white space
    double dX = 0.0;     // what its slot holds after the line
    double dY = 0.0;
    char szText[TEXT_KEPT + 1] = {}; // the start of the line, without its line end
};

struct CReadReport {
    // How many bad point lines are kept with their text, per graph; the rest are counted.
    static constexpr std::size_t BAD_LINES_KEPT = 5;

    bool bOpenFailed = false; // the file could not be opened; nOpenError holds errno
    int nOpenError = 0;
    bool bReadFailed = false; // reading stopped on an error; nReadError holds errno
    int nReadError = 0;
    long long nLines = 0;

    SLineTally pointsDropped; // point lines beyond a graph, set or point limit
    SLineTally setsDropped;   // "@S" lines naming a set outside the store
    SLineTally graphsDropped; // "@WITH G" lines naming a graph outside the store
    SLineTally textsDropped;  // subtitles and legends addressed outside the store

    // Point lines without two numbers that a "&" counted into a set, per graph.
    long long nBadPointLines[MAX_GRAPHS] = {};
    std::vector<SBadPointLine> badPointLines; // the first BAD_LINES_KEPT of each graph

    // The point lines after the last "&" that hold a number: stored, never counted.
    SLineTally unterminated;
    int nUnterminatedGraph = 0;
    int nUnterminatedSet = 0;

    // Per set, the first line of the points that "&" last counted into it.
    long long nCountedFromLine[MAX_GRAPHS][MAX_SETS] = {};
    // Per graph, the first line that put anything into it; 0 while it holds nothing.
    long long nFirstDataLine[MAX_GRAPHS] = {};
};
