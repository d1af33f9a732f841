#include "data/PrintableText.h"

#include "data/TextEncoding.h"

#include <cstdio>

namespace {

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
        } else if (const std::size_t nLength =
                       c >= 0x80 ? Utf8SequenceLength(
                                       reinterpret_cast<const unsigned char*>(strBytes.data()) + i,
                                       strBytes.size() - i)
                                 : 0;
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
