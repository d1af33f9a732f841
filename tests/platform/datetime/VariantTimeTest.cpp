#include "platform/datetime/VariantTime.h"

#include <gtest/gtest.h>

namespace {

struct SDateCase {
    SYSTEMTIME st;
    BOOL bValid;
    double dDate;
};

SYSTEMTIME Time(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0, int nSecond = 0) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(nYear);
    st.wMonth = static_cast<WORD>(nMonth);
    st.wDay = static_cast<WORD>(nDay);
    st.wHour = static_cast<WORD>(nHour);
    st.wMinute = static_cast<WORD>(nMinute);
    st.wSecond = static_cast<WORD>(nSecond);
    return st;
}

TEST(SystemTimeToVariantTime, GivesThePublishedDayCountForRealDatesOnly) {
    const SDateCase cases[] = {
        {Time(1899, 12, 30), TRUE, 0.0},
        {Time(1899, 12, 30, 18), TRUE, 0.75},
        {Time(1899, 12, 29, 6), TRUE, -1.25},
        {Time(1899, 12, 28, 12), TRUE, -2.5},
        {Time(1900, 1, 1), TRUE, 2.0},
        {Time(1900, 3, 1), TRUE, 61.0},
        {Time(2000, 1, 1, 12), TRUE, 36526.5},
        {Time(2000, 2, 29), TRUE, 36585.0},
        {Time(100, 1, 1), TRUE, -657434.0},
        {Time(9999, 12, 31, 23, 59, 59), TRUE, 2958465.0 + 86399.0 / 86400.0},
        {Time(99, 12, 31), FALSE, 0.0},
        {Time(10000, 1, 1), FALSE, 0.0},
        {Time(2000, 0, 1), FALSE, 0.0},
        {Time(2000, 13, 1), FALSE, 0.0},
        {Time(2000, 1, 0), FALSE, 0.0},
        {Time(1900, 2, 29), FALSE, 0.0},
        {Time(2001, 4, 31), FALSE, 0.0},
        {Time(2000, 1, 1, 24), FALSE, 0.0},
        {Time(2000, 1, 1, 0, 60), FALSE, 0.0},
        {Time(2000, 1, 1, 0, 0, 60), FALSE, 0.0},
        {Time(-1974, -1, -3), FALSE, 0.0},
    };
    for (const SDateCase& c : cases) {
        double dDate = -99.0;
        EXPECT_EQ(SystemTimeToVariantTime(&c.st, &dDate), c.bValid)
            << c.st.wYear << "-" << c.st.wMonth << "-" << c.st.wDay;
        EXPECT_EQ(dDate, c.bValid ? c.dDate : -99.0) << c.st.wYear << "-" << c.st.wMonth;
    }
}

} // namespace
