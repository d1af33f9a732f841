#pragma once

#include "DataSource.h"
#include "ReadReport.h"

#include <string>
#include <vector>

// One line for stderr per thing the read could not do or had to drop; none when all went
// well. strProgram prefixes each line.
std::vector<std::string> DescribeReadProblems(const CReadReport& report, const SDataSource& source,
                                              const std::string& strProgram);
