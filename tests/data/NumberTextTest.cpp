#include "data/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Shortest(double dValue) {
    char szText[SHORTEST_BYTES];
    return std::string(szText, WriteShortest(szText, dValue));
}

std::string ToChars(double dValue) {
    char szText[64];
    return std::string(szText, std::to_chars(szText, szText + sizeof szText, dValue).ptr);
}

// Each value and the doubles on either side of it, and their negatives.
void ExpectAsToChars(double dValue) {
    for (double dNear :
         {std::nextafter(dValue, -INFINITY), dValue, std::nextafter(dValue, INFINITY)}) {
        ASSERT_EQ(Shortest(dNear), ToChars(dNear)) << std::hexfloat << dNear;
        ASSERT_EQ(Shortest(-dNear), ToChars(-dNear)) << std::hexfloat << -dNear;
    }
}

TEST(NumberText, WritesWhatToCharsWritesForTheQuickAndTheOthers) {
    for (double dValue : {0.0,
                          1.0,
                          0.5,
                          0.1,
                          0.001,
                          0.00099999999999999,
                          1e-4,
                          1e15,
                          999999999999999.9,
                          1e5,
                          123456.0,
                          100000.0,
                          1234500000.0,
                          2460310.5,
                          2460310.50001157,
                          45292.00001157408,
                          20.1234,
                          4503599627370496.0,
                          9007199254740993.0,
                          1e300,
                          5e-324,
                          std::numeric_limits<double>::max(),
                          std::numeric_limits<double>::min(),
                          std::numeric_limits<double>::infinity()})
        ExpectAsToChars(dValue);
    for (double dValue : {std::numeric_limits<double>::quiet_NaN(), -0.0})
        EXPECT_EQ(Shortest(dValue), ToChars(dValue));
}

TEST(NumberText, WritesWhatToCharsWritesForDecimalsOfEveryLength) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 100000; ++i) {
        // A number as a file gives it: up to 17 digits, up to 20 of them decimals.
        const int nDigits = 1 + static_cast<int>(random() % 17);
        const std::uint64_t nLimit = static_cast<std::uint64_t>(std::pow(10.0, nDigits));
        char szText[48];
        std::snprintf(szText, sizeof szText, "%llue-%d",
                      static_cast<unsigned long long>(random() % nLimit),
                      static_cast<int>(random() % 21));
        ExpectAsToChars(std::strtod(szText, nullptr));
    }
}

TEST(NumberText, WritesWhatToCharsWritesForAnyDouble) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-6.0, 17.0);
    for (int i = 0; i < 100000; ++i) {
        ExpectAsToChars(std::bit_cast<double>(random()));
        ExpectAsToChars(std::pow(10.0, exponent(random)));
        ExpectAsToChars(static_cast<double>(random() >> (random() % 64)));
    }
    for (int nExponent = -1074; nExponent < 1024; ++nExponent)
        ExpectAsToChars(std::ldexp(1.0, nExponent));
}

} // namespace
