#include "chart/ChartPopulation.h"
#include "chartcontrol/AutomationDate.h"
#include "data/JulianDay.h"
#include "tests/support/ReadText.h"
#include "tests/support/RecordedChart.h"

#include <gmock/gmock.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>

class ChartPopulation : public RecordedChartTest {
protected:
    SPopulationReport Populate(const std::string& strText, int nGraph = 0) {
        SPopulationReport report;
        PopulateChart(m_chart, *ReadNew(strText), report, nGraph);
        return report;
    }
    const SChartModel& Model() { return m_component.Model(); }
};

// What population says of the points, in one line.
static std::string Counts(const SPopulationReport& r) {
    std::ostringstream out;
    out << r.nPointsAdded << ' ' << r.nNonFiniteY << ' ' << r.dLargestFiniteY << ' '
        << r.refusedDates.nCount << ' ' << r.refusedDates.dMin << '-' << r.refusedDates.dMax << ' '
        << r.nonFiniteX.nCount << ' ' << r.plainOnDateAxis.nCount;
    return out.str();
}

// Populates a chart of its own from the data and gives it back with what population said.
static SPopulationReport PopulateOther(CRecordedChart& component, const CPlotData& data,
                                       int nGraph = 0) {
    CTChart chart;
    chart.AttachControlSite(component.Root());
    SPopulationReport report;
    PopulateChart(chart, data, report, nGraph);
    chart.DetachControlSite();
    return report;
}

// The calls one after another, '|' between them; one on an axis ("left put 3(VT_BOOL 0)")
// comes after the two that reach it.
static std::vector<std::string> Calls(const std::string& strCalls) {
    std::vector<std::string> out;
    std::istringstream in(strCalls);
    for (std::string strCall; std::getline(in, strCall, '|');) {
        if (strCall.starts_with("left ") || strCall.starts_with("bottom "))
            out.insert(out.end(), {"chart get 2()",
                                   strCall[0] == 'l' ? "chart.axes get 1()" : "chart.axes get 4()",
                                   "chart.axes." + strCall});
        else
            out.push_back(strCall);
    }
    return out;
}

// The whole sequence of calls, once: every point through a fresh series wrapper, a date
// caption after every date point, the finishing steps in their order.
TEST_F(ChartPopulation, MakesTheCallsInTheirOrder) {
    // 2451545.0 is 1 January 2000, 12:00: automation date 36526.5. 200000.5 is no date.
    Populate(
        "@subtitle \"Run 7\"\n@S0\n@legend string \"a\"\n200000 1\n200000.5 2\n2451545.0 3\n&\n"
        "@S1\n5 50\n&\n");
    EXPECT_THAT(
        m_component.CallTexts(),
        testing::ElementsAreArray(Calls(
            "chart method 28(VT_I4 0)|chart method 56(VT_I4 0)|"
            "chart.series[0] method 48(VT_R8 2e+05, VT_R8 1, VT_BSTR \"\", VT_I4 536870912)|"
            "bottom get 30()|chart.axes.bottom.title put 2(VT_BSTR \"Date\")|"
            "bottom put 100(VT_BOOL -1)|chart method 56(VT_I4 0)|"
            "chart.series[0] method 48(VT_R8 36526.5, VT_R8 3, VT_BSTR \"\", VT_I4 536870912)|"
            "bottom get 30()|chart.axes.bottom.title put 2(VT_BSTR \"Date\")|"
            "bottom put 100(VT_BOOL -1)|chart method 56(VT_I4 0)|"
            "chart.series[0] put 39(VT_BSTR \"a\")|chart method 28(VT_I4 0)|"
            "chart method 56(VT_I4 1)|"
            "chart.series[1] method 48(VT_R8 5, VT_R8 50, VT_BSTR \"\", VT_I4 536870912)|"
            "chart method 56(VT_I4 1)|chart.series[1] put 39(VT_BSTR \"\")|"
            "chart method 56(VT_I4 0)|chart.series[0] get 43()|"
            "chart.series[0].part43 put 2(VT_BOOL -1)|left get 11()|"
            "chart.axes.left.part11 put 16(VT_I4 20)|left put 3(VT_BOOL 0)|left put 20(VT_R8 0)|"
            "left put 2(VT_BOOL 0)|left put 19(VT_R8 50.11872336272725)|bottom put 3(VT_BOOL -1)|"
            "left get 30()|chart.axes.left.title put 2(VT_BSTR \"Value\")|chart get 22()|"
            "chart.header get 6()|chart.header.strings put 2(VT_I4 0, VT_BSTR \"Run 7\")")));
    // Each call reached its part of the chart.
    const SChartModel& model = Model();
    EXPECT_TRUE(model.bLegendVisible && model.bottom.bDateTime && model.series[0].bPointsVisible);
    EXPECT_FALSE(model.left.bAutomaticMinimum || model.left.bAutomaticMaximum);
    EXPECT_EQ(model.left.dMaximum, 50.11872336272725);
    EXPECT_EQ(model.left.nLabelSeparation, 20);
    EXPECT_EQ(model.series[0].strTitle + model.left.strTitle + model.bottom.strTitle, "aValueDate");
    EXPECT_EQ(model.header, std::vector<std::string>{"Run 7"});
}

TEST_F(ChartPopulation, ShowsOneGraphAndTheLegendOnlyForSeveralSets) {
    const char* pszText = "@S0\n1 1\n&\n@WITH G3\n@subtitle \"three\"\n@S0\n@S1\n2 200\n&\n";
    Populate(pszText);
    EXPECT_FALSE(Model().bLegendVisible);
    EXPECT_EQ(Model().series.size(), 1u);
    EXPECT_EQ(Model().left.dMaximum, 1.0);
    EXPECT_EQ(Model().header, std::vector<std::string>{""});

    CRecordedChart other;
    PopulateOther(other, *ReadNew(pszText), 3);
    EXPECT_TRUE(other.Model().bLegendVisible);
    ASSERT_EQ(other.Model().series.size(), 2u);
    EXPECT_EQ(other.Model().series[1].y.at(0), 200.0);
    EXPECT_EQ(other.Model().header, std::vector<std::string>{"three"});
}

TEST_F(ChartPopulation, CountsWhatThePictureLeavesOut) {
    const SPopulationReport report =
        Populate("@S0\n300000 1\ninf 2\nnan 3\n-inf 6\n100000 4\n2451545 5\n1 nan\n7 -inf\n&\n");
    EXPECT_EQ(Counts(report), "2 2 5 2 300000-inf 2 1");
    EXPECT_EQ(Model().series.at(0).Size(), 6u);
}

// Beyond the fixed capacity a set goes over in one call, and the chart holds what the calls a
// point would have given it, to the bit; the notes count the same. A set of dates alone goes as
// the store's own block, its dates to the millisecond.
TEST_F(ChartPopulation, ALongSetGoesOverInOneCallAndArrivesWhole) {
    for (const auto& [pszText, pszCall] :
         {std::pair{"@S0\n2451545.0 3\n300000 4\n5 6\nnan 7\n2451546.25 nan\n&\n",
                    "[8], VT_BOOL 0"},
          {"@S0\n2415018.25 5\n2451545.0 3\n2451545.4999999999 1\n2415018.75 inf\n2460310.50034722 "
           "-2\n&\n",
           "[10], VT_BOOL -1"}}) {
        CRecordedChart oneByOne, bulkComponent;
        const SPopulationReport pointByPoint = PopulateOther(oneByOne, *ReadNew(pszText));
        const SPopulationReport inBulk = PopulateOther(bulkComponent, *ReadNew(pszText, 2000));
        EXPECT_THAT(bulkComponent.CallTexts(),
                    testing::Contains(std::string("chart.series[0] method 101(VT_ARRAY|VT_R8 ") +
                                      pszCall + ")"));
        const SChartSeries& bulk = bulkComponent.Model().series.at(0);
        const SChartSeries& specified = oneByOne.Model().series.at(0);
        ASSERT_EQ(bulk.Size(), specified.Size());
        for (std::size_t i = 0; i < bulk.Size(); ++i) {
            const double dValues[] = {bulk.X(i), bulk.Y(i), specified.X(i), specified.Y(i)};
            EXPECT_EQ(std::memcmp(dValues, dValues + 2, 2 * sizeof(double)), 0) << i;
        }
        EXPECT_EQ(bulkComponent.Model().bottom.strTitle, "Date");
        EXPECT_EQ(Counts(inBulk), Counts(pointByPoint));
    }
}

// Markers on more points than the fixed capacity would make a band that hides the line.
TEST_F(ChartPopulation, Set0HasMarkersUpToTheFixedCapacityOnly) {
    for (const int nPoints : {1000, 1001}) {
        std::string strText = "@S0\n";
        while (strText.size() < 4 * static_cast<std::size_t>(nPoints + 1))
            strText += "1 1\n";
        CRecordedChart component;
        PopulateOther(component, *ReadNew(strText + "&\n", 2000));
        EXPECT_EQ(component.Model().series.at(0).bPointsVisible, nPoints == 1000) << nPoints;
    }
}

TEST_F(ChartPopulation, AFailureEndsPopulationAtTheFailingCall) {
    // Call 8 is the AddXY of set 1's first point.
    m_component.FailCall(8, "Out of points");
    EXPECT_THROW(Populate("@S0\n1 1\n&\n@S1\n2 2\n&\n@S2\n3 3\n&\n"), COleDispatchException);
    EXPECT_EQ(m_component.CallTexts().size(), 8u);
    ASSERT_EQ(Model().series.size(), 2u);
    EXPECT_EQ(Model().series[1].Size(), 0u);
    EXPECT_EQ(Model().header, std::vector<std::string>{"TeeChart"});
}

// Automation date of a whole day count and a time of day in milliseconds.
static double Automation(double dDays, long nMilliseconds) {
    return dDays + static_cast<double>(nMilliseconds) / 86400000.0;
}

// No date (NaN) where the Julian Date is refused.
TEST(JulianToVariantTime, RoundsToTheMillisecondCarriesAndTakesOnlyDatesThatFitTheirFields) {
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
        // Year 926067 would wrap to 8755 in 16 bits; year 10000 and before year 100 are refused.
        // The last second of 9999 rounds into the year 10000.
        {339886772.9844818, NAN},
        {5373484.5, NAN},
        {1757583.5, NAN},
        {200000.5, NAN},
        {1e300, NAN},
        {CalendarToJulian(12, 31, 9999, 23, 59, 59.9999), NAN},
    };
    for (const auto& c : cases) {
        double dDate = -99.0;
        EXPECT_EQ(JulianToVariantTime(c.dJulian, dDate) != FALSE, !std::isnan(c.dDate))
            << std::setprecision(17) << c.dJulian;
        EXPECT_EQ(dDate, std::isnan(c.dDate) ? -99.0 : c.dDate)
            << std::setprecision(17) << c.dJulian;
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

// The fast and quick dates of long series against the specified steps, bit for bit: around
// midnight and the carry of a second, at the ends of the years automation dates take, and at
// random (and with seconds of exactly half a millisecond); each comes back from its place on a
// date axis.
TEST(FastJulianToVariantTime, GivesTheSpecifiedStepsDate) {
    std::vector<double> julians = {
        1757584.4,          1757584.5,  1757585.4999999995, 1757585.5, 5373484.4999999,
        5373484.4999999995, 5373484.5,  2451545.0,          2451544.5, 2451544.4999999998,
        2415018.5,          2415018.25, 300000.0,           1e300,     2451545.0004882812};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> anyDay(1757000.0, 5374000.0);
    for (int i = 0; i < 200000; ++i)
        julians.push_back(anyDay(random));
    for (const double dJulian : julians) {
        double dFast = -1.0, dSpecified = -1.0;
        const bool bFast = FastJulianToVariantTime(dJulian, dFast);
        ASSERT_EQ(bFast, JulianToVariantTime(dJulian, dSpecified) != FALSE) << dJulian;
        double dQuick = dSpecified;
        const double dBack = UnixSecondsToAutomationDate(AutomationDateToUnixSeconds(dFast));
        const bool bQuick = QuickJulianToVariantTime(dJulian, dQuick);
        ASSERT_TRUE(!bQuick || (bFast && std::memcmp(&dQuick, &dFast, sizeof dFast) == 0))
            << dJulian;
        if (bFast) {
            ASSERT_EQ(std::memcmp(&dFast, &dSpecified, sizeof dFast), 0) << dJulian;
            ASSERT_EQ(std::memcmp(&dBack, &dSpecified, sizeof dFast), 0) << dJulian;
        }
    }
}
