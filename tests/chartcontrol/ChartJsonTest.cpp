#include "chartcontrol/ChartJson.h"
#include "chartcontrol/TextEncoding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ChartJson, HasExactlyTheAgreedShape) {
    SChartModel model;
    model.nWidth = 555;
    model.nHeight = 449;
    model.bView3D = false;
    model.header = {"Run \"7\"\n"};
    model.bottom.strTitle = "Date";
    model.bottom.bDateTime = true;
    model.left.bAutomaticMaximum = false;
    model.left.dMaximum = 50.11872336272725;
    model.left.nLabelSeparation = 20;
    model.series.push_back({"north", true, {{45293.5, 0.1, "", 0}, {45294.5, -3e-7, "", 0}}});
    model.series.push_back({"", false, {}});
    EXPECT_EQ(ChartToJson(model),
              "{\"width\":555,\"height\":449,\"view3D\":false,\"header\":[\"Run \\\"7\\\"\\n\"],"
              "\"legend\":{\"visible\":true},\"axes\":{\"bottom\":{\"title\":\"Date\","
              "\"dateTime\":true,\"automaticMinimum\":true,\"automaticMaximum\":true,"
              "\"minimum\":0,\"maximum\":0,\"labelSeparation\":10},\"left\":{\"title\":\"\","
              "\"dateTime\":false,\"automaticMinimum\":true,\"automaticMaximum\":false,"
              "\"minimum\":0,\"maximum\":50.11872336272725,\"labelSeparation\":20}},"
              "\"series\":[{\"title\":\"north\",\"pointsVisible\":true,\"points\":"
              "[[45293.5,0.1],[45294.5,-3e-07]]},{\"title\":\"\",\"pointsVisible\":false,"
              "\"points\":[]}]}\n");
}

TEST(ChartJson, NonFiniteNumbersBecomeStrings) {
    SChartModel model;
    const double inf = std::numeric_limits<double>::infinity();
    model.series.push_back({"s", false, {{std::nan(""), inf, "", 0}, {-inf, 1e308, "", 0}}});
    const std::string strJson = ChartToJson(model);
    EXPECT_NE(strJson.find("[[\"nan\",\"inf\"],[\"-inf\",1e+308]]"), std::string::npos) << strJson;
}

TEST(TextEncoding, KeepsUtf8AndReadsOtherBytesAsLatin1) {
    EXPECT_EQ(BytesToUtf8("plain"), "plain");
    EXPECT_EQ(BytesToUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(BytesToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(BytesToUtf8("\xFF\xC3"), "\xC3\xBF\xC3\x83");
    EXPECT_EQ(BytesToUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80"); // a surrogate is no UTF-8
    EXPECT_EQ(BytesToUtf8("\xF0\x9F\x93\x88"), "\xF0\x9F\x93\x88");
}

} // namespace
