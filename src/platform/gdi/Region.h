#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>
#include <utility>
#include <vector>

// A set of pixels kept as y-x bands: horizontal bands of equal rows, each holding sorted, disjoint,
// non-adjacent spans [x0, x1). Bands are sorted, disjoint, and two touching bands never hold the
// same spans, so equal pixel sets have equal representations.
namespace gdi {

struct Span {
    int32_t x0 = 0;
    int32_t x1 = 0;
    friend bool operator==(const Span&, const Span&) = default;
};

struct Band {
    int32_t top = 0;
    int32_t bottom = 0;
    uint32_t first = 0; // index of its first span
    uint32_t count = 0;
};

using Rows = std::pair<int32_t, int32_t>;
constexpr Rows all_rows() {
    return {INT32_MIN, INT32_MAX};
}

class Region {
public:
    Region() = default;
    // Normalises the rectangle, as CreateRectRgn does; one without width or height gives the empty
    // region.
    static Region from_rect(RECT rect);
    // Pixels whose centres lie inside the ellipse inscribed in the box (right and bottom exclusive).
    // Only the rows in [rows.first, rows.second) are computed, so drawing a huge shape costs no
    // more than the rows that can be seen.
    static Region ellipse(RECT box, Rows rows = all_rows());
    // Pixels whose top-left corners lie inside the polygon, with points on a left or top edge inside
    // and on a right or bottom edge outside. mode: ALTERNATE (1) or WINDING (2).
    static Region polygon(const POINT* points, int count, int mode, Rows rows = all_rows());
    // RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF; RGN_COPY gives a.
    static Region combine(const Region& a, const Region& b, int mode);
    // The pixels two rectangles (right and bottom exclusive) share: a rectangle, or none. A clip
    // rectangle laid over a surface or over another is this, and needs no band-by-band combining.
    static Region meeting(RECT a, RECT b);

    bool empty() const { return m_bands.empty(); }
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int complexity() const;
    RECT box() const;
    bool contains(int32_t x, int32_t y) const;
    bool intersects(RECT rect) const;
    void offset(int32_t dx, int32_t dy);
    Region intersected(RECT rect) const;
    // The pixels that stay inside after moving one step in each of the four directions.
    Region eroded() const;
    std::vector<RECT> rects() const;
    int64_t area() const;

    const std::vector<Band>& bands() const { return m_bands; }
    const Span* spans(const Band& band) const { return m_spans.data() + band.first; }
    // The band holding row y, or null. A clip rectangle is a region of one band, asked for row
    // after row by every drawing call: that band is checked in place.
    const Band* band_at(int32_t y) const {
        if (m_bands.size() == 1)
            return y >= m_bands[0].top && y < m_bands[0].bottom ? m_bands.data() : nullptr;
        return search_band(y);
    }

    friend bool operator==(const Region& a, const Region& b);

private:
    friend class RegionBuilder;

    const Band* search_band(int32_t y) const;

    std::vector<Band> m_bands;
    std::vector<Span> m_spans;
};

// Receives the rows of a scanned polygon, top to bottom, each row's spans sorted, disjoint and
// non-adjacent; rows without spans are left out. Neighbouring rows with the same spans may come in
// one call to rows().
class RowSink {
public:
    virtual void row(int32_t y, const std::vector<Span>& spans) = 0;
    // Rows [top, bottom), each with the same spans.
    virtual void rows(int32_t top, int32_t bottom, const std::vector<Span>& spans) {
        for (int32_t y = top; y < bottom; ++y)
            row(y, spans);
    }

protected:
    ~RowSink() = default;
};

// The rows of Region::polygon, handed to sink instead of built into a region.
void scan_polygon(const POINT* points, int count, int mode, Rows rows, RowSink& sink);

// Rows are appended top to bottom; equal neighbouring rows merge into one band.
class RegionBuilder {
public:
    void add(int32_t top, int32_t bottom, const std::vector<Span>& spans);
    Region finish() { return std::move(m_region); }

private:
    Region m_region;
};

// Spans of a and b combined by a region mode; both inputs sorted and disjoint.
void combine_spans(const Span* a, uint32_t na, const Span* b, uint32_t nb, int mode, std::vector<Span>& out);

} // namespace gdi
