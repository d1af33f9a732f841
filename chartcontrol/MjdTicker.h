#pragma once

#include <qcustomplot.h>

// A date axis (values in Unix seconds, UTC) labelled with Modified Julian Dates: ticks on
// round MJD numbers, each label with as many decimals as the step between ticks needs.
class CMjdTicker : public QCPAxisTicker {
public:
    CMjdTicker();

protected:
    double getTickStep(const QCPRange& range) override;
    QString getTickLabel(double dTick, const QLocale& locale, QChar formatChar,
                         int nPrecision) override;

private:
    int m_nDecimals = 0;
};

// The Modified Julian Date of a time in Unix seconds.
double UnixSecondsToMjd(double dUnixSeconds);

// How many decimals of a day tell apart times dStepSeconds apart, to a hundredth of the step:
// 4 for 15 minutes, 7 for a second; 0 to 9.
int MjdDecimals(double dStepSeconds);

// "MJD 60650.12500".
QString DescribeMjd(double dUnixSeconds, int nDecimals);
