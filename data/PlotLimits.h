#pragma once

// The store's fixed limits: graphs 0 to 9, sets 0 to 4 in each, points 0 to 999 in each set.
constexpr int MAX_GRAPHS = 10;
constexpr int MAX_SETS = 5;
constexpr int MAX_POINTS = 1000;
// The most points a set can be given room for (--max-points).
constexpr long long MAX_POINTS_OPTION = 10000000;
