#include "run/GraphStatistics.h"

#include "data/DatePoint.h"
#include "data/SeriesStatistics.h"
#include "run/SeriesTitle.h"

#include <vector>

void WriteStatisticsTable(const CPlotData& data, int nGraph, const SXRange& range,
                          CTsvWriter& out) {
    out.Texts(STATISTICS_COLUMNS).EndRow();
    for (int j = 0; j < data.GetSetCount(nGraph); ++j) {
        std::vector<double> x, y;
        for (int i = 0; i < data.GetPointCount(nGraph, j); ++i) {
            const double dX = data.GetX(nGraph, j, i);
            const double dY = data.GetY(nGraph, j, i);
            if (IsDrawnPoint(dX, dY) && dX >= range.dFrom && dX <= range.dTo) {
                x.push_back(dX);
                y.push_back(dY);
            }
        }
        const SSeriesStatistics stats = ComputeStatistics(x.data(), y.data(), x.size());
        out.Text(SeriesTitle(data, nGraph, j)).Count(stats.nCount);
        for (double dValue : {stats.dFirstX, stats.dLastX, stats.dMean, stats.dStd, stats.dRms,
                              stats.dMin, stats.dXOfMin, stats.dMax, stats.dXOfMax,
                              stats.dPeakToPeak, stats.dFitY0, stats.dSlope, stats.dResidualStd})
            out.Number(dValue);
        out.EndRow();
    }
}
