#pragma once

#include <qcustomplot.h>

// Ticks of a date axis (values in Unix seconds, UTC) on calendar steps, from milliseconds to
// centuries: the smallest step whose labels fit the axis with the asked gap between them.
// Each label names its tick in the step's unit ("12:00", "Feb", "2031"); the first label,
// and each one where the day (or, for longer steps, the year) changes, adds a line naming it.
class CDateTicker : public QCPAxisTicker {
public:
    // dLabelGap: the least gap between neighbouring labels, as a fraction of a label's width.
    CDateTicker(const QCPAxis* pAxis, double dLabelGap);

    enum class EUnit { Millisecond, Second, Minute, Hour, Day, Month, Year };
    struct SStep {
        EUnit unit = EUnit::Day;
        int nCount = 1;
    };

protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double dTickStep) override;
    QVector<double> createTickVector(double dTickStep, const QCPRange& range) override;
    QVector<QString> createLabelVector(const QVector<double>& ticks, const QLocale& locale,
                                       QChar formatChar, int nPrecision) override;

private:
    bool LabelsFit(const QVector<double>& ticks, const QVector<QString>& labels,
                   const QCPRange& range) const;

    const QCPAxis* m_pAxis;
    double m_dLabelGap;
    SStep m_step;
    // False for values too far from today for a calendar; they are labelled as numbers.
    bool m_bCalendar = true;
};

// "2 Jan 2026 12:00:00", with milliseconds (".250") when the time has a fraction of a second.
QString DescribeDate(double dUnixSeconds);
