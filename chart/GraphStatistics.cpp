#include "chart/GraphStatistics.h"

#include "chart/ChartPopulation.h"
#include "chart/GraphText.h"
#include "data/SeriesStatistics.h"

#include <vector>

std::string GraphStatisticsTsv(const CPlotData& data, int nGraph, const SXRange& range) {
    std::string out = "series\tn\tfirst_x\tlast_x\tmean\tstd\trms\tmin\tx_of_min\tmax\tx_of_max\t"
                      "p2p\tfit_y0\tslope\tresid_std\n";
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
        out += SeriesTitle(data, nGraph, j);
        out += '\t' + std::to_string(stats.nCount);
        for (double dValue : {stats.dFirstX, stats.dLastX, stats.dMean, stats.dStd, stats.dRms,
                              stats.dMin, stats.dXOfMin, stats.dMax, stats.dXOfMax,
                              stats.dPeakToPeak, stats.dFitY0, stats.dSlope, stats.dResidualStd}) {
            out += '\t';
            AppendShortest(out, dValue);
        }
        out += '\n';
    }
    return out;
}
