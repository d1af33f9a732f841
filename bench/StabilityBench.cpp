#include "data/Stability.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

// A year of phase a quarter of an hour apart at Julian Date seconds, white and random-walk
// frequency noise together.
struct SSeries {
    std::vector<double> x, phase;
};

SSeries MakeSeries(std::mt19937_64& random) {
    constexpr int POINTS = 365 * 96;
    std::normal_distribution<double> noise(0.0, 1e-9);
    SSeries series;
    double dFrequency = 0.0;
    double dPhase = 0.0;
    for (int i = 0; i < POINTS; ++i) {
        series.x.push_back(2.1e11 + 900.0 * i);
        series.phase.push_back(dPhase);
        dFrequency += 0.01 * noise(random);
        dPhase += 900.0 * (dFrequency + noise(random));
    }
    return series;
}

// All four deviations with their bounds, the noise identified at each tau, at octave tau, for
// the five sets of a graph.
void BM_FiveYearsOctaveTau(benchmark::State& state) {
    std::mt19937_64 random(5);
    std::vector<SSeries> sets;
    for (int s = 0; s < 5; ++s)
        sets.push_back(MakeSeries(random));
    for (auto _ : state) {
        for (const SSeries& series : sets) {
            SStabilityResult result =
                ComputeStability(series.x.data(), series.phase.data(), series.x.size(), {});
            benchmark::DoNotOptimize(result.points.data());
        }
    }
}
BENCHMARK(BM_FiveYearsOctaveTau)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
