#pragma once

#include <string>
#include <utility>

// How the viewer ends; the process's exit status.
enum class EExitStatus : int {
    Success = 0,    // the window was closed, or the export was written
    Usage = 1,      // no data source on the command line, or a wrong option
    NoChart = 2,    // the chart could not be created
    NotWritten = 3, // --export could not fill the chart or write its file
    NoInput = 4,    // --export: the input could not be opened or read; nothing was written
    NoDisplay = 5,  // a window was asked for and no display could be opened
};

// How a step that can fail ended: fine, or the kind of failure (the exit status it leads to)
// and the words for it. Automation calls fail as automation does, with exceptions; every
// other fallible step returns one of these.
struct SStatus {
    EExitStatus kind = EExitStatus::Success;
    std::string strMessage;

    static SStatus Failed(EExitStatus kind, std::string strMessage) {
        return {kind, std::move(strMessage)};
    }
    bool Ok() const { return kind == EExitStatus::Success; }
};
