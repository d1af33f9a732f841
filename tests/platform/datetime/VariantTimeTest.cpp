#include "platform/datetime/VariantTime.h"

#include <gtest/gtest.h>

TEST(SystemTimeToVariantTime, GivesThePublishedDayCountForRealDatesOnly) {
    // Year, month, day of week, day, hour, minute, second, milliseconds; then the day count,
    // or nothing for what is no date.
    const struct {
        SYSTEMTIME st;
        BOOL bValid;
        double dDate;
    } cases[] = {
        {{1899, 12, 0, 30}, TRUE, 0.0},
        {{1899, 12, 0, 30, 18}, TRUE, 0.75},
        {{1899, 12, 0, 29, 6}, TRUE, -1.25},
        {{1899, 12, 0, 28, 12}, TRUE, -2.5},
        {{1900, 3, 0, 1}, TRUE, 61.0},
        {{2000, 2, 0, 29}, TRUE, 36585.0},
        {{100, 1, 0, 1}, TRUE, -657434.0},
        {{9999, 12, 0, 31, 23, 59, 59, 999}, TRUE, 2958465.0 + 86399999.0 / 86400000.0},
        {{99, 12, 0, 31}, FALSE, 0.0},
        {{10000, 1, 0, 1}, FALSE, 0.0},
        {{1900, 2, 0, 29}, FALSE, 0.0},
        {{2000, 1, 0, 1, 24}, FALSE, 0.0},
        {{2000, 1, 0, 1, 0, 0, 0, 1000}, FALSE, 0.0},
    };
    for (const auto& c : cases) {
        double dDate = -99.0;
        EXPECT_EQ(SystemTimeToVariantTime(&c.st, &dDate), c.bValid)
            << c.st.wYear << "-" << c.st.wMonth << "-" << c.st.wDay;
        EXPECT_EQ(dDate, c.bValid ? c.dDate : -99.0) << c.st.wYear << "-" << c.st.wMonth;
    }
}
