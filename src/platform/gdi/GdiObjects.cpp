#include "platform/gdi/Dc.h"
#include "platform/gdi/Trace.h"

#include <cstring>

namespace gdi {

namespace {

// Larger requests fail the way an exhausted platform does (a 0 handle), not with an exception.
bool size_allowed(int32_t width, int32_t height) {
    return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
           int64_t(width) * height <= kMaxBitmapPixels;
}

HBITMAP insert_bitmap(Pixels pixels) {
    BitmapObject bitmap;
    bitmap.pixels = std::move(pixels);
    return HBITMAP{table().insert(std::move(bitmap))};
}

} // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int32_t width, int32_t height) {
    TraceCall trace("CreateCompatibleBitmap");
    trace.args({width, height});
    DcObject* dc = dc_of(hdc);
    if (!dc || width < 0 || height < 0) return {};
    if (width == 0 || height == 0) return HBITMAP{table().stock(DEFAULT_BITMAP)};
    if (!size_allowed(width, height)) return {};
    const BitmapObject* current = table().get<BitmapObject>(dc->state.bitmap.value);
    const bool mono = dc->memory && current && current->pixels.mono;
    HBITMAP result = insert_bitmap(Pixels::black(width, height, mono));
    trace.result(result, ObjectKind::Bitmap);
    return result;
}

HBITMAP CreateBitmap32(int32_t width, int32_t height, const uint32_t* pixels) {
    TraceCall trace("CreateBitmap32");
    trace.args({width, height});
    if (!size_allowed(width, height)) return {};
    const size_t count = size_t(width) * size_t(height);
    HBITMAP result = insert_bitmap(pixels ? Pixels(width, height, false, PixelBuffer(pixels, pixels + count))
                                          : Pixels::black(width, height, false));
    trace.result(result, ObjectKind::Bitmap);
    return result;
}

HBITMAP CreateBitmap(int32_t width, int32_t height, uint32_t planes, uint32_t bitsPerPixel,
                     const void* bits) {
    if (planes != 1) return {};
    if (bitsPerPixel == 32) return CreateBitmap32(width, height, static_cast<const uint32_t*>(bits));
    TraceCall trace("CreateBitmap");
    trace.args({width, height, planes, bitsPerPixel});
    if (bitsPerPixel != 1 || !size_allowed(width, height)) return {};
    PixelBuffer data(size_t(width) * height, 0u);
    if (bits) {
        // Monochrome rows are padded to a 16-bit boundary, most significant bit first; 1 is white.
        const auto* bytes = static_cast<const uint8_t*>(bits);
        const size_t row_bytes = ((size_t(width) + 15) / 16) * 2;
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                const uint8_t byte = bytes[size_t(y) * row_bytes + size_t(x) / 8];
                if (byte & (0x80 >> (x % 8))) data[size_t(y) * width + x] = 0x00FFFFFF;
            }
    }
    HBITMAP result = insert_bitmap(Pixels(width, height, true, std::move(data)));
    trace.result(result, ObjectKind::Bitmap);
    return result;
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* logbrush) {
    TraceCall trace("CreateBrushIndirect");
    if (!logbrush) return {};
    trace.arg(logbrush->lbStyle).color("color", logbrush->lbColor);
    BrushObject brush;
    brush.log = *logbrush;
    brush.log.lbColor &= 0x00FFFFFF;
    switch (logbrush->lbStyle) {
    case BS_SOLID:
    case BS_HOLLOW:
        break;
    case BS_PATTERN: {
        const BitmapObject* pattern = lookup(HBITMAP{static_cast<uint32_t>(logbrush->lbHatch)});
        if (!pattern) return {};
        brush.pattern = std::make_shared<const Pixels>(pattern->pixels);
        break;
    }
    default:
        return {};
    }
    HBRUSH result{table().insert(std::move(brush))};
    trace.result(result, ObjectKind::Brush);
    return result;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    LOGBRUSH log{BS_SOLID, color, 0};
    return CreateBrushIndirect(&log);
}

HBRUSH CreatePatternBrush(HBITMAP pattern) {
    LOGBRUSH log{BS_PATTERN, 0, pattern.value};
    return CreateBrushIndirect(&log);
}

HPEN CreatePenIndirect(const LOGPEN* logpen) {
    TraceCall trace("CreatePenIndirect");
    if (!logpen) return {};
    trace.args({logpen->lopnStyle, logpen->lopnWidth.x}).color("color", logpen->lopnColor);
    if (logpen->lopnStyle > PS_INSIDEFRAME) return {};
    PenObject pen;
    pen.log = *logpen;
    pen.log.lopnColor &= 0x00FFFFFF;
    HPEN result{table().insert(pen)};
    trace.result(result, ObjectKind::Pen);
    return result;
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < 0) return {};
    LOGPEN log{static_cast<uint32_t>(style), POINT{width, 0}, color};
    return CreatePenIndirect(&log);
}

HFONT CreateFontIndirectA(const LOGFONTA* logfont) {
    TraceCall trace("CreateFontIndirectA");
    if (!logfont) return {};
    FontObject font;
    font.log = *logfont;
    font.log.lfFaceName[LF_FACESIZE - 1] = '\0';
    trace.text(font.log.lfFaceName).args({font.log.lfHeight, font.log.lfEscapement, font.log.lfWeight});
    HFONT result{table().insert(std::move(font))};
    trace.result(result, ObjectKind::Font);
    return result;
}

bool DeleteObject(HGDIOBJ object) {
    Entry* entry = table().find(object.value);
    TraceCall trace("DeleteObject");
    if (trace && entry) trace.object(object, kind_of(entry->data));
    if (!entry) return false;
    if (entry->stock) return true;
    const ObjectKind kind = kind_of(entry->data);
    if (kind == ObjectKind::DC || kind == ObjectKind::Icon) return false;
    if (entry->selected > 0) return false;
    table().erase(*entry, object.value);
    return true;
}

HGDIOBJ GetStockObject(int index) {
    TraceCall trace("GetStockObject");
    trace.arg(index);
    return HGDIOBJ{table().stock(index)};
}

uint32_t GetObjectType(HGDIOBJ object) {
    TraceCall trace("GetObjectType");
    Entry* entry = table().find(object.value);
    if (!entry) return 0;
    switch (kind_of(entry->data)) {
    case ObjectKind::Pen:
        return OBJ_PEN;
    case ObjectKind::Brush:
        return OBJ_BRUSH;
    case ObjectKind::DC:
        return std::get<DcObject>(entry->data).memory ? OBJ_MEMDC : OBJ_DC;
    case ObjectKind::Font:
        return OBJ_FONT;
    case ObjectKind::Bitmap:
        return OBJ_BITMAP;
    case ObjectKind::Region:
        return OBJ_REGION;
    default:
        return 0;
    }
}

bool GetBitmap(HBITMAP bitmap, BITMAP* out) {
    TraceCall trace("GetBitmap");
    trace.object(bitmap, ObjectKind::Bitmap);
    const BitmapObject* object = lookup(bitmap);
    if (!object || !out) return false;
    const Pixels& p = object->pixels;
    out->bmType = 0;
    out->bmWidth = p.width;
    out->bmHeight = p.height;
    out->bmWidthBytes = p.mono ? ((p.width + 15) / 16) * 2 : p.width * 4;
    out->bmPlanes = 1;
    out->bmBitsPixel = p.mono ? 1 : 32;
    return true;
}

bool GetLogPen(HPEN pen, LOGPEN* out) {
    TraceCall trace("GetLogPen");
    trace.object(pen, ObjectKind::Pen);
    const PenObject* object = lookup(pen);
    if (!object || !out) return false;
    *out = object->log;
    return true;
}

bool GetLogBrush(HBRUSH brush, LOGBRUSH* out) {
    TraceCall trace("GetLogBrush");
    trace.object(brush, ObjectKind::Brush);
    const BrushObject* object = lookup(brush);
    if (!object || !out) return false;
    *out = object->log;
    return true;
}

bool GetLogFont(HFONT font, LOGFONTA* out) {
    TraceCall trace("GetLogFont");
    trace.object(font, ObjectKind::Font);
    const FontObject* object = lookup(font);
    if (!object || !out) return false;
    *out = object->log;
    return true;
}

} // namespace gdi
