#pragma once

#include "ArgumentList.h"

#include <string>

// Where the viewer's data come from, decided from the argument list.
struct SDataSource {
    enum class EKind { Pipe, File, Usage };
    EKind kind = EKind::Usage;
    std::string strPath; // the file to read when kind is File
};

// "-pipe" anywhere selects standard input; otherwise the last of at least two arguments
// names the file; otherwise the usage message is due.
SDataSource ChooseDataSource(const CArgumentList& args);

constexpr const char* USAGE_MESSAGE = "Please provide the filename or the --pipe option";
