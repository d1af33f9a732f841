#pragma once

#include "AutomationTypes.h"
#include "OleVariant.h"

#include <string>
#include <vector>

// The arguments of one call in their natural order; a put's value comes last.
struct DISPPARAMS {
    std::vector<COleVariant> args;
};

// What a failing object says about the failure.
struct EXCEPINFO {
    WORD wCode = 0;
    std::string strSource;
    std::string strDescription;
    SCODE scode = 0;
};

// An object of the chart component: reference counted, and called by dispatch id.
// A failure that carries exception information answers DISP_E_EXCEPTION and fills the
// EXCEPINFO; any other failure answers its own code.
class IDispatch {
public:
    virtual unsigned long AddRef() = 0;
    virtual unsigned long Release() = 0;
    virtual HRESULT Invoke(DISPID dispIdMember, WORD wFlags, const DISPPARAMS& params,
                           COleVariant* pVarResult, EXCEPINFO* pExcepInfo) = 0;

protected:
    ~IDispatch() = default;
};

using LPDISPATCH = IDispatch*;
