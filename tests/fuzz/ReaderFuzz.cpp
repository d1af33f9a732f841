#include "tests/support/ReadText.h"

#include <cstdint>
#include <cstdlib>
#include <new>

// Feeds arbitrary bytes to the reader and checks the store's invariants afterwards, and that a
// read in parts of a few bytes leaves what the one-pass read leaves.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    std::unique_ptr<FILE, int (*)(FILE*)> pStream(
        nSize ? fmemopen(const_cast<std::uint8_t*>(pData), nSize, "r") : std::tmpfile(),
        &std::fclose);
    if (!pStream)
        return 0;
    // One block for every run: a fresh 800 KB allocation per input would cost more than the
    // read itself.
    alignas(CPlotData) static unsigned char storage[2][sizeof(CPlotData)];
    struct SDestroy {
        void operator()(CPlotData* p) const { p->~CPlotData(); }
    };
    std::unique_ptr<CPlotData, SDestroy> pStore(new (storage[0]) CPlotData);
    pStore->ReadFromStream(pStream.get());
    std::rewind(pStream.get());
    std::unique_ptr<CPlotData, SDestroy> pParts(new (storage[1]) CPlotData);
    pParts->ReadInParts(pStream.get(), 2, 3, nSize % 97 + 1);
    if (Everything(*pParts) != Everything(*pStore))
        std::abort();
    for (int g = 0; g < MAX_GRAPHS; ++g) {
        if (pStore->GetSetCount(g) < 0 || pStore->GetSetCount(g) > MAX_SETS ||
            !(pStore->GetMaxY(g) >= 0.0))
            std::abort();
        for (int s = 0; s < MAX_SETS; ++s) {
            int nPoints = pStore->GetPointCount(g, s);
            if (nPoints < 0 || nPoints > MAX_POINTS)
                std::abort();
            for (int p = 0; p < nPoints; ++p)
                if (pStore->GetY(g, s, p) > pStore->GetMaxY(g))
                    std::abort();
        }
    }
    return 0;
}
