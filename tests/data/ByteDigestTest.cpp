#include "data/ByteDigest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

std::string RandomBytes(std::size_t nBytes) {
    std::mt19937 random(11);
    std::string bytes(nBytes, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

CByteDigest DigestOf(const std::string& bytes, std::size_t nFrom, std::size_t nTo) {
    CByteDigest digest(static_cast<long long>(nFrom));
    digest.Add(bytes.data() + nFrom, nTo - nFrom);
    return digest;
}

// Parts cut anywhere (inside words, across chunks), each digested on its own and appended in
// order, or added one after another, give the digest of the whole taken at once.
TEST(ByteDigest, PartsCutAnywhereMakeTheWhole) {
    const std::string bytes = RandomBytes(100000);
    const CByteDigest whole = DigestOf(bytes, 0, bytes.size());
    std::mt19937 random(5);
    for (const std::size_t nLongest : {9, 40, 40000}) {
        CByteDigest appended;
        CByteDigest added;
        for (std::size_t nAt = 0, nTo = 0; nAt < bytes.size(); nAt = nTo) {
            nTo = std::min(bytes.size(), nAt + random() % nLongest);
            EXPECT_TRUE(appended.Append(DigestOf(bytes, nAt, nTo)));
            added.Add(bytes.data() + nAt, nTo - nAt);
        }
        EXPECT_EQ(appended, whole) << nLongest;
        EXPECT_EQ(added, whole) << nLongest;
    }
    CByteDigest first = DigestOf(bytes, 0, 10);
    EXPECT_FALSE(first.Append(DigestOf(bytes, 11, 20)));
}

// One byte changed by any amount, anywhere (the first, inside a chunk, at a word's top, the
// last), or two words swapped, and the digest differs.
TEST(ByteDigest, AnyChangeChangesIt) {
    const std::string bytes = RandomBytes(70001);
    const std::uint64_t nWhole = DigestOf(bytes, 0, bytes.size()).Value();
    for (const std::size_t nAt : {0, 7, 16383, 35000, 70000}) {
        for (const int nBy : {1, 128, 255}) {
            std::string changed = bytes;
            changed[nAt] = static_cast<char>(changed[nAt] + nBy);
            EXPECT_NE(DigestOf(changed, 0, changed.size()).Value(), nWhole) << nAt << " " << nBy;
        }
    }
    std::string swapped = bytes;
    std::swap_ranges(swapped.begin() + 800, swapped.begin() + 808, swapped.begin() + 808);
    EXPECT_NE(DigestOf(swapped, 0, swapped.size()).Value(), nWhole);
}

} // namespace
