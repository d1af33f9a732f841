#include "chartcontrol/ChartAutomation.h"

#include "chartcontrol/AutomationDate.h"
#include "chartcontrol/ChartInterface.h"
#include "platform/automation/OleDispatchDriver.h"

#include <algorithm>
#include <vector>

namespace {

enum class EObject {
    Chart,
    Axes,
    Axis,
    AxisLabels,
    AxisTitle,
    Series,
    SeriesPointer,
    Legend,
    Header,
    HeaderLines
};
enum class EWhichAxis { Left, Bottom };

// One object of the chart: which part of the document it stands for. Parts are addressed by
// kind and index, never by pointer, so that series added later cannot leave them dangling.
class CChartObject : public IDispatch {
public:
    CChartObject(std::shared_ptr<CChartDocument> pDocument, EObject kind, int nIndex = 0)
        : m_pDocument(std::move(pDocument)), m_kind(kind), m_nIndex(nIndex) {}
    virtual ~CChartObject() {
        for (CChartObject* pChild : m_children)
            pChild->Release();
    }

    unsigned long AddRef() override { return ++m_nRefs; }
    unsigned long Release() override {
        unsigned long nLeft = --m_nRefs;
        if (nLeft == 0)
            delete this;
        return nLeft;
    }
    HRESULT Invoke(DISPID dispid, WORD wFlags, const DISPPARAMS& params, COleVariant* pResult,
                   EXCEPINFO* pExcepInfo) override;

private:
    HRESULT InvokeChart(DISPID dispid, WORD wFlags, const DISPPARAMS& params, COleVariant* pResult);
    HRESULT InvokeAxis(DISPID dispid, WORD wFlags, const DISPPARAMS& params, COleVariant* pResult);
    HRESULT InvokeSeries(DISPID dispid, WORD wFlags, const DISPPARAMS& params,
                         COleVariant* pResult);
    HRESULT InvokeHeaderLines(DISPID dispid, WORD wFlags, const DISPPARAMS& params);

    // Hands out the sub-object of that kind and index: made once, then the same object again
    // for every later call, so that a getter costs no allocation.
    HRESULT Yield(COleVariant* pResult, EObject kind, int nIndex = 0);
    SChartModel& Model() { return m_pDocument->Model(); }
    SChartAxis& Axis() {
        return static_cast<EWhichAxis>(m_nIndex) == EWhichAxis::Left ? Model().left
                                                                     : Model().bottom;
    }

    std::shared_ptr<CChartDocument> m_pDocument;
    EObject m_kind;
    int m_nIndex;
    unsigned long m_nRefs = 1;
    std::vector<CChartObject*> m_children;
};

bool IsPut(WORD wFlags) {
    return wFlags == DISPATCH_PROPERTYPUT;
}
bool IsGet(WORD wFlags) {
    return (wFlags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) != 0;
}

// The argument at nIndex as type vt: the argument itself when it has that type already,
// otherwise its conversion, kept in holder. A missing or unconvertible argument fails.
HRESULT Argument(const DISPPARAMS& params, std::size_t nIndex, VARTYPE vt, COleVariant& holder,
                 const COleVariant*& pValue) {
    if (nIndex >= params.args.size())
        return DISP_E_BADPARAMCOUNT;
    pValue = &params.args[nIndex];
    if (pValue->Type() == vt)
        return S_OK;
    const HRESULT hr = VariantChangeType(holder, *pValue, vt);
    pValue = &holder;
    return hr;
}

// A put of a single value: converts it and hands it to apply.
template <class Apply> HRESULT PutValue(const DISPPARAMS& params, VARTYPE vt, Apply apply) {
    if (params.args.size() != 1)
        return DISP_E_BADPARAMCOUNT;
    COleVariant holder;
    const COleVariant* pValue = nullptr;
    const HRESULT hr = Argument(params, 0, vt, holder, pValue);
    if (SUCCEEDED(hr))
        apply(*pValue);
    return hr;
}

// Points in bulk: x and y of each point in turn, kept as they lie by a series that has none;
// dates as their places on a date axis.
HRESULT AddPairs(SChartSeries& series, const DISPPARAMS& params, COleVariant* pResult) {
    if (params.args.size() != 2)
        return DISP_E_BADPARAMCOUNT;
    const COleVariant& pairs = params.args[0];
    COleVariant holder;
    const COleVariant* pDates = nullptr;
    if (const HRESULT hr = Argument(params, 1, VT_BOOL, holder, pDates); FAILED(hr))
        return hr;
    if (pairs.Type() != (VT_ARRAY | VT_R8) || pairs.GetDoubleCount() % 2 != 0)
        return DISP_E_TYPEMISMATCH;
    const std::size_t nAdded = pairs.GetDoubleCount() / 2;
    const bool bDates = pDates->GetBool() != VARIANT_FALSE;
    if (series.Size() == 0 && series.labels.empty() && series.colours.empty()) {
        series.pPairs = std::make_shared<CPointPairs>(pairs.DoublesToKeep(), nAdded, bDates);
    } else {
        for (std::size_t i = 0; i < nAdded; ++i) {
            const double dX = pairs.GetDoubles()[2 * i];
            series.Add(bDates ? UnixSecondsToAutomationDate(dX) : dX,
                       pairs.GetDoubles()[2 * i + 1]);
        }
    }
    if (pResult)
        *pResult = COleVariant(static_cast<LONG>(nAdded));
    return S_OK;
}

HRESULT CChartObject::Yield(COleVariant* pResult, EObject kind, int nIndex) {
    if (!pResult)
        return S_OK;
    auto child = std::find_if(m_children.begin(), m_children.end(), [&](CChartObject* pChild) {
        return pChild->m_kind == kind && pChild->m_nIndex == nIndex;
    });
    if (child == m_children.end()) {
        m_children.push_back(new CChartObject(m_pDocument, kind, nIndex));
        child = m_children.end() - 1;
    }
    (*child)->AddRef();
    *pResult = COleVariant(static_cast<IDispatch*>(*child));
    return S_OK;
}

HRESULT CChartObject::Invoke(DISPID dispid, WORD wFlags, const DISPPARAMS& params,
                             COleVariant* pResult, EXCEPINFO*) {
    HRESULT hr = DISP_E_MEMBERNOTFOUND;
    switch (m_kind) {
    case EObject::Chart:
        hr = InvokeChart(dispid, wFlags, params, pResult);
        break;
    case EObject::Axes:
        if (IsGet(wFlags) && dispid == AxesIds::LEFT)
            return Yield(pResult, EObject::Axis, static_cast<int>(EWhichAxis::Left));
        if (IsGet(wFlags) && dispid == AxesIds::BOTTOM)
            return Yield(pResult, EObject::Axis, static_cast<int>(EWhichAxis::Bottom));
        return DISP_E_MEMBERNOTFOUND;
    case EObject::Axis:
        hr = InvokeAxis(dispid, wFlags, params, pResult);
        break;
    case EObject::AxisLabels:
        if (IsPut(wFlags) && dispid == AxisPartIds::VALUE_16)
            hr = PutValue(params, VT_I4,
                          [&](const COleVariant& v) { Axis().nLabelSeparation = v.GetLong(); });
        break;
    case EObject::AxisTitle:
        if (IsPut(wFlags) && dispid == AxisTitleIds::CAPTION)
            hr = PutValue(params, VT_BSTR,
                          [&](const COleVariant& v) { Axis().strTitle = v.GetString(); });
        break;
    case EObject::Series:
        hr = InvokeSeries(dispid, wFlags, params, pResult);
        break;
    case EObject::SeriesPointer:
        if (IsPut(wFlags) && dispid == SeriesPartIds::FLAG_2)
            hr = PutValue(params, VT_BOOL, [&](const COleVariant& v) {
                Model().series.at(m_nIndex).bPointsVisible = v.GetBool() != VARIANT_FALSE;
            });
        break;
    case EObject::Legend:
        if (IsPut(wFlags) && dispid == LegendIds::FLAG_17)
            hr = PutValue(params, VT_BOOL, [&](const COleVariant& v) {
                Model().bLegendVisible = v.GetBool() != VARIANT_FALSE;
            });
        break;
    case EObject::Header:
        if (IsGet(wFlags) && dispid == HeaderIds::STRINGS)
            return Yield(pResult, EObject::HeaderLines);
        return DISP_E_MEMBERNOTFOUND;
    case EObject::HeaderLines:
        hr = InvokeHeaderLines(dispid, wFlags, params);
        break;
    }
    // Puts, and the methods that add series and points, change the chart.
    bool bLookup = m_kind == EObject::Chart && dispid == ChartIds::SERIES;
    if (SUCCEEDED(hr) && (IsPut(wFlags) || (wFlags == DISPATCH_METHOD && !bLookup)))
        m_pDocument->Changed();
    return hr;
}

HRESULT CChartObject::InvokeChart(DISPID dispid, WORD wFlags, const DISPPARAMS& params,
                                  COleVariant* pResult) {
    if (wFlags == DISPATCH_PROPERTYGET) {
        switch (dispid) {
        case ChartIds::AXES:
            return Yield(pResult, EObject::Axes);
        case ChartIds::LEGEND:
            return Yield(pResult, EObject::Legend);
        case ChartIds::HEADER:
            return Yield(pResult, EObject::Header);
        default:
            return DISP_E_MEMBERNOTFOUND;
        }
    }
    COleVariant holder;
    const COleVariant* pValue = nullptr;
    HRESULT hr = Argument(params, 0, VT_I4, holder, pValue);
    if (FAILED(hr))
        return hr;
    auto& series = Model().series;
    if (dispid == ChartIds::ADD_SERIES) {
        // Kind 0 is the line series, the only kind this chart draws.
        if (pValue->GetLong() != 0)
            return E_INVALIDARG;
        series.emplace_back();
        if (pResult)
            *pResult = COleVariant(static_cast<LONG>(series.size() - 1));
        return S_OK;
    }
    if (dispid == ChartIds::SERIES) {
        LONG nIndex = pValue->GetLong();
        if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= series.size()) {
            if (pResult)
                *pResult = COleVariant(static_cast<IDispatch*>(nullptr));
            return S_OK;
        }
        return Yield(pResult, EObject::Series, nIndex);
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT CChartObject::InvokeAxis(DISPID dispid, WORD wFlags, const DISPPARAMS& params,
                                 COleVariant* pResult) {
    if (wFlags == DISPATCH_PROPERTYGET) {
        if (dispid == AxisIds::PART_11)
            return Yield(pResult, EObject::AxisLabels, m_nIndex);
        if (dispid == AxisIds::TITLE)
            return Yield(pResult, EObject::AxisTitle, m_nIndex);
        return DISP_E_MEMBERNOTFOUND;
    }
    if (!IsPut(wFlags))
        return DISP_E_MEMBERNOTFOUND;
    SChartAxis& axis = Axis();
    switch (dispid) {
    case AxisIds::FLAG_2:
        return PutValue(params, VT_BOOL, [&](const COleVariant& v) {
            axis.bAutomaticMaximum = v.GetBool() != VARIANT_FALSE;
        });
    case AxisIds::FLAG_3:
        return PutValue(params, VT_BOOL, [&](const COleVariant& v) {
            axis.bAutomaticMinimum = v.GetBool() != VARIANT_FALSE;
        });
    case AxisIds::VALUE_19:
        return PutValue(params, VT_R8,
                        [&](const COleVariant& v) { axis.dMaximum = v.GetDouble(); });
    case AxisIds::VALUE_20:
        return PutValue(params, VT_R8,
                        [&](const COleVariant& v) { axis.dMinimum = v.GetDouble(); });
    case AxisIds::DATE_TIME_LABELS:
        return PutValue(params, VT_BOOL, [&](const COleVariant& v) {
            axis.bDateTime = v.GetBool() != VARIANT_FALSE;
        });
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT CChartObject::InvokeSeries(DISPID dispid, WORD wFlags, const DISPPARAMS& params,
                                   COleVariant* pResult) {
    SChartSeries& series = Model().series.at(m_nIndex);
    if (wFlags == DISPATCH_PROPERTYGET && dispid == SeriesIds::PART_43)
        return Yield(pResult, EObject::SeriesPointer, m_nIndex);
    if (IsPut(wFlags) && dispid == SeriesIds::TITLE)
        return PutValue(params, VT_BSTR,
                        [&](const COleVariant& v) { series.strTitle = v.GetString(); });
    if (wFlags == DISPATCH_METHOD && dispid == SeriesIds::ADD_XY_PAIRS)
        return AddPairs(series, params, pResult);
    if (wFlags != DISPATCH_METHOD || dispid != SeriesIds::ADD_XY)
        return DISP_E_MEMBERNOTFOUND;
    if (params.args.size() != 4)
        return DISP_E_BADPARAMCOUNT;
    static constexpr VARTYPE TYPES[] = {VT_R8, VT_R8, VT_BSTR, VT_I4};
    COleVariant holders[4];
    const COleVariant* values[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        if (HRESULT hr = Argument(params, i, TYPES[i], holders[i], values[i]); FAILED(hr))
            return hr;
    }
    series.Add(values[0]->GetDouble(), values[1]->GetDouble(), values[2]->GetString(),
               static_cast<std::uint32_t>(values[3]->GetLong()));
    if (pResult)
        *pResult = COleVariant(static_cast<LONG>(series.Size() - 1));
    return S_OK;
}

HRESULT CChartObject::InvokeHeaderLines(DISPID dispid, WORD wFlags, const DISPPARAMS& params) {
    if (!IsPut(wFlags) || dispid != StringsIds::ITEM)
        return DISP_E_MEMBERNOTFOUND;
    if (params.args.size() != 2)
        return DISP_E_BADPARAMCOUNT;
    COleVariant indexHolder, textHolder;
    const COleVariant* pIndex = nullptr;
    const COleVariant* pText = nullptr;
    HRESULT hr = Argument(params, 0, VT_I4, indexHolder, pIndex);
    if (SUCCEEDED(hr))
        hr = Argument(params, 1, VT_BSTR, textHolder, pText);
    if (FAILED(hr))
        return hr;
    auto& lines = Model().header;
    const LONG nIndex = pIndex->GetLong();
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= lines.size())
        return DISP_E_BADINDEX;
    lines[nIndex] = pText->GetString();
    return S_OK;
}

} // namespace

LPDISPATCH CreateChartDispatch(std::shared_ptr<CChartDocument> pDocument) {
    return new CChartObject(std::move(pDocument), EObject::Chart);
}
