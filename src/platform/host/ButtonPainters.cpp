#include "platform/host/BuiltInPainters.h"
#include "platform/host/ControlDrawing.h"
#include "platform/user/SysColors.h"

namespace host {

using namespace paint;

namespace {

constexpr int32_t kMarkBox = 13; // the square of a check box or an option button

// A check box or an option button: the back, the mark (drawn by `mark` in the 13-pixel square
// centred at the left edge) and the caption four pixels after the square.
void paint_marked(const HostControl& c, gdi::HDC dc, const gdi::RECT& r,
                  void (*mark)(const HostControl& c, gdi::HDC dc, int32_t left, int32_t top)) {
    fill(dc, r, color_of(c, "BackColor"));
    mark(c, dc, r.left, r.top + (r.bottom - r.top - kMarkBox) / 2);
    write(dc, c, rt::CStr(c.GetValue("Caption")), r.left + kMarkBox + 4,
          r.top + (r.bottom - r.top - text_height(dc, c)) / 2, text_color(c), true);
}

// A sunken white square; checked (1) shows the classic tick, grayed (2) the tick in gray.
void check_mark(const HostControl& c, gdi::HDC dc, int32_t l, int32_t t) {
    fill(dc, {l, t, l + kMarkBox, t + kMarkBox}, sys(user::COLOR_WINDOW));
    sunken(dc, {l, t, l + kMarkBox, t + kMarkBox});
    const int value = rt::CInt(c.GetValue("Value"));
    if (value == 0) return;
    const gdi::COLORREF ink = value == 2 ? sys(user::COLOR_GRAYTEXT) : sys(user::COLOR_WINDOWTEXT);
    for (int i = 0; i < 3; ++i) { // three pixels thick: down two, then up five
        line(dc, l + 3, t + 5 + i, l + 5, t + 7 + i, ink);
        line(dc, l + 5, t + 7 + i, l + 10, t + 2 + i, ink);
    }
}

// A white circle with a shadow ring; set, a dot in its middle.
void option_mark(const HostControl& c, gdi::HDC dc, int32_t l, int32_t t) {
    const gdi::HBRUSH white = gdi::CreateSolidBrush(sys(user::COLOR_WINDOW));
    const gdi::HPEN shadow = gdi::CreatePen(gdi::PS_SOLID, 1, sys(user::COLOR_BTNSHADOW));
    const gdi::HGDIOBJ old_brush = gdi::SelectObject(dc, white), old_pen = gdi::SelectObject(dc, shadow);
    gdi::Ellipse(dc, l, t, l + 12, t + 12);
    if (rt::CBool(c.GetValue("Value"))) {
        const gdi::HBRUSH dot = gdi::CreateSolidBrush(sys(user::COLOR_WINDOWTEXT));
        gdi::SelectObject(dc, dot);
        gdi::Ellipse(dc, l + 4, t + 4, l + 8, t + 8);
        gdi::SelectObject(dc, white);
        gdi::DeleteObject(dot);
    }
    gdi::SelectObject(dc, old_brush);
    gdi::SelectObject(dc, old_pen);
    gdi::DeleteObject(white);
    gdi::DeleteObject(shadow);
}

} // namespace

void PaintCommandButton(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    fill(dc, r, color_of(c, "BackColor"));
    raised(dc, r);
    // A button's caption is centred as it shows, and grays with the button (not with a ForeColor).
    const std::string caption = rt::CStr(c.GetValue("Caption"));
    const int32_t height = text_height(dc, c);
    const gdi::SIZE size = caption_extent(dc, c, caption);
    const bool enabled = rt::CBool(c.GetValue("Enabled"));
    write(dc, c, caption, r.left + (r.right - r.left - size.cx) / 2, r.top + (r.bottom - r.top - height) / 2,
          sys(enabled ? user::COLOR_BTNTEXT : user::COLOR_GRAYTEXT), true);
}

void PaintCheckBox(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    paint_marked(c, dc, r, check_mark);
}

void PaintOptionButton(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    paint_marked(c, dc, r, option_mark);
}

} // namespace host
