#pragma once

#include "chartcontrol/AxisRange.h"
#include "chartcontrol/ChartModel.h"

#include <qcustomplot.h>

#include <QPointer>

#include <functional>
#include <memory>

class CChartLegendItem;

// Draws the chart model with QCustomPlot and lets the user look closer: drag a rectangle or
// turn the wheel to zoom, drag with the right or middle button to pan, double-click or Home
// to return to the model's view, A to show all data, hover a point to read it, and copy or
// save the picture from the context menu. Nothing the user does here changes the model.
class CChartView : public QCustomPlot {
    Q_OBJECT
public:
    explicit CChartView(std::shared_ptr<CChartDocument> pDocument, QWidget* pParent = nullptr);
    ~CChartView() override;

    // Brings the drawing in line with the model now; normally it happens on its own, once,
    // after a burst of changes.
    void SyncFromModel();
    // Back to the view the model asks for.
    void ResetView();
    // Both axes fitted to every drawn point, with a small margin.
    void ShowAllData();
    void CopyImage();
    void SaveAs();

    // The data file the chart shows, empty for standard input: Save as proposes its name
    // with .png beside it (chart.png in the current folder for standard input).
    void SetDataPath(const QString& strDataPath);
    // Shown in the middle of the plot, in the window and in pictures, while the chart has
    // no point to draw.
    void SetEmptyText(const QString& strText);
    // Appended to the chart's context menu after its own entries; the caller keeps them.
    void AddMenuActions(const QList<QAction*>& actions);

    // The chart drawn at size (logical pixels) into an image of dRatio device pixels each.
    QImage ToImage(const QSize& size, qreal dRatio);
    // The chart drawn at size onto the painter's surface (an image, a PDF, an SVG).
    void Render(QCPPainter& painter, const QSize& size);

    // Called after each complete drawing of the chart.
    void SetDrawnListener(std::function<void()> onDrawn) { m_onDrawn = std::move(onDrawn); }

    // Series index and point index of the drawn point in view nearest to pos within a few
    // pixels; false when there is none.
    bool PointNear(const QPoint& pos, int& nSeries, int& nPoint) const;
    // "Receiver A\nx: 2 Jan 2026 12:00:00\ny: 4.25"
    QString DescribePoint(int nSeries, int nPoint) const;
    // What hovering pos shows: a point's read-out, the whole of a text cut short there, or
    // how to show all data; empty for nothing.
    QString ToolTipAt(const QPoint& pos) const;
    // "12 points below the view", "3 points above the view", "12 below and 3 above the
    // view": drawn points within the x range but outside the y range; empty for none.
    QString OutsideText() const;

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void updateLayout() override;

private:
    void ScheduleSync();
    void RequestReplot();
    // Puts a layout element above or below the plot, or takes it out.
    void ShowInLayout(QCPLayoutElement* pElement, bool bShow, bool bAtTop);
    void ApplyAxis(QCPAxis* pAxis, const SChartAxis& axis, const QCPRange& range);
    // Cuts the header, legend and notes to the width being drawn, and shares the legend's
    // entries out over one or two rows.
    void FitTexts();
    void UpdateNotes();
    QCPItemText* AddNote(const QPointF& place, Qt::Alignment alignment);
    void BuildActions();
    void ShowMenu(const QPoint& globalPos);

    std::shared_ptr<CChartDocument> m_pDocument;
    unsigned long m_nSyncedRevision = ~0ul;
    bool m_bSyncScheduled = false;
    bool m_bReplotDue = false;
    bool m_bShown = false;
    QCPTextElement* m_pHeader = nullptr;
    QString m_strHeader;
    QList<CChartLegendItem*> m_legendItems;
    QCPItemText* m_pOutsideNote = nullptr;
    QCPItemText* m_pEmptyNote = nullptr;
    QString m_strEmptyText;
    int m_nDrawnPoints = 0;
    SDataExtent m_drawnX;
    SDataExtent m_drawnY;
    QCPRange m_initialX;
    QCPRange m_initialY;
    bool m_bPanning = false;
    QPoint m_panStart;
    bool m_bPanned = false;
    QCPRange m_panStartX;
    QCPRange m_panStartY;
    QAction* m_pResetAction = nullptr;
    QAction* m_pShowAllAction = nullptr;
    QAction* m_pCopyAction = nullptr;
    QAction* m_pSaveAction = nullptr;
    QList<QPointer<QAction>> m_extraActions;
    QString m_strSaveName;
    std::function<void()> m_onDrawn;
};
