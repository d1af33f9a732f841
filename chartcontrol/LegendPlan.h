#pragma once

#include <vector>

// How legend entries share the legend's width: entry i sits in column i % nColumns, and
// gets widths[i] pixels, its whole width unless it has to be cut.
struct SLegendPlan {
    int nColumns = 1;
    std::vector<int> widths;
};

// The fewest rows, up to nMaxRows, in which every entry fits whole into nRoom pixels with
// nSpacing between columns; when even nMaxRows rows are too few, the wide columns share
// what the narrow ones leave, equally.
SLegendPlan PlanLegend(const std::vector<int>& wholeWidths, int nRoom, int nSpacing, int nMaxRows);
