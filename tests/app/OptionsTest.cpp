#include "Options.h"
#include "ReadProblems.h"

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

TEST(ReadProblems, OneLinePerKind) {
    CReadReport report;
    const SDataSource file{SDataSource::EKind::File, "x.dat"};
    EXPECT_TRUE(DescribeReadProblems(report, file, "verlo").empty());

    report.bOpenFailed = true;
    report.nOpenError = ENOENT;
    report.nPointsDropped = 1;
    report.nSetsDropped = 2;
    report.nGraphsDropped = 3;
    report.nTextsDropped = 4;
    EXPECT_EQ(
        DescribeReadProblems(report, file, "verlo"),
        (Words{"verlo: cannot open 'x.dat': No such file or directory",
               "verlo: dropped 1 point line beyond the limits (graphs 0-9, sets 0-4, 1000 "
               "points a set)",
               "verlo: dropped 2 \"@S\" lines naming a set outside 0-4",
               "verlo: dropped 3 \"@WITH G\" lines naming a graph outside 0-9",
               "verlo: dropped 4 subtitles or legends of a graph or set outside the limits"}));

    CReadReport readError;
    readError.bReadFailed = true;
    readError.nReadError = EIO;
    EXPECT_EQ(DescribeReadProblems(readError, {SDataSource::EKind::Pipe, ""}, "v"),
              Words{"v: cannot read standard input: Input/output error"});
}

} // namespace
