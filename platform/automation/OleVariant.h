#pragma once

#include "AutomationTypes.h"

#include <string>
#include <variant>

class IDispatch;

// A value of one of the types automation calls carry. Holding an object means holding
// one reference to it: copies add a reference, destruction and Clear release it.
class COleVariant {
public:
    COleVariant() = default;
    explicit COleVariant(LONG nValue) : m_value(nValue) {}
    explicit COleVariant(double dValue) : m_value(dValue) {}
    explicit COleVariant(std::string strValue) : m_value(std::move(strValue)) {}
    explicit COleVariant(const char* pszValue) : m_value(std::string(pszValue)) {}
    // Takes over one reference the caller already holds; a null object stays null.
    explicit COleVariant(IDispatch* pDispatch) : m_value(pDispatch) {}
    static COleVariant FromBool(BOOL bValue);

    COleVariant(const COleVariant& other);
    COleVariant(COleVariant&& other) noexcept;
    COleVariant& operator=(const COleVariant& other);
    COleVariant& operator=(COleVariant&& other) noexcept;
    ~COleVariant();

    VARTYPE Type() const;
    bool IsEmpty() const { return Type() == VT_EMPTY; }

    // Each accessor expects its own type: see Type().
    LONG GetLong() const { return std::get<LONG>(m_value); }
    double GetDouble() const { return std::get<double>(m_value); }
    VARIANT_BOOL GetBool() const { return std::get<VARIANT_BOOL>(m_value); }
    const std::string& GetString() const { return std::get<std::string>(m_value); }
    IDispatch* GetDispatch() const { return std::get<IDispatch*>(m_value); }

    // Hands the held reference to the caller and leaves the variant empty.
    IDispatch* DetachDispatch();
    void Clear();

    // "VT_I4 3", "VT_BSTR \"text\"": for logs and test messages.
    std::string Describe() const;

private:
    std::variant<std::monostate, LONG, double, VARIANT_BOOL, std::string, IDispatch*> m_value;
};

inline void VariantClear(COleVariant* pVariant) {
    pVariant->Clear();
}
