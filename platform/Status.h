#pragma once

#include <cstring>
#include <string>
#include <utility>

// Why a step of the viewer failed. Each layer says what went wrong; only the application
// decides what that means for the process (app/ExitStatus.h).
enum class ECause {
    None,        // nothing failed
    Usage,       // no data source on the command line, or a wrong option
    NoChart,     // the chart component could not be created from its saved state
    ChartFailed, // a call on the chart failed while it was being filled
    CannotOpen,  // the input could not be opened
    CannotRead,  // reading the input stopped on an error
    NotWritten,  // an export or a saved file could not be written
    NoDisplay,   // a window was asked for and no display could be opened
};

// How a step that can fail ended: fine, or its cause and the words for it. Inside the
// emulated platform calls fail as automation does (exceptions, HRESULTs); where the viewer
// meets them they become one of these.
struct SStatus {
    ECause cause = ECause::None;
    std::string strMessage;

    static SStatus Failed(ECause cause, std::string strMessage) {
        return {cause, std::move(strMessage)};
    }
    // The failures of the system's calls, each worded once: "cannot open WHAT: the system's
    // reason", the reason being errno nError's.
    static SStatus CannotOpen(const std::string& strWhat, int nError) {
        return {ECause::CannotOpen, "cannot open " + strWhat + ": " + std::strerror(nError)};
    }
    static SStatus CannotRead(const std::string& strWhat, int nError) {
        return {ECause::CannotRead, "cannot read " + strWhat + ": " + std::strerror(nError)};
    }
    static SStatus NotWritten(const std::string& strWhere, const std::string& strWhy) {
        return {ECause::NotWritten, "cannot write " + strWhere + ": " + strWhy};
    }
    static SStatus NotWritten(const std::string& strWhere, int nError) {
        return NotWritten(strWhere, std::strerror(nError));
    }
    bool Ok() const { return cause == ECause::None; }
};
