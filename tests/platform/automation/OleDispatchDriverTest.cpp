#include "platform/automation/OleDispatchDriver.h"

#include <gtest/gtest.h>

TEST(OleExceptions, MessagesComeFromTheControlOrTheSystem) {
    std::string strMessage;
    EXPECT_FALSE(COleException(static_cast<SCODE>(0x80001234)).GetErrorMessage(strMessage));
    EXPECT_TRUE(COleDispatchException(0, DISP_E_BADINDEX, "src", "").GetErrorMessage(strMessage));
    EXPECT_EQ(strMessage, "Invalid index.");
    EXPECT_FALSE(COleDispatchException(0, 0, "src", "").GetErrorMessage(strMessage));
    EXPECT_TRUE(CMemoryException().GetErrorMessage(strMessage));
}
