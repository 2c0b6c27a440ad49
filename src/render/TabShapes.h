#pragma once

#include "gfx/CDC.h"
#include "platform/gdi/Handles.h"
#include "render/ShapeCanvas.h"
#include "render/StylePainters.h"

#include <cstdint>

namespace vntab {
class ControlView;
}

// The shape routines: one per orientation, each filling a tab header, drawing its 3D edges in the
// control's style and look, drawing the part of the panel that belongs to the header's row, and
// returning the rectangle left for the caption. DrawTab computes their input.
namespace vntab::render {

// The three row values of a header. Their meaning depends on the orientation, in this order:
//   top:    x of the row panel's left edge, x of its right edge, y of its bottom edge
//   right:  x of its left edge, y of its top edge, y of its bottom edge
//   bottom: x of its left edge, y of its top edge, x of its right edge
//   left:   y of its top edge, x of its right edge, y of its bottom edge
struct RowValues {
    int32_t first = 0;
    int32_t second = 0;
    int32_t third = 0;
};

// One header as DrawTab hands it to a shape routine: the tab, its row (0 next to the panel), the
// header with its bevel width as the style painter draws it, the row values and the tab's edge
// colours, and the pens and brushes of the redraw it belongs to (none outside a redraw).
struct TabShape {
    int16_t tab_index = 0;
    int16_t row = 0;
    Header header;
    RowValues rows;
    EdgeColors colors;
    RedrawObjects* objects = nullptr;
};

gdi::RECT PaintTabTop(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape);
gdi::RECT PaintTabRight(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape);
gdi::RECT PaintTabBottom(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape);
gdi::RECT PaintTabLeft(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape);

// The shape routine of the control's Orientation. Any other orientation draws nothing and leaves the
// caption rectangle empty.
gdi::RECT PaintTabShape(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape);

} // namespace vntab::render
