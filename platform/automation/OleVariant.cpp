#include "OleVariant.h"

#include "Dispatch.h"

#include <charconv>

COleVariant COleVariant::FromBool(BOOL bValue) {
    COleVariant variant;
    variant.m_value = bValue ? VARIANT_TRUE : VARIANT_FALSE;
    return variant;
}

COleVariant::COleVariant(const COleVariant& other) : m_value(other.m_value) {
    if (IDispatch* const* ppDispatch = std::get_if<IDispatch*>(&m_value); ppDispatch && *ppDispatch)
        (*ppDispatch)->AddRef();
}

COleVariant::COleVariant(COleVariant&& other) noexcept : m_value(std::move(other.m_value)) {
    other.m_value = std::monostate();
}

COleVariant& COleVariant::operator=(const COleVariant& other) {
    if (this != &other)
        *this = COleVariant(other);
    return *this;
}

COleVariant& COleVariant::operator=(COleVariant&& other) noexcept {
    if (this != &other) {
        Clear();
        m_value = std::move(other.m_value);
        other.m_value = std::monostate();
    }
    return *this;
}

COleVariant::~COleVariant() {
    Clear();
}

VARTYPE COleVariant::Type() const {
    static constexpr VARTYPE TYPES[] = {VT_EMPTY, VT_I4, VT_R8, VT_BOOL, VT_BSTR, VT_DISPATCH};
    return TYPES[m_value.index()];
}

IDispatch* COleVariant::DetachDispatch() {
    IDispatch* pDispatch = GetDispatch();
    m_value = std::monostate();
    return pDispatch;
}

void COleVariant::Clear() {
    if (IDispatch** ppDispatch = std::get_if<IDispatch*>(&m_value); ppDispatch && *ppDispatch)
        (*ppDispatch)->Release();
    m_value = std::monostate();
}

std::string COleVariant::Describe() const {
    char szNumber[32];
    switch (Type()) {
    case VT_I4:
        return "VT_I4 " + std::to_string(GetLong());
    case VT_R8:
        return "VT_R8 " +
               std::string(szNumber,
                           std::to_chars(szNumber, szNumber + sizeof szNumber, GetDouble()).ptr);
    case VT_BOOL:
        return "VT_BOOL " + std::to_string(GetBool());
    case VT_BSTR:
        return "VT_BSTR \"" + GetString() + "\"";
    case VT_DISPATCH:
        return GetDispatch() ? "VT_DISPATCH object" : "VT_DISPATCH null";
    default:
        return "VT_EMPTY";
    }
}
