#include "text/DrawTab.h"

#include "control/Constants.h"
#include "control/VNTabCtl.h"
#include "gfx/Module.h"
#include "platform/automation/Arithmetic.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

namespace vntab {

namespace {

// The header rectangle: the layout's, the active tab grown by I at both ends of its length and by I
// outward across the row (toward the top for top tabs, the right for right tabs, and so on).
void PlaceHeader(const TabCtlState& s, const gdi::RECT& rect, bool active, render::TabShape& shape) {
    shape.left = rect.left;
    shape.top = rect.top;
    shape.width = static_cast<float>(rt::sub32(rect.right, rect.left));
    shape.height = static_cast<float>(rt::sub32(rect.bottom, rect.top));
    if (!active) return;
    const int16_t inflate = s.TabActiveInflate;
    if (s.Orientation != vnOrientationRight) shape.left = rt::sub32(shape.left, inflate);
    if (s.Orientation != vnOrientationBottom) shape.top = rt::sub32(shape.top, inflate);
    shape.width += rt::mul16(2, inflate);
    shape.height += inflate;
}

// The row values: where the panel of the header's row lies. Rows farther from the panel are
// indented by TabRowOffset at the start and keep their length, and their panel band stands one
// row separation further out. Client extents are fractional and round after the subtraction.
render::RowValues RowValuesOf(const VNTabCtl& ctl, int16_t row) {
    const TabCtlState& s = ctl.State();
    const double width = ctl.Site().ScaleWidth();
    const double height = ctl.Site().ScaleHeight();
    const int32_t shift = rt::mul32(row, s.TabRowOffset);
    const int16_t across = rt::mul16(row, s.DrawTabRowSeparation);
    const int32_t rows_nearer_end = rt::mul32(rt::sub16(rt::sub16(s.RowCount, row), 1), s.TabRowOffset);
    switch (s.Orientation) {
    case vnOrientationTop:
        // Without an indentation every back row spans the whole width, short of the inflation.
        if (row > 0 && s.TabRowOffset == 0)
            return {s.TabActiveInflate, rt::clng(width - 1 - s.TabActiveInflate),
                    rt::clng(height - across - 1)};
        return {shift, rt::clng(width - rows_nearer_end - 1), rt::clng(height - across - 1)};
    case vnOrientationRight:
        return {across, shift, rt::clng(height - rows_nearer_end - 1)};
    case vnOrientationBottom:
        return {shift, across, rt::clng(width - rows_nearer_end - 1)};
    case vnOrientationLeft:
        return {shift, rt::clng(width - across - 1), rt::clng(height - rows_nearer_end - 1)};
    default:
        return {};
    }
}

} // namespace

render::TabShape TabShapeOf(const VNTabCtl& ctl, int16_t tab_index, int16_t row, bool active) {
    const TabCtlState& s = ctl.State();
    const VNTab& tab = *ctl.Tabs()->Item(rt::Variant(int32_t{tab_index}));
    render::TabShape shape;
    shape.tab_index = tab_index;
    shape.row = row;
    shape.bevel = active && s.DrawTab3DAppearance == vn3DWindows ? s.TabActiveBevel : int16_t{1};
    shape.colors = {gfx::TranslateColor(tab.Color3DDKShadow()), gfx::TranslateColor(tab.Color3DHighlight()),
                    gfx::TranslateColor(tab.Color3DShadow())};
    PlaceHeader(s, tab.TabRect(), active, shape);
    shape.rows = RowValuesOf(ctl, row);
    return shape;
}

gdi::RECT DrawTab(VNTabCtl& ctl, gfx::CDC& dc, int16_t tab_index, int16_t row, bool active) {
    return render::PaintTabShape(ctl, dc, TabShapeOf(ctl, tab_index, row, active));
}

} // namespace vntab
