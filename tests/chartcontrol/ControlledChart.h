#pragma once

#include "chart/TChart.h"
#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartView.h"
#include "ui/PlotDialogInit.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

// A control as the dialog creates it, with the chart window bound to it.
class ControlledChart : public testing::Test {
protected:
    static constexpr int IDC_CHART = 1000;

    void SetUp() override {
        const SStatus status = CChartControl::Create(nullptr, PLOT_DIALOG_INIT,
                                                     PLOT_DIALOG_INIT_SIZE, IDC_CHART, m_pControl);
        ASSERT_TRUE(m_pControl) << status.strMessage;
        m_chart.AttachControlSite(m_pControl->GetDispatch());
    }
    void TearDown() override { m_chart.DetachControlSite(); }

    // Two series over January 2026 (automation dates from 46023), the bottom axis dated.
    void AddDatedSeries() {
        for (LONG s = 0; s < 2; ++s) {
            m_chart.AddSeries(0);
            for (int d = 0; d < 31; ++d)
                m_chart.GetSeries(s).AddXY(46023.5 + d, 10.0 * (s + 1) + std::sin(d), "",
                                           0x20000000);
            m_chart.GetSeries(s).SetTitle(s == 0 ? "north" : "south");
        }
        m_chart.GetAxes().GetBottom().SetDateTimeLabels(TRUE);
    }

    std::unique_ptr<CChartControl> m_pControl;
    CTChart m_chart;
};

// Pixels of the image, within rect, whose colour lies within 40 (summed over the channels)
// of the colour.
inline int CountPixelsNear(const QImage& image, const QColor& colour, QRect rect = QRect()) {
    rect = rect.isNull() ? image.rect() : rect & image.rect();
    int nCount = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <
                40)
                ++nCount;
        }
    }
    return nCount;
}
