#include "data/Stability.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

// Phase at Julian Date seconds, a year a quarter of an hour apart unless told otherwise, white
// and random-walk frequency noise together.
struct SSeries {
    std::vector<double> x, phase;
};

SSeries MakeSeries(std::mt19937_64& random, int nPoints = 365 * 96, double dStep = 900.0) {
    std::normal_distribution<double> noise(0.0, 1e-9);
    SSeries series;
    double dFrequency = 0.0;
    double dPhase = 0.0;
    for (int i = 0; i < nPoints; ++i) {
        series.x.push_back(2.1e11 + dStep * i);
        series.phase.push_back(dPhase);
        dFrequency += 0.01 * noise(random);
        dPhase += dStep * (dFrequency + noise(random));
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

// A million seconds of one clock, as --stability takes a set of a --max-points file.
void BM_MillionSecondsOctaveTau(benchmark::State& state) {
    std::mt19937_64 random(5);
    const SSeries series = MakeSeries(random, 1000000, 1.0);
    for (auto _ : state) {
        SStabilityResult result =
            ComputeStability(series.x.data(), series.phase.data(), series.x.size(), {});
        benchmark::DoNotOptimize(result.points.data());
    }
}
BENCHMARK(BM_MillionSecondsOctaveTau)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
