// What --watch does on each change of a full file (10 graphs of 5 sets of 1000 points): a
// fresh store read from the file, the chart back to its saved state, populated and drawn
// again. Run 1000 times, so that memory that grows with the reloads shows as a counter.
#include "chart/ChartPopulation.h"
#include "chart/DataNotes.h"
#include "chart/TChart.h"
#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartView.h"
#include "data/PlotData.h"
#include "ui/PlotDialogInit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
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

} // namespace
