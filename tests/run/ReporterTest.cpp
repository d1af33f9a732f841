#include "run/Reporter.h"

#include <gtest/gtest.h>

namespace {

TEST(Reporter, SpeaksInTheGnuForm) {
    EXPECT_EQ(ReportLine("verlo", "", 0, "a message"), "verlo: a message");
    EXPECT_EQ(ReportLine("verlo", "x.dat", 0, "cannot open"), "verlo: x.dat: cannot open");
    EXPECT_EQ(ReportLine("verlo", "-", 12, "blank line"), "verlo: -:12: blank line");
}

} // namespace
