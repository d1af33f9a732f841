#pragma once

#include "chartcontrol/ChartModel.h"
#include "platform/Status.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Dialog initialisation records: a list of (control id, message, data) entries that tell how
// each hosted control of a dialog starts. For the chart the message is "load your state from
// this stream", and the stream holds the chart's saved properties.
inline constexpr std::uint16_t DLGINIT_LOAD_STREAM = 0x0376;

// Finds the record of control nControlId in the list and applies its saved properties to
// the model. A failed status (the chart cannot be created) when the list or the stream is
// malformed, truncated or has no such record: nothing is read outside pData[0, nSize).
SStatus LoadChartStateFromDialogInit(const std::uint8_t* pData, std::size_t nSize, int nControlId,
                                     SChartModel& model);

// Applies a property stream ("TPF0", class, object, properties, end markers) to the model.
// Unknown properties are passed over; bytes after the end markers belong to the component.
SStatus LoadChartStateFromStream(const std::uint8_t* pData, std::size_t nSize, SChartModel& model);
