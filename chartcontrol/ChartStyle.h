#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

#include <cstddef>
#include <iterator>

class QCPAxis;
class QCPItemText;
class QCPTextElement;
class QCustomPlot;
struct SChartAxis;
struct SChartSeries;

// How the chart looks, stated once. Sizes are logical pixels: a pixel of a PNG at scale 1, a
// point in PDF and SVG, devicePixelRatio device pixels on screen. Fonts are sized in pixels
// too, so that text keeps its size against the lines on every kind of surface.

inline constexpr double CHART_LINE_WIDTH = 1.0;
inline constexpr double CHART_FRAME_WIDTH = 1.0;
inline constexpr double CHART_GRID_WIDTH = 1.0;
inline constexpr double CHART_MARKER_DIAMETER = 5.0;
inline constexpr double CHART_MARKER_PEN_WIDTH = 1.2;
inline constexpr double CHART_LEGEND_SAMPLE_WIDTH = 2.0;
inline constexpr int CHART_LEGEND_SAMPLE_LENGTH = 28;
inline constexpr int CHART_TEXT_PIXELS = 12;
inline constexpr int CHART_HEADER_PIXELS = 15;

inline const QColor CHART_FRAME_COLOUR(110, 110, 110);
inline const QColor CHART_GRID_COLOUR(228, 228, 228);
inline const QColor CHART_NOTE_COLOUR(70, 70, 70);
inline const QColor CHART_BACKGROUND_COLOUR(Qt::white);

// Okabe and Ito's colours, told apart with every common kind of colour blindness, in the
// order that keeps each next series farthest (in CIELAB, seen with normal, deutan and protan
// vision) from those before it.
inline const QColor CHART_PALETTE[] = {
    QColor(0, 114, 178),  QColor(230, 159, 0),   QColor(0, 0, 0),   QColor(0, 158, 115),
    QColor(86, 180, 233), QColor(204, 121, 167), QColor(213, 94, 0)};

inline QColor PaletteColour(std::size_t nIndex) {
    return CHART_PALETTE[nIndex % std::size(CHART_PALETTE)];
}

inline QFont ChartFont(int nPixels, QFont::Weight weight = QFont::Normal) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(nPixels);
    font.setWeight(weight);
    return font;
}

// The series' colour: the first colour one of its points asks for, else the palette's.
QColor SeriesColour(const SChartSeries& series, std::size_t nIndex);

// A fresh plot in the chart's look: white ground, a thin frame closed on all four sides, light
// grid lines, the legend in a row of its own under the plot, and data drawn over the frame.
void StyleChart(QCustomPlot& plot);
// The header's text element, in bold; the caller puts it into the layout.
QCPTextElement* NewHeader(QCustomPlot& plot);
// A hidden note at place on the plot (shares of its width and height from its top left),
// aligned there by alignment, on a white ground that keeps it readable over lines.
QCPItemText* NewNote(QCustomPlot& plot, const QPointF& place, Qt::Alignment alignment);
// Where the note lies, in pixels, padding included.
QRectF NoteRect(const QCPItemText& note);
// Ticks and labels for the axis: calendar dates when it asks for them and bDatesAllowed,
// numbers in one format otherwise.
void SetTicker(QCPAxis& axis, const SChartAxis& settings, bool bDatesAllowed);
