#include "app/PlotApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the start-up decides before it starts the window toolkit: help, version and wrong
// options end there, with their own text and status.
TEST(PlotApp, EndsBeforeTheToolkitWithTheRightTextAndStatus) {
    const struct {
        std::vector<const char*> words;
        EExitStatus status;
        const char* pszStdout;
        const char* pszStderr;
    } cases[] = {
        {{"/usr/bin/verlo", "--help"}, EExitStatus::Success, "Usage: verlo FILE\n", ""},
        {{"verlo", "-h"}, EExitStatus::Success, "Usage: verlo FILE\n", ""},
        {{"verlo", "--version"}, EExitStatus::Success, "Verlo 1.0.0\n", ""},
        {{"verlo", "a.dat", "--graph", "x"},
         EExitStatus::Usage,
         "",
         "verlo: --graph takes a graph number from 0 to 9, not 'x' (see verlo --help)\n"},
        {{"verlo", "--watch", "-pipe"},
         EExitStatus::Usage,
         "",
         "verlo: --watch follows a file; standard input cannot be read again\n"},
    };
    for (const auto& c : cases) {
        CPlotApp app;
        app.SetCommandLine(static_cast<int>(c.words.size()), const_cast<char**>(c.words.data()));
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(app.InitInstance());
        const std::string strOut = testing::internal::GetCapturedStdout();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.pszStderr) << c.words.back();
        EXPECT_EQ(strOut.substr(0, std::string(c.pszStdout).size()), c.pszStdout);
        EXPECT_EQ(app.ExitStatus(), c.status) << c.words.back();
    }
}

} // namespace
