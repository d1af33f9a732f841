#include "DataSource.h"

#include <gtest/gtest.h>

namespace {

using EKind = SDataSource::EKind;

struct SSourceCase {
    const char* pszLine;
    EKind kind;
    const char* pszPath;
};

class ChooseDataSourceTable : public testing::TestWithParam<SSourceCase> {};

TEST_P(ChooseDataSourceTable, FollowsTheCommandLineRules) {
    SDataSource source = ChooseDataSource(SplitCommandLine(GetParam().pszLine));
    EXPECT_EQ(source.kind, GetParam().kind) << GetParam().pszLine;
    EXPECT_EQ(source.strPath, GetParam().pszPath) << GetParam().pszLine;
}

INSTANTIATE_TEST_SUITE_P(CommandLine, ChooseDataSourceTable,
                         testing::Values(SSourceCase{"verlo a.dat", EKind::File, "a.dat"},
                                         SSourceCase{"verlo a.dat b.dat", EKind::File, "b.dat"},
                                         SSourceCase{"verlo", EKind::Usage, ""},
                                         SSourceCase{"", EKind::Usage, ""},
                                         SSourceCase{" verlo", EKind::File, "verlo"},
                                         SSourceCase{"verlo -pipe a.dat", EKind::Pipe, ""},
                                         SSourceCase{"-pipe", EKind::Pipe, ""},
                                         SSourceCase{"verlo --pipe", EKind::Pipe, ""},
                                         SSourceCase{"verlo -PIPE", EKind::File, "-PIPE"},
                                         SSourceCase{"\"C:\\Program Files\\verlo.exe\"",
                                                     EKind::File, "Files\\verlo.exe\""}));

} // namespace
