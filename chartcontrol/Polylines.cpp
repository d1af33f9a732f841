#include "chartcontrol/Polylines.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool IsGap(const QPointF& point) {
    return !std::isfinite(point.x()) || !std::isfinite(point.y());
}

// Liang and Barsky: the part of the segment from a to b inside rect, if any.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& rect) {
    const QPointF delta = b - a;
    const double p[] = {-delta.x(), delta.x(), -delta.y(), delta.y()};
    const double q[] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(),
                        rect.bottom() - a.y()};
    double dEnter = 0.0;
    double dLeave = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            dEnter = std::max(dEnter, t);
        else
            dLeave = std::min(dLeave, t);
    }
    if (dEnter > dLeave)
        return false;
    const QPointF start = a;
    a = start + delta * dEnter;
    b = start + delta * dLeave;
    return true;
}

} // namespace

QVector<QPointF> ClipPolyline(const QVector<QPointF>& points, const QRectF& rect) {
    const QPointF gap(std::numeric_limits<double>::quiet_NaN(),
                      std::numeric_limits<double>::quiet_NaN());
    QVector<QPointF> clipped;
    bool bJoined = false;
    for (int i = 1; i < points.size(); ++i) {
        QPointF a = points[i - 1];
        QPointF b = points[i];
        if (IsGap(a) || IsGap(b) || !ClipSegment(a, b, rect)) {
            bJoined = false;
            continue;
        }
        if (!bJoined || a != clipped.back()) {
            if (!clipped.isEmpty())
                clipped.append(gap);
            clipped.append(a);
        }
        clipped.append(b);
        bJoined = true;
    }
    return clipped;
}

void DrawPolyline(QPainter& painter, const QVector<QPointF>& points) {
    qsizetype nStart = 0;
    for (qsizetype i = 0; i <= points.size(); ++i) {
        if (i < points.size() && !IsGap(points[i]))
            continue;
        if (i - nStart > 1)
            painter.drawPolyline(points.constData() + nStart, static_cast<int>(i - nStart));
        nStart = i + 1;
    }
}
