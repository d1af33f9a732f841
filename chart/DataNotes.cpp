#include "chart/DataNotes.h"

#include "data/NumberText.h"
#include "data/PrintableText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Beyond this many notes of one kind, one line tells how many there are in all.
constexpr std::size_t NOTES_OF_A_KIND = 5;

std::string Count(long long nCount, const char* pszOne, const char* pszMany) {
    return std::to_string(nCount) + " " + (nCount == 1 ? pszOne : pszMany);
}

std::string Range(const SValueTally& tally) {
    return tally.dMin == tally.dMax
               ? ReadableText(tally.dMin)
               : "from " + ReadableText(tally.dMin) + " to " + ReadableText(tally.dMax);
}

int PointsInGraph(const CPlotData& data, int nGraph) {
    int nPoints = 0;
    for (int s = 0; s < MAX_SETS; ++s)
        nPoints += data.GetPointCount(nGraph, s);
    return nPoints;
}

bool GraphHoldsData(const CPlotData& data, int nGraph) {
    return data.GetSetCount(nGraph) > 0 || PointsInGraph(data, nGraph) > 0;
}

std::string Quoted(const char* pszText) {
    return "'" + PrintableText(pszText) + "'";
}

// Lines without two numbers and text after y, each at its line; a total after the first five
// of a kind. Points whose y is no number to draw, in one note with their first lines.
void DescribeLineIssues(const CReadReport& report, int nGraph, std::vector<SDataNote>& notes) {
    std::string strNonFiniteLines;
    for (const SLineIssue& issue : report.issues) {
        if (issue.nGraph != nGraph)
            continue;
        switch (issue.kind) {
        case ELineIssue::NoTwoNumbers:
            notes.push_back({issue.nLine, (issue.bBlank ? std::string("blank line")
                                                        : "\"" + PrintableText(issue.szText) +
                                                              "\" is no point of two numbers") +
                                              ": taken as (" + ReadableText(issue.dX) + ", " +
                                              ReadableText(issue.dY) + ")"});
            break;
        case ELineIssue::TextAfterY:
            notes.push_back({issue.nLine, "y read as " + ReadableText(issue.dY) + "; " +
                                              Quoted(issue.szText) + " after it ignored"});
            break;
        case ELineIssue::NonFiniteY:
            strNonFiniteLines +=
                (strNonFiniteLines.empty() ? "" : ", ") + std::to_string(issue.nLine);
            break;
        }
    }
    const long long nKept = static_cast<long long>(CReadReport::ISSUES_KEPT);
    const long long nNoNumbers = report.IssueCount(nGraph, ELineIssue::NoTwoNumbers);
    if (nNoNumbers > nKept)
        notes.push_back(
            {0, Count(nNoNumbers, "point line", "point lines") + " without two numbers in all"});
    const long long nTextAfterY = report.IssueCount(nGraph, ELineIssue::TextAfterY);
    if (nTextAfterY > nKept)
        notes.push_back(
            {0, Count(nTextAfterY, "point line", "point lines") + " with text after y in all"});
    if (const long long nNonFinite = report.IssueCount(nGraph, ELineIssue::NonFiniteY)) {
        const auto first =
            std::find_if(report.issues.begin(), report.issues.end(), [&](const SLineIssue& issue) {
                return issue.nGraph == nGraph && issue.kind == ELineIssue::NonFiniteY;
            });
        notes.push_back(
            {first->nLine,
             Count(nNonFinite, "point", "points") + " with a y that is no finite number " +
                 (nNonFinite == 1 ? "is" : "are") + " not drawn (line" +
                 (nNonFinite == 1 ? " " : "s ") + strNonFiniteLines +
                 (nNonFinite > nKept ? " and " + std::to_string(nNonFinite - nKept) + " more)"
                                     : ")")});
    }
}

// What the store's rules did that the picture does not show: points before the first "@S",
// points after "&" that went into the set it ended, sets counted again, lines read in pieces.
void DescribeStoreRules(const CPlotData& data, int nGraph, std::vector<SDataNote>& notes) {
    const CReadReport& report = data.GetReadReport();
    if (report.pointsBeforeFirstSet.nCount && report.nBeforeFirstSetGraph == nGraph &&
        data.GetSetCount(nGraph) > 0)
        notes.push_back(
            {report.pointsBeforeFirstSet.nFirstLine,
             Count(report.pointsBeforeFirstSet.nCount, "point line was", "point lines were") +
                 " read into set 0 before the first \"@S\""});
    if (report.strayPoints.nCount && report.nStrayGraph == nGraph)
        notes.push_back({report.strayPoints.nFirstLine,
                         Count(report.strayPoints.nCount, "point line", "point lines") +
                             " after \"&\" and before the next \"@S\" went into set " +
                             std::to_string(report.nStraySet) +
                             " again, over the points counted there, and " +
                             (report.strayPoints.nCount == 1 ? "counts" : "count") +
                             " for the set the next \"&\" ends"});
    for (const SRecount& recount : report.recounts) {
        if (recount.nGraph == nGraph)
            notes.push_back({recount.nLine, "set " + std::to_string(recount.nSet) +
                                                " ended again: its " +
                                                Count(recount.nBefore, "point", "points") +
                                                " counted before are replaced by the " +
                                                std::to_string(recount.nAfter) + " of this run"});
    }
    for (const SLongLine& line : report.longLines) {
        const std::string strPieces =
            line.nPieces == 1
                ? std::string("further piece was read as a line of its own")
                : std::to_string(line.nPieces) + " further pieces were read as lines of their own";
        notes.push_back({line.nLine, "line of " + std::to_string(line.nLength) +
                                         " characters, more than the 1023 a line may hold: its " +
                                         strPieces});
    }
    if (report.nLongLines > static_cast<long long>(CReadReport::ISSUES_KEPT))
        notes.push_back(
            {0, Count(report.nLongLines, "line", "lines") + " longer than 1023 characters in all"});
}

void DescribeUnshownSets(const CPlotData& data, int nGraph, std::vector<SDataNote>& notes) {
    const CReadReport& report = data.GetReadReport();
    for (int s = data.GetSetCount(nGraph); s < MAX_SETS; ++s) {
        const int nPoints = data.GetPointCount(nGraph, s);
        if (nPoints > 0)
            notes.push_back({report.nCountedFromLine[nGraph][s],
                             Count(nPoints, "point", "points") + " of set " + std::to_string(s) +
                                 " not shown: no \"@S\" line before them names the set"});
    }
}

void DescribeOtherGraphs(const CPlotData& data, int nGraph, std::vector<SDataNote>& notes) {
    std::size_t nDescribed = 0;
    int nMore = 0;
    for (int g = 0; g < MAX_GRAPHS; ++g) {
        if (g == nGraph || !GraphHoldsData(data, g))
            continue;
        if (nDescribed++ >= NOTES_OF_A_KIND) {
            ++nMore;
            continue;
        }
        notes.push_back({data.GetReadReport().nFirstDataLine[g],
                         "graph " + std::to_string(g) + " holds " +
                             Count(data.GetSetCount(g), "set", "sets") + " and " +
                             Count(PointsInGraph(data, g), "point", "points") +
                             ", not shown: only graph " + std::to_string(nGraph) + " is (--graph " +
                             std::to_string(g) + " shows it)"});
    }
    if (nMore)
        notes.push_back(
            {0, Count(nMore, "more graph holds", "more graphs hold") + " data that is not shown"});
}

// How the x that are dates are read, for the notes.
const char* DateReading(const SDateRule& rule) {
    return rule.bMjd ? "read as a Modified Julian Date (--mjd)"
                     : "read as a Julian Date (x above 200000)";
}

void DescribePopulation(const SPopulationReport& population, const SDateRule& rule,
                        std::vector<SDataNote>& notes) {
    if (population.refusedDates.nCount)
        notes.push_back({0, Count(population.refusedDates.nCount, "point", "points") +
                                " not drawn: x " + Range(population.refusedDates) + " is " +
                                std::string(DateReading(rule)) +
                                " but is no date of the years 100 "
                                "to 9999"});
    if (population.plainOnDateAxis.nCount)
        notes.push_back(
            {0, Count(population.plainOnDateAxis.nCount, "point", "points") + " with x " +
                    Range(population.plainOnDateAxis) +
                    (population.plainOnDateAxis.nCount == 1 ? " is no Julian Date"
                                                            : " are no Julian Dates") +
                    " (x above 200000) among dates, drawn as days after 30 December 1899, far "
                    "left of the rest: write them as Julian Dates, or give them a graph of their "
                    "own and show it with --graph"});
    if (population.nonFiniteX.nCount)
        notes.push_back({0, Count(population.nonFiniteX.nCount, "point", "points") +
                                " not drawn: x is no finite number"});
}

// The capacity to ask for, rounded up to one significant digit: 35040 points want 40000.
long long RoundedCapacity(long long nPoints) {
    long long nUnit = 1;
    while (nUnit * 10 <= nPoints)
        nUnit *= 10;
    return std::min((nPoints + nUnit - 1) / nUnit * nUnit, MAX_POINTS_OPTION);
}

void DescribeDrops(const CPlotData& data, std::vector<SDataNote>& notes) {
    const CReadReport& report = data.GetReadReport();
    if (const SLineTally& beyond = report.pointsBeyondSet; beyond.nCount) {
        const long long nAsk = RoundedCapacity(report.nLargestSet);
        notes.push_back(
            {beyond.nFirstLine,
             "dropped " + Count(beyond.nCount, "point line", "point lines") + " beyond " +
                 std::to_string(data.GetMaxPoints()) + " points a set (--max-points " +
                 std::to_string(nAsk) +
                 (nAsk < report.nLargestSet ? " shows the most it can)" : " shows them)")});
    }
    const struct {
        const SLineTally& tally;
        const char* pszOne;
        const char* pszMany;
        const char* pszWhy;
    } drops[] = {
        {report.pointsDropped, "point line", "point lines",
         " of a graph or set outside the limits (graphs 0-9, sets 0-4)"},
        {report.setsDropped, "\"@S\" line", "\"@S\" lines", " naming a set outside 0-4"},
        {report.graphsDropped, "\"@WITH G\" line", "\"@WITH G\" lines",
         " naming a graph outside 0-9"},
        {report.textsDropped, "subtitle or legend", "subtitles or legends",
         " of a graph or set outside the limits"},
    };
    for (const auto& drop : drops) {
        if (drop.tally.nCount)
            notes.push_back(
                {drop.tally.nFirstLine,
                 "dropped " + Count(drop.tally.nCount, drop.pszOne, drop.pszMany) + drop.pszWhy});
    }
}

} // namespace

std::vector<SDataNote> DescribeData(const CPlotData& data, const SPopulationReport& population,
                                    int nGraph, const SDateRule& rule) {
    const CReadReport& report = data.GetReadReport();
    std::vector<SDataNote> notes;
    if (report.bOpenFailed)
        notes.push_back({0, std::string("cannot open: ") + std::strerror(report.nOpenError)});
    if (report.bReadFailed)
        notes.push_back({0, std::string("cannot read: ") + std::strerror(report.nReadError)});
    DescribeLineIssues(report, nGraph, notes);
    if (report.unterminated.nCount)
        notes.push_back({report.unterminated.nFirstLine,
                         Count(report.unterminated.nCount, "point line", "point lines") +
                             " from here on not counted: no \"&\" ends their set"});
    DescribeStoreRules(data, nGraph, notes);
    DescribeUnshownSets(data, nGraph, notes);
    DescribeOtherGraphs(data, nGraph, notes);
    DescribePopulation(population, rule, notes);
    DescribeDrops(data, notes);
    return notes;
}

std::string EmptyChartReason(const CPlotData& data, const SPopulationReport& population,
                             const std::string& strInput, int nGraph, const SDateRule& rule) {
    if (population.nPointsAdded > 0)
        return {};
    const CReadReport& report = data.GetReadReport();
    if (report.bOpenFailed)
        return "No points: cannot open " + strInput;
    if (report.bReadFailed && report.nLines == 0)
        return "No points: cannot read " + strInput;
    if (report.nLines == 0)
        return "No points: the input is empty";
    if (population.refusedDates.nCount)
        return std::string("No points drawn: no x ") +
               (rule.bMjd ? "as a Modified Julian Date" : "above 200000") +
               " is a date of the years 100 to 9999";
    if (population.nonFiniteX.nCount)
        return "No points drawn: no x is a finite number";
    if (population.nNonFiniteY)
        return "No points drawn: no y is a finite number";
    if (report.unterminated.nCount && report.nUnterminatedGraph == nGraph)
        return "No points: no \"&\" ends the set";
    if (data.GetSetCount(nGraph) == 0) {
        if (PointsInGraph(data, nGraph) > 0)
            return "No sets: the file has no \"@S\" line";
        for (int g = 0; g < MAX_GRAPHS; ++g) {
            if (g != nGraph && GraphHoldsData(data, g))
                return "No points in graph " + std::to_string(nGraph) + ": the data is in graph " +
                       std::to_string(g);
        }
        return "No sets: the file has no \"@S\" line";
    }
    return "No points: the sets are empty";
}

SDataNote FewerPointsNote(long long nNow, long long nBefore) {
    return {0, "the file now holds " + Count(nNow, "point", "points") + " of the graph, " +
                   std::to_string(nBefore - nNow) + " fewer than before"};
}
