#pragma once

#include <QObject>

#include <functional>

class QCustomPlot;

// When the chart takes in its model and when it is drawn in its window. Nothing else calls
// for a drawing but the user's zoom gestures, which QCustomPlot draws itself; pictures for
// files are drawn apart (CChartView::Render).
//
// - Changes coalesce into one sync: the first change queues a sync for the next turn of the
//   event loop, later ones join it (m_bSyncScheduled), and a sync of a revision already taken
//   in does nothing (m_nSyncedRevision).
// - The chart is drawn once before its first paint, and that paint only copies the drawing.
//   Until it is shown (m_bShown) a request only marks a drawing due (m_bDrawingDue); showing
//   syncs and draws. QCustomPlot's constructor ends by queuing a drawing of the still empty
//   plot, the first call queued on the plot: the schedule drops that one call
//   (m_bEmptyDrawingDropped) and queues its own on itself, never on the plot. Until the
//   schedule's first drawing QCustomPlot counts its queued drawing as pending; nothing asks
//   it for another before then, as only a shown chart has zoom gestures.
// - Once shown, the requests of one turn of the event loop give one drawing (m_bDrawingDue
//   again), and a drawing made at once leaves none due.
// - A resize that leaves the plot's size as it was draws nothing: showing a window repeats
//   the resize it already had.
class CDrawSchedule : public QObject {
public:
    // Watches the plot's events from now on; sync brings the plot in line with the model and
    // calls TakeRevision and RequestDrawing.
    CDrawSchedule(QCustomPlot& plot, std::function<void()> sync);

    // The model changed.
    void ModelChanged();
    // Whether the model at nRevision is yet to be taken in; from now on it counts as taken in.
    bool TakeRevision(unsigned long nRevision);
    // The next sync takes the model in whatever its revision: something else it uses changed.
    void ForgetRevision() { m_nSyncedRevision = ~0ul; }
    // Something drawn changed.
    void RequestDrawing();
    // What the user asked for (reset, show all) is drawn at once.
    void DrawNow();
    bool Shown() const { return m_bShown; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QCustomPlot& m_plot;
    std::function<void()> m_sync;
    unsigned long m_nSyncedRevision = ~0ul;
    bool m_bSyncScheduled = false;
    bool m_bDrawingDue = false;
    bool m_bShown = false;
    bool m_bEmptyDrawingDropped = false;
};
