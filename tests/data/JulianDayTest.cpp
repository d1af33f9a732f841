#include "data/JulianDay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <limits>
#include <string>

// The fields as month/day/year hour:minute:second, the second to all its digits: the arithmetic
// is fixed to the last bit.
static std::string ToCalendar(double julianDay) {
    int month = 0, day = 0, year = 0, hour = 0, minute = 0;
    double second = 0.0;
    JulianToCalendar(julianDay, month, day, year, hour, minute, second);
    char szText[80];
    std::snprintf(szText, sizeof szText, "%d/%d/%d %d:%d:%.17g", month, day, year, hour, minute,
                  second);
    return szText;
}

// Values outside the 32-bit domain give no date; the last values inside it still run the
// arithmetic.
TEST(JulianDay, JulianToCalendarGivesTheExactFields) {
    const struct {
        double julianDay;
        const char* pszExpected;
    } cases[] = {
        {2449081.5, "4/4/1993 0:0:0"},   {2449082.0, "4/4/1993 12:0:0"},
        {2449082.25, "4/4/1993 18:0:0"}, {2449082.4999999, "4/4/1993 23:59:59.991349875926971"},
        {2449082.5, "4/5/1993 0:0:0"},   {2449081.5416666665, "4/4/1993 0:59:59.999986588954926"},
        {2451545.0, "1/1/2000 12:0:0"},  {2440587.5, "1/1/1970 0:0:0"},
        {2415079.0, "2/28/1900 12:0:0"}, {2415079.5, "3/1/1900 0:0:0"},
        {2299159.5, "10/14/1582 0:0:0"}, {2299160.5, "10/15/1582 0:0:0"},
        {1721119.5, "3/1/0 0:0:0"},      {1721118.5, "3/1/0 0:0:0"},
        {1721118.0, "3/0/0 12:0:0"},     {1000000.5, "-1/-3/-1974 0:0:0"},
        {200000.5, "-5/0/-4164 0:0:0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToCalendar(c.julianDay), c.pszExpected) << std::setprecision(17) << c.julianDay;
    const double inf = std::numeric_limits<double>::infinity();
    for (double julianDay : {std::nan(""), inf, -inf, 1e300, -1e300, 538592030.5, 4e9, -535149793.0,
                             -3e9, std::numeric_limits<double>::max()})
        EXPECT_EQ(ToCalendar(julianDay), "0/0/0 0:0:0") << julianDay;
    EXPECT_NE(ToCalendar(538592030.4), "0/0/0 0:0:0");
    EXPECT_NE(ToCalendar(-535149792.9), "0/0/0 0:0:0");
}

TEST(JulianDay, CalendarToJulianGivesTheExactDayAndTheWayBack) {
    const struct {
        int input[5];
        double dSecond, julianDay;
        const char* pszBack;
    } cases[] = {
        {{4, 4, 1993, 0, 0}, 0.0, 2449081.5, "4/4/1993 0:0:0"},
        {{1, 1, 2000, 12, 0}, 0.0, 2451545.0, "1/1/2000 12:0:0"},
        {{3, 1, 2000, 12, 0}, 0.0, 2451605.0, "3/1/2000 12:0:0"},
        {{1, 1, 2000, 0, 0}, 1.0, 2451544.500011574, "1/1/2000 0:0:0.99999457597732544"},
        {{12, 31, 1999, 6, 30}, 15.0, 2451543.7710069446, "12/31/1999 6:30:15.000012516975403"},
        {{13, 1, 1999, 0, 0}, 0.0, 2451544.5, "1/1/2000 0:0:0"},
        {{1, 0, 2000, 0, 0}, 0.0, 2451543.5, "12/31/1999 0:0:0"},
        {{2, 29, 0, 0, 0}, 0.0, 1721119.5, "3/1/0 0:0:0"},
    };
    for (const auto& c : cases) {
        const double julianDay =
            CalendarToJulian(c.input[0], c.input[1], c.input[2], c.input[3], c.input[4], c.dSecond);
        EXPECT_EQ(julianDay, c.julianDay) << std::setprecision(17) << julianDay;
        EXPECT_EQ(ToCalendar(julianDay), c.pszBack);
    }
}
