#include "data/DatePoint.h"

#include <gtest/gtest.h>

#include <array>

TEST(DatePoint, ModifiedJulianDatesAreJulianDatesLessHalfADayAndTwoMillion) {
    const SDateRule mjd{true};
    EXPECT_EQ(mjd.Julian(60650.0), 2460650.5);
    EXPECT_EQ(mjd.FromJulian(2460650.5), 60650.0);
    const SDateTime time = JulianToDateTime(mjd.Julian(60650.0));
    EXPECT_EQ((std::array{time.nYear, time.nMonth, time.nDay, time.nHour, time.nMinute,
                          time.nSecond, time.nMillisecond}),
              (std::array{2024, 12, 6, 0, 0, 0, 0}));
    // Every x is a date under --mjd, even one a Julian Date reading takes as a plain number.
    EXPECT_TRUE(IsDrawnPoint(60650.25, 1.0, mjd));
    EXPECT_FALSE(SDateRule().IsDate(60650.25));
    EXPECT_TRUE(mjd.IsDate(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(mjd.IsDate(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(IsDrawnPoint(1e9, 1.0, mjd)); // no date of the years 100 to 9999
    EXPECT_FALSE(IsDrawnPoint(60650.25, std::numeric_limits<double>::quiet_NaN(), mjd));
}
