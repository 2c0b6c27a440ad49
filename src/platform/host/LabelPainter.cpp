#include "platform/host/BuiltInPainters.h"
#include "platform/host/ControlDrawing.h"

namespace host {

using namespace paint;

// The caption at the top of the box, aligned left (0), right (1) or centred (2) by the width of the
// caption as stored, markers included; an opaque label (BackStyle 1) fills its box first.
void PaintLabel(const HostControl& c, gdi::HDC dc, const gdi::RECT& r) {
    if (rt::CInt(c.GetValue("BackStyle")) == 1) fill(dc, r, color_of(c, "BackColor"));
    const std::string caption = rt::CStr(c.GetValue("Caption"));
    const int align = rt::CInt(c.GetValue("Alignment"));
    const int32_t width = ControlFont(dc, c).extent(caption).cx;
    const int32_t x = align == 1   ? r.right - width
                      : align == 2 ? r.left + (r.right - r.left - width) / 2
                                   : r.left;
    write(dc, c, caption, x, r.top, text_color(c), true);
}

} // namespace host
