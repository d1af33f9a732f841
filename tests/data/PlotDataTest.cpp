#include "tests/support/ReadText.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <fstream>
#include <string>

namespace {

using std::string;

TEST(PlotDataReader, ReadsTheTwoSetExample) {
    auto pData = ReadNew("@WITH G0\n@subtitle \"Run 7\"\n@S0\n@legend string \"north\"\n1.5 3.25\n"
                         "2.5 1\n&\n@S1\n@legend string \"south\"\n1.5 4\n&\n");
    EXPECT_EQ(pData->GetSubtitle(0), "Run 7");
    EXPECT_EQ(pData->GetSetCount(0), 2);
    EXPECT_EQ(pData->GetLegend(0, 0), "north");
    EXPECT_EQ(pData->GetLegend(0, 1), "south");
    EXPECT_EQ(pData->GetPointCount(0, 0), 2);
    EXPECT_EQ(pData->GetPointCount(0, 1), 1);
    EXPECT_EQ(pData->GetX(0, 0, 1), 2.5);
    EXPECT_EQ(pData->GetY(0, 0, 0), 3.25);
    EXPECT_EQ(pData->GetY(0, 1, 0), 4.0);
    EXPECT_EQ(pData->GetMaxY(0), 4.0);
}

TEST(PlotDataReader, EmptyInputAndMissingFileLeaveTheStoreEmpty) {
    auto pEmpty = ReadNew("");
    CPlotData missing;
    missing.ReadFromFile("/nonexistent/verlo/data.dat");
    for (const CPlotData* pData : {pEmpty.get(), &missing}) {
        for (int g = 0; g < MAX_GRAPHS; ++g) {
            EXPECT_EQ(pData->GetSetCount(g), 0);
            EXPECT_EQ(pData->GetMaxY(g), 0.0);
            EXPECT_EQ(pData->GetPointCount(g, 0), 0);
        }
    }
    EXPECT_TRUE(missing.GetReadReport().bOpenFailed);
    EXPECT_EQ(missing.GetReadReport().nOpenError, ENOENT);
    EXPECT_FALSE(pEmpty->GetReadReport().bOpenFailed);
}

TEST(PlotDataReader, ReadErrorEndsTheInputAndIsReported) {
    CPlotData data;
    data.ReadFromFile("/");
    EXPECT_FALSE(data.GetReadReport().bOpenFailed);
    EXPECT_TRUE(data.GetReadReport().bReadFailed);
    EXPECT_EQ(data.GetReadReport().nReadError, EISDIR);
    EXPECT_EQ(data.GetSetCount(0), 0);
}

TEST(PlotDataReader, RunningCountAndSetCounts) {
    // Unterminated points are stored but not counted.
    auto pUnterminated = ReadNew("@S0\n1 2\n3 4\n");
    EXPECT_EQ(pUnterminated->GetPointCount(0, 0), 0);
    EXPECT_EQ(pUnterminated->GetX(0, 0, 1), 3.0);
    EXPECT_EQ(pUnterminated->GetMaxY(0), 4.0);

    // Without "@S" the points go to set 0 but the graph's set count stays 0.
    auto pNoSet = ReadNew("1 2\n&\n");
    EXPECT_EQ(pNoSet->GetPointCount(0, 0), 1);
    EXPECT_EQ(pNoSet->GetSetCount(0), 0);

    auto pRaised = ReadNew("@S3\n@S1\n");
    EXPECT_EQ(pRaised->GetSetCount(0), 4);

    // "@S" does not reset the running count: the third point lands in slot 2 of set 1.
    auto pCarried = ReadNew("1 1\n2 2\n@S1\n3 3\n&\n");
    EXPECT_EQ(pCarried->GetPointCount(0, 1), 3);
    EXPECT_EQ(pCarried->GetPointCount(0, 0), 0);
    EXPECT_EQ(pCarried->GetX(0, 1, 2), 3.0);
    EXPECT_EQ(pCarried->GetX(0, 1, 0), 0.0);
    EXPECT_EQ(pCarried->GetY(0, 1, 1), 0.0);

    auto pDouble = ReadNew("@S0\n1 1\n&\n&\n");
    EXPECT_EQ(pDouble->GetPointCount(0, 0), 0);
}

TEST(PlotDataReader, PointLinesFillTheirSlotWhateverTheyHold) {
    auto pData = ReadNew("@S0\n1 5\n\n7\n-3 -9\n2 5\n&\n");
    EXPECT_EQ(pData->GetPointCount(0, 0), 5);
    EXPECT_EQ(pData->GetX(0, 0, 1), 0.0); // the empty line takes a slot
    EXPECT_EQ(pData->GetY(0, 0, 1), 0.0);
    EXPECT_EQ(pData->GetX(0, 0, 2), 7.0); // one number: x only
    EXPECT_EQ(pData->GetY(0, 0, 2), 0.0);
    EXPECT_EQ(pData->GetMaxY(0), 5.0);

    auto pNegative = ReadNew("@S0\n1 -2\n2 -0.5\n&\n");
    EXPECT_EQ(pNegative->GetMaxY(0), 0.0);
}

TEST(PlotDataReader, NumbersIgnoreTheProcessLocale) {
    const char* pszPrevious = std::setlocale(LC_ALL, nullptr);
    const string strPrevious = pszPrevious ? pszPrevious : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
    double dSeen = 0.0;
    ASSERT_EQ(std::sscanf("2,5", "%lf", &dSeen), 1);
    ASSERT_EQ(dSeen, 2.5) << "the comma locale is not in effect";

    auto pData = ReadNew("@S0\n1.5 2.75\n&\n");
    std::setlocale(LC_ALL, strPrevious.c_str());
    EXPECT_EQ(pData->GetX(0, 0, 0), 1.5);
    EXPECT_EQ(pData->GetY(0, 0, 0), 2.75);
}

TEST(PlotDataReader, KeywordMatching) {
    auto pLower = ReadNew("@WITH G1\n@with g0\n@S0\n&\n");
    EXPECT_EQ(pLower->GetSetCount(1), 1);
    EXPECT_EQ(pLower->GetSetCount(0), 0);

    auto pBlank = ReadNew("@WITH G 1\n@S0\n&\n@WITH G\n@S2\n");
    EXPECT_EQ(pBlank->GetSetCount(1), 1);
    EXPECT_EQ(pBlank->GetSetCount(0), 3);

    auto pWord = ReadNew("@S2\n@Sample\n1 1\n&\n");
    EXPECT_EQ(pWord->GetPointCount(0, 0), 1);

    auto pIndented = ReadNew(" @S2\n&\n");
    EXPECT_EQ(pIndented->GetSetCount(0), 0);
    EXPECT_EQ(pIndented->GetPointCount(0, 0), 1);

    auto pIgnored = ReadNew("@subtitle\"x\"\n--HOLD--\n@ anything\n@legend\n&\n");
    EXPECT_EQ(pIgnored->GetSubtitle(0), "");
    EXPECT_EQ(pIgnored->GetPointCount(0, 0), 0);

    auto pBareAtEnd = ReadNew("@S4\n@WITH G1\n@S");
    EXPECT_EQ(pBareAtEnd->GetSetCount(1), 0);
    auto pBareWithNewline = ReadNew("@WITH G1\n@S\n");
    EXPECT_EQ(pBareWithNewline->GetSetCount(1), 1);
}

TEST(PlotDataReader, QuotedTextIsBetweenTheFirstTwoQuotes) {
    const std::pair<const char*, const char*> cases[] = {{"\"Title\" more \"x\"\n", "Title"},
                                                         {"lead \"open end\n", "open end\n"},
                                                         {"no quote\n", ""},
                                                         {"\"\"\n", ""},
                                                         {"\"a\\\"b\"\n", "a\\"}};
    for (const auto& [pszRest, pszText] : cases)
        EXPECT_EQ(CPlotData::GetQuotedText(pszRest), pszText) << pszRest;
}

TEST(PlotDataReader, TextsReplaceEarlierOnes) {
    auto pData = ReadNew("@subtitle \"first\"\n@subtitle none\n@S1\n"
                         "@legend string \"a\"\n@legend string \"b\"\n");
    EXPECT_EQ(pData->GetSubtitle(0), "");
    EXPECT_EQ(pData->GetLegend(0, 1), "b");
}

TEST(PlotDataReader, StoreLimits) {
    string text = "@S0\n";
    for (int i = 0; i < 1001; ++i)
        text += std::to_string(i) + " " + std::to_string(i) + "\n";
    text += "&\n";
    text += "@WITH G10\n@subtitle \"lost\"\n@S0\n5 999999\n&\n";
    text += "@WITH G1\n@S5\n@legend string \"lost\"\n5 999999\n&\n";
    auto pData = ReadNew(text);
    EXPECT_EQ(pData->GetPointCount(0, 0), 1000);
    EXPECT_EQ(pData->GetX(0, 0, 999), 999.0);
    EXPECT_EQ(pData->GetMaxY(0), 999.0);
    EXPECT_EQ(pData->GetMaxY(1), 0.0);
    EXPECT_EQ(pData->GetSetCount(1), 0);
    EXPECT_EQ(pData->GetSubtitle(9), "");

    const CReadReport& report = pData->GetReadReport();
    EXPECT_EQ(report.pointsBeyondSet.nCount, 1);
    EXPECT_EQ(report.pointsBeyondSet.nFirstLine, 1002);
    EXPECT_EQ(report.nLargestSet, 1001);
    EXPECT_EQ(report.pointsDropped.nCount, 2);
    EXPECT_EQ(report.pointsDropped.nFirstLine, 1007);
    EXPECT_EQ(report.graphsDropped.nCount, 1);
    EXPECT_EQ(report.setsDropped.nCount, 1);
    EXPECT_EQ(report.textsDropped.nCount, 2);
}

TEST(PlotDataReader, HostileIntegersSelectNothingInside) {
    for (const char* pszSet : {"2147483647", "99999999999999999999", "-1", "-2147483648",
                               "-99999999999999999999", "+5"}) {
        auto pData = ReadNew(string("@S") + pszSet + "\n1 7\n&\n@legend string \"x\"\n");
        EXPECT_EQ(pData->GetSetCount(0), 0) << pszSet;
        EXPECT_EQ(pData->GetMaxY(0), 0.0) << pszSet;
        EXPECT_EQ(pData->GetReadReport().pointsDropped.nCount, 1) << pszSet;
    }
    for (const char* pszGraph : {"2147483647", "-2147483649", "4294967296"}) {
        auto pData = ReadNew(string("@WITH G") + pszGraph + "\n@S1\n1 7\n&\n");
        for (int g = 0; g < MAX_GRAPHS; ++g)
            EXPECT_EQ(pData->GetSetCount(g), 0) << pszGraph;
    }
    auto pSigned = ReadNew("@WITH G \t+3junk\n@S -0\n&\n");
    EXPECT_EQ(pSigned->GetSetCount(3), 1);
}

TEST(PlotDataReader, LongLinesAreReadInPiecesOf1023) {
    // 1023 characters fit one piece; the rest, here "\"\n", is a point line of its own.
    string strTitle(1012, 'a');
    auto pData = ReadNew("@subtitle \"" + strTitle + "bc\"\n@S0\n&\n");
    EXPECT_EQ(pData->GetSubtitle(0), strTitle);
    EXPECT_EQ(pData->GetPointCount(0, 0), 1);

    // A point line of exactly 1023 characters with its line feed is one piece; so is one of
    // 1022 and CR LF, also where it follows another line and lies inside the read buffer.
    string strPoint = "1 2" + string(1019, ' ') + "\n";
    ASSERT_EQ(strPoint.size(), 1023u);
    const string strCrLf = "1 2" + string(1019, ' ') + "\r\n";
    for (const auto& [strBefore, strLine] :
         {std::pair<string, string>{"", strPoint}, {"", strCrLf}, {"4 4\n", strCrLf}}) {
        auto pExact = ReadNew("@S0\n" + strBefore + strLine + "&\n");
        const int nBefore = strBefore.empty() ? 0 : 1;
        EXPECT_EQ(pExact->GetPointCount(0, 0), nBefore + 1);
        EXPECT_EQ(pExact->GetY(0, 0, nBefore), 2.0);
    }
}

TEST(PlotDataReader, ASetReadAgainStartsFromItsFirstSlot) {
    auto pData = ReadNew("@S0\n1 1\n2 2\n3 3\n&\n@S1\n@S0\n5 5\n&\n");
    EXPECT_EQ(pData->GetPointCount(0, 0), 1);
    EXPECT_EQ(pData->GetX(0, 0, 0), 5.0);
    EXPECT_EQ(pData->GetX(0, 0, 1), 2.0);
    EXPECT_EQ(pData->GetSetCount(0), 2);
}

TEST(PlotDataReader, TextAccessorsAnswerEmptyOutsideTheLimits) {
    auto pData = ReadNew("@WITH G9\n@subtitle \"nine\"\n@WITH G0\n@S4\n@legend string \"four\"\n");
    EXPECT_EQ(pData->GetSubtitle(9), "nine");
    EXPECT_EQ(pData->GetLegend(0, 4), "four");
    for (int g : {-1, 10, 1 << 30})
        EXPECT_EQ(pData->GetSubtitle(g), "") << g;
    const int outside[][2] = {{0, 5}, {10, 0}, {-1, 0}, {0, -1}, {1, -1}};
    for (const auto& pair : outside)
        EXPECT_EQ(pData->GetLegend(pair[0], pair[1]), "") << pair[0] << "," << pair[1];
}

TEST(PlotDataReader, CarriageReturnLineFeedReadsAsLineFeed) {
    auto pData = ReadNew("@subtitle \"open\r\n@S1\r\n@legend string \"b\"\r\n1 2\r\n&\r\n");
    EXPECT_EQ(pData->GetSubtitle(0), "open\n");
    EXPECT_EQ(pData->GetSetCount(0), 2);
    EXPECT_EQ(pData->GetLegend(0, 1), "b");
    EXPECT_EQ(pData->GetPointCount(0, 1), 1);

    // "@S" then CR LF is the keyword with a line feed, not the bare keyword.
    auto pBare = ReadNew("@S\r\n");
    EXPECT_EQ(pBare->GetSetCount(0), 1);

    // The pair right at the piece boundary still counts as one line feed, so the
    // next line stays a line of its own.
    string strLong = "@subtitle \"" + string(1011, 'x') + "\r\n";
    auto pBoundary = ReadNew(strLong + "@S2\n");
    EXPECT_EQ(pBoundary->GetSubtitle(0), string(1011, 'x') + "\n");
    EXPECT_EQ(pBoundary->GetSetCount(0), 3);
    EXPECT_EQ(pBoundary->GetPointCount(0, 0), 0);
}

TEST(PlotDataReader, NulByteEndsWhatALineSays) {
    auto pData = ReadNew(string("@S0\n1 2\0 9 9\n@S", 15) + string("\0 3\n&\n", 6));
    EXPECT_EQ(pData->GetY(0, 0, 0), 2.0);
    EXPECT_EQ(pData->GetSetCount(0), 1);
    EXPECT_EQ(pData->GetPointCount(0, 0), 1);
}

} // namespace

namespace {

// What a reader of the store sees of graph 0 and the notes' counts, as one text.
string Observed(const CPlotData& data) {
    string strSeen = data.GetSubtitle(0) + "|" + std::to_string(data.GetSetCount(0)) + "|" +
                     std::to_string(data.GetMaxY(0));
    for (int s = 0; s < MAX_SETS; ++s) {
        strSeen += "|" + data.GetLegend(0, s) + ":";
        for (int i = 0; i < data.GetPointCount(0, s); ++i)
            strSeen +=
                std::to_string(data.GetX(0, s, i)) + "," + std::to_string(data.GetY(0, s, i)) + " ";
    }
    const CReadReport& report = data.GetReadReport();
    return strSeen + "|" + std::to_string(report.nLines) + "," +
           std::to_string(report.unterminated.nCount) + "," +
           std::to_string(report.IssueCount(0, ELineIssue::NoTwoNumbers)) + "," +
           std::to_string(report.pointsBeyondSet.nCount) + "," + std::to_string(report.nBytes);
}

// A store of room for 5 points a set keeps the rules a store of 1000 keeps, on input scaled
// down by 200: the same sets, counts, drops and running count.
TEST(PlotDataReader, ASmallerCapacityKeepsTheSameRules) {
    // Each "p" a run of point lines, 1 line at capacity 5 and 200 at 1000.
    const string strTemplate = "@S0\nppp&\n@S1\nppppppp&\n@S2\npp@S3\np&\n";
    const auto expand = [&](int nLines) {
        string strText;
        int nPoint = 0;
        for (char c : strTemplate) {
            if (c != 'p') {
                strText += c;
                continue;
            }
            for (int k = 0; k < nLines; ++k, ++nPoint)
                strText += std::to_string(nPoint) + " " + std::to_string(nPoint % 7) + "\n";
        }
        return strText;
    };
    auto pSmall = std::make_unique<CPlotData>(5);
    ReadText(*pSmall, expand(1));
    auto pLarge = ReadNew(expand(200));
    for (int s = 0; s < MAX_SETS; ++s) {
        EXPECT_EQ(pLarge->GetPointCount(0, s), 200 * pSmall->GetPointCount(0, s)) << s;
        for (int i = 0; i < pSmall->GetPointCount(0, s); ++i)
            EXPECT_EQ(pLarge->GetX(0, s, 200 * i), 200 * pSmall->GetX(0, s, i)) << s << " " << i;
    }
    EXPECT_EQ(pLarge->GetSetCount(0), pSmall->GetSetCount(0));
    EXPECT_EQ(pLarge->GetReadReport().pointsBeyondSet.nCount,
              200 * pSmall->GetReadReport().pointsBeyondSet.nCount);
}

// A file that grows by appending, read on from where the last read stopped at each line end,
// leaves the store one read of the whole would, and reads only what came.
TEST(PlotDataReader, AGrowingFileReadOnGivesTheWholeRead) {
    const string strText = "@subtitle \"run\"\n@S0\n1 1\n\n2 5\n&\n@S1\n@legend string \"b\"\n"
                           "3 3\n4 4\n5 5\n6 6\n&\n7 7\n";
    const string strPath = testing::TempDir() + "growing.dat";
    for (const int nMaxPoints : {MAX_POINTS, 3}) {
        auto pWhole = std::make_unique<CPlotData>(nMaxPoints);
        std::ofstream(strPath, std::ios::binary) << strText;
        pWhole->ReadFromFile(strPath);
        for (std::size_t nCut = strText.find('\n'); nCut != string::npos;
             nCut = strText.find('\n', nCut + 1)) {
            auto pGrown = std::make_unique<CPlotData>(nMaxPoints);
            std::ofstream(strPath, std::ios::binary) << strText.substr(0, nCut + 1);
            pGrown->ReadFromFile(strPath);
            std::ofstream(strPath, std::ios::binary | std::ios::app) << strText.substr(nCut + 1);
            ASSERT_TRUE(pGrown->ContinueFromFile(strPath, static_cast<long long>(nCut + 1)));
            EXPECT_EQ(Observed(*pGrown), Observed(*pWhole)) << nMaxPoints << " " << nCut;
        }
    }
}

} // namespace
