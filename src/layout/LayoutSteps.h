#pragma once

#include "layout/TabCtlState.h"
#include "platform/gdi/Handles.h"

#include <cstdint>

// The steps of one layout run, shared by the files of this folder. Rows are numbered from 0 next
// to the panel; positions along a row are client pixels. Every integer step is checked the way the
// automation runtime checks it, in the width of its operands: a product of two 16-bit values is
// 16-bit, one with a 32-bit operand is 32-bit.
namespace vntab {

class ControlView;

// The client area as the container reports it, in pixels, fractional as the formulas take it.
struct ClientSize {
    double width = 0.0;
    double height = 0.0;
};
ClientSize ClientSizeOf(const ControlView& ctl);

// Right and left tabs stand down a side of the control: their rows run along y. Every other
// orientation lays its rows along x.
bool RowsRunDown(int32_t orientation);

// The usable length of a row: the client extent along the rows, less 1 and the active tab's
// inflation at both ends.
int32_t RowLengthOf(const ControlView& ctl);

// Where a row starts along its length. Each row farther from the panel is indented by TabRowOffset.
int32_t RowStart(const TabCtlState& s, int16_t row);
// Where a row ends, given where the farthest row ends (`far_end` = RowLength + TabActiveInflate + 1):
// each row keeps its length, so nearer rows end TabRowOffset earlier per row.
int32_t RowEnd(const TabCtlState& s, int32_t far_end, int16_t row);

// Sets the header's across-row coordinate from its row and its along-row coordinate to `pos`.
void PlaceTabInRow(const ControlView& ctl, gdi::RECT& rect, int16_t row, int32_t pos);
// Places tab `index` (1-based) at `pos` in `row`, `length` long and TabHeight thick, and stores
// the rectangle as the tab's TabRect.
void StoreHeader(ControlView& ctl, int32_t index, int16_t row, int32_t pos, int32_t length);

// The row a header rectangle stands in, as GetTabRow derives it.
int16_t RowOfRect(const ControlView& ctl, const gdi::RECT& rect);

// Automatic rows: as many headers per row as fit in `row_length`, and the rows they need.
void FitRowsToLength(ControlView& ctl, int32_t row_length);

// Spreads the tabs over the rows for the equal-width and proportional justifications. Sets
// RowCapacity (and RowCount when TabsPerRow is set) and returns how many rows, from row 0, hold
// RowCapacity headers; the rows after them hold one fewer.
int16_t DistributeRows(TabCtlState& s, int16_t tab_count);

// The four justifications.
void LayoutEqualWidth(ControlView& ctl);
void LayoutProportional(ControlView& ctl, int32_t far_end);
void LayoutFitCaption(ControlView& ctl, gdi::HDC dc, int32_t row_length);
void LayoutByCaption(ControlView& ctl, gdi::HDC dc, int32_t row_length);

} // namespace vntab
