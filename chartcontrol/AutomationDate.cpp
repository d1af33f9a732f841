#include "chartcontrol/AutomationDate.h"

#include "data/TimeConstants.h"

#include <cmath>

double UnixSecondsToAutomationDate(double dSeconds) {
    const long long nMilliseconds = std::llround(dSeconds * 1000.0);
    long long nDays = nMilliseconds / MILLISECONDS_PER_DAY;
    if (nMilliseconds % MILLISECONDS_PER_DAY < 0)
        --nDays;
    const long long nOfDay = nMilliseconds - nDays * MILLISECONDS_PER_DAY;
    // Days and their fraction as an automation date is made of them; before 30 December 1899
    // the day counts backwards and its time forwards.
    const long long nDate = nDays + static_cast<long long>(UNIX_EPOCH_AUTOMATION_DATE);
    const double dFraction = static_cast<double>(nOfDay) / MILLISECONDS_PER_DAY;
    return nDate < 0 ? static_cast<double>(nDate) - dFraction
                     : static_cast<double>(nDate) + dFraction;
}
