#include "data/ThreeCorneredHat.h"

#include <gtest/gtest.h>

#include <cmath>

// Clocks of 6, 8 and 10 parts in 10^12 give pairs of 1.00, 1.28 and 1.17 parts in 10^11.
// A pair far noisier than the other two allows: its clocks cannot both be independent and
// that quiet. The negative variance comes back as it is.
TEST(ThreeCorneredHat, GivesEachClockBackFromItsPairsANegativeVarianceUnclamped) {
    const double dA = 6e-12, dB = 8e-12, dC = 10e-12;
    const double dAB = std::sqrt(dA * dA + dB * dB), dBC = std::sqrt(dB * dB + dC * dC),
                 dCA = std::sqrt(dC * dC + dA * dA);
    EXPECT_NEAR(dAB, 1.00e-11, 0.005e-11);
    EXPECT_NEAR(dBC, 1.28e-11, 0.005e-11);
    EXPECT_NEAR(dCA, 1.17e-11, 0.005e-11);
    const SHatVariances hat = HatVariances(dAB * dAB, dCA * dCA, dBC * dBC);
    EXPECT_NEAR(std::sqrt(hat.dA), dA, 1e-24);
    EXPECT_NEAR(std::sqrt(hat.dB), dB, 1e-24);
    EXPECT_NEAR(std::sqrt(hat.dC), dC, 1e-24);
    const SHatVariances negative = HatVariances(1.0, 1.0, 9.0);
    EXPECT_DOUBLE_EQ(negative.dA, -3.5);
    EXPECT_DOUBLE_EQ(negative.dB, 4.5);
    EXPECT_DOUBLE_EQ(negative.dC, 4.5);
}
