#include "run/TableText.h"

#include <cmath>

std::string NoPointNote(const std::string& strTitle, const SXRange& range) {
    const bool bWhole = std::isinf(range.dFrom) && std::isinf(range.dTo);
    return "'" + strTitle + "': no drawn point" + (bWhole ? "" : " in --x-range");
}
