#include "chartcontrol/ChartCsv.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ChartCsv, QuotesTextsAndLeavesOutWhatIsNotDrawn) {
    SChartModel model;
    model.bottom.bDateTime = true;
    const double quarterSecond = 0.25 / 86400.0;
    model.series.push_back({"Run \"7\", north",
                            false,
                            {{46023.5 + quarterSecond, 4.25, "", 0},
                             {46024.5, std::nan(""), "", 0},
                             {INFINITY, 1.0, "", 0},
                             {1e9, 2.0, "", 0}}});
    model.series.push_back({"", false, {{0.0, -3e-7, "", 0}}});
    EXPECT_EQ(ChartToCsv(model), "series,x,y,time\r\n"
                                 "\"Run \"\"7\"\", north\",46023.50000289352,4.25,"
                                 "2026-01-01T12:00:00.250Z\r\n"
                                 "\"Run \"\"7\"\", north\",1e+09,2,\r\n"
                                 "Series 2,0,-3e-07,1899-12-30T00:00:00.000Z\r\n");
}

} // namespace
