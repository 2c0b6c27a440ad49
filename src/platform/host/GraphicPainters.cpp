#include "platform/host/BuiltInPainters.h"
#include "platform/host/ControlDrawing.h"

#include <algorithm>

namespace host {

using namespace paint;

// The line runs corner to corner of the box its ends span, from the corner of (X1, Y1) to the
// corner of (X2, Y2), and its last pixel is drawn too.
void PaintLine(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    const int32_t l = r.left, t = r.top, right = r.right - 1, bottom = r.bottom - 1;
    const bool x_forward = c.GetNumber("X1") <= c.GetNumber("X2");
    const bool y_forward = c.GetNumber("Y1") <= c.GetNumber("Y2");
    const int32_t x1 = x_forward ? l : right, x2 = x_forward ? right : l;
    const int32_t y1 = y_forward ? t : bottom, y2 = y_forward ? bottom : t;
    line(dc, x1, y1, x2, y2, color_of(c, "BorderColor"), rt::CInt(c.GetValue("BorderWidth")));
    gdi::SetPixel(dc, x2, y2, color_of(c, "BorderColor"));
}

namespace {

// Shape values: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
bool is_square(int shape) {
    return shape == 1 || shape == 3 || shape == 5;
}
bool is_round(int shape) {
    return shape == 2 || shape == 3;
}

// FillStyle 0 fills with FillColor; otherwise an opaque shape (BackStyle 1) shows its BackColor.
gdi::LOGBRUSH inside_of(const HostControl& c) {
    if (rt::CInt(c.GetValue("FillStyle")) == 0) return {gdi::BS_SOLID, color_of(c, "FillColor"), 0};
    if (rt::CInt(c.GetValue("BackStyle")) == 1) return {gdi::BS_SOLID, color_of(c, "BackColor"), 0};
    return {gdi::BS_HOLLOW, 0, 0};
}

} // namespace

// A square form takes the largest square that fits, centred in the box.
void PaintShape(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    const int shape = rt::CInt(c.GetValue("Shape"));
    gdi::RECT box = r;
    if (is_square(shape)) {
        const int32_t width = r.right - r.left, height = r.bottom - r.top, side = std::min(width, height);
        const int32_t left = r.left + (width - side) / 2, top = r.top + (height - side) / 2;
        box = {left, top, left + side, top + side};
    }
    const gdi::LOGBRUSH inside = inside_of(c);
    const gdi::HBRUSH brush = gdi::CreateBrushIndirect(&inside);
    const gdi::HPEN pen =
        gdi::CreatePen(gdi::PS_SOLID, rt::CInt(c.GetValue("BorderWidth")), color_of(c, "BorderColor"));
    const gdi::HGDIOBJ old_brush = gdi::SelectObject(dc, brush), old_pen = gdi::SelectObject(dc, pen);
    if (is_round(shape))
        gdi::Ellipse(dc, box.left, box.top, box.right, box.bottom);
    else
        gdi::Rectangle(dc, box.left, box.top, box.right, box.bottom);
    gdi::SelectObject(dc, old_brush);
    gdi::SelectObject(dc, old_pen);
    gdi::DeleteObject(brush);
    gdi::DeleteObject(pen);
}

} // namespace host
