#pragma once

#include "chartcontrol/ChartModel.h"
#include "platform/Status.h"
#include "platform/automation/Dispatch.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CChartView;
class QWidget;

// The chart component as a dialog hosts it: a document, its automation object and the
// widget that draws it, created from the dialog's saved state for the control.
class CChartControl {
public:
    // The control in pControl; a failed status, and no control, when the saved state cannot
    // be loaded.
    static SStatus Create(QWidget* pParent, const std::uint8_t* pInit, std::size_t nInitSize,
                          int nControlId, std::unique_ptr<CChartControl>& pControl);
    ~CChartControl();
    CChartControl(const CChartControl&) = delete;
    CChartControl& operator=(const CChartControl&) = delete;

    // The chart object; the control keeps its own reference.
    LPDISPATCH GetDispatch() const { return m_pDispatch; }
    CChartView* View() const { return m_pView; }
    const SChartModel& Model() const { return m_pDocument->Model(); }

    // Events the control fires, by dispatch id: 3 after each complete drawing.
    void SetEventSink(std::function<void(DISPID)> onEvent);

    // Back to the state the control was created with, as a fresh control would be: its saved
    // state and nothing else. The view draws the change once, like any other.
    void ResetToSavedState();

private:
    CChartControl(std::shared_ptr<CChartDocument> pDocument, QWidget* pParent,
                  const std::uint8_t* pInit, std::size_t nInitSize, int nControlId);

    std::shared_ptr<CChartDocument> m_pDocument;
    LPDISPATCH m_pDispatch;
    QPointer<CChartView> m_pView;
    const std::uint8_t* m_pInit;
    std::size_t m_nInitSize;
    int m_nControlId;
};
