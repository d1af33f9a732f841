#include "data/TextEncoding.h"

std::size_t Utf8SequenceLength(const unsigned char* p, std::size_t n) {
    std::size_t nLength = p[0] < 0xC2 ? 0 : p[0] < 0xE0 ? 2 : p[0] < 0xF0 ? 3 : p[0] < 0xF5 ? 4 : 0;
    if (nLength == 0 || nLength > n)
        return 0;
    for (std::size_t i = 1; i < nLength; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    }
    // Overlong forms, surrogates and values past U+10FFFF.
    if ((p[0] == 0xE0 && p[1] < 0xA0) || (p[0] == 0xED && p[1] >= 0xA0) ||
        (p[0] == 0xF0 && p[1] < 0x90) || (p[0] == 0xF4 && p[1] >= 0x90))
        return 0;
    return nLength;
}

std::string BytesToUtf8(const std::string& strBytes) {
    std::string strText;
    strText.reserve(strBytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(strBytes.data());
    const std::size_t n = strBytes.size();
    for (std::size_t i = 0; i < n;) {
        if (p[i] < 0x80) {
            strText += static_cast<char>(p[i++]);
        } else if (std::size_t nLength = Utf8SequenceLength(p + i, n - i)) {
            strText.append(strBytes, i, nLength);
            i += nLength;
        } else {
            strText += static_cast<char>(0xC0 | (p[i] >> 6));
            strText += static_cast<char>(0x80 | (p[i] & 0x3F));
            ++i;
        }
    }
    return strText;
}
