#include "platform/gdi/Dc.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Trace.h"

#include <cstdlib>

namespace gdi {

namespace {

__extension__ using Int128 = __int128;

// The minor coordinate's offset at step i of n along a line with minor extent d (|d| <= n):
// i * d / n rounded to nearest with halves upwards, floor((2 i d + n) / 2n). One exact division
// places the first step (in 128 bits: lines may span the whole 32-bit plane); every further step
// adds 2d to the remainder and carries at most once, since |2d| <= 2n.
class MinorSteps {
public:
    MinorSteps(int64_t first, int64_t d, int64_t n) : m_den(2 * n), m_step(2 * d) {
        const Int128 num = Int128(2) * first * d + n;
        Int128 q = num / m_den;
        Int128 r = num % m_den;
        if (r < 0) {
            r += m_den;
            --q;
        }
        m_offset = static_cast<int64_t>(q);
        m_rest = static_cast<int64_t>(r);
    }
    int64_t offset() const { return m_offset; }
    void next() {
        m_rest += m_step;
        if (m_rest >= m_den) {
            m_rest -= m_den;
            ++m_offset;
        } else if (m_rest < 0) {
            m_rest += m_den;
            --m_offset;
        }
    }

private:
    int64_t m_den;
    int64_t m_step;
    int64_t m_offset = 0;
    int64_t m_rest = 0; // in [0, m_den)
};

// On and off runs of the styled pens, in pixels, starting with a run that paints.
struct Dashes {
    const int* runs;
    int count;
};

Dashes dashes_of(uint32_t style) {
    static const int dash[] = {18, 6};
    static const int dot[] = {3, 3};
    static const int dash_dot[] = {9, 6, 3, 6};
    static const int dash_dot_dot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case PS_DASH:
        return {dash, 2};
    case PS_DOT:
        return {dot, 2};
    case PS_DASHDOT:
        return {dash_dot, 4};
    case PS_DASHDOTDOT:
        return {dash_dot_dot, 6};
    default:
        return {nullptr, 0};
    }
}

COLORREF pen_color(const DcObject& dc) {
    const PenObject* pen = lookup(dc.state.pen);
    return pen ? pen->log.lopnColor : 0;
}

} // namespace

int32_t pen_reach(const DcObject& dc, const Mapping& mapping) {
    const PenObject* pen = lookup(dc.state.pen);
    return pen ? std::max(1, std::abs(mapping.x_length(pen->log.lopnWidth.x))) : 1;
}

PenDraw pen_of(const DcObject& dc, const Target& target, const Mapping& mapping) {
    PenDraw draw;
    const PenObject* pen = lookup(dc.state.pen);
    if (!pen || pen->log.lopnStyle == PS_NULL) return draw;
    draw.visible = true;
    draw.color = device_color(pen->log.lopnColor, target.mono);
    draw.rop2 = dc.state.rop2;
    draw.width = std::max(1, std::abs(mapping.x_length(pen->log.lopnWidth.x)));
    // The platform draws styled pens wider than one pixel solid.
    draw.style = draw.width > 1 ? PS_SOLID : pen->log.lopnStyle;
    draw.fill_gaps = dc.state.bk_mode == OPAQUE;
    draw.gap_color = device_color(dc.state.bk_color, target.mono);
    return draw;
}

void draw_pen_pixel(const Target& target, int32_t x, int32_t y, uint32_t color, const PenDraw& pen) {
    if (pen.width <= 1) {
        plot(target, x, y, color, pen.rop2);
        return;
    }
    // A wider pen is drawn with a square nib of its width centred on each pixel of the thin line.
    const int32_t x0 = x - pen.width / 2;
    const int32_t y0 = y - pen.width / 2;
    for (int32_t yy = y0; yy < y0 + pen.width; ++yy)
        for (int32_t xx = x0; xx < x0 + pen.width; ++xx)
            plot(target, xx, yy, color, pen.rop2);
}

void draw_line(const Target& target, POINT a, POINT b, const PenDraw& pen) {
    if (!pen.visible || !target) return;
    const int64_t dx = int64_t(b.x) - a.x;
    const int64_t dy = int64_t(b.y) - a.y;
    if (dx == 0 && dy == 0) return;
    const Dashes dashes = dashes_of(pen.style);
    const bool thin_solid = !dashes.runs && pen.width <= 1;
    // A plain horizontal line is one span.
    if (dy == 0 && thin_solid) {
        // Kept inside the surface's columns, so the end point's neighbour never leaves 32 bits.
        const auto x0 =
            static_cast<int32_t>(std::clamp<int64_t>(dx > 0 ? a.x : int64_t(b.x) + 1, -1, target.width));
        const auto x1 =
            static_cast<int32_t>(std::clamp<int64_t>(dx > 0 ? b.x : int64_t(a.x) + 1, -1, target.width));
        Paint paint;
        paint.color = pen.color;
        paint.rop2 = pen.rop2;
        for_each_visible(target, a.y, x0, x1,
                         [&](int32_t s, int32_t e) { paint_span(target, a.y, s, e, paint); });
        return;
    }
    // A plain vertical line is one pixel a row.
    if (dx == 0 && thin_solid) {
        if (a.x < 0 || a.x >= target.width) return;
        auto y0 = static_cast<int32_t>(std::max<int64_t>(dy > 0 ? a.y : int64_t(b.y) + 1, 0));
        auto y1 = static_cast<int32_t>(std::min<int64_t>(dy > 0 ? b.y : int64_t(a.y) + 1, target.height));
        // A clip rectangle cuts the line once, instead of row by row.
        const Region* clip = target.clip;
        if (clip && clip->complexity() == SIMPLEREGION) {
            const RECT box = clip->box();
            if (a.x < box.left || a.x >= box.right) return;
            y0 = std::max(y0, box.top);
            y1 = std::min(y1, box.bottom);
            clip = nullptr;
        }
        if (y0 >= y1) return;
        uint32_t* dst = target.row(y0) + a.x;
        if (!clip && pen.rop2 == R2_COPYPEN) {
            for (int32_t y = y0; y < y1; ++y, dst += target.stride)
                *dst = pen.color;
            return;
        }
        for (int32_t y = y0; y < y1; ++y, dst += target.stride) {
            if (clip && !clip->contains(a.x, y)) continue;
            *dst = pen.rop2 == R2_COPYPEN ? pen.color : apply_rop2(pen.rop2, pen.color, *dst);
        }
        return;
    }
    const bool x_major = std::llabs(dx) >= std::llabs(dy);
    const int64_t n = x_major ? std::llabs(dx) : std::llabs(dy);
    // Step only where the major coordinate can reach the surface, so a line running far off it
    // costs what its visible part costs.
    const int64_t start = x_major ? a.x : a.y;
    const int64_t step = x_major ? (dx > 0 ? 1 : -1) : (dy > 0 ? 1 : -1);
    const int64_t low = -int64_t(pen.width),
                  high = int64_t(x_major ? target.width : target.height) + pen.width;
    const int64_t first = std::max<int64_t>(0, step > 0 ? low - start : start - high + 1);
    const int64_t last = std::min<int64_t>(n, step > 0 ? high - start : start - low + 1);
    if (first >= last) return;
    MinorSteps minor(first, x_major ? dy : dx, n);
    int64_t major = start + step * first;
    if (thin_solid) {
        // One pixel a step, written straight into the surface where nothing clips it.
        for (int64_t i = first; i < last; ++i, major += step, minor.next()) {
            const int64_t other = (x_major ? a.y : a.x) + minor.offset();
            const int64_t x = x_major ? major : other;
            const int64_t y = x_major ? other : major;
            if (x < 0 || y < 0 || x >= target.width || y >= target.height) continue;
            const auto px = static_cast<int32_t>(x), py = static_cast<int32_t>(y);
            if (target.clip && !target.clip->contains(px, py)) continue;
            uint32_t& dst = target.row(py)[px];
            dst = pen.rop2 == R2_COPYPEN ? pen.color : apply_rop2(pen.rop2, pen.color, dst);
        }
        return;
    }
    int run = 0, run_left = 0;
    if (dashes.runs) {
        int period = 0;
        for (int k = 0; k < dashes.count; ++k)
            period += dashes.runs[k];
        int64_t skip = first > 0 ? first % period : 0;
        while (skip >= dashes.runs[run])
            skip -= dashes.runs[run++];
        run_left = dashes.runs[run] - static_cast<int>(skip);
    }
    for (int64_t i = first; i < last; ++i, major += step, minor.next()) {
        const int64_t other = (x_major ? a.y : a.x) + minor.offset();
        const auto x = static_cast<int32_t>(x_major ? major : other);
        const auto y = static_cast<int32_t>(x_major ? other : major);
        if (!dashes.runs) {
            draw_pen_pixel(target, x, y, pen.color, pen);
            continue;
        }
        const bool on = run % 2 == 0;
        if (on) {
            draw_pen_pixel(target, x, y, pen.color, pen);
        } else if (pen.fill_gaps) {
            draw_pen_pixel(target, x, y, pen.gap_color, pen);
        }
        if (--run_left == 0) {
            run = (run + 1) % dashes.count;
            run_left = dashes.runs[run];
        }
    }
}

bool MoveToEx(HDC hdc, int32_t x, int32_t y, POINT* previous) {
    TraceCall trace("MoveToEx");
    trace.args({x, y});
    DcObject* dc = dc_of(hdc);
    if (!dc) return false;
    if (previous) *previous = dc->state.position;
    dc->state.position = {x, y};
    return true;
}

bool GetCurrentPositionEx(HDC hdc, POINT* position) {
    TraceCall trace("GetCurrentPositionEx");
    DcObject* dc = dc_of(hdc);
    if (!dc || !position) return false;
    *position = dc->state.position;
    return true;
}

bool LineTo(HDC hdc, int32_t x, int32_t y) {
    DcObject* dc = dc_of(hdc);
    TraceCall trace("LineTo");
    trace.args({x, y});
    if (!dc) return false;
    if (trace) trace.color("pen", pen_color(*dc));
    const Mapping mapping(dc->state);
    const POINT ends[2] = {mapping.to_device(dc->state.position), mapping.to_device(POINT{x, y})};
    const Target target = target_of(*dc, Access::write(bounds_of(ends, 2, pen_reach(*dc, mapping))));
    draw_line(target, ends[0], ends[1], pen_of(*dc, target, mapping));
    dc->state.position = {x, y};
    return true;
}

bool Polyline(HDC hdc, const POINT* points, int count) {
    DcObject* dc = dc_of(hdc);
    TraceCall trace("Polyline");
    trace.points(points, count);
    if (!dc || !points || count < 2) return false;
    if (trace) trace.color("pen", pen_color(*dc));
    const Mapping mapping(dc->state);
    thread_local std::vector<POINT> device;
    device.resize(size_t(count));
    for (int i = 0; i < count; ++i)
        device[size_t(i)] = mapping.to_device(points[i]);
    const Target target =
        target_of(*dc, Access::write(bounds_of(device.data(), count, pen_reach(*dc, mapping))));
    const PenDraw pen = pen_of(*dc, target, mapping);
    for (int i = 0; i + 1 < count; ++i)
        draw_line(target, device[size_t(i)], device[size_t(i + 1)], pen);
    return true;
}

COLORREF SetPixel(HDC hdc, int32_t x, int32_t y, COLORREF color) {
    TraceCall trace("SetPixel");
    trace.args({x, y}).color("color", color);
    DcObject* dc = dc_of(hdc);
    if (!dc) return CLR_INVALID;
    const POINT p = Mapping(dc->state).to_device(POINT{x, y});
    const Target target = target_of(*dc, Access::write(bounds_of(&p, 1, 0)));
    if (!target || p.x < 0 || p.y < 0 || p.x >= target.width || p.y >= target.height) return CLR_INVALID;
    if (target.clip && !target.clip->contains(p.x, p.y)) return CLR_INVALID;
    const uint32_t px = device_color(color, target.mono);
    target.row(p.y)[p.x] = px;
    return to_colorref(px);
}

COLORREF GetPixel(HDC hdc, int32_t x, int32_t y) {
    TraceCall trace("GetPixel");
    trace.args({x, y});
    DcObject* dc = dc_of(hdc);
    if (!dc) return CLR_INVALID;
    const POINT p = Mapping(dc->state).to_device(POINT{x, y});
    const Target target = target_of(*dc, Access::read(bounds_of(&p, 1, 0)));
    if (!target || p.x < 0 || p.y < 0 || p.x >= target.width || p.y >= target.height) return CLR_INVALID;
    if (target.clip && !target.clip->contains(p.x, p.y)) return CLR_INVALID;
    return to_colorref(target.row(p.y)[p.x]);
}

} // namespace gdi
