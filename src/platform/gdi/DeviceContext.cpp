#include "platform/gdi/Dc.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Trace.h"

#include <utility>

namespace gdi {

namespace {

thread_local int t_dpi = 96;

DcState default_state(const HandleTable& t) {
    DcState state;
    state.bitmap = HBITMAP{t.stock(DEFAULT_BITMAP)};
    state.pen = HPEN{t.stock(BLACK_PEN)};
    state.brush = HBRUSH{t.stock(WHITE_BRUSH)};
    state.font = HFONT{t.stock(SYSTEM_FONT)};
    return state;
}

void hold_all(const DcState& state, HDC dc) {
    hold(state.bitmap.value, dc);
    hold(state.pen.value, dc);
    hold(state.brush.value, dc);
    hold(state.font.value, dc);
}

void release_all(const DcState& state) {
    release(state.bitmap.value);
    release(state.pen.value);
    release(state.brush.value);
    release(state.font.value);
}

// Replaces one object of the state by another of the same kind; returns the previous one.
template <ObjectKind K>
HGDIOBJ swap_selected(Handle<K>& slot, uint32_t object, HDC dc) {
    Handle<K> previous = slot;
    release(previous.value);
    slot = Handle<K>{object};
    hold(object, dc);
    return previous;
}

// A saved object that was deleted since, or a bitmap now held by another DC, is not restored.
template <ObjectKind K>
Handle<K> restorable(Handle<K> saved, Handle<K> current, HDC dc) {
    Entry* entry = table().find(saved.value);
    if (!entry) return current;
    if constexpr (K == ObjectKind::Bitmap) {
        auto* bitmap = std::get_if<BitmapObject>(&entry->data);
        if (!entry->stock && bitmap->selected_dc != 0 && bitmap->selected_dc != dc.value) return current;
    }
    return saved;
}

} // namespace

void hold(uint32_t object, HDC dc) {
    Entry* entry = table().find(object);
    if (!entry || entry->stock) return;
    if (auto* bitmap = std::get_if<BitmapObject>(&entry->data)) bitmap->selected_dc = dc.value;
    ++entry->selected;
}

void release(uint32_t object) {
    Entry* entry = table().find(object);
    if (!entry || entry->stock || entry->selected == 0) return;
    if (auto* bitmap = std::get_if<BitmapObject>(&entry->data)) bitmap->selected_dc = 0;
    --entry->selected;
}

RECT surface_rect(const DcObject& dc) {
    const BitmapObject* bitmap = table().get<BitmapObject>(dc.state.bitmap.value);
    if (!bitmap) return {};
    return {0, 0, bitmap->pixels.width, bitmap->pixels.height};
}

HDC CreateCompatibleDC(HDC hdc) {
    TraceCall trace("CreateCompatibleDC");
    if (hdc && !dc_of(hdc)) return {};
    HandleTable& t = table();
    DcObject dc;
    dc.state = default_state(t);
    HDC result{t.insert(std::move(dc))};
    if (result) hold_all(lookup(result)->state, result);
    trace.result(result, ObjectKind::DC);
    return result;
}

HDC CreateSurfaceDC(HBITMAP bitmap) {
    TraceCall trace("CreateSurfaceDC");
    BitmapObject* object = lookup(bitmap);
    if (!object || object->pixels.mono || object->selected_dc != 0 || table().find(bitmap.value)->stock)
        return {};
    HandleTable& t = table();
    DcObject dc;
    dc.state = default_state(t);
    dc.state.bitmap = bitmap;
    dc.memory = false;
    HDC result{t.insert(std::move(dc))};
    if (result) hold_all(lookup(result)->state, result);
    trace.result(result, ObjectKind::DC);
    return result;
}

bool RebindSurfaceDC(HDC hdc, HBITMAP bitmap) {
    TraceCall trace("RebindSurfaceDC");
    trace.object(hdc, ObjectKind::DC);
    trace.object(bitmap, ObjectKind::Bitmap);
    DcObject* dc = dc_of(hdc);
    Entry* entry = table().find(bitmap.value);
    if (!dc || dc->memory || !entry || entry->stock) return false;
    const auto* object = std::get_if<BitmapObject>(&entry->data);
    if (!object || object->pixels.mono || object->selected_dc != 0) return false;
    swap_selected(dc->state.bitmap, bitmap.value, hdc);
    return true;
}

bool DeleteDC(HDC hdc) {
    TraceCall trace("DeleteDC");
    trace.object(hdc, ObjectKind::DC);
    DcObject* dc = dc_of(hdc);
    if (!dc) return false;
    release_all(dc->state);
    table().erase(hdc.value);
    return true;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    DcObject* dc = dc_of(hdc);
    Entry* entry = table().find(object.value);
    TraceCall trace("SelectObject");
    if (trace && entry) trace.object(object, kind_of(entry->data));
    if (!dc || !entry) return {};
    DcState& state = dc->state;
    switch (kind_of(entry->data)) {
    case ObjectKind::Pen:
        return swap_selected(state.pen, object.value, hdc);
    case ObjectKind::Brush:
        return swap_selected(state.brush, object.value, hdc);
    case ObjectKind::Font:
        return swap_selected(state.font, object.value, hdc);
    case ObjectKind::Bitmap: {
        const auto& bitmap = std::get<BitmapObject>(entry->data);
        if (!dc->memory) return {};
        if (!entry->stock && bitmap.selected_dc != 0 && bitmap.selected_dc != hdc.value) return {};
        return swap_selected(state.bitmap, object.value, hdc);
    }
    case ObjectKind::Region: {
        int complexity = SelectClipRgn(hdc, HRGN{object.value});
        return HGDIOBJ{static_cast<uint32_t>(complexity)};
    }
    default:
        return {};
    }
}

HGDIOBJ GetCurrentObject(HDC hdc, ObjectKind kind) {
    TraceCall trace("GetCurrentObject");
    trace.arg(static_cast<int64_t>(kind));
    DcObject* dc = dc_of(hdc);
    if (!dc) return {};
    switch (kind) {
    case ObjectKind::Bitmap:
        return dc->state.bitmap;
    case ObjectKind::Pen:
        return dc->state.pen;
    case ObjectKind::Brush:
        return dc->state.brush;
    case ObjectKind::Font:
        return dc->state.font;
    default:
        return {};
    }
}

int SaveDC(HDC hdc) {
    TraceCall trace("SaveDC");
    DcObject* dc = dc_of(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    return static_cast<int>(dc->saved.size());
}

bool RestoreDC(HDC hdc, int saved) {
    TraceCall trace("RestoreDC");
    trace.arg(saved);
    DcObject* dc = dc_of(hdc);
    if (!dc) return false;
    const int depth = static_cast<int>(dc->saved.size());
    const int level = saved < 0 ? depth + saved + 1 : saved;
    if (level < 1 || level > depth) return false;
    DcState next = std::move(dc->saved[static_cast<size_t>(level - 1)]);
    dc->saved.resize(static_cast<size_t>(level - 1));
    const DcState& current = dc->state;
    next.bitmap = dc->memory ? restorable(next.bitmap, current.bitmap, hdc) : current.bitmap;
    next.pen = restorable(next.pen, current.pen, hdc);
    next.brush = restorable(next.brush, current.brush, hdc);
    next.font = restorable(next.font, current.font, hdc);
    release_all(dc->state);
    dc->state = std::move(next);
    hold_all(dc->state, hdc);
    return true;
}

int GetDeviceCaps(HDC hdc, int index) {
    TraceCall trace("GetDeviceCaps");
    trace.arg(index);
    DcObject* dc = dc_of(hdc);
    if (!dc) return 0;
    const RECT surface = surface_rect(*dc);
    switch (index) {
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case HORZRES:
        return surface.right;
    case VERTRES:
        return surface.bottom;
    case HORZSIZE:
        return mul_div(surface.right, 254, int64_t(t_dpi) * 10);
    case VERTSIZE:
        return mul_div(surface.bottom, 254, int64_t(t_dpi) * 10);
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case ASPECTX:
    case ASPECTY:
        return 36;
    case ASPECTXY:
        return 51;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return t_dpi;
    default:
        return 0;
    }
}

void SetLogicalDpi(int dpi) {
    if (dpi > 0) t_dpi = dpi;
}

int LogicalDpi() {
    return t_dpi;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    TraceCall trace("SetBkColor");
    trace.color("color", color);
    DcObject* dc = dc_of(hdc);
    if (!dc) return CLR_INVALID;
    return std::exchange(dc->state.bk_color, color & 0x00FFFFFF);
}

COLORREF GetBkColor(HDC hdc) {
    TraceCall trace("GetBkColor");
    DcObject* dc = dc_of(hdc);
    return dc ? dc->state.bk_color : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    TraceCall trace("SetBkMode");
    trace.arg(mode);
    DcObject* dc = dc_of(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    return std::exchange(dc->state.bk_mode, mode);
}

int GetBkMode(HDC hdc) {
    TraceCall trace("GetBkMode");
    DcObject* dc = dc_of(hdc);
    return dc ? dc->state.bk_mode : 0;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    TraceCall trace("SetTextColor");
    trace.color("color", color);
    DcObject* dc = dc_of(hdc);
    if (!dc) return CLR_INVALID;
    return std::exchange(dc->state.text_color, color & 0x00FFFFFF);
}

COLORREF GetTextColor(HDC hdc) {
    TraceCall trace("GetTextColor");
    DcObject* dc = dc_of(hdc);
    return dc ? dc->state.text_color : CLR_INVALID;
}

uint32_t SetTextAlign(HDC hdc, uint32_t align) {
    TraceCall trace("SetTextAlign");
    trace.arg(align);
    DcObject* dc = dc_of(hdc);
    if (!dc) return GDI_ERROR;
    return std::exchange(dc->state.text_align, align);
}

uint32_t GetTextAlign(HDC hdc) {
    TraceCall trace("GetTextAlign");
    DcObject* dc = dc_of(hdc);
    return dc ? dc->state.text_align : GDI_ERROR;
}

int SetROP2(HDC hdc, int rop2) {
    TraceCall trace("SetROP2");
    trace.arg(rop2);
    DcObject* dc = dc_of(hdc);
    if (!dc || rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
    return std::exchange(dc->state.rop2, rop2);
}

int GetROP2(HDC hdc) {
    TraceCall trace("GetROP2");
    DcObject* dc = dc_of(hdc);
    return dc ? dc->state.rop2 : 0;
}

int SetPolyFillMode(HDC hdc, int mode) {
    TraceCall trace("SetPolyFillMode");
    trace.arg(mode);
    DcObject* dc = dc_of(hdc);
    if (!dc || (mode != ALTERNATE && mode != WINDING)) return 0;
    return std::exchange(dc->state.poly_fill_mode, mode);
}

int GetPolyFillMode(HDC hdc) {
    TraceCall trace("GetPolyFillMode");
    DcObject* dc = dc_of(hdc);
    return dc ? dc->state.poly_fill_mode : 0;
}

int SetMapMode(HDC hdc, int mode) {
    TraceCall trace("SetMapMode");
    trace.arg(mode);
    DcObject* dc = dc_of(hdc);
    if (!dc || mode < MM_TEXT || mode > MM_TWIPS) return 0;
    return std::exchange(dc->state.map_mode, mode);
}

int GetMapMode(HDC hdc) {
    TraceCall trace("GetMapMode");
    DcObject* dc = dc_of(hdc);
    return dc ? dc->state.map_mode : 0;
}

bool LPtoDP(HDC hdc, POINT* points, int count) {
    TraceCall trace("LPtoDP");
    trace.points(points, count);
    DcObject* dc = dc_of(hdc);
    if (!dc || !points || count < 0) return false;
    Mapping mapping(dc->state);
    for (int i = 0; i < count; ++i)
        points[i] = mapping.to_device(points[i]);
    return true;
}

bool DPtoLP(HDC hdc, POINT* points, int count) {
    TraceCall trace("DPtoLP");
    trace.points(points, count);
    DcObject* dc = dc_of(hdc);
    if (!dc || !points || count < 0) return false;
    Mapping mapping(dc->state);
    for (int i = 0; i < count; ++i)
        points[i] = mapping.to_logical(points[i]);
    return true;
}

bool SetViewportOrgEx(HDC hdc, int32_t x, int32_t y, POINT* previous) {
    TraceCall trace("SetViewportOrgEx");
    trace.args({x, y});
    DcObject* dc = dc_of(hdc);
    if (!dc) return false;
    if (previous) *previous = dc->state.viewport_org;
    dc->state.viewport_org = {x, y};
    return true;
}

bool GetViewportOrgEx(HDC hdc, POINT* origin) {
    TraceCall trace("GetViewportOrgEx");
    DcObject* dc = dc_of(hdc);
    if (!dc || !origin) return false;
    *origin = dc->state.viewport_org;
    return true;
}

bool OffsetViewportOrgEx(HDC hdc, int32_t dx, int32_t dy, POINT* previous) {
    TraceCall trace("OffsetViewportOrgEx");
    trace.args({dx, dy});
    DcObject* dc = dc_of(hdc);
    if (!dc) return false;
    if (previous) *previous = dc->state.viewport_org;
    dc->state.viewport_org.x += dx;
    dc->state.viewport_org.y += dy;
    return true;
}

bool SetWindowOrgEx(HDC hdc, int32_t x, int32_t y, POINT* previous) {
    TraceCall trace("SetWindowOrgEx");
    trace.args({x, y});
    DcObject* dc = dc_of(hdc);
    if (!dc) return false;
    if (previous) *previous = dc->state.window_org;
    dc->state.window_org = {x, y};
    return true;
}

bool GetWindowOrgEx(HDC hdc, POINT* origin) {
    TraceCall trace("GetWindowOrgEx");
    DcObject* dc = dc_of(hdc);
    if (!dc || !origin) return false;
    *origin = dc->state.window_org;
    return true;
}

SurfaceView LockBitmap(HBITMAP bitmap) {
    BitmapObject* object = lookup(bitmap);
    if (!object || object->pixels.empty()) return {};
    Pixels& p = object->pixels;
    return {p.expose(), p.width, p.height, p.width, p.mono ? 1 : 32};
}

SurfaceView LockDC(HDC hdc) {
    DcObject* dc = dc_of(hdc);
    return dc ? LockBitmap(dc->state.bitmap) : SurfaceView{};
}

HBITMAP GetSurfaceBitmap(HDC hdc) {
    DcObject* dc = dc_of(hdc);
    return dc ? dc->state.bitmap : HBITMAP{};
}

} // namespace gdi
