#include "platform/gdi/Dc.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Trace.h"

#include <cstring>

namespace gdi {

namespace {

constexpr uint32_t kColorMask = 0x00FFFFFF;

uint8_t rop_code(uint32_t rop) {
    return static_cast<uint8_t>((rop >> 16) & 0xFF);
}
// The truth table's upper nibble is the pattern-set half, bits 2, 3, 6, 7 the source-set half.
bool uses_pattern(uint8_t code) {
    return ((code >> 4) & 0x0F) != (code & 0x0F);
}
bool uses_source(uint8_t code) {
    return ((code >> 2) & 0x33) != (code & 0x33);
}

uint32_t rop3(uint8_t code, uint32_t p, uint32_t s, uint32_t d) {
    uint32_t r = 0;
    for (int i = 0; i < 8; ++i) {
        if (!(code & (1u << i))) continue;
        r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return r & kColorMask;
}

// Combines n destination pixels with source and pattern pixels. src is null when the operation
// takes no source; pattern is null for a solid brush of colour solid.
void apply_row(uint8_t code, uint32_t* d, const uint32_t* s, const uint32_t* pattern, uint32_t solid,
               int32_t n) {
    switch (code) {
    case 0xCC:
        std::memmove(d, s, size_t(n) * sizeof(uint32_t));
        return;
    case 0xEE:
        for (int32_t i = 0; i < n; ++i)
            d[i] = (d[i] | s[i]) & kColorMask;
        return;
    case 0x88:
        for (int32_t i = 0; i < n; ++i)
            d[i] = (d[i] & s[i]) & kColorMask;
        return;
    case 0x66:
        for (int32_t i = 0; i < n; ++i)
            d[i] = (d[i] ^ s[i]) & kColorMask;
        return;
    case 0x33:
        for (int32_t i = 0; i < n; ++i)
            d[i] = ~s[i] & kColorMask;
        return;
    case 0x55:
        for (int32_t i = 0; i < n; ++i)
            d[i] = ~d[i] & kColorMask;
        return;
    case 0x00:
        std::fill_n(d, n, 0u);
        return;
    case 0xFF:
        std::fill_n(d, n, kColorMask);
        return;
    case 0xF0:
        if (!pattern) {
            std::fill_n(d, n, solid);
            return;
        }
        std::memcpy(d, pattern, size_t(n) * sizeof(uint32_t));
        return;
    case 0x5A:
        for (int32_t i = 0; i < n; ++i)
            d[i] = (d[i] ^ (pattern ? pattern[i] : solid)) & kColorMask;
        return;
    default:
        for (int32_t i = 0; i < n; ++i)
            d[i] = rop3(code, pattern ? pattern[i] : solid, s ? s[i] : 0, d[i]);
        return;
    }
}

struct PatternRow {
    bool active = false;
    Paint paint;
    std::vector<uint32_t> row;

    // The pattern's pixels for [x, x + n) of row y, or null for a solid brush.
    const uint32_t* at(int32_t x, int32_t y, int32_t n) {
        if (!active || paint.pattern.empty()) return nullptr;
        row.resize(size_t(n));
        const int32_t pw = paint.pattern_width, ph = paint.pattern_height;
        const uint32_t* prow = paint.pattern.data() + ((y % ph + ph) % ph) * pw;
        for (int32_t i = 0; i < n; ++i)
            row[size_t(i)] = prow[((x + i) % pw + pw) % pw];
        return row.data();
    }
};

// Source pixels as the destination sees them (see the colour and monochrome rules in Gdi.h).
struct SourceConversion {
    enum class Kind { None, MonoToColor, ColorToMono } kind = Kind::None;
    uint32_t black_to = 0, white_to = 0; // mono -> colour
    uint32_t bk = 0;                     // colour -> mono: the source DC's background pixel

    uint32_t convert(uint32_t px) const {
        switch (kind) {
        case Kind::MonoToColor:
            return (px & kColorMask) ? white_to : black_to;
        case Kind::ColorToMono:
            return (px & kColorMask) == bk ? kColorMask : 0;
        case Kind::None:
            break;
        }
        return px;
    }
};

SourceConversion conversion_for(const Target& dst, const DcObject& dst_dc, const Target& src,
                                const DcObject& src_dc) {
    SourceConversion c;
    if (src.mono && !dst.mono) {
        c.kind = SourceConversion::Kind::MonoToColor;
        c.black_to = to_pixel(dst_dc.state.text_color);
        c.white_to = to_pixel(dst_dc.state.bk_color);
    } else if (!src.mono && dst.mono) {
        c.kind = SourceConversion::Kind::ColorToMono;
        c.bk = to_pixel(src_dc.state.bk_color);
    }
    return c;
}

bool setup_pattern(const DcObject& dc, const Target& target, uint8_t code, PatternRow& pattern) {
    if (!uses_pattern(code)) return true;
    const BrushObject* brush = lookup(dc.state.brush);
    if (!brush) return false;
    pattern.active = brush_paint(*brush, dc.state, target.mono, R2_COPYPEN, pattern.paint);
    if (!pattern.active) {
        // A hollow brush contributes black, as a null pattern does on the platform.
        pattern.active = true;
        pattern.paint.color = 0;
        pattern.paint.pattern.clear();
    }
    return true;
}

// Copies with a 1:1 pixel scale. dst and src are device rectangles of equal size.
void blit(const Target& dst, RECT d, const Target* src, POINT s, uint8_t code,
          const SourceConversion& conversion, PatternRow& pattern) {
    // Clip to the destination surface, then to the source surface.
    int32_t x0 = std::max(d.left, 0), y0 = std::max(d.top, 0);
    int32_t x1 = std::min(d.right, dst.width), y1 = std::min(d.bottom, dst.height);
    if (src) {
        x0 = std::max(x0, d.left - s.x);
        y0 = std::max(y0, d.top - s.y);
        x1 = std::min(x1, d.left - s.x + src->width);
        y1 = std::min(y1, d.top - s.y + src->height);
    }
    if (x0 >= x1 || y0 >= y1) return;
    const int32_t sx_off = s.x - d.left, sy_off = s.y - d.top;
    const bool same_surface = src && src->pixels == dst.pixels;
    // Whole rows of two distinct surfaces of one width are one block of memory each.
    if (src && code == 0xCC && !same_surface && !dst.clip &&
        conversion.kind == SourceConversion::Kind::None && x0 == 0 && x1 == dst.width &&
        dst.width == dst.stride && sx_off == 0 && src->width == src->stride && src->width == dst.width) {
        std::memcpy(dst.row(y0), src->row(y0 + sy_off),
                    size_t(y1 - y0) * size_t(dst.width) * sizeof(uint32_t));
        return;
    }
    const bool bottom_up = same_surface && sy_off < 0;
    thread_local std::vector<uint32_t> buffer;
    for (int32_t k = 0; k < y1 - y0; ++k) {
        const int32_t y = bottom_up ? y1 - 1 - k : y0 + k;
        for_each_visible(dst, y, x0, x1, [&](int32_t a, int32_t b) {
            const int32_t n = b - a;
            const uint32_t* srow = nullptr;
            if (src) {
                srow = src->row(y + sy_off) + a + sx_off;
                if (conversion.kind != SourceConversion::Kind::None || (same_surface && code != 0xCC)) {
                    buffer.resize(size_t(n));
                    for (int32_t i = 0; i < n; ++i)
                        buffer[size_t(i)] = conversion.convert(srow[i]);
                    srow = buffer.data();
                }
            }
            apply_row(code, dst.row(y) + a, srow, pattern.at(a, y, n), pattern.paint.color, n);
        });
    }
}

// SRCCOPY of equal sizes from pixels that may have pending tiles: the clipping of blit().
void copy_from_pending(const Target& dst, RECT d, const Pixels& src, POINT s) {
    const int32_t x0 = std::max({d.left, 0, d.left - s.x}), y0 = std::max({d.top, 0, d.top - s.y});
    const int32_t x1 = std::min({d.right, dst.width, d.left - s.x + src.width});
    const int32_t y1 = std::min({d.bottom, dst.height, d.top - s.y + src.height});
    if (x0 >= x1 || y0 >= y1) return;
    const int32_t sx_off = s.x - d.left, sy_off = s.y - d.top;
    if (!dst.clip) {
        src.read_rows(y0 + sy_off, y1 + sy_off, x0 + sx_off, x1 + sx_off, dst.row(y0) + x0,
                      size_t(dst.stride));
        return;
    }
    for (int32_t y = y0; y < y1; ++y)
        for_each_visible(dst, y, x0, x1, [&](int32_t a, int32_t b) {
            src.read_row(y + sy_off, a + sx_off, b + sx_off, dst.row(y) + a);
        });
}

// Where each destination pixel along one axis takes its source pixel from: nearest-pixel sampling
// of the source range, mirrored when the two extents have opposite signs; -1 outside the source.
// Only destination pixels [first, last) of the |dst_extent| are mapped.
std::vector<int32_t> sample_map(int32_t dst_extent, int32_t src_origin, int32_t src_extent, int32_t src_limit,
                                int32_t first, int32_t last) {
    const int64_t n = std::abs(int64_t(dst_extent));
    const int64_t m = std::abs(int64_t(src_extent));
    const int64_t src_start = src_extent < 0 ? int64_t(src_origin) + src_extent : src_origin;
    const bool mirrored = (dst_extent < 0) != (src_extent < 0);
    std::vector<int32_t> map(static_cast<size_t>(std::max(0, last - first)));
    for (int32_t i = first; i < last; ++i) {
        int64_t k = ((2 * int64_t(i) + 1) * m) / (2 * n);
        if (mirrored) k = m - 1 - k;
        const int64_t sx = src_start + k;
        map[size_t(i - first)] = (sx >= 0 && sx < src_limit) ? static_cast<int32_t>(sx) : -1;
    }
    return map;
}

void stretch(const Target& dst, POINT d, int32_t w, int32_t h, const Target& src, POINT s, int32_t ws,
             int32_t hs, uint8_t code, const SourceConversion& conversion, PatternRow& pattern) {
    const int64_t left = w < 0 ? int64_t(d.x) + w : d.x;
    const int64_t top = h < 0 ? int64_t(d.y) + h : d.y;
    // Only the part of the destination on its surface is sampled.
    const auto first_x = static_cast<int32_t>(std::clamp<int64_t>(-left, 0, std::abs(int64_t(w))));
    const auto last_x = static_cast<int32_t>(std::clamp<int64_t>(dst.width - left, 0, std::abs(int64_t(w))));
    const auto first_y = static_cast<int32_t>(std::clamp<int64_t>(-top, 0, std::abs(int64_t(h))));
    const auto last_y = static_cast<int32_t>(std::clamp<int64_t>(dst.height - top, 0, std::abs(int64_t(h))));
    if (first_x >= last_x || first_y >= last_y) return;
    const std::vector<int32_t> xs = sample_map(w, s.x, ws, src.width, first_x, last_x);
    const std::vector<int32_t> ys = sample_map(h, s.y, hs, src.height, first_y, last_y);
    const auto x0 = static_cast<int32_t>(left + first_x);
    std::vector<uint32_t> row;
    for (int32_t j = first_y; j < last_y; ++j) {
        const int32_t sy = ys[size_t(j - first_y)];
        if (sy < 0) continue;
        const auto y = static_cast<int32_t>(top + j);
        const uint32_t* srow = src.row(sy);
        for_each_visible(dst, y, x0, x0 + (last_x - first_x), [&](int32_t a, int32_t b) {
            // The source covers one run of the map; pixels mapped outside it stay untouched.
            int32_t i = a - x0, end = b - x0;
            while (i < end && xs[size_t(i)] < 0)
                ++i;
            while (end > i && xs[size_t(end - 1)] < 0)
                --end;
            if (i >= end) return;
            row.resize(size_t(end - i));
            for (int32_t k = i; k < end; ++k)
                row[size_t(k - i)] = conversion.convert(srow[xs[size_t(k)]]);
            apply_row(code, dst.row(y) + x0 + i, row.data(), pattern.at(x0 + i, y, end - i),
                      pattern.paint.color, end - i);
        });
    }
}

bool transfer(HDC hdc_dst, int32_t x, int32_t y, int32_t w, int32_t h, HDC hdc_src, int32_t xs, int32_t ys,
              int32_t ws, int32_t hs, uint32_t rop, bool stretching) {
    DcObject* dst_dc = dc_of(hdc_dst);
    if (!dst_dc) return false;
    const uint8_t code = rop_code(rop);
    const Mapping dst_map(dst_dc->state);
    const POINT d0 = dst_map.to_device(POINT{x, y});
    const POINT d1 = dst_map.to_device(POINT{x + w, y + h});
    // Copies and stretches alike write inside the destination rectangle only.
    const RECT written{std::min(d0.x, d1.x), std::min(d0.y, d1.y), std::max(d0.x, d1.x),
                       std::max(d0.y, d1.y)};
    const Target dst = target_of(*dst_dc, Access::write(written));
    DcObject* src_dc = uses_source(code) ? dc_of(hdc_src) : nullptr;
    if (uses_source(code) && !src_dc) return false;
    PatternRow pattern;
    if (!setup_pattern(*dst_dc, dst, code, pattern)) return false;
    if (!dst) return true;
    if (!src_dc) {
        blit(dst, written, nullptr, {}, code, {}, pattern);
        return true;
    }
    const Mapping src_map(src_dc->state);
    const POINT s0 = src_map.to_device(POINT{xs, ys});
    const POINT s1 = src_map.to_device(POINT{xs + ws, ys + hs});
    const RECT read{std::min(s0.x, s1.x), std::min(s0.y, s1.y), std::max(s0.x, s1.x), std::max(s0.y, s1.y)};
    const int32_t dw = d1.x - d0.x, dh = d1.y - d0.y, sw = s1.x - s0.x, sh = s1.y - s0.y;
    const bool one_to_one = (!stretching || (dw == sw && dh == sh && dw > 0 && dh > 0)) &&
                            written.right - written.left == std::abs(sw) &&
                            written.bottom - written.top == std::abs(sh);
    // A plain copy from another surface with pending tiles (a redraw's surface shown in its window)
    // takes their values as they are, without writing them into the source first.
    const Pixels* source = pixels_of(*src_dc);
    if (one_to_one && code == 0xCC && source && source->has_pending() && source->mono == dst.mono &&
        source != pixels_of(*dst_dc)) {
        copy_from_pending(dst, written, *source, POINT{read.left, read.top});
        return true;
    }
    const Target src = target_of(*src_dc, Access::read(read));
    if (!src) return true;
    const SourceConversion conversion = conversion_for(dst, *dst_dc, src, *src_dc);
    if (one_to_one) {
        blit(dst, written, &src, POINT{read.left, read.top}, code, conversion, pattern);
        return true;
    }
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return true;
    stretch(dst, d0, dw, dh, src, s0, sw, sh, code, conversion, pattern);
    return true;
}

} // namespace

bool BitBlt(HDC dst, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t xSrc, int32_t ySrc,
            uint32_t rop) {
    TraceCall trace("BitBlt");
    trace.args({x, y, width, height, xSrc, ySrc}).hex("rop", rop);
    return transfer(dst, x, y, width, height, src, xSrc, ySrc, width, height, rop, false);
}

bool StretchBlt(HDC dst, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t xSrc,
                int32_t ySrc, int32_t widthSrc, int32_t heightSrc, uint32_t rop) {
    TraceCall trace("StretchBlt");
    trace.args({x, y, width, height, xSrc, ySrc, widthSrc, heightSrc}).hex("rop", rop);
    return transfer(dst, x, y, width, height, src, xSrc, ySrc, widthSrc, heightSrc, rop, true);
}

bool PatBlt(HDC hdc, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t rop) {
    TraceCall trace("PatBlt");
    trace.args({x, y, width, height}).hex("rop", rop);
    DcObject* dc = dc_of(hdc);
    if (dc && trace) {
        const BrushObject* brush = lookup(dc->state.brush);
        if (brush) trace.color("brush", brush->log.lbColor);
    }
    if (uses_source(rop_code(rop))) return false;
    return transfer(hdc, x, y, width, height, HDC{}, 0, 0, 0, 0, rop, false);
}

} // namespace gdi
