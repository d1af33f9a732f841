#include "chartcontrol/SavedState.h"
#include "ui/PlotDialogInit.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

constexpr int IDC_CHART = 1000;

// The chart's size (555 × 449) the export and window tests see; here what they cannot. A cut
// record loads nothing and reads nothing beyond it.
TEST(SavedState, TheChartStartsAtTheDialogsSavedState) {
    SChartModel model;
    ASSERT_TRUE(
        LoadChartStateFromDialogInit(PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE, IDC_CHART, model)
            .Ok());
    EXPECT_FALSE(model.bView3D);
    EXPECT_EQ(model.header, std::vector<std::string>{"TeeChart"});
    const SStatus missing =
        LoadChartStateFromDialogInit(PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE, 1001, model);
    EXPECT_EQ(missing.cause, ECause::NoChart);
    EXPECT_NE(missing.strMessage.find("1001"), std::string::npos);
    for (std::size_t n = 0; n < PLOT_DIALOG_INIT_SIZE; ++n) {
        // In a buffer of exactly its size, so that the sanitizer build sees any read past it.
        auto pCopy = std::make_unique<std::uint8_t[]>(n + 1);
        std::copy(PLOT_DIALOG_INIT, PLOT_DIALOG_INIT + n, pCopy.get());
        SChartModel model;
        EXPECT_FALSE(LoadChartStateFromDialogInit(pCopy.get(), n, IDC_CHART, model).Ok()) << n;
        EXPECT_TRUE(model.header.empty()) << n;
    }
}
