#include "chart/PrintableText.h"

#include <cstdio>

namespace {

// The length of the valid UTF-8 sequence at the start of str, or 0 when there is none:
// no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t Utf8Length(std::string_view str) {
    const auto c = static_cast<unsigned char>(str[0]);
    std::size_t nLength = 0;
    unsigned nLowest = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        nLength = 2;
        nLowest = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        nLength = 3;
        nLowest = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        nLength = 4;
        nLowest = 0x10000;
    } else {
        return 0;
    }
    if (str.size() < nLength)
        return 0;
    unsigned nCode = c & (0x7F >> nLength);
    for (std::size_t i = 1; i < nLength; ++i) {
        const auto cNext = static_cast<unsigned char>(str[i]);
        if ((cNext & 0xC0) != 0x80)
            return 0;
        nCode = (nCode << 6) | (cNext & 0x3F);
    }
    const bool bSurrogate = nCode >= 0xD800 && nCode <= 0xDFFF;
    return nCode < nLowest || bSurrogate || nCode > 0x10FFFF ? 0 : nLength;
}

void AppendHex(std::string& out, unsigned char c) {
    char szEscape[5];
    std::snprintf(szEscape, sizeof szEscape, "\\x%02x", c);
    out += szEscape;
}

} // namespace

std::string PrintableText(std::string_view strBytes) {
    static constexpr char SHORT_ESCAPES[] = "abtnvfr"; // 0x07 to 0x0D
    std::string out;
    out.reserve(strBytes.size());
    for (std::size_t i = 0; i < strBytes.size();) {
        const auto c = static_cast<unsigned char>(strBytes[i]);
        if (c == '\t' || (c >= 0x20 && c < 0x7F)) {
            out += static_cast<char>(c);
            ++i;
        } else if (c >= 0x07 && c <= 0x0D) {
            out += '\\';
            out += SHORT_ESCAPES[c - 0x07];
            ++i;
        } else if (const std::size_t nLength = c >= 0x80 ? Utf8Length(strBytes.substr(i)) : 0;
                   nLength > 0 &&
                   !(c == 0xC2 && static_cast<unsigned char>(strBytes[i + 1]) < 0xA0)) {
            // U+0080 to U+009F, encoded C2 80 to C2 9F, are the C1 controls (CSI among them).
            out.append(strBytes.substr(i, nLength));
            i += nLength;
        } else if (nLength > 0) {
            for (std::size_t j = 0; j < nLength; ++j)
                AppendHex(out, static_cast<unsigned char>(strBytes[i + j]));
            i += nLength;
        } else {
            AppendHex(out, c);
            ++i;
        }
    }
    return out;
}
