#include "chartcontrol/AutomationDate.h"

#include "data/TimeConstants.h"

#include <cmath>

namespace {
constexpr double UNIX_EPOCH_AUTOMATION_DATE = 25569.0; // 1 January 1970
} // namespace

double AutomationDateToLinearDays(double dDate) {
    if (dDate >= 0.0 || !std::isfinite(dDate))
        return dDate;
    double dDay = std::trunc(dDate);
    return dDay + (dDay - dDate);
}

double AutomationDateToUnixSeconds(double dDate) {
    return (AutomationDateToLinearDays(dDate) - UNIX_EPOCH_AUTOMATION_DATE) * SECONDS_PER_DAY;
}
