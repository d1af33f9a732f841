#pragma once

#include <locale.h>

// Switches the calling thread to the "C" locale for its lifetime, so that number
// conversions always take a full stop as the decimal point, whatever locale the
// process (or the window toolkit on its behalf) has set.
class CLocaleScope {
public:
    CLocaleScope();
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_previous;
};
