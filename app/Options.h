#pragma once

#include "app/ArgumentList.h"
#include "data/PlotLimits.h"
#include "data/Stability.h"
#include "data/XRange.h"
#include "platform/Status.h"

#include <string>
#include <vector>

// The options the viewer takes beyond its data source. They are taken out of the argument
// list, wherever they stand, before the data-source rules look at the rest.
struct SOptions {
    bool bHelp = false;    // "--help" or "-h" as the only argument
    bool bVersion = false; // "--version" as the only argument
    bool bExport = false;
    std::string strExportPath;   // "--export FILE"; "-" for standard output
    std::string strFormat;       // "--format png|svg|pdf|csv|json": what the export writes
    int nGraph = 0;              // "--graph N": the graph to show, 0 to 9
    bool bWatch = false;         // "--watch": read the file again whenever it changes
    bool bAll = false;           // "--all": start with every point in view
    bool bStats = false;         // "--stats": print the statistics of each series
    bool bRange = false;         // "--x-range FROM:TO" was given
    SXRange range;               // its x values, dates as Julian Dates
    int nMaxPoints = MAX_POINTS; // "--max-points N": room for N points a set
    bool bStability = false;     // "--stability": print the stability of each series
    std::string strYUnit;        // "--y-unit s|ms|us|ns|ps": what y is, as a time
    ETauSpacing taus = ETauSpacing::Octave; // "--taus octave|decade|all"
    bool bTaus = false;                     // --taus was given
    int nWidth = 0; // "--size WIDTHxHEIGHT" of an export; 0 for the chart's own
    int nHeight = 0;
    int nScale = 1; // "--scale N": device pixels per pixel of an exported PNG
    SStatus status; // what is wrong with the options: a usage failure
    // Words that look like options of ours and are none ("--exprot"), in their order.
    std::vector<std::string> unknown;
    // Options given where they change nothing: "--taus has no effect without --stability".
    std::vector<std::string> idle;
};

SOptions ExtractOptions(CArgumentList& args);

// What --help prints.
std::string HelpText();
