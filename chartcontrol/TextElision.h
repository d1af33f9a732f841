#pragma once

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

// How many characters text shares at its beginning with the most alike of others, cut back to
// the end of a word (after a blank or a sign), so that the part that tells it apart starts
// whole: "GPS P3 receiver number " for "GPS P3 receiver number 1" among "... number 12".
int SharedBeginning(const QString& strText, const QStringList& others);

// strText cut to dWidth pixels of metrics' font. Whole when it fits. When its first nShared
// characters are shared with other texts, those are shortened in their middle first, so that
// what differs stays whole ("GPS P3 r…number 1"); otherwise the text is cut in its middle,
// so that both ends show.
QString ElideKeepingDifference(const QString& strText, int nShared, qreal dWidth,
                               const QFontMetricsF& metrics);
