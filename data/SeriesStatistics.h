#pragma once

#include <cstddef>
#include <limits>

// The statistics of one series and its least-squares straight line, for points given as
// arrays x and y with x ascending (Julian Dates in days, or any plain unit).
//
// Precision: clock differences are nanoseconds on offsets of a million or more against x
// near 2460650.5, where sums of squares of the raw values cancel away most of the digits.
// Every square and product here is one of deviations instead. x is taken relative to the
// first point, which is exact for neighbouring doubles and keeps the digits of the mean x
// that the line's value at the first x needs; x and y are then taken relative to their means
// (two passes). All sums are Neumaier's compensated ones, which keep small terms among large
// ones, and the corrected two-pass term removes what rounding leaves of the means. The
// residuals of the line are summed as they are, not derived from the other sums, which would
// cancel when the line fits closely. Values are scaled by powers of two (exact) while they are
// summed, so that no square overflows or underflows for any finite input: only a result that
// does not fit in a double comes out infinite.
//
// Points whose x or y is not a finite number are left out and counted. Whatever is undefined
// is NaN: everything but the counts for no point, the standard deviation and the line for
// fewer than 2 points, the line when all x are equal, the residuals' standard deviation for
// fewer than 3 points.
struct SSeriesStatistics {
    static constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

    long long nCount = 0;   // finite points used
    long long nSkipped = 0; // points left out: x or y not a finite number
    double dFirstX = NaN;   // of the first and the last point used
    double dLastX = NaN;
    double dMean = NaN;
    double dStd = NaN; // sample standard deviation, n - 1 degrees of freedom
    double dRms = NaN;
    double dMin = NaN; // the extremes and the x of their first occurrence
    double dXOfMin = NaN;
    double dMax = NaN;
    double dXOfMax = NaN;
    double dPeakToPeak = NaN;
    double dFitY0 = NaN;       // the line y = dFitY0 + dSlope * (x - dFirstX) at dFirstX
    double dSlope = NaN;       // per x unit
    double dResidualStd = NaN; // of y about the line, n - 2 degrees of freedom
    // The least-squares parabola's coefficient of x squared, per x unit squared: half the rate
    // at which the slope changes (a clock's frequency drift, of its phase). NaN for fewer than 3
    // points or fewer than 3 different x.
    double dQuadratic = NaN;
};

// A clock's frequency from the statistics of its phase against days (y in units of
// dSecondsPerUnit seconds): the line's slope as a fractional frequency (s/s; 1 ns a day is
// 1.1574e-14), and its drift, the change of that fraction a day, from the parabola.
struct SFrequency {
    double dOffset = SSeriesStatistics::NaN;
    double dDriftPerDay = SSeriesStatistics::NaN;
};
SFrequency FrequencyOf(const SSeriesStatistics& stats, double dSecondsPerUnit);

// Point i is at pX[i * nStride] and pY[i * nStride]: x and y may lie interleaved in one array.
SSeriesStatistics ComputeStatistics(const double* pX, const double* pY, std::size_t nPoints,
                                    std::size_t nStride = 1);
// Point i is at pX[i * nStrideX] and pY[i * nStrideY]: x and y where a store keeps them apart.
SSeriesStatistics ComputeStatistics(const double* pX, std::size_t nStrideX, const double* pY,
                                    std::size_t nStrideY, std::size_t nPoints);

// Over the points with dFromX <= x <= dToX, both ends included, found by binary search on
// the ascending x. A point whose x is NaN takes the place of the x before it: it counts as
// skipped when that x is in the range. No point when dFromX > dToX or either is NaN.
SSeriesStatistics ComputeStatisticsIn(const double* pX, const double* pY, std::size_t nPoints,
                                      double dFromX, double dToX, std::size_t nStride = 1);

// y minus the line of fit at x: the point with the series' straight line removed.
inline double Residual(const SSeriesStatistics& fit, double dX, double dY) {
    return (dY - fit.dFitY0) - fit.dSlope * (dX - fit.dFirstX);
}
