#include "app/Options.h"

#include "app/ExitStatus.h"
#include "data/IsoDate.h"
#include "data/NumberText.h"
#include "data/TimeUnit.h"

#include "chartcontrol/ExportLimits.h"

#include <algorithm>
#include <cctype>
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
    options.request.nGraph = strValue[0] - '0';
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
    options.request.nExportWidth = nWidth;
    options.request.nExportHeight = nHeight;
    return {};
}

std::string TakeScale(const std::string& strValue, SOptions& options) {
    int nScale = 0;
    if (!ReadWhole(strValue, 1, EXPORT_LARGEST_SCALE, nScale))
        return "--scale takes a whole number from 1 to " + std::to_string(EXPORT_LARGEST_SCALE) +
               ", not '" + strValue + "'";
    options.request.nExportScale = nScale;
    return {};
}

std::string TakeMaxPoints(const std::string& strValue, SOptions& options) {
    if (!ReadWhole(strValue, MAX_POINTS, static_cast<int>(MAX_POINTS_OPTION),
                   options.request.nMaxPoints))
        return "--max-points takes a whole number from " + std::to_string(MAX_POINTS) + " to " +
               std::to_string(MAX_POINTS_OPTION) + ", not '" + strValue + "'";
    return {};
}

std::string TakeYUnit(const std::string& strValue, SOptions& options) {
    if (SecondsPerUnit(strValue) == 0.0)
        return "--y-unit takes s, ms, us, ns or ps, not '" + strValue + "'";
    options.request.dSecondsPerUnit = SecondsPerUnit(strValue);
    return {};
}

// Sets target to the value strValue names among choices; else says which names there are.
template <typename T, std::size_t N>
std::string TakeChoice(const std::string& strValue, const char* pszOption,
                       const std::pair<const char*, T> (&choices)[N], T& target) {
    std::string strNames;
    for (std::size_t i = 0; i < N; ++i) {
        if (strValue == choices[i].first) {
            target = choices[i].second;
            return {};
        }
        strNames += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(choices[i].first);
    }
    return std::string(pszOption) + " takes " + strNames + ", not '" + strValue + "'";
}

std::string TakeTaus(const std::string& strValue, SOptions& options) {
    static const std::pair<const char*, ETauSpacing> SPACINGS[] = {{"octave", ETauSpacing::Octave},
                                                                   {"decade", ETauSpacing::Decade},
                                                                   {"all", ETauSpacing::All}};
    return TakeChoice(strValue, "--taus", SPACINGS, options.request.stability.spacing);
}

std::string TakeNoise(const std::string& strValue, SOptions& options) {
    static const std::pair<const char*, ENoise> NOISES[] = {
        {"auto", ENoise::Auto},   {"wpm", ENoise::WhitePm},   {"fpm", ENoise::FlickerPm},
        {"wfm", ENoise::WhiteFm}, {"ffm", ENoise::FlickerFm}, {"rwfm", ENoise::RandomWalkFm}};
    return TakeChoice(strValue, "--noise", NOISES, options.request.stability.noise);
}

std::string TakeConfidence(const std::string& strValue, SOptions& options) {
    double dValue = 0.0;
    const auto result = std::from_chars(strValue.data(), strValue.data() + strValue.size(), dValue);
    if (result.ec != std::errc() || result.ptr != strValue.data() + strValue.size() ||
        !(dValue > 0.0 && dValue < 1.0))
        return "--confidence takes a probability between 0 and 1 (0.683, 0.95), not '" + strValue +
               "'";
    options.request.stability.dConfidence = dValue;
    return {};
}

// "A,B" or "A,B,C": series numbers of the shown graph, from 0, all different.
bool ReadSeriesList(const std::string& strValue, std::size_t nCount, std::vector<int>& series) {
    series.clear();
    std::string_view str(strValue);
    for (std::size_t k = 0; k < nCount; ++k) {
        const std::size_t nComma = k + 1 < nCount ? str.find(',') : str.size();
        int nSeries = 0;
        if (nComma == std::string_view::npos ||
            !ReadWhole(str.substr(0, nComma), 0, MAX_SETS + 9, nSeries) ||
            std::find(series.begin(), series.end(), nSeries) != series.end())
            return false;
        series.push_back(nSeries);
        str.remove_prefix(std::min(str.size(), nComma + 1));
    }
    return true;
}

std::string TakeDifference(const std::string& strValue, SOptions& options) {
    std::vector<int> series;
    if (!ReadSeriesList(strValue, 2, series))
        return "--difference takes two series of the graph as A,B (from 0: 0,1), not '" + strValue +
               "'";
    options.request.differences.emplace_back(series[0], series[1]);
    return {};
}

std::string TakeHat(const std::string& strValue, SOptions& options) {
    if (!ReadSeriesList(strValue, 3, options.request.hat))
        return "--hat takes three series of the graph as A,B,C (from 0: 0,1,2), not '" + strValue +
               "'";
    return {};
}

std::string TakeAxis(const std::string& strValue, SOptions& options) {
    static const std::pair<const char*, bool> AXES[] = {{"date", false}, {"mjd", true}};
    return TakeChoice(strValue, "--axis", AXES, options.request.bMjdAxis);
}

std::string TakeExport(const std::string& strValue, SOptions& options) {
    options.request.bExport = true;
    options.request.strExportPath = strValue;
    return {};
}

std::string TakeFormat(const std::string& strValue, SOptions& options) {
    for (const SExportFormat& format : EXPORT_FORMATS) {
        if (strValue == format.pszKind) {
            options.request.strExportFormat = strValue;
            return {};
        }
    }
    return "--format takes png, svg, pdf, csv or json, not '" + strValue + "'";
}

// One end of an x range: empty for open, a number as x is written, or an ISO date taken as x
// of that moment (a Julian Date, or under --mjd a Modified one); with the step of its text.
bool ReadRangeEnd(std::string_view str, double dOpen, const SDateRule& rule, double& dValue,
                  double& dStep) {
    if (str.empty()) {
        dValue = dOpen;
        return true;
    }
    const auto result = std::from_chars(str.data(), str.data() + str.size(), dValue);
    if (result.ec == std::errc() && result.ptr == str.data() + str.size()) {
        dStep = std::pow(10.0, -DecimalPlaces(str));
        return true;
    }
    if (!IsoDateToJulian(str, dValue, &dStep))
        return false;
    dValue = rule.FromJulian(dValue);
    return true;
}

std::string TakeRange(const std::string& strValue, SOptions& options) {
    options.strRange = strValue;
    return {};
}

// FROM:TO, where ISO times have colons of their own: the split where both ends read. Read
// once every option is known, --mjd among them.
std::string ReadRange(const std::string& strValue, SPlotRequest& request) {
    SXRange& range = request.range;
    for (std::size_t nColon = strValue.find(':'); nColon != std::string::npos;
         nColon = strValue.find(':', nColon + 1)) {
        const std::string_view str(strValue);
        if (ReadRangeEnd(str.substr(0, nColon), -HUGE_VAL, request.dates, range.dFrom,
                         range.dFromStep) &&
            ReadRangeEnd(str.substr(nColon + 1), HUGE_VAL, request.dates, range.dTo,
                         range.dToStep)) {
            if (range.dFrom > range.dTo)
                return "--x-range '" + strValue + "' ends before it starts: give FROM:TO";
            return {};
        }
    }
    return "--x-range takes FROM:TO, numbers or dates as 2024-12-06T12:00, not '" + strValue + "'";
}

std::string TakeMjd(const std::string&, SOptions& options) {
    options.request.dates.bMjd = true;
    return {};
}

template <bool SPlotRequest::*pFlag> std::string TakeFlag(const std::string&, SOptions& options) {
    options.request.*pFlag = true;
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
    {"--watch", nullptr, &TakeFlag<&SPlotRequest::bWatch>},
    {"--all", nullptr, &TakeFlag<&SPlotRequest::bAll>},
    {"--stats", nullptr, &TakeFlag<&SPlotRequest::bStats>},
    {"--x-range", "FROM:TO", &TakeRange},
    {"--max-points", "a number", &TakeMaxPoints},
    {"--stability", nullptr, &TakeFlag<&SPlotRequest::bStability>},
    {"--y-unit", "a unit", &TakeYUnit},
    {"--taus", "octave, decade or all", &TakeTaus},
    {"--noise", "a noise type", &TakeNoise},
    {"--confidence", "a probability", &TakeConfidence},
    {"--difference", "A,B", &TakeDifference},
    {"--hat", "A,B,C", &TakeHat},
    {"--mjd", nullptr, &TakeMjd},
    {"--axis", "date or mjd", &TakeAxis},
};

// What no single option can check: the ones that only make sense together.
std::string CheckTogether(const SOptions& options) {
    if (!options.request.bExport &&
        (options.request.nExportWidth || options.request.nExportScale != 1))
        return "--size and --scale shape an export: give --export FILE too";
    if (!options.request.bExport && !options.request.strExportFormat.empty())
        return "--format says what --export writes: give --export FILE too";
    if ((options.request.bStats || options.request.bStability) &&
        (options.request.bExport || options.request.bWatch))
        return "--stats and --stability print and end: not with --export or --watch";
    if (options.request.bStats && options.request.bStability)
        return "--stats or --stability: one table at a time";
    if (options.Given("--x-range") && !options.request.bStats && !options.request.bStability)
        return "--x-range chooses what --stats or --stability measures: give one of them too";
    if (options.Given("--hat") && !options.request.bStability)
        return "--hat measures the stability of three clocks: give --stability too";
    if (options.request.bStability && options.request.dSecondsPerUnit == 0.0)
        return "--stability needs --y-unit s, ms, us, ns or ps: a stability in the wrong unit "
               "is a wrong number";
    if (options.request.bExport && options.request.strExportPath == "-" &&
        options.request.strExportFormat.empty())
        return "--export - writes to standard output: give --format png, svg, pdf, csv or json "
               "too";
    return {};
}

// What the export writes: --format, or the name's extension.
std::string ExportKind(const SOptions& options) {
    if (!options.request.strExportFormat.empty())
        return options.request.strExportFormat;
    const std::size_t nDot = options.request.strExportPath.find_last_of("./");
    if (nDot == std::string::npos || options.request.strExportPath[nDot] != '.')
        return {};
    std::string strKind = options.request.strExportPath.substr(nDot + 1);
    std::transform(strKind.begin(), strKind.end(), strKind.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return strKind;
}

// Options that are right in themselves but change nothing beside the others: said, not
// refused, so that a script that passes them everywhere keeps working.
std::vector<std::string> IdleOptions(const SOptions& options) {
    std::vector<std::string> idle;
    const bool bTable = options.request.bStats || options.request.bStability;
    const bool bWindow = !bTable && !options.request.bExport;
    // In the window they choose what the stability window starts with.
    if (!bWindow && !options.request.bStability) {
        for (const char* pszName : {"--taus", "--noise", "--confidence"}) {
            if (options.Given(pszName))
                idle.push_back(std::string(pszName) + " has no effect without --stability");
        }
        if (options.request.dSecondsPerUnit > 0.0 && !options.request.bStats)
            idle.push_back("--y-unit has no effect on an export");
    }
    const std::string strKind = options.request.bExport ? ExportKind(options) : std::string();
    const bool bPicture = strKind == "png" || strKind == "svg" || strKind == "pdf";
    if (bTable && options.Given("--axis"))
        idle.push_back("--axis has no effect on a table: its x are as the file has them");
    if (options.request.bAll && (bTable || (options.request.bExport && !bPicture)))
        idle.push_back("--all has no effect on " +
                       (bTable ? std::string("a table") : "a " + strKind + " export"));
    if (options.request.bExport && options.request.nExportScale != 1 && strKind != "png")
        idle.push_back("--scale has no effect on a " + strKind + " export: it scales a PNG");
    if (options.request.bExport && options.request.nExportWidth && !bPicture)
        idle.push_back("--size has no effect on a " + strKind + " export: it sizes a picture");
    return idle;
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
        if (options.Given(pRule->pszName))
            strError = std::string(pRule->pszName) + " may be given only once";
        else if (i + nWords > words.size())
            strError = std::string(pRule->pszName) + " needs " + pRule->pszValue;
        else
            strError = pRule->take(nWords == 2 ? words[i + 1] : std::string(), options);
        options.given.emplace_back(pRule->pszName);
        if (options.status.Ok() && !strError.empty())
            options.status = SStatus::Failed(ECause::Usage, strError);
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(i),
                    words.begin() +
                        static_cast<std::ptrdiff_t>(std::min(i + nWords, words.size())));
    }
    if (const std::string strError = ReadRange(options.strRange, options.request);
        options.Given("--x-range") && options.status.Ok() && !strError.empty())
        options.status = SStatus::Failed(ECause::Usage, strError);
    if (const std::string strError = CheckTogether(options);
        options.status.Ok() && !strError.empty())
        options.status = SStatus::Failed(ECause::Usage, strError);
    if (options.status.Ok())
        options.idle = IdleOptions(options);
    return options;
}

std::string HelpText() {
    return R"(Usage: verlo FILE
       producer | verlo -pipe
       verlo [FILE | -pipe] --export OUT.png|svg|pdf|json|csv [--size WxH] [--scale N]
       verlo [FILE | -pipe] --export - --format png|svg|pdf|json|csv
       verlo --watch [--graph N] FILE
       verlo [FILE | -pipe] --stats [--graph N] [--x-range FROM:TO]
       verlo [FILE | -pipe] --stability --y-unit UNIT [--taus SPACING] [--noise KIND]
                                    [--confidence P] [--x-range FROM:TO]

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
                         slope per x unit: per day for Julian Dates); x as in the file;
                         a tab, line end or \ in a title as \t, \n, \r, \\; with
                         --y-unit also frac_freq (s/s) and drift_per_day (a day)
  --x-range FROM:TO      --stats over the x from FROM to TO only, numbers or dates
                         (2024-12-06, 2024-12-06T12:00:00Z); either may be left out;
                         an end takes the file's x within half the step of its text
  --max-points N         room for N points a set (1000 to 10000000; 1000 without it),
                         for files of months of data: e.g. --max-points 40000
  --y-unit UNIT          y is a phase in s, ms, us, ns or ps: what the stability needs
  --stability            no window: print the frequency stability of each dated series
                         as tab-separated values: series, tau_s, n (terms of the Allan
                         deviation), adev and mdev (dimensionless), tdev (s), hdev,
                         alpha (the noise behind the bounds) and the low and high bound
                         of each; missing samples (a step of k tau0, a y that is no
                         number) are skipped; needs --y-unit; --x-range honoured
  --taus SPACING         averaging times: octave (1, 2, 4, 8... times the nominal step,
                         the default), decade (1, 2, 5, 10, 20...) or all
  --difference A,B       add series A less series B (from 0) at their common epochs:
                         two clocks against each other, their reference gone
  --hat A,B,C            with --stability: each clock's own stability from the three
                         pairwise differences (the clocks assumed independent)
  --mjd                  every x is a Modified Julian Date (60650.0 is 2024-12-06)
  --axis date|mjd        mjd: the date axis and read-outs in MJD, as the key M does
  --noise KIND           the noise the bounds assume at every tau: wpm, fpm, wfm, ffm,
                         rwfm, or auto (identified at each tau, the default)
  --confidence P         the two-sided confidence of the bounds (default 0.683)
  -h, --help             show this text
  --version              show the version
Any other word before the file name is ignored; the last word is the file name.

In the window: drag to zoom, wheel, right-drag to pan, Home, A (all data); click and
Shift+click (or C, Shift+C) for cursors A and B, Delete; S statistics, R linear fit
removed, G lines broken at gaps, D stability, M dates as MJD, - (minus) A - B of two
series; Ctrl+C copy, Ctrl+S save; Enter or Escape close.

)" + ExitStatusHelp();
}
