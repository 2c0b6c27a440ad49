#pragma once

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Region.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

// What the handles of the table stand for. Internal to the GDI.
namespace gdi {

// Storage for pixels that leaves new elements uninitialised: a new bitmap's buffer is written
// by whoever uses it first (see Pixels), so filling it with zeros on creation would be wasted.
template <class T>
struct UninitializedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };
    UninitializedAllocator() = default;
    template <class U>
    UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};
using PixelBuffer = std::vector<uint32_t, UninitializedAllocator<uint32_t>>;

// A bitmap's pixels: 0x00RRGGBB, rows top-down without padding. A monochrome bitmap keeps the same
// layout with only 0x000000 and 0xFFFFFF.
//
// A new bitmap is black, but its buffer is only cleared when its pixels are first used: a redraw
// makes a surface and covers it with its background at once, and clearing it first would cost a
// whole extra pass over its memory. Every access goes through data(), which clears a buffer still
// waiting for it, or through data_to_overwrite() for a caller about to write every pixel.
class Pixels {
public:
    Pixels() = default;
    // Pixels as given (w * h of them, or none for an empty bitmap).
    Pixels(int32_t w, int32_t h, bool is_mono, PixelBuffer pixels)
        : width(w), height(h), mono(is_mono), m_data(std::move(pixels)) {}
    // w * h black pixels.
    static Pixels black(int32_t w, int32_t h, bool is_mono) {
        Pixels p(w, h, is_mono, PixelBuffer(size_t(w) * size_t(h)));
        p.m_clear_pending = true;
        return p;
    }
    Pixels(const Pixels& other)
        : width(other.width), height(other.height), mono(other.mono), m_clear_pending(other.m_clear_pending) {
        // A copy of pixels not yet cleared is cleared when it is used, as the original would be.
        if (m_clear_pending) {
            m_data.resize(other.m_data.size());
        } else {
            m_data = other.m_data;
        }
    }
    Pixels& operator=(const Pixels& other) {
        if (this != &other) *this = Pixels(other);
        return *this;
    }
    Pixels(Pixels&&) noexcept = default;
    Pixels& operator=(Pixels&&) noexcept = default;

    bool empty() const { return m_data.empty(); }
    size_t size() const { return m_data.size(); }
    uint32_t* data() {
        if (m_clear_pending) clear();
        return m_data.data();
    }
    const uint32_t* data() const {
        if (m_clear_pending) clear();
        return m_data.data();
    }
    uint32_t at(size_t k) const { return data()[k]; }
    // For a caller that writes every pixel before anything reads one: the clearing is skipped.
    uint32_t* data_to_overwrite() {
        m_clear_pending = false;
        return m_data.data();
    }

    int32_t width = 0;
    int32_t height = 0;
    bool mono = false;

private:
    void clear() const {
        std::fill(m_data.begin(), m_data.end(), 0u);
        m_clear_pending = false;
    }

    // Clearing on first read is not a change anyone can see, so a const bitmap may do it.
    mutable PixelBuffer m_data;
    mutable bool m_clear_pending = false;
};

// A rectangle of a bitmap, in pixels, known to hold one pixel value throughout; empty when
// nothing is known.
struct SolidArea {
    RECT rect;
    uint32_t value = 0;
};

struct BitmapObject {
    Pixels pixels;
    uint32_t selected_dc = 0; // the DC holding it, 0 when none
    // What a solid fill left and no write has touched since: a later fill of the same value skips
    // it. A redraw covers its surface with the background and then panels of the same colour over
    // it, so most of those fills have nothing left to write.
    SolidArea solid;
    // Its pixels were handed out raw (LockBitmap): they may be written behind the GDI's back, so
    // from then on nothing is known of them.
    bool exposed = false;
};

struct PenObject {
    LOGPEN log;
};

struct BrushObject {
    LOGBRUSH log;
    std::shared_ptr<const Pixels> pattern; // BS_PATTERN: a copy of the pattern bitmap
};

struct RegionObject {
    Region region;
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
