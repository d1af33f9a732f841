#include "app/ExitStatus.h"

EExitStatus ExitStatusFor(ECause cause) {
    switch (cause) {
    case ECause::None:
        return EExitStatus::Success;
    case ECause::Usage:
        return EExitStatus::Usage;
    case ECause::NoChart:
        return EExitStatus::NoChart;
    case ECause::ChartFailed:
    case ECause::NotWritten:
        return EExitStatus::NotWritten;
    case ECause::CannotOpen:
    case ECause::CannotRead:
        return EExitStatus::NoInput;
    case ECause::NoDisplay:
        return EExitStatus::NoDisplay;
    }
    return EExitStatus::Usage;
}

const SExitStatusRow EXIT_STATUS_TABLE[6] = {
    {EExitStatus::Success, "the window was closed, or the export was written"},
    {EExitStatus::Usage, "no FILE and no -pipe, an option without its value or with a wrong one, "
                         "or --watch with -pipe or --export"},
    {EExitStatus::NoChart, "the chart could not be created"},
    {EExitStatus::NotWritten, "--export could not fill the chart or write its file"},
    {EExitStatus::NoInput, "--export: the input could not be opened or read (nothing is written)"},
    {EExitStatus::NoDisplay, "a window was asked for and no display could be opened"},
};

std::string ExitStatusHelp() {
    std::string strHelp = "Exit status:\n";
    for (const SExitStatusRow& row : EXIT_STATUS_TABLE)
        strHelp += "  " + std::to_string(static_cast<int>(row.status)) + "  " + row.pszWhen + "\n";
    return strHelp;
}
