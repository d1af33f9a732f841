#include "data/SeriesDifference.h"

#include "data/SeriesSteps.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr double EPOCH_TOLERANCE = 0.01;

} // namespace

std::vector<int> MatchEpochs(const std::vector<double>& a, const std::vector<double>& b,
                             double dTolerance) {
    std::vector<int> partners(a.size(), -1);
    std::size_t j = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        while (j < b.size() && b[j] < a[i] - dTolerance)
            ++j;
        // The nearer of the first two candidates; a b passed over stays unmatched.
        std::size_t nBest = j;
        if (j + 1 < b.size() && std::fabs(b[j + 1] - a[i]) < std::fabs(b[j] - a[i]))
            nBest = j + 1;
        if (nBest < b.size() && std::fabs(b[nBest] - a[i]) <= dTolerance) {
            partners[i] = static_cast<int>(nBest);
            j = nBest + 1;
        }
    }
    return partners;
}

double EpochTolerance(const std::vector<double>& a, const std::vector<double>& b) {
    const double dStep = std::fmin(MedianStep(a.data(), a.size()), MedianStep(b.data(), b.size()));
    return std::isfinite(dStep) && dStep > 0.0 ? EPOCH_TOLERANCE * dStep : 0.0;
}

SPlacedPoints PlacedPoints(const CGraphSeries& series, const SDateRule& rule) {
    SPlacedPoints placed;
    std::vector<int> order;
    for (int i = 0; i < series.Count(); ++i) {
        // Any finite y would do: whether x is placed is the question.
        if (IsDrawnPoint(series.X(i), 0.0, rule))
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](int i, int k) { return series.X(i) < series.X(k); });
    for (int i : order) {
        placed.x.push_back(series.X(i));
        placed.y.push_back(series.Y(i));
        placed.index.push_back(i);
    }
    return placed;
}

SDifference Difference(const CGraphSeries& a, const CGraphSeries& b, const SDateRule& rule) {
    const SPlacedPoints first = PlacedPoints(a, rule);
    const SPlacedPoints second = PlacedPoints(b, rule);
    const std::vector<int> partners =
        MatchEpochs(first.x, second.x, EpochTolerance(first.x, second.x));
    std::vector<double> x, y;
    std::vector<long long> lines;
    for (std::size_t i = 0; i < partners.size(); ++i) {
        if (partners[i] < 0)
            continue;
        const double dDifference = first.y[i] - second.y[static_cast<std::size_t>(partners[i])];
        x.push_back(first.x[i]);
        y.push_back(std::isfinite(dDifference) ? dDifference
                                               : std::numeric_limits<double>::quiet_NaN());
        lines.push_back(a.Line(first.index[i]));
    }
    const auto nMatched = static_cast<long long>(x.size());
    return {CGraphSeries(a.Title() + " \u2212 " + b.Title(), std::move(x), std::move(y),
                         std::move(lines)),
            static_cast<long long>(first.x.size()) - nMatched,
            static_cast<long long>(second.x.size()) - nMatched};
}
