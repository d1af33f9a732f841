#include "chartcontrol/AxisRange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(AxisRange, FixedEndsWhereSoundOtherwiseTheData) {
    const struct {
        const char* pszName;
        bool bAutoMin, bAutoMax;
        double dMin, dMax;
        std::vector<double> data;
        double dLower, dUpper;
    } cases[] = {
        {"fixed", false, false, 0.0, 50.0, {1, 7}, 0.0, 50.0},
        {"automatic", true, true, 0.0, 0.0, {3, -2, 9}, -2.0, 9.0},
        {"fixed minimum only", false, true, 0.0, 0.0, {3, 9}, 0.0, 9.0},
        {"zero range falls back to the data", false, false, 0.0, 0.0, {-4, -1}, -4.0, -1.0},
        {"infinite maximum", false, false, 0.0, INFINITY, {1, 2}, 1.0, 2.0},
        {"maximum beyond 1e250", false, false, 0.0, 1.1e250, {1, 2}, 1.0, 2.0},
        {"minimum beyond -1e250", false, false, -1.1e250, 0.0, {1, 2}, 1.0, 2.0},
        {"maximum within 1e250", false, false, 0.0, 9e249, {1, 2}, 0.0, 9e249},
        {"inverted", false, false, 5.0, 1.0, {1, 2}, 1.0, 2.0},
        {"no data", true, true, 0.0, 0.0, {}, 0.0, 1.0},
        {"only non-finite data", true, true, 0.0, 0.0, {NAN, INFINITY}, 0.0, 1.0},
        {"one value", true, true, 0.0, 0.0, {100.0}, 90.0, 110.0},
        {"one small value", true, true, 0.0, 0.0, {0.0}, -1.0, 1.0},
        {"one value beyond 1e250", true, true, 0.0, 0.0, {2e250}, -1.0, 1.0},
    };
    for (const auto& c : cases) {
        SDataExtent extent;
        for (double dValue : c.data)
            extent.Add(dValue);
        const SAxisRange range = ResolveAxisRange(
            {"", c.bAutoMin, c.bAutoMax, c.dMin, c.dMax}, extent,
            +[](double dValue) { return dValue; });
        EXPECT_EQ(range.dLower, c.dLower) << c.pszName;
        EXPECT_EQ(range.dUpper, c.dUpper) << c.pszName;
        EXPECT_TRUE(IsDrawableRange(range.dLower, range.dUpper)) << c.pszName;
    }
}
