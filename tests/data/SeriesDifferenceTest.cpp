#include "data/SeriesDifference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

static CGraphSeries Series(const char* pszTitle, std::vector<double> x, std::vector<double> y) {
    std::vector<long long> lines(x.size(), 0);
    return CGraphSeries(pszTitle, std::move(x), std::move(y), std::move(lines));
}

// Epochs within one percent of the step are partners.
TEST(SeriesDifference, TakesAsEpochsAndSaysWhatHadNoPartner) {
    const double dStep = 1.0 / 96; // 15 minutes in days
    const std::vector<double> a = {0, dStep, 2 * dStep, 3 * dStep, 4 * dStep};
    // Jittered by half a percent, two percent off, missing, on time.
    const std::vector<double> b = {0.005 * dStep, dStep + 0.02 * dStep, 3 * dStep, 4 * dStep};
    EXPECT_DOUBLE_EQ(EpochTolerance(a, b), 0.01 * dStep);
    EXPECT_EQ(MatchEpochs(a, b, EpochTolerance(a, b)), (std::vector<int>{0, -1, -1, 2, 3}));
    const SDifference difference = Difference(
        Series("rx1", {2460676.5, 2460676.6, 2460676.7, 2460676.8}, {5, 7, NAN, 1}),
        Series("rx2", {2460676.5000001, 2460676.7, 2460676.8, 2460676.9}, {2, 3, 4, 6}), {});
    const CGraphSeries& series = difference.series;
    EXPECT_EQ(series.Title(), "rx1 \u2212 rx2");
    ASSERT_EQ(series.Count(), 3);
    EXPECT_EQ(series.X(0), 2460676.5);
    EXPECT_EQ(series.Y(0), 3.0);
    EXPECT_TRUE(std::isnan(series.Y(1))); // a missing sample stays missing
    EXPECT_EQ(series.Y(2), -3.0);
    EXPECT_EQ(difference.nAloneA, 1);
    EXPECT_EQ(difference.nAloneB, 1);
}

TEST(SeriesDifference, ThreeDifferencesCloseToZeroAtEveryCommonEpoch) {
    std::mt19937_64 random(27);
    std::normal_distribution<double> jitter(0.0, 1e-5), phase(0.0, 1e3);
    std::vector<double> x[3], y[3];
    for (int s = 0; s < 3; ++s) {
        for (int i = 0; i < 2000; ++i) {
            if (i % (50 + 7 * s) == 3)
                continue;
            x[s].push_back(60650.0 + i / 96.0 + jitter(random) / 96.0);
            y[s].push_back(1e6 + phase(random));
        }
    }
    // The difference of series s less series t, placed as the chart places it under --mjd.
    const auto placed = [&](int s, int t) {
        const SDateRule mjd{true};
        return PlacedPoints(Difference(Series("", x[s], y[s]), Series("", x[t], y[t]), mjd).series,
                            mjd);
    };
    const SPlacedPoints pab = placed(0, 1), pbc = placed(1, 2), pca = placed(2, 0);
    const double dTolerance = EpochTolerance(pab.x, pbc.x);
    const std::vector<int> toBc = MatchEpochs(pab.x, pbc.x, dTolerance);
    const std::vector<int> toCa = MatchEpochs(pab.x, pca.x, dTolerance);
    int nCommon = 0;
    for (std::size_t i = 0; i < pab.x.size(); ++i) {
        if (toBc[i] < 0 || toCa[i] < 0)
            continue;
        ++nCommon;
        EXPECT_NEAR(pab.y[i] + pbc.y[static_cast<std::size_t>(toBc[i])] +
                        pca.y[static_cast<std::size_t>(toCa[i])],
                    0.0, 1e-9 * 1e6);
    }
    EXPECT_GT(nCommon, 1800);
}
