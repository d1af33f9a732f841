#pragma once

#include "data/XRange.h"

#include <string>

// The words the tables use for a series.

// "'title': no drawn point in --x-range", or "'title': no drawn point" for the whole x.
std::string NoPointNote(const std::string& strTitle, const SXRange& range);
