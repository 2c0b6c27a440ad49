#include "platform/gdi/Region.h"

#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace gdi {

namespace {

__extension__ using Int128 = __int128;

bool inside_by_mode(bool a, bool b, int mode) {
    switch (mode) {
    case RGN_AND:
        return a && b;
    case RGN_OR:
        return a || b;
    case RGN_XOR:
        return a != b;
    case RGN_DIFF:
        return a && !b;
    default:
        return a;
    }
}

// The x of span boundary k (starts at even k, ends at odd k), or "none left".
int32_t boundary(const Span* spans, uint32_t n, uint32_t k) {
    if (k >= 2 * n) return std::numeric_limits<int32_t>::max();
    return (k % 2 == 0) ? spans[k / 2].x0 : spans[k / 2].x1;
}

int64_t ceil_div(Int128 num, int64_t den) { // den > 0
    Int128 q = num / den;
    if (num % den != 0 && num > 0) ++q;
    return static_cast<int64_t>(q);
}

// Largest k >= 0 with k * k <= value, or -1 for a negative value.
int64_t isqrt(Int128 value) {
    if (value < 0) return -1;
    auto k = static_cast<int64_t>(std::sqrt(static_cast<double>(value)));
    while (k > 0 && Int128(k) * k > value)
        --k;
    while (Int128(k + 1) * (k + 1) <= value)
        ++k;
    return k;
}

int32_t clamp32(int64_t v) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Spans in order of their starts that may be empty, overlap or touch, merged into disjoint,
// non-adjacent ones. A row of a polygon comes out of its sorted crossings in this order.
void merge_sorted_spans(std::vector<Span>& spans) {
    size_t out = 0;
    for (const Span& s : spans) {
        if (s.x1 <= s.x0) continue;
        if (out > 0 && s.x0 <= spans[out - 1].x1) {
            spans[out - 1].x1 = std::max(spans[out - 1].x1, s.x1);
        } else {
            spans[out++] = s;
        }
    }
    spans.resize(out);
}

} // namespace

void combine_spans(const Span* a, uint32_t na, const Span* b, uint32_t nb, int mode, std::vector<Span>& out) {
    out.clear();
    uint32_t i = 0, j = 0;
    bool in_a = false, in_b = false, inside = false;
    int32_t start = 0;
    for (;;) {
        int32_t x = std::min(boundary(a, na, i), boundary(b, nb, j));
        if (x == std::numeric_limits<int32_t>::max()) break;
        if (boundary(a, na, i) == x) {
            in_a = !in_a;
            ++i;
        }
        if (boundary(b, nb, j) == x) {
            in_b = !in_b;
            ++j;
        }
        bool now = inside_by_mode(in_a, in_b, mode);
        if (now && !inside) {
            start = x;
            inside = true;
        } else if (!now && inside) {
            out.push_back({start, x});
            inside = false;
        }
    }
}

void RegionBuilder::add(int32_t top, int32_t bottom, const std::vector<Span>& spans) {
    if (spans.empty() || bottom <= top) return;
    auto& bands = m_region.m_bands;
    auto& all = m_region.m_spans;
    if (!bands.empty()) {
        Band& last = bands.back();
        if (last.bottom == top && last.count == spans.size() &&
            std::equal(spans.begin(), spans.end(), all.begin() + last.first)) {
            last.bottom = bottom;
            return;
        }
    }
    bands.push_back({top, bottom, static_cast<uint32_t>(all.size()), static_cast<uint32_t>(spans.size())});
    all.insert(all.end(), spans.begin(), spans.end());
}

Region Region::from_rect(RECT r) {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    // A rectangle without width or height holds no pixel: the empty region, as every other way
    // to no pixels gives it.
    Region region;
    if (r.left == r.right || r.top == r.bottom) return region;
    region.m_bands.push_back({r.top, r.bottom, 0, 1});
    region.m_spans.push_back({r.left, r.right});
    return region;
}

Region Region::ellipse(RECT r, Rows rows) {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    const int64_t w = int64_t(r.right) - r.left;
    const int64_t h = int64_t(r.bottom) - r.top;
    RegionBuilder builder;
    if (w <= 0 || h <= 0) return builder.finish();
    // In doubled coordinates relative to the centre a pixel centre is (kx, ky) with
    // kx = 2x + 1 - (left + right); it is inside when kx^2 h^2 + ky^2 w^2 <= w^2 h^2.
    const int64_t sum_x = int64_t(r.left) + r.right;
    const int64_t sum_y = int64_t(r.top) + r.bottom;
    const int64_t parity = (1 - sum_x) & 1; // every kx has the parity of 1 - (left + right)
    std::vector<Span> row(1);
    const int64_t first = std::max<int64_t>(r.top, rows.first),
                  last = std::min<int64_t>(r.bottom, rows.second);
    for (int64_t y = first; y < last; ++y) {
        const int64_t ky = 2 * y + 1 - sum_y;
        const Int128 room = Int128(w) * w * (Int128(h) * h - Int128(ky) * ky);
        int64_t kx = isqrt(room / (Int128(h) * h));
        if (kx >= 0 && (kx & 1) != parity) --kx;
        if (kx < 0) continue;
        const int64_t right = (kx + sum_x - 1) / 2; // the last pixel, from kx = 2x + 1 - sum_x
        const int64_t left = sum_x - 1 - right;
        row[0] = {clamp32(left), clamp32(right + 1)};
        builder.add(static_cast<int32_t>(y), static_cast<int32_t>(y + 1), row);
    }
    return builder.finish();
}

void scan_polygon(const POINT* points, int count, int mode, Rows rows, RowSink& sink) {
    // An edge from its upper to its lower end, stepped one row at a time. On row y its crossing is
    // ceil(num / den) with num = xa * den + (y - ya) * (xb - xa): a sample point (x, y) lies right of
    // the crossing when x >= crossing, so the first pixel column inside is the crossing and the
    // column of a right-hand crossing is outside. The crossing is kept as x and a remainder
    // r = x * den - num in [0, den), so each row adds the slope's whole part to x and carries once.
    struct Edge {
        int64_t ya, yb;
        int64_t xa, xb;
        int dir;
        int64_t x = 0, rest = 0;           // the crossing on the current row
        int64_t step_x = 0, step_rest = 0; // xb - xa = step_x * den + step_rest, step_rest in [0, den)

        void start(int64_t y) {
            const int64_t den = yb - ya;
            const int64_t dx = xb - xa;
            constexpr int64_t kNear = int64_t(1) << 30;
            if (den < kNear && std::abs(xa) < kNear && std::abs(dx) < kNear) {
                // Each product stays under 2^60 here, so the crossing needs no wide division.
                const int64_t num = xa * den + (y - ya) * dx;
                x = num / den;
                if (num % den != 0 && num > 0) ++x;
                rest = x * den - num;
            } else {
                const Int128 num = Int128(xa) * den + Int128(y - ya) * dx;
                x = ceil_div(num, den);
                rest = static_cast<int64_t>(Int128(x) * den - num);
            }
            step_x = dx / den;
            step_rest = dx % den;
            if (step_rest < 0) {
                step_rest += den;
                --step_x;
            }
        }
        void next_row() {
            // num grows by step_x * den + step_rest: x by step_x, and the remainder falls by
            // step_rest, borrowing one whole column when it drops below zero.
            x += step_x;
            rest -= step_rest;
            if (rest < 0) {
                rest += yb - ya;
                ++x;
            }
        }
    };
    thread_local std::vector<Edge> edges;
    thread_local std::vector<Edge*> active;
    thread_local std::vector<std::pair<int64_t, int>> crossings;
    thread_local std::vector<Span> row;
    edges.clear();
    active.clear();
    if (!points || count < 3) return;
    for (int i = 0; i < count; ++i) {
        POINT a = points[i];
        POINT b = points[i + 1 < count ? i + 1 : 0];
        if (a.y == b.y) continue;
        if (a.y < b.y) {
            edges.push_back({a.y, b.y, a.x, b.x, 1});
        } else {
            edges.push_back({b.y, a.y, b.x, a.x, -1});
        }
    }
    if (edges.empty()) return;
    // By their upper ends. A shape has a handful of edges, mostly in order already.
    for (size_t k = 1; k < edges.size(); ++k)
        for (size_t j = k; j > 0 && edges[j].ya < edges[j - 1].ya; --j)
            std::swap(edges[j], edges[j - 1]);
    int64_t y_end = edges.front().yb;
    for (const Edge& e : edges)
        y_end = std::max(y_end, e.yb);
    y_end = std::min<int64_t>(y_end, rows.second);
    const int64_t y_begin = std::max<int64_t>(edges.front().ya, rows.first);

    size_t next = 0;
    int64_t first_end = INT64_MAX; // the row the first active edge ends on
    for (int64_t y = y_begin; y < y_end; ++y) {
        // Edges already passed by the rows asked for start at the first row they are seen on.
        while (next < edges.size() && edges[next].ya <= y) {
            Edge& e = edges[next++];
            if (e.yb <= y) continue;
            e.start(y);
            active.push_back(&e);
            first_end = std::min(first_end, e.yb);
        }
        if (first_end <= y) {
            std::erase_if(active, [y](const Edge* e) { return e->yb <= y; });
            first_end = INT64_MAX;
            for (const Edge* e : active)
                first_end = std::min(first_end, e->yb);
        }
        if (active.empty()) {
            if (next < edges.size()) y = edges[next].ya - 1;
            continue;
        }
        crossings.clear();
        bool upright = true;
        for (Edge* e : active) {
            crossings.emplace_back(e->x, e->dir);
            e->next_row();
            upright = upright && e->step_x == 0 && e->step_rest == 0;
        }
        // While every edge crossing the rows is vertical and none starts or ends, each row has the
        // same spans as this one: they go to the sink as one run of rows.
        int64_t run_end = y + 1;
        if (upright) {
            run_end = next < edges.size() ? std::min(y_end, edges[next].ya) : y_end;
            for (const Edge* e : active)
                run_end = std::min(run_end, e->yb);
            run_end = std::max(run_end, y + 1);
        }
        // Usually two crossings, already in order: an insertion sort does no work for them.
        for (size_t k = 1; k < crossings.size(); ++k)
            for (size_t j = k; j > 0 && crossings[j] < crossings[j - 1]; --j)
                std::swap(crossings[j], crossings[j - 1]);
        row.clear();
        if (crossings.size() == 2) {
            // One edge in, one out: one span, by either rule.
            const Span span{clamp32(crossings[0].first), clamp32(crossings[1].first)};
            if (span.x0 < span.x1) row.push_back(span);
        } else if (mode == WINDING) {
            int winding = 0;
            for (size_t k = 0; k + 1 < crossings.size(); ++k) {
                winding += crossings[k].second;
                if (winding != 0)
                    row.push_back({clamp32(crossings[k].first), clamp32(crossings[k + 1].first)});
            }
            merge_sorted_spans(row);
        } else {
            for (size_t k = 0; k + 1 < crossings.size(); k += 2)
                row.push_back({clamp32(crossings[k].first), clamp32(crossings[k + 1].first)});
            merge_sorted_spans(row);
        }
        if (!row.empty()) sink.rows(static_cast<int32_t>(y), static_cast<int32_t>(run_end), row);
        y = run_end - 1;
    }
}

Region Region::polygon(const POINT* points, int count, int mode, Rows rows) {
    struct Builder final : RowSink {
        RegionBuilder builder;
        void row(int32_t y, const std::vector<Span>& spans) override { builder.add(y, y + 1, spans); }
        void rows(int32_t top, int32_t bottom, const std::vector<Span>& spans) override {
            builder.add(top, bottom, spans);
        }
    } sink;
    scan_polygon(points, count, mode, rows, sink);
    return sink.builder.finish();
}

Region Region::combine(const Region& a, const Region& b, int mode) {
    if (mode == RGN_COPY) return a;
    if (mode == RGN_AND && a.complexity() == SIMPLEREGION && b.complexity() == SIMPLEREGION)
        return meeting(a.box(), b.box());
    std::vector<int32_t> ys;
    ys.reserve(2 * (a.m_bands.size() + b.m_bands.size()));
    for (const Band& band : a.m_bands)
        ys.insert(ys.end(), {band.top, band.bottom});
    for (const Band& band : b.m_bands)
        ys.insert(ys.end(), {band.top, band.bottom});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    RegionBuilder builder;
    std::vector<Span> row;
    size_t ia = 0, ib = 0;
    for (size_t k = 0; k + 1 < ys.size(); ++k) {
        const int32_t y0 = ys[k], y1 = ys[k + 1];
        while (ia < a.m_bands.size() && a.m_bands[ia].bottom <= y0)
            ++ia;
        while (ib < b.m_bands.size() && b.m_bands[ib].bottom <= y0)
            ++ib;
        const Band* band_a = (ia < a.m_bands.size() && a.m_bands[ia].top <= y0) ? &a.m_bands[ia] : nullptr;
        const Band* band_b = (ib < b.m_bands.size() && b.m_bands[ib].top <= y0) ? &b.m_bands[ib] : nullptr;
        combine_spans(band_a ? a.spans(*band_a) : nullptr, band_a ? band_a->count : 0,
                      band_b ? b.spans(*band_b) : nullptr, band_b ? band_b->count : 0, mode, row);
        builder.add(y0, y1, row);
    }
    return builder.finish();
}

int Region::complexity() const {
    if (m_bands.empty()) return NULLREGION;
    return (m_bands.size() == 1 && m_bands[0].count == 1) ? SIMPLEREGION : COMPLEXREGION;
}

RECT Region::box() const {
    if (m_bands.empty()) return {};
    RECT box{std::numeric_limits<int32_t>::max(), m_bands.front().top, std::numeric_limits<int32_t>::min(),
             m_bands.back().bottom};
    for (const Band& band : m_bands) {
        box.left = std::min(box.left, spans(band)[0].x0);
        box.right = std::max(box.right, spans(band)[band.count - 1].x1);
    }
    return box;
}

const Band* Region::search_band(int32_t y) const {
    auto it = std::upper_bound(m_bands.begin(), m_bands.end(), y,
                               [](int32_t value, const Band& band) { return value < band.bottom; });
    if (it == m_bands.end() || it->top > y) return nullptr;
    return &*it;
}

bool Region::contains(int32_t x, int32_t y) const {
    const Band* band = band_at(y);
    if (!band) return false;
    const Span* first = spans(*band);
    const Span* last = first + band->count;
    const Span* it =
        std::upper_bound(first, last, x, [](int32_t value, const Span& s) { return value < s.x1; });
    return it != last && it->x0 <= x;
}

bool Region::intersects(RECT rect) const {
    return !intersected(rect).empty();
}

void Region::offset(int32_t dx, int32_t dy) {
    // Coordinates saturate at the ends of the 32-bit range rather than wrap.
    for (Band& band : m_bands) {
        band.top = clamp32(int64_t(band.top) + dy);
        band.bottom = clamp32(int64_t(band.bottom) + dy);
    }
    for (Span& span : m_spans) {
        span.x0 = clamp32(int64_t(span.x0) + dx);
        span.x1 = clamp32(int64_t(span.x1) + dx);
    }
}

Region Region::intersected(RECT rect) const {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return Region();
    if (complexity() == SIMPLEREGION) return meeting(box(), rect);
    return combine(*this, from_rect(rect), RGN_AND);
}

Region Region::meeting(RECT a, RECT b) {
    const RECT both{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                    std::min(a.bottom, b.bottom)};
    if (both.left >= both.right || both.top >= both.bottom) return Region();
    return from_rect(both);
}

Region Region::eroded() const {
    Region result = *this;
    const int32_t steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& step : steps) {
        Region moved = *this;
        moved.offset(step[0], step[1]);
        result = combine(result, moved, RGN_AND);
    }
    return result;
}

std::vector<RECT> Region::rects() const {
    std::vector<RECT> out;
    out.reserve(m_spans.size());
    for (const Band& band : m_bands)
        for (uint32_t k = 0; k < band.count; ++k)
            out.push_back({spans(band)[k].x0, band.top, spans(band)[k].x1, band.bottom});
    return out;
}

int64_t Region::area() const {
    int64_t total = 0;
    for (const Band& band : m_bands)
        for (uint32_t k = 0; k < band.count; ++k)
            total += int64_t(spans(band)[k].x1 - spans(band)[k].x0) * (band.bottom - band.top);
    return total;
}

bool operator==(const Region& a, const Region& b) {
    if (a.m_bands.size() != b.m_bands.size() || a.m_spans.size() != b.m_spans.size()) return false;
    for (size_t k = 0; k < a.m_bands.size(); ++k) {
        const Band& x = a.m_bands[k];
        const Band& y = b.m_bands[k];
        if (x.top != y.top || x.bottom != y.bottom || x.count != y.count) return false;
    }
    return a.m_spans == b.m_spans;
}

} // namespace gdi
