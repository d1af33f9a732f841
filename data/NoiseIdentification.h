#pragma once

#include <cstddef>
#include <vector>

// The dominant power-law noise of a clock at one averaging time tau = m tau0, as the exponent
// alpha of the frequency's spectral density S_y(f) ~ f^alpha: 2 white phase, 1 flicker phase,
// 0 white frequency, -1 flicker frequency, -2 random-walk frequency noise.

// How alpha at one tau was found.
enum class EAlphaSource {
    Fixed,           // given, the same at every tau
    Autocorrelation, // the lag-1 autocorrelation of the phase at this tau
    B1Ratio,         // fewer than 30 points at this tau: the B1 ratio, and R(n) between the
                     // white and the flicker phase noise
    Carried          // nothing at this tau tells the noises apart (too few points, no
                     // variation): alpha of the tau before, or white frequency noise at the first
};

struct SNoiseEstimate {
    int nAlpha = 0;
    EAlphaSource source = EAlphaSource::Carried;
};

// From the phase slots (NaN where missing) at the averaging factor m. The B1 ratio and R(n)
// take the overlapping Allan and the modified Allan variance at this tau, both times tau^2 (NaN
// where there are none); nPreviousAlpha is carried when the data tell nothing.
SNoiseEstimate IdentifyNoise(const std::vector<double>& phase, std::size_t m, double dAvarTau2,
                             double dMvarTau2, int nPreviousAlpha);
