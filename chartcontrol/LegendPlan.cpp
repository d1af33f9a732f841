#include "chartcontrol/LegendPlan.h"

#include <algorithm>
#include <numeric>

namespace {

std::vector<int> ColumnWidths(const std::vector<int>& wholeWidths, int nColumns) {
    std::vector<int> columns(static_cast<std::size_t>(nColumns), 0);
    for (std::size_t i = 0; i < wholeWidths.size(); ++i) {
        int& nColumn = columns[i % columns.size()];
        nColumn = std::max(nColumn, wholeWidths[i]);
    }
    return columns;
}

} // namespace

SLegendPlan PlanLegend(const std::vector<int>& wholeWidths, int nRoom, int nSpacing, int nMaxRows) {
    SLegendPlan plan;
    plan.widths = wholeWidths;
    const int nEntries = static_cast<int>(wholeWidths.size());
    if (nEntries == 0)
        return plan;
    std::vector<int> columns;
    for (int nRows = 1; nRows <= std::max(nMaxRows, 1); ++nRows) {
        plan.nColumns = (nEntries + nRows - 1) / nRows;
        columns = ColumnWidths(wholeWidths, plan.nColumns);
        const int nNeeded =
            std::accumulate(columns.begin(), columns.end(), 0) + nSpacing * (plan.nColumns - 1);
        if (nNeeded <= nRoom)
            return plan;
    }
    // Narrow columns keep their width; the rest share the remaining room equally.
    std::vector<int> sorted = columns;
    std::sort(sorted.begin(), sorted.end());
    int nLeft = std::max(nRoom - nSpacing * (plan.nColumns - 1), 0);
    int nShare = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        nShare = nLeft / static_cast<int>(sorted.size() - i);
        if (sorted[i] > nShare)
            break;
        nLeft -= sorted[i];
    }
    for (std::size_t i = 0; i < plan.widths.size(); ++i)
        plan.widths[i] = std::min(plan.widths[i], std::min(columns[i % columns.size()], nShare));
    return plan;
}
