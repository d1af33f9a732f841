#include "data/SeriesSteps.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SeriesSteps, MedianStepAndGapsOfMoreThanFiveTimesIt) {
    const struct {
        std::vector<double> x;
        double dMedian;
        std::vector<std::size_t> gapStarts;
    } cases[] = {
        {{}, std::nan(""), {}},
        {{5}, std::nan(""), {}},
        {{0, 1, 3, 6}, 2, {}},
        {{0, 1, 3}, 1.5, {}},            // an even count of steps: the mean of the middle two
        {{0, 1, 2, 3, 8, 9, 10}, 1, {}}, // five times is no gap yet
        {{0, 10, 11, 12, 18, 19, 20, 30}, 1, {1, 4, 7}}, // 10, 6 and 10 times
        {{0, 1, std::nan(""), 2, 3, 20, 21}, 1, {5}},
        {{0, 0, 0, 1, 1, 1}, 0, {}}, // duplicate x: no scale for a gap
    };
    for (const auto& [x, dMedian, gapStarts] : cases) {
        SCOPED_TRACE(testing::PrintToString(x));
        const double dStep = MedianStep(x.data(), x.size());
        EXPECT_TRUE(dStep == dMedian || (std::isnan(dStep) && std::isnan(dMedian))) << dStep;
        EXPECT_EQ(GapStarts(x.data(), x.size()), gapStarts);
    }
}
