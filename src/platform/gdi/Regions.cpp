#include "platform/gdi/Dc.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Trace.h"

#include <algorithm>
#include <cstdlib>

namespace gdi {

namespace {

// Elliptic and polygon regions are built row by row; taller ones fail as an exhausted platform
// would, instead of taking all memory.
constexpr int64_t kMaxShapeRows = int64_t(1) << 22;

HRGN insert_region(RegionObject object, TraceCall& trace) {
    HRGN result{table().insert(std::move(object))};
    trace.result(result, ObjectKind::Region);
    return result;
}

// A region given in logical units, in device pixels.
Region to_device(const Region& region, const Mapping& mapping) {
    if (mapping.identity()) return region;
    const POINT origin = mapping.to_device(POINT{0, 0});
    const POINT unit = mapping.to_device(POINT{1, 1});
    if (unit.x - origin.x == 1 && unit.y - origin.y == 1) {
        Region moved = region;
        moved.offset(origin.x, origin.y);
        return moved;
    }
    Region out;
    for (const RECT& r : region.rects())
        out = Region::combine(out, Region::from_rect(mapping.to_device(r)), RGN_OR);
    return out;
}

// Paints the spans of scanned rows onto a surface whose tiles are made real span by span (see
// Pixels): a polygon's bounding box may hold many tiles that none of its spans reach, such as the
// inside of a panel's bevel. A solid copy leaves a pending tile of its own colour pending.
class SpanPainter final : public RowSink {
public:
    SpanPainter(const Target& target, const Paint& paint, Pixels& pixels)
        : m_target(target), m_paint(paint), m_pixels(pixels),
          m_solid(paint.pattern.empty() && paint.rop2 == R2_COPYPEN) {}
    void row(int32_t y, const std::vector<Span>& spans) override {
        for (const Span& s : spans)
            for_each_visible(m_target, y, s.x0, s.x1, [&](int32_t a, int32_t b) {
                if (m_solid) {
                    m_pixels.store_span(y, a, b, m_paint.color);
                    return;
                }
                m_pixels.data_in(RECT{a, y, b, y + 1});
                paint_span(m_target, y, a, b, m_paint);
            });
    }
    // Without a clip region a solid copy over a run of equal rows is a rectangle a span, which
    // the pixels fill a tile at a time.
    void rows(int32_t top, int32_t bottom, const std::vector<Span>& spans) override {
        if (!m_solid || m_target.clip) {
            RowSink::rows(top, bottom, spans);
            return;
        }
        for (const Span& s : spans)
            m_pixels.fill(RECT{s.x0, top, s.x1, bottom}, m_paint.color);
    }

private:
    const Target& m_target;
    const Paint& m_paint;
    Pixels& m_pixels;
    bool m_solid;
};

bool paint_region(HDC hdc, const RegionObject& object, const BrushObject& brush, int rop2) {
    DcObject* dc = dc_of(hdc);
    if (!dc) return false;
    const Mapping mapping(dc->state);
    // A polygon not scanned yet, without a mapping, is scanned row by row onto the surface: the
    // same rows, spans and pixels its bands would give.
    const std::vector<POINT>* corners = nullptr;
    int mode = 0;
    if (mapping.identity() && object.pending_polygon(corners, mode)) {
        const int count = static_cast<int>(corners->size());
        // Nothing is made real here: the painter makes real what its spans reach.
        const Target target = target_of(*dc, Access::write(RECT{}));
        Pixels* pixels = pixels_of(*dc);
        Paint paint;
        if (target && pixels && brush_paint(brush, dc->state, target.mono, rop2, paint)) {
            SpanPainter painter(target, paint, *pixels);
            scan_polygon(corners->data(), count, mode, {0, target.height}, painter);
        }
        return true;
    }
    // Without a mapping the region is in device pixels already and is filled where it is.
    std::optional<Region> mapped;
    if (!mapping.identity()) mapped = to_device(object.region(), mapping);
    const Region& device = mapped ? *mapped : object.region();
    const Target target = target_of(*dc, Access::write(device.box()));
    Paint paint;
    if (target && brush_paint(brush, dc->state, target.mono, rop2, paint)) fill_region(target, device, paint);
    return true;
}

} // namespace

HRGN CreateRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    TraceCall trace("CreateRectRgn");
    trace.args({left, top, right, bottom});
    return insert_region(RegionObject(Region::from_rect({left, top, right, bottom})), trace);
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    if (!rect) return {};
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN CreateEllipticRgn(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    TraceCall trace("CreateEllipticRgn");
    trace.args({left, top, right, bottom});
    if (std::abs(int64_t(bottom) - top) > kMaxShapeRows) return {};
    return insert_region(RegionObject(Region::ellipse({left, top, right, bottom})), trace);
}

HRGN CreatePolygonRgn(const POINT* points, int count, int mode) {
    TraceCall trace("CreatePolygonRgn");
    trace.points(points, count).option("mode", mode);
    if (!points || count < 2 || (mode != ALTERNATE && mode != WINDING)) return {};
    const auto [low, high] =
        std::minmax_element(points, points + count, [](const POINT& a, const POINT& b) { return a.y < b.y; });
    if (int64_t(high->y) - low->y > kMaxShapeRows) return {};
    return insert_region(RegionObject::polygon(points, count, mode), trace);
}

bool SetRectRgn(HRGN region, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    TraceCall trace("SetRectRgn");
    trace.object(region, ObjectKind::Region).args({left, top, right, bottom});
    RegionObject* object = lookup(region);
    if (!object) return false;
    object->region_to_change() = Region::from_rect({left, top, right, bottom});
    return true;
}

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode) {
    TraceCall trace("CombineRgn");
    trace.object(dst, ObjectKind::Region).object(a, ObjectKind::Region);
    if (mode != RGN_COPY) trace.object(b, ObjectKind::Region);
    trace.option("mode", mode);
    RegionObject* target = lookup(dst);
    const RegionObject* first = lookup(a);
    const RegionObject* second = lookup(b);
    if (!target || !first || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    if (mode != RGN_COPY && !second) return ERROR;
    Region combined = Region::combine(first->region(), second ? second->region() : Region(), mode);
    target->region_to_change() = std::move(combined);
    return target->region().complexity();
}

int OffsetRgn(HRGN region, int32_t dx, int32_t dy) {
    TraceCall trace("OffsetRgn");
    trace.object(region, ObjectKind::Region).args({dx, dy});
    RegionObject* object = lookup(region);
    if (!object) return ERROR;
    object->region_to_change().offset(dx, dy);
    return object->region().complexity();
}

bool EqualRgn(HRGN a, HRGN b) {
    TraceCall trace("EqualRgn");
    trace.object(a, ObjectKind::Region).object(b, ObjectKind::Region);
    const RegionObject* first = lookup(a);
    const RegionObject* second = lookup(b);
    return first && second && first->region() == second->region();
}

bool PtInRegion(HRGN region, int32_t x, int32_t y) {
    TraceCall trace("PtInRegion");
    trace.object(region, ObjectKind::Region).args({x, y});
    const RegionObject* object = lookup(region);
    return object && object->region().contains(x, y);
}

bool RectInRegion(HRGN region, const RECT* rect) {
    TraceCall trace("RectInRegion");
    trace.object(region, ObjectKind::Region);
    const RegionObject* object = lookup(region);
    return object && rect && object->region().intersects(*rect);
}

int GetRgnBox(HRGN region, RECT* box) {
    TraceCall trace("GetRgnBox");
    trace.object(region, ObjectKind::Region);
    const RegionObject* object = lookup(region);
    if (!object || !box) return ERROR;
    *box = object->region().box();
    return object->region().complexity();
}

std::vector<RECT> GetRegionRects(HRGN region) {
    TraceCall trace("GetRegionRects");
    trace.object(region, ObjectKind::Region);
    const RegionObject* object = lookup(region);
    return object ? object->region().rects() : std::vector<RECT>{};
}

bool FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    TraceCall trace("FillRgn");
    trace.object(region, ObjectKind::Region);
    const RegionObject* object = lookup(region);
    const BrushObject* paint = lookup(brush);
    if (trace && paint) trace.color("brush", paint->log.lbColor);
    if (!object || !paint) return false;
    return paint_region(hdc, *object, *paint, R2_COPYPEN);
}

bool PaintRgn(HDC hdc, HRGN region) {
    TraceCall trace("PaintRgn");
    trace.object(region, ObjectKind::Region);
    DcObject* dc = dc_of(hdc);
    const RegionObject* object = lookup(region);
    if (!dc || !object) return false;
    const BrushObject* brush = lookup(dc->state.brush);
    if (trace && brush) trace.color("brush", brush->log.lbColor);
    return brush && paint_region(hdc, *object, *brush, dc->state.rop2);
}

bool InvertRgn(HDC hdc, HRGN region) {
    TraceCall trace("InvertRgn");
    trace.object(region, ObjectKind::Region);
    const RegionObject* object = lookup(region);
    if (!object) return false;
    BrushObject black;
    return paint_region(hdc, *object, black, R2_NOT);
}

int SelectClipRgn(HDC hdc, HRGN region) {
    TraceCall trace("SelectClipRgn");
    trace.object(region, ObjectKind::Region);
    DcObject* dc = dc_of(hdc);
    if (!dc) return ERROR;
    if (!region) {
        dc->state.clip.reset();
        return SIMPLEREGION;
    }
    const RegionObject* object = lookup(region);
    if (!object) return ERROR;
    dc->state.clip = object->region();
    return object->region().complexity();
}

int IntersectClipRect(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    TraceCall trace("IntersectClipRect");
    trace.args({left, top, right, bottom});
    DcObject* dc = dc_of(hdc);
    if (!dc) return ERROR;
    RECT rect = Mapping(dc->state).to_device(RECT{left, top, right, bottom});
    if (rect.left > rect.right) std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom) std::swap(rect.top, rect.bottom);
    dc->state.clip =
        dc->state.clip ? dc->state.clip->intersected(rect) : Region::meeting(surface_rect(*dc), rect);
    return dc->state.clip->complexity();
}

int ExcludeClipRect(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    TraceCall trace("ExcludeClipRect");
    trace.args({left, top, right, bottom});
    DcObject* dc = dc_of(hdc);
    if (!dc) return ERROR;
    const Region rect = Region::from_rect(Mapping(dc->state).to_device(RECT{left, top, right, bottom}));
    const Region base = dc->state.clip ? *dc->state.clip : Region::from_rect(surface_rect(*dc));
    dc->state.clip = Region::combine(base, rect, RGN_DIFF);
    return dc->state.clip->complexity();
}

int GetClipBox(HDC hdc, RECT* box) {
    TraceCall trace("GetClipBox");
    DcObject* dc = dc_of(hdc);
    if (!dc || !box) return ERROR;
    Region visible = Region::from_rect(surface_rect(*dc));
    if (dc->state.clip) visible = Region::combine(visible, *dc->state.clip, RGN_AND);
    *box = visible.empty() ? RECT{} : Mapping(dc->state).to_logical(visible.box());
    return visible.complexity();
}

int GetClipRgn(HDC hdc, HRGN region) {
    TraceCall trace("GetClipRgn");
    trace.object(region, ObjectKind::Region);
    DcObject* dc = dc_of(hdc);
    RegionObject* object = lookup(region);
    if (!dc || !object) return -1;
    if (!dc->state.clip) return 0;
    object->region_to_change() = *dc->state.clip;
    return 1;
}

} // namespace gdi
