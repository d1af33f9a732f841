#include "chartcontrol/SavedState.h"

#include <cstdlib>

// Arbitrary bytes as the dialog's control records: loading either succeeds or says why.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    SChartModel model;
    const SStatus status = LoadChartStateFromDialogInit(pData, nSize, 1000, model);
    if (status.Ok() != status.strMessage.empty())
        std::abort();
    return 0;
}
