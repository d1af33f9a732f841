#include "chart/ChartAxes.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartHeader.h"
#include "chart/ChartLegend.h"
#include "chart/ChartSeries.h"
#include "chart/ChartSeriesPart.h"
#include "chart/ChartStrings.h"
#include "chart/TChart.h"
#include "chartcontrol/ChartAutomation.h"
#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartView.h"
#include "ui/PlotDialogInit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// 5 series of 1000 points each, as a full graph 0 brings them.
void FillChart(const CTChart& chart) {
    for (LONG s = 0; s < 5; ++s) {
        chart.AddSeries(0);
        CChartSeries series = chart.GetSeries(s);
        for (int p = 0; p < 1000; ++p)
            series.AddXY(46023.0 + p * 0.25, 100.0 * s + 30.0 * std::sin(p * 0.05), "", 0x20000000);
    }
    chart.GetAxes().GetBottom().SetDateTimeLabels(TRUE);
}

void BM_AddXYThroughAutomation(benchmark::State& state) {
    for (auto _ : state) {
        auto pDocument = std::make_shared<CChartDocument>();
        CTChart chart;
        LPDISPATCH pChart = CreateChartDispatch(pDocument);
        chart.AttachControlSite(pChart);
        pChart->Release();
        chart.AddSeries(0);
        // As the viewer calls it: a fresh series wrapper for every point.
        for (int p = 0; p < 25000; ++p)
            chart.GetSeries(0).AddXY(p, p * 0.5, "", 0x20000000);
        benchmark::DoNotOptimize(pDocument->Model().series[0].Size());
    }
    state.SetItemsProcessed(state.iterations() * 25000);
}
BENCHMARK(BM_AddXYThroughAutomation)->Unit(benchmark::kMillisecond);

void BM_BuildAndRenderFullChart(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<CChartControl> pControl;
        CChartControl::Create(nullptr, PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE, 1000, pControl);
        CTChart chart;
        chart.AttachControlSite(pControl->GetDispatch());
        FillChart(chart);
        pControl->View()->SyncFromModel();
        QImage image = pControl->View()->toPixmap(555, 449).toImage();
        benchmark::DoNotOptimize(image.constBits());
        chart.DetachControlSite();
    }
}
BENCHMARK(BM_BuildAndRenderFullChart)->Unit(benchmark::kMillisecond);

// Wheel zooms in and out about the middle, a frame each, on the view laid out as the dialog
// lays it out; with bMeasures the statistics panel's measures are taken as well.
void ZoomFrames(benchmark::State& state, CChartView& view, bool bMeasures) {
    view.resize(555, 449);
    view.SyncFromModel();
    view.replot(QCustomPlot::rpImmediateRefresh);
    const double dCentre = view.xAxis->range().center();
    int nStep = 0;
    for (auto _ : state) {
        view.xAxis->scaleRange(++nStep % 8 < 4 ? 0.85 : 1 / 0.85, dCentre);
        view.replot(QCustomPlot::rpImmediateRefresh);
        if (bMeasures)
            benchmark::DoNotOptimize(view.Measures().series.size());
    }
}

// One frame of a wheel zoom on 5 series of 1000 points: the view moves in or out a step and
// the chart is drawn again; with the statistics of what is in view taken as the panel beside
// the chart takes them (argument 1), or without (0).
void BM_WheelZoomFrame(benchmark::State& state) {
    std::unique_ptr<CChartControl> pControl;
    CChartControl::Create(nullptr, PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE, 1000, pControl);
    CTChart chart;
    chart.AttachControlSite(pControl->GetDispatch());
    FillChart(chart);
    ZoomFrames(state, *pControl->View(), state.range(0) != 0);
    chart.DetachControlSite();
}
BENCHMARK(BM_WheelZoomFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 5 series of a million points each through the chart's bulk call, as --max-points brings
// them (dates to the millisecond in blocks of pairs, as their Unix seconds): the call, the view
// taking them in, and a wheel-zoom frame.
struct SMillions {
    std::unique_ptr<CChartControl> pControl;
    CTChart chart;
    SMillions() {
        CChartControl::Create(nullptr, PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE, 1000, pControl);
        chart.AttachControlSite(pControl->GetDispatch());
    }
    ~SMillions() { chart.DetachControlSite(); }
    void Fill() {
        for (LONG s = 0; s < 5; ++s) {
            chart.AddSeries(0);
            auto pPairs = std::make_shared<std::vector<double>>(2000000);
            for (std::size_t p = 0; p < 1000000; ++p) {
                (*pPairs)[2 * p] = 1704067200.0 + static_cast<double>(p);
                (*pPairs)[2 * p + 1] = 100.0 * s + 20.0 * std::sin(static_cast<double>(p) / 5000.0);
            }
            chart.GetSeries(s).AddXYPairs(COleVariant(pPairs), TRUE);
        }
        chart.GetAxes().GetBottom().SetDateTimeLabels(TRUE);
    }
};

void BM_FiveMillionPointsToTheView(benchmark::State& state) {
    for (auto _ : state) {
        SMillions millions;
        millions.Fill();
        millions.pControl->View()->SyncFromModel();
        benchmark::DoNotOptimize(millions.pControl->View()->graphCount());
    }
}
BENCHMARK(BM_FiveMillionPointsToTheView)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WheelZoomFrameFiveMillionPoints(benchmark::State& state) {
    SMillions millions;
    millions.Fill();
    ZoomFrames(state, *millions.pControl->View(), false);
}
BENCHMARK(BM_WheelZoomFrameFiveMillionPoints)->Unit(benchmark::kMillisecond);

} // namespace
