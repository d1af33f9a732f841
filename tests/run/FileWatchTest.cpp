#include "run/FileWatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

// A writer that closes the file once is not waited for; one that rewrites it with no pause as
// long as the settling wait, closing it each time, is once it has gone on longer than that.
TEST(FileWatch, SaysItWaitsForAWriterThatNeverPausesOnly) {
    int argc = 1;
    char szName[] = "run_tests";
    char* argv[] = {szName, nullptr};
    QCoreApplication app(argc, argv);
    const std::string strPath = testing::TempDir() + "busy.dat";
    std::ofstream(strPath) << "1 1\n";
    CFileWatch watch(QString::fromStdString(strPath), nullptr);
    bool bWaited = false, bLooked = false;
    QObject::connect(&watch, &CFileWatch::WaitingChanged,
                     [&] { bWaited = bWaited || watch.Waiting(); });
    QObject::connect(&watch, &CFileWatch::Changed, [&] { bLooked = true; });
    QElapsedTimer clock;
    std::ofstream(strPath) << "1 1\n";
    for (clock.start(); !bLooked && clock.elapsed() < 2000;)
        QCoreApplication::processEvents();
    EXPECT_TRUE(bLooked && !bWaited);
    for (clock.start(); !bWaited && clock.elapsed() < 2000;) {
        std::ofstream(strPath) << "1 1\n";
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(bWaited);
}

} // namespace
