#include "run/GraphCsv.h"
#include "tests/support/ReadText.h"

#include <gtest/gtest.h>

#include <string_view>

// The table as the sink gets it, its pieces joined; how many there were.
static std::string GraphToCsv(const std::string& strText, int* pPieces = nullptr) {
    std::string strCsv;
    int nPieces = 0;
    WriteGraphCsv(SetsOfGraph(*ReadNew(strText, 20000), 0), {}, [&](std::string_view piece) {
        strCsv += piece;
        return ++nPieces > 0;
    });
    if (pPieces)
        *pPieces = nPieces;
    return strCsv;
}

TEST(GraphCsv, HoldsTheFilesNumbersAndTheTimeTheChartPlacesThemAtInPieces) {
    const struct {
        const char* pszText;
        const char* pszCsv;
    } cases[] = {
        {"@S0\n@legend string \"Run 7, north\"\n2460650.5 4.25\n"
         "2451546.0000028936 1e-9\n2451545.0416666665 1\n100 2\n300000 3\n2460651 nan\n&\n"
         "@S1\n2460652.5 -3e-7\n&\n@WITH G1\n@S0\n2460650.5 9\n&\n",
         "series,x,y,time\r\n"
         "\"Run 7, north\",2460650.5,4.25,2024-12-06T00:00:00.000Z\r\n"
         "\"Run 7, north\",2451546.0000028936,1e-09,2000-01-02T12:00:00.250Z\r\n"
         "\"Run 7, north\",2451545.0416666665,1,2000-01-01T13:00:00.000Z\r\n"
         "\"Run 7, north\",100,2,\r\n"
         "Series 2,2460652.5,-3e-07,2024-12-08T00:00:00.000Z\r\n"},
        {"@S0\n1.5 2\n-inf 3\n&\n", "series,x,y\r\n"
                                    "Series 1,1.5,2\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GraphToCsv(c.pszText), c.pszCsv);
    // A long table goes out in pieces that join to the rows the last round wrote.
    std::string strText = "@S0\n@legend string \"Run 7, north\"\n";
    std::string strRows = "series,x,y,time\r\n";
    for (int i = 0; i < 9000; ++i) {
        strText += "2460650.5 4.25\n2451546.0000028936 1e-9\n";
        strRows += "\"Run 7, north\",2460650.5,4.25,2024-12-06T00:00:00.000Z\r\n"
                   "\"Run 7, north\",2451546.0000028936,1e-09,2000-01-02T12:00:00.250Z\r\n";
    }
    int nPieces = 0;
    EXPECT_EQ(GraphToCsv(strText + "&\n", &nPieces), strRows);
    EXPECT_GE(nPieces, 3);
}
