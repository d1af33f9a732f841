#include "ui/StabilityWindow.h"
#include "tests/chartcontrol/DrawnChart.h"

namespace {

using StabilityWindow = DrawnChart;

// The phase is y in the unit of y: the same numbers in µs are a thousand times those in ns.
TEST_F(StabilityWindow, TakesThePhaseInTheUnitOfY) {
    AddDatedSeries();
    Draw();
    QWidget mainWindow;
    const auto adev = [&](double dSecondsPerUnit) {
        CStabilityWindow window(m_view, &mainWindow, dSecondsPerUnit, ETauSpacing::Octave);
        window.Toggle();
        return window.TableText().section(u'\n', 1, 1).section(u'\t', 3, 3).toDouble();
    };
    EXPECT_NEAR(adev(1e-6) / adev(1e-9), 1000.0, 1e-9);
}

} // namespace
