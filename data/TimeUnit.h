#pragma once

#include <string_view>

// The units a phase, a time, can come in: their names and seconds each.
struct STimeUnit {
    const char* pszName;
    double dSeconds;
};
inline constexpr STimeUnit TIME_UNITS[] = {
    {"s", 1.0}, {"ms", 1e-3}, {"us", 1e-6}, {"ns", 1e-9}, {"ps", 1e-12}};

// Seconds in one strName; 0 for a name that is none of TIME_UNITS.
inline double SecondsPerUnit(std::string_view strName) {
    for (const STimeUnit& unit : TIME_UNITS) {
        if (strName == unit.pszName)
            return unit.dSeconds;
    }
    return 0.0;
}
