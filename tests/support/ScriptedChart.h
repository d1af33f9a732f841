#pragma once

#include "platform/automation/Dispatch.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// A stand-in chart component for tests: plain objects that answer every operation of the
// chart contract, check the argument types of each call, record every call, and can be
// told to fail a given call or to answer a getter with no object.
class CScriptedChart {
public:
    struct SCall {
        std::string strPath; // "chart", "chart.axes.left", "chart.series[0].part43", ...
        DISPID dispid = 0;
        WORD wFlags = 0; // 0 for a release, when releases are recorded
        std::vector<COleVariant> args;
        // "chart.axes.left put 3(VT_BOOL 0)"
        std::string ToString() const;
    };

    struct SPoint {
        double dX;
        double dY;
        std::string strLabel;
        LONG nColour;
    };

    CScriptedChart();
    ~CScriptedChart();
    CScriptedChart(const CScriptedChart&) = delete;
    CScriptedChart& operator=(const CScriptedChart&) = delete;

    // The chart object; the double keeps it alive, a caller that keeps it adds a reference.
    LPDISPATCH Root();

    // Scripting by call number, counting every call from 1.
    void FailCall(int nCall, std::string strDescription, std::string strSource = "ScriptedChart",
                  WORD wCode = 1001);
    void FailCallWithCode(int nCall, HRESULT hr);
    void AnswerNoObjectAt(int nCall);
    void AnswerValueAt(int nCall, COleVariant value);
    void RecordReleases(bool bRecord) { m_bRecordReleases = bRecord; }

    const std::vector<SCall>& Calls() const { return m_calls; }
    std::vector<std::string> CallTexts() const;

    // References held outside the double, and releases of references nobody held.
    long OutstandingReferences() const;
    long OverReleases() const { return m_nOverReleases; }

    // What the chart holds now.
    int SeriesCount() const;
    std::vector<SPoint> SeriesPoints(int nSeries) const;
    // The last value put with dispid on the object at strPath; empty when none.
    COleVariant PutValue(const std::string& strPath, DISPID dispid) const;
    std::vector<std::string> HeaderLines() const;
    void SetHeaderLines(std::vector<std::string> lines);

    class CObject;

private:
    friend class CObject;
    CObject* NewObject(int nKind, std::string strPath);
    HRESULT Dispatch(CObject& object, DISPID dispid, WORD wFlags, const DISPPARAMS& params,
                     COleVariant* pResult, EXCEPINFO* pExcepInfo);
    CObject* FindObject(const std::string& strPath) const;

    struct SScript {
        enum class EAction { Fail, FailWithCode, NoObject, Value } action;
        HRESULT hr = 0;
        EXCEPINFO info;
        COleVariant value;
    };

    std::vector<std::unique_ptr<CObject>> m_objects;
    CObject* m_pRoot = nullptr;
    std::vector<SCall> m_calls;
    std::vector<std::string> m_headerLines;
    std::map<int, SScript> m_scripts;
    int m_nCallCount = 0;
    bool m_bRecordReleases = false;
    long m_nOverReleases = 0;
};
