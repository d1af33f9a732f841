#include "run/GraphStatistics.h"

#include "data/Parallel.h"
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
    // A series a core at a time: each is measured on its own.
    std::vector<SSeriesStatistics> measured(series.size());
    std::vector<char> dated(series.size(), false);
    InRuns(series.size(), RunsFor(series.size(), 2), 1,
           [&](std::size_t, std::size_t nBegin, std::size_t nEnd) {
               for (std::size_t i = nBegin; i < nEnd; ++i) {
                   const CGraphSeries& one = series[i];
                   // All of a series that is drawn whole is measured where it lies: a copy of
                   // a million points costs more than the sums.
                   if (!range.HasEnd() && AllDrawn(one, rule)) {
                       measured[i] = ComputeStatistics(one.Xs(), 1, one.Ys(), one.YStride(),
                                                       static_cast<std::size_t>(one.Count()));
                       dated[i] = one.Count() > 0 && rule.IsDate(one.X(0));
                       continue;
                   }
                   const SSeriesPoints points = DrawnPointsInRange(one, range, rule);
                   measured[i] =
                       ComputeStatistics(points.x.data(), points.y.data(), points.x.size());
                   dated[i] = !points.x.empty() && rule.IsDate(points.x.front());
               }
           });
    for (std::size_t i = 0; i < series.size(); ++i) {
        const SSeriesStatistics& stats = measured[i];
        const std::string& strTitle = series[i].Title();
        if (stats.nCount == 0)
            notes.push_back(NoPointNote(strTitle, range));
        out.Text(strTitle).Count(stats.nCount);
        for (double dValue : {stats.dFirstX, stats.dLastX, stats.dMean, stats.dStd, stats.dRms,
                              stats.dMin, stats.dXOfMin, stats.dMax, stats.dXOfMax,
                              stats.dPeakToPeak, stats.dFitY0, stats.dSlope, stats.dResidualStd})
            out.Number(dValue);
        if (dSecondsPerUnit > 0.0) {
            const SFrequency frequency = FrequencyOf(stats, dSecondsPerUnit);
            out.Number(dated[i] ? frequency.dOffset : NAN)
                .Number(dated[i] ? frequency.dDriftPerDay : NAN);
        }
        out.EndRow();
    }
}
