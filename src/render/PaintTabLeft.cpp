#include "render/ShapeRoutine.h"

#include "layout/Constants.h"
#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"

// Left tabs: the panel lies right of the headers. A row's panel spans y0 .. y1 from the header's
// panel-side edge X = L + H (fractional: H is the thickness) to x1; the header stands on it from T
// to V.
namespace vntab::render {

namespace {

struct LeftPanel {
    double X, T, V, B;
    double y0, x1, y1;
    // The top edge of the panel is drawn on above the header while G < T, with G ten pixels per row
    // still to come after this one (counted from TabRows).
    bool reaches_above;
};

void PanelLook1(ShapeCanvas& c, const LeftPanel& p) {
    const double X = rt::round_even(p.X);
    c.FillBox(Ink::TabBrush, p.X + p.B, p.y0 + 1, p.x1 - 1, p.y1 - 1);
    {
        auto below_header = c.Lines(Ink::Highlight);
        below_header.MoveTo(p.X, p.V);
        below_header.LineTo(X, p.y1);
    }
    {
        auto bottom_right = c.Lines(Ink::DarkShadow);
        bottom_right.LineTo(p.x1, p.y1);
        bottom_right.LineTo(p.x1, p.y0 - 1);
    }
    {
        auto top = c.Lines(Ink::Highlight);
        top.MoveTo(p.x1 - 1, p.y0);
        top.LineTo(X, p.y0);
        if (p.reaches_above) top.LineTo(X, p.T);
    }
    auto inner = c.Lines(Ink::Shadow);
    inner.MoveTo(p.X + 1, p.y1 - 1);
    inner.LineTo(p.x1 - 1, p.y1 - 1);
    inner.LineTo(p.x1 - 1, p.y0);
}

void PanelLook2(ShapeCanvas& c, const LeftPanel& p) {
    const double X = rt::round_even(p.X);
    const double B = p.B;
    c.FillBox(Ink::TabBrush, p.X + B + 1, p.y0 + 1, p.x1 - 1, p.y1 - 1);
    {
        auto outline = c.Lines(Ink::DarkShadow);
        outline.MoveTo(p.X, p.V);
        outline.LineTo(X, p.y1);
        outline.LineTo(p.x1, p.y1);
        outline.LineTo(p.x1, p.y0);
        outline.LineTo(X, p.y0);
        if (p.reaches_above) outline.LineTo(X, p.T);
    }
    c.FillPolygon(
        Ink::Highlight,
        {{p.X + 1, p.V - 1}, {p.X + B + 1, p.V - B - 1}, {p.X + B + 1, p.y1 - B - 1}, {p.X + 1, p.y1 - 1}});
    c.FillPolygon(Ink::Highlight, {{p.X + 1, p.T + 1},
                                   {p.X + B + 1, p.T + B + 1},
                                   {p.X + B + 1, p.y0 + B + 1},
                                   {p.x1 - B, p.y0 + B + 1},
                                   {p.x1, p.y0 + 1},
                                   {p.X + 1, p.y0 + 1}});
    c.FillPolygon(Ink::Shadow, {{p.x1, p.y0},
                                {p.x1 - B, p.y0 + B},
                                {p.x1 - B, p.y1 - B},
                                {p.X + B, p.y1 - B},
                                {p.X, p.y1},
                                {p.x1, p.y1}});
}

void LeftPanelPart(const PanelScene& scene) {
    if (!DrawsRowPanel(scene.ctl, scene.shape)) return;
    const Header& h = scene.shape.header;
    const RowValues& r = scene.shape.rows;
    const int16_t rows_after =
        rt::mul16(rt::sub16(rt::sub16(scene.ctl.State().TabRows, scene.shape.row), 1), 10);
    const LeftPanel panel{h.left + static_cast<double>(h.height), static_cast<double>(h.top),
                          h.top + static_cast<double>(h.width),   static_cast<double>(h.bevel),
                          static_cast<double>(r.first),           static_cast<double>(r.second),
                          static_cast<double>(r.third),           rows_after < h.top};
    DrawPanel(scene.look, scene.canvas, panel, PanelLook1, PanelLook2);
}

} // namespace

gdi::RECT PaintTabLeft(const ControlView& ctl, gfx::CDC& dc, const TabShape& shape) {
    return PaintShape(ctl, dc, shape, vnOrientationLeft, LeftPanelPart);
}

} // namespace vntab::render
