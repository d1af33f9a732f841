#include "chartcontrol/ChartCursors.h"

#include "chartcontrol/ChartStyle.h"
#include "chartcontrol/DateTicker.h"
#include "chartcontrol/TextElision.h"
#include "data/TimeConstants.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

const QColor CURSOR_COLOURS[] = {QColor(160, 30, 30), QColor(30, 110, 40)};
// Labels and the box keep this far from the plot's frame; labels this far from each other and
// from a note above them.
constexpr int INSET = 6;
constexpr int GAP = 4;
// A title in a label gets a little less than the date above it.
constexpr double LABEL_TITLE_WIDTH = 150.0;

bool Overlaps(const QRectF& rect, const QList<QRectF>& others) {
    return std::any_of(others.begin(), others.end(),
                       [&rect](const QRectF& other) { return rect.intersects(other); });
}

QString Number(double dValue, int nDigits = 10) {
    return std::isnan(dValue) ? QStringLiteral("–") : QString::number(dValue, 'g', nDigits);
}

// Rates need fewer digits than the values they come from.
constexpr int RATE_DIGITS = 6;

} // namespace

QString DescribeDuration(double dSeconds) {
    const QString strSign = dSeconds < 0 ? QStringLiteral("-") : QString();
    const long long nMilliseconds = std::llround(std::fabs(dSeconds) * 1000.0);
    const long long nDays = nMilliseconds / MILLISECONDS_PER_DAY;
    const long long nRest = nMilliseconds % MILLISECONDS_PER_DAY;
    QString strClock = QStringLiteral("%1:%2:%3")
                           .arg(nRest / 3600000, 2, 10, QLatin1Char('0'))
                           .arg(nRest / 60000 % 60, 2, 10, QLatin1Char('0'))
                           .arg(nRest / 1000 % 60, 2, 10, QLatin1Char('0'));
    if (nRest % 1000)
        strClock += QStringLiteral(".%1").arg(nRest % 1000, 3, 10, QLatin1Char('0'));
    return strSign + (nDays ? QStringLiteral("%1 d ").arg(nDays) : QString()) + strClock;
}

CChartCursors::CChartCursors(QCustomPlot& plot, std::function<bool()> bDates,
                             std::function<QString(double)> describeX)
    : m_plot(plot), m_bDates(std::move(bDates)), m_describeX(std::move(describeX)),
      m_pDelta(NewNote(plot, QPointF(0, 1), Qt::AlignLeft | Qt::AlignBottom)) {
    for (std::size_t i = 0; i < m_cursors.size(); ++i) {
        SCursor& cursor = m_cursors[i];
        cursor.pLine = new QCPItemStraightLine(&plot);
        cursor.pLine->setLayer(QStringLiteral("legend"));
        cursor.pLine->setPen(QPen(CURSOR_COLOURS[i], CHART_LINE_WIDTH, Qt::DashLine));
        for (QCPItemPosition* pPosition : {cursor.pLine->point1, cursor.pLine->point2}) {
            pPosition->setTypeX(QCPItemPosition::ptPlotCoords);
            pPosition->setTypeY(QCPItemPosition::ptAxisRectRatio);
        }
        cursor.pLine->setVisible(false);
        cursor.pLabel = NewNote(plot, QPointF(0, 0), Qt::AlignLeft | Qt::AlignTop);
        cursor.pLabel->position->setTypeX(QCPItemPosition::ptPlotCoords);
        cursor.pLabel->position->setTypeY(QCPItemPosition::ptAbsolute);
        cursor.pLabel->setColor(CURSOR_COLOURS[i]);
        cursor.pLabel->setClipToAxisRect(true);
        cursor.pLabel->setTextAlignment(Qt::AlignLeft);
    }
    m_pDelta->setTextAlignment(Qt::AlignLeft);
    // Read over the data, the box hides what lies under it.
    m_pDelta->setBrush(CHART_BACKGROUND_COLOUR);
    m_pDelta->setPen(QPen(CHART_FRAME_COLOUR, CHART_FRAME_WIDTH));
    m_pDelta->position->setType(QCPItemPosition::ptAbsolute);
}

void CChartCursors::Arrange(const QList<QRectF>& notes) {
    ArrangeLabels(notes);
    if (!m_pDelta->visible())
        return;
    QList<QRectF> taken = notes;
    for (const SCursor& cursor : m_cursors) {
        if (cursor.bSet)
            taken << NoteRect(*cursor.pLabel);
    }
    const QRect plot = m_plot.axisRect()->rect();
    const double dLeft = plot.left() + INSET, dRight = plot.right() - INSET;
    const double dTop = plot.top() + INSET, dBottom = plot.bottom() - INSET;
    // On a tie the first wins: the lower left corner, where the box has always been.
    const std::pair<Qt::Alignment, QPointF> corners[] = {
        {Qt::AlignLeft | Qt::AlignBottom, {dLeft, dBottom}},
        {Qt::AlignRight | Qt::AlignBottom, {dRight, dBottom}},
        {Qt::AlignLeft | Qt::AlignTop, {dLeft, dTop}},
        {Qt::AlignRight | Qt::AlignTop, {dRight, dTop}}};
    const auto put = [this](const std::pair<Qt::Alignment, QPointF>& corner) {
        m_pDelta->setPositionAlignment(corner.first);
        m_pDelta->position->setCoords(corner.second);
    };
    // A corner clear of the notes and labels before one that is not, then the fewest points.
    std::pair<bool, long long> best{true, std::numeric_limits<long long>::max()};
    const auto* pBest = &corners[0];
    for (const auto& corner : corners) {
        put(corner);
        const QRectF box = NoteRect(*m_pDelta);
        const bool bOverlaps = Overlaps(box, taken);
        if (bOverlaps && !best.first)
            continue;
        const std::pair<bool, long long> score{
            bOverlaps,
            PointsIn(box, bOverlaps == best.first ? best.second
                                                  : std::numeric_limits<long long>::max())};
        if (score < best) {
            best = score;
            pBest = &corner;
        }
    }
    put(*pBest);
}

void CChartCursors::ArrangeLabels(const QList<QRectF>& notes) {
    double dTop = m_plot.axisRect()->rect().top() + INSET;
    for (const SCursor& cursor : m_cursors) {
        if (!cursor.bSet)
            continue;
        cursor.pLabel->position->setCoords(cursor.dKey, dTop);
        for (const QRectF& note : notes) {
            if (NoteRect(*cursor.pLabel).intersects(note))
                cursor.pLabel->position->setCoords(cursor.dKey, note.bottom() + GAP);
        }
        // B's label under A's, so that the two never cover each other.
        dTop = NoteRect(*cursor.pLabel).bottom() + GAP;
    }
}

long long CChartCursors::PointsIn(const QRectF& rect, long long nEnough) const {
    long long nPoints = 0;
    for (int g = 0; g < m_plot.graphCount(); ++g) {
        const QCPGraph* pGraph = m_plot.graph(g);
        QCPRange keys(pGraph->keyAxis()->pixelToCoord(rect.left()),
                      pGraph->keyAxis()->pixelToCoord(rect.right()));
        QCPRange values(pGraph->valueAxis()->pixelToCoord(rect.bottom()),
                        pGraph->valueAxis()->pixelToCoord(rect.top()));
        keys.normalize();
        values.normalize();
        const auto pData = pGraph->data();
        for (auto it = pData->findBegin(keys.lower, false); it != pData->findEnd(keys.upper, false);
             ++it) {
            if (values.contains(it->value) && ++nPoints >= nEnough)
                return nPoints;
        }
    }
    return nPoints;
}

QRectF CChartCursors::LabelRect(EWhich which) const {
    const QCPItemText* pLabel = m_cursors[Index(which)].pLabel;
    return pLabel->visible() ? NoteRect(*pLabel) : QRectF();
}

QRectF CChartCursors::BoxRect() const {
    return m_pDelta->visible() ? NoteRect(*m_pDelta) : QRectF();
}

QString CChartCursors::Title(int nSeries) const {
    if (nSeries >= m_plot.graphCount())
        return QString();
    QStringList others;
    for (int g = 0; g < m_plot.graphCount(); ++g) {
        if (g != nSeries)
            others << m_plot.graph(g)->name();
    }
    const QString strTitle = m_plot.graph(nSeries)->name();
    return ElideKeepingDifference(strTitle, SharedBeginning(strTitle, others), LABEL_TITLE_WIDTH,
                                  QFontMetricsF(ChartFont(CHART_TEXT_PIXELS)));
}

void CChartCursors::Place(EWhich which, int nSeries, double dKey) {
    SCursor& cursor = m_cursors[Index(which)];
    cursor.bSet = true;
    cursor.nSeries = nSeries;
    cursor.dKey = dKey;
    Update();
}

void CChartCursors::Clear() {
    for (SCursor& cursor : m_cursors)
        cursor.bSet = false;
    Update();
}

double CChartCursors::ValueAt(const SCursor& cursor) const {
    if (cursor.nSeries >= m_plot.graphCount())
        return std::nan("");
    const auto pData = m_plot.graph(cursor.nSeries)->data();
    const auto it = pData->findBegin(cursor.dKey, false);
    return it != pData->constEnd() && it->key == cursor.dKey ? it->value : std::nan("");
}

void CChartCursors::Update() {
    for (std::size_t i = 0; i < m_cursors.size(); ++i) {
        const SCursor& cursor = m_cursors[i];
        cursor.pLine->setVisible(cursor.bSet);
        cursor.pLabel->setVisible(cursor.bSet);
        if (!cursor.bSet)
            continue;
        cursor.pLine->point1->setCoords(cursor.dKey, 0);
        cursor.pLine->point2->setCoords(cursor.dKey, 1);
        // In the right half of the view the label hangs to the left of its line, so that it
        // stays inside the plot.
        const bool bRightHalf = cursor.dKey > m_plot.xAxis->range().center();
        cursor.pLabel->setPositionAlignment(Qt::AlignTop |
                                            (bRightHalf ? Qt::AlignRight : Qt::AlignLeft));
        cursor.pLabel->setText(LabelText(i == 0 ? EWhich::A : EWhich::B));
    }
    m_pDelta->setText(DeltaText());
    m_pDelta->setVisible(BothSet());
}

QString CChartCursors::LabelText(EWhich which) const {
    const SCursor& cursor = m_cursors[Index(which)];
    if (!cursor.bSet)
        return QString();
    return QStringLiteral("%1  %2\n%3  %4")
        .arg(QString(QLatin1Char(which == EWhich::A ? 'A' : 'B')),
             m_bDates() ? m_describeX(cursor.dKey) : Number(cursor.dKey), Title(cursor.nSeries),
             Number(ValueAt(cursor)));
}

QString CChartCursors::DeltaText() const {
    if (!BothSet())
        return QString();
    const double dDeltaX = m_cursors[1].dKey - m_cursors[0].dKey;
    const double dDeltaY = ValueAt(m_cursors[1]) - ValueAt(m_cursors[0]);
    if (!m_bDates())
        return QStringLiteral("Δx %1\nΔy %2\nΔy/Δx %3")
            .arg(Number(dDeltaX), Number(dDeltaY), Number(dDeltaY / dDeltaX, RATE_DIGITS));
    return QStringLiteral("Δx %1 (%2 s)\nΔy %3\nΔy/Δx %4 /d, %5 /s")
        .arg(DescribeDuration(dDeltaX), Number(dDeltaX), Number(dDeltaY),
             Number(dDeltaY / dDeltaX * SECONDS_PER_DAY, RATE_DIGITS),
             Number(dDeltaY / dDeltaX, RATE_DIGITS));
}
