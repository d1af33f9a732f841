#include "ui/Icons.h"

#include <QPixmap>
#include <QResource>

namespace {

// The renderings of the drawing at the usual sizes, as raw pixels: taken where they lie,
// without an image reader (whose first use loads every image plugin there is).
QIcon IconNamed(const QString& strName) {
    QIcon icon;
    for (int nSize : {16, 32, 48, 64, 128}) {
        const QResource pixels(QStringLiteral(":/icons/%1-%2.rgba").arg(strName).arg(nSize));
        if (pixels.size() != qint64{nSize} * nSize * 4)
            continue;
        icon.addPixmap(QPixmap::fromImage(
            QImage(pixels.data(), nSize, nSize, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}

} // namespace

QIcon MainFrameIcon() {
    return IconNamed(QStringLiteral("mainframe"));
}

QIcon PlotIcon() {
    return IconNamed(QStringLiteral("plot"));
}
