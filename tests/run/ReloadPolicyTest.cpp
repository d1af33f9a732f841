#include "run/ReloadPolicy.h"

#include "data/PlotData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

using ERead = CReloadPolicy::ERead;
using EVerdict = CReloadPolicy::EVerdict;
const std::string g_strPath = testing::TempDir() + "watched.dat";

static void Write(const std::string& strText, std::ios::openmode mode = std::ios::trunc) {
    std::ofstream(g_strPath, std::ios::binary | mode) << strText;
}

// The file written with strText and read by a policy, then changed: how to read it now.
template <typename FChange> static ERead AfterChange(const std::string& strText, FChange change) {
    Write(strText);
    CReloadPolicy policy;
    auto pData = std::make_unique<CPlotData>();
    pData->ReadFromFile(g_strPath,
                        [&](std::FILE* p) { policy.Mark(fileno(p), pData->GetReadReport()); });
    change();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> pFile(std::fopen(g_strPath.c_str(), "r"),
                                                          &std::fclose);
    return policy.HowToRead(fileno(pFile.get()));
}

// Read on only from a file that kept every byte of the last read: not one changed in place (as
// by cp or >) at the first, in the middle or at the last byte, nor cut short, replaced by a file
// of the same bytes, or read without its line end. A read is held while a set waits for its "&";
// fewer points are believed at the second look. The file, about 2.7 MB, is read in parts.
TEST(ReloadPolicy, ReadsOnFromTheSameBytesOnlyAndHoldsOrLooksAgainBeforeShowing) {
    std::string strText = "@S0\n";
    for (int i = 0; i < 150000; ++i)
        strText += std::to_string(2460000 + i) + ".5 " + std::to_string(i % 17) + "\n";
    EXPECT_EQ(AfterChange(strText, [] {}), ERead::Unchanged);
    EXPECT_EQ(AfterChange(strText, [] { Write("&\n", std::ios::app); }), ERead::Grown);
    for (const std::size_t nAt : {std::size_t{0}, strText.size() / 2, strText.size() - 1}) {
        for (const std::string strMore : {"", "&\n"}) {
            std::string strChanged = strText;
            strChanged[nAt] ^= 1;
            EXPECT_EQ(AfterChange(strText, [&] { Write(strChanged + strMore); }), ERead::Rewritten)
                << nAt << " " << strMore;
        }
    }
    EXPECT_EQ(AfterChange(strText, [&] { Write(strText.substr(0, 9000)); }), ERead::Rewritten);
    // The old file kept under another name: the new one cannot reuse its inode.
    const auto replace = [&] {
        std::filesystem::rename(g_strPath, g_strPath + "~"), Write(strText);
    };
    EXPECT_EQ(AfterChange(strText, replace), ERead::Rewritten);
    EXPECT_EQ(AfterChange("1 2", [] { Write("\n", std::ios::app); }), ERead::Rewritten);
    CReloadPolicy policy;
    policy.Shown(6);
    EXPECT_EQ(policy.Judge(2, true), EVerdict::Hold);
    EXPECT_EQ(policy.Judge(6, false), EVerdict::Show);
    EXPECT_EQ(policy.Judge(9, false), EVerdict::Show);
    EXPECT_EQ(policy.Judge(4, false), EVerdict::SecondLook);
    EXPECT_EQ(policy.Judge(3, false), EVerdict::SecondLook);
    EXPECT_EQ(policy.Judge(3, false), EVerdict::ShowFewer);
    EXPECT_EQ(policy.Judge(4, false), EVerdict::SecondLook);
    policy.Shown(6);
    EXPECT_EQ(policy.Judge(4, false), EVerdict::SecondLook);
}
