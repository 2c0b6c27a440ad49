#pragma once

#include "gfx/CDC.h"
#include "platform/gdi/Handles.h"
#include "render/TabShapes.h"

#include <cstdint>

namespace vntab {

class VNTabCtl;

// The header of one tab as its shape routine gets it: the bevel (TabActiveBevel for the active tab
// in the Windows look, else 1), the tab's three edge colours translated to RGB, its layout
// rectangle (the active tab grown by TabActiveInflate at both ends and outward across the row) and
// the three row values of its orientation.
render::TabShape TabShapeOf(const VNTabCtl& ctl, int16_t tab_index, int16_t row, bool active);

// Draws one tab header on the redraw's surface: the shape routine of the control's orientation
// fills the header, draws its edges and its share of the panel. Returns the caption rectangle the
// shape left.
gdi::RECT DrawTab(VNTabCtl& ctl, gfx::CDC& dc, int16_t tab_index, int16_t row, bool active);

} // namespace vntab
