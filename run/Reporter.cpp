#include "run/Reporter.h"

#include "data/PrintableText.h"

#include <cstdio>

namespace {
std::string& Name() {
    static std::string strName = "verlo";
    return strName;
}
} // namespace

void SetProgramName(std::string strName) {
    Name() = std::move(strName);
}

const std::string& ProgramName() {
    return Name();
}

std::string ReportLine(const std::string& strProgram, const std::string& strInput, long long nLine,
                       const std::string& strMessage) {
    std::string strLine = strProgram + ": ";
    if (!strInput.empty()) {
        strLine += strInput;
        if (nLine > 0)
            strLine += ":" + std::to_string(nLine);
        strLine += ": ";
    }
    return strLine + strMessage;
}

void Report(const std::string& strMessage) {
    ReportAbout({}, 0, strMessage);
}

void ReportAbout(const std::string& strInput, long long nLine, const std::string& strMessage) {
    // File names and texts from files reach a terminal here.
    std::fprintf(stderr, "%s\n",
                 PrintableText(ReportLine(Name(), strInput, nLine, strMessage)).c_str());
}
