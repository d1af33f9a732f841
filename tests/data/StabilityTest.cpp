#include "data/Stability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// Julian Dates in seconds are this large; the steps must keep their digits all the same.
constexpr double X0 = 2.1e11;

struct SSeries {
    std::vector<double> x, phase;
};

// Frequency samples to phase: the running sum times the step, from 0.
SSeries FromFrequency(const std::vector<double>& frequency, double dStep, double dScale = 1.0) {
    SSeries series{{X0}, {0.0}};
    for (double dFrequency : frequency) {
        series.x.push_back(series.x.back() + dStep);
        series.phase.push_back(series.phase.back() + dFrequency * dStep * dScale);
    }
    return series;
}

SSeries WhiteNoise(std::size_t nPoints, bool bFrequency, std::mt19937_64& random) {
    std::normal_distribution<double> noise(0.0, 1e-9);
    std::vector<double> samples(nPoints - 1);
    for (double& dSample : samples)
        dSample = noise(random);
    SSeries series = FromFrequency(samples, 60.0);
    if (!bFrequency) {
        for (double& dPhase : series.phase)
            dPhase = noise(random);
    }
    return series;
}

SStabilityResult Compute(const SSeries& series, ETauSpacing spacing) {
    return ComputeStability(series.x.data(), series.phase.data(), series.x.size(), spacing);
}

const SStabilityPoint* Find(const SStabilityResult& result, long long m) {
    for (const SStabilityPoint& point : result.points) {
        if (point.nFactor == m)
            return &point;
    }
    return nullptr;
}

std::string Digits(double dValue) {
    char szText[32];
    std::snprintf(szText, sizeof szText, "%.7g", dValue);
    return szText;
}

// W. J. Riley, "The Calculation of Time Domain Frequency Stability": its 9-point frequency
// set and its 1000-point set n(i+1) = 16807 n(i) mod 2147483647 from n(0) = 1234567890, as
// n / 2147483647, with the deviations it lists (tau0 = 1 s) to their 7 digits.
TEST(Stability, GivesThePublishedValuesToTheirDigits) {
    const std::vector<double> small = {892, 809, 823, 798, 671, 644, 883, 903, 677};
    std::vector<double> large;
    for (long long n = 1234567890; large.size() < 1000; n = 16807 * n % 2147483647)
        large.push_back(static_cast<double>(n) / 2147483647.0);
    const SSeries tiny = FromFrequency(small, 1.0, 1e-200);
    const SSeries huge = FromFrequency(small, 1.0, 1e200);
    const SSeries smallSet = FromFrequency(small, 1.0);
    const SSeries largeSet = FromFrequency(large, 1.0);
    const struct {
        const SSeries& series;
        long long m;
        double dScale, dAdev, dMdev, dTdev;
    } cases[] = {
        {smallSet, 1, 1.0, 91.22945, 91.22945, 52.67135},
        {smallSet, 2, 1.0, 85.95287, 74.78849, 86.35831},
        {tiny, 2, 1e-200, 85.95287, 74.78849, 86.35831},
        {huge, 2, 1e200, 85.95287, 74.78849, 86.35831},
        {largeSet, 1, 1.0, 2.922319e-01, 2.922319e-01, 1.687202e-01},
        {largeSet, 10, 1.0, 9.159953e-02, 6.172376e-02, 3.563623e-01},
        {largeSet, 100, 1.0, 3.241343e-02, 2.170921e-02, 1.253382e+00},
    };
    for (const auto& c : cases) {
        const SStabilityResult result = Compute(c.series, ETauSpacing::Decade);
        const SStabilityPoint* pPoint = Find(result, c.m);
        ASSERT_NE(pPoint, nullptr) << c.m;
        EXPECT_EQ(pPoint->dTau, c.m);
        EXPECT_EQ(Digits(pPoint->dAdev / c.dScale), Digits(c.dAdev)) << c.m;
        EXPECT_EQ(Digits(pPoint->dMdev / c.dScale), Digits(c.dMdev)) << c.m;
        EXPECT_EQ(Digits(pPoint->dTdev / c.dScale), Digits(c.dTdev)) << c.m;
    }
}

// The least-squares slope of log deviation over log tau, for 4 <= m <= 256.
double Slope(const SStabilityResult& result, double SStabilityPoint::*pValue) {
    double dSumX = 0, dSumY = 0, dSumXX = 0, dSumXY = 0, dCount = 0;
    for (const SStabilityPoint& point : result.points) {
        if (point.nFactor < 4 || point.nFactor > 256)
            continue;
        const double dLogX = std::log(point.dTau), dLogY = std::log(point.*pValue);
        dSumX += dLogX, dSumY += dLogY, dSumXX += dLogX * dLogX, dSumXY += dLogX * dLogY;
        ++dCount;
    }
    return (dCount * dSumXY - dSumX * dSumY) / (dCount * dSumXX - dSumX * dSumX);
}

TEST(Stability, NoiseTypesGiveTheirSlopes) {
    std::mt19937_64 random(1065);
    const SStabilityResult whitePhase =
        Compute(WhiteNoise(8192, false, random), ETauSpacing::Octave);
    const SStabilityResult whiteFrequency =
        Compute(WhiteNoise(8192, true, random), ETauSpacing::Octave);
    EXPECT_NEAR(Slope(whitePhase, &SStabilityPoint::dAdev), -1.0, 0.1);
    EXPECT_NEAR(Slope(whitePhase, &SStabilityPoint::dMdev), -1.5, 0.1);
    EXPECT_NEAR(Slope(whiteFrequency, &SStabilityPoint::dAdev), -0.5, 0.1);
    EXPECT_NEAR(Slope(whiteFrequency, &SStabilityPoint::dTdev), 0.5, 0.1);
}

TEST(Stability, GapIsTakenAsMissingSamples) {
    std::mt19937_64 random(7);
    const SSeries full = WhiteNoise(600, true, random);
    SSeries gapped = full;
    gapped.x.erase(gapped.x.begin() + 300, gapped.x.begin() + 310);
    gapped.phase.erase(gapped.phase.begin() + 300, gapped.phase.begin() + 310);
    const SStabilityResult withAll = Compute(full, ETauSpacing::All);
    const SStabilityResult withGap = Compute(gapped, ETauSpacing::All);
    ASSERT_TRUE(withGap.bComputed) << withGap.strWhyNot;
    EXPECT_EQ(withGap.nSamples, 600);
    EXPECT_EQ(withGap.nMissing, 10);
    // Counted by hand: the terms that need one of the slots 300 to 309.
    const struct {
        long long m, nAdevTerms, nMdevTerms;
    } cases[] = {{1, 598 - 12, 598 - 12}, {4, 592 - 18, 589 - 21}, {20, 560 - 30, 541 - 69}};
    for (const auto& c : cases) {
        const SStabilityPoint& all = *Find(withAll, c.m);
        const SStabilityPoint& gap = *Find(withGap, c.m);
        EXPECT_EQ(gap.nAdevTerms, c.nAdevTerms) << c.m;
        EXPECT_EQ(gap.nMdevTerms, c.nMdevTerms) << c.m;
        EXPECT_NEAR(gap.dAdev / all.dAdev, 1.0, 0.1) << c.m;
        EXPECT_NEAR(gap.dMdev / all.dMdev, 1.0, 0.1) << c.m;
    }
}

TEST(Stability, RefusesWithTheReason) {
    const struct {
        std::function<void(SSeries&)> change;
        std::string strWhyNot;
    } cases[] = {
        {[](SSeries& s) { s.x.resize(2), s.phase.resize(2); }, "fewer than 3 points"},
        {[](SSeries& s) { s.phase[5] = std::nan(""); }, "not a finite number at point 6"},
        {[](SSeries& s) { s.x[3] = s.x[2]; }, "x does not ascend at point 4"},
        {[](SSeries& s) { s.x[17] -= 30; },
         "not evenly spaced: step of 30 s at point 18 where the median is 60 s"},
        {[](SSeries& s) { s.x.erase(s.x.begin() + 9), s.phase.erase(s.phase.begin() + 9); },
         "not evenly spaced: step of 120 s at point 10 where the median is 60 s"},
        {[](SSeries& s) { s.x.back() += 390; },
         "not evenly spaced: step of 450 s at point 30 where the median is 60 s"},
        {[](SSeries& s) { s.x.back() += 60 * 301; },
         "gaps too long: more than 10 missing samples for each point"},
    };
    for (const auto& c : cases) {
        SSeries series = FromFrequency(std::vector<double>(29, 1e-9), 60.0);
        c.change(series);
        const SStabilityResult result = Compute(series, ETauSpacing::All);
        EXPECT_FALSE(result.bComputed);
        EXPECT_EQ(result.strWhyNot, c.strWhyNot);
        EXPECT_TRUE(result.points.empty());
    }
}

TEST(Stability, AveragingFactorsFollowTheSpacingUpToAThirdOfTheSlots) {
    std::mt19937_64 random(3);
    const SSeries series = WhiteNoise(600, false, random);
    const struct {
        ETauSpacing spacing;
        std::vector<long long> factors;
    } cases[] = {
        {ETauSpacing::Octave, {1, 2, 4, 8, 16, 32, 64, 128}},
        {ETauSpacing::Decade, {1, 2, 5, 10, 20, 50, 100, 200}},
    };
    for (const auto& c : cases) {
        std::vector<long long> factors;
        for (const SStabilityPoint& point : Compute(series, c.spacing).points)
            factors.push_back(point.nFactor);
        EXPECT_EQ(factors, c.factors);
    }
    const SStabilityResult all = Compute(series, ETauSpacing::All);
    ASSERT_EQ(all.points.size(), 200u);
    EXPECT_EQ(all.points.back().nFactor, 200);
}

// White frequency noise of sigma per sample has the Allan deviation sigma / sqrt(m) exactly.
TEST(Stability, ConfidenceBoundsHoldTheTrueDeviationMostOfTheTime) {
    std::mt19937_64 random(68);
    int nInside = 0, nBounds = 0;
    for (int nRun = 0; nRun < 200; ++nRun) {
        for (const SStabilityPoint& point :
             Compute(WhiteNoise(1000, true, random), ETauSpacing::Octave).points) {
            const double dTrue = 1e-9 / std::sqrt(static_cast<double>(point.nFactor));
            nInside += point.dAdevLow <= dTrue && dTrue <= point.dAdevHigh;
            ++nBounds;
        }
    }
    EXPECT_GT(nInside, 0.68 * nBounds);
    EXPECT_LT(nInside, 0.98 * nBounds);
}

} // namespace
