#include "app/ExitStatus.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

static std::string ReadFile(const char* pszPath) {
    std::ifstream file(std::string(VERLO_SOURCE_DIR) + "/" + pszPath);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The man page's text as a reader sees it: troff's escapes for "-" undone, lines joined.
static std::string ManText() {
    return std::regex_replace(
        std::regex_replace(ReadFile("packaging/verlo.1.in"), std::regex(R"(\\-)"), "-"),
        std::regex(R"(\n(?!\.))"), " ");
}

TEST(ExitStatus, HelpManPageAndReadmeSayWhatTheCodeDoes) {
    const std::string strHelp = std::regex_replace(ExitStatusHelp(), std::regex("\n     "), " ");
    const std::string strMan = ManText();
    const std::string strReadme = ReadFile("README.md");
    for (const SExitStatusRow& row : EXIT_STATUS_TABLE) {
        const std::string strStatus = std::to_string(static_cast<int>(row.status));
        EXPECT_NE(strHelp.find("  " + strStatus + "  " + row.pszWhen + "\n"), std::string::npos);
        EXPECT_NE(strMan.find(".B " + strStatus + " " + row.pszWhen + "\n"), std::string::npos)
            << row.pszWhen;
        EXPECT_NE(strReadme.find("| " + strStatus + " | " + row.pszWhen + " |"), std::string::npos)
            << row.pszWhen;
    }
}

// A chart that cannot be made is no export that failed: scripts tell the two apart.
TEST(ExitStatus, AChartThatCannotBeMadeHasAStatusOfItsOwn) {
    EXPECT_EQ(ExitStatusFor(ECause::NoChart), EExitStatus::NoChart);
}
