#include "chartcontrol/ChartStyle.h"

#include "chartcontrol/ChartModel.h"
#include "chartcontrol/DateTicker.h"
#include "chartcontrol/NumberTicker.h"

#include <qcustomplot.h>

#include <algorithm>

QColor SeriesColour(const SChartSeries& series, std::size_t nIndex) {
    if (series.colours.empty())
        return PaletteColour(nIndex);
    // Colour values are 0x00BBGGRR.
    const std::uint32_t nColour = series.colours.front().second;
    return QColor(nColour & 0xFF, (nColour >> 8) & 0xFF, (nColour >> 16) & 0xFF);
}

void StyleChart(QCustomPlot& plot) {
    const QFont font = ChartFont(CHART_TEXT_PIXELS);
    plot.setFont(font);
    plot.setBackground(CHART_BACKGROUND_COLOUR);
    QColor selection = PaletteColour(0);
    plot.selectionRect()->setPen(QPen(selection, CHART_FRAME_WIDTH, Qt::DashLine));
    selection.setAlpha(30);
    plot.selectionRect()->setBrush(selection);
    // Data drawn over the frame: a line lying exactly at an end of an axis stays visible.
    plot.moveLayer(plot.layer(QStringLiteral("main")), plot.layer(QStringLiteral("axes")),
                   QCustomPlot::limAbove);

    const QPen framePen(CHART_FRAME_COLOUR, CHART_FRAME_WIDTH);
    for (QCPAxis* pAxis : {plot.xAxis, plot.yAxis, plot.xAxis2, plot.yAxis2}) {
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
    for (QCPAxis* pAxis : {plot.xAxis2, plot.yAxis2}) {
        pAxis->setVisible(true);
        pAxis->setTicks(false);
        pAxis->setTickLabels(false);
        pAxis->grid()->setVisible(false);
    }
    // The legend sits in a row of its own under the plot, so that it never hides a line.
    QCPLegend* pLegend = plot.legend;
    pLegend->setFont(font);
    pLegend->setBrush(Qt::NoBrush);
    pLegend->setBorderPen(Qt::NoPen);
    pLegend->setIconSize(CHART_LEGEND_SAMPLE_LENGTH, 12);
    pLegend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    pLegend->setColumnSpacing(16);
    plot.axisRect()->insetLayout()->take(pLegend);
    pLegend->setVisible(false);
}

QCPTextElement* NewHeader(QCustomPlot& plot) {
    auto* pHeader =
        new QCPTextElement(&plot, QString(), ChartFont(CHART_HEADER_PIXELS, QFont::Bold));
    pHeader->setMargins(QMargins(8, 8, 8, 2));
    return pHeader;
}

QCPItemText* NewNote(QCustomPlot& plot, const QPointF& place, Qt::Alignment alignment) {
    auto* pNote = new QCPItemText(&plot);
    pNote->setLayer(QStringLiteral("legend"));
    pNote->position->setType(QCPItemPosition::ptAxisRectRatio);
    pNote->position->setCoords(place);
    pNote->setPositionAlignment(alignment);
    pNote->setFont(ChartFont(CHART_TEXT_PIXELS));
    pNote->setColor(CHART_NOTE_COLOUR);
    pNote->setPadding(QMargins(5, 3, 5, 3));
    pNote->setBrush(QColor(255, 255, 255, 190));
    pNote->setVisible(false);
    return pNote;
}

QRectF NoteRect(const QCPItemText& note) {
    return QRectF(note.topLeft->pixelPosition(), note.bottomRight->pixelPosition());
}

void SetTicker(QCPAxis& axis, const SChartAxis& settings, bool bDatesAllowed) {
    const double dGap = std::max(settings.nLabelSeparation, 0) / 100.0;
    if (settings.bDateTime && bDatesAllowed)
        axis.setTicker(QSharedPointer<CDateTicker>::create(&axis, dGap));
    else
        axis.setTicker(QSharedPointer<CNumberTicker>::create(&axis, dGap));
}
