#include "chartcontrol/ChartExport.h"
#include "tests/chartcontrol/DrawnChart.h"

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

class ChartExport : public DrawnChart {
protected:
    void SetUp() override {
        AddSeries("north", {{1, 1}, {2, 3}, {3, 2}}, true);
        Draw();
    }
    // A CSV holds the owner's table: here one the test makes up.
    SStatus Export(const char* pszName, QSize size = {}) {
        return ExportChart(m_view, Model(), m_folder.filePath(QString::fromUtf8(pszName)),
                           {size, 1, {}, [](const OutputSink& sink) { sink(TABLE); }});
    }
    static constexpr const char* TABLE = "series,x,y\r\nnorth,1,1\r\n";

    QTemporaryDir m_folder;
};

TEST_F(ChartExport, TheExtensionChoosesTheKindAndVectorFilesHoldNoPicture) {
    for (const auto& [pszName, has, picture] :
         {std::tuple<const char*, QByteArrayList, QByteArray>{"c.png", {"\x89PNG"}, {}},
          {"c.svg", {"<?xml", "<circle", "<text", "viewBox=\"0 0 300 200\""}, "<image"},
          {"c.pdf",
           {"%PDF", "/FontFile", "/MediaBox [0 0 300.000000 200.000000]"},
           "/Subtype /Image"},
          {"c.CSV", {TABLE}, {}},
          {"c.Json", {ChartJson(Model()).c_str()}, {}}}) {
        ASSERT_TRUE(Export(pszName, QSize(300, 200)).Ok()) << pszName;
        QFile file(m_folder.filePath(QString::fromUtf8(pszName)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << pszName;
        const QByteArray content = file.readAll();
        for (const QByteArray& part : has)
            EXPECT_TRUE(content.contains(part)) << pszName << ": " << part.toStdString();
        EXPECT_TRUE(picture.isEmpty() || !content.contains(picture)) << pszName;
    }
}

TEST_F(ChartExport, WhatCannotBeWrittenLeavesNoFileAndSaysWhy) {
    QFile plain(m_folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    for (const auto& [pszName, strWhy] :
         {std::pair<const char*, std::string>{"plain/c.png", std::strerror(ENOTDIR)},
          {"missing/c.csv", std::strerror(ENOENT)},
          {"c.gif", ".png, .svg, .pdf, .csv or .json"}}) {
        const SStatus status = Export(pszName);
        EXPECT_EQ(status.cause, ECause::NotWritten) << pszName;
        EXPECT_NE(status.strMessage.find(strWhy), std::string::npos) << status.strMessage;
        EXPECT_FALSE(QFile::exists(m_folder.filePath(QString::fromUtf8(pszName)))) << pszName;
    }
    // A chart with no table of its points has no CSV to give.
    EXPECT_EQ(ExportChart(m_view, Model(), m_folder.filePath("t.csv")).cause, ECause::NotWritten);
}
