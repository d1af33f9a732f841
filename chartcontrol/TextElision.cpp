#include "chartcontrol/TextElision.h"

#include <algorithm>

namespace {

const QString ELLIPSIS = QStringLiteral("\u2026");

bool EndsWord(QChar c) {
    return !c.isLetterOrNumber();
}

} // namespace

int SharedBeginning(const QString& strText, const QStringList& others) {
    qsizetype nLongest = 0;
    for (const QString& strOther : others) {
        const qsizetype nLimit = std::min(strText.size(), strOther.size());
        qsizetype n = 0;
        while (n < nLimit && strText[n] == strOther[n])
            ++n;
        nLongest = std::max(nLongest, n);
    }
    // What stays must begin a word and hold at least one character.
    qsizetype nShared = std::min(nLongest, strText.size() - 1);
    while (nShared > 0 && !EndsWord(strText[nShared - 1]))
        --nShared;
    return static_cast<int>(std::max<qsizetype>(nShared, 0));
}

QString ElideKeepingDifference(const QString& strText, int nShared, qreal dWidth,
                               const QFontMetricsF& metrics) {
    if (metrics.horizontalAdvance(strText) <= dWidth)
        return strText;
    if (nShared > 0) {
        const QString strDiffering = strText.mid(nShared);
        const qreal dLeft = dWidth - metrics.horizontalAdvance(strDiffering);
        if (dLeft >= metrics.horizontalAdvance(ELLIPSIS)) {
            const QString strShared =
                metrics.elidedText(strText.left(nShared), Qt::ElideMiddle, dLeft);
            if (!strShared.isEmpty())
                return strShared + strDiffering;
        }
    }
    return metrics.elidedText(strText, Qt::ElideMiddle, dWidth);
}
