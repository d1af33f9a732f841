#include "chart/DataNotes.h"
#include "chart/ChartPopulation.h"
#include "tests/support/ReadText.h"

#include <gtest/gtest.h>

#include <utility>

using Notes = std::vector<std::pair<long long, std::string>>;

static std::string Repeated(const std::string& strLine, int nTimes) {
    std::string strText;
    for (int i = 0; i < nTimes; ++i)
        strText += strLine;
    return strText;
}

// Notes on blank lines at these lines, then the further ones.
static Notes Blanks(std::initializer_list<long long> lines, const Notes& further = {}) {
    Notes notes;
    for (long long nLine : lines)
        notes.emplace_back(nLine, "blank line: taken as (0, 0)");
    notes.insert(notes.end(), further.begin(), further.end());
    return notes;
}

// The note on a graph that holds data but is not shown.
static std::string Unshown(int nGraph, const char* pszHolds) {
    const std::string strGraph = std::to_string(nGraph);
    return "graph " + strGraph + " holds " + pszHolds + ", not shown: only graph 0 is (--graph " +
           strGraph + " shows it)";
}

// Reads the text and fills a chart that is not there: the population still counts.
static std::pair<Notes, std::string> Describe(const CPlotData& data) {
    SPopulationReport population;
    PopulateChart(CTChart(), data, population);
    Notes notes;
    for (const SDataNote& note : DescribeData(data, population))
        notes.emplace_back(note.nLine, note.strText);
    return {notes, EmptyChartReason(data, population, "'x.dat'")};
}

TEST(DataNotes, TellWhatThePictureLeavesOutWithTheLine) {
    const struct {
        std::string strText;
        Notes notes;
        const char* pszEmptyReason = "";
    } cases[] = {
        // Clean.
        {"@S0\n1 1\n&\n@S1\n2 2\n&\n\n", {}},
        // A line of 2000 characters is read in two pieces, yet stays one line; CR LF ends a line.
        {"@S0\r\n1 1\r\n" + std::string(2000, ' ') + "\r\nx\r\n&\r\n",
         Blanks({3, 3},
                {{4, "\"x\" is no point of two numbers: taken as (0, 0)"},
                 {3, "line of 2000 characters, more than the 1023 a line may hold: its further "
                     "piece was read as a line of its own"}})},
        {"", {}, "No points: the input is empty"},
        // Lines without two numbers.
        {"@S0\n1 1\n\noops, instrument reset\n9,5 5\n2 2\n&\n",
         Blanks({3}, {{4, "\"oops, instrument reset\" is no point of two numbers: taken as (0, 0)"},
                      {5, "\"9,5 5\" is no point of two numbers: taken as (9, 0)"}})},
        // Five bad lines, then the total; over two sets, no total.
        {"@S0\n1 1\n" + std::string(6, '\n') + "&\n",
         Blanks({3, 4, 5, 6, 7}, {{0, "6 point lines without two numbers in all"}})},
        {"@S0\n1 1\n\n\n\n&\n@S1\n\n\n&\n", Blanks({3, 4, 5, 8, 9})},
        // Six bad lines over two sets, and those of another graph.
        {"@S0\n1 1\n\n\n\n&\n@S1\n\n\n\n&\n@WITH G1\noops\n&\n",
         Blanks({3, 4, 5, 8, 9}, {{0, "6 point lines without two numbers in all"},
                                  {13, Unshown(1, "0 sets and 1 point")}})},
        // Sets longer than the store takes: the longest names the capacity; a set of exactly a
        // round number.
        {"@S0\n" + Repeated("1 1\n", 2101) + "&\n@S1\n" + Repeated("1 1\n", 1002) + "&\n",
         {{1002,
           "dropped 1103 point lines beyond 1000 points a set (--max-points 3000 shows them)"}}},
        {"@S0\n" + Repeated("1 1\n", 2000) + "&\n",
         {{1002,
           "dropped 1000 point lines beyond 1000 points a set (--max-points 2000 shows them)"}}},
        // A last set without &.
        {"@S0\n1 1\n&\n2 2\noops\n3 3\n",
         {{4, "3 point lines from here on not counted: no \"&\" ends their set"},
          {4, "2 point lines after \"&\" and before the next \"@S\" went into set 0 again, over "
              "the points counted there, and count for the set the next \"&\" ends"}}},
        // A set ended again, points before the first @S.
        {"1 1\n@S0\n2 2\n&\n@S1\n3 3\n&\n@S0\n4 4\n&\n",
         {{1, "1 point line was read into set 0 before the first \"@S\""},
          {10,
           "set 0 ended again: its 2 points counted before are replaced by the 1 of this run"}}},
        {"@S0\n1 1\n",
         {{2, "1 point line from here on not counted: no \"&\" ends their set"}},
         "No points: no \"&\" ends the set"},
        {"1 1\n2 2\n&\n",
         {{1, "2 points of set 0 not shown: no \"@S\" line before them names the set"}},
         "No sets: the file has no \"@S\" line"},
        // Other graphs; nine of them.
        {"@S0\n1 1\n&\n@WITH G3\n@S0\n@S1\n5 5\n&\n", {{5, Unshown(3, "2 sets and 1 point")}}},
        {"@S0\n1 1\n&\n@WITH G1\n@S0\n@WITH G2\n@S0\n@WITH G3\n@S0\n@WITH G4\n@S0\n@WITH G5\n@S0\n"
         "@WITH G6\n@S0\n@WITH G7\n@S0\n@WITH G8\n@S0\n@WITH G9\n@S0\n",
         {{5, Unshown(1, "1 set and 0 points")},
          {7, Unshown(2, "1 set and 0 points")},
          {9, Unshown(3, "1 set and 0 points")},
          {11, Unshown(4, "1 set and 0 points")},
          {13, Unshown(5, "1 set and 0 points")},
          {0, "4 more graphs hold data that is not shown"}}},
        // Another graph's unterminated set, another graph's points before any @S.
        {"@WITH G2\n@S0\n5 5\n",
         {{3, "1 point line from here on not counted: no \"&\" ends their set"},
          {2, Unshown(2, "1 set and 0 points")}},
         "No points in graph 0: the data is in graph 2"},
        {"@WITH G3\n1 1\n&\n",
         {{2, Unshown(3, "0 sets and 1 point")}},
         "No points in graph 0: the data is in graph 3"},
        // x above 200000 that is no date.
        {"@S0\n300000 1\n1000000 2\n&\n",
         {{0, "2 points not drawn: x from 300000 to 1000000 is read as a Julian Date (x above "
              "200000) but is no date of the years 100 to 9999"}},
         "No points drawn: no x above 200000 is a date of the years 100 to 9999"},
        // Plain x among dates, the last one plain.
        {"@S0\n2451545 3\n100000 1\n&\n",
         {{0, "1 point with x 100000 is no Julian Date (x above 200000) among dates, drawn as "
              "days after 30 December 1899, far left of the rest: write them as Julian Dates, or "
              "give them a graph of their own and show it with --graph"}}},
        {"@S0\nnan 1\n-inf 2\n&\n",
         {{0, "2 points not drawn: x is no finite number"}},
         "No points drawn: no x is a finite number"},
        // Text glued to y, not a third column.
        {"@S0\n2460650.8 4,5\n2460650.9 12.5ns\n2460651 2 3,5\n&\n",
         {{2, "y read as 4; ',5' after it ignored"}, {3, "y read as 12.5; 'ns' after it ignored"}}},
        {"@S0\n1 nan\n2 inf\n3 -inf\n4 1e400\n&\n",
         {{2, "4 points with a y that is no finite number are not drawn (lines 2, 3, 4, 5)"}},
         "No points drawn: no y is a finite number"},
        // Control bytes and broken UTF-8 escaped.
        {"@S0\n\x1b[31mred\a\xff\xc2\x9b\xc2\xb5\n1 1\n&\n",
         {{2, "\"\\x1b[31mred\\a\\xff\\xc2\\x9b\xc2\xb5\" is no point of two numbers: taken as (0, "
              "0)"}}},
        // Beyond the limits.
        {"@WITH G12\n1 1\n@WITH G0\n@S7\n@S0\n2 2\n&\n",
         {{2, "dropped 1 point line of a graph or set outside the limits (graphs 0-9, sets 0-4)"},
          {4, "dropped 1 \"@S\" line naming a set outside 0-4"},
          {1, "dropped 1 \"@WITH G\" line naming a graph outside 0-9"}}},
    };
    for (const auto& c : cases) {
        const auto [notes, strEmpty] = Describe(*ReadNew(c.strText));
        EXPECT_EQ(notes, c.notes) << &c - cases;
        EXPECT_EQ(strEmpty, c.pszEmptyReason) << &c - cases;
    }
    // A file that cannot be opened says why.
    CPlotData data;
    data.ReadFromFile("/nonexistent/x.dat");
    const auto [notes, strEmpty] = Describe(data);
    EXPECT_EQ(notes, (Notes{{0, "cannot open: No such file or directory"}}));
    EXPECT_EQ(strEmpty, "No points: cannot open 'x.dat'");
}
