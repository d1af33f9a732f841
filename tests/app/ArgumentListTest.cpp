#include "ArgumentList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

struct SSplitCase {
    const char* pszLine;
    Words expected;
};

class SplitCommandLineTable : public testing::TestWithParam<SSplitCase> {};

TEST_P(SplitCommandLineTable, CutsAtWhiteSpaceOnly) {
    EXPECT_EQ(SplitCommandLine(GetParam().pszLine).arguments, GetParam().expected)
        << GetParam().pszLine;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, SplitCommandLineTable,
    testing::Values(SSplitCase{"verlo data.dat", {"verlo", "data.dat"}},
                    SSplitCase{"verlo  a.dat\t\tb.dat   ", {"verlo", "a.dat", "b.dat"}},
                    SSplitCase{" verlo x", {"", "verlo", "x"}}, SSplitCase{"", {""}},
                    SSplitCase{"\"C:\\Program Files\\verlo.exe\"",
                               {"\"C:\\Program", "Files\\verlo.exe\""}},
                    SSplitCase{"verlo \"my data.dat\"", {"verlo", "\"my", "data.dat\""}},
                    SSplitCase{"a\vb\fc\rd\ne", {"a", "b", "c", "d", "e"}},
                    SSplitCase{"caf\xe9\xa0x \x85y", {"caf\xe9\xa0x", "\x85y"}}));

TEST(CommandLine, LimitsAreKeptWithoutOverrun) {
    std::string strLine(1023, 'x');
    EXPECT_EQ(SplitCommandLine(strLine).arguments, Words{strLine});
    EXPECT_EQ(SplitCommandLine(strLine + " tail").arguments, Words{strLine});

    std::string strWords;
    for (int i = 0; i < 500; ++i)
        strWords += "w ";
    ASSERT_LE(strWords.size(), 1023u);
    EXPECT_EQ(SplitCommandLine(strWords).Count(), 500u);
    EXPECT_EQ(SplitCommandLine(strWords + "x y").Count(), 500u);
}

TEST(CommandLine, PipeCountIsExactAndCaseSensitive) {
    // "--pipe" is how the usage message spells the option: it counts too.
    EXPECT_EQ(SplitCommandLine("-pipe verlo -pipe -Pipe --pipe -pipe2 ---pipe").PipeCount(), 3);
}

TEST(CommandLine, ArgvWordsStayWhole) {
    const char* argv[] = {"/usr/bin/verlo", "my data.dat", ""};
    EXPECT_EQ(ArgumentsFromArgv(3, argv).arguments, (Words{"/usr/bin/verlo", "my data.dat", ""}));
}

} // namespace
