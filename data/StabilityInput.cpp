#include "data/StabilityInput.h"

#include "data/SeriesPoints.h"
#include "data/TimeConstants.h"

#include <cmath>
#include <limits>

SStabilityInput PrepareStabilityInput(const CGraphSeries& series, const SXRange& range,
                                      double dSecondsPerUnit, const SDateRule& rule) {
    SStabilityInput input;
    input.seconds.reserve(static_cast<std::size_t>(series.Count()));
    input.phase.reserve(static_cast<std::size_t>(series.Count()));
    input.points.reserve(static_cast<std::size_t>(series.Count()));
    const double dResolution = ResolutionFor(series, range);
    double dFirstX = 0.0;
    for (int i = 0; i < series.Count(); ++i) {
        const double dX = series.X(i);
        if (!std::isfinite(dX) || !InRange(range, dX, dResolution))
            continue;
        if (!rule.IsDate(dX)) {
            input.bPlain = true;
            continue;
        }
        // A date the chart places nowhere is no epoch either.
        if (!IsChartJulianDate(rule.Julian(dX)))
            continue;
        const double dY = series.Y(i);
        if (input.points.empty())
            dFirstX = dX;
        input.seconds.push_back((dX - dFirstX) * SECONDS_PER_DAY);
        input.phase.push_back(std::isfinite(dY) ? dY * dSecondsPerUnit
                                                : std::numeric_limits<double>::quiet_NaN());
        input.points.push_back(i);
    }
    return input;
}
