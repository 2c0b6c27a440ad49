#include "platform/gdi/Raster.h"

#include "platform/gdi/HandleTable.h"

#include <cstring>

namespace gdi {

namespace {

constexpr uint32_t kColorMask = 0x00FFFFFF;

// Long solid spans are copied from a row already holding the colour: the library's memcpy moves
// wider blocks than a fill loop stores, and the row stays in the first-level cache.
void fill_solid(uint32_t* out, int32_t n, uint32_t color) {
    constexpr int32_t kShortSpan = 32;
    if (n < kShortSpan) {
        std::fill_n(out, n, color);
        return;
    }
    thread_local std::vector<uint32_t> row;
    thread_local uint32_t row_color = 0;
    if (row.size() < size_t(n) || row_color != color) {
        row.assign(std::max(row.size(), size_t(n)), color);
        row_color = color;
    }
    std::memcpy(out, row.data(), size_t(n) * sizeof(uint32_t));
}

int32_t wrap(int32_t v, int32_t n) {
    int32_t m = v % n;
    return m < 0 ? m + n : m;
}

} // namespace

Target target_of(const DcObject& dc, bool overwrite) {
    BitmapObject* bitmap = table().get<BitmapObject>(dc.state.bitmap.value);
    if (!bitmap || bitmap->pixels.empty()) return {};
    Pixels& px = bitmap->pixels;
    uint32_t* pixels = overwrite && !dc.state.clip ? px.data_to_overwrite() : px.data();
    return {pixels, px.width, px.height, px.width, px.mono, dc.state.clip ? &*dc.state.clip : nullptr};
}

uint32_t device_color(COLORREF color, bool mono) {
    if (!mono) return to_pixel(color);
    // The platform maps a colour onto a monochrome surface by its brightness: white when the sum of
    // the channels is above half of the maximum.
    const int sum = GetRValue(color) + GetGValue(color) + GetBValue(color);
    return sum > 382 ? kColorMask : 0;
}

uint32_t apply_rop2(int rop2, uint32_t p, uint32_t d) {
    switch (rop2) {
    case R2_COPYPEN:
        return p & kColorMask;
    case R2_XORPEN:
        return (p ^ d) & kColorMask;
    case R2_NOT:
        return ~d & kColorMask;
    case R2_NOP:
        return d;
    case R2_BLACK:
        return 0;
    case R2_WHITE:
        return kColorMask;
    default:
        break;
    }
    // The code minus one is the truth table, indexed by (pen bit << 1) | destination bit.
    const unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
    uint32_t r = 0;
    if (table & 1) r |= ~p & ~d;
    if (table & 2) r |= ~p & d;
    if (table & 4) r |= p & ~d;
    if (table & 8) r |= p & d;
    return r & kColorMask;
}

bool brush_paint(const BrushObject& brush, const DcState& state, bool mono_target, int rop2, Paint& out) {
    out.rop2 = rop2;
    out.pattern.clear();
    if (brush.log.lbStyle == BS_HOLLOW) return false;
    if (brush.log.lbStyle == BS_PATTERN && brush.pattern && !brush.pattern->empty()) {
        const Pixels& p = *brush.pattern;
        out.pattern_width = p.width;
        out.pattern_height = p.height;
        out.pattern.resize(p.size());
        const uint32_t fg = device_color(state.text_color, mono_target);
        const uint32_t bg = device_color(state.bk_color, mono_target);
        const uint32_t* pixels = p.data();
        for (size_t k = 0; k < p.size(); ++k) {
            const uint32_t px = pixels[k] & kColorMask;
            if (p.mono) {
                out.pattern[k] = px ? bg : fg;
            } else {
                out.pattern[k] = mono_target ? device_color(to_colorref(px), true) : px;
            }
        }
        return true;
    }
    out.color = device_color(brush.log.lbColor, mono_target);
    return true;
}

void paint_span(const Target& t, int32_t y, int32_t x0, int32_t x1, const Paint& paint) {
    uint32_t* row = t.row(y);
    if (!paint.pattern.empty()) {
        const uint32_t* prow = paint.pattern.data() + wrap(y, paint.pattern_height) * paint.pattern_width;
        int32_t px = wrap(x0, paint.pattern_width);
        for (int32_t x = x0; x < x1; ++x) {
            row[x] = apply_rop2(paint.rop2, prow[px], row[x]);
            if (++px == paint.pattern_width) px = 0;
        }
        return;
    }
    if (paint.rop2 == R2_COPYPEN) {
        fill_solid(row + x0, x1 - x0, paint.color);
        return;
    }
    for (int32_t x = x0; x < x1; ++x)
        row[x] = apply_rop2(paint.rop2, paint.color, row[x]);
}

void fill_rect(const Target& t, RECT r, const Paint& paint) {
    const int32_t top = std::max(r.top, 0);
    const int32_t bottom = std::min(r.bottom, t.height);
    const int32_t left = std::max(r.left, 0);
    const int32_t right = std::min(r.right, t.width);
    if (left >= right || top >= bottom) return;
    for (int32_t y = top; y < bottom; ++y)
        for_each_visible(t, y, left, right, [&](int32_t a, int32_t b) { paint_span(t, y, a, b, paint); });
}

void fill_region(const Target& t, const Region& region, const Paint& paint) {
    for (const Band& band : region.bands()) {
        const int32_t top = std::max(band.top, 0);
        const int32_t bottom = std::min(band.bottom, t.height);
        const Span* spans = region.spans(band);
        for (int32_t y = top; y < bottom; ++y)
            for (uint32_t k = 0; k < band.count; ++k)
                for_each_visible(t, y, spans[k].x0, spans[k].x1,
                                 [&](int32_t a, int32_t b) { paint_span(t, y, a, b, paint); });
    }
}

void plot(const Target& t, int32_t x, int32_t y, uint32_t color, int rop2) {
    if (x < 0 || y < 0 || x >= t.width || y >= t.height) return;
    if (t.clip && !t.clip->contains(x, y)) return;
    uint32_t& px = t.row(y)[x];
    px = apply_rop2(rop2, color, px);
}

} // namespace gdi
