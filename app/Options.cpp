#include "Options.h"

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
        if (words[i] != "--export") {
            ++i;
            continue;
        }
        if (options.bExport)
            options.strError = "--export may be given only once";
        else if (i + 1 >= words.size())
            options.strError = "--export needs a file name";
        else
            options.strExportPath = words[i + 1];
        options.bExport = true;
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(i),
                    words.begin() + static_cast<std::ptrdiff_t>(std::min(i + 2, words.size())));
    }
    return options;
}

const char* const HELP_TEXT =
    "Usage: verlo FILE\n"
    "       producer | verlo -pipe\n"
    "       verlo [FILE | -pipe] --export OUT.png|svg|pdf|json\n"
    "\n"
    "Shows graph 0 of graph data text as a line chart in the window \"Differences Graph\".\n"
    "What the picture leaves out (lines that are no points, sets without \"&\", data in\n"
    "other graphs, x that is no date...) is told on stderr as FILE:LINE: notes and in the\n"
    "window under the OK button.\n"
    "\n"
    "Data format, one item a line:\n"
    "  @WITH G0               select graph 0 to 9 (only graph 0 is shown)\n"
    "  @S0                    select set 0 to 4 of the current graph\n"
    "  @subtitle \"text\"       the graph's header; @legend string \"text\": the set's title\n"
    "  x y                    a point; x above 200000 is a Julian Date, shown as a date\n"
    "  &                      end of the set (its points count from here)\n"
    "\n"
    "Options:\n"
    "  -pipe, --pipe          read the data from standard input\n"
    "  --export FILE          no window: write the chart to FILE (.png, .svg, .pdf, .json)\n"
    "  -h, --help             show this text\n"
    "  --version              show the version\n"
    "\n"
    "Exit status:\n"
    "  0  the window was closed, or the export was written\n"
    "  1  no FILE and no -pipe, or --export without its FILE\n"
    "  2  the chart could not be created\n"
    "  3  --export could not fill the chart or write its file\n"
    "  4  --export: the input could not be opened or read (nothing is written)\n"
    "  5  no display could be opened for the window (--export needs none)\n";
