#include "chart/GraphStability.h"

#include "chart/ChartPopulation.h"
#include "chart/GraphText.h"

namespace {

constexpr double SECONDS_PER_DAY = 86400.0;

} // namespace

std::string GraphStabilityTsv(const CPlotData& data, int nGraph, const SXRange& range,
                              double dSecondsPerUnit, ETauSpacing spacing,
                              std::vector<std::string>& notes) {
    std::string out = "series\ttau_s\tn\tadev\tmdev\ttdev\n";
    for (int j = 0; j < data.GetSetCount(nGraph); ++j) {
        const std::string strTitle = SeriesTitle(data, nGraph, j);
        // Seconds from the first point: Julian Dates near 2.46e6 days keep their steps' digits.
        std::vector<double> seconds, phase;
        bool bPlain = false;
        double dFirstX = 0.0;
        for (int i = 0; i < data.GetPointCount(nGraph, j); ++i) {
            const double dX = data.GetX(nGraph, j, i);
            const double dY = data.GetY(nGraph, j, i);
            if (!IsDrawnPoint(dX, dY) || dX < range.dFrom || dX > range.dTo)
                continue;
            bPlain = bPlain || dX <= DATE_THRESHOLD;
            if (seconds.empty())
                dFirstX = dX;
            seconds.push_back((dX - dFirstX) * SECONDS_PER_DAY);
            phase.push_back(dY * dSecondsPerUnit);
        }
        if (bPlain) {
            notes.push_back("'" + strTitle + "': not measured: its x are no Julian Dates");
            continue;
        }
        const SStabilityResult result =
            ComputeStability(seconds.data(), phase.data(), seconds.size(), {.spacing = spacing});
        if (!result.bComputed) {
            notes.push_back("'" + strTitle + "': not measured: " + result.strWhyNot);
            continue;
        }
        for (const SStabilityPoint& point : result.points) {
            out += strTitle + '\t';
            AppendShortest(out, point.dTau);
            out += '\t' + std::to_string(point.nAdevTerms);
            for (double dValue : {point.dAdev, point.dMdev, point.dTdev}) {
                out += '\t';
                AppendShortest(out, dValue);
            }
            out += '\n';
        }
    }
    return out;
}
