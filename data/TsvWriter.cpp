#include "data/TsvWriter.h"

#include "data/NumberText.h"

#include <utility>

CTsvWriter::CTsvWriter(Sink sink) : m_sink(std::move(sink)) {
    m_buffer.reserve(BUFFER_BYTES + 1024);
}

std::string CTsvWriter::Escaped(std::string_view strField) {
    std::string out;
    out.reserve(strField.size());
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
    return out;
}

void CTsvWriter::StartField() {
    if (std::exchange(m_bRowStarted, true))
        m_buffer += '\t';
}

CTsvWriter& CTsvWriter::Text(std::string_view strField) {
    StartField();
    m_buffer += Escaped(strField);
    return *this;
}

CTsvWriter& CTsvWriter::Number(double dValue) {
    StartField();
    AppendShortest(m_buffer, dValue);
    return *this;
}

CTsvWriter& CTsvWriter::Count(long long nValue) {
    StartField();
    m_buffer += std::to_string(nValue);
    return *this;
}

void CTsvWriter::EndRow() {
    m_buffer += '\n';
    m_bRowStarted = false;
    if (m_buffer.size() >= BUFFER_BYTES)
        Finish();
}

bool CTsvWriter::Finish() {
    if (!m_bFailed && !m_buffer.empty())
        m_bFailed = !m_sink(m_buffer);
    m_buffer.clear();
    return !m_bFailed;
}

std::string TsvText(const std::function<void(CTsvWriter&)>& write) {
    std::string strText;
    CTsvWriter writer([&](std::string_view strPiece) {
        strText += strPiece;
        return true;
    });
    write(writer);
    writer.Finish();
    return strText;
}
