#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A series of phase samples laid on the grid of its nominal step tau0: one slot each tau0 from
// the first point to the last, the samples that are not there (a step of k tau0 leaves k - 1
// of them, a phase that is no number leaves its own) marked missing.

struct SSampleGrid {
    double dTau0 = 0.0;        // seconds
    std::vector<double> phase; // one a slot, NaN where the sample is missing
    long long nMissing = 0;    // NaN slots
    std::string strWhyNot;     // why the series has no grid, or empty
    long long nBadPoint = -1;  // the point (from 0) to blame for the refusal, or -1
};

// x in seconds. tau0 is the slope of the least-squares line of x against the slot index, so it
// is the step the x were written at, whatever their rounding. Refused: fewer than 3 points, an
// x that is not finite or does not ascend, a step that is no whole multiple k >= 1 of tau0
// within STEP_TOLERANCE tau0 (the point that ends it), more than MAX_SLOTS slots.
SSampleGrid LayOnGrid(const double* pX, const double* pPhase, std::size_t nPoints);

inline constexpr double STEP_TOLERANCE = 0.01;
// Slots kept in memory (twelve bytes each at most in the computation): more than four years of
// one-second samples.
inline constexpr long long MAX_SLOTS = 100'000'000;
