#include "data/PointScan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace {

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
    return IsDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
}

// Whether psz starts with the lower-case word, in any case.
bool StartsWithWord(const char* psz, const char* pszWord) {
    for (; *pszWord; ++psz, ++pszWord) {
        if (Lower(*psz) != *pszWord)
            return false;
    }
    return true;
}

// The reference conversion, for the rare spans the fast one does not take (results out of
// range): strtod in the "C" locale over a copy of the span.
double SlowConvert(const char* pBegin, const char* pEnd, const char*& pParsed) {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    const std::string strSpan(pBegin, pEnd);
    char* pStop = nullptr;
    const double dValue = strtod_l(strSpan.c_str(), &pStop, classic);
    pParsed = pBegin + (pStop - strSpan.c_str());
    return dValue;
}

// strtod over the span the scan took: the longest prefix that is a number, and its value.
// False when no prefix is.
bool Convert(const char* pBegin, const char* pEnd, bool bHex, double& dValue) {
    const char* p = pBegin;
    const bool bNegative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    double dMagnitude = 0.0;
    const char* pParsed = p;
    std::from_chars_result result{};
    if (bHex) {
        // "0x" and no hexadecimal number after it: the C library reads just the "0".
        result = std::from_chars(p + 2, pEnd, dMagnitude, std::chars_format::hex);
        if (result.ptr == p + 2) {
            dValue = bNegative ? -0.0 : 0.0;
            return true;
        }
    } else {
        result = std::from_chars(p, pEnd, dMagnitude, std::chars_format::general);
        if (result.ptr == p)
            return false;
    }
    if (result.ec != std::errc()) {
        dValue = SlowConvert(pBegin, pEnd, pParsed);
        return pParsed != pBegin;
    }
    dValue = bNegative ? -dMagnitude : dMagnitude;
    return true;
}

// Powers of ten that are doubles exactly.
constexpr double EXACT_POWERS_OF_TEN[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The digits from s on, appended to nDigits; four at a time where four come, so that each
// step waits on one multiplication instead of four.
const char* TakeDigits(const char* s, std::uint64_t& nDigits) {
    while (IsDigit(s[0]) && IsDigit(s[1]) && IsDigit(s[2]) && IsDigit(s[3])) {
        nDigits = nDigits * 10000 + static_cast<unsigned>(((s[0] - '0') * 10 + (s[1] - '0')) * 100 +
                                                          (s[2] - '0') * 10 + (s[3] - '0'));
        s += 4;
    }
    for (; IsDigit(*s); ++s)
        nDigits = nDigits * 10 + static_cast<unsigned>(*s - '0');
    return s;
}

// The plain decimal number most lines hold ("2460650.50034722", "-0.9230"): an optional
// minus, digits with at most one decimal point, ended by white space or the end of the text,
// where the C library takes exactly these characters. With at most 15 significant digits,
// the digits as a whole number and the power of ten are doubles exactly, and one division or
// multiplication rounds correctly (Clinger's fast path): the same double strtod gives. False
// for anything else (a "+", an exponent, hex, more digits...), which the full scan handles.
bool ScanPlainDouble(const char*& psz, double& dValue) {
    const char* s = psz;
    const bool bNegative = *s == '-';
    s += bNegative;
    // Up to 19 digits fit in 64 bits; the digits as one whole number has more than 15
    // significant ones exactly when it reaches 10^15.
    std::uint64_t nDigits = 0;
    const char* pPoint = TakeDigits(s, nDigits);
    int nFraction = -1; // digits after the point; -1 without one
    const char* pEnd = pPoint;
    if (*pPoint == '.') {
        pEnd = TakeDigits(pPoint + 1, nDigits);
        nFraction = static_cast<int>(pEnd - pPoint - 1);
    }
    const std::ptrdiff_t nLength = (pPoint - s) + std::max(nFraction, 0);
    if (nLength == 0 || nLength > 19 || nDigits >= 1000000000000000 ||
        (*pEnd != '\0' && !IsSpace(*pEnd)) || nFraction > 22)
        return false;
    const double dMagnitude = nFraction > 0
                                  ? static_cast<double>(nDigits) / EXACT_POWERS_OF_TEN[nFraction]
                                  : static_cast<double>(nDigits);
    dValue = bNegative ? -dMagnitude : dMagnitude;
    psz = pEnd;
    return true;
}

// One number in the manner of "%lf": true with the value and the position after the
// characters taken, false when no number can be read at psz. bEndOfInput tells whether the
// failure was the end of the text before any number began.
bool ScanDouble(const char*& psz, double& dValue, bool& bEndOfInput) {
    const char* s = psz;
    while (IsSpace(*s))
        ++s;
    bEndOfInput = false;
    if (ScanPlainDouble(s, dValue)) {
        psz = s;
        return true;
    }
    bEndOfInput = *s == '\0';
    if (bEndOfInput)
        return false;
    const char* pStart = s;
    const bool bSign = *s == '-' || *s == '+';
    if (bSign)
        ++s;

    if (Lower(*s) == 'n' || Lower(*s) == 'i') {
        const bool bNan = Lower(*s) == 'n';
        if (!StartsWithWord(s, bNan ? "nan" : "inf"))
            return false;
        s += 3;
        // Once past "inf", an "i" commits the scan to "infinity".
        if (!bNan && Lower(*s) == 'i') {
            if (!StartsWithWord(s, "inity"))
                return false;
            s += 5;
        }
        const double dMagnitude = bNan ? std::numeric_limits<double>::quiet_NaN()
                                       : std::numeric_limits<double>::infinity();
        dValue = *pStart == '-' ? -dMagnitude : dMagnitude;
        psz = s;
        return true;
    }

    bool bHex = false;
    bool bDigit = false;
    bool bDot = false;
    bool bExponent = false;
    char cExponent = 'e';
    if (*s == '0') {
        ++s;
        if (Lower(*s) == 'x') {
            bHex = true;
            cExponent = 'p';
            ++s;
        } else {
            bDigit = true;
        }
    }
    for (char c = *s; c != '\0'; c = *++s) {
        if (IsDigit(c) || (bHex && !bExponent && IsHexDigit(c))) {
            bDigit = true;
        } else if (bExponent && Lower(s[-1]) == cExponent && (c == '-' || c == '+')) {
            continue;
        } else if (bDigit && !bExponent && Lower(c) == cExponent) {
            bExponent = bDot = true;
        } else if (!bDot && c == '.') {
            bDot = true;
        } else {
            break;
        }
    }
    // Only a sign, or only "0x": no number at all.
    const std::ptrdiff_t nTaken = s - pStart;
    if (nTaken == (bSign ? 1 : 0) || (bHex && nTaken == (bSign ? 3 : 2)))
        return false;
    if (!Convert(pStart, s, bHex, dValue))
        return false;
    psz = s;
    return true;
}

} // namespace

int ScanPoint(const char* pszLine, double& dX, double& dY, const char** pszAfter) {
    const char* psz = pszLine;
    bool bEndOfInput = false;
    double dValue = 0.0;
    int nRead = 0;
    if (ScanDouble(psz, dValue, bEndOfInput)) {
        dX = dValue;
        nRead = 1;
        if (ScanDouble(psz, dValue, bEndOfInput)) {
            dY = dValue;
            nRead = 2;
        }
    } else if (bEndOfInput) {
        nRead = -1;
    }
    if (pszAfter)
        *pszAfter = psz;
    return nRead;
}
