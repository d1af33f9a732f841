#pragma once

// The lengths of a day: days are the unit of Julian Dates and automation dates alike.
inline constexpr double SECONDS_PER_DAY = 86400.0;
inline constexpr long long MILLISECONDS_PER_DAY = 86400000;
