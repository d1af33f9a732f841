#pragma once

#include "app/ArgumentList.h"
#include "run/PlotRequest.h"

// "-pipe" anywhere selects standard input; otherwise the last of at least two arguments
// names the file; otherwise the usage message is due.
SDataSource ChooseDataSource(const CArgumentList& args);
