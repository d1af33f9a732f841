#pragma once

#include "chartcontrol/AxisRange.h"
#include "chartcontrol/ChartCursors.h"
#include "chartcontrol/ChartMeasures.h"
#include "chartcontrol/ChartModel.h"
#include "chartcontrol/SeriesDisplay.h"

#include <QTimer>
#include <qcustomplot.h>

#include <functional>
#include <memory>

class CChartGraph;
class CChartInteraction;
class CChartLegendItem;
class CChartNotes;
class CDrawSchedule;

// Draws the chart model with QCustomPlot: its header, series, legend, axes and notes
// (chartcontrol/ChartNotes.h). When it draws is for chartcontrol/DrawSchedule.h to say, what
// the user does with it for chartcontrol/ChartInteraction.h, how it looks for
// chartcontrol/ChartStyle.h. Nothing the user does here changes the model; saving and copying
// are asked of the view's owner.
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
    // Each series less its least-squares straight line over the x range in view now, and back:
    // the header says so, the value axis fits what is then drawn.
    void SetResiduals(bool bOn);
    bool Residuals() const { return m_modes.bResiduals; }
    // Lines broken where x steps across a gap (more than 5 median steps), and joined again.
    void SetGaps(bool bOn);
    bool Gaps() const { return m_modes.bGaps; }
    // A date axis labelled with Modified Julian Dates, and the read-outs (hover, cursors,
    // statistics) with them; and back to calendar dates.
    void SetMjdAxis(bool bOn);
    bool MjdAxis() const { return m_bMjd; }
    // An x as the read-outs give it: a date ("2 Jan 2026 12:00:00"), an MJD with as many
    // decimals as the data's step needs ("MJD 60650.12500"), or a number.
    QString DescribeX(double dKey) const;
    // The two cursors; after changing them, CursorsChanged tells everyone who measures.
    CChartCursors& Cursors() { return *m_pCursors; }
    void CursorsChanged();
    // The statistics of every series between the cursors when both are set, else in view.
    SMeasures Measures() const;

    // Whether the chart starts with every drawn point in view, as after ShowAllData, instead
    // of the view the model asks for (which ResetView still returns to).
    void SetStartWithAllData(bool bAll) { m_bStartWithAll = bAll; }

    // Shown in the middle of the plot, in the window and in pictures, while the chart has
    // no point to draw.
    void SetEmptyText(const QString& strText);
    // Shown in the plot's lower right corner while not empty: why the chart may be behind.
    void SetWaitText(const QString& strText);
    // The value axis's end when the maximum it was given is no finite number (an infinite y
    // made it so): its minimum stays; NaN, the default, fits the axis to the finite data.
    void SetFallbackMaximum(double dMaximum);
    // Appended to the chart's context menu after its own entries; the caller keeps them.
    void AddMenuActions(const QList<QAction*>& actions);
    QList<QAction*> MenuActions() const;

    // The chart drawn at size (logical pixels) into an image of dRatio device pixels each.
    QImage ToImage(const QSize& size, qreal dRatio);
    // The chart drawn at size onto the painter's surface (an image, a PDF, an SVG).
    void Render(QCPPainter& painter, const QSize& size);

    // Called after each complete drawing of the chart.
    void SetDrawnListener(std::function<void()> onDrawn) { m_onDrawn = std::move(onDrawn); }

    const CChartNotes& Notes() const { return *m_pNotes; }
    // Says, in the plot's lower right corner for a few seconds, why a request did nothing.
    void ShowHint(const QString& strText);
    // The whole of a text shown cut short at pos (the header, a legend entry, the empty
    // chart's note); empty for none.
    QString WholeTextAt(const QPoint& pos) const;

signals:
    // Save as, from the context menu or Ctrl+S: the owner asks where and writes the file.
    void SaveRequested();
    // Copy image, from the context menu or Ctrl+C: the owner puts the picture on the clipboard.
    void CopyRequested();
    // Statistics, from the context menu or S: the owner shows or hides them.
    void StatisticsRequested();
    // Stability, from the context menu or D: the owner shows or hides it.
    void StabilityRequested();
    // What Measures() answers may have changed: a zoom, a pan, the cursors, new data.
    void MeasuresChanged();

protected:
    void updateLayout() override;

private:
    // Puts a layout element above or below the plot, or takes it out.
    void ShowInLayout(QCPLayoutElement* pElement, bool bShow, bool bAtTop);
    void ApplyAxis(QCPAxis* pAxis, const SChartAxis& axis, const QCPRange& range);
    // Cuts the header, legend and notes to the width being drawn, and shares the legend's
    // entries out over one or two rows.
    void FitTexts();
    void UpdateNotes();
    // The model taken in again now, under the display modes.
    void Resync();
    // The model's parts taken in one by one: the header (with the residual mode's words), the
    // series and legend with the data's extents, the axes' initial ranges from those extents.
    void SyncHeader(const SChartModel& model);
    void SyncSeries(const SChartModel& model, double (*toX)(double), SDataExtent& xExtent,
                    SDataExtent& yExtent);
    void SyncAxes(const SChartModel& model, double (*toX)(double), const SDataExtent& xExtent,
                  const SDataExtent& yExtent);
    // A series whose points are copied (sorted, under the modes) given to its graph.
    void DrawCopied(CChartGraph* pGraph, const QVector<QCPGraphData>& data, SDataExtent& xExtent,
                    SDataExtent& yExtent);
    // Counts a series' drawn points: how many, their first and last place and their least and
    // largest value, into the view's extents and the value axis's yExtent.
    void AddDrawn(long long nDrawn, double dFirstKey, double dLastKey, double dMinY, double dMaxY,
                  SDataExtent& yExtent);

    std::shared_ptr<CChartDocument> m_pDocument;
    QCPTextElement* m_pHeader = nullptr;
    QString m_strHeader;
    QList<CChartLegendItem*> m_legendItems;
    std::unique_ptr<CChartNotes> m_pNotes;
    long long m_nDrawnPoints = 0;
    SDataExtent m_drawnX;
    SDataExtent m_drawnY;
    QCPRange m_initialX;
    QCPRange m_initialY;
    double m_dFallbackMaximum;
    bool m_bStartWithAll = false;
    SDisplayModes m_modes;
    QCPRange m_rangeBeforeResiduals;
    std::unique_ptr<CChartCursors> m_pCursors;
    std::function<void()> m_onDrawn;
    bool m_bMjd = false;
    // The first series' step, for the decimals of MJD read-outs; NaN until asked for.
    mutable double m_dKeyStep = qQNaN();
    QTimer m_hintTimer;
    // Declared last: they go first, while the plot they watch is whole.
    std::unique_ptr<CDrawSchedule> m_pSchedule;
    std::unique_ptr<CChartInteraction> m_pInteraction;
};
