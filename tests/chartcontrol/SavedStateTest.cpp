#include "chartcontrol/SavedState.h"
#include "ui/PlotDialogInit.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace {

constexpr int IDC_CHART = 1000;

TEST(SavedState, TheChartStartsAtTheDialogsSavedState) {
    SChartModel model;
    const SStatus status =
        LoadChartStateFromDialogInit(PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE, IDC_CHART, model);
    ASSERT_TRUE(status.Ok()) << status.strMessage;
    EXPECT_EQ(std::tuple(model.nWidth, model.nHeight, model.bView3D, model.nHorizOffset,
                         model.nOrthoAngle, model.nPerspective),
              std::tuple(555, 449, false, 14, 50, 9));
    EXPECT_EQ(model.header, std::vector<std::string>{"TeeChart"});
    EXPECT_TRUE(model.series.empty());
    const SStatus missing =
        LoadChartStateFromDialogInit(PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE, 1001, model);
    EXPECT_EQ(missing.kind, EExitStatus::NoChart);
    EXPECT_NE(missing.strMessage.find("1001"), std::string::npos);
}

TEST(SavedState, ACutRecordLoadsNothingAndReadsNothingBeyondIt) {
    for (std::size_t n = 0; n < PLOT_DIALOG_INIT_SIZE; ++n) {
        // In a buffer of exactly its size, so that the sanitizer build sees any read past it.
        auto pCopy = std::make_unique<std::uint8_t[]>(n + 1);
        std::copy(PLOT_DIALOG_INIT, PLOT_DIALOG_INIT + n, pCopy.get());
        SChartModel model;
        EXPECT_FALSE(LoadChartStateFromDialogInit(pCopy.get(), n, IDC_CHART, model).Ok()) << n;
        EXPECT_TRUE(model.header.empty()) << n;
    }
}

TEST(SavedState, UnknownPropertiesArePassedOverAndIntegersAreSigned) {
    std::vector<std::uint8_t> stream = {'T', 'P', 'F', '0', 1, 'X', 0};
    auto addName = [&](const std::string& strName) {
        stream.push_back(static_cast<std::uint8_t>(strName.size()));
        stream.insert(stream.end(), strName.begin(), strName.end());
    };
    addName("Gradient.Visible");
    stream.push_back(0x09);
    addName("Width");
    stream.insert(stream.end(), {0x04, 0x10, 0x27, 0x00, 0x00}); // 32-bit 10000
    addName("Left");
    stream.insert(stream.end(), {0x02, 0xFF}); // 8-bit -1
    addName("Top");
    stream.insert(stream.end(), {0x03, 0x00, 0x80}); // 16-bit -32768
    addName("Foot.Text.Strings");
    stream.insert(stream.end(), {0x01, 0x02, 0x05, 0x00});
    stream.insert(stream.end(), {0x00, 0x00});
    SChartModel model;
    ASSERT_TRUE(LoadChartStateFromStream(stream.data(), stream.size(), model).Ok());
    EXPECT_EQ(model.nWidth, 10000);
    EXPECT_EQ(model.nLeft, -1);
    EXPECT_EQ(model.nTop, -32768);
    EXPECT_TRUE(model.header.empty());

    stream.back() = 0x07; // a child object where none may be
    EXPECT_FALSE(LoadChartStateFromStream(stream.data(), stream.size(), model).Ok());
}

} // namespace
