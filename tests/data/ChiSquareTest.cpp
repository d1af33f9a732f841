#include "data/ChiSquare.h"

#include <gtest/gtest.h>

#include <cmath>

// Upper critical values from the NIST/SEMATECH e-Handbook of Statistical Methods (1.3.6.7.4),
// to their digits; the two-degree case in closed form, -2 ln(1 - p); for degrees of freedom
// that are no whole number, or far out in a tail, values from an independent implementation
// (SciPy's chi2.ppf) to check against.
TEST(ChiSquare, QuantilesForWholeAndFractionalDegrees) {
    const struct {
        double dDegrees, p, dQuantile, dTolerance;
    } cases[] = {
        {1, 0.95, 3.841, 2e-4},
        {10, 0.975, 20.483, 5e-5},
        {10, 0.025, 3.247, 2e-4},
        {100, 0.95, 124.342, 1e-5},
        {2, 0.5, 2.0 * std::log(2.0), 1e-12},
        {9.55, 0.8415, 13.7739527910939, 1e-12},
        {0.5, 1e-6, 1.34993957862234e-24, 1e-12},
        {1e5, 0.1585, 99552.5017176436, 1e-12},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ChiSquareQuantile(c.p, c.dDegrees) / c.dQuantile, 1.0, c.dTolerance)
            << c.dDegrees << " " << c.p;
}
