#include "gfx/PolyPolygon.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Trace.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace gfx {

namespace {

struct Edge {
    int64_t x_top, y_top, x_bottom, y_bottom;
    int direction; // +1 downwards, -1 upwards
};

struct Span {
    int32_t left, right;
    friend bool operator==(const Span&, const Span&) = default;
};

int64_t ceil_div(int64_t num, int64_t den) {
    const int64_t q = num / den;
    return (num % den != 0 && ((num < 0) == (den < 0))) ? q + 1 : q;
}

std::vector<Edge> edges_of(const gdi::POINT* points, const int32_t* counts, int32_t polygons) {
    std::vector<Edge> edges;
    const gdi::POINT* polygon = points;
    for (int32_t p = 0; p < polygons; ++p) {
        const int32_t n = counts[p];
        for (int32_t i = 0; i < n; ++i) {
            const gdi::POINT a = polygon[i];
            const gdi::POINT b = polygon[(i + 1) % n];
            if (a.y < b.y) edges.push_back({a.x, a.y, b.x, b.y, 1});
            if (a.y > b.y) edges.push_back({b.x, b.y, a.x, a.y, -1});
        }
        polygon += n;
    }
    return edges;
}

// The spans of row y: a sample point lies right of a crossing when x >= crossing, so a span runs
// from ceil(left crossing) up to ceil(right crossing), exclusive.
std::vector<Span> row_spans(const std::vector<Edge>& edges, int64_t y, int fillMode) {
    std::vector<std::pair<int64_t, int>> crossings;
    for (const Edge& e : edges) {
        if (y < e.y_top || y >= e.y_bottom) continue;
        const int64_t den = e.y_bottom - e.y_top;
        crossings.emplace_back(ceil_div(e.x_top * den + (y - e.y_top) * (e.x_bottom - e.x_top), den),
                               e.direction);
    }
    std::sort(crossings.begin(), crossings.end());
    std::vector<Span> spans;
    int winding = 0;
    for (size_t k = 0; k + 1 < crossings.size(); ++k) {
        winding += crossings[k].second;
        const bool inside = fillMode == gdi::WINDING ? winding != 0 : (k % 2) == 0;
        if (inside && crossings[k].first < crossings[k + 1].first)
            spans.push_back({int32_t(crossings[k].first), int32_t(crossings[k + 1].first)});
    }
    return spans;
}

void add_rect(gdi::HRGN region, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const gdi::HRGN part = gdi::CreateRectRgn(left, top, right, bottom);
    gdi::CombineRgn(region, region, part, gdi::RGN_OR);
    gdi::DeleteObject(part);
}

} // namespace

gdi::HRGN create_poly_polygon_region(const gdi::POINT* points, const int32_t* counts, int32_t polygons,
                                     int fillMode) {
    if (fillMode != gdi::ALTERNATE && fillMode != gdi::WINDING) return {};
    if (polygons < 0 || (polygons > 0 && (!points || !counts))) return {};
    for (int32_t p = 0; p < polygons; ++p)
        if (counts[p] < 2) return {};
    gdi::HRGN region;
    {
        // The rectangles it is assembled from are not calls of the caller's; only the result is.
        std::optional<gdi::Trace> quiet;
        if (gdi::active_trace()) quiet.emplace();
        const std::vector<Edge> edges = edges_of(points, counts, polygons);
        region = gdi::CreateRectRgn(0, 0, 0, 0);
        if (!region || edges.empty()) return region;
        int64_t top = edges.front().y_top;
        int64_t bottom = edges.front().y_bottom;
        for (const Edge& e : edges) {
            top = std::min(top, e.y_top);
            bottom = std::max(bottom, e.y_bottom);
        }
        // Equal neighbouring rows make one band of rectangles.
        std::vector<Span> band;
        int64_t band_top = top;
        for (int64_t y = top; y <= bottom; ++y) {
            std::vector<Span> row = y < bottom ? row_spans(edges, y, fillMode) : std::vector<Span>{};
            if (y > top && row == band) continue;
            for (const Span& s : band)
                add_rect(region, s.left, int32_t(band_top), s.right, int32_t(y));
            band = std::move(row);
            band_top = y;
        }
    }
    gdi::TraceRecord record;
    record.name = "CreatePolyPolygonRgn";
    record.args = {polygons, fillMode};
    gdi::trace_record(std::move(record));
    return region;
}

} // namespace gfx
