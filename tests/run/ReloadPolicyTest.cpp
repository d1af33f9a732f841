#include "run/ReloadPolicy.h"

#include "data/PlotData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

using ERead = CReloadPolicy::ERead;
using EVerdict = CReloadPolicy::EVerdict;

// Long enough that its middle lies in a whole chunk of the digest, away from its edges.
std::string Text() {
    std::string strText = "@subtitle \"run 7\"\n@S0\n";
    for (int i = 0; i < 3000; ++i)
        strText += std::to_string(2460000 + i) + ".5 " + std::to_string(i % 17) + "\n";
    return strText + "&\n";
}

const std::string g_strPath = testing::TempDir() + "watched.dat";

void Write(const std::string& strText, std::ios::openmode mode = std::ios::trunc) {
    std::ofstream(g_strPath, std::ios::binary | mode) << strText;
}

// A policy that has read the file as it is now.
std::unique_ptr<CReloadPolicy> ReadNow() {
    auto pPolicy = std::make_unique<CReloadPolicy>();
    auto pData = std::make_unique<CPlotData>();
    pData->ReadFromFile(g_strPath, [&](std::FILE* pStream) {
        pPolicy->Mark(fileno(pStream), pData->GetReadReport());
    });
    return pPolicy;
}

ERead HowToRead(const CReloadPolicy& policy) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> pFile(std::fopen(g_strPath.c_str(), "r"),
                                                          &std::fclose);
    return policy.HowToRead(fileno(pFile.get()));
}

TEST(ReloadPolicy, AFileThatOnlyGrewIsReadOnFromWhereTheLastReadStopped) {
    const std::string strText = Text();
    Write(strText);
    const auto pPolicy = ReadNow();
    EXPECT_EQ(HowToRead(*pPolicy), ERead::Unchanged);
    Write("@S1\n1 1\n&\n", std::ios::app);
    EXPECT_EQ(HowToRead(*pPolicy), ERead::Grown);
    EXPECT_EQ(pPolicy->Offset(), static_cast<long long>(strText.size()));
}

// Changed in place (as cp and a shell's > do) at its first byte, in its middle or at the last
// byte before the old end, with or without more after it; cut short; replaced by another file
// of the same bytes; or read last without its line end: read anew.
TEST(ReloadPolicy, AnyByteOfTheLastReadChangedOrGoneMeansReadingAnew) {
    const std::string strText = Text();
    for (const std::size_t nAt : {std::size_t{0}, strText.size() / 2, strText.size() - 1}) {
        for (const std::string strMore : {"", "@S1\n1 1\n&\n"}) {
            Write(strText);
            const auto pPolicy = ReadNow();
            std::string strChanged = strText;
            strChanged[nAt] ^= 1;
            Write(strChanged + strMore);
            EXPECT_EQ(HowToRead(*pPolicy), ERead::Rewritten) << nAt << " " << strMore.size();
        }
    }
    Write(strText);
    const auto pPolicy = ReadNow();
    Write(strText.substr(0, strText.size() - 1));
    EXPECT_EQ(HowToRead(*pPolicy), ERead::Rewritten);
    Write(strText);
    const auto pReplaced = ReadNow();
    std::ofstream(g_strPath + ".new", std::ios::binary) << strText;
    std::rename((g_strPath + ".new").c_str(), g_strPath.c_str());
    EXPECT_EQ(HowToRead(*pReplaced), ERead::Rewritten);
    Write(strText + "1 2");
    const auto pCut = ReadNow();
    Write("\n", std::ios::app);
    EXPECT_EQ(HowToRead(*pCut), ERead::Rewritten);
}

TEST(ReloadPolicy, AReadIsHeldWhileASetWaitsAndFewerPointsAreBelievedAtTheSecondLook) {
    CReloadPolicy policy;
    policy.Shown(6);
    EXPECT_EQ(policy.Judge(2, true), EVerdict::Hold);
    EXPECT_EQ(policy.Judge(9, false), EVerdict::Show);
    EXPECT_EQ(policy.Judge(4, false), EVerdict::SecondLook);
    EXPECT_EQ(policy.Judge(3, false), EVerdict::SecondLook);
    EXPECT_EQ(policy.Judge(3, false), EVerdict::ShowFewer);
    // A count once seen and then shown more of is looked at twice again.
    EXPECT_EQ(policy.Judge(4, false), EVerdict::SecondLook);
    policy.Shown(6);
    EXPECT_EQ(policy.Judge(4, false), EVerdict::SecondLook);
}

} // namespace
