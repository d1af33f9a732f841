#pragma once

#include <string>

// Everything the viewer says on stderr goes through here, in one form: "verlo: message", or,
// about an input, "verlo: FILE: message" and "verlo: FILE:LINE: message" (GNU style; standard
// input is "-").
void SetProgramName(std::string strName);
const std::string& ProgramName();

// The line as it goes out, without its line feed. nLine 0 leaves the line number out; an
// empty strInput leaves the input out.
std::string ReportLine(const std::string& strProgram, const std::string& strInput, long long nLine,
                       const std::string& strMessage);

void Report(const std::string& strMessage);
void ReportAbout(const std::string& strInput, long long nLine, const std::string& strMessage);
