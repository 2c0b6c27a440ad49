#pragma once

#include "gfx/CDC.h"
#include "platform/gdi/Handles.h"
#include "render/TabShapes.h"

#include <cstdint>

namespace vntab {
class ControlView;
}

namespace vntab::render {

// The header of one tab as its shape routine gets it: the bevel (TabActiveBevel for the active tab
// in the Windows look, else 1), the tab's three edge colours translated to RGB, its layout
// rectangle (the active tab grown by TabActiveInflate at both ends and outward across the row) and
// the three row values of its orientation.
TabShape TabShapeOf(const ControlView& ctl, int16_t tab_index, int16_t row, bool active);

// Draws one tab header on the redraw's surface: the shape routine of the control's orientation
// fills the header, draws its edges and its share of the panel; the caption renderer then draws
// the tab's caption and picture into the caption rectangle the shape left (bold when active and
// TabActiveBold, gray on a disabled control, turned with the orientation), and the active tab of
// a focused control gets the dotted focus rectangle. Returns the caption rectangle. Within a redraw,
// `objects` holds the pens and brushes the headers share.
gdi::RECT DrawTab(ControlView& ctl, gfx::CDC& dc, int16_t tab_index, int16_t row, bool active,
                  RedrawObjects* objects = nullptr);

// The whole picture of the control on the redraw's surface, once the layout has run: the
// background in BackColor, then the headers back to front, the active one last.
void PaintControl(ControlView& ctl, gfx::CDC& dc, int32_t width, int32_t height);

} // namespace vntab::render
