#include "data/SeriesStatistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using S = SSeriesStatistics;
constexpr double NaN = S::NaN;
constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double JD = 2460650.5;

// Within dRelative of the expected value; an expected NaN wants NaN.
void ExpectClose(double dActual, double dExpected, double dRelative, const std::string& strWhat) {
    if (std::isnan(dExpected))
        EXPECT_TRUE(std::isnan(dActual)) << strWhat << ": " << dActual;
    else
        EXPECT_LE(std::fabs(dActual - dExpected), dRelative * std::fabs(dExpected))
            << strWhat << ": " << dActual << " instead of " << dExpected;
}

void ExpectStatistics(const S& actual, const S& expected, const std::string& strCase) {
    EXPECT_EQ(actual.nCount, expected.nCount) << strCase;
    EXPECT_EQ(actual.nSkipped, expected.nSkipped) << strCase;
    int nColumn = 2;
    for (double S::*pField :
         {&S::dFirstX, &S::dLastX, &S::dMean, &S::dStd, &S::dRms, &S::dMin, &S::dXOfMin, &S::dMax,
          &S::dXOfMax, &S::dPeakToPeak, &S::dFitY0, &S::dSlope, &S::dResidualStd})
        ExpectClose(actual.*pField, expected.*pField, 1e-14,
                    strCase + ", column " + std::to_string(++nColumn));
}

TEST(SeriesStatistics, SmallSeriesGiveTheValuesWorkedOutByHand) {
    // Columns: 1 count, 2 skipped, 3 first x, 4 last x, 5 mean, 6 std, 7 rms, 8 min, 9 its x,
    // 10 max, 11 its x, 12 peak to peak, 13 line at the first x, 14 slope, 15 residual std.
    const struct {
        const char* pszCase;
        std::vector<double> x, y;
        S expected;
    } cases[] = {
        {"no point", {}, {}, {}},
        {"one point", {5}, {7}, {1, 0, 5, 5, 7, NaN, 7, 7, 5, 7, 5, 0}},
        {"two points",
         {0, 2},
         {1, 5},
         {2, 0, 0, 2, 3, std::sqrt(8.0), std::sqrt(13.0), 1, 0, 5, 2, 4, 1, 2}},
        // The extremes at their first occurrence.
        {"constant",
         {10, 11, 12},
         {0.1, 0.1, 0.1},
         {3, 0, 10, 12, 0.1, 0, 0.1, 0.1, 10, 0.1, 10, 0, 0.1, 0, 0}},
        {"all x equal",
         {3, 3, 3},
         {1, 2, 3},
         {3, 0, 3, 3, 2, 1, std::sqrt(14.0 / 3), 1, 3, 3, 3, 2}},
        {"exact line",
         {JD, JD + 0.25, JD + 0.5, JD + 1},
         {5, 5.5, 6, 7},
         {4, 0, JD, JD + 1, 5.875, std::sqrt(2.1875 / 3), std::sqrt(140.25 / 4), 5, JD, 7, JD + 1,
          2, 5, 2, 0}},
        // (1, 1), (2, 3) and (4, 5) among points that are not finite, the first and last too.
        {"not finite",
         {NaN, 1, 2, 2.5, 3, 4, 6},
         {7, 1, 3, NaN, INF, 5, -INF},
         {3, 4, 1, 4, 3, 2, std::sqrt(35.0 / 3), 1, 1, 5, 4, 4, 9.0 / 7, 9.0 / 7,
          std::sqrt(2.0 / 7)}},
        // Squares beyond the range of a double, either way.
        {"huge",
         {1e300, 2e300},
         {-1e300, 1e300},
         {2, 0, 1e300, 2e300, 0, std::sqrt(2.0) * 1e300, 1e300, -1e300, 1e300, 1e300, 2e300, 2e300,
          -1e300, 2}},
        {"tiny",
         {0, 1},
         {1e-200, 3e-200},
         {2, 0, 0, 1, 2e-200, std::sqrt(2.0) * 1e-200, std::sqrt(5.0) * 1e-200, 1e-200, 0, 3e-200,
          1, 2e-200, 1e-200, 2e-200}},
    };
    for (const auto& c : cases)
        ExpectStatistics(ComputeStatistics(c.x.data(), c.y.data(), c.x.size()), c.expected,
                         c.pszCase);
}

// The textbook one-pass sums of the raw values, for contrast.
S NaiveOnePass(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    double dX = 0, dY = 0, dXX = 0, dXY = 0, dYY = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        dX += x[i];
        dY += y[i];
        dXX += x[i] * x[i];
        dXY += x[i] * y[i];
        dYY += y[i] * y[i];
    }
    S naive;
    naive.dStd = std::sqrt((dYY - dY * dY / n) / (n - 1));
    naive.dSlope = (dXY - dX * dY / n) / (dXX - dX * dX / n);
    return naive;
}

TEST(SeriesStatistics, SmallVariationsOnLargeOffsetsKeepTheirDigits) {
    // Every quarter of an hour for ten days: y = offset + d (-1)^k, k = 0 .. n - 1, n even.
    // Closed forms: mean offset, std d sqrt(n / (n - 1)), slope -6 d / ((n^2 - 1) step), the
    // line at the first x offset + 3 d / (n + 1), residual std d sqrt(n (n^2 - 4) / ((n^2 - 1)
    // (n - 2))).
    const struct {
        double dOffset, dAmplitude;
    } cases[] = {{1e6, 1e-3}, {1e-3, 1e-12}}; // nanoseconds and seconds
    const int n = 1000;
    for (const auto& c : cases) {
        std::vector<double> x, y;
        for (int k = 0; k < n; ++k) {
            x.push_back(JD + k / 96.0);
            y.push_back(c.dOffset + (k % 2 == 0 ? c.dAmplitude : -c.dAmplitude));
        }
        // Offset and amplitude as the doubles hold them.
        const double d = (y[0] - y[1]) / 2;
        const double dOffset = y[1] + d;
        const double dStd = d * std::sqrt(n / (n - 1.0));
        const double dSlope = -6 * d * 96 / (n * n - 1.0);
        const S s = ComputeStatistics(x.data(), y.data(), n);
        const std::string strCase = "offset " + std::to_string(c.dOffset);
        ExpectClose(s.dMean, dOffset, 5e-16, strCase + " mean");
        ExpectClose(s.dFitY0, dOffset + 3 * d / (n + 1), 5e-16, strCase + " line at the first x");
        ExpectClose(s.dStd, dStd, 1e-12, strCase + " std");
        // x are rounded to 0.5 ns: 6e-11 of this slope.
        ExpectClose(s.dSlope, dSlope, 1e-9, strCase + " slope");
        ExpectClose(s.dResidualStd, d * std::sqrt(n * (n * n - 4.0) / ((n * n - 1.0) * (n - 2))),
                    1e-12, strCase + " residual std");

        const S naive = NaiveOnePass(x, y);
        EXPECT_FALSE(std::fabs(naive.dStd / dStd - 1) < 1e-4) << strCase << " " << naive.dStd;
        EXPECT_FALSE(std::fabs(naive.dSlope / dSlope - 1) < 0.1) << strCase << " " << naive.dSlope;
    }
}

TEST(SeriesStatistics, RangeTakesThePointsFromToBothEndsIncluded) {
    const double x[] = {0, 1, 2, 3, 4, 5};
    const double y[] = {10, 11, NaN, 13, 14, 15};
    const struct {
        double dFrom, dTo;
        long long nCount, nSkipped;
        double dFirstX, dLastX, dMean;
    } cases[] = {
        {1, 3, 2, 1, 1, 3, 12},        {1.5, 3.5, 1, 1, 3, 3, 13},  {3, 5, 3, 0, 3, 5, 14},
        {-10, 0, 1, 0, 0, 0, 10},      {5, 5, 1, 0, 5, 5, 15},      {-INF, INF, 5, 1, 0, 5, 12.6},
        {5.5, 9, 0, 0, NaN, NaN, NaN}, {3, 1, 0, 0, NaN, NaN, NaN}, {NaN, 3, 0, 0, NaN, NaN, NaN},
    };
    for (const auto& c : cases) {
        const S s = ComputeStatisticsIn(x, y, 6, c.dFrom, c.dTo);
        const std::string strCase = std::to_string(c.dFrom) + " to " + std::to_string(c.dTo);
        EXPECT_EQ(s.nCount, c.nCount) << strCase;
        EXPECT_EQ(s.nSkipped, c.nSkipped) << strCase;
        ExpectClose(s.dFirstX, c.dFirstX, 0, strCase + " first x");
        ExpectClose(s.dLastX, c.dLastX, 0, strCase + " last x");
        ExpectClose(s.dMean, c.dMean, 1e-15, strCase + " mean");
    }
}

TEST(SeriesStatistics, FitResidualsAreYLessTheLineFromTheFirstX) {
    S fit;
    fit.dFirstX = JD;
    fit.dFitY0 = 1e6;
    fit.dSlope = 4;
    const double x[] = {JD, JD + 0.25, JD + 0.5, JD + 1};
    const double y[] = {1e6 + 0.5, 1e6 + 1, INF, 1e6 + 3};
    const std::vector<double> residuals = FitResiduals(fit, x, y, 4);
    const double expected[] = {0.5, 0, NaN, -1};
    for (int i = 0; i < 4; ++i)
        ExpectClose(residuals[i], expected[i], 0, "point " + std::to_string(i));
}

} // namespace
