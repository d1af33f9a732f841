#pragma once

#include "platform/automation/AutomationTypes.h"

// The chart component's automation interface, as it publishes it: the dispatch id of every
// operation, by object. The same id means different things on different objects (2 is the
// axes on the chart, a flag on an axis, the caption of an axis title...). Kinds and argument
// types are those of the wrappers that call them (chart/).

namespace ChartIds {
inline constexpr DISPID AXES = 2;        // get: the axes
inline constexpr DISPID LEGEND = 15;     // get: the legend
inline constexpr DISPID HEADER = 22;     // get: the header
inline constexpr DISPID ADD_SERIES = 28; // method (long kind): adds a line series
inline constexpr DISPID SERIES = 56;     // method (long index): the series added so many before
inline constexpr DISPID EVENT_DRAWN = 3; // event: fired after each complete drawing
} // namespace ChartIds

namespace AxesIds {
inline constexpr DISPID LEFT = 1;   // get: the axis of y values
inline constexpr DISPID BOTTOM = 4; // get: the axis of x values
} // namespace AxesIds

namespace AxisIds {
inline constexpr DISPID FLAG_2 = 2;    // put BOOL: the maximum follows the data
inline constexpr DISPID FLAG_3 = 3;    // put BOOL: the minimum follows the data
inline constexpr DISPID PART_11 = 11;  // get: the axis labels
inline constexpr DISPID VALUE_19 = 19; // put double: the maximum
inline constexpr DISPID VALUE_20 = 20; // put double: the minimum
inline constexpr DISPID TITLE = 30;    // get: the axis title
// put BOOL: values are automation dates, labelled as calendar dates; no other id uses it.
inline constexpr DISPID DATE_TIME_LABELS = 100;
} // namespace AxisIds

namespace AxisPartIds {
inline constexpr DISPID VALUE_16 = 16; // put long: the least gap between labels, in percent
} // namespace AxisPartIds

namespace AxisTitleIds {
inline constexpr DISPID CAPTION = 2; // put string
} // namespace AxisTitleIds

namespace SeriesIds {
inline constexpr DISPID TITLE = 39;   // put string
inline constexpr DISPID PART_43 = 43; // get: the point markers
inline constexpr DISPID ADD_XY = 48;  // method (double x, double y, string label, long colour)
// method (VARIANT pairs, VT_ARRAY | VT_R8 of an even length: x and y of each point in turn;
// BOOL: every x is a date to the millisecond given as its place on a date axis, seconds since
// 1 January 1970 UTC): adds every point in order, as ADD_XY would one at a time (a date as the
// automation date of that time) with the label "" and the series' own colour, and answers the
// count added; an array of another type or an odd length fails with DISP_E_TYPEMISMATCH and
// adds nothing. The array is handed over: an empty series keeps it as its points and draws them
// where they lie, so that a million points are drawn with no copy. An addition of this
// component for long series: one call where ADD_XY would make a million, no id of the original
// interface.
inline constexpr DISPID ADD_XY_PAIRS = 101;
} // namespace SeriesIds

namespace SeriesPartIds {
inline constexpr DISPID FLAG_2 = 2; // put BOOL: markers shown
} // namespace SeriesPartIds

namespace LegendIds {
inline constexpr DISPID FLAG_17 = 17; // put BOOL: the legend shown
} // namespace LegendIds

namespace HeaderIds {
inline constexpr DISPID STRINGS = 6; // get: the header's text lines
} // namespace HeaderIds

namespace StringsIds {
inline constexpr DISPID ITEM = 2; // put (long index, VARIANT text): replaces one line
} // namespace StringsIds
