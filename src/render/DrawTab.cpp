#include "render/DrawTab.h"

#include "gfx/CRect.h"
#include "gfx/Module.h"
#include "layout/Constants.h"
#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "platform/host/ControlSite.h"
#include "platform/user/Input.h"
#include "platform/user/OleColor.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"
#include "text/CRenderText.h"

namespace vntab::render {

namespace {

// The header rectangle: the layout's, the active tab grown by I at both ends of its length and by I
// outward across the row (toward the top for top tabs, the right for right tabs, and so on).
void PlaceHeader(const TabCtlState& s, const gdi::RECT& rect, bool active, Header& header) {
    header.left = rect.left;
    header.top = rect.top;
    header.width = static_cast<float>(rt::sub32(rect.right, rect.left));
    header.height = static_cast<float>(rt::sub32(rect.bottom, rect.top));
    if (!active) return;
    const int16_t inflate = s.TabActiveInflate;
    if (s.Orientation != vnOrientationRight) header.left = rt::sub32(header.left, inflate);
    if (s.Orientation != vnOrientationBottom) header.top = rt::sub32(header.top, inflate);
    header.width += rt::mul16(2, inflate);
    header.height += inflate;
}

// The row values: where the panel of the header's row lies. Rows farther from the panel are
// indented by TabRowOffset at the start and keep their length, and their panel band stands one
// row separation further out. Client extents are fractional and round after the subtraction.
RowValues RowValuesOf(const ControlView& ctl, int16_t row) {
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

// The renderer's text direction for the control's orientation: captions on bottom tabs are not
// turned upside down.
int32_t CaptionOrientation(int32_t orientation) {
    switch (orientation) {
    case vnOrientationRight:
        return 1;
    case vnOrientationLeft:
        return 3;
    default:
        return 0;
    }
}

// The caption and picture into the caption rectangle, in the caption font (bold for the active
// tab when TabActiveBold says so) turned for the orientation. Consecutive captions in the same font
// share it.
void RenderCaption(const ControlView& ctl, gfx::CDC& dc, const VNTab& tab, const gdi::RECT& caption,
                   bool active) {
    const TabCtlState& s = ctl.State();
    text::CRenderText& renderer = ctl.Renderer();
    // A disabled control grays every caption, whatever the tab's colour.
    renderer.SetForeColor(
        static_cast<int32_t>(gfx::TranslateColor(s.Enabled ? tab.ForeColor() : user::kOleGrayText)));
    // The header the shape routine drew shows through; the disabled look is the colour above.
    renderer.SetBackTransparent(true);
    renderer.SetEnabled(true);
    renderer.SetCaptionFont(s.TabCaptionFont.get(), active && s.TabActiveBold,
                            CaptionOrientation(s.Orientation));
    renderer.TargetRect().SetFromRECT(caption);
    renderer.SetText(tab.Caption());
    renderer.SetTextAlignment(s.TabCaptionAlign);
    renderer.SetPicture(tab.Picture());
    renderer.SetPictureAlignment(s.TabPictureAlign);
    // Without a caption font the height stays 0: the platform's default size.
    const float points = s.TabCaptionFont ? static_cast<float>(s.TabCaptionFont->Size()) : 0.0f;
    renderer.Render(dc, points);
}

// The dotted focus rectangle around the active caption of a control whose own window has the
// keyboard focus, reaching 2 pixels further on the side where the caption starts. It is an XOR
// drawing on the redraw's surface, so a redraw without the focus simply leaves it out.
void DrawCaptionFocus(ControlView& ctl, gfx::CDC& dc, const gdi::RECT& caption, bool active) {
    TabCtlState& s = ctl.State();
    if (!s.Enabled || !active || s.FocusRectStyle != vnFocusRectText) return;
    if (user::GetFocus() != ctl.Site().hWnd()) return;
    gfx::CRect focus;
    focus.SetFromRECT(caption);
    switch (s.Orientation) {
    case vnOrientationRight:
        focus.Top = rt::sub32(focus.Top, 2);
        break;
    case vnOrientationLeft:
        focus.Bottom = rt::add32(focus.Bottom, 2);
        break;
    default:
        focus.Left = rt::sub32(focus.Left, 2);
        break;
    }
    s.FocusRect = focus.GetRECT();
    dc.DrawFocusRect(focus);
}

} // namespace

TabShape TabShapeOf(const ControlView& ctl, int16_t tab_index, int16_t row, bool active) {
    const TabCtlState& s = ctl.State();
    const VNTab& tab = *ctl.Tabs()->Item(rt::Variant(int32_t{tab_index}));
    TabShape shape;
    shape.tab_index = tab_index;
    shape.row = row;
    shape.header.bevel = active && s.DrawTab3DAppearance == vn3DWindows ? s.TabActiveBevel : int16_t{1};
    shape.colors = {gfx::TranslateColor(tab.Color3DDKShadow()), gfx::TranslateColor(tab.Color3DHighlight()),
                    gfx::TranslateColor(tab.Color3DShadow())};
    PlaceHeader(s, tab.TabRect(), active, shape.header);
    shape.rows = RowValuesOf(ctl, row);
    return shape;
}

gdi::RECT DrawTab(ControlView& ctl, gfx::CDC& dc, int16_t tab_index, int16_t row, bool active,
                  RedrawObjects* objects) {
    TabShape shape = TabShapeOf(ctl, tab_index, row, active);
    shape.objects = objects;
    const gdi::RECT caption = PaintTabShape(ctl, dc, shape);
    const VNTab& tab = *ctl.Tabs()->Item(rt::Variant(int32_t{tab_index}));
    RenderCaption(ctl, dc, tab, caption, active);
    DrawCaptionFocus(ctl, dc, caption, active);
    return caption;
}

} // namespace vntab::render
