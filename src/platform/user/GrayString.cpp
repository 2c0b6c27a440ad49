#include "platform/gdi/Gdi.h"
#include "platform/gdi/Trace.h"
#include "platform/user/Draw.h"
#include "platform/user/QuietGdi.h"
#include "platform/user/Stencil.h"
#include "platform/user/SysColors.h"

#include <cstring>
#include <string_view>
#include <utility>

namespace user {

namespace {

bool is_dc(gdi::HDC hdc) {
    const uint32_t type = gdi::GetObjectType(hdc);
    return type == gdi::OBJ_DC || type == gdi::OBJ_MEMDC;
}

bool gray(gdi::HDC hdc, gdi::HBRUSH brush, GRAYSTRINGPROC proc, LPARAM data, std::string_view text, int count,
          int32_t x, int32_t y, int32_t width, int32_t height) {
    detail::Canvas canvas(hdc, width, height);
    if (!canvas.ok()) return false;
    const bool drawn = proc ? proc(canvas.dc(), data, count)
                            : gdi::TextOutA(canvas.dc(), 0, 0, text.data(), int(text.size()));
    if (!drawn) return false;
    const gdi::HBRUSH paint = brush ? brush : gdi::CreateSolidBrush(GetSysColor(COLOR_WINDOWTEXT));
    const bool ok = detail::paint_stencil(hdc, x, y, canvas, paint, true);
    if (!brush) gdi::DeleteObject(paint);
    return ok;
}

} // namespace

bool GrayStringA(gdi::HDC hdc, gdi::HBRUSH brush, GRAYSTRINGPROC proc, LPARAM data, int count, int32_t x,
                 int32_t y, int32_t width, int32_t height) {
    const char* chars = reinterpret_cast<const char*>(data);
    // Without an output procedure the data is the string; with one it is the procedure's own data,
    // read as a string only when the size must come from the text.
    std::string_view text;
    const bool need_text = !proc || width == 0 || height == 0;
    if (need_text) {
        if (!chars) return false;
        text = std::string_view(chars, count > 0 ? size_t(count) : std::strlen(chars));
    }
    bool ok = false;
    {
        detail::QuietGdi quiet;
        if (!is_dc(hdc)) return false;
        gdi::SIZE size{width, height};
        if (width == 0 || height == 0) gdi::GetTextExtentPoint32A(hdc, text.data(), int(text.size()), &size);
        if (width == 0) width = size.cx;
        if (height == 0) height = size.cy;
        ok = width > 0 && height > 0 && gray(hdc, brush, proc, data, text, count, x, y, width, height);
    }
    gdi::TraceRecord record;
    record.name = "GrayStringA";
    record.args = {x, y, width, height};
    record.text = std::string(text);
    gdi::trace_record(std::move(record));
    return ok;
}

} // namespace user
