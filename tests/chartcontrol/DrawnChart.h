#pragma once

#include "chartcontrol/ChartView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

// A chart model and its view at the dialog's size, without the automation layer.
class DrawnChart : public testing::Test {
protected:
    DrawnChart() {
        Model().nWidth = 555;
        Model().nHeight = 449;
    }

    SChartModel& Model() { return m_pDocument->Model(); }

    void AddSeries(const std::string& strTitle, const std::vector<std::pair<double, double>>& xy,
                   bool bMarkers = false) {
        SChartSeries series{strTitle, bMarkers, {}};
        for (const auto& [dX, dY] : xy)
            series.points.push_back({dX, dY, "", CHART_DEFAULT_COLOUR});
        Model().series.push_back(series);
    }

    // Takes in the model's changes and lays the chart out as a 555×449 window would.
    void Draw() {
        m_pDocument->Changed();
        m_view.SyncFromModel();
        m_view.setViewport(QRect(0, 0, 555, 449));
        m_view.replot();
    }

    std::shared_ptr<CChartDocument> m_pDocument = std::make_shared<CChartDocument>();
    CChartView m_view{m_pDocument};
};
