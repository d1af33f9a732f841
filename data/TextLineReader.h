#pragma once

#include "data/ByteDigest.h"

#include <cstddef>
#include <cstdio>

// Reads a stream the way fgets with a 1024-byte buffer reads a text-mode stream on the
// platform the data format comes from: a carriage return right before a line feed is
// dropped, and a line longer than 1023 characters comes out in pieces of 1023.
// Each piece comes with its real length, NUL bytes included. Most pieces are handed out
// where they lie in the read buffer, without a copy.
class CTextLineReader {
public:
    static constexpr std::size_t LINE_BUFFER_SIZE = 1024;

    // Every byte read from the stream is added to pDigest, if given.
    explicit CTextLineReader(FILE* pStream, CByteDigest* pDigest = nullptr)
        : m_pStream(pStream), m_pDigest(pDigest) {}
    CTextLineReader(const CTextLineReader&) = delete;
    CTextLineReader& operator=(const CTextLineReader&) = delete;

    // The next piece in pLine (not NUL-terminated; valid until the next call, the caller's
    // to change) and its length in nLength. False at the end of the input or on a read error.
    bool ReadLine(char*& pLine, std::size_t& nLength);

    bool Failed() const { return m_bFailed; }
    int Error() const { return m_nError; }

private:
    bool Refill();
    bool ReadLineCopied(char*& pLine, std::size_t& nLength);

    FILE* m_pStream;
    CByteDigest* m_pDigest;
    char m_buffer[256 * 1024];
    char* m_pPos = m_buffer;
    char* m_pEnd = m_buffer;
    char m_piece[LINE_BUFFER_SIZE];
    bool m_bFailed = false;
    int m_nError = 0;
};
