#include "data/DatePoint.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

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

TEST(DatePoint, AChartJulianDateIsOneTheCalendarPlaces) {
    const auto ExpectAsTheCalendar = [](double dJulian) {
        ASSERT_EQ(IsChartJulianDate(dJulian), IsChartDate(JulianToDateTime(dJulian)))
            << std::hexfloat << dJulian;
    };
    // Around the first and the last day of the years 100 to 9999, to the last bit and by the
    // half millisecond that rounds into the next day.
    for (double dEnd : {1757584.5, 1757585.5, 1757586.5, 5373483.5, 5373484.5, 5373485.5}) {
        for (double dStep : {0.0, 0.5 / 86400000.0, 1.0 / 86400000.0, 1.0 / 86400.0}) {
            for (double dJulian : {dEnd - dStep, dEnd + dStep}) {
                ExpectAsTheCalendar(std::nextafter(dJulian, 0.0));
                ExpectAsTheCalendar(dJulian);
                ExpectAsTheCalendar(std::nextafter(dJulian, 1e9));
            }
        }
    }
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> julian(1.7e6, 5.4e6);
    for (int i = 0; i < 100000; ++i)
        ExpectAsTheCalendar(julian(random));
    for (double dJulian : {-1e300, 0.0, 1e300, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()})
        ExpectAsTheCalendar(dJulian);
}
