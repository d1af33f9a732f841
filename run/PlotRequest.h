#pragma once

#include "data/DatePoint.h"
#include "data/PlotLimits.h"
#include "data/Stability.h"
#include "data/XRange.h"

#include <string>
#include <utility>
#include <vector>

// Where the viewer's data come from, as the command line decides it.
struct SDataSource {
    enum class EKind { Pipe, File, Usage };
    EKind kind = EKind::Usage;
    std::string strPath; // the file to read when kind is File

    // The input's name in messages: the path, or "-" for standard input.
    std::string Name() const { return kind == EKind::File ? strPath : std::string("-"); }
};

// What the main dialog is asked to do: show, or export without a window, one graph of the
// data of one source.
struct SPlotRequest {
    SDataSource source;
    bool bExport = false;
    std::string strExportPath;    // "-" for standard output
    std::string strExportFormat;  // what the export writes; empty for the path's extension
    int nGraph = 0;               // 0 to 9
    bool bWatch = false;          // read the file again whenever it changes
    bool bAll = false;            // start with every point in view
    bool bStats = false;          // print the statistics of each series instead of showing it
    bool bStability = false;      // print the frequency stability of each series
    double dSecondsPerUnit = 0.0; // y as a phase: seconds a unit; 0 while not known
    SStabilityOptions stability;  // the taus, the noise behind the bounds, their confidence
    SDateRule dates;              // --mjd: every x a Modified Julian Date
    // Series A - B shown after the graph's sets, by their numbers in the graph (from 0).
    std::vector<std::pair<int, int>> differences;
    // --hat A,B,C: the three-cornered hat of three series in place of --stability's series.
    std::vector<int> hat;
    bool bMjdAxis = false;       // --axis mjd: the date axis and read-outs as Modified Julian Dates
    SXRange range;               // the x the statistics are taken over
    int nMaxPoints = MAX_POINTS; // room for so many points a set
    // The export's size (pixels of a PNG, points of a PDF or SVG); 0 for the chart's own.
    int nExportWidth = 0;
    int nExportHeight = 0;
    int nExportScale = 1; // device pixels per pixel of a PNG
};

inline constexpr const char* USAGE_MESSAGE = "Please provide the filename or the --pipe option";
