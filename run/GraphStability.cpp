#include "run/GraphStability.h"

#include "data/DatePoint.h"
#include "data/SeriesPoints.h"
#include "data/TimeConstants.h"
#include "run/TableText.h"

void WriteStabilityTable(const CPlotData& data, int nGraph, const SXRange& range,
                         double dSecondsPerUnit, ETauSpacing spacing, CTsvWriter& out,
                         std::vector<std::string>& notes) {
    out.Texts(STABILITY_COLUMNS).EndRow();
    for (int j = 0; j < data.GetSetCount(nGraph); ++j) {
        const std::string strTitle = SeriesTitle(data, nGraph, j);
        // Seconds from the first point: Julian Dates near 2.46e6 days keep their steps' digits.
        const SSeriesPoints points = DrawnPointsInRange(data, nGraph, j, range);
        if (points.x.empty()) {
            notes.push_back(NoPointNote(strTitle, range));
            continue;
        }
        std::vector<double> seconds, phase;
        bool bPlain = false;
        for (std::size_t i = 0; i < points.x.size(); ++i) {
            bPlain = bPlain || points.x[i] <= DATE_THRESHOLD;
            seconds.push_back((points.x[i] - points.x[0]) * SECONDS_PER_DAY);
            phase.push_back(points.y[i] * dSecondsPerUnit);
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
            out.Text(strTitle).Number(point.dTau).Count(point.nAdevTerms);
            for (double dValue : {point.dAdev, point.dMdev, point.dTdev})
                out.Number(dValue);
            out.EndRow();
        }
    }
}
