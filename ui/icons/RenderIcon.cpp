// Build tool: renders an SVG icon to a square PNG of the given size, or, for OUT.rgba, to its
// raw premultiplied ARGB32 pixels, which the program takes as they are, without an image
// reader.
// Usage: render_icon IN.svg OUT.png|OUT.rgba SIZE
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s IN.svg OUT.png SIZE\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int nSize = QString::fromLocal8Bit(argv[3]).toInt();
    if (!renderer.isValid() || nSize <= 0) {
        std::fprintf(stderr, "render_icon: cannot render %s at %s\n", argv[1], argv[3]);
        return 1;
    }
    QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QString strOut = QString::fromLocal8Bit(argv[2]);
    if (!strOut.endsWith(QLatin1String(".rgba")))
        return image.save(strOut, "PNG") ? 0 : 1;
    QFile raw(strOut);
    const auto nBytes = static_cast<qint64>(image.sizeInBytes());
    return raw.open(QIODevice::WriteOnly) &&
                   raw.write(reinterpret_cast<const char*>(image.constBits()), nBytes) == nBytes
               ? 0
               : 1;
}
