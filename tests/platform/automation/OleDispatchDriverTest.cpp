#include "platform/automation/OleDispatchDriver.h"
#include "tests/support/RecordedChart.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(DispatchDriver, OwnsOneReferenceAndReleasesItOnce) {
    CRecordedChart chart;
    LPDISPATCH pRoot = chart.Root();
    for (int i = 0; i < 3; ++i)
        pRoot->AddRef();
    {
        COleDispatchDriver driver(pRoot);
        driver.ReleaseDispatch();
        driver.ReleaseDispatch();
        COleDispatchDriver first(pRoot);
        COleDispatchDriver second(std::move(first));
        EXPECT_EQ(first.m_lpDispatch, nullptr);
        COleDispatchDriver borrowed(pRoot, FALSE); // without auto-release: the caller's
    }
    EXPECT_EQ(chart.OutstandingReferences(), 1);
    pRoot->Release();
    EXPECT_EQ(chart.OverReleases(), 0);
}

TEST(DispatchDriver, ArgumentsMustFitTheirTypeCodes) {
    CRecordedChart chart;
    chart.Root()->AddRef();
    COleDispatchDriver driver(chart.Root());
    EXPECT_THROW(driver.InvokeHelper(28, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_I4, "text"),
                 std::invalid_argument);
    EXPECT_THROW(driver.InvokeHelper(28, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_I4 VTS_I4, 1),
                 std::invalid_argument);
    EXPECT_TRUE(chart.CallTexts().empty());
}

TEST(VariantChangeType, ConvertsAsAutomationDoes) {
    const struct {
        COleVariant from;
        VARTYPE to;
        HRESULT hr;
        const char* pszResult;
    } cases[] = {
        {COleVariant(2.5), VT_I4, S_OK, "VT_I4 2"},
        {COleVariant(3.5), VT_I4, S_OK, "VT_I4 4"},
        {COleVariant(-2.5), VT_I4, S_OK, "VT_I4 -2"},
        {COleVariant(3e10), VT_I4, DISP_E_OVERFLOW, "VT_EMPTY"},
        {COleVariant(std::nan("")), VT_I4, DISP_E_OVERFLOW, "VT_EMPTY"},
        {COleVariant::FromBool(TRUE), VT_I4, S_OK, "VT_I4 -1"},
        {COleVariant(), VT_I4, S_OK, "VT_I4 0"},
        {COleVariant(LONG{7}), VT_R8, S_OK, "VT_R8 7"},
        {COleVariant(0.0), VT_BOOL, S_OK, "VT_BOOL 0"},
        {COleVariant("7"), VT_I4, DISP_E_TYPEMISMATCH, "VT_EMPTY"},
        {COleVariant(LONG{1}), VT_DISPATCH, DISP_E_TYPEMISMATCH, "VT_EMPTY"},
        {COleVariant("x"), VT_VARIANT, S_OK, "VT_BSTR \"x\""},
    };
    for (const auto& c : cases) {
        COleVariant result;
        EXPECT_EQ(VariantChangeType(result, c.from, c.to), c.hr) << c.from.Describe();
        EXPECT_EQ(result.Describe(), c.pszResult) << c.from.Describe();
    }
}

TEST(OleVariant, CopiesHoldTheirOwnReference) {
    CRecordedChart chart;
    chart.Root()->AddRef();
    {
        COleVariant held(chart.Root());
        COleVariant copy = held;
        EXPECT_EQ(chart.OutstandingReferences(), 2);
        VariantClear(&copy);
        EXPECT_EQ(chart.OutstandingReferences(), 1);
        LPDISPATCH pDetached = held.DetachDispatch();
        EXPECT_TRUE(held.IsEmpty());
        pDetached->Release();
    }
    EXPECT_EQ(chart.OutstandingReferences(), 0);
    EXPECT_EQ(chart.OverReleases(), 0);
}

TEST(OleExceptions, MessagesComeFromTheControlOrTheSystem) {
    std::string strMessage;
    EXPECT_FALSE(COleException(static_cast<SCODE>(0x80001234)).GetErrorMessage(strMessage));
    EXPECT_TRUE(COleDispatchException(0, DISP_E_BADINDEX, "src", "").GetErrorMessage(strMessage));
    EXPECT_EQ(strMessage, "Invalid index.");
    EXPECT_FALSE(COleDispatchException(0, 0, "src", "").GetErrorMessage(strMessage));
    EXPECT_TRUE(CMemoryException().GetErrorMessage(strMessage));
}

} // namespace
