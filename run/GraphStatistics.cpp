#include "run/GraphStatistics.h"

#include "data/SeriesPoints.h"
#include "data/SeriesStatistics.h"
#include "run/TableText.h"

void WriteStatisticsTable(const std::vector<CGraphSeries>& series, const SXRange& range,
                          const SDateRule& rule, CTableWriter& out,
                          std::vector<std::string>& notes) {
    out.Texts(STATISTICS_COLUMNS).EndRow();
    for (const CGraphSeries& one : series) {
        const SSeriesPoints points = DrawnPointsInRange(one, range, rule);
        const SSeriesStatistics stats =
            ComputeStatistics(points.x.data(), points.y.data(), points.x.size());
        const std::string& strTitle = one.Title();
        if (stats.nCount == 0)
            notes.push_back(NoPointNote(strTitle, range));
        out.Text(strTitle).Count(stats.nCount);
        for (double dValue : {stats.dFirstX, stats.dLastX, stats.dMean, stats.dStd, stats.dRms,
                              stats.dMin, stats.dXOfMin, stats.dMax, stats.dXOfMax,
                              stats.dPeakToPeak, stats.dFitY0, stats.dSlope, stats.dResidualStd})
            out.Number(dValue);
        out.EndRow();
    }
}
