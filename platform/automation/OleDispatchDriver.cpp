#include "platform/automation/OleDispatchDriver.h"

#include <cmath>
#include <utility>

COleDispatchDriver::COleDispatchDriver(COleDispatchDriver&& other) noexcept
    : m_lpDispatch(std::exchange(other.m_lpDispatch, nullptr)),
      m_bAutoRelease(other.m_bAutoRelease) {}

COleDispatchDriver& COleDispatchDriver::operator=(COleDispatchDriver&& other) noexcept {
    if (this != &other) {
        ReleaseDispatch();
        m_lpDispatch = std::exchange(other.m_lpDispatch, nullptr);
        m_bAutoRelease = other.m_bAutoRelease;
    }
    return *this;
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH pDispatch, BOOL bAutoRelease) {
    ReleaseDispatch();
    m_lpDispatch = pDispatch;
    m_bAutoRelease = bAutoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch() {
    return std::exchange(m_lpDispatch, nullptr);
}

void COleDispatchDriver::ReleaseDispatch() {
    LPDISPATCH pDispatch = std::exchange(m_lpDispatch, nullptr);
    if (pDispatch && m_bAutoRelease)
        pDispatch->Release();
}

void COleDispatchDriver::InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                       const DISPPARAMS& params) const {
    EXCEPINFO excepInfo;
    COleVariant result;
    HRESULT hr = m_lpDispatch->Invoke(dwDispID, wFlags, params,
                                      vtRet == VT_EMPTY ? nullptr : &result, &excepInfo);
    if (hr == DISP_E_EXCEPTION)
        throw COleDispatchException(excepInfo.wCode, excepInfo.scode,
                                    std::move(excepInfo.strSource),
                                    std::move(excepInfo.strDescription));
    if (FAILED(hr))
        throw COleException(hr);
    if (vtRet == VT_EMPTY)
        return;

    COleVariant converted;
    if (result.Type() == vtRet) {
        converted = std::move(result);
    } else {
        hr = VariantChangeType(converted, result, vtRet);
        if (FAILED(hr))
            throw COleException(hr);
    }
    switch (vtRet) {
    case VT_I4:
        *static_cast<LONG*>(pvRet) = converted.GetLong();
        break;
    case VT_R8:
        *static_cast<double*>(pvRet) = converted.GetDouble();
        break;
    case VT_BOOL:
        *static_cast<BOOL*>(pvRet) = converted.GetBool() != VARIANT_FALSE;
        break;
    case VT_BSTR:
        *static_cast<std::string*>(pvRet) = converted.GetString();
        break;
    case VT_DISPATCH:
        *static_cast<LPDISPATCH*>(pvRet) = converted.DetachDispatch();
        break;
    default:
        *static_cast<COleVariant*>(pvRet) = std::move(converted);
        break;
    }
}

namespace {

HRESULT ToDouble(const COleVariant& src, double& dValue) {
    switch (src.Type()) {
    case VT_EMPTY:
        dValue = 0.0;
        return S_OK;
    case VT_I4:
        dValue = src.GetLong();
        return S_OK;
    case VT_BOOL:
        dValue = src.GetBool();
        return S_OK;
    case VT_R8:
        dValue = src.GetDouble();
        return S_OK;
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

HRESULT ToLong(const COleVariant& src, LONG& nValue) {
    double dValue = 0.0;
    HRESULT hr = ToDouble(src, dValue);
    if (FAILED(hr))
        return hr;
    // Automation rounds half to even, which is nearbyint in the default rounding mode.
    double dRounded = std::nearbyint(dValue);
    if (!(dRounded >= -2147483648.0 && dRounded <= 2147483647.0))
        return DISP_E_OVERFLOW;
    nValue = static_cast<LONG>(dRounded);
    return S_OK;
}

} // namespace

HRESULT VariantChangeType(COleVariant& dest, const COleVariant& src, VARTYPE vt) {
    if (vt == VT_VARIANT || vt == src.Type()) {
        dest = src;
        return S_OK;
    }
    switch (vt) {
    case VT_I4: {
        LONG nValue = 0;
        HRESULT hr = ToLong(src, nValue);
        if (SUCCEEDED(hr))
            dest = COleVariant(nValue);
        return hr;
    }
    case VT_R8:
    case VT_BOOL: {
        double dValue = 0.0;
        HRESULT hr = ToDouble(src, dValue);
        if (SUCCEEDED(hr))
            dest = vt == VT_R8 ? COleVariant(dValue) : COleVariant::FromBool(dValue != 0.0);
        return hr;
    }
    default:
        return DISP_E_TYPEMISMATCH;
    }
}
