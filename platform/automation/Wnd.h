#pragma once

#include "platform/automation/OleDispatchDriver.h"

// The window side of a hosted control: calls on the window go to the control through its
// control site. A window without a control does nothing and leaves results as they were.
class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // Binds the window to the hosted control's automation object; takes a reference of
    // its own.
    void AttachControlSite(LPDISPATCH pControl) {
        if (pControl)
            pControl->AddRef();
        m_controlSite.AttachDispatch(pControl);
    }
    void DetachControlSite() { m_controlSite.ReleaseDispatch(); }

    template <class... Args>
    void InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                      const char* pbParamInfo, const Args&... args) const {
        m_controlSite.InvokeHelper(dwDispID, wFlags, vtRet, pvRet, pbParamInfo, args...);
    }

private:
    COleDispatchDriver m_controlSite;
};
