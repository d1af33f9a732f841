#include "chartcontrol/DrawSchedule.h"

#include <qcustomplot.h>

#include <utility>

CDrawSchedule::CDrawSchedule(QCustomPlot& plot, std::function<void()> sync)
    : m_plot(plot), m_sync(std::move(sync)) {
    // A drawing leaves the painting to the next paint event, which copies it; tick labels are
    // kept as pictures between drawings.
    m_plot.setPlottingHints(QCP::phCacheLabels);
    m_plot.installEventFilter(this);
}

void CDrawSchedule::ModelChanged() {
    if (m_bSyncScheduled)
        return;
    m_bSyncScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bSyncScheduled = false;
            m_sync();
        },
        Qt::QueuedConnection);
}

bool CDrawSchedule::TakeRevision(unsigned long nRevision) {
    if (m_nSyncedRevision == nRevision)
        return false;
    m_nSyncedRevision = nRevision;
    return true;
}

void CDrawSchedule::RequestDrawing() {
    if (m_bDrawingDue)
        return;
    m_bDrawingDue = true;
    if (!m_bShown)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_bDrawingDue)
                DrawNow();
        },
        Qt::QueuedConnection);
}

void CDrawSchedule::DrawNow() {
    m_bDrawingDue = false;
    m_plot.replot(QCustomPlot::rpQueuedRefresh);
}

bool CDrawSchedule::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched != &m_plot)
        return false;
    switch (pEvent->type()) {
    case QEvent::Show:
        // Whatever changed before, the chart is drawn once, here, ahead of its first paint;
        // a drawing the sync queues finds nothing left to draw.
        m_sync();
        DrawNow();
        m_bShown = true;
        return false;
    case QEvent::Resize:
        // Handled here: QCustomPlot's own handler would draw at once, even for no change.
        if (m_plot.rect() != m_plot.viewport()) {
            m_plot.setViewport(m_plot.rect());
            RequestDrawing();
        }
        return true;
    case QEvent::MetaCall:
        // The first call queued on the plot is its constructor's drawing of the empty plot.
        return !std::exchange(m_bEmptyDrawingDropped, true);
    default:
        return false;
    }
}
