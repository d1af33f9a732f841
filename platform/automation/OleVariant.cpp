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

COleVariant::COleVariant(COleVariant&& other) noexcept
    : m_vt(std::exchange(other.m_vt, VT_EMPTY)), m_value(other.m_value),
      m_strValue(std::move(other.m_strValue)), m_pDoubles(std::move(other.m_pDoubles)),
      m_nDoubles(std::exchange(other.m_nDoubles, 0)) {}

COleVariant& COleVariant::operator=(const COleVariant& other) {
    if (this != &other)
        *this = COleVariant(other);
    return *this;
}

COleVariant& COleVariant::operator=(COleVariant&& other) noexcept {
    if (this != &other) {
        Clear();
        m_vt = std::exchange(other.m_vt, VT_EMPTY);
        m_value = other.m_value;
        m_strValue = std::move(other.m_strValue);
        m_pDoubles = std::move(other.m_pDoubles);
        m_nDoubles = std::exchange(other.m_nDoubles, 0);
    }
    return *this;
}

COleVariant::~COleVariant() {
    Clear();
}

IDispatch* COleVariant::DetachDispatch() {
    IDispatch* pDispatch = GetDispatch();
    m_vt = VT_EMPTY;
    return pDispatch;
}

void COleVariant::Clear() {
    if (m_vt == VT_DISPATCH && m_value.pDispatch)
        m_value.pDispatch->Release();
    m_vt = VT_EMPTY;
    m_strValue.clear();
    m_pDoubles.reset();
    m_nDoubles = 0;
}
