#include "platform/gdi/Dc.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Trace.h"

#include <algorithm>

namespace gdi {

namespace {

constexpr uint32_t kColorMask = 0x00FFFFFF;

bool has_alpha(const Pixels& p) {
    const uint32_t* pixels = p.data();
    return std::any_of(pixels, pixels + p.size(), [](uint32_t px) { return (px >> 24) != 0; });
}

// A 32-bit icon image stores straight (not premultiplied) alpha, and is drawn over the destination
// channel by channel: (src x a + dst x (255 - a)) / 255, rounded to nearest by adding 127 before
// dividing (255 is odd, so no result falls halfway).
uint32_t blend_alpha(uint32_t dst, uint32_t src) {
    const uint32_t a = src >> 24, b = 255 - a;
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        out |= ((s * a + d * b + 127) / 255) << shift;
    }
    return out;
}

HBITMAP copy_of(const Pixels& pixels) {
    BitmapObject bitmap;
    bitmap.pixels = pixels;
    return HBITMAP{table().insert(std::move(bitmap))};
}

} // namespace

HICON CreateIconIndirect(const ICONINFO* info) {
    TraceCall trace("CreateIconIndirect");
    if (!info) return {};
    const BitmapObject* mask = lookup(info->hbmMask);
    const BitmapObject* color = info->hbmColor ? lookup(info->hbmColor) : nullptr;
    if (!mask || (info->hbmColor && !color)) return {};
    // Without a colour bitmap the mask holds the AND half over the XOR half.
    if (!color && mask->pixels.height < 2) return {};
    IconObject icon;
    icon.is_icon = info->fIcon;
    icon.hot_x = info->xHotspot;
    icon.hot_y = info->yHotspot;
    icon.mask = mask->pixels;
    if (color) icon.color = color->pixels;
    HICON result{table().insert(std::move(icon))};
    trace.result(result, ObjectKind::Icon);
    return result;
}

bool DestroyIcon(HICON icon) {
    TraceCall trace("DestroyIcon");
    trace.object(icon, ObjectKind::Icon);
    if (!lookup(icon)) return false;
    table().erase(icon.value);
    return true;
}

bool GetIconInfo(HICON icon, ICONINFO* info) {
    TraceCall trace("GetIconInfo");
    trace.object(icon, ObjectKind::Icon);
    const IconObject* object = lookup(icon);
    if (!object || !info) return false;
    info->fIcon = object->is_icon;
    info->xHotspot = object->hot_x;
    info->yHotspot = object->hot_y;
    info->hbmMask = copy_of(object->mask);
    info->hbmColor = object->color ? copy_of(*object->color) : HBITMAP{};
    return true;
}

bool DrawIconEx(HDC hdc, int32_t x, int32_t y, HICON icon, int32_t cx, int32_t cy, uint32_t step,
                HBRUSH flickerFreeBrush, uint32_t flags) {
    TraceCall trace("DrawIconEx");
    trace.object(icon, ObjectKind::Icon).args({x, y, cx, cy, step, flags});
    DcObject* dc = dc_of(hdc);
    const IconObject* object = lookup(icon);
    if (!dc || !object || (flags & DI_NORMAL) == 0) return false;
    const Pixels& mask = object->mask;
    const Pixels* color = object->color ? &*object->color : nullptr;
    const int32_t w = mask.width;
    const int32_t h = color ? mask.height : mask.height / 2;
    if (cx == 0) cx = w;
    if (cy == 0) cy = h;
    const Target target = target_of(*dc);
    if (!target || cx <= 0 || cy <= 0 || w <= 0 || h <= 0) return true;
    const Mapping mapping(dc->state);
    const RECT box = mapping.to_device(RECT{x, y, x + cx, y + cy});
    if (const BrushObject* brush = lookup(flickerFreeBrush)) {
        Paint paint;
        if (brush_paint(*brush, dc->state, target.mono, R2_COPYPEN, paint)) fill_rect(target, box, paint);
    }
    const bool alpha = color && (flags & DI_NORMAL) == DI_NORMAL && has_alpha(*color);
    const uint32_t* mask_pixels = mask.data();
    const uint32_t* color_pixels = color ? color->data() : nullptr;
    const int32_t dw = box.right - box.left, dh = box.bottom - box.top;
    const int32_t first_row = std::max(0, -box.top), last_row = std::min(dh, target.height - box.top);
    for (int32_t j = first_row; j < last_row; ++j) {
        const int32_t sy = static_cast<int32_t>(int64_t(j) * h / dh);
        for_each_visible(target, box.top + j, box.left, box.right, [&](int32_t a, int32_t b) {
            uint32_t* row = target.row(box.top + j);
            for (int32_t px = a; px < b; ++px) {
                const int32_t sx = static_cast<int32_t>(int64_t(px - box.left) * w / dw);
                const uint32_t and_bits = mask_pixels[size_t(sy) * w + sx] & kColorMask;
                uint32_t image =
                    color ? color_pixels[size_t(sy) * w + sx] : mask_pixels[size_t(sy + h) * w + sx];
                if (target.mono)
                    image = device_color(to_colorref(image & kColorMask), true) | (image & 0xFF000000);
                if (alpha) {
                    row[px] = blend_alpha(row[px], image);
                    continue;
                }
                if (flags & DI_MASK) row[px] &= and_bits;
                if (flags & DI_IMAGE)
                    row[px] = (flags & DI_MASK) ? (row[px] ^ image) & kColorMask : image & kColorMask;
            }
        });
    }
    return true;
}

} // namespace gdi
