#include "data/TextLineReader.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

// The reference: every CR LF pair taken as LF, the text cut into pieces as fgets cuts it.
static std::vector<std::string> ReferencePieces(const std::string& raw) {
    std::vector<std::string> pieces;
    std::string piece;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')
            continue;
        piece += raw[i];
        if (raw[i] == '\n' || piece.size() == CTextLineReader::LINE_BUFFER_SIZE - 1)
            pieces.push_back(std::exchange(piece, {}));
    }
    if (!piece.empty())
        pieces.push_back(piece);
    return pieces;
}

static std::vector<std::string> ReaderPieces(std::string raw) {
    std::unique_ptr<FILE, int (*)(FILE*)> pStream(fmemopen(raw.data(), raw.size(), "r"),
                                                  &std::fclose);
    CTextLineReader reader(pStream.get());
    std::vector<std::string> pieces;
    char* pLine = nullptr;
    std::size_t nLength = 0;
    while (reader.ReadLine(pLine, nLength))
        pieces.emplace_back(pLine, nLength);
    EXPECT_FALSE(reader.Failed());
    return pieces;
}

TEST(TextLineReader, MatchesTranslateThenFgetsAcrossBufferRefills) {
    std::mt19937 random(20261206);
    const char alphabet[] = {'a', '1', ' ', '\r', '\n', '\0', '\r'};
    for (int round = 0; round < 20; ++round) {
        std::string raw;
        // Several buffer refills' worth, with line lengths around the piece size.
        while (raw.size() < 700 * 1024) {
            std::size_t nLength = random() % 1100 + (random() % 4 == 0 ? 1000 : 0);
            for (std::size_t i = 0; i < nLength; ++i)
                raw += alphabet[random() % sizeof alphabet];
            raw += random() % 2 ? "\r\n" : "\n";
        }
        ASSERT_EQ(ReaderPieces(raw), ReferencePieces(raw)) << "round " << round;
    }
}
