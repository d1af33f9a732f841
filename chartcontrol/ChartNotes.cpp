#include "chartcontrol/ChartNotes.h"

#include "chartcontrol/ChartStyle.h"
#include "chartcontrol/NumberTicker.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int NOTE_MARGIN = 16;

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

bool NoteAt(const QCPItemText* pNote, const QPointF& pos) {
    return pNote->visible() &&
           QRectF(pNote->topLeft->pixelPosition(), pNote->bottomRight->pixelPosition())
               .contains(pos);
}

} // namespace

CChartNotes::CChartNotes(QCustomPlot& plot)
    : m_plot(plot), m_pOutsideNote(NewNote(plot, QPointF(1, 0), Qt::AlignTop | Qt::AlignRight)),
      m_pEmptyNote(NewNote(plot, QPointF(0.5, 0.5), Qt::AlignCenter)) {}

void CChartNotes::Update(bool bEmpty) {
    int nBelow = 0;
    int nAbove = 0;
    const QCPRange x = m_plot.xAxis->range();
    const QCPRange y = m_plot.yAxis->range();
    for (int g = 0; g < m_plot.graphCount(); ++g) {
        const auto pData = m_plot.graph(g)->data();
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
    m_pEmptyNote->setVisible(bEmpty && !m_strEmptyText.isEmpty());
}

void CChartNotes::SetEmptyText(const QString& strText) {
    m_strEmptyText = strText;
    m_pEmptyNote->setText(strText);
}

void CChartNotes::FitEmptyText() {
    if (!m_pEmptyNote->visible())
        return;
    const QMargins padding = m_pEmptyNote->padding();
    m_pEmptyNote->setText(QFontMetricsF(m_pEmptyNote->font())
                              .elidedText(m_strEmptyText, Qt::ElideRight,
                                          AxisLength(m_plot.xAxis) - 2 * NOTE_MARGIN -
                                              padding.left() - padding.right()));
}

QString CChartNotes::OutsideText() const {
    return m_pOutsideNote->visible() ? m_pOutsideNote->text() : QString();
}

bool CChartNotes::OutsideNoteAt(const QPointF& pos) const {
    return NoteAt(m_pOutsideNote, pos);
}

QString CChartNotes::WholeTextAt(const QPointF& pos) const {
    return NoteAt(m_pEmptyNote, pos) && m_pEmptyNote->text() != m_strEmptyText ? m_strEmptyText
                                                                               : QString();
}
