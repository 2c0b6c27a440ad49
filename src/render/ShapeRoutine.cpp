#include "render/ShapeRoutine.h"

#include "gfx/Module.h"
#include "layout/Constants.h"
#include "layout/ControlView.h"
#include "layout/TabLayout.h"
#include "render/GdiScopes.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

namespace vntab::render {

gdi::RECT PaintShape(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape, int32_t orientation,
                     PanelPart panel_part) {
    const TabCtlState& s = ctl.State();
    const VNTab& tab = *ctl.Tabs()->Item(rt::Variant(int32_t{shape.tab_index}));
    // Outside a redraw the routine keeps its pens and brushes to itself.
    RedrawObjects own;
    RedrawObjects& objects = shape.objects ? *shape.objects : own;
    const gdi::HBRUSH tab_brush = objects.Brush(gfx::TranslateColor(tab.BackColor()));
    SelectionScope brush_selected(dc, tab_brush);
    ShapeCanvas canvas(dc, tab_brush, shape.colors, objects);

    const int32_t look = s.DrawTab3DAppearance == vn3DWindows ? 2 : 1;
    const StyleSettings settings{orientation, look, s.TabStyleWidth, s.TabStyleHeight, s.TabHeight};
    const gdi::RECT caption = PaintTabStyle(s.TabStyle, canvas, shape.header, settings);
    panel_part(PanelScene{ctl, canvas, shape, look});
    return caption;
}

bool DrawsRowPanel(const ControlView& ctl, const TabShape& shape) {
    const bool first_in_back_row = IsFirstInRow(ctl, shape.tab_index) && shape.row != 0;
    return first_in_back_row || shape.tab_index == ctl.State().TabActive;
}

gdi::RECT PaintTabShape(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape) {
    switch (ctl.State().Orientation) {
    case vnOrientationTop:
        return PaintTabTop(ctl, dc, shape);
    case vnOrientationRight:
        return PaintTabRight(ctl, dc, shape);
    case vnOrientationBottom:
        return PaintTabBottom(ctl, dc, shape);
    case vnOrientationLeft:
        return PaintTabLeft(ctl, dc, shape);
    default:
        return {};
    }
}

} // namespace vntab::render
