#pragma once

#include "platform/automation/AutomationTypes.h"
#include "platform/automation/Dispatch.h"

// The one place that knows how the wrappers make their calls. Target is the chart window
// or a sub-object wrapper: anything with an InvokeHelper.

// A property get or method whose result is an object: wrapped in a new Wrapper that owns
// the reference (or holds nothing when the call yielded nothing).
template <class Wrapper, class Target, class... Args>
Wrapper InvokeForObject(const Target& target, DISPID dispid, WORD wFlags, const char* pbParamInfo,
                        const Args&... args) {
    LPDISPATCH pDispatch = nullptr;
    target.InvokeHelper(dispid, wFlags, VT_DISPATCH, &pDispatch, pbParamInfo, args...);
    return Wrapper(pDispatch);
}

template <class Wrapper, class Target>
Wrapper GetObjectProperty(const Target& target, DISPID dispid) {
    return InvokeForObject<Wrapper>(target, dispid, DISPATCH_PROPERTYGET, VTS_NONE);
}

// A property put: the value being put travels last, after any index.
template <class Target, class... Args>
void PutProperty(const Target& target, DISPID dispid, const char* pbParamInfo,
                 const Args&... args) {
    target.InvokeHelper(dispid, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, pbParamInfo, args...);
}

// A method whose result is a long; 0 when the call did nothing.
template <class Target, class... Args>
LONG InvokeForLong(const Target& target, DISPID dispid, const char* pbParamInfo,
                   const Args&... args) {
    LONG nResult = 0;
    target.InvokeHelper(dispid, DISPATCH_METHOD, VT_I4, &nResult, pbParamInfo, args...);
    return nResult;
}
