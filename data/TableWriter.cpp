#include "data/TableWriter.h"

#include "data/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <utility>

namespace {
// The longest text to_chars gives for a long long.
constexpr std::size_t NUMBER_BYTES = 32;
} // namespace

CTableWriter::CTableWriter(Sink sink, EFormat format)
    : m_sink(std::move(sink)), m_format(format), m_buffer(BUFFER_BYTES + 1024) {}

char* CTableWriter::Room(std::size_t nBytes) {
    if (m_buffer.size() - m_nUsed < nBytes)
        m_buffer.resize(m_nUsed + nBytes);
    return m_buffer.data() + m_nUsed;
}

void CTableWriter::Put(std::string_view strText) {
    char* p = Room(strText.size());
    // Fields are short: copied here, where a call to copy them would cost more.
    for (const char c : strText)
        *p++ = c;
    m_nUsed += strText.size();
}

void CTableWriter::StartField() {
    if (std::exchange(m_bRowStarted, true))
        Put(m_format == EFormat::Tsv ? '\t' : ',');
}

CTableWriter& CTableWriter::Text(std::string_view strField) {
    StartField();
    if (m_format == EFormat::Tsv) {
        for (const char c : strField) {
            switch (c) {
            case '\t':
                Put("\\t");
                break;
            case '\n':
                Put("\\n");
                break;
            case '\r':
                Put("\\r");
                break;
            case '\\':
                Put("\\\\");
                break;
            default:
                Put(c);
            }
        }
    } else if (std::none_of(strField.begin(), strField.end(), [](char c) {
                   return c == ',' || c == '"' || c == '\r' || c == '\n';
               })) {
        Put(strField);
    } else {
        Put('"');
        for (const char c : strField) {
            if (c == '"')
                Put('"');
            Put(c);
        }
        Put('"');
    }
    return *this;
}

CTableWriter& CTableWriter::Number(double dValue) {
    StartField();
    m_nUsed =
        static_cast<std::size_t>(WriteShortest(Room(SHORTEST_BYTES), dValue) - m_buffer.data());
    return *this;
}

CTableWriter& CTableWriter::Count(long long nValue) {
    StartField();
    char* p = Room(NUMBER_BYTES);
    m_nUsed =
        static_cast<std::size_t>(std::to_chars(p, p + NUMBER_BYTES, nValue).ptr - m_buffer.data());
    return *this;
}

void CTableWriter::EndRow() {
    Put(m_format == EFormat::Tsv ? "\n" : "\r\n");
    m_bRowStarted = false;
    if (m_nUsed >= BUFFER_BYTES)
        Finish();
}

bool CTableWriter::Finish() {
    if (!m_bFailed && m_nUsed > 0)
        m_bFailed = !m_sink(std::string_view(m_buffer.data(), m_nUsed));
    m_nUsed = 0;
    return !m_bFailed;
}

std::string WholeTable(const std::function<void(CTableWriter&)>& write,
                       CTableWriter::EFormat format) {
    std::string strText;
    CTableWriter writer(
        [&](std::string_view strPiece) {
            strText += strPiece;
            return true;
        },
        format);
    write(writer);
    writer.Finish();
    return strText;
}
