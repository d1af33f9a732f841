#pragma once

#include "data/PlotData.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

// Runs the reader over an in-memory text, NUL bytes included.
inline void ReadText(CPlotData& data, const std::string& text) {
    if (text.empty()) {
        std::unique_ptr<FILE, int (*)(FILE*)> pEmpty(std::tmpfile(), &std::fclose);
        data.ReadFromStream(pEmpty.get());
        return;
    }
    std::unique_ptr<FILE, int (*)(FILE*)> pStream(
        fmemopen(const_cast<char*>(text.data()), text.size(), "r"), &std::fclose);
    if (!pStream)
        throw std::runtime_error("fmemopen failed");
    data.ReadFromStream(pStream.get());
}

// The store is about 800 KB: keep it off the test's stack.
inline std::unique_ptr<CPlotData> ReadNew(const std::string& text, int nMaxPoints = MAX_POINTS) {
    auto pData = std::make_unique<CPlotData>(nMaxPoints);
    ReadText(*pData, text);
    return pData;
}
