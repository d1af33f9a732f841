#pragma once

#include <string>

// The chart's texts are bytes as the data file held them. Valid UTF-8 stays as it is; every
// other byte is read as the Latin-1 character of that value, so that no byte is lost or
// hidden. The result is valid UTF-8.
std::string BytesToUtf8(const std::string& strBytes);
