#include "platform/datetime/VariantTime.h"

namespace {

bool IsLeapYear(int nYear) {
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

int DaysInMonth(int nMonth, int nYear) {
    static constexpr int DAYS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : DAYS[nMonth - 1];
}

// Days from 1 January 1970 to the date, proleptic Gregorian (Hinnant's days_from_civil).
long DaysFromCivil(int nYear, int nMonth, int nDay) {
    const int y = nYear - (nMonth <= 2 ? 1 : 0);
    const int era = y / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (nMonth + (nMonth > 2 ? -3 : 9)) + 2) / 5 + nDay - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097L + doe - 719468;
}

constexpr long EPOCH_1899_12_30 = -25569; // in days from 1 January 1970

} // namespace

BOOL SystemTimeToVariantTime(const SYSTEMTIME* pSystemTime, double* pVariantTime) {
    const SYSTEMTIME& st = *pSystemTime;
    if (st.wYear < 100 || st.wYear > 9999 || st.wMonth < 1 || st.wMonth > 12 || st.wDay < 1 ||
        st.wDay > DaysInMonth(st.wMonth, st.wYear) || st.wHour > 23 || st.wMinute > 59 ||
        st.wSecond > 59 || st.wMilliseconds > 999)
        return FALSE;
    const long nDays = DaysFromCivil(st.wYear, st.wMonth, st.wDay) - EPOCH_1899_12_30;
    // Whole milliseconds over the milliseconds of a day: one rounding, and for whole seconds
    // the same double as seconds over the seconds of a day.
    const long nMilliseconds =
        ((st.wHour * 60L + st.wMinute) * 60 + st.wSecond) * 1000 + st.wMilliseconds;
    const double dFraction = static_cast<double>(nMilliseconds) / 86400000.0;
    *pVariantTime =
        nDays < 0 ? static_cast<double>(nDays) - dFraction : static_cast<double>(nDays) + dFraction;
    return TRUE;
}
