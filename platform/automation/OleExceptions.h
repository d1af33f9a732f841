#pragma once

#include "platform/Status.h"
#include "platform/automation/AutomationTypes.h"

#include <exception>
#include <functional>
#include <string>

// The failures an automation call can end in. Every one can say what happened in words a
// user can read, when there are such words.
class CException : public std::exception {
public:
    // False when the failure has no text of its own.
    virtual bool GetErrorMessage(std::string& strMessage) const = 0;
};

// A string argument or result could not be allocated.
class CMemoryException : public CException {
public:
    const char* what() const noexcept override { return "out of memory"; }
    bool GetErrorMessage(std::string& strMessage) const override;
};

// A call failed with a status code and no further information.
class COleException : public CException {
public:
    explicit COleException(SCODE sc) : m_sc(sc) {}
    const char* what() const noexcept override { return "automation call failed"; }
    bool GetErrorMessage(std::string& strMessage) const override;

    SCODE m_sc;
};

// The called object failed and said why.
class COleDispatchException : public CException {
public:
    COleDispatchException(WORD wCode, SCODE scError, std::string strSource,
                          std::string strDescription)
        : m_wCode(wCode), m_scError(scError), m_strSource(std::move(strSource)),
          m_strDescription(std::move(strDescription)) {}
    const char* what() const noexcept override { return m_strDescription.c_str(); }
    bool GetErrorMessage(std::string& strMessage) const override;

    WORD m_wCode;
    SCODE m_scError;
    std::string m_strSource;
    std::string m_strDescription;
};

// The system's words for the status codes automation calls end in; empty when unknown.
std::string SystemMessageFor(SCODE sc);

// Runs call, and turns a failure in it as automation reports one (or memory that ran out)
// into a ChartFailed status in the failure's own words: "Internal application error." when
// it has none. The one place where the viewer meets the platform's exceptions.
SStatus StatusOfCall(const std::function<void()>& call);
