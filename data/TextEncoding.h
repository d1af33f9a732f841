#pragma once

#include <cstddef>
#include <string>

// The chart's texts are bytes as the data file held them. Valid UTF-8 stays as it is; every
// other byte is read as the Latin-1 character of that value, so that no byte is lost or
// hidden. The result is valid UTF-8.
std::string BytesToUtf8(const std::string& strBytes);

// The length of the valid UTF-8 sequence of two to four bytes at p (of n bytes left), or 0
// when there is none: no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t Utf8SequenceLength(const unsigned char* p, std::size_t n);
