#include "platform/gdi/Raster.h"

#include "platform/gdi/HandleTable.h"

namespace gdi {

namespace {

constexpr uint32_t kColorMask = 0x00FFFFFF;

RECT intersection(RECT a, RECT b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

int32_t wrap(int32_t v, int32_t n) {
    int32_t m = v % n;
    return m < 0 ? m + n : m;
}

} // namespace

Pixels* pixels_of(const DcObject& dc) {
    BitmapObject* bitmap = table().get<BitmapObject>(dc.state.bitmap.value);
    return bitmap && !bitmap->pixels.empty() ? &bitmap->pixels : nullptr;
}

Target target_of(const DcObject& dc, Access access) {
    Pixels* px = pixels_of(dc);
    if (!px) return {};
    return {px->data_in(access.bounds),
            px->width,
            px->height,
            px->width,
            px->mono,
            dc.state.clip ? &*dc.state.clip : nullptr};
}

void fill_rect_with_brush(const DcObject& dc, RECT rect, const BrushObject& brush) {
    Pixels* px = pixels_of(dc);
    if (!px) return;
    Paint paint;
    // A hollow brush writes nothing.
    if (!brush_paint(brush, dc.state, px->mono, R2_COPYPEN, paint)) return;
    const RECT visible = intersection(rect, RECT{0, 0, px->width, px->height});
    if (visible.left >= visible.right || visible.top >= visible.bottom) return;
    if (!dc.state.clip && paint.pattern.empty()) {
        px->fill(visible, paint.color);
        return;
    }
    fill_rect(target_of(dc, Access::write(visible)), visible, paint);
}

RECT bounds_of(const POINT* points, int count, int32_t reach) {
    if (count <= 0) return {};
    int64_t left = points[0].x, top = points[0].y, right = left, bottom = top;
    for (int i = 1; i < count; ++i) {
        left = std::min<int64_t>(left, points[i].x);
        top = std::min<int64_t>(top, points[i].y);
        right = std::max<int64_t>(right, points[i].x);
        bottom = std::max<int64_t>(bottom, points[i].y);
    }
    auto clamp = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {clamp(left - reach), clamp(top - reach), clamp(right + reach + 1), clamp(bottom + reach + 1)};
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
        store_pixels(row + x0, size_t(x1 - x0), paint.color);
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
    // Whole rows of a surface without gaps between them are one span of memory.
    if (!t.clip && paint.pattern.empty() && paint.rop2 == R2_COPYPEN && left == 0 && right == t.width &&
        t.stride == t.width) {
        store_pixels(t.row(top), size_t(bottom - top) * size_t(t.width), paint.color);
        return;
    }
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
