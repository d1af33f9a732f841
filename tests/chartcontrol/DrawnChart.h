#pragma once

#include "chartcontrol/ChartJson.h"
#include "chartcontrol/ChartView.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
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
        SChartSeries& series = Model().series.emplace_back(strTitle, bMarkers);
        for (const auto& [dX, dY] : xy)
            series.Add(dX, dY);
    }

    // Two series over January 2026 (automation dates from 46023), the bottom axis dated.
    void AddDatedSeries() {
        for (int s = 0; s < 2; ++s) {
            std::vector<std::pair<double, double>> xy;
            for (int d = 0; d < 31; ++d)
                xy.push_back({46023.5 + d, 10.0 * (s + 1) + std::sin(d)});
            AddSeries(s == 0 ? "north" : "south", xy);
        }
        Model().bottom.bDateTime = true;
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

// Pixels of the image, within rect, whose colour lies within 40 (summed over the channels)
// of the colour.
inline int CountPixelsNear(const QImage& image, const QColor& colour, QRect rect = QRect()) {
    rect = rect.isNull() ? image.rect() : rect & image.rect();
    int nCount = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            nCount += std::abs(pixel.red() - colour.red()) +
                          std::abs(pixel.green() - colour.green()) +
                          std::abs(pixel.blue() - colour.blue()) <
                      40;
        }
    }
    return nCount;
}

// The chart's JSON as the sink gets it, its pieces joined; how many there were.
inline std::string ChartJson(const SChartModel& model, int* pPieces = nullptr) {
    std::string strJson;
    int nPieces = 0;
    WriteChartJson(model, [&](std::string_view piece) {
        strJson += piece;
        return ++nPieces > 0;
    });
    if (pPieces)
        *pPieces = nPieces;
    return strJson;
}
