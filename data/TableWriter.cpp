#include "data/TableWriter.h"

#include "data/NumberText.h"

#include <utility>

namespace {

void AppendTsvField(std::string& out, std::string_view strField) {
    for (char c : strField) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
}

void AppendCsvField(std::string& out, std::string_view strField) {
    if (strField.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += strField;
        return;
    }
    out += '"';
    for (char c : strField) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

CTableWriter::CTableWriter(Sink sink, EFormat format) : m_sink(std::move(sink)), m_format(format) {
    m_buffer.reserve(BUFFER_BYTES + 1024);
}

void CTableWriter::StartField() {
    if (std::exchange(m_bRowStarted, true))
        m_buffer += m_format == EFormat::Tsv ? '\t' : ',';
}

CTableWriter& CTableWriter::Text(std::string_view strField) {
    StartField();
    if (m_format == EFormat::Tsv)
        AppendTsvField(m_buffer, strField);
    else
        AppendCsvField(m_buffer, strField);
    return *this;
}

CTableWriter& CTableWriter::Number(double dValue) {
    StartField();
    AppendShortest(m_buffer, dValue);
    return *this;
}

CTableWriter& CTableWriter::Count(long long nValue) {
    StartField();
    m_buffer += std::to_string(nValue);
    return *this;
}

void CTableWriter::EndRow() {
    m_buffer += m_format == EFormat::Tsv ? "\n" : "\r\n";
    m_bRowStarted = false;
    if (m_buffer.size() >= BUFFER_BYTES)
        Finish();
}

bool CTableWriter::Finish() {
    if (!m_bFailed && !m_buffer.empty())
        m_bFailed = !m_sink(m_buffer);
    m_buffer.clear();
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
