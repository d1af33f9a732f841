#include "data/IsoDate.h"

#include "data/JulianDay.h"
#include "data/TimeConstants.h"

#include <charconv>
#include <cmath>

namespace {

// Exactly nDigits decimal digits at the start of str, taken off it.
bool TakeDigits(std::string_view& str, std::size_t nDigits, int& nValue) {
    if (str.size() < nDigits)
        return false;
    const auto result = std::from_chars(str.data(), str.data() + nDigits, nValue);
    if (result.ec != std::errc() || result.ptr != str.data() + nDigits)
        return false;
    str.remove_prefix(nDigits);
    return true;
}

bool TakeChar(std::string_view& str, char c) {
    if (str.empty() || str.front() != c)
        return false;
    str.remove_prefix(1);
    return true;
}

} // namespace

bool IsoDateToJulian(std::string_view str, double& dJulian, double* pStep) {
    int nYear = 0, nMonth = 0, nDay = 0, nHour = 0, nMinute = 0;
    double dSecond = 0.0;
    double dStep = 1.0;
    if (!TakeDigits(str, 4, nYear) || !TakeChar(str, '-') || !TakeDigits(str, 2, nMonth) ||
        !TakeChar(str, '-') || !TakeDigits(str, 2, nDay))
        return false;
    if (TakeChar(str, 'T')) {
        if (!TakeDigits(str, 2, nHour) || !TakeChar(str, ':') || !TakeDigits(str, 2, nMinute))
            return false;
        dStep = 60.0 / SECONDS_PER_DAY;
        if (TakeChar(str, ':')) {
            const auto result = std::from_chars(str.data(), str.data() + str.size(), dSecond,
                                                std::chars_format::fixed);
            if (result.ec != std::errc() || str.front() < '0' || str.front() > '9')
                return false;
            const std::string_view strSecond =
                str.substr(0, static_cast<std::size_t>(result.ptr - str.data()));
            const std::size_t nPoint = strSecond.find('.');
            const std::size_t nDecimals =
                nPoint == std::string_view::npos ? 0 : strSecond.size() - nPoint - 1;
            dStep = std::pow(10.0, -static_cast<double>(nDecimals)) / SECONDS_PER_DAY;
            str.remove_prefix(strSecond.size());
        }
    }
    TakeChar(str, 'Z');
    if (!str.empty() || nMonth < 1 || nMonth > 12 || nDay < 1 || nHour > 23 || nMinute > 59 ||
        !(dSecond < 60.0))
        return false;
    dJulian = CalendarToJulian(nMonth, nDay, nYear, nHour, nMinute, dSecond);
    // A day beyond the month's end comes back as another date.
    int nBackMonth = 0, nBackDay = 0, nBackYear = 0, nBackHour = 0, nBackMinute = 0;
    double dBackSecond = 0.0;
    JulianToCalendar(CalendarToJulian(nMonth, nDay, nYear, 12, 0, 0.0), nBackMonth, nBackDay,
                     nBackYear, nBackHour, nBackMinute, dBackSecond);
    if (pStep)
        *pStep = dStep;
    return nBackMonth == nMonth && nBackDay == nDay && nBackYear == nYear;
}
