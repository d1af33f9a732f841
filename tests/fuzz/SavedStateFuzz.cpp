#include "chartcontrol/SavedState.h"

#include <cstdint>
#include <cstdlib>

// Arbitrary bytes as the dialog's control records: loading either succeeds or says why.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    SChartModel model;
    std::string strError;
    bool bLoaded = LoadChartStateFromDialogInit(pData, nSize, 1000, model, strError);
    if (bLoaded != strError.empty())
        std::abort();
    return 0;
}
