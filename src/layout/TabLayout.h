#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

namespace vntab {

class ControlView;
class VNTab;

// The tab layout engine: where every tab header of a control lies. The results live in the control
// (RowCount, RowCapacity, PanelEdge) and in each tab (TabRect); drawing, hit testing and keyboard
// navigation read only those. Every length is in client pixels. Arithmetic is the automation
// runtime's: an overflow raises error 6, an integer division by zero error 11.

// Rows, row capacity and every tab's TabRect for the current properties and client size. `dc` is
// used only to measure captions (the caption-based justifications). When automatic rows find no
// room for a single header, nothing changes and the headers keep their previous rectangles.
void LayoutTabs(ControlView& ctl, gdi::HDC dc);

// The row of a tab (0 next to the panel), derived from its TabRect. Error 0x8004041D for a tab
// index the collection does not have.
int16_t GetTabRow(const ControlView& ctl, int32_t tab_index);

// Whether the tab's header starts at (or before) the start of its row.
bool IsFirstInRow(const ControlView& ctl, int32_t tab_index);

// The coordinate of the panel edge the headers stand on (y for top and bottom tabs, x for right and
// left ones), from tab 1, which lies in row 0 before the rows are rotated.
float PanelEdgeOf(const ControlView& ctl);

// Moves the rows so that the active tab's row stands next to the panel; the other rows keep their
// cyclic order.
void RotateRows(ControlView& ctl);

// The layout part of a full redraw, in order: LayoutTabs, the panel edge (stored in the control's
// PanelEdge) and RotateRows.
void LayoutForRedraw(ControlView& ctl, gdi::HDC dc);

// The caption width the caption-based justifications size headers by, in pixels: the text extent
// of the caption without its "&" markers, in the control's caption font on `dc`.
int32_t MeasureCaption(const ControlView& ctl, gdi::HDC dc, const VNTab& tab);

} // namespace vntab
