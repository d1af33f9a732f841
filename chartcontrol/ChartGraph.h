#pragma once

#include "chartcontrol/PointPairs.h"
#include "chartcontrol/ValueIndex.h"

#include <qcustomplot.h>

#include <memory>

// A series as the chart draws it: a one-pixel line and, when asked, ring markers. On a pixel
// surface the markers are copies of one small picture drawn for that surface's pixel ratio;
// on a vector surface (PDF, SVG) they are shapes, so that no picture ever lands in such a
// file. The drawing reaches one pixel past the plot, onto its frame, so that data lying
// exactly at an end of an axis stays visible.
class CChartGraph : public QCPGraph {
public:
    CChartGraph(QCPAxis* pKeyAxis, QCPAxis* pValueAxis, const QColor& colour, bool bMarkers);

    // The legend's sample of the series: a short thick line, with a marker if it has them.
    void DrawSample(QCPPainter* pPainter, const QRectF& rect) const;
    // Indexes the values of a long series, once its points are set: from then on the line is
    // drawn a pixel column at a time, through each column's first, smallest, largest and last
    // point, so that every spike shows however many points fall into a column.
    void IndexValues();
    // Draws the block's points as they lie there, with the block's index; the graph keeps the
    // block as long as it draws it.
    void DrawFrom(std::shared_ptr<const CPointPairs> pPoints);
    const CValueIndex& Index() const { return *m_pIndex; }

protected:
    QRect clipRect() const override;
    void drawLegendIcon(QCPPainter* pPainter, const QRectF& rect) const override;
    void drawLinePlot(QCPPainter* pPainter, const QVector<QPointF>& lines) const override;
    void getOptimizedLineData(QVector<QCPGraphData>* pLineData,
                              const QCPGraphDataContainer::const_iterator& begin,
                              const QCPGraphDataContainer::const_iterator& end) const override;
    void drawScatterPlot(QCPPainter* pPainter, const QVector<QPointF>& scatters,
                         const QCPScatterStyle& style) const override;

private:
    const QPixmap& MarkerPixmap(qreal dRatio) const;

    QColor m_colour;
    bool m_bMarkers;
    // Drawn for the pixel ratio of the last pixel surface, again when that changes.
    mutable QPixmap m_marker;
    std::shared_ptr<const CValueIndex> m_pIndex = std::make_shared<CValueIndex>();
    std::shared_ptr<const CPointPairs> m_pPoints;
};
