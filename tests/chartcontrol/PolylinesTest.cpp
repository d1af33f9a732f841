#include "chartcontrol/Polylines.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(PolylineClip, KeepsOnlyThePartsInside) {
    const double gap = std::nan("");
    const auto text = [](const QVector<QPointF>& points) {
        QStringList parts;
        for (const QPointF& point : points)
            parts << QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
        return parts.join(QLatin1Char(' ')).toStdString();
    };
    for (const auto& [points, clipped] : {
             std::pair<QVector<QPointF>, QVector<QPointF>>{{{1, 1}, {2, 2}}, {{1, 1}, {2, 2}}},
             {{{-10, 5}, {20, 5}}, {{0, 5}, {10, 5}}},
             {{{5, 5}, {5, 20}, {6, 20}, {6, 5}}, {{5, 5}, {5, 10}, {gap, gap}, {6, 10}, {6, 5}}},
         })
        EXPECT_EQ(text(ClipPolyline(points, QRectF(0, 0, 10, 10))), text(clipped));
}
