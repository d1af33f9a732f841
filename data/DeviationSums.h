#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The sums of squares behind the overlapping Allan, the modified Allan and the overlapping
// Hadamard variance at one averaging factor m, over the terms whose samples are all present.
struct SDeviationSums {
    double dAdevSquares = 0.0; // of the second differences d_i
    long long nAdevTerms = 0;
    double dMdevSquares = 0.0; // of the sums of m neighbouring d_i
    long long nMdevTerms = 0;
    double dHdevSquares = 0.0; // of the third differences
    long long nHdevTerms = 0;
};

// phase: one a slot, NaN where a sample is missing; missingBefore[i]: the NaN slots before slot
// i (phase.size() + 1 of them), or empty when none is missing. m <= phase.size() / 3.
SDeviationSums SumDeviations(const std::vector<double>& phase,
                             const std::vector<std::uint32_t>& missingBefore, std::size_t m);
