#include "platform/gdi/Gdi.h"
#include "platform/gdi/Trace.h"
#include "platform/user/Draw.h"
#include "platform/user/Mnemonic.h"
#include "platform/user/QuietGdi.h"
#include "platform/user/Stencil.h"
#include "platform/user/SysColors.h"

#include <cstring>
#include <string>
#include <utility>

namespace user {

namespace {

constexpr UINT kTypeMask = 0x000F;
constexpr UINT kKnownStates = DSS_DISABLED | DSS_MONO | DSS_HIDEPREFIX | DSS_PREFIXONLY;

bool is_dc(gdi::HDC hdc) {
    const uint32_t type = gdi::GetObjectType(hdc);
    return type == gdi::OBJ_DC || type == gdi::OBJ_MEMDC;
}

std::string_view text_of(LPARAM data, WPARAM length) {
    const char* text = reinterpret_cast<const char*>(data);
    if (!text) return {};
    return std::string_view(text, length ? length : std::strlen(text));
}

gdi::SIZE extent(gdi::HDC hdc, std::string_view text) {
    gdi::SIZE size;
    gdi::GetTextExtentPoint32A(hdc, text.data(), int(text.size()), &size);
    return size;
}

// The underline of a prefixed character: one pixel below the baseline, in the text colour.
void underline(gdi::HDC hdc, int32_t x, int32_t y, const MnemonicText& prefix) {
    gdi::TEXTMETRICA tm;
    if (!gdi::GetTextMetricsA(hdc, &tm)) return;
    const gdi::HPEN pen = gdi::CreatePen(int(gdi::PS_SOLID), 1, gdi::GetTextColor(hdc));
    const gdi::HGDIOBJ old_pen = gdi::SelectObject(hdc, pen);
    gdi::POINT position;
    gdi::GetCurrentPositionEx(hdc, &position);
    for (size_t at : prefix.underlined) {
        const int32_t from = x + extent(hdc, std::string_view(prefix.shown).substr(0, at)).cx;
        const int32_t to = from + extent(hdc, std::string_view(prefix.shown).substr(at, 1)).cx;
        gdi::MoveToEx(hdc, from, y + tm.tmAscent + 1, nullptr);
        gdi::LineTo(hdc, to, y + tm.tmAscent + 1);
    }
    gdi::MoveToEx(hdc, position.x, position.y, nullptr);
    gdi::SelectObject(hdc, old_pen);
    gdi::DeleteObject(pen);
}

bool draw_text(gdi::HDC hdc, std::string_view raw, bool prefixed, UINT state, int32_t x, int32_t y) {
    const MnemonicText prefix = prefixed ? ParseMnemonics(raw) : MnemonicText{std::string(raw), {}};
    bool ok = true;
    if (!(prefixed && (state & DSS_PREFIXONLY)))
        ok = gdi::TextOutA(hdc, x, y, prefix.shown.data(), int(prefix.shown.size()));
    if (prefixed && !(state & DSS_HIDEPREFIX)) underline(hdc, x, y, prefix);
    return ok;
}

bool draw_bitmap(gdi::HDC hdc, gdi::HBITMAP bitmap, int32_t x, int32_t y, int32_t cx, int32_t cy) {
    const gdi::HDC source = gdi::CreateCompatibleDC(hdc);
    const gdi::HGDIOBJ old = gdi::SelectObject(source, bitmap);
    const bool ok = old && gdi::BitBlt(hdc, x, y, cx, cy, source, 0, 0, gdi::SRCCOPY);
    if (old) gdi::SelectObject(source, old);
    gdi::DeleteDC(source);
    return ok;
}

bool draw_complex(gdi::HDC hdc, DRAWSTATEPROC proc, LPARAM data, WPARAM wData, int32_t x, int32_t y,
                  int32_t cx, int32_t cy) {
    if (!proc) return false;
    gdi::POINT origin;
    gdi::OffsetViewportOrgEx(hdc, x, y, &origin);
    const bool ok = proc(hdc, data, wData, cx, cy);
    gdi::SetViewportOrgEx(hdc, origin.x, origin.y, nullptr);
    return ok;
}

struct Image {
    UINT type;
    UINT state;
    DRAWSTATEPROC proc;
    LPARAM data;
    WPARAM wData;
};

bool draw_image(gdi::HDC hdc, const Image& image, int32_t x, int32_t y, int32_t cx, int32_t cy) {
    switch (image.type) {
    case DST_ICON:
        // An icon is drawn at its own size, with its mask; cx and cy only size the stencil.
        return gdi::DrawIconEx(hdc, x, y, gdi::HICON{uint32_t(image.data)}, 0, 0, 0, {}, gdi::DI_NORMAL);
    case DST_BITMAP:
        return draw_bitmap(hdc, gdi::HBITMAP{uint32_t(image.data)}, x, y, cx, cy);
    case DST_TEXT:
    case DST_PREFIXTEXT:
        return draw_text(hdc, text_of(image.data, image.wData), image.type == DST_PREFIXTEXT, image.state, x,
                         y);
    case DST_COMPLEX:
        return draw_complex(hdc, image.proc, image.data, image.wData, x, y, cx, cy);
    default:
        return false;
    }
}

// The image's own size, or (0, 0) when it has none.
gdi::SIZE natural_size(gdi::HDC hdc, const Image& image) {
    switch (image.type) {
    case DST_ICON: {
        gdi::ICONINFO info;
        if (!gdi::GetIconInfo(gdi::HICON{uint32_t(image.data)}, &info)) return {};
        gdi::BITMAP bm;
        gdi::SIZE size;
        if (info.hbmColor && gdi::GetBitmap(info.hbmColor, &bm))
            size = {bm.bmWidth, bm.bmHeight};
        else if (gdi::GetBitmap(info.hbmMask, &bm))
            size = {bm.bmWidth, bm.bmHeight / 2}; // the AND mask over the XOR mask
        if (info.hbmColor) gdi::DeleteObject(info.hbmColor);
        if (info.hbmMask) gdi::DeleteObject(info.hbmMask);
        return size;
    }
    case DST_BITMAP: {
        gdi::BITMAP bm;
        if (!gdi::GetBitmap(gdi::HBITMAP{uint32_t(image.data)}, &bm)) return {};
        return {bm.bmWidth, bm.bmHeight};
    }
    case DST_TEXT:
        return extent(hdc, text_of(image.data, image.wData));
    case DST_PREFIXTEXT:
        return extent(hdc, ParseMnemonics(text_of(image.data, image.wData)).shown);
    default:
        return {};
    }
}

bool draw_state(gdi::HDC hdc, gdi::HBRUSH brush, const Image& image, int32_t x, int32_t y, int32_t cx,
                int32_t cy) {
    if (!(image.state & (DSS_DISABLED | DSS_MONO))) return draw_image(hdc, image, x, y, cx, cy);
    detail::Canvas canvas(hdc, cx, cy);
    if (!canvas.ok() || !draw_image(canvas.dc(), image, 0, 0, cx, cy)) return false;
    if (image.state & DSS_MONO)
        return detail::paint_stencil(hdc, x, y, canvas,
                                     brush ? brush : gdi::HBRUSH::from(gdi::GetStockObject(gdi::BLACK_BRUSH)),
                                     false);
    // Embossed: the shape in the highlight colour one pixel down and right, the shadow in place.
    const gdi::HBRUSH light = gdi::CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
    const gdi::HBRUSH shadow = gdi::CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
    const bool ok = detail::paint_stencil(hdc, x + 1, y + 1, canvas, light, false) &&
                    detail::paint_stencil(hdc, x, y, canvas, shadow, false);
    gdi::DeleteObject(light);
    gdi::DeleteObject(shadow);
    return ok;
}

} // namespace

bool DrawStateA(gdi::HDC hdc, gdi::HBRUSH brush, DRAWSTATEPROC proc, LPARAM data, WPARAM wData, int32_t x,
                int32_t y, int32_t cx, int32_t cy, UINT flags) {
    const Image image{flags & kTypeMask, flags & ~kTypeMask, proc, data, wData};
    if ((image.state & ~kKnownStates) || image.type > DST_BITMAP) return false;
    bool ok = false;
    {
        detail::QuietGdi quiet;
        if (!is_dc(hdc)) return false;
        if (cx == 0 || cy == 0) {
            const gdi::SIZE size = natural_size(hdc, image);
            if (cx == 0) cx = size.cx;
            if (cy == 0) cy = size.cy;
        }
        if (cx > 0 && cy > 0) ok = draw_state(hdc, brush, image, x, y, cx, cy);
    }
    gdi::TraceRecord record;
    record.name = "DrawStateA";
    record.args = {x, y, cx, cy, flags};
    if (image.type == DST_ICON || image.type == DST_BITMAP) record.args.push_back(int64_t(data));
    gdi::trace_record(std::move(record));
    return ok;
}

} // namespace user
