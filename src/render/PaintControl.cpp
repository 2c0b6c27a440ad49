#include "render/DrawTab.h"

#include "gfx/CRect.h"
#include "gfx/Module.h"
#include "layout/ControlView.h"
#include "layout/TabLayout.h"
#include "render/GdiScopes.h"

namespace vntab::render {

namespace {

void FillBackground(gfx::CDC& dc, int32_t width, int32_t height, int32_t back_color) {
    OwnedBrush brush(OwnedBrush::Solid(gfx::TranslateColor(back_color)));
    dc.FillRect(gfx::CRect(0, 0, width, height), brush.get());
}

// Back to front: the rows behind the active one (tabs before the active tab first, then those after
// it, each from the highest index down), then the active row without the active tab, and the
// active tab last, on top of everything. The row of each header is read again from its rectangle,
// after the rotation has moved the active row next to the panel.
void DrawHeaders(ControlView& ctl, gfx::CDC& dc) {
    const int16_t count = ctl.TabCount();
    const int16_t active = ctl.State().TabActive;
    const int16_t active_row = GetTabRow(ctl, active);
    // The headers share their pens and brushes, made once a colour for the whole redraw.
    RedrawObjects objects;
    auto draw_if = [&](int32_t tab, auto wanted) {
        const int16_t row = GetTabRow(ctl, tab);
        if (wanted(row)) DrawTab(ctl, dc, static_cast<int16_t>(tab), row, false, &objects);
    };
    auto behind = [&](int16_t row) { return row > active_row; };
    for (int32_t tab = active - 1; tab >= 1; --tab)
        draw_if(tab, behind);
    for (int32_t tab = count; tab > active; --tab)
        draw_if(tab, behind);
    for (int32_t tab = count; tab >= 1; --tab)
        if (tab != active) draw_if(tab, [&](int16_t row) { return row == active_row; });
    DrawTab(ctl, dc, active, active_row, true, &objects);
}

} // namespace

void PaintControl(ControlView& ctl, gfx::CDC& dc, int32_t width, int32_t height) {
    FillBackground(dc, width, height, ctl.State().BackColor);
    DrawHeaders(ctl, dc);
}

} // namespace vntab::render
