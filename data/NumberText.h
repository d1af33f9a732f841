#pragma once

#include <string>
#include <string_view>

// Numbers as the viewer writes them for people and for programs.

// Appends the shortest text that reads back as the same double ("nan", "inf" and "-inf" for
// the others).
void AppendShortest(std::string& out, double dValue);
std::string ShortestText(double dValue);

// How many decimal places a number's text gives: "2460884.833333" 6, "1.5e-07" 8, "25e3" -3.
int DecimalPlaces(std::string_view strNumber);

// The shortest text that reads back as the same double, without an exponent where a user
// would not write one (2451545, not 2.451545e+06).
std::string ReadableText(double dValue);
