#include "Icons.h"

QIcon MainFrameIcon() {
    return QIcon(QStringLiteral(":/icons/mainframe.svg"));
}

QIcon PlotIcon() {
    return QIcon(QStringLiteral(":/icons/plot.svg"));
}
