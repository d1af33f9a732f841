#include "data/PlotData.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

// Every graph, set and point slot of the store filled, as a producer would write it.
std::string FullStoreText() {
    std::string text;
    char szLine[64];
    for (int g = 0; g < MAX_GRAPHS; ++g) {
        text += "@WITH G" + std::to_string(g) + "\n@subtitle \"graph " + std::to_string(g) + "\"\n";
        for (int s = 0; s < MAX_SETS; ++s) {
            text +=
                "@S" + std::to_string(s) + "\n@legend string \"set " + std::to_string(s) + "\"\n";
            for (int p = 0; p < MAX_POINTS; ++p) {
                std::snprintf(szLine, sizeof szLine, "%.10g %.10g\n", 2451545.0 + p * 0.125,
                              1000.0 * s + p * 0.731);
                text += szLine;
            }
            text += "&\n";
        }
    }
    return text;
}

// 100 MB of point lines, nearly all beyond the 1000 slots of set 0.
const std::filesystem::path& LargeFile() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "verlo-bench-100mb.dat";
    constexpr std::uintmax_t nTarget = 100u * 1000u * 1000u;
    std::error_code error;
    if (std::filesystem::file_size(path, error) != nTarget) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        const std::string strLine = "2451545.123456 1234.5678\n";
        std::string block;
        while (block.size() < 1 << 20)
            block += strLine;
        std::uintmax_t nWritten = 0;
        out << "@S0\n";
        nWritten += 4;
        while (nWritten + block.size() <= nTarget) {
            out << block;
            nWritten += block.size();
        }
        out << std::string(nTarget - nWritten - 1, '1') << '\n';
    }
    return path;
}

// nSets sets of a million points each, as a month of 1-second data would be: about 25 MB a set.
const std::filesystem::path& MillionsFile(int nSets) {
    static std::filesystem::path paths[6];
    std::filesystem::path& path = paths[nSets];
    if (!path.empty())
        return path;
    path =
        std::filesystem::temp_directory_path() / ("verlo-bench-" + std::to_string(nSets) + "m.dat");
    if (!std::filesystem::exists(path)) {
        std::FILE* pFile = std::fopen(path.c_str(), "w");
        for (int s = 0; s < nSets; ++s) {
            std::fprintf(pFile, "@S%d\n", s);
            for (int p = 0; p < 1000000; ++p)
                std::fprintf(pFile, "%.8f %.4f\n", 2460310.5 + p / 86400.0,
                             100.0 * s + (p % 977) * 0.0131);
            std::fprintf(pFile, "&\n");
        }
        std::fclose(pFile);
    }
    return path;
}

void BM_ReadMillionsOfPoints(benchmark::State& state) {
    const auto nSets = static_cast<int>(state.range(0));
    const auto& path = MillionsFile(nSets);
    for (auto _ : state) {
        auto pData = std::make_unique<CPlotData>(1000000);
        pData->ReadFromFile(path.string());
        benchmark::DoNotOptimize(pData->GetPointCount(0, nSets - 1));
    }
    state.SetItemsProcessed(state.iterations() * nSets * 1000000);
}
BENCHMARK(BM_ReadMillionsOfPoints)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

// A file of about state.range(0) bytes of dated points read in one pass (range(1) 0) or in
// parts on two threads (1), as a large file is: where the parts start to pay.
void BM_ReadInPartsFromSize(benchmark::State& state) {
    const auto nBytes = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("verlo-bench-" + std::to_string(nBytes) + ".dat");
    if (!std::filesystem::exists(path)) {
        std::FILE* pFile = std::fopen(path.c_str(), "w");
        std::fprintf(pFile, "@S0\n");
        for (std::size_t p = 0; std::ftell(pFile) < static_cast<long>(nBytes); ++p)
            std::fprintf(pFile, "%.8f %.4f\n", 2460310.5 + static_cast<double>(p) / 86400.0,
                         static_cast<double>(p % 977) * 0.0131);
        std::fprintf(pFile, "&\n");
        std::fclose(pFile);
    }
    for (auto _ : state) {
        auto pData = std::make_unique<CPlotData>(10000000);
        std::FILE* pFile = std::fopen(path.c_str(), "r");
        if (state.range(1) == 0) {
            // A stream that cannot seek, as a pipe: read in one pass whatever its size.
            cookie_io_functions_t functions{};
            functions.read = [](void* pCookie, char* pBuffer, std::size_t nSize) {
                return static_cast<ssize_t>(
                    std::fread(pBuffer, 1, nSize, static_cast<std::FILE*>(pCookie)));
            };
            std::FILE* pPipe = fopencookie(pFile, "r", functions);
            pData->ReadFromStream(pPipe);
            std::fclose(pPipe);
        } else {
            pData->ReadInParts(pFile, 2, 4, 512 * 1024);
        }
        std::fclose(pFile);
        benchmark::DoNotOptimize(pData->GetPointCount(0, 0));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * nBytes));
}
BENCHMARK(BM_ReadInPartsFromSize)
    ->ArgsProduct({{16 << 10, 64 << 10, 128 << 10, 256 << 10, 512 << 10, 1 << 20, 4 << 20}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// What the numbers alone cost: strtod over the million lines' two numbers, in memory.
void BM_StrtodMillionLines(benchmark::State& state) {
    std::ifstream file(MillionsFile(1));
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    for (auto _ : state) {
        double dSum = 0.0;
        for (const char* p = std::strchr(text.c_str(), '\n') + 1; *p != '&';) {
            char* pEnd = nullptr;
            dSum += std::strtod(p, &pEnd);
            dSum += std::strtod(pEnd, &pEnd);
            p = pEnd + 1;
        }
        benchmark::DoNotOptimize(dSum);
    }
}
BENCHMARK(BM_StrtodMillionLines)->Unit(benchmark::kMillisecond);

// The floor of the disk and the system: wc -l over the million lines, as a whole process.
void BM_WcMillionLines(benchmark::State& state) {
    const std::string strCommand = "wc -l '" + MillionsFile(1).string() + "' > /dev/null";
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        if (std::system(strCommand.c_str()) != 0)
            state.SkipWithError("wc failed");
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_WcMillionLines)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ReadFullStore(benchmark::State& state) {
    std::string text = FullStoreText();
    for (auto _ : state) {
        auto pData = std::make_unique<CPlotData>();
        FILE* pStream = fmemopen(text.data(), text.size(), "r");
        pData->ReadFromStream(pStream);
        std::fclose(pStream);
        benchmark::DoNotOptimize(pData->GetMaxY(9));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadFullStore)->Unit(benchmark::kMillisecond);

void BM_ReadLinesBeyondLimits100MB(benchmark::State& state) {
    const auto& path = LargeFile();
    for (auto _ : state) {
        auto pData = std::make_unique<CPlotData>();
        pData->ReadFromFile(path.string());
        benchmark::DoNotOptimize(pData->GetReadReport().pointsDropped.nCount);
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(path)));
}
BENCHMARK(BM_ReadLinesBeyondLimits100MB)->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor: the system's own line counter over the same file, timed as a whole process.
void BM_WcLines100MB(benchmark::State& state) {
    const std::string strCommand = "wc -l '" + LargeFile().string() + "' > /dev/null";
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        if (std::system(strCommand.c_str()) != 0)
            state.SkipWithError("wc failed");
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(LargeFile())));
}
BENCHMARK(BM_WcLines100MB)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
