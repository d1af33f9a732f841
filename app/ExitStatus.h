#pragma once

// The viewer's exit statuses besides 0.
inline constexpr int EXIT_USAGE = 1;       // no data source on the command line
inline constexpr int EXIT_NO_CHART = 2;    // the chart could not be created
inline constexpr int EXIT_NOT_WRITTEN = 3; // --export could not populate or write its file
