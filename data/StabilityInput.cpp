#include "data/StabilityInput.h"

#include "data/DatePoint.h"
#include "data/SeriesPoints.h"
#include "data/TimeConstants.h"

#include <cmath>
#include <limits>

SStabilityInput PrepareStabilityInput(const CPlotData& data, int nGraph, int nSet,
                                      const SXRange& range, double dSecondsPerUnit) {
    SStabilityInput input;
    const int nPoints = data.GetPointCount(nGraph, nSet);
    std::vector<double> x(static_cast<std::size_t>(nPoints));
    for (int i = 0; i < nPoints; ++i)
        x[static_cast<std::size_t>(i)] = data.GetX(nGraph, nSet, i);
    const double dResolution = XResolution(x.data(), x.size());
    double dFirstX = 0.0;
    for (int i = 0; i < nPoints; ++i) {
        const double dX = x[static_cast<std::size_t>(i)];
        if (!std::isfinite(dX) || !InRange(range, dX, dResolution))
            continue;
        if (dX <= DATE_THRESHOLD) {
            input.bPlain = true;
            continue;
        }
        // A Julian Date the chart places nowhere is no epoch either.
        if (!IsChartDate(JulianToDateTime(dX)))
            continue;
        const double dY = data.GetY(nGraph, nSet, i);
        if (input.points.empty())
            dFirstX = dX;
        input.seconds.push_back((dX - dFirstX) * SECONDS_PER_DAY);
        input.phase.push_back(std::isfinite(dY) ? dY * dSecondsPerUnit
                                                : std::numeric_limits<double>::quiet_NaN());
        input.points.push_back(i);
    }
    return input;
}
