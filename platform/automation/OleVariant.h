#pragma once

#include "platform/automation/AutomationTypes.h"

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class IDispatch;

// A value of one of the types automation calls carry. Holding an object means holding
// one reference to it: copies add a reference, destruction and Clear release it.
class COleVariant {
public:
    COleVariant() = default;
    explicit COleVariant(LONG nValue) : m_vt(VT_I4) { m_value.nLong = nValue; }
    explicit COleVariant(double dValue) : m_vt(VT_R8) { m_value.dDouble = dValue; }
    explicit COleVariant(std::string strValue) : m_vt(VT_BSTR), m_strValue(std::move(strValue)) {}
    explicit COleVariant(const char* pszValue) : m_vt(VT_BSTR), m_strValue(pszValue) {}
    // Takes over one reference the caller already holds; a null object stays null.
    explicit COleVariant(IDispatch* pDispatch) : m_vt(VT_DISPATCH) {
        m_value.pDispatch = pDispatch;
    }
    // An array of doubles (VT_ARRAY | VT_R8), shared, not copied, by copies of the variant.
    // Handed over: whoever is called with it may keep its storage, and change it.
    explicit COleVariant(const std::shared_ptr<std::vector<double>>& values)
        : COleVariant(std::shared_ptr<double>(values, values->data()), values->size()) {}
    COleVariant(std::shared_ptr<double> pValues, std::size_t nValues)
        : m_vt(VT_ARRAY | VT_R8), m_pDoubles(std::move(pValues)), m_nDoubles(nValues) {}
    static COleVariant FromBool(BOOL bValue);

    COleVariant(const COleVariant& other);
    COleVariant(COleVariant&& other) noexcept
        : m_vt(std::exchange(other.m_vt, VT_EMPTY)), m_value(other.m_value),
          m_strValue(std::move(other.m_strValue)), m_pDoubles(std::move(other.m_pDoubles)),
          m_nDoubles(std::exchange(other.m_nDoubles, 0)) {}
    COleVariant& operator=(const COleVariant& other);
    COleVariant& operator=(COleVariant&& other) noexcept {
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
    // The members go by themselves; only an object's reference is given back by hand.
    ~COleVariant() {
        if (m_vt == VT_DISPATCH)
            ReleaseDispatch();
    }

    VARTYPE Type() const { return m_vt; }
    bool IsEmpty() const { return m_vt == VT_EMPTY; }

    // Each accessor expects its own type (see Type()) and throws std::logic_error for another.
    LONG GetLong() const { return Expect(VT_I4).m_value.nLong; }
    double GetDouble() const { return Expect(VT_R8).m_value.dDouble; }
    VARIANT_BOOL GetBool() const { return Expect(VT_BOOL).m_value.bBool; }
    const std::string& GetString() const { return Expect(VT_BSTR).m_strValue; }
    IDispatch* GetDispatch() const { return Expect(VT_DISPATCH).m_value.pDispatch; }
    const double* GetDoubles() const { return Expect(VT_ARRAY | VT_R8).m_pDoubles.get(); }
    std::size_t GetDoubleCount() const { return Expect(VT_ARRAY | VT_R8).m_nDoubles; }
    const std::shared_ptr<double>& DoublesToKeep() const {
        return Expect(VT_ARRAY | VT_R8).m_pDoubles;
    }

    // Hands the held reference to the caller and leaves the variant empty.
    IDispatch* DetachDispatch();
    // Inline for a number or a flag, which hold nothing to let go of: every call of the chart
    // carries a few of those, and clears each.
    void Clear() {
        if (m_vt == VT_DISPATCH || m_vt == VT_BSTR || m_vt == (VT_ARRAY | VT_R8))
            ClearHeld();
        m_vt = VT_EMPTY;
    }

private:
    void ReleaseDispatch();
    void ClearHeld();
    const COleVariant& Expect(VARTYPE vt) const {
        if (m_vt != vt)
            throw std::logic_error("variant read as another type than it holds");
        return *this;
    }

    // A tag and a plain union: every call carries a few of these, and they must cost next to
    // nothing to make, copy and clear. A text lives beside the union, empty unless VT_BSTR.
    VARTYPE m_vt = VT_EMPTY;
    union {
        LONG nLong;
        double dDouble;
        VARIANT_BOOL bBool;
        IDispatch* pDispatch;
    } m_value{};
    std::string m_strValue;
    std::shared_ptr<double> m_pDoubles;
    std::size_t m_nDoubles = 0;
};

inline void VariantClear(COleVariant* pVariant) {
    pVariant->Clear();
}
