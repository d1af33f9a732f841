#include "data/TextEncoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, KeepsUtf8AndReadsOtherBytesAsLatin1) {
    EXPECT_EQ(BytesToUtf8("plain"), "plain");
    EXPECT_EQ(BytesToUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(BytesToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(BytesToUtf8("\xFF\xC3"), "\xC3\xBF\xC3\x83");
    EXPECT_EQ(BytesToUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80"); // a surrogate is no UTF-8
    EXPECT_EQ(BytesToUtf8("\xF0\x9F\x93\x88"), "\xF0\x9F\x93\x88");
}
