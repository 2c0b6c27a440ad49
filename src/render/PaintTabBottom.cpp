#include "render/ShapeRoutine.h"

#include "layout/Constants.h"

// Bottom tabs: the panel lies above the headers. A row's panel spans x0 .. x1 from y0 down to the
// header's top T, which is the panel's lower edge line; the header stands on it from L to R.
namespace vntab::render {

namespace {

struct BottomPanel {
    double L, R, T, B;
    double x0, y0, x1;
};

void PanelLook1(ShapeCanvas& c, const BottomPanel& p) {
    c.FillBox(Ink::TabBrush, p.x0 + 1, p.y0 + 1, p.x1 - 1, p.T - 1);
    {
        auto right = c.Lines(Ink::DarkShadow);
        right.MoveTo(p.R - 1, p.T);
        right.LineTo(p.x1, p.T);
        right.LineTo(p.x1, p.y0 - 1);
    }
    {
        auto top_left = c.Lines(Ink::Highlight);
        top_left.MoveTo(p.x1 - 1, p.y0);
        top_left.LineTo(p.x0, p.y0);
        top_left.LineTo(p.x0, p.T);
    }
    {
        auto bottom_left = c.Lines(Ink::DarkShadow);
        bottom_left.LineTo(p.L, p.T);
    }
    {
        auto inner = c.Lines(Ink::Shadow);
        inner.MoveTo(p.R - 2, p.T - 1);
        inner.LineTo(p.x1 - 1, p.T - 1);
        inner.LineTo(p.x1 - 1, p.y0);
    }
    if (p.L > p.x0 + 1) {
        auto inner_left = c.Lines(Ink::Shadow);
        inner_left.MoveTo(p.x0 + 1, p.T - 1);
        inner_left.LineTo(p.L, p.T - 1);
    }
}

void PanelLook2(ShapeCanvas& c, const BottomPanel& p) {
    const double B = p.B;
    c.FillBox(Ink::TabBrush, p.x0 + 1, p.y0 + 1, p.x1 - 1, p.T - B);
    {
        auto outline = c.Lines(Ink::DarkShadow);
        outline.MoveTo(p.R - 1, p.T);
        outline.LineTo(p.x1, p.T);
        outline.LineTo(p.x1, p.y0 - 1);
        outline.MoveTo(p.x1 - 1, p.y0);
        outline.LineTo(p.x0, p.y0);
        outline.LineTo(p.x0, p.T);
        outline.LineTo(p.L, p.T);
    }
    c.FillPolygon(Ink::Shadow, {{p.R - 2, p.T - 1},
                                {p.R - B - 1, p.T - B},
                                {p.x1 - B, p.T - B},
                                {p.x1 - B, p.y0 + B},
                                {p.x1, p.y0},
                                {p.x1, p.T}});
    c.FillPolygon(Ink::Shadow, {{p.x0, p.T}, {p.x0 + B, p.T - B}, {p.L + B + 1, p.T - B}, {p.L + 1, p.T}});
    c.FillPolygon(Ink::Highlight, {{p.x1 - 1, p.y0 + 1},
                                   {p.x1 - B - 1, p.y0 + B + 1},
                                   {p.x0 + B + 1, p.y0 + B + 1},
                                   {p.x0 + B + 1, p.T - B},
                                   {p.x0 + 1, p.T},
                                   {p.x0 + 1, p.y0 + 1}});
}

void BottomPanelPart(const PanelScene& scene) {
    if (!DrawsRowPanel(scene.ctl, scene.shape)) return;
    const Header& h = scene.shape.header;
    const RowValues& r = scene.shape.rows;
    const BottomPanel panel{static_cast<double>(h.left),  h.left + static_cast<double>(h.width),
                            static_cast<double>(h.top),   static_cast<double>(h.bevel),
                            static_cast<double>(r.first), static_cast<double>(r.second),
                            static_cast<double>(r.third)};
    DrawPanel(scene.look, scene.canvas, panel, PanelLook1, PanelLook2);
}

} // namespace

gdi::RECT PaintTabBottom(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape) {
    return PaintShape(ctl, dc, shape, vnOrientationBottom, BottomPanelPart);
}

} // namespace vntab::render
