#include "platform/gdi/Pixels.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace gdi {

static_assert(sizeof(wchar_t) == sizeof(uint32_t), "wmemset stores 32-bit pixels");

void store_pixels(uint32_t* out, size_t n, uint32_t value) {
    if (n < 16) {
        std::fill_n(out, n, value);
        return;
    }
    std::wmemset(reinterpret_cast<wchar_t*>(out), static_cast<wchar_t>(value), n);
}

Pixels::Pixels(int32_t w, int32_t h, bool is_mono, PixelBuffer pixels)
    : width(w), height(h), mono(is_mono), m_data(std::move(pixels)) {}

Pixels Pixels::black(int32_t w, int32_t h, bool is_mono) {
    Pixels p(w, h, is_mono, PixelBuffer(size_t(w) * size_t(h)));
    if (p.empty()) return p;
    p.m_tiles.assign(size_t(p.columns()) * p.rows(), Tile{0, true});
    p.m_pending = static_cast<int32_t>(p.m_tiles.size());
    return p;
}

Pixels::Pixels(const Pixels& other) : width(other.width), height(other.height), mono(other.mono) {
    m_data = PixelBuffer(other.data(), other.data() + other.size());
}

Pixels& Pixels::operator=(const Pixels& other) {
    if (this != &other) *this = Pixels(other);
    return *this;
}

uint32_t* Pixels::data() {
    if (m_pending > 0) make_real_in({0, 0, width, height});
    return m_data.data();
}

const uint32_t* Pixels::data() const {
    if (m_pending > 0) make_real_in({0, 0, width, height});
    return m_data.data();
}

uint32_t* Pixels::data_in(RECT r) {
    if (m_pending > 0) make_real_in(r);
    return m_data.data();
}

const uint32_t* Pixels::data_in(RECT r) const {
    if (m_pending > 0) make_real_in(r);
    return m_data.data();
}

uint32_t* Pixels::expose() {
    uint32_t* pixels = data();
    m_tiles.clear();
    m_exposed = true;
    return pixels;
}

void Pixels::make_real(int32_t column, int32_t row) const {
    Tile& t = tile(column, row);
    if (!t.pending) return;
    const int32_t x0 = column << kTileShift, y0 = row << kTileShift;
    const int32_t n = std::min(kTile, width - x0), y1 = std::min(y0 + kTile, height);
    uint32_t* out = m_data.data() + size_t(y0) * width + x0;
    if (n == kTile) {
        // A whole tile's rows have a length known here, so each is a few vector stores in place.
        for (int32_t y = y0; y < y1; ++y, out += width)
            std::fill_n(out, kTile, t.value);
    } else {
        for (int32_t y = y0; y < y1; ++y, out += width)
            store_pixels(out, size_t(n), t.value);
    }
    t.pending = false;
    --m_pending;
    ++m_tiles_version;
}

void Pixels::make_real_in(RECT r) const {
    const int32_t left = std::max(r.left, 0), top = std::max(r.top, 0);
    const int32_t right = std::min(r.right, width), bottom = std::min(r.bottom, height);
    if (left >= right || top >= bottom) return;
    for (int32_t row = top >> kTileShift; row <= (bottom - 1) >> kTileShift; ++row) {
        const Tile* tiles = &tile(0, row);
        for (int32_t column = left >> kTileShift; column <= (right - 1) >> kTileShift; ++column)
            if (tiles[column].pending) make_real(column, row);
    }
}

void Pixels::start_tiles() {
    m_tiles.assign(size_t(columns()) * rows(), Tile{});
    m_pending = 0;
    ++m_tiles_version;
}

namespace {

// value into columns [0, n) of `rows` rows from out on, `stride` pixels apart. The narrow stores are
// the edges of bevels and panels, one to three pixels wide and hundreds of rows tall: they are
// written in place row by row.
void store_rows(uint32_t* out, size_t stride, int32_t rows, size_t n, uint32_t value) {
    switch (n) {
    case 1:
        for (int32_t y = 0; y < rows; ++y, out += stride)
            out[0] = value;
        return;
    case 2:
        for (int32_t y = 0; y < rows; ++y, out += stride)
            out[0] = out[1] = value;
        return;
    case 3:
        for (int32_t y = 0; y < rows; ++y, out += stride)
            out[0] = out[1] = out[2] = value;
        return;
    default:
        for (int32_t y = 0; y < rows; ++y, out += stride)
            store_pixels(out, n, value);
        return;
    }
}

} // namespace

void Pixels::fill(RECT r, uint32_t value) {
    const int32_t left = std::max(r.left, 0), top = std::max(r.top, 0);
    const int32_t right = std::min(r.right, width), bottom = std::min(r.bottom, height);
    if (left >= right || top >= bottom) return;
    if (m_exposed) {
        // Whole rows are one block of memory.
        if (left == 0 && right == width) {
            store_pixels(m_data.data() + size_t(top) * width, size_t(bottom - top) * width, value);
            return;
        }
        store_rows(m_data.data() + size_t(top) * width + left, size_t(width), bottom - top,
                   size_t(right - left), value);
        return;
    }
    if (m_tiles.empty()) start_tiles();
    const int32_t first = left >> kTileShift, last = (right - 1) >> kTileShift;
    // The columns whose every pixel lies between left and right: from the first starting at or
    // after left to the last ending at or before right (the last column ends at the bitmap's edge).
    const int32_t whole_first = (left + kTile - 1) >> kTileShift;
    const int32_t whole_last = (right == width || (right & (kTile - 1)) == 0) ? last : last - 1;
    for (int32_t row = top >> kTileShift; row <= (bottom - 1) >> kTileShift; ++row) {
        const int32_t ty0 = row << kTileShift, ty1 = std::min(ty0 + kTile, height);
        const int32_t y0 = std::max(top, ty0), y1 = std::min(bottom, ty1);
        const bool all_rows = y0 == ty0 && y1 == ty1;
        Tile* tiles = &tile(0, row);
        // Stores the columns [from, to) of this band's rows.
        auto store = [&](int32_t from, int32_t to) {
            const int32_t x0 = std::max(left, from << kTileShift);
            const int32_t x1 = std::min(right, std::min(to << kTileShift, width));
            store_rows(m_data.data() + size_t(y0) * width + x0, size_t(width), y1 - y0, size_t(x1 - x0),
                       value);
        };
        int32_t run = -1; // the first column of the run of tiles to store, or none
        for (int32_t column = first; column <= last; ++column) {
            Tile& t = tiles[column];
            if (all_rows && column >= whole_first && column <= whole_last) {
                // Covered whole: nothing of it is left to keep.
                m_pending += !t.pending;
                t = {value, true};
                ++m_tiles_version;
            } else if (!t.pending || t.value != value) {
                make_real(column, row);
                if (run < 0) run = column;
                continue;
            }
            if (run >= 0) store(run, column);
            run = -1;
        }
        if (run >= 0) store(run, last + 1);
    }
}

void Pixels::store_span(int32_t y, int32_t x0, int32_t x1, uint32_t value) {
    uint32_t* row = m_data.data() + size_t(y) * width;
    if (m_pending == 0) {
        store_pixels(row + x0, size_t(x1 - x0), value);
        return;
    }
    const int32_t band = y >> kTileShift;
    for (int32_t column = x0 >> kTileShift; column <= (x1 - 1) >> kTileShift; ++column) {
        const int32_t a = std::max(x0, column << kTileShift), b = std::min(x1, (column + 1) << kTileShift);
        const Tile& t = tile(column, band);
        // Storing a pending tile's own value changes none of its pixels.
        if (t.pending && t.value == value) continue;
        make_real(column, band);
        store_pixels(row + a, size_t(b - a), value);
    }
}

const std::vector<Pixels::Run>& Pixels::runs_of(int32_t band, int32_t x0, int32_t x1) const {
    if (m_runs.band != band || m_runs.x0 != x0 || m_runs.x1 != x1 ||
        m_runs.tiles_version != m_tiles_version) {
        // Neighbouring tiles pending with one value, or all real, are one run.
        m_runs = {band, x0, x1, m_tiles_version, std::move(m_runs.runs)};
        m_runs.runs.clear();
        const Tile* tiles = &tile(0, band);
        for (int32_t x = x0; x < x1;) {
            int32_t column = x >> kTileShift;
            const Tile& first = tiles[column];
            do {
                ++column;
            } while ((column << kTileShift) < x1 && tiles[column].pending == first.pending &&
                     (!first.pending || tiles[column].value == first.value));
            const int32_t end = std::min(x1, column << kTileShift);
            m_runs.runs.push_back({x, end, first.pending, first.value});
            x = end;
        }
    }
    return m_runs.runs;
}

void Pixels::read_row(int32_t y, int32_t x0, int32_t x1, uint32_t* out) const {
    const uint32_t* row = m_data.data() + size_t(y) * width;
    if (m_pending == 0) {
        std::memcpy(out, row + x0, size_t(x1 - x0) * sizeof(uint32_t));
        return;
    }
    for (const Run& run : runs_of(y >> kTileShift, x0, x1)) {
        if (run.pending) {
            store_pixels(out + (run.x0 - x0), size_t(run.x1 - run.x0), run.value);
        } else {
            std::memcpy(out + (run.x0 - x0), row + run.x0, size_t(run.x1 - run.x0) * sizeof(uint32_t));
        }
    }
}

void Pixels::read_rows(int32_t y0, int32_t y1, int32_t x0, int32_t x1, uint32_t* out, size_t stride) const {
    // Rows follow one another without a gap in this buffer when they are whole, and in out when
    // its rows are exactly as long as the part read.
    const bool whole_rows = x0 == 0 && x1 == width;
    const bool out_packed = stride == size_t(x1 - x0);
    if (m_pending == 0) {
        if (whole_rows && out_packed) {
            std::memcpy(out, m_data.data() + size_t(y0) * width,
                        size_t(y1 - y0) * size_t(width) * sizeof(uint32_t));
            return;
        }
        for (int32_t y = y0; y < y1; ++y, out += stride)
            std::memcpy(out, m_data.data() + size_t(y) * width + x0, size_t(x1 - x0) * sizeof(uint32_t));
        return;
    }
    while (y0 < y1) {
        const int32_t band = y0 >> kTileShift;
        const int32_t band_end = std::min(y1, (band + 1) << kTileShift);
        const int32_t rows = band_end - y0;
        const std::vector<Run>& runs = runs_of(band, x0, x1);
        // One run over whole rows is the band's rows in one piece.
        if (runs.size() == 1 && whole_rows && out_packed) {
            if (runs[0].pending) {
                store_pixels(out, size_t(rows) * size_t(width), runs[0].value);
            } else {
                std::memcpy(out, m_data.data() + size_t(y0) * width,
                            size_t(rows) * size_t(width) * sizeof(uint32_t));
            }
        } else {
            for (const Run& run : runs) {
                uint32_t* to = out + (run.x0 - x0);
                const size_t n = size_t(run.x1 - run.x0);
                if (run.pending) {
                    for (int32_t y = y0; y < band_end; ++y, to += stride)
                        store_pixels(to, n, run.value);
                } else {
                    const uint32_t* from = m_data.data() + size_t(y0) * width + run.x0;
                    for (int32_t y = y0; y < band_end; ++y, to += stride, from += width)
                        std::memcpy(to, from, n * sizeof(uint32_t));
                }
            }
        }
        out += size_t(rows) * stride;
        y0 = band_end;
    }
}

} // namespace gdi
