#pragma once

#include <string>
#include <vector>

// The words of the command line in their order; index 0 is normally the program path.
struct CArgumentList {
    std::vector<std::string> arguments;

    unsigned Count() const { return static_cast<unsigned>(arguments.size()); }
    // How many arguments are exactly "-pipe", or "--pipe" as the usage message spells it;
    // every argument takes part, index 0 included.
    int PipeCount() const;
};

// The argument list of the process: on this platform its words arrive already split, and
// every word is kept as it came, so a file name with blanks stays whole.
CArgumentList ArgumentsFromArgv(int argc, const char* const* argv);
