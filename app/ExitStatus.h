#pragma once

#include "platform/Status.h"

#include <string>

// How the viewer ends: the process's exit status. The one place that turns a cause into one.
enum class EExitStatus : int {
    Success = 0,
    Usage = 1,
    NoChart = 2,
    NotWritten = 3,
    NoInput = 4,
    NoDisplay = 5,
};

EExitStatus ExitStatusFor(ECause cause);

// When each status is given, in the words of --help, the man page and the README.
struct SExitStatusRow {
    EExitStatus status;
    const char* pszWhen;
};
extern const SExitStatusRow EXIT_STATUS_TABLE[6];

// The table as --help shows it, one "  N  when" line a status.
std::string ExitStatusHelp();
