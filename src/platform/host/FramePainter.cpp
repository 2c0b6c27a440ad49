#include "platform/host/BuiltInPainters.h"
#include "platform/host/ControlDrawing.h"
#include "platform/user/SysColors.h"

namespace host {

using namespace paint;

namespace {

// A one-pixel rectangle outline; the rectangle's right and bottom edges are inside it.
void outline(gdi::HDC dc, const gdi::RECT& e, gdi::COLORREF color) {
    const int32_t rr = e.right - 1, b = e.bottom - 1;
    line(dc, e.left, e.top, rr, e.top, color);
    line(dc, rr, e.top, rr, b, color);
    line(dc, rr, b, e.left, b, color);
    line(dc, e.left, b, e.left, e.top, color);
}

} // namespace

// An etched outline (a shadow line with a highlight line one pixel down and right) that starts
// half a text line down, so that the caption sits on its top edge in a gap of the back colour.
void PaintFrame(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    fill(dc, r, color_of(c, "BackColor"));
    const int32_t height = text_height(dc, c);
    const int32_t mid = r.top + height / 2;
    outline(dc, {r.left + 1, mid + 1, r.right, r.bottom}, sys(user::COLOR_BTNHIGHLIGHT));
    outline(dc, {r.left, mid, r.right - 1, r.bottom - 1}, sys(user::COLOR_BTNSHADOW));
    const std::string caption = rt::CStr(c.GetValue("Caption"));
    if (caption.empty()) return;
    const gdi::SIZE size = caption_extent(dc, c, caption);
    fill(dc, {r.left + 6, r.top, r.left + 10 + size.cx, r.top + height}, color_of(c, "BackColor"));
    write(dc, c, caption, r.left + 8, r.top, text_color(c), true);
}

} // namespace host
