#include "TextLineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

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
    return nRead != 0;
}

bool CTextLineReader::ReadLine(char* pszLine, std::size_t& nLength) {
    constexpr std::size_t nMax = LINE_BUFFER_SIZE - 1;
    nLength = 0;
    bool bEndOfLine = false;
    while (nLength < nMax && !bEndOfLine) {
        if (m_pPos == m_pEnd && !Refill())
            break;
        std::size_t nAvail = std::min<std::size_t>(m_pEnd - m_pPos, nMax - nLength);
        const void* pNewline = std::memchr(m_pPos, '\n', nAvail);
        std::size_t nTake = pNewline ? static_cast<const char*>(pNewline) - m_pPos + 1 : nAvail;
        std::memcpy(pszLine + nLength, m_pPos, nTake);
        m_pPos += nTake;
        nLength += nTake;
        bEndOfLine = pNewline != nullptr;
    }
    if (bEndOfLine && nLength >= 2 && pszLine[nLength - 2] == '\r') {
        pszLine[nLength - 2] = '\n';
        --nLength;
    } else if (!bEndOfLine && nLength == nMax && pszLine[nLength - 1] == '\r') {
        // The pair straddles the piece boundary; translated it is one line feed that fits.
        if (m_pPos != m_pEnd || Refill()) {
            if (*m_pPos == '\n') {
                ++m_pPos;
                pszLine[nLength - 1] = '\n';
            }
        }
    }
    pszLine[nLength] = '\0';
    return nLength != 0;
}
