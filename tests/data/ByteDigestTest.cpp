#include "data/ByteDigest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>

static CByteDigest DigestOf(const std::string& bytes, std::size_t nFrom, std::size_t nTo) {
    CByteDigest digest(static_cast<long long>(nFrom));
    digest.Add(bytes.data() + nFrom, nTo - nFrom);
    return digest;
}

// Parts cut anywhere, digested each on its own where they lie, append to the whole; one byte
// changed anywhere (by 128 at a word's top byte too), or two words swapped, change it.
TEST(ByteDigest, PartsMakeTheWholeAndAnyChangeChangesIt) {
    std::mt19937 random(11);
    std::string bytes(100001, '\0');
    std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(random()); });
    const CByteDigest whole = DigestOf(bytes, 0, bytes.size());
    for (const std::size_t nLongest : {9, 40, 40000}) {
        CByteDigest appended;
        for (std::size_t nAt = 0, nTo = 0; nAt < bytes.size(); nAt = nTo) {
            nTo = std::min(bytes.size(), nAt + random() % nLongest);
            EXPECT_TRUE(appended.Append(DigestOf(bytes, nAt, nTo)));
        }
        EXPECT_EQ(appended, whole) << nLongest;
    }
    for (const auto& [nAt, nBy] :
         {std::pair<std::size_t, int>{0, 1}, {7, 128}, {16383, 128}, {35000, 255}, {100000, 1}}) {
        std::string changed = bytes;
        changed[nAt] = static_cast<char>(bytes[nAt] + nBy);
        EXPECT_NE(DigestOf(changed, 0, changed.size()).Value(), whole.Value()) << nAt;
    }
    std::swap_ranges(bytes.begin() + 800, bytes.begin() + 808, bytes.begin() + 808);
    EXPECT_NE(DigestOf(bytes, 0, bytes.size()).Value(), whole.Value());
}
