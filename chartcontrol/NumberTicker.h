#pragma once

#include <qcustomplot.h>

// Ticks of a number axis, as many as fit its length with the asked gap between labels, all
// labelled in one format: the same count of decimals, and when the values are very large or
// very small, the same power of ten ("0.5·10⁶" ... "2.5·10⁶").
class CNumberTicker : public QCPAxisTicker {
public:
    // dLabelGap: the least gap between neighbouring labels, as a fraction of a label's size.
    CNumberTicker(const QCPAxis* pAxis, double dLabelGap);

protected:
    double getTickStep(const QCPRange& range) override;
    QVector<QString> createLabelVector(const QVector<double>& ticks, const QLocale& locale,
                                       QChar formatChar, int nPrecision) override;

private:
    const QCPAxis* m_pAxis;
    double m_dLabelGap;
};

// The labels of ticks that lie a whole number of steps apart, in one format.
QVector<QString> NumberTickLabels(const QVector<double>& ticks);

// The axis's length in pixels: the plot's, once it has been laid out, else a guess from the
// chart's size.
int AxisLength(const QCPAxis* pAxis);
