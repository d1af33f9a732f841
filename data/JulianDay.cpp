#include "data/JulianDay.h"

#include <cstdint>

namespace {

// The nearest doubles to the reciprocals; the algorithm multiplies by them, never divides.
constexpr double ONE_HOUR = 1.0 / 3600.0;
constexpr double ONE_DAY_IN_HOURS = 1.0 / 24.0;

constexpr int MARCH_BASE_DAY = 1721119;

} // namespace

void JulianToCalendar(double julianDay, int& month, int& day, int& year, int& hour, int& minute,
                      double& second) {
    int n = 0;
    if (!JulianToDayAndTime(julianDay, n, hour, minute, second)) {
        month = day = year = hour = minute = 0;
        second = 0.0;
        return;
    }
    int t = 4 * (n - MARCH_BASE_DAY) - 1;
    int c = t / 146097;
    int d = (t - 146097 * c) / 4;
    int y = (4 * d + 3) / 1461;
    d = (4 * d - 1461 * y + 7) / 4;
    int m = (5 * d - 3) / 153;
    day = (5 * d - 153 * m + 2) / 5;
    year = 100 * c + y;
    if (m < 10) {
        month = m + 3;
    } else {
        month = m - 9;
        year = year + 1;
    }
}

double CalendarToJulian(int month, int day, int year, int hour, int minute, double second) {
    // 64-bit integers give the same truncating results as 32-bit ones wherever those are
    // defined, and stay defined for any input.
    double s = (static_cast<double>(std::int64_t{minute} * 60) + static_cast<double>(hour) * 3600) +
               second;
    std::int64_t mm = 0;
    std::int64_t yy = 0;
    if (month > 2) {
        mm = std::int64_t{month} - 3;
        yy = year;
    } else {
        mm = std::int64_t{month} + 9;
        yy = std::int64_t{year} - 1;
    }
    std::int64_t c = yy / 100;
    std::int64_t ya = yy - 100 * c;
    std::int64_t n = 146097 * c / 4 + 1461 * ya / 4 + (153 * mm + 2) / 5 + day + MARCH_BASE_DAY;
    if (s >= 43200)
        return ((s - 43200) * ONE_HOUR) * ONE_DAY_IN_HOURS + static_cast<double>(n);
    return ((s + 43200) * ONE_HOUR) * ONE_DAY_IN_HOURS + static_cast<double>(n - 1);
}
