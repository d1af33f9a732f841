#include "app/ArgumentList.h"

#include <gtest/gtest.h>

namespace {

TEST(ArgumentList, ArgvWordsStayWholeAndPipeCountsExactly) {
    const char* argv[] = {"/usr/bin/verlo", "my data.dat", "",       "-pipe",
                          "-Pipe",          "--pipe",      "-pipe2", "---pipe"};
    const CArgumentList args = ArgumentsFromArgv(8, argv);
    EXPECT_EQ(args.arguments, (std::vector<std::string>{argv[0], "my data.dat", "", "-pipe",
                                                        "-Pipe", "--pipe", "-pipe2", "---pipe"}));
    // "--pipe" is how the usage message spells the option: it counts too.
    EXPECT_EQ(args.PipeCount(), 2);
}

} // namespace
