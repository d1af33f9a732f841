#include "chart/DataNotes.h"
#include "chart/ChartPopulation.h"
#include "tests/support/ReadText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Notes = std::vector<std::pair<long long, std::string>>;

struct SNotesCase {
    const char* pszName;
    std::string strText;
    Notes notes;
    const char* pszEmptyReason;
};

std::string Repeated(const std::string& strLine, int nTimes) {
    std::string strText;
    for (int i = 0; i < nTimes; ++i)
        strText += strLine;
    return strText;
}

// Reads the text and fills a chart that is not there: the population still counts.
std::pair<Notes, std::string> Describe(const CPlotData& data) {
    SPopulationReport population;
    PopulateChart(CTChart(), data, population);
    Notes notes;
    for (const SDataNote& note : DescribeData(data, population))
        notes.emplace_back(note.nLine, note.strText);
    return {notes, EmptyChartReason(data, population, "'x.dat'")};
}

TEST(DataNotes, TellWhatThePictureLeavesOutWithTheLine) {
    const std::string strSixBadLines = "@S0\n1 1\n" + std::string(6, '\n') + "&\n";
    std::string strLongSet = "@S0\n";
    for (int i = 0; i < 3103; ++i) // 2101 points, then a set of 1002
        strLongSet += i == 2101 ? "&\n@S1\n1 1\n" : "1 1\n";
    // A line of 2000 characters is read in two pieces, yet stays one line; CR LF ends a line.
    const std::string strLongLine = "@S0\r\n1 1\r\n" + std::string(2000, ' ') + "\r\nx\r\n&\r\n";
    const SNotesCase cases[] = {
        {"clean", "@S0\n1 1\n&\n@S1\n2 2\n&\n\n", {}, ""},
        {"a long line and CR LF",
         strLongLine,
         {{3, "blank line: taken as (0, 0)"},
          {3, "blank line: taken as (0, 0)"},
          {4, "\"x\" is no point of two numbers: taken as (0, 0)"},
          {3, "line of 2000 characters, more than the 1023 a line may hold: its further piece "
              "was read as a line of its own"}},
         ""},
        {"empty input", "", {}, "No points: the input is empty"},
        {"lines without two numbers",
         "@S0\n1 1\n\noops, instrument reset\n9,5 5\n2 2\n&\n",
         {{3, "blank line: taken as (0, 0)"},
          {4, "\"oops, instrument reset\" is no point of two numbers: taken as (0, 0)"},
          {5, "\"9,5 5\" is no point of two numbers: taken as (9, 0)"}},
         ""},
        {"five bad lines, then the total",
         strSixBadLines,
         {{3, "blank line: taken as (0, 0)"},
          {4, "blank line: taken as (0, 0)"},
          {5, "blank line: taken as (0, 0)"},
          {6, "blank line: taken as (0, 0)"},
          {7, "blank line: taken as (0, 0)"},
          {0, "6 point lines without two numbers in all"}},
         ""},
        {"five bad lines over two sets: no total",
         "@S0\n1 1\n\n\n\n&\n@S1\n\n\n&\n",
         {{3, "blank line: taken as (0, 0)"},
          {4, "blank line: taken as (0, 0)"},
          {5, "blank line: taken as (0, 0)"},
          {8, "blank line: taken as (0, 0)"},
          {9, "blank line: taken as (0, 0)"}},
         ""},
        {"six bad lines over two sets, and those of another graph",
         "@S0\n1 1\n\n\n\n&\n@S1\n\n\n\n&\n@WITH G1\noops\n&\n",
         {{3, "blank line: taken as (0, 0)"},
          {4, "blank line: taken as (0, 0)"},
          {5, "blank line: taken as (0, 0)"},
          {8, "blank line: taken as (0, 0)"},
          {9, "blank line: taken as (0, 0)"},
          {0, "6 point lines without two numbers in all"},
          {13,
           "graph 1 holds 0 sets and 1 point, not shown: only graph 0 is (--graph 1 shows it)"}},
         ""},
        {"sets longer than the store takes: the longest names the capacity",
         strLongSet + "&\n",
         {{1002,
           "dropped 1103 point lines beyond 1000 points a set (--max-points 3000 shows them)"}},
         ""},
        {"a set of exactly a round number",
         "@S0\n" + Repeated("1 1\n", 2000) + "&\n",
         {{1002,
           "dropped 1000 point lines beyond 1000 points a set (--max-points 2000 shows them)"}},
         ""},
        {"a last set without &",
         "@S0\n1 1\n&\n2 2\noops\n3 3\n",
         {{4, "3 point lines from here on not counted: no \"&\" ends their set"},
          {4, "2 point lines after \"&\" and before the next \"@S\" went into set 0 again, over "
              "the points counted there, and count for the set the next \"&\" ends"}},
         ""},
        {"a set ended again, points before the first @S",
         "1 1\n@S0\n2 2\n&\n@S1\n3 3\n&\n@S0\n4 4\n&\n",
         {{1, "1 point line was read into set 0 before the first \"@S\""},
          {10, "set 0 ended again: its 2 points counted before are replaced by the 1 of this run"}},
         ""},
        {"no set at all ends",
         "@S0\n1 1\n",
         {{2, "1 point line from here on not counted: no \"&\" ends their set"}},
         "No points: no \"&\" ends the set"},
        {"points before any @S",
         "1 1\n2 2\n&\n",
         {{1, "2 points of set 0 not shown: no \"@S\" line before them names the set"}},
         "No sets: the file has no \"@S\" line"},
        {"other graphs",
         "@S0\n1 1\n&\n@WITH G3\n@S0\n@S1\n5 5\n&\n",
         {{5, "graph 3 holds 2 sets and 1 point, not shown: only graph 0 is (--graph 3 shows it)"}},
         ""},
        {"nine other graphs",
         "@S0\n1 1\n&\n@WITH G1\n@S0\n@WITH G2\n@S0\n@WITH G3\n@S0\n@WITH G4\n@S0\n@WITH G5\n@S0\n"
         "@WITH G6\n@S0\n@WITH G7\n@S0\n@WITH G8\n@S0\n@WITH G9\n@S0\n",
         {{5, "graph 1 holds 1 set and 0 points, not shown: only graph 0 is (--graph 1 shows it)"},
          {7, "graph 2 holds 1 set and 0 points, not shown: only graph 0 is (--graph 2 shows it)"},
          {9, "graph 3 holds 1 set and 0 points, not shown: only graph 0 is (--graph 3 shows it)"},
          {11, "graph 4 holds 1 set and 0 points, not shown: only graph 0 is (--graph 4 shows it)"},
          {13, "graph 5 holds 1 set and 0 points, not shown: only graph 0 is (--graph 5 shows it)"},
          {0, "4 more graphs hold data that is not shown"}},
         ""},
        {"another graph's unterminated set",
         "@WITH G2\n@S0\n5 5\n",
         {{3, "1 point line from here on not counted: no \"&\" ends their set"},
          {2, "graph 2 holds 1 set and 0 points, not shown: only graph 0 is (--graph 2 shows it)"}},
         "No points in graph 0: the data is in graph 2"},
        {"another graph's points before any @S",
         "@WITH G3\n1 1\n&\n",
         {{2, "graph 3 holds 0 sets and 1 point, not shown: only graph 0 is (--graph 3 shows it)"}},
         "No points in graph 0: the data is in graph 3"},
        {"x above 200000 that is no date",
         "@S0\n300000 1\n1000000 2\n&\n",
         {{0, "2 points not drawn: x from 300000 to 1000000 is read as a Julian Date (x above "
              "200000) but is no date of the years 100 to 9999"}},
         "No points drawn: no x above 200000 is a date of the years 100 to 9999"},
        {"plain x among dates, the last one plain",
         "@S0\n2451545 3\n100000 1\n&\n",
         {{0, "1 point with x 100000 is no Julian Date (x above 200000) among dates, drawn as "
              "days after 30 December 1899, far left of the rest: write them as Julian Dates, or "
              "give them a graph of their own and show it with --graph"}},
         ""},
        {"x no finite number",
         "@S0\nnan 1\n-inf 2\n&\n",
         {{0, "2 points not drawn: x is no finite number"}},
         "No points drawn: no x is a finite number"},
        {"text glued to y, not a third column",
         "@S0\n2460650.8 4,5\n2460650.9 12.5ns\n2460651 2 3,5\n&\n",
         {{2, "y read as 4; ',5' after it ignored"}, {3, "y read as 12.5; 'ns' after it ignored"}},
         ""},
        {"y no finite number",
         "@S0\n1 nan\n2 inf\n3 -inf\n4 1e400\n&\n",
         {{2, "4 points with a y that is no finite number are not drawn (lines 2, 3, 4, 5)"}},
         "No points drawn: no y is a finite number"},
        {"control bytes and broken UTF-8 escaped",
         "@S0\n\x1b[31mred\a\xff\xc2\x9b\xc2\xb5\n1 1\n&\n",
         {{2, "\"\\x1b[31mred\\a\\xff\\xc2\\x9b\xc2\xb5\" is no point of two numbers: taken as (0, "
              "0)"}},
         ""},
        {"beyond the limits",
         "@WITH G12\n1 1\n@WITH G0\n@S7\n@S0\n2 2\n&\n",
         {{2, "dropped 1 point line of a graph or set outside the limits (graphs 0-9, sets 0-4)"},
          {4, "dropped 1 \"@S\" line naming a set outside 0-4"},
          {1, "dropped 1 \"@WITH G\" line naming a graph outside 0-9"}},
         ""},
    };
    for (const SNotesCase& c : cases) {
        const auto [notes, strEmpty] = Describe(*ReadNew(c.strText));
        EXPECT_EQ(notes, c.notes) << c.pszName;
        EXPECT_EQ(strEmpty, c.pszEmptyReason) << c.pszName;
    }
}

TEST(DataNotes, AFileThatCannotBeOpenedSaysWhy) {
    CPlotData data;
    data.ReadFromFile("/nonexistent/x.dat");
    const auto [notes, strEmpty] = Describe(data);
    EXPECT_EQ(notes, (Notes{{0, "cannot open: No such file or directory"}}));
    EXPECT_EQ(strEmpty, "No points: cannot open 'x.dat'");
}

} // namespace
