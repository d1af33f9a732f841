#include "run/GraphStatistics.h"

#include "data/SeriesPoints.h"
#include "data/SeriesStatistics.h"
#include "data/TimeConstants.h"
#include "run/TableText.h"

void WriteStatisticsTable(const std::vector<CGraphSeries>& series, const SXRange& range,
                          const SDateRule& rule, double dSecondsPerUnit, CTableWriter& out,
                          std::vector<std::string>& notes) {
    out.Texts(STATISTICS_COLUMNS);
    if (dSecondsPerUnit > 0.0)
        out.Texts(FREQUENCY_COLUMNS);
    out.EndRow();
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
        if (dSecondsPerUnit > 0.0) {
            const SFrequency frequency = FrequencyOf(stats, dSecondsPerUnit);
            const bool bDates = !points.x.empty() && rule.IsDate(points.x.front());
            out.Number(bDates ? frequency.dOffset : NAN)
                .Number(bDates ? frequency.dDriftPerDay : NAN);
        }
        out.EndRow();
    }
}
