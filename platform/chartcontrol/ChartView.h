#pragma once

#include "ChartModel.h"

#include <qcustomplot.h>

#include <functional>
#include <memory>

// Draws the chart model with QCustomPlot and lets the user look closer: drag a rectangle or
// turn the wheel to zoom, drag with the right or middle button to pan, double-click to
// return, hover a point to read it, and copy or save the picture from the context menu.
// Nothing the user does here changes the model.
class CChartView : public QCustomPlot {
    Q_OBJECT
public:
    explicit CChartView(std::shared_ptr<CChartDocument> pDocument, QWidget* pParent = nullptr);
    ~CChartView() override;

    // Brings the drawing in line with the model now; normally it happens on its own, once,
    // after a burst of changes.
    void SyncFromModel();
    void ResetView();
    void CopyImage();
    void SaveAs();

    // Called after each complete drawing of the chart.
    void SetDrawnListener(std::function<void()> onDrawn) { m_onDrawn = std::move(onDrawn); }

    // Series index and point index of the point nearest to pos within a few pixels; false
    // when there is none.
    bool PointNear(const QPoint& pos, int& nSeries, int& nPoint) const;
    // "Receiver A\nx: 2 Jan 2026 12:00\ny: 4.25"
    QString DescribePoint(int nSeries, int nPoint) const;

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void ScheduleSync();
    void RequestReplot();
    // Puts a layout element above or below the plot, or takes it out.
    void ShowInLayout(QCPLayoutElement* pElement, bool bShow, bool bAtTop);
    void ApplyAxis(QCPAxis* pAxis, const SChartAxis& axis, const QCPRange& range);
    void ApplyLabelGap(QCPAxis* pAxis, const SChartAxis& axis);
    void BuildActions();
    void ShowMenu(const QPoint& globalPos);

    std::shared_ptr<CChartDocument> m_pDocument;
    unsigned long m_nSyncedRevision = ~0ul;
    bool m_bSyncScheduled = false;
    bool m_bReplotDue = false;
    bool m_bShown = false;
    QCPTextElement* m_pHeader = nullptr;
    QCPRange m_initialX;
    QCPRange m_initialY;
    bool m_bPanning = false;
    QPoint m_panStart;
    bool m_bPanned = false;
    QCPRange m_panStartX;
    QCPRange m_panStartY;
    QAction* m_pResetAction = nullptr;
    QAction* m_pCopyAction = nullptr;
    QAction* m_pSaveAction = nullptr;
    std::function<void()> m_onDrawn;
};
