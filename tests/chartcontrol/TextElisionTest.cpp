#include "chartcontrol/TextElision.h"
#include "chartcontrol/ChartStyle.h"

#include <gtest/gtest.h>

const QFontMetricsF METRICS(ChartFont(CHART_TEXT_PIXELS));

// Without a shared beginning both ends show.
TEST(TextElision, KeepsWhatTellsTextsApart) {
    QStringList receivers;
    for (int n = 1; n <= 5; ++n)
        receivers << QStringLiteral("GPS P3 receiver number %1").arg(n);
    const qreal dWidth = METRICS.horizontalAdvance(QStringLiteral("GPS P3 receiver nu…"));
    for (const QString& strText : receivers) {
        QStringList others = receivers;
        others.removeOne(strText);
        const int nShared = SharedBeginning(strText, others);
        EXPECT_EQ(nShared, 23) << strText.toStdString();
        const QString strShown = ElideKeepingDifference(strText, nShared, dWidth, METRICS);
        EXPECT_LE(METRICS.horizontalAdvance(strShown), dWidth);
        EXPECT_TRUE(strShown.startsWith(QStringLiteral("GPS"))) << strShown.toStdString();
        EXPECT_TRUE(strShown.contains(u'…'));
        // Its own number at the end tells it from the others.
        EXPECT_TRUE(strShown.endsWith(strText.right(2))) << strShown.toStdString();
    }
    const QString strText = QStringLiteral("Hydrogen maser H7 against caesium fountain F2");
    EXPECT_EQ(SharedBeginning(strText, {QStringLiteral("Rubidium"), QStringLiteral("H")}), 0);
    const QString strShown = ElideKeepingDifference(strText, 0, 120, METRICS);
    EXPECT_LE(METRICS.horizontalAdvance(strShown), 120);
    EXPECT_TRUE(strShown.startsWith(QStringLiteral("Hydro"))) << strShown.toStdString();
    EXPECT_TRUE(strShown.endsWith(QStringLiteral("F2"))) << strShown.toStdString();
    EXPECT_EQ(ElideKeepingDifference(strText, 0, METRICS.horizontalAdvance(strText), METRICS),
              strText);
}
