#pragma once

#include "data/DatePoint.h"
#include "data/GraphSeries.h"
#include "data/TableWriter.h"

#include <vector>

// The drawn points of a graph's series as a table (RFC 4180: quoted texts, CRLF line ends): a
// header line, then per point its series' title, x and y as the file has them (the shortest
// text that reads back as the same double), and, when the graph holds dates, the time of each
// date point as the chart places it, ISO 8601 UTC with milliseconds (2026-01-01T12:00:00.000Z).
// Points the chart does not draw (no date, x or y no finite number) are left out. Sent to sink
// in pieces, series by series, never held whole; false when the sink failed.
bool WriteGraphCsv(const std::vector<CGraphSeries>& series, const SDateRule& rule,
                   const CTableWriter::Sink& sink);
