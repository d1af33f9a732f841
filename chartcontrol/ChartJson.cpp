#include "chartcontrol/ChartJson.h"

#include "data/NumberText.h"
#include "data/Parallel.h"
#include "data/TextEncoding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

// The longest text WriteNumber writes.
constexpr std::size_t NUMBER_BYTES = SHORTEST_BYTES;

// A number, or the text of one that JSON has no number for.
char* WriteNumber(char* pOut, double dValue) {
    if (std::isfinite(dValue))
        return WriteShortest(pOut, dValue);
    const std::string_view strText = std::isnan(dValue) ? "\"nan\""
                                     : dValue > 0       ? "\"inf\""
                                                        : "\"-inf\"";
    return std::copy(strText.begin(), strText.end(), pOut);
}

void AppendNumber(std::string& out, double dValue) {
    char szNumber[NUMBER_BYTES];
    out.append(szNumber, WriteNumber(szNumber, dValue));
}

void AppendString(std::string& out, const std::string& strBytes) {
    out += '"';
    for (char ch : BytesToUtf8(strBytes)) {
        auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20) {
            char szEscape[8];
            std::snprintf(szEscape, sizeof szEscape, "\\u%04x", c);
            out += szEscape;
        } else {
            out += ch;
        }
    }
    out += '"';
}

void AppendValue(std::string& out, bool bValue) {
    out += bValue ? "true" : "false";
}
void AppendValue(std::string& out, double dValue) {
    AppendNumber(out, dValue);
}
void AppendValue(std::string& out, int nValue) {
    out += std::to_string(nValue);
}
void AppendValue(std::string& out, const std::string& strText) {
    AppendString(out, strText);
}

// ,"name":value (without the comma for the first field of an object).
template <class T> void AppendField(std::string& out, const char* pszName, const T& value) {
    if (out.back() != '{')
        out += ',';
    out += '"';
    out += pszName;
    out += "\":";
    AppendValue(out, value);
}

void AppendAxis(std::string& out, const SChartAxis& axis) {
    out += '{';
    AppendField(out, "title", axis.strTitle);
    AppendField(out, "dateTime", axis.bDateTime);
    AppendField(out, "automaticMinimum", axis.bAutomaticMinimum);
    AppendField(out, "automaticMaximum", axis.bAutomaticMaximum);
    AppendField(out, "minimum", axis.dMinimum);
    AppendField(out, "maximum", axis.dMaximum);
    AppendField(out, "labelSeparation", axis.nLabelSeparation);
    out += '}';
}

} // namespace

bool WriteChartJson(const SChartModel& model, const std::function<bool(std::string_view)>& sink) {
    std::string out = "{";
    AppendField(out, "width", model.nWidth);
    AppendField(out, "height", model.nHeight);
    AppendField(out, "view3D", model.bView3D);
    out += ",\"header\":[";
    for (std::size_t i = 0; i < model.header.size(); ++i) {
        if (i)
            out += ',';
        AppendString(out, model.header[i]);
    }
    out += "],\"legend\":{";
    AppendField(out, "visible", model.bLegendVisible);
    out += "},\"axes\":{\"bottom\":";
    AppendAxis(out, model.bottom);
    out += ",\"left\":";
    AppendAxis(out, model.left);
    out += "},\"series\":[";
    for (std::size_t s = 0; s < model.series.size(); ++s) {
        const SChartSeries& series = model.series[s];
        out += s ? ",{" : "{";
        AppendField(out, "title", series.strTitle);
        AppendField(out, "pointsVisible", series.bPointsVisible);
        out += ",\"points\":[";
        if (!sink(out))
            return false;
        out.clear();
        // The points in chunks made on every core: a million points are seconds' work for one.
        constexpr std::size_t CHUNK_POINTS = 16384;
        const auto makePoints = [&series](std::size_t nChunk, std::string& strPoints) {
            const std::size_t nBegin = nChunk * CHUNK_POINTS;
            const std::size_t nEnd = std::min(series.Size(), nBegin + CHUNK_POINTS);
            // Written where they lie, into a piece that goes to the text a few thousand points
            // at a time: appended a number at a time, the text would cost more than the digits.
            constexpr std::size_t POINT_BYTES = 2 * NUMBER_BYTES + 4;
            char szPiece[64 * 1024];
            char* p = szPiece;
            for (std::size_t i = nBegin; i < nEnd; ++i) {
                if (static_cast<std::size_t>(szPiece + sizeof szPiece - p) < POINT_BYTES) {
                    strPoints.append(szPiece, p);
                    p = szPiece;
                }
                if (i > 0)
                    *p++ = ',';
                *p++ = '[';
                p = WriteNumber(p, series.X(i));
                *p++ = ',';
                p = WriteNumber(p, series.Y(i));
                *p++ = ']';
            }
            strPoints.append(szPiece, p);
        };
        if (!MakeInOrder((series.Size() + CHUNK_POINTS - 1) / CHUNK_POINTS, makePoints, sink))
            return false;
        out += "]}";
    }
    out += "]}\n";
    return sink(out);
}
