#include "chartcontrol/ChartView.h"

#include "chartcontrol/AutomationDate.h"
#include "chartcontrol/ChartExport.h"
#include "chartcontrol/ChartGraph.h"
#include "chartcontrol/ChartLegendItem.h"
#include "chartcontrol/ChartStyle.h"
#include "chartcontrol/DateTicker.h"
#include "chartcontrol/LegendPlan.h"
#include "chartcontrol/NumberTicker.h"
#include "chartcontrol/SaveName.h"
#include "chartcontrol/TextEncoding.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr int HOVER_DISTANCE = 8;
// More rows would take the plot's height; past two, entries are cut instead.
constexpr int MAX_LEGEND_ROWS = 2;
// Show all data leaves this share of each axis free on either side of the data.
constexpr double SHOW_ALL_MARGIN = 0.04;
constexpr int NOTE_MARGIN = 16;

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
    return PaletteColour(nIndex);
}

QString DescribeOutside(int nBelow, int nAbove) {
    if (nBelow > 0 && nAbove > 0)
        return QStringLiteral("%1 below and %2 above the view").arg(nBelow).arg(nAbove);
    const int nCount = std::max(nBelow, nAbove);
    if (nCount == 0)
        return QString();
    return QStringLiteral("%1 %2 %3 the view")
        .arg(nCount)
        .arg(nCount == 1 ? QStringLiteral("point") : QStringLiteral("points"))
        .arg(nBelow > 0 ? QStringLiteral("below") : QStringLiteral("above"));
}

QRectF NoteRect(const QCPItemText* pNote) {
    return QRectF(pNote->topLeft->pixelPosition(), pNote->bottomRight->pixelPosition());
}

QCPRange FitWithMargin(const SDataExtent& extent) {
    const SAxisRange range = ResolveAxisRange(SChartAxis{}, extent, &Identity);
    const double dMargin = (range.dUpper - range.dLower) * SHOW_ALL_MARGIN;
    return QCPRange(range.dLower - dMargin, range.dUpper + dMargin);
}

// Whether range lies within the hull of the two others.
bool Within(const QCPRange& range, const QCPRange& first, const QCPRange& second) {
    return range.lower >= std::min(first.lower, second.lower) &&
           range.upper <= std::max(first.upper, second.upper);
}

} // namespace

CChartView::CChartView(std::shared_ptr<CChartDocument> pDocument, QWidget* pParent)
    : QCustomPlot(pParent), m_pDocument(std::move(pDocument)) {
    // The base class queues a drawing of the empty plot; the chart is drawn when it is shown.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    mReplotQueued = false;
    const QFont font = ChartFont(CHART_TEXT_PIXELS);
    setFont(font);
    setBackground(Qt::white);
    setInteractions(QCP::iRangeZoom);
    setPlottingHints(QCP::phCacheLabels);
    setSelectionRectMode(QCP::srmZoom);
    QColor selection = PaletteColour(0);
    selectionRect()->setPen(QPen(selection, CHART_FRAME_WIDTH, Qt::DashLine));
    selection.setAlpha(30);
    selectionRect()->setBrush(selection);
    setMouseTracking(true);
    setAutoAddPlottableToLegend(false);
    // Data drawn over the frame: a line lying exactly at an end of an axis stays visible.
    moveLayer(layer(QStringLiteral("main")), layer(QStringLiteral("axes")), limAbove);

    m_pHeader = new QCPTextElement(this, QString(), ChartFont(CHART_HEADER_PIXELS, QFont::Bold));
    m_pHeader->setMargins(QMargins(8, 8, 8, 2));

    const QPen framePen(CHART_FRAME_COLOUR, CHART_FRAME_WIDTH);
    for (QCPAxis* pAxis : {xAxis, yAxis, xAxis2, yAxis2}) {
        pAxis->setBasePen(framePen);
        pAxis->setTickPen(framePen);
        pAxis->setSubTickPen(framePen);
        pAxis->setTickLabelFont(font);
        pAxis->setLabelFont(font);
        // Labels come from the tickers as they are to be shown.
        pAxis->setNumberFormat(QStringLiteral("g"));
        pAxis->grid()->setPen(QPen(CHART_GRID_COLOUR, CHART_GRID_WIDTH));
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
    legend->setIconSize(CHART_LEGEND_SAMPLE_LENGTH, 12);
    legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    legend->setColumnSpacing(16);
    axisRect()->insetLayout()->take(legend);
    legend->setVisible(false);

    m_pOutsideNote = AddNote(QPointF(1, 0), Qt::AlignTop | Qt::AlignRight);
    m_pEmptyNote = AddNote(QPointF(0.5, 0.5), Qt::AlignCenter);
    for (QCPAxis* pAxis : {xAxis, yAxis})
        connect(pAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
                &CChartView::UpdateNotes);

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

QCPItemText* CChartView::AddNote(const QPointF& place, Qt::Alignment alignment) {
    auto* pNote = new QCPItemText(this);
    pNote->setLayer(QStringLiteral("legend"));
    pNote->position->setType(QCPItemPosition::ptAxisRectRatio);
    pNote->position->setCoords(place);
    pNote->setPositionAlignment(alignment);
    pNote->setFont(ChartFont(CHART_TEXT_PIXELS));
    pNote->setColor(CHART_NOTE_COLOUR);
    pNote->setPadding(QMargins(5, 3, 5, 3));
    // Readable over grid lines and data.
    pNote->setBrush(QColor(255, 255, 255, 220));
    pNote->setVisible(false);
    return pNote;
}

void CChartView::BuildActions() {
    m_pResetAction = new QAction(tr("&Reset view"), this);
    m_pResetAction->setShortcut(Qt::Key_Home);
    connect(m_pResetAction, &QAction::triggered, this, &CChartView::ResetView);
    m_pShowAllAction = new QAction(tr("Show &all data"), this);
    m_pShowAllAction->setShortcut(Qt::Key_A);
    connect(m_pShowAllAction, &QAction::triggered, this, &CChartView::ShowAllData);
    m_pCopyAction = new QAction(tr("&Copy image"), this);
    m_pCopyAction->setShortcut(QKeySequence::Copy);
    connect(m_pCopyAction, &QAction::triggered, this, &CChartView::CopyImage);
    m_pSaveAction = new QAction(tr("&Save as..."), this);
    m_pSaveAction->setShortcut(QKeySequence::Save);
    connect(m_pSaveAction, &QAction::triggered, this, &CChartView::SaveAs);
    for (QAction* pAction : {m_pResetAction, m_pShowAllAction, m_pCopyAction, m_pSaveAction}) {
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
    // A view the user chose (zoomed, panned, all data) outlives new content that still holds it.
    const bool bUserView =
        m_bShown && (xAxis->range() != m_initialX || yAxis->range() != m_initialY);
    const QCPRange userX = xAxis->range();
    const QCPRange userY = yAxis->range();

    QStringList header;
    for (const std::string& strLine : model.header)
        header << Text(strLine);
    m_strHeader = header.join(QLatin1Char('\n'));
    m_pHeader->setText(m_strHeader);
    ShowInLayout(m_pHeader, !header.join(QString()).isEmpty(), true);

    const bool bDates = model.bottom.bDateTime;
    double (*toX)(double) = bDates ? &AutomationDateToUnixSeconds : &Identity;
    SDataExtent xExtent, yExtent;
    m_drawnX = SDataExtent();
    m_drawnY = SDataExtent();
    m_nDrawnPoints = 0;
    legend->clearItems();
    m_legendItems.clear();
    clearGraphs();
    for (std::size_t s = 0; s < model.series.size(); ++s) {
        const SChartSeries& series = model.series[s];
        auto* pGraph =
            new CChartGraph(xAxis, yAxis, SeriesColour(series, s), series.bPointsVisible);
        pGraph->setName(series.strTitle.empty() ? tr("Series %1").arg(s + 1)
                                                : Text(series.strTitle));
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
            if (!std::isnan(dY)) {
                ++m_nDrawnPoints;
                m_drawnX.Add(dX);
                m_drawnY.Add(dY);
            }
            data.append(QCPGraphData(dX, dY));
        }
        pGraph->data()->set(data, false);
        auto* pItem = new CChartLegendItem(legend, pGraph);
        legend->addItem(pItem);
        m_legendItems.append(pItem);
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
    if (bUserView && m_nDrawnPoints > 0 && Within(userX, m_initialX, FitWithMargin(m_drawnX)) &&
        Within(userY, m_initialY, FitWithMargin(m_drawnY))) {
        xAxis->setRange(userX);
        yAxis->setRange(userY);
    }
    UpdateNotes();
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
    const double dGap = std::max(axis.nLabelSeparation, 0) / 100.0;
    if (axis.bDateTime && pAxis == xAxis)
        pAxis->setTicker(QSharedPointer<CDateTicker>::create(pAxis, dGap));
    else
        pAxis->setTicker(QSharedPointer<CNumberTicker>::create(pAxis, dGap));
    pAxis->setRange(range);
}

void CChartView::updateLayout() {
    FitTexts();
    QCustomPlot::updateLayout();
    // The tickers choose their labels by the plot's length, which the first pass settles.
    QCustomPlot::updateLayout();
}

void CChartView::FitTexts() {
    const int nWidth = viewport().width();
    if (m_pHeader->layout()) {
        const QFontMetricsF metrics(m_pHeader->font());
        const QMargins margins = m_pHeader->margins();
        QStringList lines = m_strHeader.split(QLatin1Char('\n'));
        for (QString& strLine : lines)
            strLine = metrics.elidedText(strLine, Qt::ElideRight,
                                         nWidth - margins.left() - margins.right());
        m_pHeader->setText(lines.join(QLatin1Char('\n')));
    }
    if (legend->visible() && !m_legendItems.isEmpty()) {
        std::vector<int> wholeWidths;
        for (const CChartLegendItem* pItem : m_legendItems)
            wholeWidths.push_back(pItem->WholeWidth());
        const QMargins margins = legend->margins();
        const SLegendPlan plan = PlanLegend(wholeWidths, nWidth - margins.left() - margins.right(),
                                            legend->columnSpacing(), MAX_LEGEND_ROWS);
        if (plan.nColumns != legend->wrap()) {
            legend->setWrap(plan.nColumns);
            legend->setFillOrder(QCPLayoutGrid::foColumnsFirst, true);
        }
        for (int i = 0; i < m_legendItems.size(); ++i)
            m_legendItems[i]->FitTo(plan.widths[static_cast<std::size_t>(i)]);
    }
    if (m_pEmptyNote->visible()) {
        const QMargins padding = m_pEmptyNote->padding();
        m_pEmptyNote->setText(QFontMetricsF(m_pEmptyNote->font())
                                  .elidedText(m_strEmptyText, Qt::ElideRight,
                                              AxisLength(xAxis) - 2 * NOTE_MARGIN - padding.left() -
                                                  padding.right()));
    }
}

void CChartView::UpdateNotes() {
    int nBelow = 0;
    int nAbove = 0;
    const QCPRange x = xAxis->range();
    const QCPRange y = yAxis->range();
    for (int g = 0; g < graphCount(); ++g) {
        const auto pData = graph(g)->data();
        for (auto it = pData->findBegin(x.lower, false); it != pData->findEnd(x.upper, false);
             ++it) {
            if (!x.contains(it->key) || std::isnan(it->value))
                continue;
            nBelow += it->value < y.lower;
            nAbove += it->value > y.upper;
        }
    }
    m_pOutsideNote->setText(DescribeOutside(nBelow, nAbove));
    m_pOutsideNote->setVisible(nBelow + nAbove > 0);
    m_pEmptyNote->setVisible(m_nDrawnPoints == 0 && !m_strEmptyText.isEmpty());
}

QString CChartView::OutsideText() const {
    return m_pOutsideNote->visible() ? m_pOutsideNote->text() : QString();
}

void CChartView::SetEmptyText(const QString& strText) {
    m_strEmptyText = strText;
    m_pEmptyNote->setText(strText);
    UpdateNotes();
    RequestReplot();
}

void CChartView::SetDataPath(const QString& strDataPath) {
    m_strSaveName = ProposedSaveName(strDataPath);
}

void CChartView::AddMenuActions(const QList<QAction*>& actions) {
    for (QAction* pAction : actions)
        m_extraActions.append(pAction);
}

void CChartView::ResetView() {
    xAxis->setRange(m_initialX);
    yAxis->setRange(m_initialY);
    replot();
}

void CChartView::ShowAllData() {
    if (m_nDrawnPoints == 0)
        return;
    xAxis->setRange(FitWithMargin(m_drawnX));
    yAxis->setRange(FitWithMargin(m_drawnY));
    replot();
}

QImage CChartView::ToImage(const QSize& size, qreal dRatio) {
    QImage image((QSizeF(size) * dRatio).toSize(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(dRatio);
    image.fill(Qt::white);
    QCPPainter painter(&image);
    Render(painter, size);
    painter.end();
    return image;
}

void CChartView::Render(QCPPainter& painter, const QSize& size) {
    toPainter(&painter, size.width(), size.height());
    // Drawing at another size moved the plot's parts; the window's layout comes back.
    updateLayout();
}

void CChartView::CopyImage() {
    // As many pixels as the screen shows: a 2× screen copies a 2× image.
    QApplication::clipboard()->setImage(ToImage(size(), devicePixelRatioF()));
}

void CChartView::SaveAs() {
    const QStringList filters = {tr("PNG image (*.png)"), tr("SVG image (*.svg)"),
                                 tr("PDF document (*.pdf)"), tr("CSV table (*.csv)"),
                                 tr("JSON data (*.json)")};
    QString strFilter = filters.first();
    const QString strPath = QFileDialog::getSaveFileName(
        this, tr("Save Chart As"),
        m_strSaveName.isEmpty() ? ProposedSaveName(QString()) : m_strSaveName,
        filters.join(QStringLiteral(";;")), &strFilter);
    if (strPath.isEmpty())
        return;
    const SStatus status =
        ExportChart(*this, m_pDocument->Model(), WithFilterExtension(strPath, strFilter));
    if (!status.Ok())
        QMessageBox::warning(this, tr("Save Chart As"), QString::fromStdString(status.strMessage));
}

bool CChartView::PointNear(const QPoint& pos, int& nSeries, int& nPoint) const {
    // Points outside the view map to places outside the plot; they are not there to hover.
    const QRect plot = axisRect()->rect();
    if (!plot.adjusted(-HOVER_DISTANCE, -HOVER_DISTANCE, HOVER_DISTANCE, HOVER_DISTANCE)
             .contains(pos))
        return false;
    double dBest = HOVER_DISTANCE + 1;
    const double dKey = xAxis->pixelToCoord(pos.x());
    const double dReach = std::fabs(xAxis->pixelToCoord(pos.x() + HOVER_DISTANCE) - dKey);
    for (int g = 0; g < graphCount(); ++g) {
        const auto pData = graph(g)->data();
        for (auto it = pData->findBegin(dKey - dReach); it != pData->findEnd(dKey + dReach); ++it) {
            if (std::isnan(it->value) || !xAxis->range().contains(it->key) ||
                !yAxis->range().contains(it->value))
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
        .arg(pGraph->name(), bDates ? DescribeDate(point.key) : QString::number(point.key, 'g', 10),
             QString::number(point.value, 'g', 10));
}

QString CChartView::ToolTipAt(const QPoint& pos) const {
    int nSeries = 0;
    int nPoint = 0;
    if (PointNear(pos, nSeries, nPoint))
        return DescribePoint(nSeries, nPoint);
    if (m_pOutsideNote->visible() && NoteRect(m_pOutsideNote).contains(pos))
        return tr("Click, or press A, to show all data");
    if (m_pHeader->layout() && m_pHeader->outerRect().contains(pos) &&
        m_pHeader->text() != m_strHeader)
        return m_strHeader;
    for (const CChartLegendItem* pItem : m_legendItems) {
        if (pItem->IsElided() && pItem->outerRect().contains(pos))
            return pItem->WholeText();
    }
    if (m_pEmptyNote->visible() && NoteRect(m_pEmptyNote).contains(pos) &&
        m_pEmptyNote->text() != m_strEmptyText)
        return m_strEmptyText;
    return QString();
}

void CChartView::mousePressEvent(QMouseEvent* pEvent) {
    if (pEvent->button() == Qt::LeftButton && m_pOutsideNote->visible() &&
        NoteRect(m_pOutsideNote).contains(pEvent->position())) {
        ShowAllData();
        return;
    }
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
    const QString strTip = ToolTipAt(pEvent->pos());
    if (strTip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(pEvent->globalPosition().toPoint(), strTip, this);
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
    menu.addActions({m_pResetAction, m_pShowAllAction, m_pCopyAction, m_pSaveAction});
    bool bSeparated = false;
    for (const QPointer<QAction>& pAction : m_extraActions) {
        if (!pAction)
            continue;
        if (!bSeparated)
            menu.addSeparator();
        bSeparated = true;
        menu.addAction(pAction);
    }
    menu.exec(globalPos);
}
