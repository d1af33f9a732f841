#include "chartcontrol/ChartJson.h"

#include "data/NumberText.h"
#include "data/Parallel.h"
#include "data/TextEncoding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

void AppendNumber(std::string& out, double dValue) {
    if (std::isnan(dValue)) {
        out += "\"nan\"";
    } else if (std::isinf(dValue)) {
        out += dValue > 0 ? "\"inf\"" : "\"-inf\"";
    } else {
        AppendShortest(out, dValue);
    }
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
            for (std::size_t p = nBegin; p < nEnd; ++p) {
                strPoints += p ? ",[" : "[";
                AppendNumber(strPoints, series.X(p));
                strPoints += ',';
                AppendNumber(strPoints, series.Y(p));
                strPoints += ']';
            }
        };
        if (!MakeInOrder((series.Size() + CHUNK_POINTS - 1) / CHUNK_POINTS, makePoints, sink))
            return false;
        out += "]}";
    }
    out += "]}\n";
    return sink(out);
}
