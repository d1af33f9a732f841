#pragma once

#include <QList>
#include <QRectF>
#include <QString>

#include <array>
#include <functional>

class QCPItemStraightLine;
class QCPItemText;
class QCustomPlot;

// Two cursors on the chart, A and B: each a thin vertical line at the x of the point it was
// placed on, labelled with that x (a time on a date axis), the title of the point's series (cut
// short when long) and the point's y. The labels hang from the plot's top, B's under A's, below
// any note in that corner. With both set, a box on the chart's ground reads Δx (on a date axis
// in days, hours, minutes and seconds, and in seconds), Δy and Δy/Δx (per day and per second on
// a date axis), in the corner of the plot clear of the notes and labels with the fewest points
// under it. Cursors keep their x through zooms, pans and new data; their y is read again from
// their series.
class CChartCursors {
public:
    enum class EWhich { A, B };

    // bDates tells whether x values are times (Unix seconds) when the cursors are drawn.
    // describeX gives an x as the labels read it.
    CChartCursors(QCustomPlot& plot, std::function<bool()> bDates,
                  std::function<QString(double)> describeX);

    void Place(EWhich which, int nSeries, double dKey);
    void Clear();
    bool IsSet(EWhich which) const { return m_cursors[Index(which)].bSet; }
    bool BothSet() const { return IsSet(EWhich::A) && IsSet(EWhich::B); }
    double Key(EWhich which) const { return m_cursors[Index(which)].dKey; }
    // Brings lines, labels and the box in line with the cursors and the chart's data.
    void Update();
    // Puts the labels and the box where the plot's layout left the plot, clear of the notes
    // lying at notes (pixels).
    void Arrange(const QList<QRectF>& notes);
    // What the cursor's label reads ("A  2 Jan 2026 12:00:00\nnorth  4.25"); empty unless set.
    QString LabelText(EWhich which) const;
    // What the box reads; empty unless both are set.
    QString DeltaText() const;
    // Where the label and the box lie, in pixels; empty while not shown.
    QRectF LabelRect(EWhich which) const;
    QRectF BoxRect() const;

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
    // The series' title, cut to the label's room.
    QString Title(int nSeries) const;
    void ArrangeLabels(const QList<QRectF>& notes);
    // Drawn points of every series inside rect (pixels), counted no further than nEnough: a
    // corner with as many as the best so far is no better.
    long long PointsIn(const QRectF& rect, long long nEnough) const;

    QCustomPlot& m_plot;
    std::function<bool()> m_bDates;
    std::function<QString(double)> m_describeX;
    std::array<SCursor, 2> m_cursors;
    QCPItemText* m_pDelta;
};

// A span of time as "2 d 03:15:00" ("-00:00:01.500" before its start).
QString DescribeDuration(double dSeconds);
