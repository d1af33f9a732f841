#include "app/Options.h"

#include "app/ExitStatus.h"
#include "data/IsoDate.h"
#include "data/TimeUnit.h"

#include "chartcontrol/ExportLimits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string_view>
#include <utility>

namespace {

// "--graph N": a single digit, since graphs are 0 to 9.
std::string TakeGraph(const std::string& strValue, SOptions& options) {
    if (strValue.size() != 1 || strValue[0] < '0' || strValue[0] > '9')
        return "--graph takes a graph number from 0 to 9, not '" + strValue + "'";
    options.nGraph = strValue[0] - '0';
    return {};
}

// A whole number from nLowest to nHighest, all of the text; false for anything else.
bool ReadWhole(std::string_view str, int nLowest, int nHighest, int& nValue) {
    const auto result = std::from_chars(str.data(), str.data() + str.size(), nValue);
    return result.ec == std::errc() && result.ptr == str.data() + str.size() && nValue >= nLowest &&
           nValue <= nHighest;
}

std::string TakeSize(const std::string& strValue, SOptions& options) {
    const std::size_t nCross = strValue.find('x');
    int nWidth = 0;
    int nHeight = 0;
    if (nCross == std::string::npos ||
        !ReadWhole(std::string_view(strValue).substr(0, nCross), 1, EXPORT_LARGEST_SIDE, nWidth) ||
        !ReadWhole(std::string_view(strValue).substr(nCross + 1), 1, EXPORT_LARGEST_SIDE, nHeight))
        return "--size takes WIDTHxHEIGHT, each 1 to " + std::to_string(EXPORT_LARGEST_SIDE) +
               ", not '" + strValue + "'";
    options.nWidth = nWidth;
    options.nHeight = nHeight;
    return {};
}

std::string TakeScale(const std::string& strValue, SOptions& options) {
    int nScale = 0;
    if (!ReadWhole(strValue, 1, EXPORT_LARGEST_SCALE, nScale))
        return "--scale takes a whole number from 1 to " + std::to_string(EXPORT_LARGEST_SCALE) +
               ", not '" + strValue + "'";
    options.nScale = nScale;
    return {};
}

std::string TakeMaxPoints(const std::string& strValue, SOptions& options) {
    if (!ReadWhole(strValue, MAX_POINTS, static_cast<int>(MAX_POINTS_OPTION), options.nMaxPoints))
        return "--max-points takes a whole number from " + std::to_string(MAX_POINTS) + " to " +
               std::to_string(MAX_POINTS_OPTION) + ", not '" + strValue + "'";
    return {};
}

std::string TakeYUnit(const std::string& strValue, SOptions& options) {
    if (SecondsPerUnit(strValue) == 0.0)
        return "--y-unit takes s, ms, us, ns or ps, not '" + strValue + "'";
    options.strYUnit = strValue;
    return {};
}

std::string TakeTaus(const std::string& strValue, SOptions& options) {
    const std::pair<const char*, ETauSpacing> spacings[] = {{"octave", ETauSpacing::Octave},
                                                            {"decade", ETauSpacing::Decade},
                                                            {"all", ETauSpacing::All}};
    for (const auto& [pszName, spacing] : spacings) {
        if (strValue == pszName) {
            options.taus = spacing;
            return {};
        }
    }
    return "--taus takes octave, decade or all, not '" + strValue + "'";
}

std::string TakeExport(const std::string& strValue, SOptions& options) {
    options.bExport = true;
    options.strExportPath = strValue;
    return {};
}

std::string TakeFormat(const std::string& strValue, SOptions& options) {
    for (const char* pszKind : EXPORT_FORMATS) {
        if (strValue == pszKind) {
            options.strFormat = strValue;
            return {};
        }
    }
    return "--format takes png, svg, pdf, csv or json, not '" + strValue + "'";
}

// One end of an x range: empty for open, a number, or an ISO date taken as its Julian Date.
bool ReadRangeEnd(std::string_view str, double dOpen, double& dValue) {
    if (str.empty()) {
        dValue = dOpen;
        return true;
    }
    const auto result = std::from_chars(str.data(), str.data() + str.size(), dValue);
    if (result.ec == std::errc() && result.ptr == str.data() + str.size())
        return true;
    return IsoDateToJulian(str, dValue);
}

// FROM:TO, where ISO times have colons of their own: the split where both ends read.
std::string TakeRange(const std::string& strValue, SOptions& options) {
    for (std::size_t nColon = strValue.find(':'); nColon != std::string::npos;
         nColon = strValue.find(':', nColon + 1)) {
        const std::string_view str(strValue);
        if (ReadRangeEnd(str.substr(0, nColon), -HUGE_VAL, options.range.dFrom) &&
            ReadRangeEnd(str.substr(nColon + 1), HUGE_VAL, options.range.dTo) &&
            options.range.dFrom <= options.range.dTo) {
            options.bRange = true;
            return {};
        }
    }
    return "--x-range takes FROM:TO, numbers or dates as 2024-12-06T12:00, not '" + strValue + "'";
}

template <bool SOptions::*pFlag> std::string TakeFlag(const std::string&, SOptions& options) {
    options.*pFlag = true;
    return {};
}

struct SOptionRule {
    const char* pszName;
    const char* pszValue; // what its value is called; null for a flag
    std::string (*take)(const std::string& strValue, SOptions& options);
};

const SOptionRule OPTION_RULES[] = {
    {"--export", "a file name", &TakeExport},
    {"--format", "a format", &TakeFormat},
    {"--graph", "a graph number", &TakeGraph},
    {"--size", "WIDTHxHEIGHT", &TakeSize},
    {"--scale", "a number", &TakeScale},
    {"--watch", nullptr, &TakeFlag<&SOptions::bWatch>},
    {"--all", nullptr, &TakeFlag<&SOptions::bAll>},
    {"--stats", nullptr, &TakeFlag<&SOptions::bStats>},
    {"--x-range", "FROM:TO", &TakeRange},
    {"--max-points", "a number", &TakeMaxPoints},
    {"--stability", nullptr, &TakeFlag<&SOptions::bStability>},
    {"--y-unit", "a unit", &TakeYUnit},
    {"--taus", "octave, decade or all", &TakeTaus},
};

// What no single option can check: the ones that only make sense together.
std::string CheckTogether(const SOptions& options) {
    if (!options.bExport && (options.nWidth || options.nScale != 1))
        return "--size and --scale shape an export: give --export FILE too";
    if (!options.bExport && !options.strFormat.empty())
        return "--format says what --export writes: give --export FILE too";
    if ((options.bStats || options.bStability) && (options.bExport || options.bWatch))
        return "--stats and --stability print and end: not with --export or --watch";
    if (options.bStats && options.bStability)
        return "--stats or --stability: one table at a time";
    if (options.bRange && !options.bStats && !options.bStability)
        return "--x-range chooses what --stats or --stability measures: give one of them too";
    if (options.bStability && options.strYUnit.empty())
        return "--stability needs --y-unit s, ms, us, ns or ps: a stability in the wrong unit "
               "is a wrong number";
    if (options.bExport && options.strExportPath == "-" && options.strFormat.empty())
        return "--export - writes to standard output: give --format png, svg, pdf, csv or json "
               "too";
    return {};
}

// A word of the option kind that is none of ours; "--help" and "--version" are ours, though
// they act only alone.
bool IsUnknownOption(const std::string& strWord) {
    return strWord.size() > 2 && strWord.compare(0, 2, "--") == 0 && strWord != "--pipe" &&
           strWord != "--help" && strWord != "--version";
}

} // namespace

SOptions ExtractOptions(CArgumentList& args) {
    SOptions options;
    auto& words = args.arguments;
    if (words.size() == 2 &&
        (words[1] == "--help" || words[1] == "-h" || words[1] == "--version")) {
        (words[1] == "--version" ? options.bVersion : options.bHelp) = true;
        words.pop_back();
        return options;
    }
    bool bSeen[std::size(OPTION_RULES)] = {};
    for (std::size_t i = 1; i < words.size();) {
        const auto* pRule =
            std::find_if(std::begin(OPTION_RULES), std::end(OPTION_RULES),
                         [&](const SOptionRule& rule) { return words[i] == rule.pszName; });
        if (pRule == std::end(OPTION_RULES)) {
            if (IsUnknownOption(words[i]))
                options.unknown.push_back(words[i]);
            ++i;
            continue;
        }
        const std::size_t nWords = pRule->pszValue ? 2 : 1;
        std::string strError;
        if (std::exchange(bSeen[pRule - OPTION_RULES], true))
            strError = std::string(pRule->pszName) + " may be given only once";
        else if (i + nWords > words.size())
            strError = std::string(pRule->pszName) + " needs " + pRule->pszValue;
        else
            strError = pRule->take(nWords == 2 ? words[i + 1] : std::string(), options);
        if (options.status.Ok() && !strError.empty())
            options.status = SStatus::Failed(ECause::Usage, strError);
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(i),
                    words.begin() +
                        static_cast<std::ptrdiff_t>(std::min(i + nWords, words.size())));
    }
    if (const std::string strError = CheckTogether(options);
        options.status.Ok() && !strError.empty())
        options.status = SStatus::Failed(ECause::Usage, strError);
    return options;
}

std::string HelpText() {
    return R"(Usage: verlo FILE
       producer | verlo -pipe
       verlo [FILE | -pipe] --export OUT.png|svg|pdf|json|csv [--size WxH] [--scale N]
       verlo [FILE | -pipe] --export - --format png|svg|pdf|json|csv
       verlo --watch [--graph N] FILE
       verlo [FILE | -pipe] --stats [--graph N] [--x-range FROM:TO]
       verlo [FILE | -pipe] --stability --y-unit UNIT [--taus SPACING] [--x-range FROM:TO]

Shows graph 0, or the graph --graph N names, of graph data text as a line chart in the
window "Differences Graph".
What the picture leaves out (lines that are no points, text after y, y that is no finite
number, sets without "&", data in other graphs, x that is no date...) is told on stderr
as FILE:LINE: notes and in the window under the OK button.

Data format, one item a line:
  @WITH G0               select graph 0 to 9
  @S0                    select set 0 to 4 of the current graph
  @subtitle "text"       the graph's header; @legend string "text": the set's title
  x y                    a point; x above 200000 is a Julian Date, shown as a date
  &                      end of the set (its points count from here)

Options:
  -pipe, --pipe          read the data from standard input
  --export FILE          no window: write the chart to FILE: a .png, .svg or .pdf
                         picture, its content as .json, or its points as a .csv table
                         (series, x and y as the file has them, and the time of date
                         points, ISO 8601 UTC). A pipe or a device is written in place;
                         FILE - is standard output
  --format KIND          what --export writes, whatever the name: png, svg, pdf, csv or
                         json; needed with --export -
  --size WxH             the export's size: pixels of a PNG, points of a PDF or SVG
                         (default the window's chart, 555x449), e.g. --size 1200x800
  --scale N              a PNG at N device pixels per pixel (1 to 8), e.g. --scale 2
  --graph N              show graph N (0 to 9) instead of graph 0
                         e.g. verlo --graph 3 data.dat
  --all                  start with every point in view, as after the key A (Home
                         returns to the first view)
  --watch                read FILE again whenever its writer is done with it, keeping
                         the zoom: 0.15 s after the writer closes it or renames a new
                         one into place, after a second of quiet from a writer that
                         keeps it open, and at most 2 s after a writer that never
                         pauses began; through a symbolic link, the file it leads to
                         now; a set still without its "&" is not shown half. Without
                         inotify, FILE is looked at every second.
                         e.g. verlo --watch /var/log/clock/differences.dat
  --stats                no window: print the statistics of each series of the graph
                         as tab-separated values: series, n, first_x, last_x, mean,
                         std, rms, min, x_of_min, max, x_of_max, p2p, fit_y0, slope,
                         resid_std (std with n - 1, resid_std with n - 2; fit_y0 and
                         slope are the least-squares line's value at first_x and its
                         slope per x unit: per day for Julian Dates); x as in the file
  --x-range FROM:TO      --stats over the x from FROM to TO only, numbers or dates
                         (2024-12-06, 2024-12-06T12:00:00Z); either may be left out
  --max-points N         room for N points a set (1000 to 10000000; 1000 without it),
                         for files of months of data: e.g. --max-points 40000
  --y-unit UNIT          y is a phase in s, ms, us, ns or ps: what the stability needs
  --stability            no window: print the frequency stability of each dated series
                         as tab-separated values: series, tau_s, n (terms of the Allan
                         deviation), adev and mdev (dimensionless), tdev (s); needs
                         --y-unit; --x-range honoured
  --taus SPACING         averaging times: octave (1, 2, 4, 8... times the median step,
                         the default), decade (1, 2, 5, 10, 20...) or all
  -h, --help             show this text
  --version              show the version
Any other word before the file name is ignored; the last word is the file name.

In the window: drag to zoom, wheel, right-drag to pan, Home, A (all data); click and
Shift+click (or C, Shift+C) for cursors A and B, Delete; S statistics, R linear fit
removed, G lines broken at gaps, D stability; Ctrl+C copy, Ctrl+S save; Enter or Escape
close.

)" + ExitStatusHelp();
}
