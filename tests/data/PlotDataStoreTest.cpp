#include "tests/support/ReadText.h"

#include <gtest/gtest.h>

namespace {

TEST(PlotDataStore, FreshStoreIsEmpty) {
    auto pData = std::make_unique<CPlotData>();
    for (int g = 0; g < MAX_GRAPHS; ++g) {
        EXPECT_EQ(pData->GetSetCount(g), 0);
        EXPECT_EQ(pData->GetMaxY(g), 0.0);
        EXPECT_EQ(pData->GetSubtitle(g), "");
        for (int s = 0; s < MAX_SETS; ++s) {
            EXPECT_EQ(pData->GetPointCount(g, s), 0);
            EXPECT_EQ(pData->GetLegend(g, s), "");
            EXPECT_EQ(pData->GetX(g, s, MAX_POINTS - 1), 0.0);
            EXPECT_EQ(pData->GetY(g, s, 0), 0.0);
        }
    }
}

TEST(PlotDataStore, TextAccessorsAnswerEmptyOutsideTheLimits) {
    auto pData = ReadNew("@WITH G9\n@subtitle \"nine\"\n@WITH G0\n@S4\n@legend string \"four\"\n");
    EXPECT_EQ(pData->GetSubtitle(9), "nine");
    EXPECT_EQ(pData->GetLegend(0, 4), "four");
    for (int g : {-1, 10, 1 << 30})
        EXPECT_EQ(pData->GetSubtitle(g), "") << g;
    const int outside[][2] = {{0, 5}, {10, 0}, {-1, 0}, {0, -1}, {1, -1}};
    for (const auto& pair : outside)
        EXPECT_EQ(pData->GetLegend(pair[0], pair[1]), "") << pair[0] << "," << pair[1];
}

} // namespace
