#include "render/ShapeRoutine.h"

#include "layout/Constants.h"

// Right tabs: the panel lies left of the headers. A row's panel spans y0 .. y1 from x0 to the
// header's left L, which is the panel's right edge line; the header stands on it from T to V.
namespace vntab::render {

namespace {

struct RightPanel {
    double L, T, V, B;
    double x0, y0, y1;
};

void PanelLook1(ShapeCanvas& c, const RightPanel& p) {
    c.FillBox(Ink::TabBrush, p.x0 + 1, p.y0 + 1, p.L, p.y1 - 1);
    {
        auto bottom = c.Lines(Ink::DarkShadow);
        bottom.MoveTo(p.L, p.V);
        bottom.LineTo(p.L, p.y1);
        bottom.LineTo(p.x0 - 1, p.y1);
    }
    {
        auto left_top = c.Lines(Ink::Highlight);
        left_top.MoveTo(p.x0, p.y1);
        left_top.LineTo(p.x0, p.y0);
        left_top.LineTo(p.L, p.y0);
    }
    if (p.y0 < p.T) {
        auto above_header = c.Lines(Ink::DarkShadow);
        above_header.LineTo(p.L, p.T);
    }
    {
        auto inner = c.Lines(Ink::Shadow);
        inner.MoveTo(p.L - 1, p.V - 2);
        inner.LineTo(p.L - 1, p.y1 - 1);
        inner.LineTo(p.x0, p.y1 - 1);
    }
    if (p.y0 < p.T) {
        auto inner_above = c.Lines(Ink::Shadow);
        inner_above.MoveTo(p.L - 1, p.y0 + 1);
        inner_above.LineTo(p.L - 1, p.T + 1);
    }
}

void PanelLook2(ShapeCanvas& c, const RightPanel& p) {
    const double B = p.B;
    c.FillBox(Ink::TabBrush, p.x0 + 1, p.y0 + 1, p.L - B, p.y1 - 1);
    {
        auto outline = c.Lines(Ink::DarkShadow);
        outline.MoveTo(p.L, p.V);
        outline.LineTo(p.L, p.y1);
        outline.LineTo(p.x0 - 1, p.y1);
        outline.MoveTo(p.x0, p.y1 - 1);
        outline.LineTo(p.x0, p.y0);
        outline.LineTo(p.L, p.y0);
        if (p.y0 < p.T) outline.LineTo(p.L, p.T);
    }
    // The band above the header is lit when the header starts the row, and in shadow below a
    // header that stands lower down.
    c.FillPolygon(p.y0 >= p.T ? Ink::Highlight : Ink::Shadow,
                  {{p.L, p.y0}, {p.L - B, p.y0 + B}, {p.L - B, p.T + B + 1}, {p.L, p.T + 1}});
    c.FillPolygon(Ink::Shadow, {{p.L, p.V - 1},
                                {p.L - B, p.V - B - 1},
                                {p.L - B, p.y1 - B},
                                {p.x0 + B, p.y1 - B},
                                {p.x0, p.y1},
                                {p.L, p.y1}});
    c.FillPolygon(Ink::Highlight, {{p.x0 + 1, p.y1 - 1},
                                   {p.x0 + B + 1, p.y1 - B - 1},
                                   {p.x0 + B + 1, p.y0 + B + 1},
                                   {p.L - B - 1, p.y0 + B + 1},
                                   {p.L - 1, p.y0 + 1},
                                   {p.x0 + 1, p.y0 + 1}});
}

void RightPanelPart(const PanelScene& scene) {
    if (!DrawsRowPanel(scene.ctl, scene.shape)) return;
    const Header& h = scene.shape.header;
    const RowValues& r = scene.shape.rows;
    const RightPanel panel{static_cast<double>(h.left),          static_cast<double>(h.top),
                           h.top + static_cast<double>(h.width), static_cast<double>(h.bevel),
                           static_cast<double>(r.first),         static_cast<double>(r.second),
                           static_cast<double>(r.third)};
    DrawPanel(scene.look, scene.canvas, panel, PanelLook1, PanelLook2);
}

} // namespace

gdi::RECT PaintTabRight(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape) {
    return PaintShape(ctl, dc, shape, vnOrientationRight, RightPanelPart);
}

} // namespace vntab::render
