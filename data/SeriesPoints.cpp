#include "data/SeriesPoints.h"

#include "data/DatePoint.h"
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

SSeriesPoints DrawnPointsInRange(const CPlotData& data, int nGraph, int nSet,
                                 const SXRange& range) {
    SSeriesPoints points;
    const int nPoints = data.GetPointCount(nGraph, nSet);
    std::vector<double> all(static_cast<std::size_t>(nPoints));
    for (int i = 0; i < nPoints; ++i)
        all[static_cast<std::size_t>(i)] = data.GetX(nGraph, nSet, i);
    const double dResolution = XResolution(all.data(), all.size());
    for (int i = 0; i < nPoints; ++i) {
        const double dX = all[static_cast<std::size_t>(i)];
        const double dY = data.GetY(nGraph, nSet, i);
        if (IsDrawnPoint(dX, dY) && InRange(range, dX, dResolution)) {
            points.x.push_back(dX);
            points.y.push_back(dY);
        }
    }
    return points;
}
