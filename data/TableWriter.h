#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The one writer of the tables the viewer prints, copies and saves, in one of two forms:
// - tab-separated values (TSV), rows ending in a line feed: a field's tab, line feed, carriage
//   return and backslash are written as \t, \n, \r and \\, so that every row stays one line
//   and every field one column whatever a legend holds;
// - comma-separated values (CSV, RFC 4180), rows ending in CR LF: a field with a comma, a
//   quote mark or a line end is quoted, its quote marks doubled.
// Numbers are the shortest text that reads back as the same double ("nan" where there is
// none). The text goes to the sink in pieces of about BUFFER_BYTES, so a table of millions of
// rows is never held whole.
class CTableWriter {
public:
    enum class EFormat { Tsv, Csv };
    // Takes the next piece; false when it could not, after which nothing more is sent.
    using Sink = std::function<bool(std::string_view)>;
    static constexpr std::size_t BUFFER_BYTES = 64 * 1024;

    explicit CTableWriter(Sink sink, EFormat format = EFormat::Tsv);
    CTableWriter(const CTableWriter&) = delete;
    CTableWriter& operator=(const CTableWriter&) = delete;

    CTableWriter& Text(std::string_view strField);
    CTableWriter& Number(double dValue);
    CTableWriter& Count(long long nValue);
    // A header line of these names, or any row of texts.
    template <typename Range> CTableWriter& Texts(const Range& fields) {
        for (const auto& field : fields)
            Text(field);
        return *this;
    }
    void EndRow();
    // Sends what is left; false when the sink failed at any point.
    bool Finish();

private:
    void StartField();
    // Room for nBytes more; a field can be longer than the buffer.
    char* Room(std::size_t nBytes);
    void Put(char c) {
        *Room(1) = c;
        ++m_nUsed;
    }
    void Put(std::string_view strText);

    Sink m_sink;
    EFormat m_format;
    // Written field by field where it lies, a million rows at most with a call a field.
    std::vector<char> m_buffer;
    std::size_t m_nUsed = 0;
    bool m_bRowStarted = false;
    bool m_bFailed = false;
};

// The whole table as one text, for the clipboard or a small file.
std::string WholeTable(const std::function<void(CTableWriter&)>& write,
                       CTableWriter::EFormat format = CTableWriter::EFormat::Tsv);
