#include "control/VNTabCtl.h"

#include "gfx/CRect.h"
#include "gfx/Module.h"
#include "layout/TabLayout.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "render/GdiScopes.h"
#include "render/RedrawSurface.h"
#include "text/DrawTab.h"

namespace vntab {

namespace {

void FillBackground(gfx::CDC& dc, int32_t width, int32_t height, int32_t back_color) {
    render::OwnedBrush brush(render::OwnedBrush::Solid(gfx::TranslateColor(back_color)));
    dc.FillRect(gfx::CRect(0, 0, width, height), brush.get());
}

// Back to front: the rows behind the active one (tabs before the active tab first, then those after
// it, each from the highest index down), then the active row without the active tab, and the
// active tab last, on top of everything. The row of each header is read again from its rectangle,
// after the rotation has moved the active row next to the panel.
void DrawHeaders(VNTabCtl& ctl, gfx::CDC& dc) {
    const int16_t count = ctl.TabCount();
    const int16_t active = ctl.State().TabActive;
    const int16_t active_row = GetTabRow(ctl, active);
    auto draw_if = [&](int32_t tab, auto wanted) {
        const int16_t row = GetTabRow(ctl, tab);
        if (wanted(row)) DrawTab(ctl, dc, static_cast<int16_t>(tab), row, false);
    };
    auto behind = [&](int16_t row) { return row > active_row; };
    for (int32_t tab = active - 1; tab >= 1; --tab)
        draw_if(tab, behind);
    for (int32_t tab = count; tab > active; --tab)
        draw_if(tab, behind);
    for (int32_t tab = count; tab >= 1; --tab)
        if (tab != active) draw_if(tab, [&](int16_t row) { return row == active_row; });
    DrawTab(ctl, dc, active, active_row, true);
}

} // namespace

// The full redraw. It lays the headers out again from scratch, draws the control off-screen and
// copies the result to the window in one transfer, so a partly drawn state is never seen. It draws
// nothing at all while there is nothing to draw: no tabs, no active tab, an empty client area,
// properties not yet given (TabWidth 0), or a bulk rearrangement under way (busy). An error in the
// layout or the drawing (an overflow in a coordinate) stops the redraw before the copy, so the
// window keeps what it showed, and reaches the caller.
void VNTabCtl::DrawControl() {
    const double width = m_site.ScaleWidth();
    const double height = m_site.ScaleHeight();
    if (TabCount() == 0 || m_state.TabWidth == 0 || m_state.Busy || m_state.TabActive == 0 || width == 0.0 ||
        height == 0.0)
        return;
    ++m_redraws.full_redraws;

    {
        render::RedrawSurface surface(m_site.hDC(), rt::clng(width), rt::clng(height));
        LayoutForRedraw(*this, surface.dc().m_hdc);
        FillBackground(surface.dc(), surface.width(), surface.height(), m_state.BackColor);
        DrawHeaders(*this, surface.dc());
        surface.CopyToWindow();
    }

    // Controls that paint on the control's own surface were just covered by the new drawing.
    if (m_state.Bound) {
        try {
            RefreshWindowlessControls();
        } catch (const rt::AutomationError&) {
            // A control that cannot refresh shows again at its next paint.
        }
    }
}

} // namespace vntab
