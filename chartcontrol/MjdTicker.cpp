#include "chartcontrol/MjdTicker.h"

#include "data/DatePoint.h"
#include "data/TimeConstants.h"

#include <algorithm>
#include <cmath>

namespace {
// The MJD of 1970-01-01T00:00Z, where Unix time counts from.
constexpr double UNIX_EPOCH_MJD = UNIX_EPOCH_JULIAN_DATE - MJD_OFFSET;
} // namespace

CMjdTicker::CMjdTicker() {
    // Ticks on whole multiples of the step counted from MJD 0.
    setTickOrigin(-UNIX_EPOCH_MJD * SECONDS_PER_DAY);
}

double CMjdTicker::getTickStep(const QCPRange& range) {
    const double dStepDays = cleanMantissa(range.size() / SECONDS_PER_DAY / (tickCount() + 1e-10));
    m_nDecimals = std::clamp(static_cast<int>(std::ceil(-std::log10(dStepDays) - 1e-9)), 0, 9);
    return dStepDays * SECONDS_PER_DAY;
}

QString CMjdTicker::getTickLabel(double dTick, const QLocale&, QChar, int) {
    return QString::number(UnixSecondsToMjd(dTick), 'f', m_nDecimals);
}

double UnixSecondsToMjd(double dUnixSeconds) {
    return dUnixSeconds / SECONDS_PER_DAY + UNIX_EPOCH_MJD;
}

int MjdDecimals(double dStepSeconds) {
    if (!(dStepSeconds > 0.0))
        return 5;
    return std::clamp(static_cast<int>(std::ceil(2.0 - std::log10(dStepSeconds / SECONDS_PER_DAY))),
                      0, 9);
}

QString DescribeMjd(double dUnixSeconds, int nDecimals) {
    return QStringLiteral("MJD %1").arg(UnixSecondsToMjd(dUnixSeconds), 0, 'f', nDecimals);
}
