#include "tests/support/RecordedChart.h"

#include "chartcontrol/ChartAutomation.h"
#include "chartcontrol/ChartInterface.h"
#include "chartcontrol/SavedState.h"
#include "data/NumberText.h"
#include "ui/PlotDialogInit.h"

#include <stdexcept>

// The name of what a getter yields, as the calls are written down: "chart.axes.left". The
// getters' ids differ from one another, whatever object they are on.
static std::string ChildPath(const std::string& strParent, DISPID dispid,
                             const DISPPARAMS& params) {
    static const std::map<DISPID, const char*> names = {
        {ChartIds::AXES, "axes"},  {ChartIds::LEGEND, "legend"},   {ChartIds::HEADER, "header"},
        {AxesIds::LEFT, "left"},   {AxesIds::BOTTOM, "bottom"},    {AxisIds::PART_11, "part11"},
        {AxisIds::TITLE, "title"}, {SeriesIds::PART_43, "part43"}, {HeaderIds::STRINGS, "strings"}};
    if (dispid == ChartIds::SERIES)
        return strParent + ".series[" + std::to_string(params.args[0].GetLong()) + "]";
    return strParent + "." + names.at(dispid);
}

// "VT_I4 3", "VT_BSTR \"text\"".
static std::string Describe(const COleVariant& value) {
    const auto type = value.Type();
    return type == VT_I4     ? "VT_I4 " + std::to_string(value.GetLong())
           : type == VT_R8   ? "VT_R8 " + ShortestText(value.GetDouble())
           : type == VT_BOOL ? "VT_BOOL " + std::to_string(value.GetBool())
           : type == VT_BSTR ? "VT_BSTR \"" + value.GetString() + "\""
           : type == (VT_ARRAY | VT_R8)
               ? "VT_ARRAY|VT_R8 [" + std::to_string(value.GetDoubleCount()) + "]"
               : "VT_EMPTY";
}

static std::string CallText(const std::string& strPath, DISPID dispid, WORD wFlags,
                            const DISPPARAMS& params) {
    std::string strText = strPath +
                          (wFlags == DISPATCH_METHOD        ? " method "
                           : wFlags == DISPATCH_PROPERTYPUT ? " put "
                                                            : " get ") +
                          std::to_string(dispid) + "(";
    for (std::size_t i = 0; i < params.args.size(); ++i)
        strText += (i ? ", " : "") + Describe(params.args[i]);
    return strText + ")";
}

class CRecordedChart::CRecorder : public IDispatch {
public:
    CRecorder(CRecordedChart& owner, LPDISPATCH pReal, std::string strPath)
        : m_owner(owner), m_pReal(pReal), m_strPath(std::move(strPath)) {}

    unsigned long AddRef() override { return ++m_nRefs; }
    unsigned long Release() override {
        if (m_owner.m_bRecordReleases)
            m_owner.m_calls.push_back(m_strPath + " release");
        if (m_nRefs == 0) {
            ++m_owner.m_nOverReleases;
            return 0;
        }
        if (--m_nRefs == 0)
            m_pReal->Release();
        return m_nRefs;
    }
    HRESULT Invoke(DISPID dispid, WORD wFlags, const DISPPARAMS& params, COleVariant* pResult,
                   EXCEPINFO* pExcepInfo) override {
        m_owner.m_calls.push_back(CallText(m_strPath, dispid, wFlags, params));
        if (auto failure = m_owner.m_failures.find(++m_owner.m_nCalls);
            failure != m_owner.m_failures.end()) {
            if (pExcepInfo)
                *pExcepInfo = failure->second;
            return DISP_E_EXCEPTION;
        }
        const HRESULT hr = m_pReal->Invoke(dispid, wFlags, params, pResult, pExcepInfo);
        if (SUCCEEDED(hr) && pResult && pResult->Type() == VT_DISPATCH && pResult->GetDispatch())
            *pResult = COleVariant(
                m_owner.Wrap(pResult->DetachDispatch(), ChildPath(m_strPath, dispid, params)));
        return hr;
    }
    unsigned long References() const { return m_nRefs; }

private:
    CRecordedChart& m_owner;
    LPDISPATCH m_pReal;
    std::string m_strPath;
    unsigned long m_nRefs = 1;
};

CRecordedChart::CRecordedChart() : m_pDocument(std::make_shared<CChartDocument>()) {
    if (!LoadChartStateFromDialogInit(PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE, 1000,
                                      m_pDocument->Model())
             .Ok())
        throw std::logic_error("the dialog's saved state does not load");
    Wrap(CreateChartDispatch(m_pDocument), "chart");
}

CRecordedChart::~CRecordedChart() {
    m_bRecordReleases = false;
    m_recorders.front()->Release();
}

LPDISPATCH CRecordedChart::Root() {
    return m_recorders.front().get();
}

LPDISPATCH CRecordedChart::Wrap(LPDISPATCH pReal, std::string strPath) {
    m_recorders.push_back(std::make_unique<CRecorder>(*this, pReal, std::move(strPath)));
    return m_recorders.back().get();
}

void CRecordedChart::FailCall(int nCall, std::string strDescription, std::string strSource,
                              WORD wCode) {
    m_failures[nCall] = {wCode, std::move(strSource), std::move(strDescription)};
}

long CRecordedChart::OutstandingReferences() const {
    // The recorder keeps one reference of its own on the chart object.
    long nSum = -1;
    for (const auto& pRecorder : m_recorders)
        nSum += static_cast<long>(pRecorder->References());
    return nSum;
}
