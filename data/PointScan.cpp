#include "data/PointScan.h"

#include <charconv>
#include <cmath>
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

// One number in the manner of "%lf": true with the value and the position after the
// characters taken, false when no number can be read at psz. bEndOfInput tells whether the
// failure was the end of the text before any number began.
bool ScanDouble(const char*& psz, double& dValue, bool& bEndOfInput) {
    const char* s = psz;
    while (IsSpace(*s))
        ++s;
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
