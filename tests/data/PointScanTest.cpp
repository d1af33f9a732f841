#include "data/PointScan.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

// The count and both numbers to the bit, as the C library in the "C" locale (the reference)
// or the scanner reads the line.
static std::string Outcome(const std::string& strLine, bool bReference) {
    double dXY[2] = {-7.5, -7.5};
    const int nCount = bReference ? std::sscanf(strLine.c_str(), "%lf%lf", &dXY[0], &dXY[1])
                                  : ScanPoint(strLine.c_str(), dXY[0], dXY[1]);
    std::uint64_t nBits[2];
    std::memcpy(nBits, dXY, sizeof nBits);
    return std::to_string(nCount) + " " + std::to_string(nBits[0]) + " " + std::to_string(nBits[1]);
}

// Tricky number texts: every piece the C library's matcher cares about (each kind of white
// space, "infin" that is not "infinity", "0x" without digits...), in random order.
static std::string RandomTricky(std::mt19937_64& random) {
    static const std::vector<std::string> pieces = {
        "0",   "1",    "9",   "00",  "123", ".",   "e",        "E",     "p", "P",  "x",
        "X",   "+",    "-",   " ",   "\t",  "\n",  "a",        "f",     "F", "\r", "\v",
        "\f",  "-0x.", "nan", "NaN", "inf", "INF", "infinity", "infin", "(", ")",  "0x",
        "0X1", "1e",   "e+",  "e-",  "1.5", "g",   "_",        "\xE9",  ",", "7",  "2.5e-3"};
    std::string strText;
    const int nPieces = static_cast<int>(random() % 9);
    for (int i = 0; i < nPieces; ++i)
        strText += pieces[random() % pieces.size()];
    return strText;
}

// Well-formed numbers whose rounding is hard: long mantissas, extreme exponents, subnormals,
// hexadecimal forms.
static std::string RandomNumber(std::mt19937_64& random) {
    static const char* const FORMATS[] = {"%.17g", "%a", "%.25e"};
    char szText[128];
    double dValue = 0.0;
    const std::uint64_t nBits = random();
    std::memcpy(&dValue, &nBits, sizeof dValue);
    const auto nInt = static_cast<unsigned long long>(random() % 0xFFFFFF);
    const int nExponent = static_cast<int>(random() % 2200) - 1100;
    switch (random() % 5) {
    case 0:
        return std::to_string(nInt) + "." + std::to_string(random()) + "e-3" +
               std::to_string(random() % 20);
    case 1:
        std::snprintf(szText, sizeof szText, "%llue%d", nInt, nExponent / 3);
        break;
    case 2:
        std::snprintf(szText, sizeof szText, "0x%llx.%llxp%d", nInt, nInt % 0xFFF, nExponent);
        break;
    case 3:
        std::snprintf(szText, sizeof szText, "%.6g", dValue * 1e-300);
        break;
    default:
        std::snprintf(szText, sizeof szText, FORMATS[random() % std::size(FORMATS)], dValue);
        break;
    }
    return szText;
}

TEST(PointScan, AgreesWithTheCLibraryBitForBit) {
    std::setlocale(LC_NUMERIC, "C");
    std::mt19937_64 random(20261206);
    for (int i = 0; i < 300000; ++i) {
        std::string strLine =
            i % 3 == 0   ? RandomTricky(random) + RandomTricky(random)
            : i % 3 == 1 ? RandomNumber(random) + (random() % 2 ? " " : "\t") + RandomNumber(random)
                         : RandomTricky(random) + RandomNumber(random) + RandomTricky(random) +
                               RandomNumber(random);
        if (random() % 2)
            strLine += "\n";
        ASSERT_EQ(Outcome(strLine, false), Outcome(strLine, true)) << '"' << strLine << '"';
    }
}
