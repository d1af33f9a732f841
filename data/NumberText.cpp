#include "data/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

void AppendShortest(std::string& out, double dValue) {
    char szNumber[32];
    out.append(szNumber, std::to_chars(szNumber, szNumber + sizeof szNumber, dValue).ptr);
}

std::string ShortestText(double dValue) {
    std::string out;
    AppendShortest(out, dValue);
    return out;
}

int DecimalPlaces(std::string_view strNumber) {
    const std::size_t nExponent = std::min(strNumber.find_first_of("eE"), strNumber.size());
    const std::size_t nPoint = strNumber.substr(0, nExponent).find('.');
    int nPlaces = nPoint == std::string_view::npos ? 0 : static_cast<int>(nExponent - nPoint - 1);
    if (nExponent < strNumber.size())
        nPlaces -= std::atoi(std::string(strNumber.substr(nExponent + 1)).c_str());
    return nPlaces;
}

std::string ReadableText(double dValue) {
    char szNumber[400];
    const bool bPlain = std::fabs(dValue) >= 1e-4 && std::fabs(dValue) < 1e15;
    const auto result = bPlain ? std::to_chars(szNumber, szNumber + sizeof szNumber, dValue,
                                               std::chars_format::fixed)
                               : std::to_chars(szNumber, szNumber + sizeof szNumber, dValue);
    return std::string(szNumber, result.ptr);
}
