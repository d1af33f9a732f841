#pragma once

#include <QPointF>
#include <QString>

class QCPItemText;
class QCustomPlot;

// The notes on the plot: at its top right how many drawn points lie above or below the view,
// and in its middle, while the chart has no point to draw, the reason it was given.
class CChartNotes {
public:
    explicit CChartNotes(QCustomPlot& plot);

    // Counts the points outside the view again; the reason shows while bEmpty.
    void Update(bool bEmpty);
    void SetEmptyText(const QString& strText);
    // Cuts the reason to the plot's width.
    void FitEmptyText();

    // "12 points below the view", "3 points above the view", "12 below and 3 above the
    // view": drawn points within the x range but outside the y range; empty for none.
    QString OutsideText() const;
    bool OutsideNoteAt(const QPointF& pos) const;
    // The whole reason when it shows cut short at pos; empty otherwise.
    QString WholeTextAt(const QPointF& pos) const;

private:
    QCustomPlot& m_plot;
    QCPItemText* m_pOutsideNote;
    QCPItemText* m_pEmptyNote;
    QString m_strEmptyText;
};
