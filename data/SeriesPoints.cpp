#include "data/SeriesPoints.h"

#include "data/NumberText.h"

#include <algorithm>
#include <cmath>

double XResolution(const double* pX, std::size_t nPoints) {
    int nDecimals = -1;
    for (std::size_t i = 0; i < nPoints; ++i) {
        if (std::isfinite(pX[i]))
            nDecimals = std::max(nDecimals, DecimalPlaces(ShortestText(pX[i])));
    }
    return nDecimals < 0 ? 0.0 : std::pow(10.0, -std::max(nDecimals, 0));
}

bool InRange(const SXRange& range, double dX, double dResolution) {
    return dX >= range.dFrom - std::min(dResolution, range.dFromStep) / 2.0 &&
           dX <= range.dTo + std::min(dResolution, range.dToStep) / 2.0;
}

double ResolutionFor(const CGraphSeries& series, const SXRange& range) {
    if (std::isinf(range.dFrom) && std::isinf(range.dTo))
        return 0.0;
    std::vector<double> x(static_cast<std::size_t>(series.Count()));
    for (int i = 0; i < series.Count(); ++i)
        x[static_cast<std::size_t>(i)] = series.X(i);
    return XResolution(x.data(), x.size());
}

bool AllDrawn(const CGraphSeries& series, const SDateRule& rule) {
    for (int i = 0; i < series.Count(); ++i) {
        if (!IsDrawnPoint(series.X(i), series.Y(i), rule))
            return false;
    }
    return true;
}

SSeriesPoints DrawnPointsInRange(const CGraphSeries& series, const SXRange& range,
                                 const SDateRule& rule) {
    SSeriesPoints points;
    points.x.reserve(static_cast<std::size_t>(series.Count()));
    points.y.reserve(static_cast<std::size_t>(series.Count()));
    const double dResolution = ResolutionFor(series, range);
    for (int i = 0; i < series.Count(); ++i) {
        const double dX = series.X(i);
        const double dY = series.Y(i);
        if (IsDrawnPoint(dX, dY, rule) && InRange(range, dX, dResolution)) {
            points.x.push_back(dX);
            points.y.push_back(dY);
        }
    }
    return points;
}
