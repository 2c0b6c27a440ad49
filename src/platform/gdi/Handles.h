#pragma once

#include <compare>
#include <cstdint>
#include <functional>

// GDI handles: distinct strong types over one per-thread handle table. A handle value holds a slot
// number and a generation, so a handle that was deleted (stale) or never created is recognised and
// every call given one fails the way the platform does (returns 0 or false), never crashes.
// 0 is the null handle of every kind.
namespace gdi {

enum class ObjectKind : uint8_t { None = 0, DC, Bitmap, Pen, Brush, Region, Font, Icon };

// Any GDI object, as SelectObject, DeleteObject and GetObjectType take it.
struct HGDIOBJ {
    uint32_t value = 0;
    explicit operator bool() const { return value != 0; }
    friend auto operator<=>(HGDIOBJ, HGDIOBJ) = default;
};

template <ObjectKind K>
struct Handle {
    static constexpr ObjectKind kind = K;
    uint32_t value = 0;

    explicit operator bool() const { return value != 0; }
    operator HGDIOBJ() const { return HGDIOBJ{value}; }
    friend auto operator<=>(Handle, Handle) = default;

    // The typed view of a generic handle; the kind is checked by the table when the handle is used.
    static Handle from(HGDIOBJ h) { return Handle{h.value}; }
};

using HDC = Handle<ObjectKind::DC>;
using HBITMAP = Handle<ObjectKind::Bitmap>;
using HPEN = Handle<ObjectKind::Pen>;
using HBRUSH = Handle<ObjectKind::Brush>;
using HRGN = Handle<ObjectKind::Region>;
using HFONT = Handle<ObjectKind::Font>;
using HICON = Handle<ObjectKind::Icon>;

// 0x00BBGGRR, as the platform packs colours.
using COLORREF = uint32_t;
constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr uint8_t GetRValue(COLORREF c) {
    return uint8_t(c & 0xFF);
}
constexpr uint8_t GetGValue(COLORREF c) {
    return uint8_t((c >> 8) & 0xFF);
}
constexpr uint8_t GetBValue(COLORREF c) {
    return uint8_t((c >> 16) & 0xFF);
}

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

} // namespace gdi

template <gdi::ObjectKind K>
struct std::hash<gdi::Handle<K>> {
    size_t operator()(gdi::Handle<K> h) const noexcept { return std::hash<uint32_t>()(h.value); }
};
