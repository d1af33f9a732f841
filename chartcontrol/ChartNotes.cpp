#include "chartcontrol/ChartNotes.h"

#include "chartcontrol/ChartGraph.h"
#include "chartcontrol/ChartStyle.h"
#include "chartcontrol/NumberTicker.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int NOTE_MARGIN = 16;
constexpr int NOTE_INSET = 6;

// Drawn points outside the view, each counted once: left or right of it when its x is
// outside, otherwise above or below.
struct SOutside {
    int nLeft = 0;
    int nRight = 0;
    int nAbove = 0;
    int nBelow = 0;
};

QString DescribeOutside(const SOutside& outside) {
    const std::pair<int, const char*> sides[] = {{outside.nLeft, "left"},
                                                 {outside.nRight, "right"},
                                                 {outside.nAbove, "above"},
                                                 {outside.nBelow, "below"}};
    QStringList parts;
    int nTotal = 0;
    const char* pszOnly = "";
    for (const auto& [nCount, pszSide] : sides) {
        if (nCount == 0)
            continue;
        parts << QStringLiteral("%1 %2").arg(nCount).arg(QLatin1String(pszSide));
        nTotal += nCount;
        pszOnly = pszSide;
    }
    if (parts.size() != 1)
        return parts.isEmpty() ? QString() : parts.join(QStringLiteral(", ")) + " the view";
    // One side alone reads as a sentence: "62 points below the view", "3 points left of it".
    const bool bSideways = pszOnly[0] == 'l' || pszOnly[0] == 'r';
    return QStringLiteral("%1 %2 %3%4 the view")
        .arg(nTotal)
        .arg(nTotal == 1 ? QStringLiteral("point") : QStringLiteral("points"))
        .arg(QLatin1String(pszOnly))
        .arg(bSideways ? QStringLiteral(" of") : QString());
}

bool NoteAt(const QCPItemText* pNote, const QPointF& pos) {
    return pNote->visible() && NoteRect(*pNote).contains(pos);
}

} // namespace

CChartNotes::CChartNotes(QCustomPlot& plot)
    : m_plot(plot), m_pOutsideNote(NewNote(plot, QPointF(1, 0), Qt::AlignTop | Qt::AlignRight)),
      m_pEmptyNote(NewNote(plot, QPointF(0.5, 0.5), Qt::AlignCenter)),
      m_pModeNote(NewNote(plot, QPointF(1, 1), Qt::AlignBottom | Qt::AlignRight)) {}

void CChartNotes::Update(bool bEmpty) {
    SOutside outside;
    const QCPRange x = m_plot.xAxis->range();
    const QCPRange y = m_plot.yAxis->range();
    for (int g = 0; g < m_plot.graphCount(); ++g) {
        const auto pData = m_plot.graph(g)->data();
        const auto* pGraph = dynamic_cast<const CChartGraph*>(m_plot.graph(g));
        if (pGraph && !pGraph->Index().IsEmpty()) {
            // A long series counts by its index: points in order of x, values by blocks.
            const CValueIndex& index = pGraph->Index();
            const auto nBegin =
                static_cast<std::size_t>(pData->findBegin(x.lower, false) - pData->constBegin());
            const auto nEnd =
                static_cast<std::size_t>(pData->findEnd(x.upper, false) - pData->constBegin());
            std::size_t nBelow = 0, nAbove = 0;
            index.Outside(nBegin, nEnd, y.lower, y.upper, nBelow, nAbove);
            outside.nLeft += static_cast<int>(index.Numbers(0, nBegin));
            outside.nRight += static_cast<int>(index.Numbers(nEnd, pData->size()));
            outside.nBelow += static_cast<int>(nBelow);
            outside.nAbove += static_cast<int>(nAbove);
            continue;
        }
        for (const QCPGraphData& point : *pData) {
            if (std::isnan(point.value))
                continue;
            if (!x.contains(point.key))
                ++(point.key < x.lower ? outside.nLeft : outside.nRight);
            else if (!y.contains(point.value))
                ++(point.value < y.lower ? outside.nBelow : outside.nAbove);
        }
    }
    m_pOutsideNote->setText(DescribeOutside(outside));
    m_pOutsideNote->setVisible(!m_pOutsideNote->text().isEmpty());
    m_pEmptyNote->setVisible(bEmpty && !m_strEmptyText.isEmpty());
}

void CChartNotes::Place() {
    // Inside the plot, clear of its frame: a few pixels in from its right corners.
    const QRect plot = m_plot.axisRect()->rect();
    m_pOutsideNote->position->setType(QCPItemPosition::ptAbsolute);
    m_pOutsideNote->position->setCoords(plot.right() - NOTE_INSET, plot.top() + NOTE_INSET);
    m_pModeNote->position->setType(QCPItemPosition::ptAbsolute);
    m_pModeNote->position->setCoords(plot.right() - NOTE_INSET, plot.bottom() - NOTE_INSET);
}

QList<QRectF> CChartNotes::CornerRects() const {
    QList<QRectF> rects;
    for (const QCPItemText* pNote : {m_pOutsideNote, m_pModeNote}) {
        if (pNote->visible())
            rects << NoteRect(*pNote);
    }
    return rects;
}

void CChartNotes::SetModeText(const QString& strText) {
    m_strModeText = strText;
    m_pModeNote->setText(CornerText());
    m_pModeNote->setVisible(!m_pModeNote->text().isEmpty());
}

void CChartNotes::SetWaitText(const QString& strText) {
    m_strWaitText = strText;
    SetModeText(m_strModeText);
}

void CChartNotes::SetHintText(const QString& strText) {
    m_strHint = strText;
    SetModeText(m_strModeText);
}

QString CChartNotes::CornerText() const {
    QStringList lines{m_strModeText, m_strWaitText, m_strHint};
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
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
