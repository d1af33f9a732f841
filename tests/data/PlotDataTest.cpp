#include "tests/support/ReadText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <fstream>
#include <iomanip>
#include <random>
#include <vector>

using std::string;
using namespace std::string_literals;

// The store as its readers see it: each graph that holds anything with its subtitle, set count
// and largest y, then each set's legend and counted points.
static string Seen(const CPlotData& data) {
    std::ostringstream out;
    out << std::setprecision(17);
    for (int g = 0; g < MAX_GRAPHS; ++g) {
        std::ostringstream sets;
        sets << std::setprecision(17);
        for (int s = 0; s < MAX_SETS; ++s) {
            if (data.GetPointCount(g, s) == 0 && data.GetLegend(g, s).empty())
                continue;
            sets << " S" << s << " '" << data.GetLegend(g, s) << "'";
            for (int i = 0; i < data.GetPointCount(g, s); ++i)
                sets << " " << data.GetX(g, s, i) << "," << data.GetY(g, s, i);
        }
        if (sets.str().empty() && data.GetSetCount(g) == 0 && data.GetMaxY(g) == 0.0 &&
            data.GetSubtitle(g).empty())
            continue;
        out << "G" << g << " '" << data.GetSubtitle(g) << "' " << data.GetSetCount(g) << " max "
            << data.GetMaxY(g) << sets.str() << ";";
    }
    return out.str();
}

TEST(PlotDataReader, InputThatCannotBeReadLeavesTheStoreEmptyAndSaysWhy) {
    CPlotData missing, folder;
    missing.ReadFromFile("/nonexistent/verlo/data.dat");
    folder.ReadFromFile("/");
    EXPECT_EQ(Seen(missing) + Seen(folder) + Seen(*ReadNew("")), "");
    EXPECT_TRUE(missing.GetReadReport().bOpenFailed);
    EXPECT_EQ(missing.GetReadReport().nOpenError, ENOENT);
    EXPECT_FALSE(folder.GetReadReport().bOpenFailed);
    EXPECT_TRUE(folder.GetReadReport().bReadFailed);
    EXPECT_EQ(folder.GetReadReport().nReadError, EISDIR);
}

TEST(PlotDataReader, ReadsByTheLineRules) {
    const string strLongSubtitle(1011, 'x');
    const std::pair<string, string> cases[] = {
        {"@WITH G0\n@subtitle \"Run 7\"\n@S0\n@legend string \"north\"\n1.5 3.25\n2.5 1\n&\n"
         "@S1\n@legend string \"south\"\n1.5 4\n&\n",
         "G0 'Run 7' 2 max 4 S0 'north' 1.5,3.25 2.5,1 S1 'south' 1.5,4;"},
        // Points count only once "&" ends their set; "@S" raises the set count, does not reset
        // the running count of points, and a set read again starts from its first slot.
        {"@S0\n1 2\n3 4\n", "G0 '' 1 max 4;"},
        {"1 2\n&\n", "G0 '' 0 max 2 S0 '' 1,2;"},
        {"@S3\n@S1\n", "G0 '' 4 max 0;"},
        {"1 1\n2 2\n@S1\n3 3\n&\n", "G0 '' 2 max 3 S1 '' 0,0 0,0 3,3;"},
        {"@S0\n1 1\n&\n&\n", "G0 '' 1 max 1;"},
        {"@S0\n1 1\n2 2\n3 3\n&\n@S1\n@S0\n5 5\n&\n", "G0 '' 2 max 5 S0 '' 5,5;"},
        // Every point line fills its slot, whatever it holds; the largest y starts at 0.
        {"@S0\n1 5\n\n7\n-3 -9\n2 5\n&\n", "G0 '' 1 max 5 S0 '' 1,5 0,0 7,0 -3,-9 2,5;"},
        {"@S0\n1 -2\n2 -0.5\n&\n", "G0 '' 1 max 0 S0 '' 1,-2 2,-0.5;"},
        // Keywords: case, blanks and the number that follows them.
        {"@WITH G1\n@with g0\n@S0\n&\n", "G1 '' 1 max 0;"},
        {"@WITH G 1\n@S0\n&\n@WITH G\n@S2\n", "G0 '' 3 max 0;G1 '' 1 max 0;"},
        {"@WITH G \t+3junk\n@S -0\n&\n", "G3 '' 1 max 0;"},
        {"@S2\n@Sample\n1 1\n&\n", "G0 '' 3 max 1 S0 '' 1,1;"},
        {" @S2\n&\n", "G0 '' 0 max 0 S0 '' 0,0;"},
        {"@subtitle\"x\"\n--HOLD--\n@ anything\n@legend\n&\n", ""},
        {"@S4\n@WITH G1\n@S", "G0 '' 5 max 0;"},
        {"@WITH G1\n@S\n", "G1 '' 1 max 0;"},
        // Texts lie between the first two quotes, no escapes; a later one replaces them.
        {"@subtitle \"first\"\n@subtitle none\n@S1\n@legend string \"a\"\n@legend string \"b\"\n",
         "G0 '' 2 max 0 S1 'b';"},
        {"@subtitle \"Title\" more \"x\"\n@S0\n@legend string \"a\\\"b\"\n",
         "G0 'Title' 1 max 0 S0 'a\\';"},
        // Lines are read in pieces of 1023 bytes: the rest of a longer one is a point line.
        {"@subtitle \"" + strLongSubtitle + "a\"bc\"\n@S0\n&\n",
         "G0 '" + strLongSubtitle + "a' 1 max 0 S0 '' 0,0;"},
        // CR LF reads as LF, also right at the end of a piece.
        {"@subtitle \"open\r\n@S1\r\n@legend string \"b\"\r\n1 2\r\n&\r\n",
         "G0 'open\n' 2 max 2 S1 'b' 1,2;"},
        {"@S\r\n", "G0 '' 1 max 0;"},
        {"@subtitle \"" + strLongSubtitle + "\r\n@S2\n", "G0 '" + strLongSubtitle + "\n' 3 max 0;"},
        // A NUL byte ends what a line says.
        {string("@S0\n1 2\0 9 9\n@S", 15) + string("\0 3\n&\n", 6), "G0 '' 1 max 2 S0 '' 1,2;"},
    };
    for (const auto& [strText, strSeen] : cases)
        EXPECT_EQ(Seen(*ReadNew(strText)), strSeen) << strText;
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

TEST(PlotDataReader, StoreLimits) {
    string text = "@S0\n";
    for (int i = 0; i < 1001; ++i)
        text += std::to_string(i) + " " + std::to_string(i) + "\n";
    text += "&\n@WITH G10\n@subtitle \"lost\"\n@S0\n5 999999\n&\n"
            "@WITH G1\n@S5\n@legend string \"lost\"\n5 999999\n&\n";
    auto pData = ReadNew(text);
    EXPECT_EQ(pData->GetPointCount(0, 0), 1000);
    EXPECT_EQ(pData->GetX(0, 0, 999), 999.0);
    EXPECT_EQ(pData->GetMaxY(0), 999.0);
    EXPECT_EQ(pData->GetMaxY(1), 0.0);
    EXPECT_EQ(pData->GetSetCount(1), 0);
    EXPECT_EQ(pData->GetSubtitle(9), "");

    // Lines beyond a set (the first, the largest set), dropped points (the first), graphs,
    // sets and texts.
    const CReadReport& r = pData->GetReadReport();
    EXPECT_EQ((std::vector<long long>{r.pointsBeyondSet.nCount, r.pointsBeyondSet.nFirstLine,
                                      r.nLargestSet, r.pointsDropped.nCount,
                                      r.pointsDropped.nFirstLine, r.graphsDropped.nCount,
                                      r.setsDropped.nCount, r.textsDropped.nCount}),
              (std::vector<long long>{1, 1002, 1001, 2, 1007, 1, 1, 2}));
}

TEST(PlotDataReader, HostileIntegersSelectNothingInside) {
    for (const char* pszNumber : {"2147483647", "99999999999999999999", "-1", "-2147483648",
                                  "-2147483649", "4294967296", "+10"}) {
        for (const string strSelect : {"@S", "@WITH G"}) {
            auto pData = ReadNew(strSelect + pszNumber + "\n1 7\n&\n@S1\n@legend string \"x\"\n");
            EXPECT_EQ(Seen(*pData), strSelect == "@S" ? "G0 '' 2 max 0 S1 'x';" : "") << pszNumber;
            EXPECT_EQ(pData->GetReadReport().pointsDropped.nCount, 1) << pszNumber;
        }
    }
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
            if (c != 'p')
                strText += c;
            for (int k = 0; c == 'p' && k < nLines; ++k, ++nPoint)
                strText += std::to_string(nPoint) + " " + std::to_string(nPoint % 7) + "\n";
        }
        return strText;
    };
    auto pSmall = ReadNew(expand(1), 5);
    auto pLarge = ReadNew(expand(200));
    for (int s = 0; s < MAX_SETS; ++s) {
        EXPECT_EQ(pLarge->GetPointCount(0, s), 200 * pSmall->GetPointCount(0, s)) << s;
        for (int i = 0; i < pSmall->GetPointCount(0, s); ++i)
            EXPECT_EQ(pLarge->GetX(0, s, 200 * i), 200 * pSmall->GetX(0, s, i)) << s << " " << i;
    }
    EXPECT_EQ(pLarge->GetSetCount(0), pSmall->GetSetCount(0));
    EXPECT_EQ(pLarge->GetReadReport().pointsBeyondSet.nCount,
              200 * pSmall->GetReadReport().pointsBeyondSet.nCount);
    // A set whose one counted line went into the set before it holds 0.0 there.
    EXPECT_EQ(ReadNew("@S0\n1 1\n@S1\n&\n", 5)->GetX(0, 1, 0), 0.0);
}

// A file that grows by appending, read on from where the last read stopped at each line end,
// into a copy of the store, leaves the store one read of the whole would, and reads only what
// came.
TEST(PlotDataReader, AGrowingFileReadOnGivesTheWholeRead) {
    const string strText = "@subtitle \"run\"\n@S0\n1 1\n\n2 5\n&\n@S1\n@legend string \"b\"\n"
                           "3 3\n4 4\n5 5\n6 6\n&\n7 7\n&\n";
    const string strPath = testing::TempDir() + "growing.dat";
    for (const int nMaxPoints : {MAX_POINTS, 3}) {
        const auto pWhole = ReadNew(strText, nMaxPoints);
        for (std::size_t nCut = strText.find('\n'); nCut != string::npos;
             nCut = strText.find('\n', nCut + 1)) {
            auto pGrown = std::make_unique<CPlotData>(nMaxPoints);
            std::ofstream(strPath, std::ios::binary) << strText.substr(0, nCut + 1);
            pGrown->ReadFromFile(strPath);
            auto pCopy = std::make_unique<CPlotData>(*pGrown);
            std::ofstream(strPath, std::ios::binary | std::ios::app) << strText.substr(nCut + 1);
            std::unique_ptr<FILE, int (*)(FILE*)> pStream(std::fopen(strPath.c_str(), "r"),
                                                          &std::fclose);
            std::fseek(pStream.get(), static_cast<long>(nCut + 1), SEEK_SET);
            pCopy->ContinueFromStream(pStream.get());
            EXPECT_EQ(Everything(*pCopy), Everything(*pWhole)) << nMaxPoints << " " << nCut;
        }
    }
}

// Random text of every kind of line, CR LF or LF, with or without a last line feed.
static string RandomText(std::mt19937& random) {
    std::istringstream allKinds(
        "2460310.5 N.25|N 7|-N.5 -3|N 2 extra|4,N|1 nan|2 1e400|| \t|abc|N|&|&x|"
        "@SN|@S|@WITH GN|@WITH G|@legend string \"sN\"|@subtitle \"tN|@ note|"
        "--HOLD--|--HOLD--x|-|@|1 2\0 3|\0"s);
    std::vector<string> kinds;
    for (string strKind; std::getline(allKinds, strKind, '|');)
        kinds.push_back(strKind);
    string text;
    for (int nLines = 1 + random() % 60; nLines > 0; --nLines) {
        string line = kinds[random() % kinds.size()];
        if (const auto n = line.find('N'); n != string::npos)
            line.replace(n, 1, std::to_string(static_cast<int>(random() % 13) - 1));
        if (random() % 20 == 0)
            line += string(1000 + random() % 60, random() % 2 ? 'x' : '\r');
        else if (random() % 20 == 0)
            line = string(1023, ' ') + line; // its second piece a line of its own to look at
        text += line + (random() % 4 ? "\n" : "\r\n");
    }
    if (random() % 2 && text.size() > 1)
        text.pop_back();
    return text;
}

// The read in parts, with the input cut at every kind of line, continued or whole, gives the
// store and report the one-pass read gives, at any capacity.
TEST(PlotDataReader, AReadInPartsGivesTheOnePassRead) {
    std::mt19937 random(20261207);
    for (int nRound = 0; nRound < 300; ++nRound) {
        const string strText = RandomText(random);
        const int nMaxPoints = nRound % 3 == 0 ? MAX_POINTS : nRound % 3 == 1 ? 3 : 70000;
        const string strOnePass = Everything(*ReadNew(strText, nMaxPoints));
        const std::size_t nCut = strText.find('\n', random() % strText.size());
        for (const std::size_t nPartBytes : {1, 2, 5, 64, 4096}) {
            string strCopy = strText + '\0';
            std::unique_ptr<FILE, int (*)(FILE*)> pStream(
                fmemopen(strCopy.data(), strText.size(), "r"), &std::fclose);
            auto pParts = std::make_unique<CPlotData>(nMaxPoints);
            if (nPartBytes == 64 && nCut != string::npos) {
                // The first lines one pass, the rest on in parts.
                ReadText(*pParts, strText.substr(0, nCut + 1));
                std::fseek(pStream.get(), static_cast<long>(nCut + 1), SEEK_SET);
                pParts->ReadInParts(pStream.get(), 2, 2, nPartBytes, true);
            } else {
                pParts->ReadInParts(pStream.get(), 2, 2 + nRound % 3, nPartBytes);
            }
            ASSERT_EQ(Everything(*pParts), strOnePass) << nPartBytes << " " << strText;
        }
    }
}
