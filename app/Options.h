#pragma once

#include "app/ArgumentList.h"
#include "platform/Status.h"
#include "run/PlotRequest.h"

#include <algorithm>
#include <string>
#include <vector>

// The options the viewer takes beyond its data source. They are taken out of the argument
// list, wherever they stand, before the data-source rules look at the rest.
struct SOptions {
    bool bHelp = false;    // "--help" or "-h" as the only argument
    bool bVersion = false; // "--version" as the only argument
    // What the options ask of the run; its data source is for the rules of the words left.
    SPlotRequest request;
    // The options given, by name ("--x-range"), in their order.
    std::vector<std::string> given;
    std::string strRange; // the text of --x-range, read once --mjd is known
    bool Given(const char* pszName) const {
        return std::find(given.begin(), given.end(), pszName) != given.end();
    }
    SStatus status; // what is wrong with the options: a usage failure
    // Words that look like options of ours and are none ("--exprot"), in their order.
    std::vector<std::string> unknown;
    // Options given where they change nothing: "--taus has no effect without --stability".
    std::vector<std::string> idle;
};

SOptions ExtractOptions(CArgumentList& args);

// What --help prints.
std::string HelpText();
