// What --watch does on each change of a full file (10 graphs of 5 sets of 1000 points): a
// fresh store read from the file, the chart back to its saved state, populated and drawn
// again. Run 1000 times, so that memory that grows with the reloads shows as a counter.
// And on a file of 5 sets of a million points (about 130 MB) that grew by a line: the look
// that tells it only grew (every byte of the last read digested again) next to a full read;
// the look should cost under 5 % of the read.
#include "chart/ChartAxes.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartHeader.h"
#include "chart/ChartLegend.h"
#include "chart/ChartPopulation.h"
#include "chart/ChartSeries.h"
#include "chart/ChartSeriesPart.h"
#include "chart/ChartStrings.h"
#include "chart/DataNotes.h"
#include "chart/TChart.h"
#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartView.h"
#include "data/PlotData.h"
#include "run/ReloadPolicy.h"
#include "ui/PlotDialogInit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string strLine;
    while (std::getline(status, strLine)) {
        if (strLine.rfind("VmRSS:", 0) == 0)
            return std::stol(strLine.substr(6));
    }
    return 0;
}

std::string WriteFullFile() {
    const std::string strPath = "/tmp/verlo-reload-bench.dat";
    std::FILE* pFile = std::fopen(strPath.c_str(), "w");
    for (int g = 0; g < MAX_GRAPHS; ++g) {
        std::fprintf(pFile, "@WITH G%d\n@subtitle \"Graph %d\"\n", g, g);
        for (int s = 0; s < MAX_SETS; ++s) {
            std::fprintf(pFile, "@S%d\n@legend string \"Set %d\"\n", s, s);
            for (int p = 0; p < MAX_POINTS; ++p)
                std::fprintf(pFile, "%.4f %.4f\n", 2461041.5 + p / 24.0,
                             10.0 * s + 5 + 3 * std::sin(p / 50.0));
            std::fputs("&\n", pFile);
        }
    }
    std::fclose(pFile);
    return strPath;
}

void BM_ReloadFullStore(benchmark::State& state) {
    const std::string strPath = WriteFullFile();
    std::unique_ptr<CChartControl> pControl;
    CChartControl::Create(nullptr, PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE, 1000, pControl);
    CTChart chart;
    chart.AttachControlSite(pControl->GetDispatch());
    long nFirstRss = 0;
    for (auto _ : state) {
        auto pData = std::make_unique<CPlotData>();
        pData->ReadFromFile(strPath);
        pControl->ResetToSavedState();
        SPopulationReport population;
        PopulateChart(chart, *pData, population);
        benchmark::DoNotOptimize(DescribeData(*pData, population).size());
        pControl->View()->SyncFromModel();
        QImage image = pControl->View()->toPixmap(555, 449).toImage();
        benchmark::DoNotOptimize(image.constBits());
        if (nFirstRss == 0)
            nFirstRss = ResidentKilobytes();
    }
    state.counters["rss_first_kB"] = static_cast<double>(nFirstRss);
    state.counters["rss_growth_kB"] = static_cast<double>(ResidentKilobytes() - nFirstRss);
    chart.DetachControlSite();
    std::remove(strPath.c_str());
}
BENCHMARK(BM_ReloadFullStore)->Iterations(1000)->Unit(benchmark::kMillisecond);

const std::string& MillionsFile() {
    static const std::string strPath = [] {
        const std::string strPath = "/tmp/verlo-reload-bench-5m.dat";
        std::FILE* pFile = std::fopen(strPath.c_str(), "w");
        for (int s = 0; s < 5; ++s) {
            std::fprintf(pFile, "@S%d\n", s);
            for (int p = 0; p < 1000000; ++p)
                std::fprintf(pFile, "%.8f %.4f\n", 2460310.5 + p / 86400.0,
                             100.0 * s + (p % 977) * 0.0131);
            std::fputs("&\n", pFile);
        }
        std::fclose(pFile);
        return strPath;
    }();
    return strPath;
}

void BM_FullReadOf5MillionPoints(benchmark::State& state) {
    for (auto _ : state) {
        auto pData = std::make_unique<CPlotData>(1000000);
        pData->ReadFromFile(MillionsFile());
        benchmark::DoNotOptimize(pData->GetPointCount(0, 4));
    }
}
BENCHMARK(BM_FullReadOf5MillionPoints)->Unit(benchmark::kMillisecond);

void BM_GrownCheckOf5MillionPoints(benchmark::State& state) {
    CReloadPolicy policy;
    auto pData = std::make_unique<CPlotData>(1000000);
    pData->ReadFromFile(MillionsFile(), [&](std::FILE* pStream) {
        policy.Mark(fileno(pStream), pData->GetReadReport());
    });
    std::FILE* pFile = std::fopen(MillionsFile().c_str(), "a+");
    std::fputs("@S0\n", pFile);
    std::fflush(pFile);
    for (auto _ : state) {
        if (policy.HowToRead(fileno(pFile)) != CReloadPolicy::ERead::Grown)
            state.SkipWithError("the file did not only grow");
    }
    std::fclose(pFile);
    // As it was for the next run, which reads it whole again.
    std::filesystem::resize_file(MillionsFile(), pData->GetReadReport().digest.End());
}
BENCHMARK(BM_GrownCheckOf5MillionPoints)->Unit(benchmark::kMillisecond);

} // namespace
