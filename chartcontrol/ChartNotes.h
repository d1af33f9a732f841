#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class QCPItemText;
class QCustomPlot;

// The notes on the plot: inside its top right corner how many drawn points lie outside the
// view, and in its middle, while the chart has no point to draw, the reason it was given.
class CChartNotes {
public:
    explicit CChartNotes(QCustomPlot& plot);

    // Counts the points outside the view again; the reason shows while bEmpty.
    void Update(bool bEmpty);
    void SetEmptyText(const QString& strText);
    // Shown inside the plot's lower right corner while not empty: a way of showing that is on,
    // and under it why what is shown may be behind its file, and a hint on what the user just
    // asked for (why a cursor was not placed).
    void SetModeText(const QString& strText);
    void SetWaitText(const QString& strText);
    void SetHintText(const QString& strText);
    QString CornerText() const;
    // Cuts the reason to the plot's width.
    void FitEmptyText();
    // Puts the count of points outside the view where the plot's layout left the plot.
    void Place();
    // Where the notes shown in the plot's corners lie, in pixels: what else is drawn there
    // keeps clear of them.
    QList<QRectF> CornerRects() const;

    // "62 points below the view", "3 points left of the view", "12 left, 3 above the view":
    // the drawn points outside the view, each counted on one side only (left or right before
    // above or below); empty for none.
    QString OutsideText() const;
    bool OutsideNoteAt(const QPointF& pos) const;
    // The whole reason when it shows cut short at pos; empty otherwise.
    QString WholeTextAt(const QPointF& pos) const;

private:
    QCustomPlot& m_plot;
    QCPItemText* m_pOutsideNote;
    QCPItemText* m_pEmptyNote;
    QCPItemText* m_pModeNote;
    QString m_strEmptyText;
    QString m_strModeText;
    QString m_strWaitText;
    QString m_strHint;
};
