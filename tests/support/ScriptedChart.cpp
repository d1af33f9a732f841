#include "tests/support/ScriptedChart.h"

#include "chart/TChart.h"

#include <algorithm>

namespace {

enum EKind {
    KIND_CHART,
    KIND_AXES,
    KIND_AXIS,
    KIND_AXIS_PART,
    KIND_AXIS_TITLE,
    KIND_SERIES,
    KIND_SERIES_PART,
    KIND_LEGEND,
    KIND_HEADER,
    KIND_STRINGS
};

// Every operation of the contract: the object kind, dispatch id and call kind, the variant
// types the arguments must have, and for getters the kind and name of the object yielded.
struct SOperation {
    int nKind;
    DISPID dispid;
    WORD wFlags;
    std::vector<VARTYPE> argTypes;
    int nResultKind = -1;
    const char* pszChild = nullptr;
};

const std::vector<SOperation>& Operations() {
    static const std::vector<SOperation> operations = {
        {KIND_CHART, ChartIds::ADD_SERIES, DISPATCH_METHOD, {VT_I4}},
        {KIND_CHART, ChartIds::SERIES, DISPATCH_METHOD, {VT_I4}},
        {KIND_CHART, ChartIds::AXES, DISPATCH_PROPERTYGET, {}, KIND_AXES, "axes"},
        {KIND_CHART, ChartIds::LEGEND, DISPATCH_PROPERTYGET, {}, KIND_LEGEND, "legend"},
        {KIND_CHART, ChartIds::HEADER, DISPATCH_PROPERTYGET, {}, KIND_HEADER, "header"},
        {KIND_AXES, AxesIds::LEFT, DISPATCH_PROPERTYGET, {}, KIND_AXIS, "left"},
        {KIND_AXES, AxesIds::BOTTOM, DISPATCH_PROPERTYGET, {}, KIND_AXIS, "bottom"},
        {KIND_AXIS, AxisIds::FLAG_2, DISPATCH_PROPERTYPUT, {VT_BOOL}},
        {KIND_AXIS, AxisIds::FLAG_3, DISPATCH_PROPERTYPUT, {VT_BOOL}},
        {KIND_AXIS, AxisIds::VALUE_19, DISPATCH_PROPERTYPUT, {VT_R8}},
        {KIND_AXIS, AxisIds::VALUE_20, DISPATCH_PROPERTYPUT, {VT_R8}},
        {KIND_AXIS, AxisIds::DATE_TIME_LABELS, DISPATCH_PROPERTYPUT, {VT_BOOL}},
        {KIND_AXIS, AxisIds::PART_11, DISPATCH_PROPERTYGET, {}, KIND_AXIS_PART, "part11"},
        {KIND_AXIS, AxisIds::TITLE, DISPATCH_PROPERTYGET, {}, KIND_AXIS_TITLE, "title"},
        {KIND_AXIS_PART, AxisPartIds::VALUE_16, DISPATCH_PROPERTYPUT, {VT_I4}},
        {KIND_AXIS_TITLE, AxisTitleIds::CAPTION, DISPATCH_PROPERTYPUT, {VT_BSTR}},
        {KIND_SERIES, SeriesIds::ADD_XY, DISPATCH_METHOD, {VT_R8, VT_R8, VT_BSTR, VT_I4}},
        {KIND_SERIES, SeriesIds::TITLE, DISPATCH_PROPERTYPUT, {VT_BSTR}},
        {KIND_SERIES, SeriesIds::PART_43, DISPATCH_PROPERTYGET, {}, KIND_SERIES_PART, "part43"},
        {KIND_SERIES_PART, SeriesPartIds::FLAG_2, DISPATCH_PROPERTYPUT, {VT_BOOL}},
        {KIND_LEGEND, LegendIds::FLAG_17, DISPATCH_PROPERTYPUT, {VT_BOOL}},
        {KIND_HEADER, HeaderIds::STRINGS, DISPATCH_PROPERTYGET, {}, KIND_STRINGS, "strings"},
        {KIND_STRINGS, StringsIds::ITEM, DISPATCH_PROPERTYPUT, {VT_I4, VT_VARIANT}},
    };
    return operations;
}

std::string KindWord(WORD wFlags) {
    switch (wFlags) {
    case DISPATCH_METHOD:
        return "method";
    case DISPATCH_PROPERTYGET:
        return "get";
    case DISPATCH_PROPERTYPUT:
        return "put";
    default:
        return "release";
    }
}

} // namespace

class CScriptedChart::CObject : public IDispatch {
public:
    CObject(CScriptedChart& owner, int nKind, std::string strPath)
        : m_owner(owner), m_nKind(nKind), m_strPath(std::move(strPath)) {}

    unsigned long AddRef() override { return static_cast<unsigned long>(++m_nRefs); }
    unsigned long Release() override {
        if (m_owner.m_bRecordReleases)
            m_owner.m_calls.push_back({m_strPath, 0, 0, {}});
        if (m_nRefs == 0) {
            ++m_owner.m_nOverReleases;
            return 0;
        }
        return static_cast<unsigned long>(--m_nRefs);
    }
    HRESULT Invoke(DISPID dispid, WORD wFlags, const DISPPARAMS& params, COleVariant* pResult,
                   EXCEPINFO* pExcepInfo) override {
        return m_owner.Dispatch(*this, dispid, wFlags, params, pResult, pExcepInfo);
    }

    CScriptedChart& m_owner;
    int m_nKind;
    std::string m_strPath;
    long m_nRefs = 0;
    std::map<std::string, CObject*> m_children;
    std::map<DISPID, COleVariant> m_puts;
    std::vector<CObject*> m_series;
    std::vector<SPoint> m_points;
};

CScriptedChart::CScriptedChart() {
    m_pRoot = NewObject(KIND_CHART, "chart");
    SetHeaderLines({"TeeChart"});
}

CScriptedChart::~CScriptedChart() = default;

LPDISPATCH CScriptedChart::Root() {
    return m_pRoot;
}

CScriptedChart::CObject* CScriptedChart::NewObject(int nKind, std::string strPath) {
    m_objects.push_back(std::make_unique<CObject>(*this, nKind, std::move(strPath)));
    return m_objects.back().get();
}

void CScriptedChart::FailCall(int nCall, std::string strDescription, std::string strSource,
                              WORD wCode) {
    SScript script{SScript::EAction::Fail, DISP_E_EXCEPTION, {}, {}};
    script.info.wCode = wCode;
    script.info.strSource = std::move(strSource);
    script.info.strDescription = std::move(strDescription);
    m_scripts[nCall] = std::move(script);
}

void CScriptedChart::FailCallWithCode(int nCall, HRESULT hr) {
    m_scripts[nCall] = SScript{SScript::EAction::FailWithCode, hr, {}, {}};
}

void CScriptedChart::AnswerNoObjectAt(int nCall) {
    m_scripts[nCall] = SScript{SScript::EAction::NoObject, S_OK, {}, {}};
}

void CScriptedChart::AnswerValueAt(int nCall, COleVariant value) {
    m_scripts[nCall] = SScript{SScript::EAction::Value, S_OK, {}, std::move(value)};
}

HRESULT CScriptedChart::Dispatch(CObject& object, DISPID dispid, WORD wFlags,
                                 const DISPPARAMS& params, COleVariant* pResult,
                                 EXCEPINFO* pExcepInfo) {
    m_calls.push_back({object.m_strPath, dispid, wFlags, {params.args.begin(), params.args.end()}});
    auto script = m_scripts.find(++m_nCallCount);
    if (script != m_scripts.end()) {
        switch (script->second.action) {
        case SScript::EAction::Fail:
            *pExcepInfo = script->second.info;
            return DISP_E_EXCEPTION;
        case SScript::EAction::FailWithCode:
            return script->second.hr;
        case SScript::EAction::NoObject:
            if (pResult)
                *pResult = COleVariant(static_cast<IDispatch*>(nullptr));
            return S_OK;
        case SScript::EAction::Value:
            if (pResult)
                *pResult = script->second.value;
            return S_OK;
        }
    }

    const auto& operations = Operations();
    auto operation = std::find_if(operations.begin(), operations.end(), [&](const SOperation& op) {
        return op.nKind == object.m_nKind && op.dispid == dispid && op.wFlags == wFlags;
    });
    if (operation == operations.end())
        return DISP_E_MEMBERNOTFOUND;
    if (params.args.size() != operation->argTypes.size())
        return DISP_E_BADPARAMCOUNT;
    for (std::size_t i = 0; i < params.args.size(); ++i) {
        if (operation->argTypes[i] != VT_VARIANT && params.args[i].Type() != operation->argTypes[i])
            return DISP_E_TYPEMISMATCH;
    }

    auto answerObject = [&](CObject* pChild) {
        if (pChild)
            pChild->AddRef();
        if (pResult)
            *pResult = COleVariant(static_cast<IDispatch*>(pChild));
        else if (pChild)
            pChild->Release();
        return S_OK;
    };
    if (operation->pszChild) {
        CObject*& pChild = object.m_children[operation->pszChild];
        if (!pChild)
            pChild =
                NewObject(operation->nResultKind, object.m_strPath + "." + operation->pszChild);
        return answerObject(pChild);
    }
    if (object.m_nKind == KIND_CHART && dispid == ChartIds::ADD_SERIES) {
        object.m_series.push_back(
            NewObject(KIND_SERIES, "chart.series[" + std::to_string(object.m_series.size()) + "]"));
        if (pResult)
            *pResult = COleVariant(static_cast<LONG>(object.m_series.size() - 1));
        return S_OK;
    }
    if (object.m_nKind == KIND_CHART && dispid == ChartIds::SERIES) {
        LONG nIndex = params.args[0].GetLong();
        bool bExists = nIndex >= 0 && static_cast<std::size_t>(nIndex) < object.m_series.size();
        return answerObject(bExists ? object.m_series[nIndex] : nullptr);
    }
    if (object.m_nKind == KIND_SERIES && dispid == SeriesIds::ADD_XY) {
        object.m_points.push_back({params.args[0].GetDouble(), params.args[1].GetDouble(),
                                   params.args[2].GetString(), params.args[3].GetLong()});
        if (pResult)
            *pResult = COleVariant(static_cast<LONG>(object.m_points.size() - 1));
        return S_OK;
    }
    if (object.m_nKind == KIND_STRINGS) {
        LONG nIndex = params.args[0].GetLong();
        if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= m_headerLines.size())
            return DISP_E_BADINDEX;
        if (params.args[1].Type() != VT_BSTR)
            return DISP_E_TYPEMISMATCH;
        m_headerLines[nIndex] = params.args[1].GetString();
        return S_OK;
    }
    object.m_puts[dispid] = params.args.back();
    return S_OK;
}

std::string CScriptedChart::SCall::ToString() const {
    std::string strText = strPath + " " + KindWord(wFlags);
    if (wFlags == 0)
        return strText;
    strText += " " + std::to_string(dispid) + "(";
    for (std::size_t i = 0; i < args.size(); ++i)
        strText += (i ? ", " : "") + args[i].Describe();
    return strText + ")";
}

std::vector<std::string> CScriptedChart::CallTexts() const {
    std::vector<std::string> texts;
    for (const SCall& call : m_calls)
        texts.push_back(call.ToString());
    return texts;
}

long CScriptedChart::OutstandingReferences() const {
    long nTotal = 0;
    for (const auto& pObject : m_objects)
        nTotal += pObject->m_nRefs;
    return nTotal;
}

CScriptedChart::CObject* CScriptedChart::FindObject(const std::string& strPath) const {
    for (const auto& pObject : m_objects) {
        if (pObject->m_strPath == strPath)
            return pObject.get();
    }
    return nullptr;
}

int CScriptedChart::SeriesCount() const {
    return static_cast<int>(m_pRoot->m_series.size());
}

std::vector<CScriptedChart::SPoint> CScriptedChart::SeriesPoints(int nSeries) const {
    return m_pRoot->m_series.at(nSeries)->m_points;
}

COleVariant CScriptedChart::PutValue(const std::string& strPath, DISPID dispid) const {
    const CObject* pObject = FindObject(strPath);
    if (!pObject)
        return {};
    auto put = pObject->m_puts.find(dispid);
    return put == pObject->m_puts.end() ? COleVariant() : put->second;
}

std::vector<std::string> CScriptedChart::HeaderLines() const {
    return m_headerLines;
}

void CScriptedChart::SetHeaderLines(std::vector<std::string> lines) {
    m_headerLines = std::move(lines);
}
