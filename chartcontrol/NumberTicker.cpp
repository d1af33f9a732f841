#include "chartcontrol/NumberTicker.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MAX_TICKS = 8;
// Plain decimals between these magnitudes, a shared power of ten outside.
constexpr double LARGEST_PLAIN = 1e6;
constexpr double SMALLEST_PLAIN = 1e-3;
constexpr int MAX_DECIMALS = 15;

// Before the first drawing the plot has no size yet; these stand in for it.
constexpr int ASSUMED_MARGIN_X = 80;
constexpr int ASSUMED_MARGIN_Y = 90;

// The fewest decimals that write dValue exactly enough to tell it from its neighbours.
int DecimalsFor(double dValue) {
    dValue = std::fabs(dValue);
    for (int nDecimals = 0; nDecimals < MAX_DECIMALS; ++nDecimals) {
        const double dScaled = dValue * std::pow(10.0, nDecimals);
        if (std::fabs(dScaled - std::round(dScaled)) <= 1e-6 * std::max(dScaled, 1.0))
            return nDecimals;
    }
    return MAX_DECIMALS;
}

QString Superscript(int nExponent) {
    static const QChar DIGITS[] = {u'⁰', u'¹', u'²', u'³', u'⁴', u'⁵', u'⁶', u'⁷', u'⁸', u'⁹'};
    QString strResult;
    for (const QChar ch : QString::number(nExponent))
        strResult += ch == u'-' ? QChar(u'⁻') : DIGITS[ch.digitValue()];
    return strResult;
}

} // namespace

QVector<QString> NumberTickLabels(const QVector<double>& ticks) {
    double dLargest = 0.0;
    for (double dTick : ticks)
        dLargest = std::max(dLargest, std::fabs(dTick));
    const double dStep = ticks.size() > 1 ? std::fabs(ticks[1] - ticks[0]) : dLargest;
    const bool bPowers = dLargest >= LARGEST_PLAIN || (dLargest > 0 && dLargest < SMALLEST_PLAIN);
    const int nExponent = bPowers ? static_cast<int>(std::floor(std::log10(dLargest))) : 0;
    const double dScale = std::pow(10.0, nExponent);
    const int nDecimals = DecimalsFor(dStep / dScale);
    const QString strSuffix = bPowers ? QStringLiteral("·10") + Superscript(nExponent) : QString();
    QVector<QString> labels;
    labels.reserve(ticks.size());
    for (double dTick : ticks) {
        // A tick at zero may come out a hair off it; it must not read "-0.0".
        const double dValue = std::fabs(dTick) < dStep * 1e-9 ? 0.0 : dTick / dScale;
        labels.append(QString::number(dValue, 'f', nDecimals) + strSuffix);
    }
    return labels;
}

int AxisLength(const QCPAxis* pAxis) {
    const bool bHorizontal = pAxis->orientation() == Qt::Horizontal;
    const QRect plot = pAxis->axisRect()->rect();
    const QRect viewport = pAxis->parentPlot()->viewport();
    const int nLength = bHorizontal ? plot.width() : plot.height();
    if (nLength > 0)
        return nLength;
    return std::max(bHorizontal ? viewport.width() - ASSUMED_MARGIN_X
                                : viewport.height() - ASSUMED_MARGIN_Y,
                    1);
}

CNumberTicker::CNumberTicker(const QCPAxis* pAxis, double dLabelGap)
    : m_pAxis(pAxis), m_dLabelGap(dLabelGap) {}

double CNumberTicker::getTickStep(const QCPRange& range) {
    const QFontMetricsF metrics(m_pAxis->tickLabelFont());
    const double dLabel = m_pAxis->orientation() == Qt::Horizontal
                              ? metrics.horizontalAdvance(QStringLiteral("00 MMM 0000"))
                              : metrics.height();
    const int nFit = static_cast<int>(AxisLength(m_pAxis) / (dLabel * (1.0 + m_dLabelGap)));
    setTickCount(std::clamp(nFit, 2, MAX_TICKS));
    return QCPAxisTicker::getTickStep(range);
}

QVector<QString> CNumberTicker::createLabelVector(const QVector<double>& ticks, const QLocale&,
                                                  QChar, int) {
    return NumberTickLabels(ticks);
}
