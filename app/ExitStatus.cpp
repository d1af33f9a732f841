#include "app/ExitStatus.h"

#include <sstream>

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
    {EExitStatus::Success, "the window was closed, or the export or table was written (or its "
                           "reader on standard output took what it wanted and left, as head does)"},
    {EExitStatus::Usage, "no FILE and no -pipe, an option without its value or with a wrong one, "
                         "--watch with -pipe or --export, or --export naming the data file"},
    {EExitStatus::NoChart, "the chart could not be created"},
    {EExitStatus::NotWritten, "--export could not fill the chart or write its file"},
    {EExitStatus::NoInput, "--export: the input could not be opened or read (nothing is written)"},
    {EExitStatus::NoDisplay, "a window was asked for and no display could be opened"},
};

std::string ExitStatusHelp() {
    // Wrapped for an 80-column terminal, each row's words under its first.
    constexpr std::size_t WIDTH = 79;
    const std::string strIndent = "     ";
    std::string strHelp = "Exit status:\n";
    for (const SExitStatusRow& row : EXIT_STATUS_TABLE) {
        std::string strLine = "  " + std::to_string(static_cast<int>(row.status)) + " ";
        std::istringstream words(row.pszWhen);
        for (std::string strWord; words >> strWord;) {
            if (strLine.size() + 1 + strWord.size() > WIDTH) {
                strHelp += strLine + "\n";
                strLine = strIndent.substr(1);
            }
            strLine += " " + strWord;
        }
        strHelp += strLine + "\n";
    }
    return strHelp;
}
