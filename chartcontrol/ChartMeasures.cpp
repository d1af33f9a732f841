#include "chartcontrol/ChartMeasures.h"

#include <qcustomplot.h>

std::vector<SSeriesMeasure> MeasureSeries(const QCustomPlot& plot, double dFrom, double dTo) {
    std::vector<SSeriesMeasure> measures;
    for (int g = 0; g < plot.graphCount(); ++g) {
        const QCPGraph* pGraph = plot.graph(g);
        const auto pData = pGraph->data();
        SSeriesMeasure measure{pGraph->name(), pGraph->pen().color(), {}};
        if (!pData->isEmpty()) {
            // A graph keeps its points as key, value pairs, one after another.
            const QCPGraphData& first = *pData->constBegin();
            measure.stats = ComputeStatisticsIn(&first.key, &first.value,
                                                static_cast<std::size_t>(pData->size()), dFrom, dTo,
                                                sizeof(QCPGraphData) / sizeof(double));
        }
        measures.push_back(measure);
    }
    return measures;
}
