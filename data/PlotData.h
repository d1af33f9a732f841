#pragma once

#include "data/PlotLimits.h"
#include "data/ReadReport.h"

#include <cstdio>
#include <string>
#include <vector>

// The fixed-size store of one graph data text: everything lives inside the object,
// nothing is allocated per point. Filled once by one of the Read operations, then read.
class CPlotData {
public:
    CPlotData();
    ~CPlotData();
    CPlotData(const CPlotData&) = delete;
    CPlotData& operator=(const CPlotData&) = delete;

    // The numeric accessors check nothing: the caller keeps its indices within the limits.
    double GetX(int nGraph, int nSet, int nPoint) const { return m_dX[nGraph][nSet][nPoint]; }
    double GetY(int nGraph, int nSet, int nPoint) const { return m_dY[nGraph][nSet][nPoint]; }
    int GetPointCount(int nGraph, int nSet) const { return m_nPoints[nGraph][nSet]; }
    int GetSetCount(int nGraph) const { return m_nSets[nGraph]; }
    double GetMaxY(int nGraph) const { return m_dMaxY[nGraph]; }

    // The text accessors answer an empty text for any index outside the limits.
    std::string GetSubtitle(int nGraph) const;
    std::string GetLegend(int nGraph, int nSet) const;

    void ReadFromFile(std::string strPath);
    void ReadFromStdin();
    // Reads an already open stream to its end; the caller keeps ownership of it.
    void ReadFromStream(FILE* pStream);

    static std::string GetQuotedText(const char* pszRest);

    // What the last read could not open or read, had to drop, or met besides clean data.
    const CReadReport& GetReadReport() const { return m_report; }

private:
    void ParseStream();
    void HandleKeyword(int nEntry, const char* pszRest);
    bool PointFits() const;
    void SkipPointLine();
    void HandlePointLine(const char* pszLine);
    void HandleSetTerminator();
    void NoteIssue(ELineIssue kind, const char* pszText, std::size_t nText, bool bBlank);
    void NoteOpenSet();
    void FinishRun();
    void NoteData(int nGraph);

    std::string m_strSubtitle[MAX_GRAPHS];
    std::string m_strLegend[MAX_GRAPHS * MAX_SETS];
    // The coordinates, 400 KB each, come zeroed from calloc: fresh pages of the system that
    // nothing touches until a read fills them, where zeroing them in place would touch all.
    using SetPoints = double[MAX_SETS][MAX_POINTS];
    static SetPoints* ZeroedCoordinates();
    SetPoints* m_dX;
    SetPoints* m_dY;
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
    long long m_nPendingIssues[MAX_GRAPHS][LINE_ISSUE_KINDS] = {};
    std::vector<SLineIssue> m_pendingIssues;

    CReadReport m_report;
};
