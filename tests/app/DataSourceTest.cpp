#include "app/DataSource.h"

#include <gtest/gtest.h>

using EKind = SDataSource::EKind;

TEST(DataSource, FollowsTheCommandLineRules) {
    const struct {
        std::vector<const char*> words;
        EKind kind;
        const char* pszPath;
    } cases[] = {
        {{"verlo", "a.dat"}, EKind::File, "a.dat"},
        {{"verlo", "a.dat", "b.dat"}, EKind::File, "b.dat"},
        {{"verlo"}, EKind::Usage, ""},
        {{}, EKind::Usage, ""},
        {{"verlo", "-pipe", "a.dat"}, EKind::Pipe, ""},
        {{"-pipe"}, EKind::Pipe, ""},
        {{"verlo", "--pipe"}, EKind::Pipe, ""},
        {{"verlo", "-PIPE"}, EKind::File, "-PIPE"},
        {{"verlo", "-pipe2", "---pipe"}, EKind::File, "---pipe"},
    };
    for (const auto& c : cases) {
        const SDataSource source =
            ChooseDataSource(ArgumentsFromArgv(static_cast<int>(c.words.size()), c.words.data()));
        EXPECT_EQ(source.kind, c.kind) << c.pszPath;
        EXPECT_EQ(source.strPath, c.pszPath);
    }
}
