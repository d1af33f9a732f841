#include "platform/automation/OleExceptions.h"

#include <new>

bool CMemoryException::GetErrorMessage(std::string& strMessage) const {
    strMessage = SystemMessageFor(E_OUTOFMEMORY);
    return true;
}

bool COleException::GetErrorMessage(std::string& strMessage) const {
    strMessage = SystemMessageFor(m_sc);
    return !strMessage.empty();
}

bool COleDispatchException::GetErrorMessage(std::string& strMessage) const {
    strMessage = m_strDescription.empty() ? SystemMessageFor(m_scError) : m_strDescription;
    return !strMessage.empty();
}

std::string SystemMessageFor(SCODE sc) {
    switch (sc) {
    case E_FAIL:
        return "Unspecified error";
    case E_INVALIDARG:
        return "The parameter is incorrect.";
    case E_OUTOFMEMORY:
        return "Not enough memory resources are available to complete this operation.";
    case DISP_E_MEMBERNOTFOUND:
        return "Member not found.";
    case DISP_E_TYPEMISMATCH:
        return "Type mismatch.";
    case DISP_E_EXCEPTION:
        return "Exception occurred.";
    case DISP_E_OVERFLOW:
        return "Out of present range.";
    case DISP_E_BADINDEX:
        return "Invalid index.";
    case DISP_E_BADPARAMCOUNT:
        return "Invalid number of parameters.";
    default:
        return {};
    }
}

SStatus StatusOfCall(const std::function<void()>& call) {
    std::string strMessage;
    try {
        call();
        return {};
    } catch (const CException& e) {
        if (!e.GetErrorMessage(strMessage))
            strMessage = "Internal application error.";
    } catch (const std::bad_alloc&) {
        CMemoryException().GetErrorMessage(strMessage);
    }
    return SStatus::Failed(ECause::ChartFailed, strMessage);
}
