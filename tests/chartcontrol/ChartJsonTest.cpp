#include "chartcontrol/ChartJson.h"
#include "tests/chartcontrol/DrawnChart.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

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
    model.series.push_back({"north", true, {45293.5, 45294.5}, {0.1, -3e-7}, {}, {}, {}});
    model.series.push_back({"", false, {NAN, -INFINITY}, {INFINITY, 1e308}, {}, {}, {}});
    EXPECT_EQ(ChartJson(model),
              "{\"width\":555,\"height\":449,\"view3D\":false,\"header\":[\"Run \\\"7\\\"\\n\"],"
              "\"legend\":{\"visible\":true},\"axes\":{\"bottom\":{\"title\":\"Date\","
              "\"dateTime\":true,\"automaticMinimum\":true,\"automaticMaximum\":true,"
              "\"minimum\":0,\"maximum\":0,\"labelSeparation\":10},\"left\":{\"title\":\"\","
              "\"dateTime\":false,\"automaticMinimum\":true,\"automaticMaximum\":false,"
              "\"minimum\":0,\"maximum\":50.11872336272725,\"labelSeparation\":20}},"
              "\"series\":[{\"title\":\"north\",\"pointsVisible\":true,\"points\":"
              "[[45293.5,0.1],[45294.5,-3e-07]]},{\"title\":\"\",\"pointsVisible\":false,"
              "\"points\":[[\"nan\",\"inf\"],[\"-inf\",1e+308]]}]}\n");
}

TEST(ChartJson, TextsWithControlCharactersQuotesAndBackslashesComeBackWhole) {
    const std::string strText = "tab\t CR\r LF\n \x01\x1F \"quoted\" back\\slash caf\xC3\xA9";
    SChartModel model;
    model.header = {strText};
    model.series.push_back({strText, false, {}, {}, {}, {}, {}});
    const std::string strJson = ChartJson(model);
    // JSON allows no control character unescaped, though the toolkit's reader takes them.
    EXPECT_TRUE(std::none_of(strJson.begin(), strJson.end() - 1, [](unsigned char c) {
        return c < 0x20;
    })) << strJson;
    QJsonParseError error;
    const QJsonObject chart =
        QJsonDocument::fromJson(QByteArray::fromStdString(strJson), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << strJson;
    EXPECT_EQ(chart["header"][0].toString().toStdString(), strText);
    EXPECT_EQ(chart["series"][0]["title"].toString().toStdString(), strText);
}

// A long series goes out in pieces that join to the whole; a sink that fails gets no more.
TEST(ChartJson, ALongSeriesGoesOutInPieces) {
    SChartModel model;
    model.series.push_back({"long", false, {}, {}, {}, {}, {}});
    std::string strPoints;
    for (int i = 0; i < 20000; ++i) {
        model.series[0].Add(i, -i);
        strPoints += (i ? ",[" : "[") + std::to_string(i) + "," + std::to_string(-i) + "]";
    }
    int nPieces = 0;
    const std::string strJson = ChartJson(model, &nPieces);
    EXPECT_GT(nPieces, 3);
    EXPECT_NE(strJson.find("\"points\":[" + strPoints + "]}]}\n"), std::string::npos);
    int nCalls = 0;
    EXPECT_FALSE(WriteChartJson(model, [&](std::string_view) { return ++nCalls > 1; }));
    EXPECT_EQ(nCalls, 1);
}
