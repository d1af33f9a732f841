#include "chartcontrol/ChartInteraction.h"

#include "chartcontrol/ChartModel.h"
#include "chartcontrol/ChartNotes.h"
#include "chartcontrol/ChartView.h"
#include "chartcontrol/DateTicker.h"
#include "chartcontrol/DrawSchedule.h"

#include <QApplication>
#include <QCursor>
#include <QToolTip>

#include <cmath>
#include <limits>

namespace {
constexpr int HOVER_DISTANCE = 8;
constexpr int CLICK_DISTANCE = 3;

bool IsPanButton(Qt::MouseButton button) {
    return button == Qt::RightButton || button == Qt::MiddleButton;
}
} // namespace

CChartInteraction::CChartInteraction(CChartView& view, CDrawSchedule& schedule,
                                     const CChartDocument& document)
    : m_view(view), m_schedule(schedule), m_document(document) {
    m_view.setInteractions(QCP::iRangeZoom);
    m_view.setSelectionRectMode(QCP::srmZoom);
    // The rubber band's layer has a picture of its own only while the band is dragged, so that
    // a move redraws the band alone; kept all the time, that picture would hold a megabyte more
    // and be cleared at every drawing.
    QCPLayer* pBandLayer = m_view.selectionRect()->layer();
    pBandLayer->setMode(QCPLayer::lmLogical);
    connect(m_view.selectionRect(), &QCPSelectionRect::started, this,
            [pBandLayer] { pBandLayer->setMode(QCPLayer::lmBuffered); });
    const auto ShareLayer = [pBandLayer] { pBandLayer->setMode(QCPLayer::lmLogical); };
    connect(m_view.selectionRect(), &QCPSelectionRect::accepted, this, ShareLayer);
    connect(m_view.selectionRect(), &QCPSelectionRect::canceled, this, ShareLayer);
    m_view.setMouseTracking(true);
    connect(AddAction(tr("&Reset view"), Qt::Key_Home), &QAction::triggered, &m_view,
            &CChartView::ResetView);
    connect(AddAction(tr("Show all &data"), Qt::Key_A), &QAction::triggered, &m_view,
            &CChartView::ShowAllData);
    connect(AddAction(tr("&Copy image"), QKeySequence::Copy), &QAction::triggered, &m_view,
            &CChartView::CopyRequested);
    connect(AddAction(tr("&Save as..."), QKeySequence::Save), &QAction::triggered, &m_view,
            &CChartView::SaveRequested);
    connect(AddAction(tr("C&lear cursors"), Qt::Key_Delete), &QAction::triggered, this, [this] {
        m_view.Cursors().Clear();
        m_view.CursorsChanged();
    });
    connect(AddAction(tr("S&tatistics"), Qt::Key_S), &QAction::triggered, &m_view,
            &CChartView::StatisticsRequested);
    QAction* pResiduals = AddAction(tr("Remove linear &fit"), Qt::Key_R);
    pResiduals->setCheckable(true);
    connect(pResiduals, &QAction::toggled, &m_view, &CChartView::SetResiduals);
    connect(AddAction(tr("Sta&bility"), Qt::Key_D), &QAction::triggered, &m_view,
            &CChartView::StabilityRequested);
    QAction* pMjd = AddAction(tr("&MJD axis"), Qt::Key_M);
    pMjd->setCheckable(true);
    connect(pMjd, &QAction::toggled, &m_view, &CChartView::SetMjdAxis);
    QAction* pGaps = AddAction(tr("Break lines at &gaps"), Qt::Key_G);
    pGaps->setCheckable(true);
    connect(pGaps, &QAction::toggled, &m_view, &CChartView::SetGaps);
    // Keys without a menu entry: they need the mouse over a point.
    for (const auto& [keys, which] :
         {std::pair{QKeySequence(Qt::Key_C), CChartCursors::EWhich::A},
          std::pair{QKeySequence(Qt::SHIFT | Qt::Key_C), CChartCursors::EWhich::B}}) {
        auto* pAction = new QAction(&m_view);
        pAction->setShortcut(keys);
        pAction->setShortcutContext(Qt::WindowShortcut);
        m_view.addAction(pAction);
        connect(pAction, &QAction::triggered, this,
                [this, which] { PlaceCursor(which, m_view.mapFromGlobal(QCursor::pos())); });
    }
    m_view.installEventFilter(this);
}

QAction* CChartInteraction::AddAction(const QString& strText, const QKeySequence& keys) {
    auto* pAction = new QAction(strText, &m_view);
    pAction->setShortcut(keys);
    // The chart rarely has the focus in its window; its keys work anywhere in it.
    pAction->setShortcutContext(Qt::WindowShortcut);
    m_view.addAction(pAction);
    m_actions.append(pAction);
    return pAction;
}

void CChartInteraction::AddMenuActions(const QList<QAction*>& actions) {
    for (QAction* pAction : actions)
        m_extraActions.append(pAction);
}

bool CChartInteraction::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched != &m_view)
        return false;
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
        return MousePress(*static_cast<QMouseEvent*>(pEvent));
    case QEvent::MouseMove:
        return MouseMove(*static_cast<QMouseEvent*>(pEvent));
    case QEvent::MouseButtonRelease:
        return MouseRelease(*static_cast<QMouseEvent*>(pEvent));
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(pEvent)->button() == Qt::LeftButton)
            m_view.ResetView();
        return false;
    case QEvent::ContextMenu: {
        // The mouse's context menu opens on release, unless the right button panned.
        const auto* pMenuEvent = static_cast<QContextMenuEvent*>(pEvent);
        if (pMenuEvent->reason() != QContextMenuEvent::Mouse)
            ShowMenu(pMenuEvent->globalPos());
        return true;
    }
    default:
        return false;
    }
}

bool CChartInteraction::MousePress(const QMouseEvent& event) {
    if (event.button() == Qt::LeftButton && m_view.Notes().OutsideNoteAt(event.position())) {
        m_view.ShowAllData();
        return true;
    }
    if (event.button() == Qt::LeftButton)
        m_leftPress = event.pos();
    if (!IsPanButton(event.button()))
        return false;
    m_bPanning = true;
    m_bPanned = false;
    m_panStart = event.pos();
    m_panStartX = m_view.xAxis->range();
    m_panStartY = m_view.yAxis->range();
    return true;
}

bool CChartInteraction::MouseMove(const QMouseEvent& event) {
    if (m_bPanning) {
        const QPoint delta = event.pos() - m_panStart;
        m_bPanned = m_bPanned || delta.manhattanLength() > QApplication::startDragDistance();
        if (m_bPanned) {
            QCPAxis* pX = m_view.xAxis;
            QCPAxis* pY = m_view.yAxis;
            const double dX = pX->pixelToCoord(m_panStart.x()) - pX->pixelToCoord(event.pos().x());
            const double dY = pY->pixelToCoord(m_panStart.y()) - pY->pixelToCoord(event.pos().y());
            pX->setRange(m_panStartX.lower + dX, m_panStartX.upper + dX);
            pY->setRange(m_panStartY.lower + dY, m_panStartY.upper + dY);
            m_schedule.RequestDrawing();
        }
        return true;
    }
    const QString strTip = ToolTipAt(event.pos());
    if (strTip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event.globalPosition().toPoint(), strTip, &m_view);
    return false;
}

bool CChartInteraction::MouseRelease(const QMouseEvent& event) {
    // A click is a press and release as close as QCustomPlot takes for one (no zoom then).
    if (event.button() == Qt::LeftButton &&
        (event.pos() - m_leftPress).manhattanLength() <= CLICK_DISTANCE)
        PlaceCursor(event.modifiers() & Qt::ShiftModifier ? CChartCursors::EWhich::B
                                                          : CChartCursors::EWhich::A,
                    event.pos());
    if (!m_bPanning || !IsPanButton(event.button()))
        return false;
    m_bPanning = false;
    if (!m_bPanned && event.button() == Qt::RightButton)
        ShowMenu(event.globalPosition().toPoint());
    return true;
}

QList<QAction*> CChartInteraction::MenuActions() const {
    QList<QAction*> actions = m_actions;
    for (const QPointer<QAction>& pAction : m_extraActions) {
        if (pAction)
            actions.append(pAction);
    }
    return actions;
}

void CChartInteraction::ShowMenu(const QPoint& globalPos) {
    QMenu menu(&m_view);
    const QList<QAction*> actions = MenuActions();
    menu.addActions(actions.mid(0, m_actions.size()));
    if (actions.size() > m_actions.size())
        menu.addSeparator();
    menu.addActions(actions.mid(m_actions.size()));
    menu.exec(globalPos);
}

void CChartInteraction::PlaceCursor(CChartCursors::EWhich which, const QPoint& pos) {
    int nSeries = 0;
    int nPoint = 0;
    if (!PointNear(pos, std::numeric_limits<double>::infinity(), nSeries, nPoint)) {
        m_view.ShowHint(
            tr("No point in view for cursor %1")
                .arg(which == CChartCursors::EWhich::A ? QLatin1Char('A') : QLatin1Char('B')));
        return;
    }
    m_view.Cursors().Place(which, nSeries,
                           (m_view.graph(nSeries)->data()->constBegin() + nPoint)->key);
    m_view.CursorsChanged();
}

bool CChartInteraction::PointNear(const QPoint& pos, double dReach, int& nSeries,
                                  int& nPoint) const {
    // Points outside the view map to places outside the plot; they are not there to hover.
    const QRect plot = m_view.axisRect()->rect();
    if (!plot.adjusted(-HOVER_DISTANCE, -HOVER_DISTANCE, HOVER_DISTANCE, HOVER_DISTANCE)
             .contains(pos))
        return false;
    const QCPAxis* pX = m_view.xAxis;
    const QCPAxis* pY = m_view.yAxis;
    double dBest = std::numeric_limits<double>::infinity();
    bool bFound = false;
    // Only points within dReach pixels across can be nearer than that.
    const double dKey = pX->pixelToCoord(pos.x());
    const double dKeyReach =
        std::isfinite(dReach) ? std::fabs(pX->pixelToCoord(pos.x() + dReach) - dKey) : dReach;
    for (int g = 0; g < m_view.graphCount(); ++g) {
        const auto pData = m_view.graph(g)->data();
        for (auto it = pData->findBegin(std::max(dKey - dKeyReach, pX->range().lower));
             it != pData->findEnd(std::min(dKey + dKeyReach, pX->range().upper)); ++it) {
            if (std::isnan(it->value) || !pX->range().contains(it->key) ||
                !pY->range().contains(it->value))
                continue;
            const double dDistance = std::hypot(pX->coordToPixel(it->key) - pos.x(),
                                                pY->coordToPixel(it->value) - pos.y());
            if (dDistance < dBest) {
                bFound = true;
                dBest = dDistance;
                nSeries = g;
                nPoint = static_cast<int>(it - pData->constBegin());
            }
        }
    }
    // With an infinite reach any point is near enough, but there must be one.
    return bFound && dBest <= dReach;
}

QString CChartInteraction::DescribePoint(int nSeries, int nPoint) const {
    const QCPGraph* pGraph = m_view.graph(nSeries);
    const QCPGraphData& point = *(pGraph->data()->constBegin() + nPoint);
    const bool bDates = m_document.Model().bottom.bDateTime;
    return QStringLiteral("%1\nx: %2\ny: %3")
        .arg(pGraph->name(),
             bDates ? m_view.DescribeX(point.key) : QString::number(point.key, 'g', 10),
             QString::number(point.value, 'g', 10));
}

QString CChartInteraction::ToolTipAt(const QPoint& pos) const {
    int nSeries = 0;
    int nPoint = 0;
    if (PointNear(pos, HOVER_DISTANCE, nSeries, nPoint))
        return DescribePoint(nSeries, nPoint);
    if (m_view.Notes().OutsideNoteAt(pos))
        return tr("Click, or press A, to show all data");
    return m_view.WholeTextAt(pos);
}
