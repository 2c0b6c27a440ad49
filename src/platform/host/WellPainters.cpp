#include "platform/host/BuiltInPainters.h"
#include "platform/host/ControlDrawing.h"
#include "platform/user/SysColors.h"

namespace host {

using namespace paint;

namespace {

// The back in the control's BackColor inside a sunken edge.
void well(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    fill(dc, r, color_of(c, "BackColor"));
    sunken(dc, r);
}

// The control's Text, as typed (an ampersand is no access key here), four pixels in and centred
// vertically.
void write_text(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    write(dc, c, rt::CStr(c.GetValue("Text")), r.left + 4,
          r.top + (r.bottom - r.top - text_height(dc, c)) / 2, text_color(c), false);
}

} // namespace

void PaintTextBox(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    well(c, dc, r);
    write_text(c, dc, r);
}

void PaintListBox(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    well(c, dc, r);
}

void PaintComboBox(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    well(c, dc, r);
    write_text(c, dc, r);
    if (r.right - r.left <= 20) return;
    // The drop-down button: raised, 16 pixels wide at the right, with a black arrow pointing down.
    const gdi::RECT button{r.right - 18, r.top + 2, r.right - 2, r.bottom - 2};
    fill(dc, button, sys(user::COLOR_BTNFACE));
    raised(dc, button);
    const int32_t cx = button.left + 8, cy = button.top + (button.bottom - button.top) / 2 - 1;
    for (int i = 0; i < 4; ++i)
        line(dc, cx - 3 + i, cy + i, cx + 4 - i, cy + i, sys(user::COLOR_BTNTEXT));
}

void PaintPictureBox(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    fill(dc, r, color_of(c, "BackColor"));
    if (rt::CInt(c.GetValue("BorderStyle")) != 0) sunken(dc, r);
}

} // namespace host
