#include "app/Options.h"

#include <gtest/gtest.h>

#include <cmath>

using Words = std::vector<std::string>;

static std::string Joined(const Words& words, const char* pszBetween) {
    std::string strJoined;
    for (const std::string& strWord : words)
        strJoined += (strJoined.empty() ? "" : pszBetween) + strWord;
    return strJoined;
}

// The program's name, then the words.
static CArgumentList CommandLine(const Words& words) {
    CArgumentList args{{"verlo"}};
    args.arguments.insert(args.arguments.end(), words.begin(), words.end());
    return args;
}

// The options as one line, for comparing whole outcomes in a table.
static std::string Outcome(const SOptions& options) {
    const SPlotRequest& o = options.request;
    return std::string(options.bHelp ? "help " : "") + (options.bVersion ? "version " : "") +
           (o.bExport ? "export=" + o.strExportPath + " " : "") +
           "graph=" + std::to_string(o.nGraph) + (o.bWatch ? " watch" : "") +
           (o.nExportWidth
                ? " size=" + std::to_string(o.nExportWidth) + "x" + std::to_string(o.nExportHeight)
                : "") +
           (o.nExportScale != 1 ? " scale=" + std::to_string(o.nExportScale) : "") +
           (o.strExportFormat.empty() ? "" : " format=" + o.strExportFormat) +
           (o.bAll ? " all" : "") +
           (options.unknown.empty() ? "" : " unknown=" + Joined(options.unknown, ",")) +
           (options.status.Ok() ? "" : " error: " + options.status.strMessage);
}

TEST(Options, AreTakenOutBeforeTheDataSourceRules) {
    const struct {
        Words in;
        const char* pszOutcome;
        Words rest = {"a.dat"};
    } cases[] = {
        {{"--help"}, "help graph=0", {}},
        {{"--version"}, "version graph=0", {}},
        {{"a.dat", "--help"}, "graph=0", {"a.dat", "--help"}},
        {{"a.dat", "--export", "g.png"}, "export=g.png graph=0"},
        {{"a.dat", "--export"}, "graph=0 error: --export needs a file name"},
        {{"--export", "a", "--export", "b"},
         "export=a graph=0 error: --export may be given only once",
         {}},
        {{"-export", "x"}, "graph=0", {"-export", "x"}},
        {{"--graph", "9", "--watch", "a.dat"}, "graph=9 watch"},
        {{"a.dat", "--graph", "10", "--scale", "0"},
         "graph=0 error: --graph takes a graph number from 0 to 9, not '10'"},
        {{"a.dat", "--graph"}, "graph=0 error: --graph needs a graph number"},
        {{"a.dat", "--export", "a.png", "--size", "1200x800", "--scale", "2"},
         "export=a.png graph=0 size=1200x800 scale=2"},
        {{"a.dat", "--export", "a.png", "--size", "800"},
         "export=a.png graph=0 error: --size takes WIDTHxHEIGHT, each 1 to 20000, not '800'"},
        {{"a.dat", "--export", "a.png", "--size", "1200x"},
         "export=a.png graph=0 error: --size takes WIDTHxHEIGHT, each 1 to 20000, not '1200x'"},
        {{"a.dat", "--export", "a.png", "--scale", "0"},
         "export=a.png graph=0 error: --scale takes a whole number from 1 to 8, not '0'"},
        {{"a.dat", "--size", "300x200", "--scale", "1"},
         "graph=0 size=300x200 error: --size and --scale shape an export: give --export FILE too"},
        {{"a.dat", "--export", "-", "--format", "csv"}, "export=- graph=0 format=csv"},
        {{"a.dat", "--export", "-"},
         "export=- graph=0 error: --export - writes to standard output: give --format png, svg, "
         "pdf, csv or json too"},
        {{"a.dat", "--format", "svg"},
         "graph=0 format=svg error: --format says what --export writes: give --export FILE too"},
        {{"a.dat", "--export", "o", "--format", "gif"},
         "export=o graph=0 error: --format takes png, svg, pdf, csv or json, not 'gif'"},
        {{"--all", "a.dat"}, "graph=0 all"},
        {{"a.dat", "--noise", "white"},
         "graph=0 error: --noise takes auto, wpm, fpm, wfm, ffm or rwfm, not 'white'"},
        {{"a.dat", "--confidence", "1"},
         "graph=0 error: --confidence takes a probability between 0 and 1 (0.683, 0.95), not '1'"},
        {{"--exprot", "out.png", "--pipe", "-x"},
         "graph=0 unknown=--exprot",
         {"--exprot", "out.png", "--pipe", "-x"}},
    };
    for (const auto& c : cases) {
        CArgumentList args = CommandLine(c.in);
        EXPECT_EQ(Outcome(ExtractOptions(args)), c.pszOutcome);
        EXPECT_EQ(args.arguments, CommandLine(c.rest).arguments) << c.pszOutcome;
    }
}

TEST(Options, NameThoseThatChangeNothingWhereTheyStand) {
    const struct {
        Words in;
        const char* pszSaid;
    } cases[] = {
        {{"--taus", "all", "--y-unit", "ns", "a.dat"}, ""},
        {{"a.dat", "--stats", "--taus", "decade"}, "--taus has no effect without --stability"},
        {{"a.dat", "--stats", "--y-unit", "ns", "--all"}, "--all has no effect on a table"},
        {{"a.dat", "--export", "a.json", "--y-unit", "ns"}, "--y-unit has no effect on an export"},
        {{"a.dat", "--stability", "--y-unit", "ns", "--taus", "all"}, ""},
        {{"a.dat", "--export", "g.PNG", "--all", "--scale", "2", "--size", "9x9"}, ""},
        {{"a.dat", "--export", "-", "--format", "svg", "--scale", "2", "--size", "9x9"},
         "--scale has no effect on a svg export: it scales a PNG"},
        {{"a.dat", "--stats", "--noise", "wfm", "--confidence", "0.95"},
         "--noise has no effect without --stability; --confidence has no effect without "
         "--stability"},
        {{"a.dat", "--export", "t.csv", "--all", "--size", "9x9"},
         "--all has no effect on a csv export; --size has no effect on a csv export: it sizes a "
         "picture"},
    };
    for (const auto& c : cases) {
        CArgumentList args = CommandLine(c.in);
        EXPECT_EQ(Joined(ExtractOptions(args).idle, "; "), c.pszSaid);
    }
}

TEST(Options, AnXRangeKeepsTheStepOfEachEndsText) {
    const struct {
        const char* pszRange;
        double dFromStep, dToStep;
        const char* pszError;
    } cases[] = {
        {"2.5:2460884.8333333", 0.1, 1e-7, ""},
        {"2025-07-28:2025-07-28T08:00:00.25Z", 1.0, 0.01 / 86400, ""},
        {"1e-3:2025-07-28T08:00", 1e-3, 60.0 / 86400, ""},
        {"2025-07-29:2025-07-28", 0, 0,
         "--x-range '2025-07-29:2025-07-28' ends before it starts: give FROM:TO"},
        {"5:5", 1.0, 1.0, ""},
        {"2025-07-28T12:00:", 60.0 / 86400, INFINITY, ""},
        {"2024-12-06T24:00:2024-12-07", 0, 0,
         "--x-range takes FROM:TO, numbers or dates as 2024-12-06T12:00, not "
         "'2024-12-06T24:00:2024-12-07'"},
    };
    for (const auto& c : cases) {
        CArgumentList args = CommandLine({"a.dat", "--stats", "--x-range", c.pszRange});
        const SOptions options = ExtractOptions(args);
        EXPECT_EQ(options.status.strMessage, c.pszError);
        if (options.status.Ok()) {
            EXPECT_DOUBLE_EQ(options.request.range.dFromStep, c.dFromStep) << c.pszRange;
            EXPECT_DOUBLE_EQ(options.request.range.dToStep, c.dToStep) << c.pszRange;
        }
    }
}
