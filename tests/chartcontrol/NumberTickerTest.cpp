#include "chartcontrol/NumberTicker.h"

#include <gtest/gtest.h>

TEST(NumberTickLabels, OneAxisHasOneFormat) {
    for (const auto& [ticks, labels] :
         {std::pair<QVector<double>, QStringList>{{0, 5e5, 1e6, 2.5e6},
                                                  {"0.0·10⁶", "0.5·10⁶", "1.0·10⁶", "2.5·10⁶"}},
          {{2e-7, 4e-7, 1e-6}, {"0.2·10⁻⁶", "0.4·10⁻⁶", "1.0·10⁻⁶"}},
          {{0, 2.5, 5, 10}, {"0.0", "2.5", "5.0", "10.0"}},
          {{-0.2, -1e-17, 0.2}, {"-0.2", "0.0", "0.2"}},
          {{0, 200, 400}, {"0", "200", "400"}}})
        EXPECT_EQ(NumberTickLabels(ticks), labels);
}
