#include "layout/LayoutSteps.h"
#include "layout/TabLayout.h"

#include "layout/Constants.h"
#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

namespace vntab {

float PanelEdgeOf(const ControlView& ctl) {
    const TabCtlState& s = ctl.State();
    const gdi::RECT& first = ctl.Tabs()->Item(rt::Variant(int32_t{1}))->TabRect();
    switch (s.Orientation) {
    case vnOrientationTop:
        return static_cast<float>(first.bottom);
    case vnOrientationRight:
        return static_cast<float>(first.left);
    case vnOrientationBottom:
        return static_cast<float>(first.top);
    case vnOrientationLeft:
        return static_cast<float>(rt::add32(first.left, s.TabHeight));
    default:
        return s.PanelEdge;
    }
}

namespace {

// How far a header moves when its row moves `shift` rows nearer the outer edge: whole row distances
// across the rows (a 16-bit product) and whole indentations along them (a 32-bit one). Top and left
// rows count outward toward smaller coordinates.
gdi::POINT RowShiftOffset(const TabCtlState& s, int16_t shift) {
    const int32_t along = rt::mul32(s.TabRowOffset, shift);
    switch (s.Orientation) {
    case vnOrientationTop:
        return {along, rt::mul16(rt::sub16(0, s.DrawTabRowSeparation), shift)};
    case vnOrientationRight:
        return {rt::mul16(s.DrawTabRowSeparation, shift), along};
    case vnOrientationBottom:
        return {along, rt::mul16(s.DrawTabRowSeparation, shift)};
    case vnOrientationLeft:
        return {rt::mul16(rt::sub16(0, s.DrawTabRowSeparation), shift), along};
    default:
        return {0, 0};
    }
}

void OffsetTabRect(VNTab& tab, gdi::POINT offset) {
    gdi::RECT rect = tab.TabRect();
    rect.left = rt::add32(rect.left, offset.x);
    rect.right = rt::add32(rect.right, offset.x);
    rect.top = rt::add32(rect.top, offset.y);
    rect.bottom = rt::add32(rect.bottom, offset.y);
    tab.SetTabRect(rect);
}

} // namespace

// Rows are a cycle: the active row a moves to 0, rows after it follow in order, and the rows before
// it come after the last one. Each header moves by whole row distances across the rows and whole
// TabRowOffsets along them, so the indentation of every row matches its new place.
void RotateRows(ControlView& ctl) {
    const TabCtlState& s = ctl.State();
    const int16_t active_row = GetTabRow(ctl, s.TabActive);
    const auto& tabs = ctl.Tabs()->tabs();
    for (auto it = tabs.rbegin(); it != tabs.rend(); ++it) {
        VNTab& tab = **it;
        const int16_t row = RowOfRect(ctl, tab.TabRect());
        const int16_t shift = row < active_row ? rt::sub16(s.RowCount, active_row) : rt::sub16(0, active_row);
        OffsetTabRect(tab, RowShiftOffset(s, shift));
    }
}

void LayoutForRedraw(ControlView& ctl, gdi::HDC dc) {
    LayoutTabs(ctl, dc);
    ctl.State().PanelEdge = PanelEdgeOf(ctl);
    // Before any layout has completed there are no rows to turn: the rectangles are still empty,
    // and turning them would move them again at every redraw.
    if (ctl.State().RowCount < 1) return;
    RotateRows(ctl);
}

} // namespace vntab
