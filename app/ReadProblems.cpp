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
    const struct {
        long long nCount;
        const char* pszOne;
        const char* pszMany;
        const char* pszWhy;
    } drops[] = {
        {report.nPointsDropped, "point line", "point lines",
         " beyond the limits (graphs 0-9, sets 0-4, 1000 points a set)"},
        {report.nSetsDropped, "\"@S\" line", "\"@S\" lines", " naming a set outside 0-4"},
        {report.nGraphsDropped, "\"@WITH G\" line", "\"@WITH G\" lines",
         " naming a graph outside 0-9"},
        {report.nTextsDropped, "subtitle or legend", "subtitles or legends",
         " of a graph or set outside the limits"},
    };
    for (const auto& drop : drops) {
        if (drop.nCount)
            lines.push_back(strPrefix + "dropped " +
                            Plural(drop.nCount, drop.pszOne, drop.pszMany) + drop.pszWhy);
    }
    return lines;
}
