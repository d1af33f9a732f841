#include "data/Stability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct SSeries {
    std::vector<double> x, phase;
};

// Frequency samples to phase: the running sum times the step, from 0. x starts at Julian
// Date seconds, 2.1e11 s, where the steps must keep their digits all the same.
SSeries FromFrequency(const std::vector<double>& frequency, double dStep, double dScale = 1.0) {
    SSeries series{{2.1e11}, {0.0}};
    for (double dFrequency : frequency) {
        series.x.push_back(series.x.back() + dStep);
        series.phase.push_back(series.phase.back() + dFrequency * dStep * dScale);
    }
    return series;
}

// White frequency noise of 1e-9 per sample, or white phase noise of 1e-9 s; a minute apart.
SSeries WhiteNoise(std::size_t nPoints, bool bFrequency, std::mt19937_64& random) {
    std::normal_distribution<double> noise(0.0, 1e-9);
    SSeries series = FromFrequency(std::vector<double>(nPoints - 1), 60.0);
    double dSum = 0.0;
    for (double& dPhase : series.phase)
        dPhase = bFrequency ? (dSum += 60.0 * noise(random)) : noise(random);
    return series;
}

SStabilityResult Compute(const SSeries& series, ETauSpacing spacing) {
    return ComputeStability(series.x.data(), series.phase.data(), series.x.size(), spacing);
}

const SStabilityPoint& At(const SStabilityResult& result, long long m) {
    for (const SStabilityPoint& point : result.points) {
        if (point.nFactor == m)
            return point;
    }
    throw std::out_of_range("no tau for m = " + std::to_string(m));
}

std::string Digits(double dValue) {
    char szText[32];
    std::snprintf(szText, sizeof szText, "%.7g", dValue);
    return szText;
}

// W. J. Riley, "The Calculation of Time Domain Frequency Stability": its 9-point frequency
// set and its 1000-point set n(i+1) = 16807 n(i) mod 2147483647 from n(0) = 1234567890, as
// n / 2147483647, with the deviations it lists (tau0 = 1 s) to their 7 digits. Scaled by
// 1e-200, the same digits come out. The large set is white frequency noise of variance 1/12,
// so its true Allan deviation, 1 / sqrt(12 m), lies within the bounds.
TEST(Stability, GivesThePublishedValuesToTheirDigits) {
    const std::vector<double> small = {892, 809, 823, 798, 671, 644, 883, 903, 677};
    std::vector<double> large;
    for (long long n = 1234567890; large.size() < 1000; n = 16807 * n % 2147483647)
        large.push_back(static_cast<double>(n) / 2147483647.0);
    const struct {
        SSeries series;
        long long m;
        double dScale, dAdev, dMdev, dTdev;
    } cases[] = {
        {FromFrequency(small, 1.0), 1, 1.0, 91.22945, 91.22945, 52.67135},
        {FromFrequency(small, 1.0), 2, 1.0, 85.95287, 74.78849, 86.35831},
        {FromFrequency(small, 1.0, 1e-200), 2, 1e-200, 85.95287, 74.78849, 86.35831},
        {FromFrequency(large, 1.0), 1, 1.0, 2.922319e-01, 2.922319e-01, 1.687202e-01},
        {FromFrequency(large, 1.0), 10, 1.0, 9.159953e-02, 6.172376e-02, 3.563623e-01},
        {FromFrequency(large, 1.0), 100, 1.0, 3.241343e-02, 2.170921e-02, 1.253382e+00},
    };
    for (const auto& c : cases) {
        const SStabilityResult result = Compute(c.series, ETauSpacing::Decade);
        const SStabilityPoint& point = At(result, c.m);
        EXPECT_EQ(point.dTau, static_cast<double>(c.m));
        EXPECT_EQ(Digits(point.dAdev / c.dScale), Digits(c.dAdev)) << c.m;
        EXPECT_EQ(Digits(point.dMdev / c.dScale), Digits(c.dMdev)) << c.m;
        EXPECT_EQ(Digits(point.dTdev / c.dScale), Digits(c.dTdev)) << c.m;
        const double dTrue = 1.0 / std::sqrt(12.0 * static_cast<double>(c.m));
        EXPECT_TRUE(c.series.x.size() < 1001 ||
                    (point.dAdevLow < dTrue && dTrue < point.dAdevHigh));
    }
}

// ADEV falls as 1 / tau for white phase noise and as 1 / sqrt(tau) for white frequency noise.
TEST(Stability, NoiseTypesGiveTheirSlopes) {
    std::mt19937_64 random(1065);
    for (const auto& [bFrequency, dSlope] : {std::pair{false, -1.0}, {true, -0.5}}) {
        const auto result = Compute(WhiteNoise(8192, bFrequency, random), ETauSpacing::Octave);
        EXPECT_NEAR(std::log(At(result, 256).dAdev / At(result, 4).dAdev) / std::log(64.0), dSlope,
                    0.1);
    }
}

// Points 300 to 309 of 600 taken out: their slots count towards N / 3 all the same. One x off
// by 0.5 s is still evenly spaced.
TEST(Stability, GapIsTakenAsMissingSamples) {
    std::mt19937_64 random(7);
    const SSeries full = WhiteNoise(600, true, random);
    SSeries gapped = full;
    gapped.x.erase(gapped.x.begin() + 300, gapped.x.begin() + 310);
    gapped.phase.erase(gapped.phase.begin() + 300, gapped.phase.begin() + 310);
    gapped.x[100] += 0.5;
    const SStabilityResult withAll = Compute(full, ETauSpacing::Decade);
    const SStabilityResult withGap = Compute(gapped, ETauSpacing::Decade);
    ASSERT_TRUE(withGap.bComputed) << withGap.strWhyNot;
    EXPECT_EQ(withGap.nSamples, 600);
    EXPECT_EQ(withGap.nMissing, 10);
    EXPECT_EQ(withGap.points.size(), 8u); // 1, 2, 5, 10, 20, 50, 100, 200
    EXPECT_EQ(withGap.points.back().nFactor, 200);
    // Counted by hand: the full counts less the terms that need one of the slots 300 to 309.
    const struct {
        long long m, nAdevTerms, nMdevTerms;
    } cases[] = {{2, 596 - 14, 595 - 15}, {5, 590 - 20, 586 - 24}, {20, 560 - 30, 541 - 69}};
    for (const auto& c : cases) {
        EXPECT_EQ(At(withGap, c.m).nAdevTerms, c.nAdevTerms) << c.m;
        EXPECT_EQ(At(withGap, c.m).nMdevTerms, c.nMdevTerms) << c.m;
        EXPECT_NEAR(At(withGap, c.m).dMdev / At(withAll, c.m).dMdev, 1.0, 0.1) << c.m;
    }
}

TEST(Stability, RefusesWithTheReason) {
    // 30 points a minute apart, x shifted from one point on.
    const struct {
        std::size_t nShiftFrom;
        double dShift;
        std::string strWhyNot;
    } cases[] = {
        {3, -60, "x does not ascend at point 4"},
        {17, 0.7, "not evenly spaced: step of 60.7 s at point 18 where the median is 60 s"},
        {9, 60, "not evenly spaced: step of 120 s at point 10 where the median is 60 s"},
        {29, 390, "not evenly spaced: step of 450 s at point 30 where the median is 60 s"},
        {29, 60 * 301, "gaps too long: more than 10 missing samples for each point"},
        {0, std::nan(""), "not a finite number at point 1"},
    };
    for (const auto& c : cases) {
        SSeries series = FromFrequency(std::vector<double>(29, 1e-9), 60.0);
        for (std::size_t i = c.nShiftFrom; i < series.x.size(); ++i)
            series.x[i] += c.dShift;
        const SStabilityResult result = Compute(series, ETauSpacing::All);
        EXPECT_FALSE(result.bComputed);
        EXPECT_EQ(result.strWhyNot, c.strWhyNot);
    }
    const SSeries two = FromFrequency({1e-9}, 60.0);
    EXPECT_EQ(Compute(two, ETauSpacing::All).strWhyNot, "fewer than 3 points");
}

} // namespace
