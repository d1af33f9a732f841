#pragma once

#include "data/PlotLimits.h"
#include "data/ReadReport.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct SPartLog;
struct SPointScan;

// The store of one graph data text. At its own capacity of MAX_POINTS points a set it has a
// fixed size: nothing is allocated per point. With a larger capacity (--max-points) the same
// rules hold for that many points a set, and each set takes memory as its points come.
// Filled once by one of the Read operations, then read.
class CPlotData {
public:
    explicit CPlotData(int nMaxPoints = MAX_POINTS);
    ~CPlotData();
    // A store read on without changing the one it came from.
    CPlotData(const CPlotData& other);
    CPlotData& operator=(const CPlotData&) = delete;

    // The numeric accessors check nothing: the caller keeps its indices within the limits.
    double GetX(int nGraph, int nSet, int nPoint) const {
        return Coordinate(0, nGraph * MAX_SETS + nSet, nPoint);
    }
    double GetY(int nGraph, int nSet, int nPoint) const {
        return Coordinate(1, nGraph * MAX_SETS + nSet, nPoint);
    }
    int GetPointCount(int nGraph, int nSet) const { return m_nPoints[nGraph][nSet]; }
    int GetSetCount(int nGraph) const { return m_nSets[nGraph]; }
    double GetMaxY(int nGraph) const { return m_dMaxY[nGraph]; }
    // How many points a set can hold.
    int GetMaxPoints() const { return m_nMaxPoints; }

    // Where a set's points lie, for a pass over many: x one after another from GetXs, y every
    // YStride() doubles from GetYs. Null for a set no point reached.
    const double* GetXs(int nGraph, int nSet) const {
        return Reached(nGraph * MAX_SETS + nSet) ? CoordinateAt(0, nGraph * MAX_SETS + nSet, 0)
                                                 : nullptr;
    }
    const double* GetYs(int nGraph, int nSet) const {
        return Reached(nGraph * MAX_SETS + nSet) ? CoordinateAt(1, nGraph * MAX_SETS + nSet, 0)
                                                 : nullptr;
    }
    std::size_t YStride() const { return m_pFixed ? 1 : 2; }

    // The input line point nPoint of a set was read from; 0 for a slot no line filled.
    long long GetLine(int nGraph, int nSet, int nPoint) const;

    // The text accessors answer an empty text for any index outside the limits.
    std::string GetSubtitle(int nGraph) const;
    std::string GetLegend(int nGraph, int nSet) const;

    // whenRead, if given, sees the stream after the read, before it is closed: who follows
    // the file learns there which file was read.
    void ReadFromFile(const std::string& strPath,
                      const std::function<void(std::FILE*)>& whenRead = {});
    // Reads on from pStream's position, where the last read of the same file stopped at the end
    // of a line (the report's digest ends there): the store as one read of the whole file would
    // leave it. For a file that grows by appending.
    void ContinueFromStream(FILE* pStream);
    void ReadFromStdin();
    // Reads an already open stream to its end; the caller keeps ownership of it.
    void ReadFromStream(FILE* pStream);

    static std::string GetQuotedText(const char* pszRest);

    // What the last read could not open or read, had to drop, or met besides clean data.
    const CReadReport& GetReadReport() const { return m_report; }

    // Beyond the fixed capacity each set keeps its y in a block of pairs, y of point i at 2i + 1:
    // the doubles at 2i are left free for whoever draws the set, to put each point's x there
    // and draw from the block itself, with no copy of y. Null for the fixed store and for a
    // set no point reached.
    std::shared_ptr<double> SharedPairs(int nGraph, int nSet) const;

    // Reads pStream as ReadFromStream does (or on, as ContinueFromStream does), the input cut
    // at line ends into rounds of nParts parts of about nPartBytes, each round's parts scanned
    // on nThreads threads at once while the round before is replayed in order: the store and
    // report one pass would give. The reads above take it by themselves for a large file.
    void ReadInParts(FILE* pStream, int nThreads, int nParts, std::size_t nPartBytes,
                     bool bContinue = false);

private:
    // A block of doubles from malloc, shared with whoever draws a set from it.
    struct SBlock {
        double* p = nullptr;
        std::size_t nDoubles = 0;
        SBlock() = default;
        SBlock(const SBlock&) = delete;
        SBlock& operator=(const SBlock&) = delete;
        ~SBlock() { std::free(p); }
    };
    // pBlock with room for nDoubles, its first nKept kept: a new block zeroed, one no one else
    // holds grown in place where the system can, a shared one copied.
    static void Grow(std::shared_ptr<SBlock>& pBlock, std::size_t nDoubles, std::size_t nKept);
    // A set beyond the fixed capacity: its slots so far, x in one block, y in a block of pairs,
    // and how many slots read 0.0 unless written.
    struct SGrownSet {
        int nReached = 0;
        std::size_t nZeroed = 0;
        std::shared_ptr<SBlock> pX;
        std::shared_ptr<SBlock> pPairs;
    };
    // What a read keeps between lines, valid only while a read runs (and between the reads
    // of a file that grows).
    struct SReadState {
        int nCurGraph = 0;
        int nCurSet = 0;
        int nCount = 0;
        long long nLine = 0;
        // The pieces of a long line share its line number.
        bool bLineStart = true;
        long long nLineLength = 0;
        long long nPieces = 0;
        // The run of point lines since the last "&": where it began, how many of its lines the
        // store took, whether one of those held a number, and its line issues until "&"
        // counts them.
        long long nRunFirstLine = 0;
        long long nRunStored = 0;
        bool bRunHasNumber = false;
        // Whether an "@S" came at all, and since the last "&"; the run's lines stored before any.
        bool bAnySet = false;
        bool bSetSinceEnd = false;
        SLineTally runBeforeFirstSet;
        std::vector<SLineJump> runLineJumps;
        long long nLastStoredLine = 0;
        long long nPendingIssues[MAX_GRAPHS][LINE_ISSUE_KINDS] = {};
        std::vector<SLineIssue> pendingIssues;
    };

    // A round of the read in parts: the input from a part boundary on, cut into parts.
    struct SRound {
        // What the last round left (a line cut short by its end), then this round's bytes,
        // then a NUL.
        std::vector<char> text;
        std::size_t nSize = 0;
        std::size_t nUsable = 0; // the bytes the parts take: whole pieces
        long long nOffset = 0;   // of text[0] in the input
        bool bStartsLine = true;
        bool bNextStartsLine = true; // whether the bytes after the usable ones begin a line
        bool bEnd = false;           // the input ends in this round
        std::vector<std::size_t> bounds;
        std::vector<SPartLog> logs;
    };

    // From the start of the input, or on from where the last read stopped.
    void ParseStream(bool bContinue = false);
    // Reads on to the end of the stream one line after the other.
    void ReadRestInOnePass();
    void ReadParts(int nThreads, int nParts, std::size_t nPartBytes, bool bContinue);
    // Reads the round after pLast (or the first), its bytes cut into parts.
    void FillRound(SRound& round, const SRound* pLast, std::size_t nRoundBytes);
    void StartRead(bool bContinue);
    void FinishRead();
    // The line count for the next piece the line reader gives, nRead characters long.
    void StartPiece(std::size_t nRead, bool bEndsLine);
    void ReplayPart(const SPartLog& log);
    // nLines plain point lines (whole lines of two numbers, y finite and nothing glued to it)
    // from the current line on, at once: as many lines of HandlePointLine would leave it.
    void TakePlainLines(const double* pX, const double* pY, std::size_t nLines);
    void HandleKeyword(int nEntry, const char* pszRest);
    bool PointFits() const;
    void SkipPointLine();
    void HandlePointLine(const char* pszLine);
    void StorePoint(const char* pszLine, const SPointScan& scan);
    void HandleSetTerminator();
    void NoteIssue(ELineIssue kind, const char* pszText, std::size_t nText, bool bBlank);
    void NoteOpenSet();
    void FinishRun();
    void NoteData(int nGraph);
    void NoteLongLine(long long nLength, long long nPieces);

    std::string m_strSubtitle[MAX_GRAPHS];
    std::string m_strLegend[MAX_GRAPHS * MAX_SETS];
    // The coordinates, 400 KB each, come zeroed from calloc: fresh pages of the system that
    // nothing touches until a read fills them, where zeroing them in place would touch all.
    // Each set's x (nAxis 0) and y (1), by graph × MAX_SETS + set, at the fixed capacity in
    // one block of zeroed memory; beyond it in the set's own blocks, which grow (in place,
    // where the system can) as the set's points come.
    const double* CoordinateAt(int nAxis, int nSet, int nPoint) const {
        return m_pFixed ? m_pFixed + (nAxis * MAX_GRAPHS * MAX_SETS + nSet) * MAX_POINTS + nPoint
               : nAxis == 0 ? m_grown[nSet].pX->p + nPoint
                            : m_grown[nSet].pPairs->p + 2 * static_cast<std::size_t>(nPoint) + 1;
    }
    bool Reached(int nSet) const { return m_pFixed || m_grown[nSet].pX; }
    double Coordinate(int nAxis, int nSet, int nPoint) const {
        return *CoordinateAt(nAxis, nSet, nPoint);
    }
    double& CoordinateSlot(int nAxis, int nSet, int nPoint) {
        return *const_cast<double*>(CoordinateAt(nAxis, nSet, nPoint));
    }
    // Makes slots up to nSlot of the current set exist; they read 0.0 until written, as a fresh
    // store's do.
    void ReachSlot(int nSlot);

    int m_nMaxPoints;
    double* m_pFixed = nullptr;
    SGrownSet m_grown[MAX_GRAPHS * MAX_SETS];
    int m_nPoints[MAX_GRAPHS][MAX_SETS];
    int m_nSets[MAX_GRAPHS];
    double m_dMaxY[MAX_GRAPHS];
    FILE* m_pStream;

    SReadState m_state;
    CReadReport m_report;
};
