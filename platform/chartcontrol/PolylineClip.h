#pragma once

#include <QPointF>
#include <QRectF>
#include <QVector>

// The parts of a polyline inside rect, separated by a point of NaN coordinates, as a point
// of NaN coordinates in points separates its parts. For surfaces that draw what lies outside
// their clip (an SVG does).
QVector<QPointF> ClipPolyline(const QVector<QPointF>& points, const QRectF& rect);
