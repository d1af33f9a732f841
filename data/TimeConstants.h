#pragma once

// The lengths of a day: days are the unit of Julian Dates and automation dates alike.
inline constexpr double SECONDS_PER_DAY = 86400.0;
inline constexpr long long MILLISECONDS_PER_DAY = 86400000;
// The Julian Date of 1970-01-01T00:00Z, where Unix time counts from.
inline constexpr double UNIX_EPOCH_JULIAN_DATE = 2440587.5;
