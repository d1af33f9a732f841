#include "run/GraphStability.h"

#include "data/DatePoint.h"
#include "data/TimeConstants.h"
#include "run/SeriesTitle.h"

void WriteStabilityTable(const CPlotData& data, int nGraph, const SXRange& range,
                         double dSecondsPerUnit, ETauSpacing spacing, CTsvWriter& out,
                         std::vector<std::string>& notes) {
    out.Texts(STABILITY_COLUMNS).EndRow();
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
            ComputeStability(seconds.data(), phase.data(), seconds.size(), spacing);
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
