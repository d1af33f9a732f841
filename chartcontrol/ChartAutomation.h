#pragma once

#include "chartcontrol/ChartModel.h"
#include "platform/automation/Dispatch.h"

#include <memory>

// The chart component's automation face: the chart object that answers the chart contract.
// The caller owns the one reference returned. Every object handed out keeps the document
// alive for as long as someone holds it.
LPDISPATCH CreateChartDispatch(std::shared_ptr<CChartDocument> pDocument);
