#include "render/ShapeRoutine.h"

#include "layout/Constants.h"
#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "platform/host/ControlSite.h"

// Top tabs: the panel lies below the headers. A row's panel spans x0 .. x1 and reaches down to y1;
// its top edge is the header's bottom, y0 = T + H, and it is open where the header stands on it.
namespace vntab::render {

namespace {

struct TopPanel {
    double L, W, B;
    double x0, x1, y0, y1;
};

void PanelLook1(ShapeCanvas& c, const TopPanel& p) {
    const double R = p.L + p.W;
    c.FillBox(Ink::TabBrush, p.x0 + 1, p.y0 + 1, p.x1 - 1, p.y1 - 1);
    if (R <= p.x1) {
        auto top_right = c.Lines(Ink::Highlight);
        top_right.MoveTo(R - 1, p.y0);
        top_right.LineTo(p.x1, p.y0);
    }
    {
        auto right_bottom = c.Lines(Ink::DarkShadow);
        right_bottom.MoveTo(p.x1, p.y0);
        right_bottom.LineTo(p.x1, p.y1);
        right_bottom.LineTo(p.x0 - 1, p.y1);
    }
    {
        auto left_top = c.Lines(Ink::Highlight);
        left_top.MoveTo(p.x0, p.y1 - 1);
        left_top.LineTo(p.x0, p.y0);
        left_top.LineTo(p.L, p.y0);
    }
    auto inner = c.Lines(Ink::Shadow);
    inner.MoveTo(p.x1 - 1, p.y0 + 1);
    inner.LineTo(p.x1 - 1, p.y1 - 1);
    inner.LineTo(p.x0, p.y1 - 1);
}

// The Windows look outlines the panel with the surface's default pen, so the outline is black
// whatever the tab's dark-shadow colour. The top edge right of the header stops ten pixels per row
// short of the control's right side.
void PanelLook2(ShapeCanvas& c, const TopPanel& p, double client_width, int16_t row) {
    const double R = p.L + p.W;
    const double B = p.B;
    c.FillBox(Ink::TabBrush, p.x0 + B + 1, p.y0 + B + 1, p.x1 - 1, p.y1 - 1);
    if (client_width - rt::mul16(10, row) > R) {
        auto top_right = c.Lines(Ink::CurrentPen);
        top_right.MoveTo(R, p.y0);
        top_right.LineTo(p.x1, p.y0);
    }
    {
        auto outline = c.Lines(Ink::CurrentPen);
        outline.MoveTo(p.x1, p.y0);
        outline.LineTo(p.x1, p.y1);
        outline.LineTo(p.x0, p.y1);
        outline.LineTo(p.x0, p.y0);
        outline.LineTo(p.L, p.y0);
    }
    c.FillPolygon(
        Ink::Highlight,
        {{R - 1, p.y0 + 1}, {R - B - 1, p.y0 + B + 1}, {p.x1 - B, p.y0 + B + 1}, {p.x1 - 1, p.y0 + 1}});
    c.FillPolygon(Ink::Shadow, {{p.x1, p.y0},
                                {p.x1 - B, p.y0 + B},
                                {p.x1 - B, p.y1 - B},
                                {p.x0 + B, p.y1 - B},
                                {p.x0, p.y1},
                                {p.x1, p.y1}});
    c.FillPolygon(Ink::Highlight, {{p.x0 + 1, p.y1 - 1},
                                   {p.x0 + B + 1, p.y1 - B - 1},
                                   {p.x0 + B + 1, p.y0 + B + 1},
                                   {p.L + B + 1, p.y0 + B + 1},
                                   {p.L + 1, p.y0 + 1},
                                   {p.x0 + 1, p.y0}});
}

// With no room for a panel the header is closed along its bottom, on the row's bottom line.
void CloseHeader(ShapeCanvas& c, const TopPanel& p, int32_t look) {
    const double R = p.L + p.W;
    if (look == 2) {
        {
            auto bottom = c.Lines(Ink::CurrentPen);
            bottom.MoveTo(R - 1, p.y1);
            bottom.LineTo(p.L, p.y1);
        }
        c.FillPolygon(Ink::Shadow,
                      {{R - 1, p.y1}, {R - p.B, p.y1 - p.B}, {p.L + p.B, p.y1 - p.B}, {p.L, p.y1}});
        return;
    }
    {
        auto bottom = c.Lines(Ink::DarkShadow);
        bottom.MoveTo(R - 1, p.y1);
        bottom.LineTo(p.L - 1, p.y1);
    }
    auto inner = c.Lines(Ink::Shadow);
    inner.MoveTo(R - 2, p.y1 - 1);
    inner.LineTo(p.L, p.y1 - 1);
}

void TopPanelPart(const PanelScene& scene) {
    const Header& h = scene.shape.header;
    const RowValues& r = scene.shape.rows;
    const TopPanel panel{static_cast<double>(h.left),   h.width,
                         static_cast<double>(h.bevel),  static_cast<double>(r.first),
                         static_cast<double>(r.second), static_cast<double>(h.top) + h.height,
                         static_cast<double>(r.third)};
    const host::ControlSite& site = scene.ctl.Site();
    if (site.ScaleHeight() > scene.ctl.State().TabHeight) {
        if (!DrawsRowPanel(scene.ctl, scene.shape)) return;
        if (scene.look == 2)
            PanelLook2(scene.canvas, panel, site.ScaleWidth(), scene.shape.row);
        else
            PanelLook1(scene.canvas, panel);
        return;
    }
    CloseHeader(scene.canvas, panel, scene.look);
}

} // namespace

gdi::RECT PaintTabTop(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape) {
    return PaintShape(ctl, dc, shape, vnOrientationTop, TopPanelPart);
}

} // namespace vntab::render
