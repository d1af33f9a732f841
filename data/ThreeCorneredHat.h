#pragma once

// Three clocks, each measured against one common reference: the differences of each pair
// remove the reference, and if the three clocks are independent, each one's own variance
// follows from the variances of the three pairwise differences:
//   sigma2_A = (sigma2_AB + sigma2_AC - sigma2_BC) / 2, and the same for B and C.
// A result below 0 means the clocks are correlated, or the data too short for the estimate:
// it is returned as it is, never clamped.
struct SHatVariances {
    double dA = 0.0;
    double dB = 0.0;
    double dC = 0.0;
};

SHatVariances HatVariances(double dAB, double dAC, double dBC);
