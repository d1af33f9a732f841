#include "data/SeriesStatistics.h"
#include "data/SeriesSteps.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int SERIES = 5;
constexpr int POINTS = 1000;

// Five clock differences in nanoseconds, every quarter of an hour: large offsets, a drift
// and a wobble, one series with a gap.
struct SSeries {
    std::vector<double> x, y;
};
std::vector<SSeries> ClockSeries() {
    std::vector<SSeries> series(SERIES);
    for (int s = 0; s < SERIES; ++s) {
        for (int k = 0; k < POINTS; ++k) {
            const double dDay = k / 96.0 + (s == 2 && k >= 500 ? 1.0 : 0.0);
            series[s].x.push_back(2460650.5 + dDay);
            series[s].y.push_back(1e6 * (s + 1) + 3.5 * dDay + 0.7 * std::sin(k * 0.37 + s));
        }
    }
    return series;
}

void BM_StatisticsOfFiveSeries(benchmark::State& state) {
    const std::vector<SSeries> series = ClockSeries();
    for (auto _ : state) {
        for (const SSeries& one : series) {
            SSeriesStatistics stats = ComputeStatistics(one.x.data(), one.y.data(), POINTS);
            benchmark::DoNotOptimize(stats);
        }
    }
    state.SetItemsProcessed(state.iterations() * SERIES * POINTS);
}
BENCHMARK(BM_StatisticsOfFiveSeries)->Unit(benchmark::kMicrosecond);

// The visible middle half of each series, as between two cursors.
void BM_StatisticsInRangeOfFiveSeries(benchmark::State& state) {
    const std::vector<SSeries> series = ClockSeries();
    for (auto _ : state) {
        for (const SSeries& one : series) {
            SSeriesStatistics stats = ComputeStatisticsIn(one.x.data(), one.y.data(), POINTS,
                                                          2460650.5 + 2.5, 2460650.5 + 7.5);
            benchmark::DoNotOptimize(stats);
        }
    }
}
BENCHMARK(BM_StatisticsInRangeOfFiveSeries)->Unit(benchmark::kMicrosecond);

// A million seconds of one clock, a wobble and noise: the series of a --max-points file, far
// beyond the caches.
void BM_StatisticsOfAMillionPoints(benchmark::State& state) {
    constexpr int MILLION = 1000000;
    std::vector<double> x, y;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> noise(0.0, 1.0);
    for (int k = 0; k < MILLION; ++k) {
        x.push_back(2460310.5 + k / 86400.0);
        y.push_back(20.0 * std::sin(k / 5000.0) + noise(random));
    }
    for (auto _ : state) {
        SSeriesStatistics stats = ComputeStatistics(x.data(), y.data(), MILLION);
        benchmark::DoNotOptimize(stats);
    }
    state.SetItemsProcessed(state.iterations() * MILLION);
}
BENCHMARK(BM_StatisticsOfAMillionPoints)->Unit(benchmark::kMillisecond);

void BM_GapStartsOfFiveSeries(benchmark::State& state) {
    const std::vector<SSeries> series = ClockSeries();
    for (auto _ : state) {
        for (const SSeries& one : series)
            benchmark::DoNotOptimize(GapStarts(one.x.data(), POINTS));
    }
}
BENCHMARK(BM_GapStartsOfFiveSeries)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
