#include "ReadProblems.h"

#include <cstring>

namespace {

std::string Plural(long long nCount, const char* pszOne, const char* pszMany) {
    return std::to_string(nCount) + " " + (nCount == 1 ? pszOne : pszMany);
}

} // namespace

std::vector<std::string> DescribeReadProblems(const CReadReport& report, const SDataSource& source,
                                              const std::string& strProgram) {
    const std::string strPrefix = strProgram + ": ";
    const std::string strInput = source.kind == SDataSource::EKind::Pipe
                                     ? std::string("standard input")
                                     : "'" + source.strPath + "'";
    std::vector<std::string> lines;
    if (report.bOpenFailed)
        lines.push_back(strPrefix + "cannot open " + strInput + ": " +
                        std::strerror(report.nOpenError));
    if (report.bReadFailed)
        lines.push_back(strPrefix + "cannot read " + strInput + ": " +
                        std::strerror(report.nReadError));
    if (report.nPointsDropped)
        lines.push_back(strPrefix + "dropped " +
                        Plural(report.nPointsDropped, "point line", "point lines") +
                        " beyond the limits (graphs 0-9, sets 0-4, 1000 points a set)");
    if (report.nSetsDropped)
        lines.push_back(strPrefix + "dropped " +
                        Plural(report.nSetsDropped, "\"@S\" line", "\"@S\" lines") +
                        " naming a set outside 0-4");
    if (report.nGraphsDropped)
        lines.push_back(strPrefix + "dropped " +
                        Plural(report.nGraphsDropped, "\"@WITH G\" line", "\"@WITH G\" lines") +
                        " naming a graph outside 0-9");
    if (report.nTextsDropped)
        lines.push_back(strPrefix + "dropped " +
                        Plural(report.nTextsDropped, "subtitle or legend", "subtitles or legends") +
                        " of a graph or set outside the limits");
    return lines;
}
