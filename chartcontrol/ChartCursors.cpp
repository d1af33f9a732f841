#include "chartcontrol/ChartCursors.h"

#include "chartcontrol/ChartStyle.h"
#include "chartcontrol/DateTicker.h"
#include "data/TimeConstants.h"

#include <qcustomplot.h>

#include <cmath>

namespace {

const QColor CURSOR_COLOURS[] = {QColor(160, 30, 30), QColor(30, 110, 40)};
// Labels hang just below the plot's top edge, clear of the frame.
constexpr double LABEL_DROP = 0.012;
constexpr double LABEL_STEP = 0.09;
constexpr int BOX_INSET = 6;

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

CChartCursors::CChartCursors(QCustomPlot& plot, std::function<bool()> bDates)
    : m_plot(plot), m_bDates(std::move(bDates)),
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
        cursor.pLabel->setColor(CURSOR_COLOURS[i]);
        cursor.pLabel->setClipToAxisRect(true);
        cursor.pLabel->setTextAlignment(Qt::AlignLeft);
    }
    m_pDelta->setTextAlignment(Qt::AlignLeft);
}

void CChartCursors::PlaceBox() {
    const QRect plot = m_plot.axisRect()->rect();
    m_pDelta->position->setType(QCPItemPosition::ptAbsolute);
    m_pDelta->position->setCoords(plot.left() + BOX_INSET, plot.bottom() - BOX_INSET);
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
    const bool bDates = m_bDates();
    for (std::size_t i = 0; i < m_cursors.size(); ++i) {
        const SCursor& cursor = m_cursors[i];
        cursor.pLine->setVisible(cursor.bSet);
        cursor.pLabel->setVisible(cursor.bSet);
        if (!cursor.bSet)
            continue;
        cursor.pLine->point1->setCoords(cursor.dKey, 0);
        cursor.pLine->point2->setCoords(cursor.dKey, 1);
        // B's label a little lower than A's, so that the two never cover each other.
        cursor.pLabel->position->setCoords(cursor.dKey, LABEL_DROP + LABEL_STEP * i);
        // In the right half of the view the label hangs to the left of its line, so that it
        // stays inside the plot.
        const bool bRightHalf = cursor.dKey > m_plot.xAxis->range().center();
        cursor.pLabel->setPositionAlignment(Qt::AlignTop |
                                            (bRightHalf ? Qt::AlignRight : Qt::AlignLeft));
        cursor.pLabel->setText(QStringLiteral("%1  %2\n%3")
                                   .arg(QString(QLatin1Char(i == 0 ? 'A' : 'B')),
                                        bDates ? DescribeDate(cursor.dKey) : Number(cursor.dKey),
                                        Number(ValueAt(cursor))));
    }
    m_pDelta->setText(DeltaText());
    m_pDelta->setVisible(BothSet());
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
