#include "chartcontrol/ChartLegendItem.h"

#include "chartcontrol/ChartGraph.h"
#include "chartcontrol/LegendPlan.h"
#include "chartcontrol/TextElision.h"

#include <cmath>

namespace {
// More rows would take the plot's height; past two, entries are cut instead.
constexpr int MAX_LEGEND_ROWS = 2;
} // namespace

void FitLegend(QCPLegend& legend, const QList<CChartLegendItem*>& items, int nWidth) {
    if (items.isEmpty())
        return;
    std::vector<int> wholeWidths;
    for (const CChartLegendItem* pItem : items)
        wholeWidths.push_back(pItem->WholeWidth());
    const QMargins margins = legend.margins();
    const SLegendPlan plan = PlanLegend(wholeWidths, nWidth - margins.left() - margins.right(),
                                        legend.columnSpacing(), MAX_LEGEND_ROWS);
    if (plan.nColumns != legend.wrap()) {
        legend.setWrap(plan.nColumns);
        legend.setFillOrder(QCPLayoutGrid::foColumnsFirst, true);
    }
    QStringList names;
    for (const CChartLegendItem* pItem : items)
        names << pItem->WholeText();
    for (int i = 0; i < items.size(); ++i) {
        QStringList others = names;
        others.removeAt(i);
        items[i]->FitTo(plan.widths[static_cast<std::size_t>(i)],
                        SharedBeginning(names[i], others));
    }
}

CChartLegendItem::CChartLegendItem(QCPLegend* pLegend, CChartGraph* pGraph)
    : QCPPlottableLegendItem(pLegend, pGraph), m_pGraph(pGraph), m_strShown(pGraph->name()) {}

int CChartLegendItem::Overhead() const {
    return mParentLegend->iconSize().width() + mParentLegend->iconTextPadding() + mMargins.left() +
           mMargins.right();
}

int CChartLegendItem::WholeWidth() const {
    // Rounded up: a text drawn a fraction wider than measured would be cut.
    return Overhead() +
           static_cast<int>(std::ceil(QFontMetricsF(getFont()).horizontalAdvance(WholeText())));
}

void CChartLegendItem::FitTo(int nWidth, int nShared) {
    m_strShown = ElideKeepingDifference(WholeText(), nShared, std::max(nWidth - Overhead(), 0),
                                        QFontMetricsF(getFont()));
}

void CChartLegendItem::draw(QCPPainter* pPainter) {
    pPainter->setFont(getFont());
    pPainter->setPen(QPen(getTextColor()));
    const QSize iconSize = mParentLegend->iconSize();
    const int nTextLeft = iconSize.width() + mParentLegend->iconTextPadding();
    const QRect textRect(mRect.x() + nTextLeft, mRect.y(), mRect.width() - nTextLeft,
                         mRect.height());
    pPainter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, m_strShown);
    pPainter->save();
    const QRect iconRect(QPoint(mRect.x(), mRect.y() + (mRect.height() - iconSize.height()) / 2),
                         iconSize);
    m_pGraph->DrawSample(pPainter, iconRect);
    pPainter->restore();
}

QSize CChartLegendItem::minimumOuterSizeHint() const {
    const QFontMetricsF metrics(getFont());
    const int nText = static_cast<int>(std::ceil(metrics.horizontalAdvance(m_strShown)));
    const int nHeight =
        std::max(static_cast<int>(std::ceil(metrics.height())), mParentLegend->iconSize().height());
    return QSize(Overhead() + nText, nHeight + mMargins.top() + mMargins.bottom());
}
