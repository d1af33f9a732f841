#include "run/GraphStability.h"

#include "data/DatePoint.h"
#include "data/StabilityInput.h"
#include "run/TableText.h"

#include <cstdio>

namespace {

// " (line 3456, 2025-03-01T12:15:00.000Z)" for the point of a set to blame.
std::string Where(const CPlotData& data, int nGraph, int nSet, int nPoint) {
    const SDateTime time = JulianToDateTime(data.GetX(nGraph, nSet, nPoint));
    char szDate[48];
    std::snprintf(szDate, sizeof szDate, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", time.nYear,
                  time.nMonth, time.nDay, time.nHour, time.nMinute, time.nSecond,
                  time.nMillisecond);
    return " (line " + std::to_string(data.GetLine(nGraph, nSet, nPoint)) + ", " + szDate + ")";
}

} // namespace

std::vector<SSeriesStability> MeasureGraphStability(const CPlotData& data, int nGraph,
                                                    const SXRange& range, double dSecondsPerUnit,
                                                    const SStabilityOptions& options) {
    std::vector<SSeriesStability> measured;
    for (int j = 0; j < data.GetSetCount(nGraph); ++j) {
        SSeriesStability series{SeriesTitle(data, nGraph, j), {}, {}};
        const SStabilityInput input =
            PrepareStabilityInput(data, nGraph, j, range, dSecondsPerUnit);
        if (input.bPlain) {
            series.strNote = "'" + series.strTitle + "': not measured: its x are no Julian Dates";
        } else if (input.points.empty()) {
            series.strNote = NoPointNote(series.strTitle, range);
        } else {
            series.result = ComputeStability(input.seconds.data(), input.phase.data(),
                                             input.seconds.size(), options);
            if (!series.result.bComputed) {
                series.strNote =
                    "'" + series.strTitle + "': not measured: " + series.result.strWhyNot;
                if (series.result.nBadPoint >= 0)
                    series.strNote +=
                        Where(data, nGraph, j,
                              input.points[static_cast<std::size_t>(series.result.nBadPoint)]);
            }
        }
        measured.push_back(std::move(series));
    }
    return measured;
}

void WriteStabilityTable(const std::vector<SSeriesStability>& series, CTableWriter& out) {
    out.Texts(STABILITY_COLUMNS).EndRow();
    for (const SSeriesStability& one : series) {
        for (const SStabilityPoint& point : one.result.points) {
            out.Text(one.strTitle).Number(point.dTau).Count(point.nAdevTerms);
            out.Number(point.dAdev).Number(point.dMdev).Number(point.dTdev).Number(point.dHdev);
            out.Count(point.nAlpha);
            for (double dValue : {point.dAdevLow, point.dAdevHigh, point.dMdevLow, point.dMdevHigh,
                                  point.dTdevLow, point.dTdevHigh, point.dHdevLow, point.dHdevHigh})
                out.Number(dValue);
            out.EndRow();
        }
    }
}
