#pragma once

#include "platform/automation/AutomationTypes.h"
#include "platform/automation/OleVariant.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

// The arguments of one call in their natural order; a put's value comes last. At most as
// many as the widest operation takes, kept inline so that a call allocates nothing.
class CDispArguments {
public:
    static constexpr std::size_t CAPACITY = 4;

    void push_back(COleVariant value) {
        if (m_nCount == CAPACITY)
            throw std::length_error("too many arguments for one call");
        m_values[m_nCount++] = std::move(value);
    }
    std::size_t size() const { return m_nCount; }
    bool empty() const { return m_nCount == 0; }
    const COleVariant& operator[](std::size_t nIndex) const { return m_values[nIndex]; }
    const COleVariant& back() const { return m_values[m_nCount - 1]; }
    const COleVariant* begin() const { return m_values.data(); }
    const COleVariant* end() const { return m_values.data() + m_nCount; }

private:
    std::array<COleVariant, CAPACITY> m_values;
    std::size_t m_nCount = 0;
};

struct DISPPARAMS {
    CDispArguments args;
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
