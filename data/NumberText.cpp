#include "data/NumberText.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// 10^k at [k + 3]: exact from 10^0 on, and 10^-3 to 10^-1 each the double just above.
constexpr double POWERS[] = {1e-3, 1e-2, 1e-1, 1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17};
double PowerOfTen(int nExponent) {
    return POWERS[nExponent + 3];
}

constexpr char DIGIT_PAIRS[] =
    "00010203040506070809101112131415161718192021222324252627282930313233"
    "34353637383940414243444546474849505152535455565758596061626364656667"
    "6869707172737475767778798081828384858687888990919293949596979899";

// Writes the nDigits digits of n at pOut, two at a time, the first alone when they are odd.
void WriteDigits(char* pOut, std::uint32_t n, int nDigits) {
    for (int i = nDigits - 2; i >= 0; i -= 2, n /= 100)
        std::memcpy(pOut + i, DIGIT_PAIRS + 2 * (n % 100), 2);
    if (nDigits % 2 != 0)
        pOut[0] = static_cast<char>('0' + n);
}

// Writes the shortest text that reads back as dValue (1e-3 <= dValue < 1e15) at pOut when it
// has at most 15 digits and no exponent; nullptr for the others.
// Within 15 digits the rounding interval of dValue holds at most one multiple of 10^-d for the
// d that puts dValue * 10^d just below 10^15, and that product, rounded, lands on it: its
// digits, their trailing zeros left out, are the shortest that read back, if any of 15 or fewer
// do. The check divides exactly as reading the text rounds: both give the double nearest to
// the same quotient.
char* WriteFifteenDigits(char* pOut, double dValue) {
    if (!(dValue >= 1e-3 && dValue < 1e15))
        return nullptr;
    // floor(log2 * 1233 / 4096) is floor(log10) or one below it in this range.
    const int nBinaryExponent = static_cast<int>(std::bit_cast<std::uint64_t>(dValue) >> 52) - 1023;
    int nExponent = (nBinaryExponent * 1233) >> 12;
    if (dValue >= PowerOfTen(nExponent + 1))
        ++nExponent;
    const int nDecimals = 14 - nExponent;
    const double dScaled = dValue * PowerOfTen(nDecimals);
    auto n = static_cast<std::uint64_t>(dScaled);
    n += dScaled - static_cast<double>(n) >= 0.5;
    if (n < 100000000000000ULL || n >= 1000000000000000ULL ||
        static_cast<double>(n) / PowerOfTen(nDecimals) != dValue)
        return nullptr;
    // The first 7 digits and the last 8 apart, in two chains of divisions that do not wait for
    // each other; the last 8 are often all 0.
    char szDigits[15];
    const auto nLow = static_cast<std::uint32_t>(n % 100000000);
    WriteDigits(szDigits, static_cast<std::uint32_t>(n / 100000000), 7);
    int nLast = 14;
    if (nLow != 0) {
        WriteDigits(szDigits + 7, nLow, 8);
    } else {
        std::memset(szDigits + 7, '0', 8);
        nLast = 6;
    }
    while (nLast > 0 && szDigits[nLast] == '0')
        --nLast;
    const int nWhole = nExponent + 1;
    if (nWhole <= 0) {
        // 0.00123: never longer than 1.23e-03 from 1e-3 on.
        pOut[0] = '0';
        pOut[1] = '.';
        std::memset(pOut + 2, '0', static_cast<std::size_t>(-nWhole));
        std::memcpy(pOut + 2 - nWhole, szDigits, static_cast<std::size_t>(nLast + 1));
        return pOut + 3 - nWhole + nLast;
    }
    std::memcpy(pOut, szDigits, static_cast<std::size_t>(nWhole));
    if (nLast >= nWhole) {
        pOut[nWhole] = '.';
        std::memcpy(pOut + nWhole + 1, szDigits + nWhole,
                    static_cast<std::size_t>(nLast + 1 - nWhole));
        return pOut + nLast + 2;
    }
    // A whole number: 1e+05 is shorter than 100000 (the exponent has two digits here).
    const int nSignificant = nLast + 1;
    return nWhole <= nSignificant + (nSignificant > 1) + 4 ? pOut + nWhole : nullptr;
}

} // namespace

char* WriteShortest(char* pOut, double dValue) {
    // A million rows write millions of numbers: those of 15 digits or fewer, as measurements
    // and times mostly are, take a quick way that gives the same text.
    char* p = pOut;
    if (dValue < 0.0)
        *p++ = '-';
    if (char* pEnd = WriteFifteenDigits(p, std::fabs(dValue)))
        return pEnd;
    return std::to_chars(pOut, pOut + SHORTEST_BYTES, dValue).ptr;
}

void AppendShortest(std::string& out, double dValue) {
    char szNumber[SHORTEST_BYTES];
    out.append(szNumber, WriteShortest(szNumber, dValue));
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
