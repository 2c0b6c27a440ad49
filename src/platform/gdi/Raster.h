#pragma once

#include "platform/gdi/Objects.h"

#include <algorithm>
#include <climits>
#include <vector>

// Pixel output: what a DC draws into (its surface and clipping) and the span and pixel writers every
// drawing call ends in. Coordinates here are device pixels.
namespace gdi {

struct Target {
    uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    bool mono = false;
    const Region* clip = nullptr; // null: only the surface's edges clip

    explicit operator bool() const { return pixels != nullptr; }
    uint32_t* row(int32_t y) const { return pixels + static_cast<ptrdiff_t>(y) * stride; }
};

// The device pixels a drawing call may read or write on its DC's surface: those are made real (see
// Pixels) before it gets the surface, and it touches no others. A call that cannot say where it
// draws makes the whole surface real.
struct Access {
    RECT bounds{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};

    static Access read(RECT bounds) { return {bounds}; }
    static Access write(RECT bounds) { return {bounds}; }
    static Access anywhere() { return {}; }
};

// The surface of the DC's bitmap and its clip region; an empty target when it has none.
Target target_of(const DcObject& dc, Access access = Access::anywhere());
// The pixels of the DC's bitmap, or null.
Pixels* pixels_of(const DcObject& dc);

// FillRect's fill of a device rectangle with a brush (R2_COPYPEN). A solid paint with nothing
// clipping goes to Pixels::fill, which leaves the tiles it covers whole pending.
void fill_rect_with_brush(const DcObject& dc, RECT rect, const BrushObject& brush);

// The pixels a set of device points and a pen's reach around them cover, right and bottom
// exclusive.
RECT bounds_of(const POINT* points, int count, int32_t reach);

// COLORREF (0x00BBGGRR) and surface pixels (0x00RRGGBB) swap red and blue.
constexpr uint32_t to_pixel(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF to_colorref(uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}
// A colour as the surface holds it: on a monochrome surface the nearer of black and white.
uint32_t device_color(COLORREF color, bool mono);

uint32_t apply_rop2(int rop2, uint32_t pen, uint32_t dst);

// What fills a span: a solid colour or a pattern (repeating from the device origin), combined with
// the destination by a binary raster operation.
struct Paint {
    uint32_t color = 0;
    int rop2 = R2_COPYPEN;
    std::vector<uint32_t> pattern; // already in the target's format
    int32_t pattern_width = 0;
    int32_t pattern_height = 0;
};
// The paint of a brush on a DC (mono patterns take the DC's text and background colours). Returns
// false for a hollow brush, which paints nothing.
bool brush_paint(const BrushObject& brush, const DcState& state, bool mono_target, int rop2, Paint& out);

// Calls f(x0, x1) for every visible part of row y between x0 and x1.
template <class F>
void for_each_visible(const Target& t, int32_t y, int32_t x0, int32_t x1, F&& f) {
    if (y < 0 || y >= t.height) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, t.width);
    if (x0 >= x1) return;
    if (!t.clip) {
        f(x0, x1);
        return;
    }
    const Band* band = t.clip->band_at(y);
    if (!band) return;
    const Span* spans = t.clip->spans(*band);
    for (uint32_t k = 0; k < band->count; ++k) {
        int32_t a = std::max(x0, spans[k].x0);
        int32_t b = std::min(x1, spans[k].x1);
        if (a < b) f(a, b);
    }
}

// Paints [x0, x1) of row y, already clipped.
void paint_span(const Target& t, int32_t y, int32_t x0, int32_t x1, const Paint& paint);
void fill_rect(const Target& t, RECT rect, const Paint& paint);
void fill_region(const Target& t, const Region& region, const Paint& paint);
void plot(const Target& t, int32_t x, int32_t y, uint32_t color, int rop2);

} // namespace gdi
