#pragma once

#include <qcustomplot.h>

class CChartGraph;
class CChartLegendItem;

// Shares the legend's entries out over the fewest rows, up to two, that fit nWidth pixels;
// when even two are too few, the entries' texts are cut, keeping what tells them apart.
void FitLegend(QCPLegend& legend, const QList<CChartLegendItem*>& items, int nWidth);

// A legend entry whose text can be cut to a width, with "…" where it was cut; the series'
// name stays whole for the tooltip.
class CChartLegendItem : public QCPPlottableLegendItem {
public:
    CChartLegendItem(QCPLegend* pLegend, CChartGraph* pGraph);

    // Width of the entry with its whole text, sample and margins included.
    int WholeWidth() const;
    // Shows as much of the text as fits an entry nWidth wide; its first nShared characters,
    // shared with other entries, are the first to be shortened.
    void FitTo(int nWidth, int nShared);
    bool IsElided() const { return m_strShown != mPlottable->name(); }
    QString ShownText() const { return m_strShown; }
    QString WholeText() const { return mPlottable->name(); }

protected:
    void draw(QCPPainter* pPainter) override;
    QSize minimumOuterSizeHint() const override;

private:
    int Overhead() const;

    CChartGraph* m_pGraph;
    QString m_strShown;
};
