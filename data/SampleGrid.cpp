#include "data/SampleGrid.h"

#include "data/SeriesSteps.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr std::size_t MIN_POINTS = 3;

std::string Seconds(double dSeconds) {
    char szText[32];
    std::snprintf(szText, sizeof szText, "%g s", dSeconds);
    return szText;
}

SSampleGrid Refused(std::string strWhy, long long nPoint) {
    SSampleGrid grid;
    grid.strWhyNot = std::move(strWhy);
    grid.nBadPoint = nPoint;
    return grid;
}

SSampleGrid Refused(std::string strWhy, std::size_t nPoint) {
    return Refused(std::move(strWhy), static_cast<long long>(nPoint));
}

// A first tau0 to count the slots of each step by: the mean of the steps that lie within the
// tolerance of the median step. Their sum over each run of such steps telescopes to the run's
// span, so only the rounding of its two ends is left, spread over all its steps; the median
// alone keeps the rounding of one step, too much to count the slots of a long gap by.
double SingleStep(const double* pX, std::size_t nPoints) {
    const double dMedian = MedianStep(pX, nPoints);
    double dSum = 0.0;
    long long nSteps = 0;
    for (std::size_t i = 1; i < nPoints; ++i) {
        const double dStep = pX[i] - pX[i - 1];
        if (std::fabs(dStep - dMedian) <= STEP_TOLERANCE * dMedian) {
            dSum += dStep;
            ++nSteps;
        }
    }
    return nSteps > 0 ? dSum / static_cast<double>(nSteps) : dMedian;
}

// The slope of x against the slot index by least squares, about the means: every point's
// rounding counts, not only the first and the last point's.
double FittedStep(const double* pX, const std::vector<long long>& slots) {
    const std::size_t n = slots.size();
    double dSlotMean = 0.0, dXMean = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        dSlotMean += static_cast<double>(slots[i]);
        dXMean += pX[i] - pX[0];
    }
    dSlotMean /= static_cast<double>(n);
    dXMean /= static_cast<double>(n);
    double dProducts = 0.0, dSquares = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double dSlot = static_cast<double>(slots[i]) - dSlotMean;
        dProducts += dSlot * (pX[i] - pX[0] - dXMean);
        dSquares += dSlot * dSlot;
    }
    return dProducts / dSquares;
}

// The index of the point that ends the first step that is no whole multiple of dTau within
// the tolerance, or 0 when every step is.
std::size_t FirstUneven(const double* pX, const std::vector<long long>& slots, double dTau) {
    for (std::size_t i = 1; i < slots.size(); ++i) {
        const auto dMultiple = static_cast<double>(slots[i] - slots[i - 1]);
        if (!(std::fabs(pX[i] - pX[i - 1] - dMultiple * dTau) <= STEP_TOLERANCE * dTau))
            return i;
    }
    return 0;
}

} // namespace

SSampleGrid LayOnGrid(const double* pX, const double* pPhase, std::size_t nPoints) {
    if (nPoints < MIN_POINTS)
        return Refused("fewer than " + std::to_string(MIN_POINTS) + " points", -1LL);
    for (std::size_t i = 0; i < nPoints; ++i) {
        if (!std::isfinite(pX[i]))
            return Refused("x is not a number", i);
        if (i > 0 && !(pX[i] > pX[i - 1]))
            return Refused("x does not ascend", i);
    }
    const double dFirstStep = SingleStep(pX, nPoints);
    std::vector<long long> slots(nPoints, 0);
    for (std::size_t i = 1; i < nPoints; ++i) {
        // A step within a quarter of the first tau0 is one slot, whatever the quotient's
        // rounding: the steps of a million points mostly are, and a division a step costs.
        const double dStep = pX[i] - pX[i - 1];
        const double dMultiple = std::fabs(dStep - dFirstStep) <= 0.25 * dFirstStep
                                     ? 1.0
                                     : std::max(1.0, std::nearbyint(dStep / dFirstStep));
        slots[i] = slots[i - 1] + static_cast<long long>(std::min(dMultiple, 2.0 * MAX_SLOTS));
        if (slots[i] >= MAX_SLOTS)
            return Refused("more than " + std::to_string(MAX_SLOTS) + " sample slots", i);
    }
    SSampleGrid grid;
    grid.dTau0 = FittedStep(pX, slots);
    if (FirstUneven(pX, slots, grid.dTau0) != 0) {
        // The fit has taken in the bad step too, and can fail good ones then: the point blamed
        // is the first that fails the first estimate, which no single step moves far.
        std::size_t i = FirstUneven(pX, slots, dFirstStep);
        i = i != 0 ? i : FirstUneven(pX, slots, grid.dTau0);
        return Refused("a step of " + Seconds(pX[i] - pX[i - 1]) + " is no whole multiple of " +
                           Seconds(dFirstStep),
                       i);
    }
    grid.phase.assign(static_cast<std::size_t>(slots.back()) + 1,
                      std::numeric_limits<double>::quiet_NaN());
    for (std::size_t i = 0; i < nPoints; ++i) {
        if (std::isfinite(pPhase[i]))
            grid.phase[static_cast<std::size_t>(slots[i])] = pPhase[i];
    }
    for (double dPhase : grid.phase)
        grid.nMissing += std::isnan(dPhase);
    return grid;
}
