#include "chartcontrol/DateTicker.h"

#include "chartcontrol/NumberTicker.h"
#include "data/TimeConstants.h"

#include <cmath>
#include <vector>

namespace {

using EUnit = CDateTicker::EUnit;
using SStep = CDateTicker::SStep;

constexpr double YEAR = 365.2425 * SECONDS_PER_DAY;
// About ±300000 years around 1970: beyond that no calendar is of use.
constexpr double LARGEST_CALENDAR_SECONDS = 1e13;
// 5 January 1970 was a Monday: weeks start there.
constexpr double FIRST_MONDAY = 4 * SECONDS_PER_DAY;
constexpr int LARGEST_YEAR_STEP = 100000;
// Far more than fit any axis; only a step that does not advance could reach it.
constexpr qsizetype MOST_TICKS = 1000;

double UnitSeconds(EUnit unit) {
    switch (unit) {
    case EUnit::Millisecond:
        return 0.001;
    case EUnit::Second:
        return 1.0;
    case EUnit::Minute:
        return 60.0;
    case EUnit::Hour:
        return 3600.0;
    case EUnit::Day:
        return SECONDS_PER_DAY;
    case EUnit::Month:
        return YEAR / 12.0;
    case EUnit::Year:
        return YEAR;
    }
    return SECONDS_PER_DAY;
}

double StepSeconds(const SStep& step) {
    return step.nCount * UnitSeconds(step.unit);
}

const std::vector<SStep>& Steps() {
    static const std::vector<SStep> steps = [] {
        std::vector<SStep> result;
        const auto add = [&result](EUnit unit, std::initializer_list<int> counts) {
            for (int nCount : counts)
                result.push_back({unit, nCount});
        };
        add(EUnit::Millisecond, {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500});
        add(EUnit::Second, {1, 2, 5, 10, 15, 30});
        add(EUnit::Minute, {1, 2, 5, 10, 15, 30});
        add(EUnit::Hour, {1, 2, 3, 6, 12});
        add(EUnit::Day, {1, 2, 7, 14});
        add(EUnit::Month, {1, 2, 3, 6});
        for (int nDecade = 1; nDecade <= LARGEST_YEAR_STEP; nDecade *= 10) {
            add(EUnit::Year, {nDecade, 2 * nDecade});
            if (nDecade >= 10)
                add(EUnit::Year, {5 * nDecade / 2});
            add(EUnit::Year, {5 * nDecade});
        }
        return result;
    }();
    return steps;
}

QDateTime ToDateTime(double dUnixSeconds) {
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::llround(dUnixSeconds * 1000.0)),
                                          QTimeZone::utc());
}

double ToSeconds(const QDate& date) {
    return static_cast<double>(date.startOfDay(QTimeZone::utc()).toMSecsSinceEpoch()) / 1000.0;
}

// Months counted on a line through year 0, which the toolkit's calendar skips (1 BC is -1).
qint64 MonthIndex(const QDate& date) {
    const qint64 nYear = date.year() < 0 ? date.year() + 1 : date.year();
    return nYear * 12 + date.month() - 1;
}
QDate MonthStart(qint64 nIndex) {
    const qint64 nYear = nIndex >= 0 ? nIndex / 12 : (nIndex - 11) / 12;
    const int nMonth = static_cast<int>(nIndex - nYear * 12) + 1;
    return QDate(static_cast<int>(nYear <= 0 ? nYear - 1 : nYear), nMonth, 1);
}

// Ticks from one step before dLower to one after dUpper, the neighbours serving sub-ticks.
QVector<double> CalendarTicks(const SStep& step, double dLower, double dUpper) {
    QVector<double> ticks;
    if (step.unit == EUnit::Month || step.unit == EUnit::Year) {
        const int nMonths = step.unit == EUnit::Year ? 12 * step.nCount : step.nCount;
        const qint64 nFirst = MonthIndex(ToDateTime(dLower).date());
        qint64 nIndex =
            (nFirst >= 0 ? nFirst / nMonths : (nFirst - nMonths + 1) / nMonths) * nMonths - nMonths;
        for (; ticks.size() < MOST_TICKS; nIndex += nMonths) {
            ticks.append(ToSeconds(MonthStart(nIndex)));
            if (ticks.back() > dUpper)
                break;
        }
        return ticks;
    }
    const double dStep = StepSeconds(step);
    const double dOrigin = step.unit == EUnit::Day && step.nCount % 7 == 0 ? FIRST_MONDAY : 0.0;
    // Counted in whole steps: far from 1970 a double step count would stop growing.
    const auto nFirst = static_cast<qint64>(std::floor((dLower - dOrigin) / dStep)) - 1;
    for (qint64 k = nFirst; ticks.size() < MOST_TICKS; ++k) {
        ticks.append(dOrigin + static_cast<double>(k) * dStep);
        if (ticks.back() > dUpper)
            break;
    }
    return ticks;
}

// What the label's second line names: the day for steps under a day, else the year.
QString ContextFormat(EUnit unit) {
    switch (unit) {
    case EUnit::Millisecond:
    case EUnit::Second:
    case EUnit::Minute:
    case EUnit::Hour:
        return QStringLiteral("d MMM yyyy");
    case EUnit::Day:
    case EUnit::Month:
        return QStringLiteral("yyyy");
    case EUnit::Year:
        break;
    }
    return QString();
}

QString FineFormat(EUnit unit, const QDateTime& time, bool bFirst) {
    switch (unit) {
    case EUnit::Millisecond:
        // Between whole seconds the milliseconds alone; the first label reads in full.
        if (bFirst)
            return QStringLiteral("hh:mm:ss.zzz");
        return time.time().msec() == 0 ? QStringLiteral("hh:mm:ss") : QStringLiteral(".zzz");
    case EUnit::Second:
        return QStringLiteral("hh:mm:ss");
    case EUnit::Minute:
    case EUnit::Hour:
        return QStringLiteral("hh:mm");
    case EUnit::Day:
        return QStringLiteral("d MMM");
    case EUnit::Month:
        return QStringLiteral("MMM");
    case EUnit::Year:
        break;
    }
    return QStringLiteral("yyyy");
}

QVector<QString> CalendarLabels(const SStep& step, const QVector<double>& ticks) {
    const QLocale c = QLocale::c();
    QVector<QString> labels;
    labels.reserve(ticks.size());
    QString strLastContext;
    for (double dTick : ticks) {
        const QDateTime time = ToDateTime(dTick);
        QString strLabel = c.toString(time, FineFormat(step.unit, time, labels.isEmpty()));
        const QString strContextFormat = ContextFormat(step.unit);
        if (!strContextFormat.isEmpty()) {
            const QString strContext = c.toString(time, strContextFormat);
            if (strContext != strLastContext)
                strLabel += QLatin1Char('\n') + strContext;
            strLastContext = strContext;
        }
        labels.append(strLabel);
    }
    return labels;
}

QVector<double> Visible(const QVector<double>& ticks, const QCPRange& range) {
    QVector<double> visible;
    for (double dTick : ticks) {
        if (range.contains(dTick))
            visible.append(dTick);
    }
    return visible;
}

} // namespace

CDateTicker::CDateTicker(const QCPAxis* pAxis, double dLabelGap)
    : m_pAxis(pAxis), m_dLabelGap(dLabelGap) {}

bool CDateTicker::LabelsFit(const QVector<double>& ticks, const QVector<QString>& labels,
                            const QCPRange& range) const {
    // Line by line, each label keeps the gap to the next label that has that line.
    const QFontMetricsF metrics(m_pAxis->tickLabelFont());
    const double dPixelsPerSecond = AxisLength(m_pAxis) / range.size();
    for (int nLine = 0; nLine < 2; ++nLine) {
        double dLastTick = 0.0;
        double dLastHalf = -1.0;
        for (int i = 0; i < labels.size(); ++i) {
            const QStringList lines = labels[i].split(QLatin1Char('\n'));
            if (nLine >= lines.size())
                continue;
            const double dHalf = metrics.horizontalAdvance(lines[nLine]) / 2.0;
            if (dLastHalf >= 0.0 && (ticks[i] - dLastTick) * dPixelsPerSecond <
                                        (dLastHalf + dHalf) * (1.0 + m_dLabelGap))
                return false;
            dLastTick = ticks[i];
            dLastHalf = dHalf;
        }
    }
    return true;
}

double CDateTicker::getTickStep(const QCPRange& range) {
    m_bCalendar = std::fabs(range.lower) < LARGEST_CALENDAR_SECONDS &&
                  std::fabs(range.upper) < LARGEST_CALENDAR_SECONDS;
    if (!m_bCalendar)
        return QCPAxisTicker::getTickStep(range);
    // A label is never narrower than this; steps that crowd more labels in are not tried.
    const double dNarrowest =
        QFontMetricsF(m_pAxis->tickLabelFont()).horizontalAdvance(QStringLiteral("0000"));
    const double dMostLabels = AxisLength(m_pAxis) / dNarrowest;
    m_step = Steps().back();
    for (const SStep& step : Steps()) {
        if (range.size() / StepSeconds(step) > dMostLabels)
            continue;
        const QVector<double> ticks = Visible(CalendarTicks(step, range.lower, range.upper), range);
        if (LabelsFit(ticks, CalendarLabels(step, ticks), range)) {
            m_step = step;
            break;
        }
    }
    return StepSeconds(m_step);
}

int CDateTicker::getSubTickCount(double dTickStep) {
    if (!m_bCalendar)
        return QCPAxisTicker::getSubTickCount(dTickStep);
    // Sub-ticks on a rounder unit: 6 hours get 5, 10 years 4, 15 minutes 2...
    const int nCount = m_step.nCount;
    if (nCount <= 7)
        return nCount - 1;
    return nCount % 5 == 0 ? 4 : nCount % 3 == 0 ? 2 : 1;
}

QVector<double> CDateTicker::createTickVector(double dTickStep, const QCPRange& range) {
    if (!m_bCalendar)
        return QCPAxisTicker::createTickVector(dTickStep, range);
    return CalendarTicks(m_step, range.lower, range.upper);
}

QVector<QString> CDateTicker::createLabelVector(const QVector<double>& ticks, const QLocale&, QChar,
                                                int) {
    return m_bCalendar ? CalendarLabels(m_step, ticks) : NumberTickLabels(ticks);
}

QString DescribeDate(double dUnixSeconds) {
    if (!(std::fabs(dUnixSeconds) < LARGEST_CALENDAR_SECONDS))
        return QString::number(dUnixSeconds, 'g', 10);
    const QDateTime time = ToDateTime(dUnixSeconds);
    return QLocale::c().toString(time, time.time().msec() == 0
                                           ? QStringLiteral("d MMM yyyy hh:mm:ss")
                                           : QStringLiteral("d MMM yyyy hh:mm:ss.zzz"));
}
