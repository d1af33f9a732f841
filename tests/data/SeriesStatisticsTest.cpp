#include "data/SeriesStatistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using S = SSeriesStatistics;
using std::sqrt;
constexpr double NaN = S::NaN;
constexpr double INF = std::numeric_limits<double>::infinity();

// Within dRelative of the expected value, or both NaN.
bool Close(double dActual, double dExpected, double dRelative) {
    return std::fabs(dActual - dExpected) <= dRelative * std::fabs(dExpected) ||
           (std::isnan(dActual) && std::isnan(dExpected));
}

constexpr double S::*FIELDS[] = {
    &S::dFirstX, &S::dLastX,  &S::dMean,       &S::dStd,   &S::dRms,   &S::dMin,        &S::dXOfMin,
    &S::dMax,    &S::dXOfMax, &S::dPeakToPeak, &S::dFitY0, &S::dSlope, &S::dResidualStd};

TEST(SeriesStatistics, SmallSeriesGiveTheValuesWorkedOutByHandAtAnyScale) {
    // Count, skipped, first x, last x, mean, std, rms, min and its x, max and its x, peak to
    // peak, the line at the first x, slope, residual std; the extremes at their first x.
    const struct {
        std::vector<double> x, y;
        S expected;
    } cases[] = {
        {{}, {}, {}},
        {{5}, {7}, {1, 0, 5, 5, 7, NaN, 7, 7, 5, 7, 5, 0}},
        {{0, 0.3}, {0.1, 0.7}, {2, 0, 0, 0.3, 0.4, sqrt(0.18), 0.5, 0.1, 0, 0.7, 0.3, 0.6, 0.1, 2}},
        {{1, 2, 3}, {0.1, 0.1, 0.1}, {3, 0, 1, 3, 0.1, 0, 0.1, 0.1, 1, 0.1, 1, 0, 0.1, 0, 0}},
        {{3, 3, 3}, {1, 2, 3}, {3, 0, 3, 3, 2, 1, sqrt(14.0 / 3), 1, 3, 3, 3, 2}},
        {{0, 1, 3, 4},
         {1, 3, 7, 9},
         {4, 0, 0, 4, 5, sqrt(40 / 3.0), sqrt(35.0), 1, 0, 9, 4, 8, 1, 2, 0}},
        // A line of 1e9 per unit from 1e6 far from x = 0, with a wiggle (1, -2, 1, 0) it cannot
        // follow: the line and the wiggle's residuals, exactly.
        {{1e15, 1e15 + 0.25, 1e15 + 0.5, 1e15 + 1},
         {1000001, 250999998, 501000001, 1001000000},
         {4, 0, 1e15, 1e15 + 1, 4385e5, sqrt(546875e12 / 3), sqrt(4385e5 * 4385e5 + 546875e12 / 4),
          1000001, 1e15, 1001000000, 1e15 + 1, 999999999, 1e6, 1e9, sqrt(3.0)}},
        // (1, 1), (2, 3) and (4, 5) among points that are not finite, the first and last too.
        {{NaN, 1, 2, 2.5, 3, 4, 6},
         {7, 1, 3, NaN, INF, 5, -INF},
         {3, 4, 1, 4, 3, 2, sqrt(35.0 / 3), 1, 1, 5, 4, 4, 9.0 / 7, 9.0 / 7, sqrt(2.0 / 7)}},
        // Small values among large ones of both signs, which a plain running sum drops.
        {{0, 1, 2, 3},
         {1, 1e16, 1, -1e16},
         {4, 0, 0, 3, 0.5, sqrt(2 / 3.0) * 1e16, sqrt(0.5) * 1e16, -1e16, 3, 1e16, 1, 2e16, 6e15,
          -4e15, sqrt(0.6) * 1e16}},
    };
    // Scaled by powers of two, exactly, to where squares overflow or underflow: all but the
    // slope scale alike.
    for (int nExp : {0, 900, -700}) {
        for (const auto& c : cases) {
            std::vector<double> x = c.x, y = c.y;
            for (double* p : {x.data(), y.data()})
                std::transform(p, p + x.size(), p,
                               [nExp](double d) { return std::ldexp(d, nExp); });
            SCOPED_TRACE("case " + std::to_string(&c - cases) + " at 2^" + std::to_string(nExp));
            const S s = ComputeStatistics(x.data(), y.data(), x.size());
            EXPECT_EQ(s.nCount, c.expected.nCount);
            EXPECT_EQ(s.nSkipped, c.expected.nSkipped);
            for (std::size_t i = 0; i < std::size(FIELDS); ++i)
                EXPECT_PRED3(Close, s.*FIELDS[i],
                             std::ldexp(c.expected.*FIELDS[i], FIELDS[i] == &S::dSlope ? 0 : nExp),
                             1e-14)
                    << "column " << i + 3;
        }
    }
}

TEST(SeriesStatistics, SmallVariationsOnLargeOffsetsKeepTheirDigits) {
    // Nanoseconds every quarter of an hour for ten days from a Julian Date, where one-pass sums
    // of x, x^2 and xy lose every digit of the slope: y = 1e6 + d (-1)^k, k = 0 .. n - 1, n even.
    // Mean 1e6, std d sqrt(n / (n - 1)), slope -6 d / ((n^2 - 1) step), the line at the first x
    // 1e6 + 3 d / (n + 1), residual std d sqrt(n (n^2 - 4) / ((n^2 - 1) (n - 2))).
    const int n = 1000;
    std::vector<double> x, y;
    for (int k = 0; k < n; ++k) {
        x.push_back(2460650.5 + k / 96.0);
        y.push_back(k % 2 == 0 ? 1e6 + 1e-3 : 1e6 - 1e-3);
    }
    const double d = (y[0] - y[1]) / 2; // as the doubles hold it
    const S s = ComputeStatistics(x.data(), y.data(), n);
    EXPECT_PRED3(Close, s.dMean, y[1] + d, 5e-16);
    EXPECT_PRED3(Close, s.dFitY0, y[1] + d + 3 * d / (n + 1), 5e-16);
    EXPECT_PRED3(Close, s.dStd, d * sqrt(n / (n - 1.0)), 1e-12);
    EXPECT_PRED3(Close, s.dSlope, -6 * d * 96 / (n * n - 1.0), 1e-9); // x rounded to 40 us
    EXPECT_PRED3(Close, s.dResidualStd, d * sqrt(n * (n * n - 4.0) / ((n * n - 1.0) * (n - 2))),
                 1e-12);
}

// A clock's phase in ns drifting by a known amount: 3 ns a day of offset, 0.5 ns a day a day
// of curvature, on a Julian Date offset. The fraction of 1 ns a day is 1 / 86400e9.
TEST(SeriesStatistics, TheParabolaGivesTheFrequencyDrift) {
    std::vector<double> x, y;
    for (int k = 0; k < 3000; ++k) {
        const double t = k / 96.0;
        x.push_back(2460650.5 + t);
        y.push_back(1e6 + 3.0 * t + 0.5 * t * t + (k % 2 == 0 ? 0.2 : -0.2));
    }
    const S s = ComputeStatistics(x.data(), y.data(), x.size());
    EXPECT_PRED3(Close, s.dQuadratic, 0.5, 1e-6);
    EXPECT_PRED3(Close, FrequencyOf(s, 1e-9).dDriftPerDay, 1.0 / 86400e9, 1e-6);
    EXPECT_PRED3(Close, FrequencyOf(ComputeStatistics(x.data(), x.data(), 2), 1e-9).dOffset,
                 1e-9 / 86400, 1e-12); // y = x: 1 ns a day
    EXPECT_TRUE(std::isnan(ComputeStatistics(x.data(), y.data(), 2).dQuadratic));
}

TEST(SeriesStatistics, RangeTakesThePointsFromToBothEndsIncluded) {
    const double x[] = {0, 1, 2, NaN, 3, 4, 5};
    const double y[] = {10, 11, NaN, 12, 13, 14, 15};
    // From, to, count, skipped, first x.
    const double cases[][5] = {{1, 3, 2, 2, 1},   {1.5, 3.5, 1, 2, 3}, {2.5, 3, 1, 0, 3},
                               {0.5, 9, 4, 2, 1}, {5, 5, 1, 0, 5},     {-INF, INF, 5, 2, 0},
                               {6, 9, 0, 0, NaN}, {3, 1, 0, 0, NaN},   {NaN, 3, 0, 0, NaN}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c[0]) + " to " + std::to_string(c[1]));
        const S s = ComputeStatisticsIn(x, y, 7, c[0], c[1]);
        EXPECT_EQ(s.nCount, c[2]);
        EXPECT_EQ(s.nSkipped, c[3]);
        EXPECT_PRED3(Close, s.dFirstX, c[4], 0);
    }
}

} // namespace
