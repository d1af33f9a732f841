#include "data/TableWriter.h"

#include <gtest/gtest.h>

#include <cmath>

// A long table goes in pieces; a failed one stops it.
TEST(TableWriter, KeepsEveryFieldInItsColumnAndEveryRowOnItsLineAndSendsPieces) {
    const std::string strTable = WholeTable([](CTableWriter& out) {
        out.Texts(std::vector<std::string>{"series", "n", "mean"}).EndRow();
        out.Text("rx1\tUTC(lab)\r\n\\").Count(-3).Number(0.1).EndRow();
        out.Text("").Number(NAN).Number(-INFINITY).EndRow();
    });
    EXPECT_EQ(strTable, "series\tn\tmean\n"
                        "rx1\\tUTC(lab)\\r\\n\\\\\t-3\t0.1\n"
                        "\tnan\t-inf\n");
    // Many CSV readers end a row at a carriage return alone: such a field is quoted.
    EXPECT_EQ(WholeTable([](CTableWriter& out) { out.Text("a\rb").EndRow(); },
                         CTableWriter::EFormat::Csv),
              "\"a\rb\"\r\n");
    std::vector<std::size_t> pieces;
    CTableWriter out([&](std::string_view strPiece) {
        pieces.push_back(strPiece.size());
        return pieces.size() < 2;
    });
    for (int i = 0; i < 30000; ++i)
        out.Text("row").Count(i).EndRow();
    EXPECT_FALSE(out.Finish());
    ASSERT_EQ(pieces.size(), 2U);
    EXPECT_GE(pieces[0], CTableWriter::BUFFER_BYTES);
    EXPECT_LT(pieces[0], CTableWriter::BUFFER_BYTES + 16);
}
