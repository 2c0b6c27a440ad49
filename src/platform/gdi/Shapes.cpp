#include "platform/gdi/Dc.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Trace.h"

#include <cmath>
#include <numbers>

namespace gdi {

namespace {

// The brush of the DC as a paint; false when it paints nothing.
bool current_brush(const DcObject& dc, const Target& target, Paint& paint) {
    const BrushObject* brush = lookup(dc.state.brush);
    return brush && brush_paint(*brush, dc.state, target.mono, dc.state.rop2, paint);
}

void trace_colors(TraceCall& trace, const DcObject& dc) {
    if (!trace) return;
    const PenObject* pen = lookup(dc.state.pen);
    if (pen && pen->log.lopnStyle != PS_NULL) trace.color("pen", pen->log.lopnColor);
    const BrushObject* brush = lookup(dc.state.brush);
    if (brush && brush->log.lbStyle != BS_HOLLOW) trace.fill(brush->log.lbColor);
}

RECT normalized(RECT r) {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    return r;
}

// The outline of a pixel set: the rings that erosion peels off, one per pixel of pen width.
Region outline_of(const Region& shape, int32_t width, Region& interior) {
    interior = shape;
    for (int32_t k = 0; k < width && !interior.empty(); ++k)
        interior = interior.eroded();
    return Region::combine(shape, interior, RGN_DIFF);
}

// The rows a shape must be computed on to draw it: the surface's, with room for the pen.
Rows visible_rows(const Target& target, int32_t pen_width) {
    return {-pen_width - 1, target.height + pen_width + 1};
}

double angle_of(double x, double y) {
    const double a = std::atan2(y, x);
    return a < 0 ? a + 2 * std::numbers::pi : a;
}

} // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    TraceCall trace("FillRect");
    if (rect) trace.args({rect->left, rect->top, rect->right, rect->bottom});
    const BrushObject* object = lookup(brush);
    if (trace && object) trace.color("brush", object->log.lbColor);
    DcObject* dc = dc_of(hdc);
    if (!dc || !rect || !object) return 0;
    const Mapping mapping(dc->state);
    const POINT a = mapping.to_device(POINT{rect->left, rect->top});
    const POINT b = mapping.to_device(POINT{rect->right, rect->bottom});
    fill_rect_with_brush(*dc, RECT{a.x, a.y, b.x, b.y}, *object);
    return 1;
}

bool Rectangle(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    TraceCall trace("Rectangle");
    trace.args({left, top, right, bottom});
    DcObject* dc = dc_of(hdc);
    if (!dc) return false;
    trace_colors(trace, *dc);
    const Target target = target_of(*dc);
    if (!target) return true;
    const Mapping mapping(dc->state);
    const RECT box = normalized(mapping.to_device(RECT{left, top, right, bottom}));
    const PenDraw pen = pen_of(*dc, target, mapping);
    Paint paint;
    const bool filled = current_brush(*dc, target, paint);
    if (!pen.visible) {
        // Without a pen the platform fills one pixel less to the right and at the bottom.
        if (filled) fill_rect(target, RECT{box.left, box.top, box.right - 1, box.bottom - 1}, paint);
        return true;
    }
    const int32_t w = pen.width;
    if (filled) fill_rect(target, RECT{box.left + w, box.top + w, box.right - w, box.bottom - w}, paint);
    Region frame = Region::combine(
        Region::from_rect(box),
        Region::from_rect(RECT{box.left + w, box.top + w, std::max(box.left + w, box.right - w),
                               std::max(box.top + w, box.bottom - w)}),
        RGN_DIFF);
    Paint outline;
    outline.color = pen.color;
    outline.rop2 = pen.rop2;
    fill_region(target, frame, outline);
    return true;
}

bool Polygon(HDC hdc, const POINT* points, int count) {
    TraceCall trace("Polygon");
    trace.points(points, count);
    DcObject* dc = dc_of(hdc);
    if (!dc || !points || count < 2) return false;
    trace.option("mode", dc->state.poly_fill_mode);
    trace_colors(trace, *dc);
    const Mapping mapping(dc->state);
    thread_local std::vector<POINT> device;
    device.assign(points, points + count);
    for (POINT& p : device)
        p = mapping.to_device(p);
    const Target target =
        target_of(*dc, Access::write(bounds_of(device.data(), count, pen_reach(*dc, mapping))));
    if (!target) return true;
    Paint paint;
    if (current_brush(*dc, target, paint))
        fill_region(target,
                    Region::polygon(device.data(), count, dc->state.poly_fill_mode, visible_rows(target, 0)),
                    paint);
    const PenDraw pen = pen_of(*dc, target, mapping);
    for (int i = 0; i < count; ++i)
        draw_line(target, device[i], device[(i + 1) % count], pen);
    return true;
}

bool Ellipse(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    TraceCall trace("Ellipse");
    trace.args({left, top, right, bottom});
    DcObject* dc = dc_of(hdc);
    if (!dc) return false;
    trace_colors(trace, *dc);
    const Target target = target_of(*dc);
    if (!target) return true;
    const Mapping mapping(dc->state);
    RECT box = normalized(mapping.to_device(RECT{left, top, right, bottom}));
    const PenDraw pen = pen_of(*dc, target, mapping);
    Paint paint;
    const bool filled = current_brush(*dc, target, paint);
    if (!pen.visible) {
        // As for rectangles, a shape without an outline is one pixel smaller to the right and below.
        if (filled)
            fill_region(target,
                        Region::ellipse(RECT{box.left, box.top, box.right - 1, box.bottom - 1},
                                        visible_rows(target, 0)),
                        paint);
        return true;
    }
    Region interior;
    const Region outline =
        outline_of(Region::ellipse(box, visible_rows(target, pen.width)), pen.width, interior);
    if (filled) fill_region(target, interior, paint);
    Paint ink;
    ink.color = pen.color;
    ink.rop2 = pen.rop2;
    fill_region(target, outline, ink);
    return true;
}

bool Arc(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xStart, int32_t yStart,
         int32_t xEnd, int32_t yEnd) {
    TraceCall trace("Arc");
    trace.args({left, top, right, bottom, xStart, yStart, xEnd, yEnd});
    DcObject* dc = dc_of(hdc);
    if (!dc) return false;
    if (trace) {
        const PenObject* p = lookup(dc->state.pen);
        if (p) trace.color("pen", p->log.lopnColor);
    }
    const Target target = target_of(*dc);
    if (!target) return true;
    const Mapping mapping(dc->state);
    const RECT box = normalized(mapping.to_device(RECT{left, top, right, bottom}));
    const PenDraw pen = pen_of(*dc, target, mapping);
    if (!pen.visible) return true;
    const POINT start = mapping.to_device(POINT{xStart, yStart});
    const POINT end = mapping.to_device(POINT{xEnd, yEnd});
    // Angles are measured around the box centre in doubled coordinates with y pointing up, so
    // counter-clockwise on screen is increasing angle.
    const int64_t sum_x = int64_t(box.left) + box.right;
    const int64_t sum_y = int64_t(box.top) + box.bottom;
    const double from = angle_of(double(2 * int64_t(start.x) - sum_x), double(sum_y - 2 * int64_t(start.y)));
    const double to = angle_of(double(2 * int64_t(end.x) - sum_x), double(sum_y - 2 * int64_t(end.y)));
    double sweep = to - from;
    if (sweep <= 0) sweep += 2 * std::numbers::pi; // equal radials draw the whole ellipse
    Region interior;
    const Region outline =
        outline_of(Region::ellipse(box, visible_rows(target, pen.width)), pen.width, interior);
    for (const Band& band : outline.bands())
        for (int32_t y = band.top; y < band.bottom; ++y)
            for (uint32_t k = 0; k < band.count; ++k)
                for (int32_t x = std::max(outline.spans(band)[k].x0, 0);
                     x < std::min(outline.spans(band)[k].x1, target.width); ++x) {
                    double a =
                        angle_of(double(2 * int64_t(x) + 1 - sum_x), double(sum_y - 2 * int64_t(y) - 1)) -
                        from;
                    if (a < 0) a += 2 * std::numbers::pi;
                    if (a <= sweep) plot(target, x, y, pen.color, pen.rop2);
                }
    return true;
}

} // namespace gdi
