#include "data/TextLineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
constexpr std::size_t MAX_PIECE = CTextLineReader::LINE_BUFFER_SIZE - 1;
}

bool CTextLineReader::Refill() {
    if (m_bFailed)
        return false;
    errno = 0;
    std::size_t nRead = std::fread(m_buffer, 1, sizeof m_buffer, m_pStream);
    if (nRead == 0 && std::ferror(m_pStream)) {
        m_bFailed = true;
        m_nError = errno;
    }
    m_pPos = m_buffer;
    m_pEnd = m_buffer + nRead;
    if (m_pDigest)
        m_pDigest->Add(m_buffer, nRead);
    return nRead != 0;
}

bool CTextLineReader::ReadLine(char*& pLine, std::size_t& nLength) {
    // The common case: a whole piece lies in the buffer and no carriage return touches its
    // end, so it can be handed out where it is.
    const std::size_t nAvail = static_cast<std::size_t>(m_pEnd - m_pPos);
    auto* pNewline = static_cast<char*>(std::memchr(m_pPos, '\n', std::min(nAvail, MAX_PIECE)));
    if (pNewline) {
        if (pNewline == m_pPos || pNewline[-1] != '\r') {
            pLine = m_pPos;
            nLength = static_cast<std::size_t>(pNewline - m_pPos) + 1;
            m_pPos = pNewline + 1;
            return true;
        }
    } else if (nAvail > MAX_PIECE && m_pPos[MAX_PIECE - 1] != '\r') {
        pLine = m_pPos;
        nLength = MAX_PIECE;
        m_pPos += MAX_PIECE;
        return true;
    }
    return ReadLineCopied(pLine, nLength);
}

bool CTextLineReader::ReadLineCopied(char*& pLine, std::size_t& nLength) {
    nLength = 0;
    bool bEndOfLine = false;
    while (nLength < MAX_PIECE && !bEndOfLine) {
        if (m_pPos == m_pEnd && !Refill())
            break;
        std::size_t nAvail = std::min<std::size_t>(m_pEnd - m_pPos, MAX_PIECE - nLength);
        const void* pNewline = std::memchr(m_pPos, '\n', nAvail);
        std::size_t nTake = pNewline ? static_cast<const char*>(pNewline) - m_pPos + 1 : nAvail;
        std::memcpy(m_piece + nLength, m_pPos, nTake);
        m_pPos += nTake;
        nLength += nTake;
        bEndOfLine = pNewline != nullptr;
    }
    if (bEndOfLine && nLength >= 2 && m_piece[nLength - 2] == '\r') {
        m_piece[nLength - 2] = '\n';
        --nLength;
    } else if (!bEndOfLine && nLength == MAX_PIECE && m_piece[nLength - 1] == '\r') {
        // The pair straddles the piece boundary; translated it is one line feed that fits.
        if ((m_pPos != m_pEnd || Refill()) && *m_pPos == '\n') {
            ++m_pPos;
            m_piece[nLength - 1] = '\n';
        }
    }
    pLine = m_piece;
    return nLength != 0;
}
