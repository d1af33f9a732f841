#include "Options.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

struct SOptionsCase {
    Words in;
    Words rest;
    bool bHelp, bVersion, bExport;
    const char* pszExport;
    bool bError;
};

TEST(Options, AreTakenOutBeforeTheDataSourceRules) {
    const SOptionsCase cases[] = {
        {{"verlo", "--help"}, {"verlo"}, true, false, false, "", false},
        {{"verlo", "--version"}, {"verlo"}, false, true, false, "", false},
        {{"verlo", "-h"}, {"verlo"}, true, false, false, "", false},
        {{"verlo", "a.dat", "--help"},
         {"verlo", "a.dat", "--help"},
         false,
         false,
         false,
         "",
         false},
        {{"verlo", "a.dat", "--export", "g.png"},
         {"verlo", "a.dat"},
         false,
         false,
         true,
         "g.png",
         false},
        {{"verlo", "--export", "g.svg", "-pipe"},
         {"verlo", "-pipe"},
         false,
         false,
         true,
         "g.svg",
         false},
        {{"verlo", "a.dat", "--export"}, {"verlo", "a.dat"}, false, false, true, "", true},
        {{"verlo", "--export", "a", "--export", "b"}, {"verlo"}, false, false, true, "a", true},
        {{"verlo", "-export", "x"}, {"verlo", "-export", "x"}, false, false, false, "", false},
    };
    for (const SOptionsCase& c : cases) {
        CArgumentList args{c.in};
        const SOptions options = ExtractOptions(args);
        const std::string strCase = c.in.back();
        EXPECT_EQ(args.arguments, c.rest) << strCase;
        EXPECT_EQ(options.bHelp, c.bHelp) << strCase;
        EXPECT_EQ(options.bVersion, c.bVersion) << strCase;
        EXPECT_EQ(options.bExport, c.bExport) << strCase;
        EXPECT_EQ(options.strExportPath, c.pszExport) << strCase;
        EXPECT_EQ(!options.strError.empty(), c.bError) << strCase;
    }
}

} // namespace
