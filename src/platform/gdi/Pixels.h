#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>
#include <memory>
#include <vector>

// A bitmap's pixels: 0x00RRGGBB, rows top-down without padding. A monochrome bitmap keeps the same
// layout with only 0x000000 and 0xFFFFFF.
//
// The buffer is divided into square tiles, and a tile may be pending: all of its pixels hold one
// value that has not been written to memory yet. A new bitmap is all pending black, and a solid
// fill makes the tiles it covers pending with its colour instead of storing it. A redraw covers a
// new surface with its background, draws its headers and outlines over parts of it, fills panels
// of the same colour over most of it and copies it to its window: with pending tiles, what nothing
// else touched is neither cleared, nor filled, nor filled again, nor read back, only written to the
// window.
//
// Whoever touches pixels first makes the tiles it touches real (writes their value): data_in()
// for a rectangle, data() for everything. read_row() reads without making anything real. A bitmap
// whose pixels were handed out raw (expose()) may be written behind the GDI's back, so it keeps
// every tile real from then on.
namespace gdi {

// Storage that leaves new elements uninitialised: a pending tile is written when it becomes real,
// so clearing the buffer on allocation would be wasted.
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

// Stores value into out[0, n): a few values in place, more through the C library's wide-character
// memset (its elements are 32-bit here), which stores them in the widest blocks the processor has.
void store_pixels(uint32_t* out, size_t n, uint32_t value);

class Pixels {
public:
    static constexpr int32_t kTileShift = 5; // 32 x 32 pixels
    static constexpr int32_t kTile = 1 << kTileShift;

    Pixels() = default;
    // w * h pixels as given (none for an empty bitmap), all real.
    Pixels(int32_t w, int32_t h, bool is_mono, PixelBuffer pixels);
    // w * h black pixels, all pending.
    static Pixels black(int32_t w, int32_t h, bool is_mono);
    // A copy is all real (the original's pending tiles are made real first).
    Pixels(const Pixels& other);
    Pixels& operator=(const Pixels& other);
    Pixels(Pixels&&) noexcept = default;
    Pixels& operator=(Pixels&&) noexcept = default;

    bool empty() const { return m_data.empty(); }
    size_t size() const { return m_data.size(); }
    // The buffer with every pixel real.
    uint32_t* data();
    const uint32_t* data() const;
    // The buffer with the pixels of r (clipped to the bitmap) real; the caller touches no others.
    uint32_t* data_in(RECT r);
    const uint32_t* data_in(RECT r) const;
    // Every pixel of r (clipped) set to value, which is already in the bitmap's format: tiles r
    // covers whole become pending, the others are made real and written.
    void fill(RECT r, uint32_t value);
    // Pixels [x0, x1) of row y (inside the bitmap) set to value, in the bitmap's format: a pending
    // tile that holds value already stays pending, the others are made real and written.
    void store_span(int32_t y, int32_t x0, int32_t x1, uint32_t value);
    // Pixels [x0, x1) of row y into out, pending ones as their value; nothing is made real.
    void read_row(int32_t y, int32_t x0, int32_t x1, uint32_t* out) const;
    // Pixels [x0, x1) of rows [y0, y1) (inside the bitmap) into out, row after row `stride`
    // pixels apart, as read_row would: a band of tiles at a time, and rows that lie one after
    // another in both buffers in one piece.
    void read_rows(int32_t y0, int32_t y1, int32_t x0, int32_t x1, uint32_t* out, size_t stride) const;
    // The buffer with every pixel real for good: for views handed out of the GDI.
    uint32_t* expose();
    // Whether some tile is pending.
    bool has_pending() const { return m_pending > 0; }

    int32_t width = 0;
    int32_t height = 0;
    bool mono = false;

private:
    struct Tile {
        uint32_t value = 0;
        bool pending = false;
    };
    // A stretch of one tile row that read_row() stores or copies in one piece.
    struct Run {
        int32_t x0, x1;
        bool pending;
        uint32_t value;
    };
    // The runs of the band of rows and the columns read last: a copy reads row after row of one
    // band, and the tiles do not change while it does.
    struct Runs {
        int32_t band = -1, x0 = 0, x1 = 0;
        uint64_t tiles_version = 0;
        std::vector<Run> runs;
    };

    // The runs of [x0, x1) in the band of tile rows `band`, kept in m_runs.
    const std::vector<Run>& runs_of(int32_t band, int32_t x0, int32_t x1) const;
    int32_t columns() const { return (width + kTile - 1) >> kTileShift; }
    int32_t rows() const { return (height + kTile - 1) >> kTileShift; }
    Tile& tile(int32_t column, int32_t row) const { return m_tiles[size_t(row) * columns() + column]; }
    void make_real(int32_t column, int32_t row) const;
    void make_real_in(RECT r) const;
    // Starts keeping tiles: every tile real.
    void start_tiles();

    // Making a tile real changes no pixel anyone can see, so a const bitmap may do it.
    mutable PixelBuffer m_data;
    mutable std::vector<Tile> m_tiles;    // empty: every tile real
    mutable int32_t m_pending = 0;        // pending tiles
    mutable uint64_t m_tiles_version = 0; // changes whenever a tile does
    mutable Runs m_runs;
    bool m_exposed = false;
};

} // namespace gdi
