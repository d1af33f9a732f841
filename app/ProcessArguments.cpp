#include "ProcessArguments.h"

namespace {
CArgumentList& ProcessArguments() {
    static CArgumentList args;
    return args;
}
} // namespace

void SetProcessArguments(CArgumentList args) {
    ProcessArguments() = std::move(args);
}

const CArgumentList& GetProcessArguments() {
    return ProcessArguments();
}
