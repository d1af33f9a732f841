#include "chartcontrol/AxisRange.h"
#include "chartcontrol/AutomationDate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

double Same(double dValue) {
    return dValue;
}

struct SRangeCase {
    const char* pszName;
    bool bAutoMin, bAutoMax;
    double dMin, dMax;
    std::vector<double> data;
    double dLower, dUpper;
};

TEST(AxisRange, FixedEndsWhereSoundOtherwiseTheData) {
    const double inf = std::numeric_limits<double>::infinity();
    const SRangeCase cases[] = {
        {"fixed", false, false, 0.0, 50.0, {1, 7}, 0.0, 50.0},
        {"automatic", true, true, 0.0, 0.0, {3, -2, 9}, -2.0, 9.0},
        {"fixed minimum only", false, true, 0.0, 0.0, {3, 9}, 0.0, 9.0},
        {"zero range falls back to the data", false, false, 0.0, 0.0, {-4, -1}, -4.0, -1.0},
        {"infinite maximum", false, false, 0.0, inf, {1, 2}, 1.0, 2.0},
        {"huge range", false, false, -1e308, 1e308, {1, 2}, 1.0, 2.0},
        {"inverted", false, false, 5.0, 1.0, {1, 2}, 1.0, 2.0},
        {"no data", true, true, 0.0, 0.0, {}, 0.0, 1.0},
        {"only non-finite data", true, true, 0.0, 0.0, {NAN, inf}, 0.0, 1.0},
        {"one value", true, true, 0.0, 0.0, {100.0}, 90.0, 110.0},
        {"one small value", true, true, 0.0, 0.0, {0.0}, -1.0, 1.0},
    };
    for (const SRangeCase& c : cases) {
        SChartAxis axis;
        axis.bAutomaticMinimum = c.bAutoMin;
        axis.bAutomaticMaximum = c.bAutoMax;
        axis.dMinimum = c.dMin;
        axis.dMaximum = c.dMax;
        SDataExtent extent;
        for (double dValue : c.data)
            extent.Add(dValue);
        SAxisRange range = ResolveAxisRange(axis, extent, &Same);
        EXPECT_EQ(range.dLower, c.dLower) << c.pszName;
        EXPECT_EQ(range.dUpper, c.dUpper) << c.pszName;
        EXPECT_TRUE(IsDrawableRange(range.dLower, range.dUpper)) << c.pszName;
    }
}

TEST(AutomationDate, TimeOfDayRunsForwardBeforeTheEpoch) {
    EXPECT_EQ(AutomationDateToLinearDays(-1.25), -0.75);
    EXPECT_EQ(AutomationDateToLinearDays(-2.5), -1.5);
    EXPECT_EQ(AutomationDateToLinearDays(-1.0), -1.0);
    EXPECT_EQ(AutomationDateToLinearDays(2.25), 2.25);
    EXPECT_EQ(AutomationDateToUnixSeconds(25569.0), 0.0);
    EXPECT_EQ(AutomationDateToUnixSeconds(25569.5), 43200.0);
}

} // namespace
