#include "chartcontrol/AxisRange.h"

#include <algorithm>
#include <cmath>

namespace {
// Beyond this, drawing arithmetic (pixel transforms, tick steps) loses its footing.
constexpr double LARGEST_DRAWABLE = 1e250;
constexpr double SMALLEST_SPAN = 1e-200;
} // namespace

void SDataExtent::Add(double dValue) {
    if (!std::isfinite(dValue))
        return;
    dMin = bEmpty ? dValue : std::min(dMin, dValue);
    dMax = bEmpty ? dValue : std::max(dMax, dValue);
    bEmpty = false;
}

bool IsDrawableRange(double dLower, double dUpper) {
    double dSpan = dUpper - dLower;
    return std::fabs(dLower) < LARGEST_DRAWABLE && std::fabs(dUpper) < LARGEST_DRAWABLE &&
           std::isfinite(dSpan) && dSpan > SMALLEST_SPAN &&
           dSpan > std::max(std::fabs(dLower), std::fabs(dUpper)) * 1e-12;
}

SAxisRange ResolveAxisRange(const SChartAxis& axis, const SDataExtent& data,
                            double (*toAxis)(double)) {
    double dLower = axis.bAutomaticMinimum ? data.dMin : toAxis(axis.dMinimum);
    double dUpper = axis.bAutomaticMaximum ? data.dMax : toAxis(axis.dMaximum);
    if (IsDrawableRange(dLower, dUpper))
        return {dLower, dUpper};
    if (data.bEmpty)
        return {0.0, 1.0};
    if (IsDrawableRange(data.dMin, data.dMax))
        return {data.dMin, data.dMax};
    double dCentre = std::fabs(data.dMin) < LARGEST_DRAWABLE ? data.dMin : 0.0;
    double dHalf = std::max(std::fabs(dCentre) * 0.1, 1.0);
    return {dCentre - dHalf, dCentre + dHalf};
}
