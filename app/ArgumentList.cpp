#include "app/ArgumentList.h"

#include <algorithm>

int CArgumentList::PipeCount() const {
    return static_cast<int>(std::count_if(arguments.begin(), arguments.end(), [](const auto& str) {
        return str == "-pipe" || str == "--pipe";
    }));
}

CArgumentList ArgumentsFromArgv(int argc, const char* const* argv) {
    CArgumentList list;
    for (int i = 0; i < argc; ++i)
        list.arguments.emplace_back(argv[i] ? argv[i] : "");
    return list;
}
