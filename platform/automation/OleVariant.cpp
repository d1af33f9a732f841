#include "platform/automation/OleVariant.h"

#include "platform/automation/Dispatch.h"

#include <utility>

COleVariant COleVariant::FromBool(BOOL bValue) {
    COleVariant variant;
    variant.m_vt = VT_BOOL;
    variant.m_value.bBool = bValue ? VARIANT_TRUE : VARIANT_FALSE;
    return variant;
}

COleVariant::COleVariant(const COleVariant& other)
    : m_vt(other.m_vt), m_value(other.m_value), m_strValue(other.m_strValue),
      m_pDoubles(other.m_pDoubles), m_nDoubles(other.m_nDoubles) {
    if (m_vt == VT_DISPATCH && m_value.pDispatch)
        m_value.pDispatch->AddRef();
}

COleVariant& COleVariant::operator=(const COleVariant& other) {
    if (this != &other)
        *this = COleVariant(other);
    return *this;
}

void COleVariant::ReleaseDispatch() {
    if (m_value.pDispatch)
        m_value.pDispatch->Release();
}

IDispatch* COleVariant::DetachDispatch() {
    IDispatch* pDispatch = GetDispatch();
    m_vt = VT_EMPTY;
    return pDispatch;
}

void COleVariant::ClearHeld() {
    if (m_vt == VT_DISPATCH)
        ReleaseDispatch();
    m_strValue.clear();
    m_pDoubles.reset();
    m_nDoubles = 0;
}
