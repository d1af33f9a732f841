#pragma once

#include "chartcontrol/ChartCursors.h"

#include <qcustomplot.h>

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

class CChartDocument;
class CChartView;
class CDrawSchedule;

// What the user does with the chart in its window, none of it changing the model: drag a
// rectangle or turn the wheel to zoom, drag with the right or middle button to pan,
// double-click or Home to return to the model's view, A or a click on the note of points
// outside the view to show all data, hover a point to read it. A click places cursor A on the
// nearest point, Shift+click cursor B; C and Shift+C place them at the point under the mouse,
// Delete clears them. R takes each series' straight line off, G breaks lines at gaps. The
// context menu (a right click that did not pan, or the menu key) and the keys Ctrl+C, Ctrl+S
// and S pass copying, saving and the statistics on to the view's owner as requests.
class CChartInteraction : public QObject {
    Q_OBJECT
public:
    CChartInteraction(CChartView& view, CDrawSchedule& schedule, const CChartDocument& document);

    // Appended to the context menu after the chart's own entries; the caller keeps them.
    void AddMenuActions(const QList<QAction*>& actions);
    // The context menu's entries, the chart's own first.
    QList<QAction*> MenuActions() const;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QAction* AddAction(const QString& strText, const QKeySequence& keys);
    // Each true when the event is handled here, false when QCustomPlot is to handle it.
    bool MousePress(const QMouseEvent& event);
    bool MouseMove(const QMouseEvent& event);
    bool MouseRelease(const QMouseEvent& event);
    // Puts a cursor on the drawn point in view nearest to pos, if there is one.
    void PlaceCursor(CChartCursors::EWhich which, const QPoint& pos);
    void ShowMenu(const QPoint& globalPos);
    // Series index and point index of the drawn point in view nearest to pos within
    // dReach pixels; false when there is none.
    bool PointNear(const QPoint& pos, double dReach, int& nSeries, int& nPoint) const;
    // "Receiver A\nx: 2 Jan 2026 12:00:00\ny: 4.25"
    QString DescribePoint(int nSeries, int nPoint) const;
    // What hovering pos shows: a point's read-out, how to show all data, or the whole of a
    // text cut short there; empty for nothing.
    QString ToolTipAt(const QPoint& pos) const;

    CChartView& m_view;
    CDrawSchedule& m_schedule;
    const CChartDocument& m_document;
    QList<QAction*> m_actions;
    QList<QPointer<QAction>> m_extraActions;
    bool m_bPanning = false;
    bool m_bPanned = false;
    QPoint m_panStart;
    QPoint m_leftPress;
    QCPRange m_panStartX;
    QCPRange m_panStartY;
};
