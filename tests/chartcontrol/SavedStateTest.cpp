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
    EXPECT_EQ(missing.cause, ECause::NoChart);
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

} // namespace
