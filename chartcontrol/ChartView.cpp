#include "chartcontrol/ChartView.h"

#include "chartcontrol/AutomationDate.h"
#include "chartcontrol/ChartGraph.h"
#include "chartcontrol/ChartInteraction.h"
#include "chartcontrol/ChartLegendItem.h"
#include "chartcontrol/ChartNotes.h"
#include "chartcontrol/ChartStyle.h"
#include "chartcontrol/DateTicker.h"
#include "chartcontrol/DrawSchedule.h"
#include "chartcontrol/MjdTicker.h"
#include "chartcontrol/TextElision.h"
#include "data/TextEncoding.h"

#include <algorithm>
#include <cmath>

namespace {

// Show all data leaves this share of each axis free on either side of the data.
constexpr double SHOW_ALL_MARGIN = 0.04;
// Long enough to read a short line, short enough not to linger over the data.
constexpr int HINT_MS = 4000;

QString Text(const std::string& strBytes) {
    return QString::fromStdString(BytesToUtf8(strBytes));
}

double Identity(double dValue) {
    return dValue;
}

QCPRange FitWithMargin(const SDataExtent& extent) {
    const SAxisRange range = ResolveAxisRange(SChartAxis{}, extent, &Identity);
    const double dMargin = (range.dUpper - range.dLower) * SHOW_ALL_MARGIN;
    return QCPRange(range.dLower - dMargin, range.dUpper + dMargin);
}

// A series' points as the chart draws them under the modes: each x placed on the axis (toX),
// the points without a place left out, a y that is no finite number a break in the line, in
// the order of their places.
QVector<QCPGraphData> DrawnPoints(const SChartSeries& series, double (*toX)(double),
                                  const SDisplayModes& modes) {
    QVector<QCPGraphData> data;
    data.reserve(static_cast<qsizetype>(series.Size()));
    for (std::size_t i = 0; i < series.Size(); ++i) {
        const double dX = toX(series.X(i));
        const double dY = series.Y(i);
        if (std::isfinite(dX))
            data.append(QCPGraphData(dX, std::isfinite(dY) ? dY : qQNaN()));
    }
    const auto byKey = [](const QCPGraphData& a, const QCPGraphData& b) { return a.key < b.key; };
    if (!std::is_sorted(data.begin(), data.end(), byKey))
        std::stable_sort(data.begin(), data.end(), byKey);
    ApplyDisplayModes(data, modes);
    return data;
}

// Whether range lies within the hull of the two others.
bool Within(const QCPRange& range, const QCPRange& first, const QCPRange& second) {
    return range.lower >= std::min(first.lower, second.lower) &&
           range.upper <= std::max(first.upper, second.upper);
}

} // namespace

CChartView::CChartView(std::shared_ptr<CChartDocument> pDocument, QWidget* pParent)
    : QCustomPlot(pParent), m_pDocument(std::move(pDocument)), m_dFallbackMaximum(qQNaN()),
      m_pSchedule(std::make_unique<CDrawSchedule>(*this, [this] { SyncFromModel(); })) {
    StyleChart(*this);
    setAutoAddPlottableToLegend(false);
    m_pHeader = NewHeader(*this);
    m_pNotes = std::make_unique<CChartNotes>(*this);
    m_pCursors = std::make_unique<CChartCursors>(
        *this, [this] { return m_pDocument->Model().bottom.bDateTime; },
        [this](double dKey) { return DescribeX(dKey); });
    for (QCPAxis* pAxis : {xAxis, yAxis})
        connect(pAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
                &CChartView::UpdateNotes);
    connect(xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            &CChartView::MeasuresChanged);
    connect(this, &QCustomPlot::afterReplot, this, [this] {
        if (m_onDrawn)
            m_onDrawn();
    });
    m_pDocument->SetChangeListener([this] { m_pSchedule->ModelChanged(); });
    m_pInteraction = std::make_unique<CChartInteraction>(*this, *m_pSchedule, *m_pDocument);
    m_hintTimer.setSingleShot(true);
    connect(&m_hintTimer, &QTimer::timeout, this, [this] {
        m_pNotes->SetHintText(QString());
        m_pSchedule->RequestDrawing();
    });
}

CChartView::~CChartView() {
    m_pDocument->SetChangeListener(nullptr);
}

void CChartView::SyncFromModel() {
    if (!m_pSchedule->TakeRevision(m_pDocument->Revision()))
        return;
    const SChartModel& model = m_pDocument->Model();
    // A view the user chose (zoomed, panned, all data) outlives new content that still holds it.
    const bool bUserView =
        m_pSchedule->Shown() && (xAxis->range() != m_initialX || yAxis->range() != m_initialY);
    const QCPRange userX = xAxis->range();
    const QCPRange userY = yAxis->range();
    SyncHeader(model);
    double (*toX)(double) = model.bottom.bDateTime ? &AutomationDateToUnixSeconds : &Identity;
    SDataExtent xExtent, yExtent;
    SyncSeries(model, toX, xExtent, yExtent);
    SyncAxes(model, toX, xExtent, yExtent);
    if (bUserView && m_nDrawnPoints > 0 && Within(userX, m_initialX, FitWithMargin(m_drawnX)) &&
        Within(userY, m_initialY, FitWithMargin(m_drawnY))) {
        xAxis->setRange(userX);
        yAxis->setRange(userY);
    } else if (m_bStartWithAll && m_nDrawnPoints > 0) {
        xAxis->setRange(FitWithMargin(m_drawnX));
        yAxis->setRange(FitWithMargin(m_drawnY));
    }
    m_pNotes->SetModeText(m_modes.bGaps ? tr("Lines broken at gaps") : QString());
    m_pCursors->Update();
    UpdateNotes();
    m_pSchedule->RequestDrawing();
    emit MeasuresChanged();
}

void CChartView::SyncHeader(const SChartModel& model) {
    QStringList header;
    for (const std::string& strLine : model.header)
        header << Text(strLine);
    if (m_modes.bResiduals && header.join(QString()).isEmpty())
        header = QStringList{tr("Linear fit removed")};
    else if (m_modes.bResiduals)
        header.last() += QStringLiteral(" \u2013 ") + tr("linear fit removed");
    m_strHeader = header.join(QLatin1Char('\n'));
    m_pHeader->setText(m_strHeader);
    ShowInLayout(m_pHeader, !header.join(QString()).isEmpty(), true);
}

void CChartView::SyncSeries(const SChartModel& model, double (*toX)(double), SDataExtent& xExtent,
                            SDataExtent& yExtent) {
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
        // A block of pairs draws as it lies, its extents known; other points are copied.
        if (series.pPairs && series.pPairs->DrawsAsItIs(model.bottom.bDateTime) &&
            !m_modes.bResiduals && !m_modes.bGaps) {
            const CPointPairs::SExtents& extents = series.pPairs->Extents();
            if (series.pPairs->Size() > 0) {
                xExtent.Add(extents.dFirstKey);
                xExtent.Add(extents.dLastKey);
            }
            if (extents.nDrawn > 0)
                AddDrawn(extents.nDrawn, extents.dFirstDrawnKey, extents.dLastDrawnKey,
                         extents.dMinY, extents.dMaxY, yExtent);
            pGraph->DrawFrom(series.pPairs);
        } else {
            DrawCopied(pGraph, DrawnPoints(series, toX, m_modes), xExtent, yExtent);
        }
        auto* pItem = new CChartLegendItem(legend, pGraph);
        legend->addItem(pItem);
        m_legendItems.append(pItem);
    }
    const bool bLegend = model.bLegendVisible && !model.series.empty();
    legend->setVisible(bLegend);
    ShowInLayout(legend, bLegend, false);
}

void CChartView::DrawCopied(CChartGraph* pGraph, const QVector<QCPGraphData>& data,
                            SDataExtent& xExtent, SDataExtent& yExtent) {
    // Keys are finite and in order: the x extents are the ends; a value that is a number makes
    // a point drawn.
    if (!data.isEmpty()) {
        xExtent.Add(data.front().key);
        xExtent.Add(data.back().key);
    }
    long long nDrawn = 0;
    double dFirstKey = 0.0, dLastKey = 0.0, dMinY = 0.0, dMaxY = 0.0;
    for (const QCPGraphData& point : data) {
        if (std::isnan(point.value))
            continue;
        if (nDrawn++ == 0) {
            dFirstKey = point.key;
            dMinY = dMaxY = point.value;
        }
        dLastKey = point.key;
        dMinY = std::min(dMinY, point.value);
        dMaxY = std::max(dMaxY, point.value);
    }
    if (nDrawn > 0)
        AddDrawn(nDrawn, dFirstKey, dLastKey, dMinY, dMaxY, yExtent);
    pGraph->data()->set(data, true);
    pGraph->IndexValues();
}

void CChartView::SyncAxes(const SChartModel& model, double (*toX)(double),
                          const SDataExtent& xExtent, const SDataExtent& yExtent) {
    const SAxisRange xRange = ResolveAxisRange(model.bottom, xExtent, toX);
    SChartAxis left = model.left;
    if (!left.bAutomaticMaximum && !std::isfinite(left.dMaximum) &&
        std::isfinite(m_dFallbackMaximum))
        left.dMaximum = m_dFallbackMaximum;
    const SAxisRange yRange = ResolveAxisRange(left, yExtent, &Identity);
    m_initialX = QCPRange(xRange.dLower, xRange.dUpper);
    m_initialY = QCPRange(yRange.dLower, yRange.dUpper);
    ApplyAxis(xAxis, model.bottom, m_initialX);
    ApplyAxis(yAxis, model.left, m_initialY);
}

void CChartView::AddDrawn(long long nDrawn, double dFirstKey, double dLastKey, double dMinY,
                          double dMaxY, SDataExtent& yExtent) {
    m_nDrawnPoints += nDrawn;
    for (const double dKey : {dFirstKey, dLastKey})
        m_drawnX.Add(dKey);
    for (const double dY : {dMinY, dMaxY}) {
        yExtent.Add(dY);
        m_drawnY.Add(dY);
    }
}

void CChartView::Resync() {
    m_pSchedule->ForgetRevision();
    SyncFromModel();
}

void CChartView::SetResiduals(bool bOn) {
    if (bOn == m_modes.bResiduals)
        return;
    m_modes.bResiduals = bOn;
    if (bOn) {
        m_modes.dFitFrom = xAxis->range().lower;
        m_modes.dFitTo = xAxis->range().upper;
        m_rangeBeforeResiduals = yAxis->range();
    }
    const QCPRange x = xAxis->range();
    Resync();
    xAxis->setRange(x);
    // What is drawn now has a scale of its own: the residuals in view, or the view before.
    if (!bOn) {
        yAxis->setRange(m_rangeBeforeResiduals);
    } else {
        SDataExtent inView;
        for (int g = 0; g < graphCount(); ++g) {
            const auto pData = graph(g)->data();
            for (auto it = pData->findBegin(x.lower, false); it != pData->findEnd(x.upper, false);
                 ++it)
                inView.Add(it->value);
        }
        if (!inView.bEmpty)
            yAxis->setRange(FitWithMargin(inView));
    }
    m_pSchedule->DrawNow();
}

void CChartView::SetGaps(bool bOn) {
    m_modes.bGaps = bOn;
    const QCPRange x = xAxis->range();
    const QCPRange y = yAxis->range();
    Resync();
    xAxis->setRange(x);
    yAxis->setRange(y);
    m_pSchedule->DrawNow();
}

void CChartView::CursorsChanged() {
    m_pCursors->Update();
    m_pSchedule->DrawNow();
    emit MeasuresChanged();
}

SMeasures CChartView::Measures() const {
    SMeasures measures;
    measures.bDates = m_pDocument->Model().bottom.bDateTime;
    measures.bBetweenCursors = m_pCursors->BothSet();
    const double dA = m_pCursors->Key(CChartCursors::EWhich::A);
    const double dB = m_pCursors->Key(CChartCursors::EWhich::B);
    measures.dFrom = measures.bBetweenCursors ? std::min(dA, dB) : xAxis->range().lower;
    measures.dTo = measures.bBetweenCursors ? std::max(dA, dB) : xAxis->range().upper;
    measures.series = MeasureSeries(*this, measures.dFrom, measures.dTo);
    return measures;
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
    // Only the bottom axis holds dates.
    SetTicker(*pAxis, axis, pAxis == xAxis);
    if (pAxis == xAxis && axis.bDateTime && m_bMjd) {
        pAxis->setTicker(QSharedPointer<CMjdTicker>::create());
        pAxis->setLabel(tr("MJD"));
    }
    pAxis->setRange(range);
}

void CChartView::SetMjdAxis(bool bOn) {
    m_bMjd = bOn;
    m_dKeyStep = qQNaN();
    Resync();
}

QString CChartView::DescribeX(double dKey) const {
    if (!m_pDocument->Model().bottom.bDateTime)
        return QString::number(dKey, 'g', 10);
    if (!m_bMjd)
        return DescribeDate(dKey);
    if (std::isnan(m_dKeyStep)) {
        // The median of the first steps: enough to tell the data's step.
        std::vector<double> steps;
        for (int g = 0; g < graphCount() && steps.empty(); ++g) {
            const auto pData = graph(g)->data();
            for (int i = 1; i < std::min(pData->size(), 1001); ++i)
                steps.push_back((pData->constBegin() + i)->key -
                                (pData->constBegin() + i - 1)->key);
        }
        std::sort(steps.begin(), steps.end());
        m_dKeyStep = steps.empty() ? 0.0 : steps[steps.size() / 2];
    }
    return DescribeMjd(dKey, MjdDecimals(m_dKeyStep));
}

void CChartView::updateLayout() {
    FitTexts();
    QCustomPlot::updateLayout();
    // The tickers choose their labels by the plot's length, which the first pass settles.
    QCustomPlot::updateLayout();
    m_pNotes->Place();
    m_pCursors->Arrange(m_pNotes->CornerRects());
}

void CChartView::FitTexts() {
    const int nWidth = viewport().width();
    if (m_pHeader->layout()) {
        const QFontMetricsF metrics(m_pHeader->font());
        const QMargins margins = m_pHeader->margins();
        QStringList lines = m_strHeader.split(QLatin1Char('\n'));
        for (QString& strLine : lines)
            strLine = ElideKeepingDifference(strLine, 0, nWidth - margins.left() - margins.right(),
                                             metrics);
        m_pHeader->setText(lines.join(QLatin1Char('\n')));
    }
    if (legend->visible())
        FitLegend(*legend, m_legendItems, nWidth);
    m_pNotes->FitEmptyText();
}

void CChartView::UpdateNotes() {
    m_pNotes->Update(m_nDrawnPoints == 0);
}

QString CChartView::WholeTextAt(const QPoint& pos) const {
    if (m_pHeader->layout() && m_pHeader->outerRect().contains(pos) &&
        m_pHeader->text() != m_strHeader)
        return m_strHeader;
    for (const CChartLegendItem* pItem : m_legendItems) {
        if (pItem->IsElided() && pItem->outerRect().contains(pos))
            return pItem->WholeText();
    }
    return m_pNotes->WholeTextAt(pos);
}

void CChartView::ShowHint(const QString& strText) {
    m_pNotes->SetHintText(strText);
    m_hintTimer.start(HINT_MS);
    m_pSchedule->RequestDrawing();
}

void CChartView::SetEmptyText(const QString& strText) {
    m_pNotes->SetEmptyText(strText);
    UpdateNotes();
    m_pSchedule->RequestDrawing();
}

void CChartView::SetWaitText(const QString& strText) {
    m_pNotes->SetWaitText(strText);
    m_pSchedule->RequestDrawing();
}

void CChartView::SetFallbackMaximum(double dMaximum) {
    m_dFallbackMaximum = dMaximum;
    // The axis ranges come from the sync: the next one takes the model in again.
    m_pSchedule->ForgetRevision();
    m_pSchedule->ModelChanged();
}

void CChartView::AddMenuActions(const QList<QAction*>& actions) {
    m_pInteraction->AddMenuActions(actions);
}

QList<QAction*> CChartView::MenuActions() const {
    return m_pInteraction->MenuActions();
}

void CChartView::ResetView() {
    m_bStartWithAll = false;
    xAxis->setRange(m_initialX);
    yAxis->setRange(m_initialY);
    m_pSchedule->DrawNow();
}

void CChartView::ShowAllData() {
    if (m_nDrawnPoints == 0)
        return;
    xAxis->setRange(FitWithMargin(m_drawnX));
    yAxis->setRange(FitWithMargin(m_drawnY));
    m_pSchedule->DrawNow();
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
