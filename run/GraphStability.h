#pragma once

#include "data/DatePoint.h"
#include "data/GraphSeries.h"
#include "data/Stability.h"
#include "data/TableWriter.h"
#include "data/XRange.h"

#include <string>
#include <vector>

// The columns of the stability table, wherever it is written: the first six as they always
// were, then the Hadamard deviation, the noise behind the bounds (alpha) and the bounds.
inline constexpr const char* STABILITY_COLUMNS[] = {
    "series",  "tau_s",   "n",       "adev",    "mdev",    "tdev",    "hdev",    "alpha",
    "adev_lo", "adev_hi", "mdev_lo", "mdev_hi", "tdev_lo", "tdev_hi", "hdev_lo", "hdev_hi"};

// The frequency stability of one series, or why there is none. Of a clock of a three-cornered
// hat, the deviations alone: no noise, no bounds (NaN), and NaN where its variance came out
// below 0.
struct SSeriesStability {
    std::string strTitle;
    SStabilityResult result;
    std::string strNote; // when not measured: "'title': not measured: why"
    bool bHat = false;
};

// The frequency stability of each series over its dated points with x in range (x as the file
// has it), y a phase in units of dSecondsPerUnit seconds. A step that makes a series uneven is
// named by its file line and date.
std::vector<SSeriesStability> MeasureGraphStability(const std::vector<CGraphSeries>& series,
                                                    const SXRange& range, double dSecondsPerUnit,
                                                    const SStabilityOptions& options,
                                                    const SDateRule& rule);

// The three-cornered hat of three clocks a, b and c, each against one common reference: the
// deviations of the three differences at the epochs all three hold, and from them each
// clock's own. A variance below 0 (correlated clocks, or too few data) is NaN in the clock's
// result, with a note in its strNote; a difference that cannot be measured leaves no result.
std::vector<SSeriesStability> MeasureHat(const CGraphSeries& a, const CGraphSeries& b,
                                         const CGraphSeries& c, const SXRange& range,
                                         double dSecondsPerUnit, const SStabilityOptions& options,
                                         const SDateRule& rule);

// The measured series as a table: a header line, then a row per series and averaging time with
// the series' title, tau in seconds, the count of terms of the overlapping Allan deviation,
// ADEV, MDEV (dimensionless), TDEV (seconds), HDEV, alpha and the low and high bounds of each.
void WriteStabilityTable(const std::vector<SSeriesStability>& series, CTableWriter& out);
