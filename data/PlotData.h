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

private:
    // From the start of the input, or on from where the last read stopped.
    void ParseStream(bool bContinue = false);
    void HandleKeyword(int nEntry, const char* pszRest);
    bool PointFits() const;
    void SkipPointLine();
    void HandlePointLine(const char* pszLine);
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
    // Each set's x (nAxis 0) and y (1), by graph × MAX_SETS + set: at the fixed capacity in
    // one block of zeroed memory; beyond it in chunks that come as the set's points come, so
    // that nothing is copied as a set grows.
    static constexpr int CHUNK_BITS = 16;
    static constexpr int CHUNK_POINTS = 1 << CHUNK_BITS;
    double* CoordinateAt(int nAxis, int nSet, int nPoint) const {
        return m_pFixed
                   ? m_pFixed + (nAxis * MAX_GRAPHS * MAX_SETS + nSet) * MAX_POINTS + nPoint
                   : m_chunks[nAxis][nSet][static_cast<std::size_t>(nPoint >> CHUNK_BITS)].get() +
                         (nPoint & (CHUNK_POINTS - 1));
    }
    double Coordinate(int nAxis, int nSet, int nPoint) const {
        return *CoordinateAt(nAxis, nSet, nPoint);
    }
    double& CoordinateSlot(int nAxis, int nSet, int nPoint) {
        return *CoordinateAt(nAxis, nSet, nPoint);
    }
    // Makes slot nSlot of the current set exist; its chunk comes zeroed, as a fresh store is.
    void ReachSlot(int nSlot);

    int m_nMaxPoints;
    double* m_pFixed = nullptr;
    struct SFree {
        void operator()(double* p) const { std::free(p); }
    };
    std::vector<std::unique_ptr<double, SFree>> m_chunks[2][MAX_GRAPHS * MAX_SETS];
    int m_nPoints[MAX_GRAPHS][MAX_SETS];
    int m_nSets[MAX_GRAPHS];
    double m_dMaxY[MAX_GRAPHS];
    FILE* m_pStream;

    // Reader state, valid only while a read runs.
    int m_nCurGraph = 0;
    int m_nCurSet = 0;
    int m_nCount = 0;
    long long m_nLine = 0;
    // The run of point lines since the last "&": where it began, how many of its lines the
    // store took, whether one of those held a number, and its line issues until "&" counts
    // them.
    long long m_nRunFirstLine = 0;
    long long m_nRunStored = 0;
    bool m_bRunHasNumber = false;
    // Whether an "@S" came at all, and since the last "&"; the run's lines stored before any.
    bool m_bAnySet = false;
    bool m_bSetSinceEnd = false;
    SLineTally m_runBeforeFirstSet;
    std::vector<SLineJump> m_runLineJumps;
    long long m_nLastStoredLine = 0;
    long long m_nPendingIssues[MAX_GRAPHS][LINE_ISSUE_KINDS] = {};
    std::vector<SLineIssue> m_pendingIssues;

    CReadReport m_report;
};
