#include "chartcontrol/AutomationDate.h"

#include <gtest/gtest.h>

TEST(AutomationDate, TimeOfDayRunsForwardBeforeTheEpoch) {
    EXPECT_EQ(AutomationDateToLinearDays(-1.25), -0.75);
    EXPECT_EQ(AutomationDateToLinearDays(-2.5), -1.5);
    EXPECT_EQ(AutomationDateToLinearDays(-1.0), -1.0);
    EXPECT_EQ(AutomationDateToLinearDays(2.25), 2.25);
    EXPECT_EQ(AutomationDateToUnixSeconds(25569.0), 0.0);
    EXPECT_EQ(AutomationDateToUnixSeconds(25569.5), 43200.0);
}
