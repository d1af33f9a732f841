#include "chartcontrol/SavedState.h"
#include "ui/PlotDialogInit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr int IDC_CHART = 1000;
constexpr std::size_t STREAM_OFFSET = 12; // record head (8) and the record's own field (4)
constexpr std::size_t STREAM_SIZE = 173;

std::uint32_t LittleEndian(std::size_t nOffset, std::size_t nBytes) {
    std::uint32_t nValue = 0;
    for (std::size_t i = 0; i < nBytes; ++i)
        nValue |= static_cast<std::uint32_t>(PLOT_DIALOG_INIT[nOffset + i]) << (8 * i);
    return nValue;
}

TEST(SavedState, TheRecordIsLaidOutByteForByte) {
    EXPECT_EQ(sizeof PLOT_DIALOG_INIT, 196u);
    EXPECT_EQ(LittleEndian(0, 2), 1000u);
    EXPECT_EQ(LittleEndian(2, 2), 0x0376u);
    EXPECT_EQ(LittleEndian(4, 4), 186u);
    EXPECT_EQ(LittleEndian(8, 4), 0u);
    EXPECT_EQ(std::memcmp(PLOT_DIALOG_INIT + STREAM_OFFSET, "TPF0\x0BTChartChart\x00", 17), 0);
    // The stream ends with its two end markers at 173 bytes; 9 bytes of the component follow.
    EXPECT_EQ(LittleEndian(STREAM_OFFSET + STREAM_SIZE - 2, 2), 0u);
    const std::uint8_t tail[] = {0x00, 0x00, 0x00, 0x00, 0x02, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(std::memcmp(PLOT_DIALOG_INIT + STREAM_OFFSET + STREAM_SIZE, tail, 9), 0);
    EXPECT_EQ(STREAM_OFFSET + STREAM_SIZE + 9, 8u + 186u);
    EXPECT_EQ(LittleEndian(194, 2), 0u);

    SChartModel model;
    std::string strError;
    ASSERT_TRUE(
        LoadChartStateFromStream(PLOT_DIALOG_INIT + STREAM_OFFSET, STREAM_SIZE, model, strError))
        << strError;
    // Cut one byte short, the stream lacks its last end marker.
    SChartModel shortModel;
    EXPECT_FALSE(LoadChartStateFromStream(PLOT_DIALOG_INIT + STREAM_OFFSET, STREAM_SIZE - 1,
                                          shortModel, strError));
}

TEST(SavedState, TheChartStartsAtItsSavedState) {
    SChartModel model;
    std::string strError;
    ASSERT_TRUE(LoadChartStateFromDialogInit(PLOT_DIALOG_INIT, sizeof PLOT_DIALOG_INIT, IDC_CHART,
                                             model, strError))
        << strError;
    EXPECT_EQ(model.nLeft, 0);
    EXPECT_EQ(model.nTop, 0);
    EXPECT_EQ(model.nWidth, 555);
    EXPECT_EQ(model.nHeight, 449);
    EXPECT_EQ(model.header, std::vector<std::string>{"TeeChart"});
    EXPECT_FALSE(model.bView3D);
    EXPECT_EQ(model.nHorizOffset, 14);
    EXPECT_EQ(model.nOrthoAngle, 50);
    EXPECT_EQ(model.nPerspective, 9);
    EXPECT_TRUE(model.series.empty());
}

TEST(SavedState, NoRecordForTheControlIsAFailure) {
    SChartModel model;
    std::string strError;
    EXPECT_FALSE(LoadChartStateFromDialogInit(PLOT_DIALOG_INIT, sizeof PLOT_DIALOG_INIT, 1001,
                                              model, strError));
    EXPECT_NE(strError.find("1001"), std::string::npos);
}

// Each input sits in a buffer of exactly its size, so that the sanitizer build catches any
// read past its end.
bool LoadCopy(const std::vector<std::uint8_t>& bytes, SChartModel& model) {
    auto pCopy = std::make_unique<std::uint8_t[]>(bytes.size() + (bytes.empty() ? 1 : 0));
    std::copy(bytes.begin(), bytes.end(), pCopy.get());
    std::string strError;
    bool bLoaded =
        LoadChartStateFromDialogInit(pCopy.get(), bytes.size(), IDC_CHART, model, strError);
    EXPECT_EQ(bLoaded, strError.empty());
    return bLoaded;
}

TEST(SavedState, EveryTruncationIsRejected) {
    for (std::size_t n = 0; n < sizeof PLOT_DIALOG_INIT; ++n) {
        SChartModel model;
        EXPECT_FALSE(LoadCopy({PLOT_DIALOG_INIT, PLOT_DIALOG_INIT + n}, model)) << n;
        EXPECT_TRUE(model.header.empty()) << n;
    }
}

TEST(SavedState, CorruptedBytesNeverReadOutOfBounds) {
    int nRejected = 0;
    for (std::size_t i = 0; i < sizeof PLOT_DIALOG_INIT; ++i) {
        for (std::uint8_t nValue : {0x00, 0x01, 0x07, 0x7F, 0x80, 0xFF}) {
            std::vector<std::uint8_t> bytes(PLOT_DIALOG_INIT, PLOT_DIALOG_INIT + 196);
            bytes[i] = nValue;
            SChartModel model;
            nRejected += LoadCopy(bytes, model) ? 0 : 1;
        }
    }
    EXPECT_GT(nRejected, 0);
}

TEST(SavedState, UnknownPropertiesArePassedOver) {
    std::vector<std::uint8_t> stream = {'T', 'P', 'F', '0', 1, 'X', 0};
    auto addName = [&](const std::string& strName) {
        stream.push_back(static_cast<std::uint8_t>(strName.size()));
        stream.insert(stream.end(), strName.begin(), strName.end());
    };
    addName("Gradient.Visible");
    stream.push_back(0x09);
    addName("Width");
    stream.insert(stream.end(), {0x04, 0x10, 0x27, 0x00, 0x00}); // 32-bit 10000
    addName("Left");
    stream.insert(stream.end(), {0x02, 0xFF}); // 8-bit -1
    addName("Top");
    stream.insert(stream.end(), {0x03, 0x00, 0x80}); // 16-bit -32768
    addName("Foot.Text.Strings");
    stream.insert(stream.end(), {0x01, 0x02, 0x05, 0x00});
    stream.insert(stream.end(), {0x00, 0x00});
    SChartModel model;
    std::string strError;
    ASSERT_TRUE(LoadChartStateFromStream(stream.data(), stream.size(), model, strError))
        << strError;
    EXPECT_EQ(model.nWidth, 10000);
    EXPECT_EQ(model.nLeft, -1);
    EXPECT_EQ(model.nTop, -32768);
    EXPECT_TRUE(model.header.empty());

    stream[stream.size() - 1] = 0x07; // a child object where none may be
    EXPECT_FALSE(LoadChartStateFromStream(stream.data(), stream.size(), model, strError));
}

} // namespace
