#pragma once

#include "chartcontrol/PointPairs.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// What the chart component holds: its own copy of everything it was given. No toolkit here.

// Point colour that means "the series' own colour".
inline constexpr std::uint32_t CHART_DEFAULT_COLOUR = 0x20000000;

struct SChartSeries {
    std::string strTitle;
    bool bPointsVisible = false;
    // The points' x and y apart, so that a million points take 16 MB.
    std::vector<double> x;
    std::vector<double> y;
    // Labels other than "" and colours other than CHART_DEFAULT_COLOUR, by point: points are
    // mostly given neither.
    std::vector<std::pair<std::size_t, std::string>> labels;
    std::vector<std::pair<std::size_t, std::uint32_t>> colours;
    // Or, for points given in one block of pairs, that block, shared with whoever gave it.
    std::shared_ptr<const CPointPairs> pPairs;

    std::size_t Size() const { return pPairs ? pPairs->Size() : x.size(); }
    double X(std::size_t i) const { return pPairs ? pPairs->X(i) : x[i]; }
    double Y(std::size_t i) const { return pPairs ? pPairs->Y(i) : y[i]; }
    void Add(double dX, double dY, std::string strLabel = {},
             std::uint32_t nColour = CHART_DEFAULT_COLOUR) {
        // A block of pairs grows on as x and y.
        if (pPairs) {
            for (std::size_t i = 0; i < pPairs->Size(); ++i) {
                x.push_back(pPairs->X(i));
                y.push_back(pPairs->Y(i));
            }
            pPairs.reset();
        }
        if (!strLabel.empty())
            labels.emplace_back(x.size(), std::move(strLabel));
        if (nColour != CHART_DEFAULT_COLOUR)
            colours.emplace_back(x.size(), nColour);
        x.push_back(dX);
        y.push_back(dY);
    }
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
