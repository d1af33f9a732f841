#include "LocaleScope.h"

namespace {
locale_t ClassicLocale() {
    // Created once and kept: a locale object is needed for as long as the process converts.
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return classic;
}
} // namespace

CLocaleScope::CLocaleScope() : m_previous(uselocale(ClassicLocale())) {}

CLocaleScope::~CLocaleScope() {
    uselocale(m_previous);
}
