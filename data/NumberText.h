#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Numbers as the viewer writes them for people and for programs.

// The longest text WriteShortest writes.
inline constexpr std::size_t SHORTEST_BYTES = 32;
// Writes the shortest text that reads back as the same double at pOut, as std::to_chars
// writes it ("nan", "inf" and "-inf" for the others); returns where it ends.
char* WriteShortest(char* pOut, double dValue);
// Appends that text.
void AppendShortest(std::string& out, double dValue);
std::string ShortestText(double dValue);

// How many decimal places a number's text gives: "2460884.833333" 6, "1.5e-07" 8, "25e3" -3.
int DecimalPlaces(std::string_view strNumber);

// The shortest text that reads back as the same double, without an exponent where a user
// would not write one (2451545, not 2.451545e+06).
std::string ReadableText(double dValue);
