#include "data/SeriesPoints.h"

#include <gtest/gtest.h>

#include <cmath>

// The x resolution is the finest step of the texts; an end of a range takes points within half
// the finer of the two steps.
TEST(SeriesPoints, TheXResolutionAndTheEndsOfARange) {
    const struct {
        std::vector<double> x;
        double dResolution;
    } cases[] = {
        {{2460884.833333, 2460884.84375, 2460884.5}, 1e-6},
        {{1, 25e3, 3}, 1.0},
        {{1.5e-7, NAN}, 1e-8},
        {{NAN, INFINITY}, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(XResolution(c.x.data(), c.x.size()), c.dResolution) << c.x[0];
    // 08:00:00 and 01:00:00 as six-decimal Julian Dates stand 0.029 s before and after them.
    const SXRange dates{2460884.8333333335, 2460891.5416666665, 1.0 / 86400, 1.0 / 86400};
    EXPECT_TRUE(InRange(dates, 2460884.833333, 1e-6));
    EXPECT_TRUE(InRange(dates, 2460891.541667, 1e-6));
    EXPECT_FALSE(InRange(dates, 2460884.833332, 1e-6));
    // An end finer than the file's x decides by its own step.
    const SXRange plain{2.5, 3.0, 0.1, 1.0};
    EXPECT_FALSE(InRange(plain, 2.0, 1.0));
    EXPECT_TRUE(InRange(plain, 2.46, 1.0));
    EXPECT_TRUE(InRange(SXRange(), -1e300, 1.0));
}
