#include "ChartView.h"

#include "AutomationDate.h"
#include "AxisRange.h"
#include "ChartExport.h"
#include "TextEncoding.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// Okabe and Ito's palette: told apart with every common kind of colour blindness.
const QColor PALETTE[] = {QColor(0, 114, 178), QColor(230, 159, 0),   QColor(0, 158, 115),
                          QColor(213, 94, 0),  QColor(204, 121, 167), QColor(86, 180, 233),
                          QColor(0, 0, 0)};

constexpr int HOVER_DISTANCE = 8;
constexpr int MAX_TICKS = 8;

QString Text(const std::string& strBytes) {
    return QString::fromStdString(BytesToUtf8(strBytes));
}

double Identity(double dValue) {
    return dValue;
}

QColor SeriesColour(const SChartSeries& series, std::size_t nIndex) {
    for (const SChartPoint& point : series.points) {
        if (point.nColour != CHART_DEFAULT_COLOUR) {
            // Colour values are 0x00BBGGRR.
            return QColor(point.nColour & 0xFF, (point.nColour >> 8) & 0xFF,
                          (point.nColour >> 16) & 0xFF);
        }
    }
    return PALETTE[nIndex % std::size(PALETTE)];
}

// A point marker: a small ring drawn once into a pixmap, then copied for every point.
QCPScatterStyle MarkerStyle(const QColor& colour) {
    constexpr int SIZE = 7;
    QPixmap marker(SIZE, SIZE);
    marker.fill(Qt::transparent);
    QPainter painter(&marker);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(1, 1, SIZE - 2, SIZE - 2));
    return QCPScatterStyle(marker);
}

QString DateFormatFor(double dSpanSeconds) {
    constexpr double DAY = 86400.0;
    if (dSpanSeconds > 3 * 365 * DAY)
        return QStringLiteral("MMM yyyy");
    if (dSpanSeconds > 4 * DAY)
        return QStringLiteral("d MMM\nyyyy");
    if (dSpanSeconds > 600)
        return QStringLiteral("d MMM\nhh:mm");
    return QStringLiteral("hh:mm:ss");
}

QString DateText(double dUnixSeconds) {
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::llround(dUnixSeconds * 1000.0)),
                                          QTimeZone::utc())
        .toString(QStringLiteral("d MMM yyyy hh:mm:ss"));
}

} // namespace

CChartView::CChartView(std::shared_ptr<CChartDocument> pDocument, QWidget* pParent)
    : QCustomPlot(pParent), m_pDocument(std::move(pDocument)) {
    // The base class queues a drawing of the empty plot; the chart is drawn when it is shown.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    mReplotQueued = false;
    const QFont font(QStringLiteral("DejaVu Sans"), 9);
    setFont(font);
    setBackground(Qt::white);
    setInteractions(QCP::iRangeZoom);
    // One polyline a graph instead of a line a segment: much faster, and at this pen width
    // the joins look the same.
    setPlottingHints(QCP::phFastPolylines | QCP::phCacheLabels);
    setSelectionRectMode(QCP::srmZoom);
    selectionRect()->setPen(QPen(QColor(0, 114, 178), 1, Qt::DashLine));
    selectionRect()->setBrush(QColor(0, 114, 178, 30));
    setMouseTracking(true);

    m_pHeader = new QCPTextElement(this, QString(), QFont(font.family(), 11, QFont::Bold));
    m_pHeader->setMargins(QMargins(8, 8, 8, 2));

    const QPen axisPen(QColor(110, 110, 110));
    for (QCPAxis* pAxis : {xAxis, yAxis, xAxis2, yAxis2}) {
        pAxis->setBasePen(axisPen);
        pAxis->setTickPen(axisPen);
        pAxis->setSubTickPen(axisPen);
        pAxis->setTickLabelFont(font);
        pAxis->setLabelFont(font);
        pAxis->grid()->setPen(QPen(QColor(228, 228, 228), 0));
        pAxis->grid()->setZeroLinePen(Qt::NoPen);
    }
    // The top and right axes only close the frame.
    for (QCPAxis* pAxis : {xAxis2, yAxis2}) {
        pAxis->setVisible(true);
        pAxis->setTicks(false);
        pAxis->setTickLabels(false);
        pAxis->grid()->setVisible(false);
    }
    // The legend sits in a row of its own under the plot, so that it never hides a line.
    legend->setFont(font);
    legend->setBrush(Qt::NoBrush);
    legend->setBorderPen(Qt::NoPen);
    legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    legend->setColumnSpacing(16);
    axisRect()->insetLayout()->take(legend);
    legend->setVisible(false);

    connect(this, &QCustomPlot::afterReplot, this, [this] {
        if (m_onDrawn)
            m_onDrawn();
    });
    m_pDocument->SetChangeListener([this] { ScheduleSync(); });
    BuildActions();
}

CChartView::~CChartView() {
    m_pDocument->SetChangeListener(nullptr);
}

void CChartView::BuildActions() {
    m_pResetAction = new QAction(tr("&Reset view"), this);
    m_pResetAction->setShortcut(Qt::Key_Home);
    connect(m_pResetAction, &QAction::triggered, this, &CChartView::ResetView);
    m_pCopyAction = new QAction(tr("&Copy image"), this);
    m_pCopyAction->setShortcut(QKeySequence::Copy);
    connect(m_pCopyAction, &QAction::triggered, this, &CChartView::CopyImage);
    m_pSaveAction = new QAction(tr("&Save as..."), this);
    m_pSaveAction->setShortcut(QKeySequence::Save);
    connect(m_pSaveAction, &QAction::triggered, this, &CChartView::SaveAs);
    for (QAction* pAction : {m_pResetAction, m_pCopyAction, m_pSaveAction}) {
        // The chart rarely has the focus in its window; its keys work anywhere in it.
        pAction->setShortcutContext(Qt::WindowShortcut);
        addAction(pAction);
    }
}

void CChartView::ScheduleSync() {
    if (m_bSyncScheduled)
        return;
    m_bSyncScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bSyncScheduled = false;
            SyncFromModel();
        },
        Qt::QueuedConnection);
}

void CChartView::showEvent(QShowEvent* pEvent) {
    // Whatever changed before, the chart is drawn once, here, ahead of its first paint.
    m_bReplotDue = true;
    SyncFromModel();
    m_bReplotDue = false;
    replot(rpQueuedRefresh);
    m_bShown = true;
    QCustomPlot::showEvent(pEvent);
}

void CChartView::SyncFromModel() {
    if (m_nSyncedRevision == m_pDocument->Revision())
        return;
    m_nSyncedRevision = m_pDocument->Revision();
    const SChartModel& model = m_pDocument->Model();

    QStringList header;
    for (const std::string& strLine : model.header)
        header << Text(strLine);
    m_pHeader->setText(header.join(QLatin1Char('\n')));
    ShowInLayout(m_pHeader, !header.join(QString()).isEmpty(), true);

    const bool bDates = model.bottom.bDateTime;
    double (*toX)(double) = bDates ? &AutomationDateToUnixSeconds : &Identity;
    SDataExtent xExtent, yExtent;
    clearGraphs();
    for (std::size_t s = 0; s < model.series.size(); ++s) {
        const SChartSeries& series = model.series[s];
        QCPGraph* pGraph = addGraph();
        const QColor colour = SeriesColour(series, s);
        // A one-pixel pen takes the painter's fast anti-aliased line path; wider pens are
        // stroked as outlines, many times slower for a thousand points.
        pGraph->setPen(QPen(colour, 1.0));
        pGraph->setName(series.strTitle.empty() ? tr("Series %1").arg(s + 1)
                                                : Text(series.strTitle));
        pGraph->setScatterStyle(series.bPointsVisible ? MarkerStyle(colour)
                                                      : QCPScatterStyle(QCPScatterStyle::ssNone));
        QVector<QCPGraphData> data;
        data.reserve(static_cast<int>(series.points.size()));
        for (const SChartPoint& point : series.points) {
            const double dX = toX(point.dX);
            // A point without a place on the x axis cannot be drawn; a y that is not a
            // finite number leaves a gap in the line.
            if (!std::isfinite(dX))
                continue;
            const double dY = std::isfinite(point.dY) ? point.dY : qQNaN();
            xExtent.Add(dX);
            yExtent.Add(dY);
            data.append(QCPGraphData(dX, dY));
        }
        pGraph->data()->set(data, false);
    }
    const bool bLegend = model.bLegendVisible && !model.series.empty();
    legend->setVisible(bLegend);
    ShowInLayout(legend, bLegend, false);

    const SAxisRange xRange = ResolveAxisRange(model.bottom, xExtent, toX);
    const SAxisRange yRange = ResolveAxisRange(model.left, yExtent, &Identity);
    m_initialX = QCPRange(xRange.dLower, xRange.dUpper);
    m_initialY = QCPRange(yRange.dLower, yRange.dUpper);
    ApplyAxis(xAxis, model.bottom, m_initialX);
    ApplyAxis(yAxis, model.left, m_initialY);
    RequestReplot();
}

void CChartView::RequestReplot() {
    // Before the widget is shown no drawing is needed at all: showEvent draws once, ahead of
    // the first paint, so that the paint only copies it. Once shown, bursts of changes
    // coalesce into one drawing.
    if (m_bReplotDue || !m_bShown)
        m_bReplotDue = true;
    else
        replot(rpQueuedReplot);
}

void CChartView::resizeEvent(QResizeEvent*) {
    // Showing a window repeats the resize it already had; that needs no new drawing.
    if (rect() == viewport() && !m_bReplotDue)
        return;
    setViewport(rect());
    RequestReplot();
}

void CChartView::ShowInLayout(QCPLayoutElement* pElement, bool bShow, bool bAtTop) {
    const bool bShown = pElement->layout() == plotLayout();
    if (bShow == bShown)
        return;
    if (!bShow) {
        plotLayout()->take(pElement);
        plotLayout()->simplify();
    } else if (bAtTop) {
        plotLayout()->insertRow(0);
        plotLayout()->addElement(0, 0, pElement);
    } else {
        plotLayout()->addElement(plotLayout()->rowCount(), 0, pElement);
        plotLayout()->setRowStretchFactor(plotLayout()->rowCount() - 1, 0.001);
    }
}

void CChartView::ApplyAxis(QCPAxis* pAxis, const SChartAxis& axis, const QCPRange& range) {
    pAxis->setLabel(Text(axis.strTitle));
    if (axis.bDateTime && pAxis == xAxis) {
        auto pTicker = QSharedPointer<QCPAxisTickerDateTime>::create();
        pTicker->setDateTimeSpec(Qt::UTC);
        pTicker->setDateTimeFormat(DateFormatFor(range.size()));
        pAxis->setTicker(pTicker);
    } else if (pAxis->ticker().dynamicCast<QCPAxisTickerDateTime>()) {
        pAxis->setTicker(QSharedPointer<QCPAxisTicker>::create());
    }
    pAxis->setRange(range);
    ApplyLabelGap(pAxis, axis);
}

void CChartView::ApplyLabelGap(QCPAxis* pAxis, const SChartAxis& axis) {
    // At most as many labels as fit the axis with the asked gap between neighbours.
    const QFontMetrics metrics(pAxis->tickLabelFont());
    const bool bHorizontal = pAxis->orientation() == Qt::Horizontal;
    const double dLabel =
        bHorizontal ? metrics.horizontalAdvance(QStringLiteral("00 MMM 0000")) : metrics.height();
    const double dLength = bHorizontal ? std::max(width() - 80, 100) : std::max(height() - 90, 80);
    const double dGap = 1.0 + std::max(axis.nLabelSeparation, 0) / 100.0;
    const int nFit = static_cast<int>(dLength / (dLabel * dGap));
    pAxis->ticker()->setTickCount(std::clamp(nFit, 2, MAX_TICKS));
}

void CChartView::ResetView() {
    xAxis->setRange(m_initialX);
    yAxis->setRange(m_initialY);
    replot();
}

void CChartView::CopyImage() {
    QApplication::clipboard()->setPixmap(toPixmap());
}

void CChartView::SaveAs() {
    const QString strPath = QFileDialog::getSaveFileName(
        this, tr("Save Chart As"), QStringLiteral("chart.png"),
        tr("PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf);;JSON data (*.json)"));
    if (strPath.isEmpty())
        return;
    QString strError;
    if (!ExportChart(*this, m_pDocument->Model(), strPath, strError))
        QMessageBox::warning(this, tr("Save Chart As"), strError);
}

bool CChartView::PointNear(const QPoint& pos, int& nSeries, int& nPoint) const {
    double dBest = HOVER_DISTANCE + 1;
    const double dKey = xAxis->pixelToCoord(pos.x());
    const double dReach = std::fabs(xAxis->pixelToCoord(pos.x() + HOVER_DISTANCE) - dKey);
    for (int g = 0; g < graphCount(); ++g) {
        const auto pData = graph(g)->data();
        for (auto it = pData->findBegin(dKey - dReach); it != pData->findEnd(dKey + dReach); ++it) {
            if (std::isnan(it->value))
                continue;
            const double dDistance = std::hypot(xAxis->coordToPixel(it->key) - pos.x(),
                                                yAxis->coordToPixel(it->value) - pos.y());
            if (dDistance < dBest) {
                dBest = dDistance;
                nSeries = g;
                nPoint = static_cast<int>(it - pData->constBegin());
            }
        }
    }
    return dBest <= HOVER_DISTANCE;
}

QString CChartView::DescribePoint(int nSeries, int nPoint) const {
    const QCPGraph* pGraph = graph(nSeries);
    const QCPGraphData& point = *(pGraph->data()->constBegin() + nPoint);
    const bool bDates = m_pDocument->Model().bottom.bDateTime;
    return QStringLiteral("%1\nx: %2\ny: %3")
        .arg(pGraph->name(), bDates ? DateText(point.key) : QString::number(point.key, 'g', 10),
             QString::number(point.value, 'g', 10));
}

void CChartView::mousePressEvent(QMouseEvent* pEvent) {
    if (pEvent->button() == Qt::RightButton || pEvent->button() == Qt::MiddleButton) {
        m_bPanning = true;
        m_bPanned = false;
        m_panStart = pEvent->pos();
        m_panStartX = xAxis->range();
        m_panStartY = yAxis->range();
        return;
    }
    QCustomPlot::mousePressEvent(pEvent);
}

void CChartView::mouseMoveEvent(QMouseEvent* pEvent) {
    if (m_bPanning) {
        const QPoint delta = pEvent->pos() - m_panStart;
        m_bPanned = m_bPanned || delta.manhattanLength() > QApplication::startDragDistance();
        if (m_bPanned) {
            const double dX =
                xAxis->pixelToCoord(m_panStart.x()) - xAxis->pixelToCoord(pEvent->pos().x());
            const double dY =
                yAxis->pixelToCoord(m_panStart.y()) - yAxis->pixelToCoord(pEvent->pos().y());
            xAxis->setRange(m_panStartX.lower + dX, m_panStartX.upper + dX);
            yAxis->setRange(m_panStartY.lower + dY, m_panStartY.upper + dY);
            replot(rpQueuedReplot);
        }
        return;
    }
    int nSeries = 0;
    int nPoint = 0;
    if (PointNear(pEvent->pos(), nSeries, nPoint))
        QToolTip::showText(pEvent->globalPosition().toPoint(), DescribePoint(nSeries, nPoint),
                           this);
    else
        QToolTip::hideText();
    QCustomPlot::mouseMoveEvent(pEvent);
}

void CChartView::mouseReleaseEvent(QMouseEvent* pEvent) {
    if (m_bPanning &&
        (pEvent->button() == Qt::RightButton || pEvent->button() == Qt::MiddleButton)) {
        m_bPanning = false;
        if (!m_bPanned && pEvent->button() == Qt::RightButton) {
            ShowMenu(pEvent->globalPosition().toPoint());
        }
        return;
    }
    QCustomPlot::mouseReleaseEvent(pEvent);
}

void CChartView::mouseDoubleClickEvent(QMouseEvent* pEvent) {
    if (pEvent->button() == Qt::LeftButton)
        ResetView();
    QCustomPlot::mouseDoubleClickEvent(pEvent);
}

void CChartView::contextMenuEvent(QContextMenuEvent* pEvent) {
    // The mouse's context menu opens on release, unless the right button panned.
    if (pEvent->reason() == QContextMenuEvent::Mouse)
        return;
    ShowMenu(pEvent->globalPos());
}

void CChartView::ShowMenu(const QPoint& globalPos) {
    QMenu menu(this);
    menu.addActions({m_pResetAction, m_pCopyAction, m_pSaveAction});
    menu.exec(globalPos);
}
