#pragma once

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Pixels.h"
#include "platform/gdi/Region.h"

#include <memory>
#include <optional>
#include <variant>
#include <vector>

// What the handles of the table stand for. Internal to the GDI.
namespace gdi {

struct BitmapObject {
    Pixels pixels;
    uint32_t selected_dc = 0; // the DC holding it, 0 when none
};

struct PenObject {
    LOGPEN log;
};

struct BrushObject {
    LOGBRUSH log;
    std::shared_ptr<const Pixels> pattern; // BS_PATTERN: a copy of the pattern bitmap
};

// A region object. A polygon region keeps its corners and is scanned into bands only when
// something needs the bands: filling it scans its rows straight onto the surface instead, which is
// all a redraw does with the polygons of its headers.
class RegionObject {
public:
    explicit RegionObject(Region region) : m_region(std::move(region)) {}
    static RegionObject polygon(const POINT* points, int count, int mode) {
        RegionObject object{Region()};
        object.m_corners.assign(points, points + count);
        object.m_mode = mode;
        return object;
    }

    // The bands, scanned now if the region is still a polygon.
    const Region& region() const {
        if (m_mode != 0) scan();
        return m_region;
    }
    // The bands for a change: the corners no longer describe the region afterwards.
    Region& region_to_change() {
        if (m_mode != 0) scan();
        return m_region;
    }
    // The corners and fill mode of a region not yet scanned, or false.
    bool pending_polygon(const std::vector<POINT>*& corners, int& mode) const {
        corners = &m_corners;
        mode = m_mode;
        return m_mode != 0;
    }

private:
    void scan() const {
        m_region = Region::polygon(m_corners.data(), static_cast<int>(m_corners.size()), m_mode);
        m_mode = 0;
        m_corners.clear();
    }

    // Scanning changes nothing anyone can see, so a const region may do it.
    mutable Region m_region;
    mutable std::vector<POINT> m_corners;
    mutable int m_mode = 0; // ALTERNATE or WINDING while the corners are not scanned yet
};

class FontInstance;

struct FontObject {
    LOGFONTA log;
    // The face and size last realised for drawing with this font (shared with every font asking
    // for the same), and what they were realised for; see FontSystem::realize_for.
    std::shared_ptr<FontInstance> realized;
    int32_t realized_height = 0; // device pixels, sign kept
    int realized_dpi = 0;
    uint64_t realized_catalog = 0;
};

struct IconObject {
    bool is_icon = true;
    uint32_t hot_x = 0;
    uint32_t hot_y = 0;
    Pixels mask;
    std::optional<Pixels> color;
};

// Everything SaveDC keeps.
struct DcState {
    HBITMAP bitmap;
    HPEN pen;
    HBRUSH brush;
    HFONT font;
    COLORREF bk_color = RGB(255, 255, 255);
    COLORREF text_color = RGB(0, 0, 0);
    int bk_mode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int poly_fill_mode = ALTERNATE;
    int map_mode = MM_TEXT;
    uint32_t text_align = TA_TOP | TA_LEFT;
    POINT window_org;
    POINT viewport_org;
    POINT position;
    std::optional<Region> clip; // device coordinates
};

struct DcObject {
    DcState state;
    std::vector<DcState> saved;
    bool memory = true; // false: a surface DC, bound to its bitmap for good
};

// The variant's alternatives are in ObjectKind order, so index() is the kind.
using ObjectData = std::variant<std::monostate, DcObject, BitmapObject, PenObject, BrushObject, RegionObject,
                                FontObject, IconObject>;

inline ObjectKind kind_of(const ObjectData& data) {
    return static_cast<ObjectKind>(data.index());
}

} // namespace gdi
