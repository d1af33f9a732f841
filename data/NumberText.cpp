#include "data/NumberText.h"

#include <charconv>
#include <cmath>

void AppendShortest(std::string& out, double dValue) {
    char szNumber[32];
    out.append(szNumber, std::to_chars(szNumber, szNumber + sizeof szNumber, dValue).ptr);
}

std::string ShortestText(double dValue) {
    std::string out;
    AppendShortest(out, dValue);
    return out;
}

std::string ReadableText(double dValue) {
    char szNumber[400];
    const bool bPlain = std::fabs(dValue) >= 1e-4 && std::fabs(dValue) < 1e15;
    const auto result = bPlain ? std::to_chars(szNumber, szNumber + sizeof szNumber, dValue,
                                               std::chars_format::fixed)
                               : std::to_chars(szNumber, szNumber + sizeof szNumber, dValue);
    return std::string(szNumber, result.ptr);
}
