#pragma once

// How the viewer ends; the process's exit status.
enum class EExitStatus : int {
    Success = 0,    // the window was closed, or the export was written
    Usage = 1,      // no data source on the command line, or an option without its value
    NoChart = 2,    // the chart could not be created
    NotWritten = 3, // --export could not fill the chart or write its file
    NoInput = 4,    // --export: the input could not be opened or read; nothing was written
    NoDisplay = 5,  // a window was asked for and no display could be opened
};
