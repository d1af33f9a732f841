#include "ArgumentList.h"

#include <algorithm>

namespace {
bool IsCommandLineSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
} // namespace

int CArgumentList::PipeCount() const {
    return static_cast<int>(std::count_if(arguments.begin(), arguments.end(), [](const auto& str) {
        return str == "-pipe" || str == "--pipe";
    }));
}

CArgumentList SplitCommandLine(const std::string& strCommandLine) {
    const std::string strLine = strCommandLine.substr(0, CMDLINE_BUFFER_SIZE - 1);
    CArgumentList list;
    bool bInWord = true;
    std::size_t nStart = 0;
    for (std::size_t i = 0; i < strLine.size() && list.Count() < MAX_ARGS; ++i) {
        const bool bSpace = IsCommandLineSpace(strLine[i]);
        if (bSpace && bInWord) {
            list.arguments.push_back(strLine.substr(nStart, i - nStart));
            bInWord = false;
        }
        if (!bSpace && !bInWord) {
            bInWord = true;
            nStart = i;
        }
    }
    if (bInWord && list.Count() < MAX_ARGS)
        list.arguments.push_back(strLine.substr(nStart));
    return list;
}

CArgumentList ArgumentsFromArgv(int argc, const char* const* argv) {
    CArgumentList list;
    for (int i = 0; i < argc; ++i)
        list.arguments.emplace_back(argv[i] ? argv[i] : "");
    return list;
}
