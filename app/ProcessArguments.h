#pragma once

#include "ArgumentList.h"

// The process's command line as the viewer's own rules see it: the words the process was
// started with, less the options the start-up has already taken out.
void SetProcessArguments(CArgumentList args);
const CArgumentList& GetProcessArguments();
