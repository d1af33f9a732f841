#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What the chart component holds: its own copy of everything it was given. No toolkit here.

// Point colour that means "the series' own colour".
inline constexpr std::uint32_t CHART_DEFAULT_COLOUR = 0x20000000;

struct SChartPoint {
    double dX = 0.0;
    double dY = 0.0;
    std::string strLabel;
    std::uint32_t nColour = CHART_DEFAULT_COLOUR;
};

struct SChartSeries {
    std::string strTitle;
    bool bPointsVisible = false;
    std::vector<SChartPoint> points;
};

struct SChartAxis {
    std::string strTitle;
    bool bAutomaticMinimum = true;
    bool bAutomaticMaximum = true;
    double dMinimum = 0.0;
    double dMaximum = 0.0;
    // The least gap between neighbouring labels, in percent of a label's size.
    int nLabelSeparation = 10;
    // Values are automation dates, labelled as calendar dates.
    bool bDateTime = false;
};

struct SChartModel {
    int nLeft = 0;
    int nTop = 0;
    int nWidth = 0;
    int nHeight = 0;
    bool bView3D = true;
    int nHorizOffset = 0;
    int nOrthoAngle = 45;
    int nPerspective = 15;
    std::vector<std::string> header;
    bool bLegendVisible = true;
    SChartAxis left;
    SChartAxis bottom;
    std::vector<SChartSeries> series;
};

// The model and who wants to hear that it changed.
class CChartDocument {
public:
    SChartModel& Model() { return m_model; }
    const SChartModel& Model() const { return m_model; }

    // Every change counts up the revision and tells the listener, if any.
    void Changed() {
        ++m_nRevision;
        if (m_onChanged)
            m_onChanged();
    }
    unsigned long Revision() const { return m_nRevision; }
    void SetChangeListener(std::function<void()> onChanged) { m_onChanged = std::move(onChanged); }

private:
    SChartModel m_model;
    unsigned long m_nRevision = 0;
    std::function<void()> m_onChanged;
};
