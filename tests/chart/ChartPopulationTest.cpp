#include "chart/ChartPopulation.h"
#include "data/JulianDay.h"
#include "tests/support/ReadText.h"
#include "tests/support/ScriptedChart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

std::string Number(double dValue) {
    char szNumber[32];
    return std::string(szNumber, std::to_chars(szNumber, szNumber + sizeof szNumber, dValue).ptr);
}

Calls& operator+=(Calls& calls, const Calls& more) {
    calls.insert(calls.end(), more.begin(), more.end());
    return calls;
}

const std::string ADD_SERIES = "chart method 28(VT_I4 0)";

Calls Point(int nSet, double dX, double dY) {
    const std::string strSet = std::to_string(nSet);
    return {"chart method 56(VT_I4 " + strSet + ")",
            "chart.series[" + strSet + "] method 48(VT_R8 " + Number(dX) + ", VT_R8 " + Number(dY) +
                ", VT_BSTR \"\", VT_I4 536870912)"};
}

Calls DateCaption() {
    return {"chart get 2()",
            "chart.axes get 4()",
            "chart.axes.bottom get 30()",
            "chart.axes.bottom.title put 2(VT_BSTR \"Date\")",
            "chart get 2()",
            "chart.axes get 4()",
            "chart.axes.bottom put 100(VT_BOOL -1)"};
}

Calls Title(int nSet, const std::string& strTitle) {
    const std::string strSet = std::to_string(nSet);
    return {"chart method 56(VT_I4 " + strSet + ")",
            "chart.series[" + strSet + "] put 39(VT_BSTR \"" + strTitle + "\")"};
}

Calls Finishing(bool bHasSeries, double dScaleMaximum, int nSets, const std::string& strSubtitle) {
    Calls calls = {"chart method 56(VT_I4 0)"};
    if (bHasSeries)
        calls += {"chart.series[0] get 43()", "chart.series[0].part43 put 2(VT_BOOL -1)"};
    calls += {"chart get 2()",
              "chart.axes get 1()",
              "chart.axes.left get 11()",
              "chart.axes.left.part11 put 16(VT_I4 20)",
              "chart get 2()",
              "chart.axes get 1()",
              "chart.axes.left put 3(VT_BOOL 0)",
              "chart get 2()",
              "chart.axes get 1()",
              "chart.axes.left put 20(VT_R8 0)",
              "chart get 2()",
              "chart.axes get 1()",
              "chart.axes.left put 2(VT_BOOL 0)",
              "chart get 2()",
              "chart.axes get 1()",
              "chart.axes.left put 19(VT_R8 " + Number(dScaleMaximum) + ")",
              "chart get 2()",
              "chart.axes get 4()",
              "chart.axes.bottom put 3(VT_BOOL -1)",
              "chart get 2()",
              "chart.axes get 1()",
              "chart.axes.left get 30()",
              "chart.axes.left.title put 2(VT_BSTR \"Value\")"};
    if (nSets == 1)
        calls += {"chart get 15()", "chart.legend put 17(VT_BOOL 0)"};
    calls += {"chart get 22()", "chart.header get 6()",
              "chart.header.strings put 2(VT_I4 0, VT_BSTR \"" + strSubtitle + "\")"};
    return calls;
}

class ChartPopulation : public testing::Test {
protected:
    void SetUp() override { m_chart.AttachControlSite(m_double.Root()); }
    void TearDown() override {
        m_chart.DetachControlSite();
        EXPECT_EQ(m_double.OutstandingReferences(), 0);
        EXPECT_EQ(m_double.OverReleases(), 0);
    }
    void Populate(const std::string& strText) {
        SPopulationReport report;
        PopulateChart(m_chart, *ReadNew(strText), report);
    }

    CScriptedChart m_double;
    CTChart m_chart;
};

TEST_F(ChartPopulation, TwoSetsOfPlainPoints) {
    Populate("@subtitle \"Run 7\"\n@S0\n@legend string \"a\"\n1 2\n3 4\n&\n"
             "@S1\n@legend string \"b\"\n5 50\n&\n");
    Calls expected = {ADD_SERIES};
    expected += Point(0, 1, 2);
    expected += Point(0, 3, 4);
    expected += Title(0, "a");
    expected += {ADD_SERIES};
    expected += Point(1, 5, 50);
    expected += Title(1, "b");
    expected += Finishing(true, 50.11872336272725, 2, "Run 7");
    EXPECT_THAT(m_double.CallTexts(), testing::ElementsAreArray(expected));
    EXPECT_EQ(m_double.HeaderLines(), std::vector<std::string>{"Run 7"});
}

TEST_F(ChartPopulation, PlainAndDatePointsInOneSet) {
    // 2451545.0 is 1 January 2000, 12:00: automation date 36526.5.
    Populate("@S0\n200000 1\n200000.5 2\n2451545.0 3\n7 50\n&\n");
    Calls expected = {ADD_SERIES};
    expected += Point(0, 200000, 1);
    // 200000.5 is no calendar date the platform takes: no point, but the caption all the same.
    expected += DateCaption();
    expected += Point(0, 36526.5, 3);
    expected += DateCaption();
    expected += Point(0, 7, 50);
    expected += Title(0, "");
    expected += Finishing(true, 50.11872336272725, 1, "");
    EXPECT_THAT(m_double.CallTexts(), testing::ElementsAreArray(expected));
}

TEST_F(ChartPopulation, DateSecondsKeepTheirMilliseconds) {
    // 10:15:59.999 on 4 April 1993 stays 10:15:59.999.
    const double dJulian = 2449081.5 + (10 * 3600 + 15 * 60 + 59.999) / 86400.0;
    Populate("@S0\n" + Number(dJulian) + " 1\n&\n");
    ASSERT_EQ(m_double.SeriesPoints(0).size(), 1u);
    EXPECT_EQ(m_double.SeriesPoints(0)[0].dX, 34063.0 + (36900000 + 59999) / 86400000.0);
}

TEST_F(ChartPopulation, ASetWithoutPointsStillGetsItsSeriesAndTitle) {
    Populate("@S0\n@legend string \"empty\"\n&\n@S1\n1 1\n&\n");
    Calls expected = {ADD_SERIES};
    expected += Title(0, "empty");
    expected += {ADD_SERIES};
    expected += Point(1, 1, 1);
    expected += Title(1, "");
    expected += Finishing(true, 1.0, 2, "");
    EXPECT_THAT(m_double.CallTexts(), testing::ElementsAreArray(expected));
}

TEST_F(ChartPopulation, NoSetsSkipsOnlyTheSeriesStep) {
    Populate("@subtitle \"\"\n1 1\n&\n");
    EXPECT_THAT(m_double.CallTexts(), testing::ElementsAreArray(Finishing(false, 1.0, 0, "")));
    EXPECT_EQ(m_double.SeriesCount(), 0);
}

TEST_F(ChartPopulation, OnlyGraphZeroIsShown) {
    Populate("@WITH G1\n@S0\n1 1\n&\n@WITH G0\n@subtitle \"zero\"\n");
    EXPECT_THAT(m_double.CallTexts(), testing::ElementsAreArray(Finishing(false, 0.0, 0, "zero")));
}

TEST_F(ChartPopulation, AFailureEndsPopulationAtTheFailingCall) {
    // Call 8 is the AddXY of set 1's first point.
    m_double.FailCall(8, "Out of points");
    EXPECT_THROW(Populate("@S0\n1 1\n&\n@S1\n2 2\n&\n@S2\n3 3\n&\n"), COleDispatchException);
    Calls expected = {ADD_SERIES};
    expected += Point(0, 1, 1);
    expected += Title(0, "");
    expected += {ADD_SERIES};
    expected += Point(1, 2, 2);
    EXPECT_THAT(m_double.CallTexts(), testing::ElementsAreArray(expected));
    EXPECT_EQ(m_double.SeriesCount(), 2);
}

// Automation date of a whole day count and a time of day in milliseconds.
double Automation(double dDays, long nMilliseconds) {
    return dDays + static_cast<double>(nMilliseconds) / 86400000.0;
}

TEST(JulianToVariantTime, RoundsToTheMillisecondAndCarriesAsFarAsTheCalendarNeeds) {
    const struct {
        double dJulian;
        double dDate;
    } cases[] = {
        // 1 January 2000, 13:00: the Julian Date lies a hair below the hour.
        {2451545.0 + 1.0 / 24, Automation(36526, 13 * 3600000)},
        // 23:59:59.9996 on 31 December 1999 is midnight of the new year.
        {CalendarToJulian(12, 31, 1999, 23, 59, 59.9996), 36526.0},
        // ...on 28 February 2001 the next day is 1 March, on 29 February 2000 too.
        {CalendarToJulian(2, 28, 2001, 23, 59, 59.9996), 36951.0},
        {CalendarToJulian(2, 29, 2000, 23, 59, 59.9996), 36586.0},
        // Before 30 December 1899 the time of day still counts forwards: 06:00 is -1.25.
        {CalendarToJulian(12, 29, 1899, 5, 59, 59.9996), -1.25},
        {CalendarToJulian(4, 4, 1993, 10, 15, 59.25), Automation(34063, 36959250)},
    };
    for (const auto& c : cases) {
        double dDate = -99.0;
        EXPECT_TRUE(JulianToVariantTime(c.dJulian, dDate)) << Number(c.dJulian);
        EXPECT_EQ(dDate, c.dDate) << Number(c.dJulian);
    }
    // Quarter seconds keep their spacing exactly.
    for (int k = 0; k < 12; ++k) {
        double dDate = 0.0;
        ASSERT_TRUE(JulianToVariantTime(2451545.0 + k * 0.25 / 86400.0, dDate));
        EXPECT_EQ(dDate, Automation(36526, 43200000 + 250 * k)) << k;
    }
}

TEST(JulianToVariantTime, TakesOnlyDatesThatFitTheirFields) {
    double dDate = -1.0;
    EXPECT_TRUE(JulianToVariantTime(2451545.0, dDate));
    EXPECT_EQ(dDate, 36526.5);
    // Year 926067 would wrap to 8755 in 16 bits; year 10000 and before year 100 are refused.
    // The last second of 9999 rounds into the year 10000.
    for (double dJulian : {339886772.9844818, 5373484.5, 1757583.5, 200000.5, 1e300,
                           CalendarToJulian(12, 31, 9999, 23, 59, 59.9999)}) {
        dDate = -1.0;
        EXPECT_FALSE(JulianToVariantTime(dJulian, dDate)) << dJulian;
        EXPECT_EQ(dDate, -1.0);
    }
}

TEST(ScaleMaximum, IsTheNextPowerOfTenInTenths) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, double> cases[] = {
        {1, 1},     {7, 7.943282347242816},     {20, 25.11886431509581},   {50, 50.11872336272725},
        {100, 100}, {1234, 1258.9254117941675}, {0.5, 0.5011872336272722}, {0.0, 0.0},
        {inf, inf}};
    for (const auto& [dMaxY, dScale] : cases)
        EXPECT_EQ(ScaleMaximum(dMaxY), dScale) << dMaxY;
}

} // namespace
