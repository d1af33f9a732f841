#include "ChartJson.h"

#include "TextEncoding.h"

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
        char szNumber[32];
        out.append(szNumber, std::to_chars(szNumber, szNumber + sizeof szNumber, dValue).ptr);
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

void AppendBool(std::string& out, bool bValue) {
    out += bValue ? "true" : "false";
}

void AppendAxis(std::string& out, const SChartAxis& axis) {
    out += "{\"title\":";
    AppendString(out, axis.strTitle);
    out += ",\"dateTime\":";
    AppendBool(out, axis.bDateTime);
    out += ",\"automaticMinimum\":";
    AppendBool(out, axis.bAutomaticMinimum);
    out += ",\"automaticMaximum\":";
    AppendBool(out, axis.bAutomaticMaximum);
    out += ",\"minimum\":";
    AppendNumber(out, axis.dMinimum);
    out += ",\"maximum\":";
    AppendNumber(out, axis.dMaximum);
    out += ",\"labelSeparation\":" + std::to_string(axis.nLabelSeparation) + "}";
}

} // namespace

std::string ChartToJson(const SChartModel& model) {
    std::string out = "{\"width\":" + std::to_string(model.nWidth) +
                      ",\"height\":" + std::to_string(model.nHeight) + ",\"view3D\":";
    AppendBool(out, model.bView3D);
    out += ",\"header\":[";
    for (std::size_t i = 0; i < model.header.size(); ++i) {
        if (i)
            out += ',';
        AppendString(out, model.header[i]);
    }
    out += "],\"legend\":{\"visible\":";
    AppendBool(out, model.bLegendVisible);
    out += "},\"axes\":{\"bottom\":";
    AppendAxis(out, model.bottom);
    out += ",\"left\":";
    AppendAxis(out, model.left);
    out += "},\"series\":[";
    for (std::size_t s = 0; s < model.series.size(); ++s) {
        const SChartSeries& series = model.series[s];
        out += s ? ",{\"title\":" : "{\"title\":";
        AppendString(out, series.strTitle);
        out += ",\"pointsVisible\":";
        AppendBool(out, series.bPointsVisible);
        out += ",\"points\":[";
        for (std::size_t p = 0; p < series.points.size(); ++p) {
            out += p ? ",[" : "[";
            AppendNumber(out, series.points[p].dX);
            out += ',';
            AppendNumber(out, series.points[p].dY);
            out += ']';
        }
        out += "]}";
    }
    out += "]}\n";
    return out;
}
