#include "Icons.h"

namespace {

// The renderings of the drawing at the usual sizes: the window system takes them as they
// are, and nothing has to load an SVG renderer at start-up.
QIcon IconNamed(const QString& strName) {
    QIcon icon;
    for (int nSize : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(strName).arg(nSize),
                     QSize(nSize, nSize));
    return icon;
}

} // namespace

QIcon MainFrameIcon() {
    return IconNamed(QStringLiteral("mainframe"));
}

QIcon PlotIcon() {
    return IconNamed(QStringLiteral("plot"));
}
