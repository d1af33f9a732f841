#pragma once

#include "platform/automation/AutomationTypes.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/OleExceptions.h"
#include "platform/automation/OleVariant.h"

#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

// Calls one object of the chart component by dispatch id. Holds at most one reference,
// which it owns when attached with auto-release (the default). Without an object every
// call does nothing and leaves the result as the caller initialised it.
class COleDispatchDriver {
public:
    COleDispatchDriver() = default;
    explicit COleDispatchDriver(LPDISPATCH pDispatch, BOOL bAutoRelease = TRUE)
        : m_lpDispatch(pDispatch), m_bAutoRelease(bAutoRelease) {}
    COleDispatchDriver(const COleDispatchDriver&) = delete;
    COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;
    COleDispatchDriver(COleDispatchDriver&& other) noexcept;
    COleDispatchDriver& operator=(COleDispatchDriver&& other) noexcept;
    ~COleDispatchDriver() { ReleaseDispatch(); }

    void AttachDispatch(LPDISPATCH pDispatch, BOOL bAutoRelease = TRUE);
    LPDISPATCH DetachDispatch();
    // Releasing twice is harmless: the first release clears the reference.
    void ReleaseDispatch();

    // Calls dispatch id dwDispID with the arguments, converted by the type codes in
    // pbParamInfo (one VTS_ code per argument), and stores the result, converted to vtRet,
    // in *pvRet: LONG, double, BOOL, std::string, LPDISPATCH (a reference the caller then
    // owns) or COleVariant. Throws COleDispatchException, COleException or CMemoryException.
    template <class... Args>
    void InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                      const char* pbParamInfo, const Args&... args) const;

    LPDISPATCH m_lpDispatch = nullptr;
    BOOL m_bAutoRelease = TRUE;

private:
    template <class T> static COleVariant MakeArgument(char cType, const T& value);
    void InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                       const DISPPARAMS& params) const;
};

// Converts src to type vt as automation does for results; DISP_E_TYPEMISMATCH or
// DISP_E_OVERFLOW when it cannot.
HRESULT VariantChangeType(COleVariant& dest, const COleVariant& src, VARTYPE vt);

template <class... Args>
void COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                      const char* pbParamInfo, const Args&... args) const {
    static_assert(sizeof...(Args) <= CDispArguments::CAPACITY, "too many arguments for one call");
    if (!m_lpDispatch)
        return;
    if (std::strlen(pbParamInfo) != sizeof...(Args))
        throw std::invalid_argument("argument count does not match the type codes");
    DISPPARAMS params;
    try {
        std::size_t nIndex = 0;
        (params.args.push_back(MakeArgument(pbParamInfo[nIndex++], args)), ...);
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
    InvokeHelperV(dwDispID, wFlags, vtRet, pvRet, params);
}

template <class T> COleVariant COleDispatchDriver::MakeArgument(char cType, const T& value) {
    switch (cType) {
    case VTS_I4[0]:
        if constexpr (std::is_integral_v<T>)
            return COleVariant(static_cast<LONG>(value));
        break;
    case VTS_R8[0]:
        if constexpr (std::is_arithmetic_v<T>)
            return COleVariant(static_cast<double>(value));
        break;
    case VTS_BOOL[0]:
        if constexpr (std::is_integral_v<T>)
            return COleVariant::FromBool(value);
        break;
    case VTS_VARIANT[0]:
        if constexpr (std::is_same_v<T, COleVariant>)
            return value;
        break;
    case VTS_BSTR[0]:
        if constexpr (std::is_convertible_v<const T&, std::string_view>)
            return COleVariant(std::string(std::string_view(value)));
        break;
    default:
        break;
    }
    throw std::invalid_argument("argument does not fit its type code");
}
