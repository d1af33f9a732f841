// The window toolkit's floor for a picture export: what any export of the chart's picture pays
// before the chart does anything, started the same way (no display, the offscreen platform).
// The toolkit starts, one text and five lines of 1000 points are drawn at the chart's size and
// the picture goes out through the viewer's own PNG encoder.
// Usage: export_floor OUT.png
#include "chartcontrol/PngEncoder.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    int nArgs = 3;
    char szProgram[] = "export_floor";
    char szPlatformOption[] = "-platform";
    char szOffscreen[] = "offscreen";
    char* args[] = {szProgram, szPlatformOption, szOffscreen, nullptr};
    QApplication app(nArgs, args);
    QImage image(555, 449, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawText(QRectF(0, 4, 555, 20), Qt::AlignCenter, QStringLiteral("Graph 0"));
    for (int nSet = 0; nSet < 5; ++nSet) {
        QPolygonF line;
        for (int i = 0; i < 1000; ++i)
            line << QPointF(60 + i * 0.45, 80 + nSet * 60 + 20 * std::sin(i * 0.05 + nSet));
        painter.setPen(QPen(QColor::fromHsv(nSet * 60, 255, 200), 1));
        painter.drawPolyline(line);
    }
    painter.end();
    const auto bytes = EncodePng(image);
    QFile file(QString::fromLocal8Bit(argv[1]));
    return bytes && file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size() ? 0 : 1;
}
