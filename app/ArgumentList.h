#pragma once

#include <string>
#include <vector>

constexpr unsigned MAX_ARGS = 500;
constexpr unsigned CMDLINE_BUFFER_SIZE = 1024;

// The words of the command line in their order; index 0 is normally the program path.
struct CArgumentList {
    std::vector<std::string> arguments;

    unsigned Count() const { return static_cast<unsigned>(arguments.size()); }
    // How many arguments are exactly "-pipe", or "--pipe" as the usage message spells it;
    // every argument takes part, index 0 included.
    int PipeCount() const;
};

// Splits a command line handed over as one string at the six C white-space characters.
// Quotes and backslashes are ordinary characters. Only the first CMDLINE_BUFFER_SIZE - 1
// characters are looked at and at most MAX_ARGS words are kept; the rest is ignored.
CArgumentList SplitCommandLine(const std::string& strCommandLine);

// The argument list of a process that received its words already split: every word is
// kept as it came, so a file name with blanks stays whole.
CArgumentList ArgumentsFromArgv(int argc, const char* const* argv);
