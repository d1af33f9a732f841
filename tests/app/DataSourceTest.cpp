#include "app/DataSource.h"

#include <gtest/gtest.h>

using EKind = SDataSource::EKind;

TEST(DataSource, FollowsTheCommandLineRules) {
    const struct {
        std::vector<std::string> words;
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
        std::vector<const char*> argv;
        for (const std::string& strWord : c.words)
            argv.push_back(strWord.c_str());
        const SDataSource source =
            ChooseDataSource(ArgumentsFromArgv(static_cast<int>(argv.size()), argv.data()));
        EXPECT_EQ(source.kind, c.kind) << c.pszPath;
        EXPECT_EQ(source.strPath, c.pszPath);
    }
}
