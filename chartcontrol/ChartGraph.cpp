#include "chartcontrol/ChartGraph.h"

#include "chartcontrol/ChartStyle.h"
#include "chartcontrol/Polylines.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double MARKER_REACH = (CHART_MARKER_DIAMETER + CHART_MARKER_PEN_WIDTH) / 2.0;

void DrawMarker(QPainter* pPainter, const QPointF& centre, const QColor& colour) {
    pPainter->setPen(QPen(colour, CHART_MARKER_PEN_WIDTH));
    pPainter->setBrush(Qt::white);
    pPainter->drawEllipse(centre, CHART_MARKER_DIAMETER / 2.0, CHART_MARKER_DIAMETER / 2.0);
}

// Device pixels per logical pixel where the painter draws now, the device's own ratio
// included.
qreal PixelRatio(const QPainter* pPainter) {
    const QTransform transform = pPainter->deviceTransform();
    return std::hypot(transform.m11(), transform.m12());
}

} // namespace

CChartGraph::CChartGraph(QCPAxis* pKeyAxis, QCPAxis* pValueAxis, const QColor& colour,
                         bool bMarkers)
    : QCPGraph(pKeyAxis, pValueAxis), m_colour(colour), m_bMarkers(bMarkers) {
    setPen(QPen(colour, CHART_LINE_WIDTH));
    // The shape only switches the base class's marker pass on; drawScatterPlot draws them.
    setScatterStyle(bMarkers ? QCPScatterStyle(QCPScatterStyle::ssCircle)
                             : QCPScatterStyle(QCPScatterStyle::ssNone));
}

QRect CChartGraph::clipRect() const {
    // One pixel past the plot on every side, onto the frame. The layer shifts every clip up
    // by one pixel; the extra bottom row makes up for that.
    return QCPGraph::clipRect().adjusted(-1, 0, 1, 2);
}

void CChartGraph::IndexValues() {
    auto pIndex = std::make_shared<CValueIndex>();
    // Short series draw as fast point by point.
    if (static_cast<std::size_t>(mDataContainer->size()) >= CValueIndex::LONG_SERIES)
        pIndex->Build(&mDataContainer->constBegin()->value, 2,
                      static_cast<std::size_t>(mDataContainer->size()));
    m_pIndex = std::move(pIndex);
}

void CChartGraph::DrawFrom(std::shared_ptr<const CPointPairs> pPoints) {
    static_assert(sizeof(QCPGraphData) == 2 * sizeof(double) &&
                  offsetof(QCPGraphData, value) == sizeof(double));
    // A vector over the block, owning none of it: nothing is copied, and nothing may write to it.
    const auto* pPairs = reinterpret_cast<const QCPGraphData*>(pPoints->Pairs().get());
    mDataContainer->set(QVector<QCPGraphData>(QArrayDataPointer<QCPGraphData>::fromRawData(
                            pPairs, static_cast<qsizetype>(pPoints->Size()))),
                        true);
    m_pIndex = pPoints->Size() >= CValueIndex::LONG_SERIES && pPoints->Index()
                   ? pPoints->Index()
                   : std::make_shared<CValueIndex>();
    m_pPoints = std::move(pPoints);
}

void CChartGraph::getOptimizedLineData(QVector<QCPGraphData>* pLineData,
                                       const QCPGraphDataContainer::const_iterator& begin,
                                       const QCPGraphDataContainer::const_iterator& end) const {
    const QCPAxis* pKeys = keyAxis();
    const double dColumns = std::abs(pKeys->coordToPixel(pKeys->range().upper) -
                                     pKeys->coordToPixel(pKeys->range().lower));
    // Few points a column: every point.
    if (Index().IsEmpty() || static_cast<double>(end - begin) < 4 * dColumns) {
        QCPGraph::getOptimizedLineData(pLineData, begin, end);
        return;
    }
    pLineData->clear();
    pLineData->reserve(4 * static_cast<qsizetype>(dColumns) + 8);
    const auto first = mDataContainer->constBegin();
    const auto byKey = [](const QCPGraphData& point, double dKey) { return point.key < dKey; };
    for (auto it = begin; it != end;) {
        // The points of it's pixel column: up to the key where the next column starts.
        const double dNextColumn =
            pKeys->pixelToCoord(std::floor(pKeys->coordToPixel(it->key)) + 1.0);
        auto columnEnd = std::lower_bound(it + 1, end, dNextColumn, byKey);
        const auto nBegin = static_cast<std::size_t>(it - first);
        const auto nLast = static_cast<std::size_t>(columnEnd - first) - 1;
        std::size_t nMin = nBegin, nMax = nBegin;
        Index().Extremes(nBegin, nLast + 1, nMin, nMax);
        std::size_t columnPoints[] = {nBegin, std::min(nMin, nMax), std::max(nMin, nMax), nLast};
        const std::size_t* pEnd = std::unique(std::begin(columnPoints), std::end(columnPoints));
        for (const std::size_t* p = columnPoints; p != pEnd; ++p)
            pLineData->append(*(first + static_cast<qsizetype>(*p)));
        it = columnEnd;
    }
}

void CChartGraph::drawLegendIcon(QCPPainter* pPainter, const QRectF& rect) const {
    DrawSample(pPainter, rect);
}

void CChartGraph::DrawSample(QCPPainter* pPainter, const QRectF& rect) const {
    pPainter->setAntialiasing(true);
    pPainter->setPen(QPen(m_colour, CHART_LEGEND_SAMPLE_WIDTH, Qt::SolidLine, Qt::FlatCap));
    const double dMiddle = rect.top() + rect.height() / 2.0;
    pPainter->drawLine(QLineF(rect.left(), dMiddle, rect.right(), dMiddle));
    if (m_bMarkers)
        DrawMarker(pPainter, QPointF(rect.center().x(), dMiddle), m_colour);
}

void CChartGraph::drawLinePlot(QCPPainter* pPainter, const QVector<QPointF>& lines) const {
    // Drawn here, not by the base class: that turns one-pixel pens into hairlines, one device
    // pixel on a 2× screen and the thinnest line a printer can draw.
    applyDefaultAntialiasingHint(pPainter);
    DrawPolyline(*pPainter, pPainter->hasClipping()
                                ? ClipPolyline(lines, pPainter->clipBoundingRect())
                                : lines);
}

void CChartGraph::drawScatterPlot(QCPPainter* pPainter, const QVector<QPointF>& scatters,
                                  const QCPScatterStyle&) const {
    // Only points inside the view, ends included, get a marker, drawn whole even on the frame.
    const QCPRange keys = keyAxis()->range();
    const QCPRange values = valueAxis()->range();
    const QRectF view =
        QRectF(
            QPointF(keyAxis()->coordToPixel(keys.lower), valueAxis()->coordToPixel(values.lower)),
            QPointF(keyAxis()->coordToPixel(keys.upper), valueAxis()->coordToPixel(values.upper)))
            .normalized();
    const QRectF inside = view.adjusted(-0.5, -0.5, 0.5, 0.5);
    const double dReach = MARKER_REACH + 1.0;
    pPainter->save();
    pPainter->setClipRect(view.adjusted(-dReach, -dReach, dReach, dReach));
    pPainter->setAntialiasing(true);
    if (pPainter->paintEngine()->type() == QPaintEngine::Raster) {
        const QPixmap& marker = MarkerPixmap(PixelRatio(pPainter));
        const QPointF offset(marker.deviceIndependentSize().width() / 2.0,
                             marker.deviceIndependentSize().height() / 2.0);
        for (const QPointF& point : scatters) {
            if (inside.contains(point))
                pPainter->drawPixmap(point - offset, marker);
        }
    } else {
        for (const QPointF& point : scatters) {
            if (inside.contains(point))
                DrawMarker(pPainter, point, m_colour);
        }
    }
    pPainter->restore();
}

const QPixmap& CChartGraph::MarkerPixmap(qreal dRatio) const {
    if (!m_marker.isNull() && m_marker.devicePixelRatio() == dRatio)
        return m_marker;
    int nPixels = static_cast<int>(std::ceil((2.0 * MARKER_REACH + 2.0) * dRatio));
    // Drawn at a point shifted by half a pixel, as the painter draws smooth shapes, a picture
    // of this parity starts on a whole device pixel.
    if ((nPixels - static_cast<int>(std::lround(dRatio))) % 2 != 0)
        ++nPixels;
    m_marker = QPixmap(nPixels, nPixels);
    m_marker.setDevicePixelRatio(dRatio);
    m_marker.fill(Qt::transparent);
    QPainter painter(&m_marker);
    painter.setRenderHint(QPainter::Antialiasing);
    const double dCentre = nPixels / dRatio / 2.0;
    DrawMarker(&painter, QPointF(dCentre, dCentre), m_colour);
    return m_marker;
}
