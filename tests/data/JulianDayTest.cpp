#include "data/JulianDay.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>

namespace {

struct SCalendar {
    int month, day, year, hour, minute;
    double second;
};

bool operator==(const SCalendar& a, const SCalendar& b) {
    // Seconds compare bit for bit: the arithmetic is fixed to the last digit.
    return a.month == b.month && a.day == b.day && a.year == b.year && a.hour == b.hour &&
           a.minute == b.minute && std::memcmp(&a.second, &b.second, sizeof(double)) == 0;
}

std::ostream& operator<<(std::ostream& out, const SCalendar& c) {
    return out << c.month << "/" << c.day << "/" << c.year << " " << c.hour << ":" << c.minute
               << ":" << std::setprecision(17) << c.second;
}

SCalendar ToCalendar(double julianDay) {
    SCalendar c{};
    JulianToCalendar(julianDay, c.month, c.day, c.year, c.hour, c.minute, c.second);
    return c;
}

TEST(JulianDay, JulianToCalendarGivesTheExactFields) {
    const struct {
        double julianDay;
        SCalendar expected;
    } cases[] = {
        {2449081.5, {4, 4, 1993, 0, 0, 0.0}},
        {2449082.0, {4, 4, 1993, 12, 0, 0.0}},
        {2449082.25, {4, 4, 1993, 18, 0, 0.0}},
        {2449082.4999999, {4, 4, 1993, 23, 59, 59.99134987592697}},
        {2449082.5, {4, 5, 1993, 0, 0, 0.0}},
        {2449081.5416666665, {4, 4, 1993, 0, 59, 59.999986588954926}},
        {2451545.0, {1, 1, 2000, 12, 0, 0.0}},
        {2440587.5, {1, 1, 1970, 0, 0, 0.0}},
        {2415079.0, {2, 28, 1900, 12, 0, 0.0}},
        {2415079.5, {3, 1, 1900, 0, 0, 0.0}},
        {2299159.5, {10, 14, 1582, 0, 0, 0.0}},
        {2299160.5, {10, 15, 1582, 0, 0, 0.0}},
        {1721119.5, {3, 1, 0, 0, 0, 0.0}},
        {1721118.5, {3, 1, 0, 0, 0, 0.0}},
        {1721118.0, {3, 0, 0, 12, 0, 0.0}},
        {1000000.5, {-1, -3, -1974, 0, 0, 0.0}},
        {200000.5, {-5, 0, -4164, 0, 0, 0.0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToCalendar(c.julianDay), c.expected) << std::setprecision(17) << c.julianDay;
}

TEST(JulianDay, CalendarToJulianGivesTheExactDayAndTheWayBack) {
    const struct {
        SCalendar input;
        double julianDay;
        SCalendar back;
    } cases[] = {
        {{4, 4, 1993, 0, 0, 0.0}, 2449081.5, {4, 4, 1993, 0, 0, 0.0}},
        {{1, 1, 2000, 12, 0, 0.0}, 2451545.0, {1, 1, 2000, 12, 0, 0.0}},
        {{3, 1, 2000, 12, 0, 0.0}, 2451605.0, {3, 1, 2000, 12, 0, 0.0}},
        {{1, 1, 2000, 0, 0, 1.0}, 2451544.500011574, {1, 1, 2000, 0, 0, 0.9999945759773254}},
        {{12, 31, 1999, 6, 30, 15.0},
         2451543.7710069446,
         {12, 31, 1999, 6, 30, 15.000012516975403}},
        {{13, 1, 1999, 0, 0, 0.0}, 2451544.5, {1, 1, 2000, 0, 0, 0.0}},
        {{1, 0, 2000, 0, 0, 0.0}, 2451543.5, {12, 31, 1999, 0, 0, 0.0}},
        {{2, 29, 0, 0, 0, 0.0}, 1721119.5, {3, 1, 0, 0, 0, 0.0}},
    };
    for (const auto& c : cases) {
        const double julianDay = CalendarToJulian(c.input.month, c.input.day, c.input.year,
                                                  c.input.hour, c.input.minute, c.input.second);
        EXPECT_EQ(julianDay, c.julianDay) << std::setprecision(17) << julianDay;
        EXPECT_EQ(ToCalendar(julianDay), c.back);
    }
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

TEST(JulianDay, RoundTripKeepsTheDateAndTheTimeWithin21Microseconds) {
    std::mt19937 random(42);
    for (int i = 0; i < 200000; ++i) {
        int year = 1 + static_cast<int>(random() % 4000);
        int month = 1 + static_cast<int>(random() % 12);
        int day = 1 + static_cast<int>(random() % DaysInMonth(month, year));
        int hour = static_cast<int>(random() % 24);
        int minute = static_cast<int>(random() % 60);
        double second = static_cast<double>(random() % 60);
        SCalendar back = ToCalendar(CalendarToJulian(month, day, year, hour, minute, second));
        ASSERT_EQ(back.year, year);
        ASSERT_EQ(back.month, month);
        ASSERT_EQ(back.day, day);
        double inSeconds = hour * 3600.0 + minute * 60.0 + second;
        double backSeconds = back.hour * 3600.0 + back.minute * 60.0 + back.second;
        ASSERT_LT(std::fabs(backSeconds - inSeconds), 0.000021)
            << year << "-" << month << "-" << day << " " << hour << ":" << minute;
    }
}

TEST(JulianDay, ValuesOutsideThe32BitDomainGiveNoDate) {
    const double inf = std::numeric_limits<double>::infinity();
    const SCalendar none{0, 0, 0, 0, 0, 0.0};
    for (double julianDay : {std::nan(""), inf, -inf, 1e300, -1e300, 538592030.5, 4e9, -535149793.0,
                             -3e9, std::numeric_limits<double>::max()})
        EXPECT_EQ(ToCalendar(julianDay), none) << julianDay;

    // The last values inside the domain still run the arithmetic.
    EXPECT_NE(ToCalendar(538592030.4).month, 0);
    EXPECT_NE(ToCalendar(-535149792.9).year, 0);
}

} // namespace
