#include "data/SeriesSteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(SeriesSteps, MedianStepAndGapsOfMoreThanFiveTimesIt) {
    const struct {
        std::vector<double> x;
        double dMedian;
        std::vector<std::size_t> gapStarts;
    } cases[] = {
        {{}, NaN, {}},
        {{5}, NaN, {}},
        {{0, 1, 3}, 1.5, {}}, // an even count of steps: the mean of the middle two
        {{0, 1, 2, 3, 9, 10, 11}, 1, {4}},
        {{0, 1, 2, 3, 8, 9, 10}, 1, {}}, // five times is no gap yet
        {{0, 1, 2, 3, 7, 8, 9}, 1, {}},
        {{0, 10, 11, 12, 18, 19, 20, 30}, 1, {1, 4, 7}},
        {{0, 1, NaN, 2, 3, 20, 21}, 1, {5}},
        {{0, 0, 0, 1, 1, 1}, 0, {}}, // duplicate x: no scale for a gap
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.x));
        const double dMedian = MedianStep(c.x.data(), c.x.size());
        EXPECT_TRUE(dMedian == c.dMedian || (std::isnan(dMedian) && std::isnan(c.dMedian)));
        EXPECT_EQ(GapStarts(c.x.data(), c.x.size()), c.gapStarts);
    }
}

} // namespace
