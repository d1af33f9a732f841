#include "chartcontrol/SeriesDisplay.h"

#include "data/SeriesStatistics.h"
#include "data/SeriesSteps.h"

#include <vector>

namespace {
// Keys and values lie interleaved in the points.
constexpr std::size_t STRIDE = sizeof(QCPGraphData) / sizeof(double);
static_assert(sizeof(QCPGraphData) == 2 * sizeof(double));
} // namespace

void ApplyDisplayModes(QVector<QCPGraphData>& data, const SDisplayModes& modes) {
    if (data.isEmpty())
        return;
    const auto nPoints = static_cast<std::size_t>(data.size());
    if (modes.bResiduals) {
        const SSeriesStatistics fit = ComputeStatisticsIn(&data[0].key, &data[0].value, nPoints,
                                                          modes.dFitFrom, modes.dFitTo, STRIDE);
        for (QCPGraphData& point : data)
            point.value = Residual(fit, point.key, point.value);
    }
    if (modes.bGaps) {
        std::vector<double> keys(nPoints);
        for (std::size_t i = 0; i < nPoints; ++i)
            keys[i] = data[static_cast<qsizetype>(i)].key;
        const std::vector<std::size_t> starts = GapStarts(keys.data(), nPoints);
        // From the back, so that the indices before each insertion stay as they were.
        for (auto it = starts.rbegin(); it != starts.rend(); ++it) {
            const auto nAt = static_cast<qsizetype>(*it);
            data.insert(nAt, QCPGraphData((data[nAt - 1].key + data[nAt].key) / 2, qQNaN()));
        }
    }
}
