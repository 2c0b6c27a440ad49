#pragma once

#include "render/ShapeCanvas.h"
#include "render/StylePainters.h"
#include "render/TabShapes.h"

// What the four shape routines share: the tab brush around the style painter and the panel part.
namespace vntab::render {

// What the panel part of a shape routine works with.
struct PanelScene {
    const ControlView& ctl;
    ShapeCanvas& canvas;
    const TabShape& shape;
    int32_t look; // 1 or 2
};
using PanelPart = void (*)(const PanelScene& scene);

// A shape routine: selects the tab brush of the tab's BackColor, calls the style painter of
// TabStyle, then the orientation's panel part, and finally selects the previous brush back. Pens and
// brushes come from the shape's redraw, or from the routine's own when it has none. Returns the
// caption rectangle the style painter left.
gdi::RECT PaintShape(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape, int32_t orientation,
                     PanelPart panel_part);

// Draws a row panel in `look`: with `look2` for the Windows look, with `look1` for any other.
template <class Panel>
void DrawPanel(int32_t look, ShapeCanvas& canvas, const Panel& panel,
               void (*look1)(ShapeCanvas&, const Panel&), void (*look2)(ShapeCanvas&, const Panel&)) {
    if (look == 2)
        look2(canvas, panel);
    else
        look1(canvas, panel);
}

// Whether this header draws its row's panel: the panel of a back row is drawn by the first header of
// that row, and the active tab, drawn last, draws the front panel complete.
bool DrawsRowPanel(const ControlView& ctl, const TabShape& shape);

} // namespace vntab::render
