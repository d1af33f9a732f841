#pragma once

#include <QString>

#include <array>
#include <functional>

class QCPItemStraightLine;
class QCPItemText;
class QCustomPlot;

// Two cursors on the chart, A and B: each a thin vertical line at the x of the point it was
// placed on, labelled with that x (a time on a date axis) and the point's y. With both set,
// a box in the plot's lower left corner reads Δx (on a date axis in days, hours, minutes and
// seconds, and in seconds), Δy and Δy/Δx (per day and per second on a date axis). Cursors
// keep their x through zooms, pans and new data; their y is read again from their series.
class CChartCursors {
public:
    enum class EWhich { A, B };

    // bDates tells whether x values are times (Unix seconds) when the cursors are drawn.
    CChartCursors(QCustomPlot& plot, std::function<bool()> bDates);

    void Place(EWhich which, int nSeries, double dKey);
    void Clear();
    bool IsSet(EWhich which) const { return m_cursors[Index(which)].bSet; }
    bool BothSet() const { return IsSet(EWhich::A) && IsSet(EWhich::B); }
    double Key(EWhich which) const { return m_cursors[Index(which)].dKey; }
    // Brings lines, labels and the box in line with the cursors and the chart's data.
    void Update();
    // Puts the box where the plot's layout left the plot.
    void PlaceBox();
    // What the box reads; empty unless both are set.
    QString DeltaText() const;

private:
    struct SCursor {
        bool bSet = false;
        int nSeries = 0;
        double dKey = 0.0;
        QCPItemStraightLine* pLine = nullptr;
        QCPItemText* pLabel = nullptr;
    };
    static std::size_t Index(EWhich which) { return which == EWhich::A ? 0 : 1; }
    // The y of the series' point at the cursor's x; NaN when the series has none there.
    double ValueAt(const SCursor& cursor) const;

    QCustomPlot& m_plot;
    std::function<bool()> m_bDates;
    std::array<SCursor, 2> m_cursors;
    QCPItemText* m_pDelta;
};

// A span of time as "2 d 03:15:00" ("-00:00:01.500" before its start).
QString DescribeDuration(double dSeconds);
