#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The one writer of the tables the viewer prints, copies and saves: tab-separated values, a
// header line and then rows. A field's tab, line feed, carriage return and backslash are
// written as \t, \n, \r and \\, so that every row stays one line and every field one column
// whatever a legend holds. Numbers are the shortest text that reads back as the same double
// ("nan" where there is none). The text goes to the sink in pieces of about BUFFER_BYTES, so
// a table of millions of rows is never held whole.
class CTsvWriter {
public:
    // Takes the next piece; false when it could not, after which nothing more is sent.
    using Sink = std::function<bool(std::string_view)>;
    static constexpr std::size_t BUFFER_BYTES = 64 * 1024;

    explicit CTsvWriter(Sink sink);
    CTsvWriter(const CTsvWriter&) = delete;
    CTsvWriter& operator=(const CTsvWriter&) = delete;

    CTsvWriter& Text(std::string_view strField);
    CTsvWriter& Number(double dValue);
    CTsvWriter& Count(long long nValue);
    // A header line of these names, or any row of texts.
    template <typename Range> CTsvWriter& Texts(const Range& fields) {
        for (const auto& field : fields)
            Text(field);
        return *this;
    }
    void EndRow();
    // Sends what is left; false when the sink failed at any point.
    bool Finish();

    static std::string Escaped(std::string_view strField);

private:
    void StartField();

    Sink m_sink;
    std::string m_buffer;
    bool m_bRowStarted = false;
    bool m_bFailed = false;
};

// The whole table as one text, for the clipboard.
std::string TsvText(const std::function<void(CTsvWriter&)>& write);
