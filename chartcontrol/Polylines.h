#pragma once

#include <QPointF>
#include <QRectF>
#include <QVector>

class QPainter;

// Polylines whose parts are separated by a point with a coordinate that is not a finite
// number, as QCustomPlot hands a graph's line over.

// The parts inside rect. For surfaces that draw what lies outside their clip (an SVG does),
// and so that far-off points never reach the painter.
QVector<QPointF> ClipPolyline(const QVector<QPointF>& points, const QRectF& rect);

// Draws each part with the painter's pen as it is.
void DrawPolyline(QPainter& painter, const QVector<QPointF>& points);
