#include "chartcontrol/ChartControl.h"

#include "chartcontrol/ChartAutomation.h"
#include "chartcontrol/ChartInterface.h"
#include "chartcontrol/ChartView.h"
#include "chartcontrol/SavedState.h"

SStatus CChartControl::Create(QWidget* pParent, const std::uint8_t* pInit, std::size_t nInitSize,
                              int nControlId, std::unique_ptr<CChartControl>& pControl) {
    auto pDocument = std::make_shared<CChartDocument>();
    SStatus status = LoadChartStateFromDialogInit(pInit, nInitSize, nControlId, pDocument->Model());
    pControl.reset(
        status.Ok() ? new CChartControl(std::move(pDocument), pParent, pInit, nInitSize, nControlId)
                    : nullptr);
    return status;
}

CChartControl::CChartControl(std::shared_ptr<CChartDocument> pDocument, QWidget* pParent,
                             const std::uint8_t* pInit, std::size_t nInitSize, int nControlId)
    : m_pDocument(std::move(pDocument)), m_pDispatch(CreateChartDispatch(m_pDocument)),
      m_pView(new CChartView(m_pDocument, pParent)), m_pInit(pInit), m_nInitSize(nInitSize),
      m_nControlId(nControlId) {
    const SChartModel& model = m_pDocument->Model();
    if (model.nWidth > 0 && model.nHeight > 0)
        m_pView->resize(model.nWidth, model.nHeight);
}

CChartControl::~CChartControl() {
    m_pDispatch->Release();
    // A view without a parent is ours to delete; a child goes with its parent.
    if (m_pView && !m_pView->parent())
        delete m_pView;
}

void CChartControl::SetEventSink(std::function<void(DISPID)> onEvent) {
    m_pView->SetDrawnListener([onEvent = std::move(onEvent)] {
        if (onEvent)
            onEvent(ChartIds::EVENT_DRAWN);
    });
}

void CChartControl::ResetToSavedState() {
    // The saved state loaded once already, when the control was created.
    SChartModel model;
    LoadChartStateFromDialogInit(m_pInit, m_nInitSize, m_nControlId, model);
    m_pDocument->Model() = std::move(model);
    m_pDocument->Changed();
}
