#include "TestSurface.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace gdi;

namespace {

int64_t area(HRGN rgn) {
    int64_t total = 0;
    for (const RECT& r : GetRegionRects(rgn))
        total += int64_t(r.right - r.left) * (r.bottom - r.top);
    return total;
}

// The x range [first, last] of the region on row y, or {1, 0} when the row is empty or split.
std::pair<int, int> row_extent(HRGN rgn, int y) {
    int first = 1, last = 0;
    for (int x = -5; x < 200; ++x)
        if (PtInRegion(rgn, x, y)) {
            if (first > last) first = x;
            last = x;
        }
    return {first, last};
}

TEST(PolygonRegion, SquareHoldsExactlyTenByTen) {
    const POINT square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (int mode : {ALTERNATE, WINDING}) {
        HRGN rgn = CreatePolygonRgn(square, 4, mode);
        ASSERT_TRUE(rgn);
        EXPECT_EQ(area(rgn), 100);
        RECT box;
        EXPECT_EQ(GetRgnBox(rgn, &box), SIMPLEREGION);
        EXPECT_EQ(box, (RECT{0, 0, 10, 10}));
        EXPECT_TRUE(PtInRegion(rgn, 0, 0));
        EXPECT_TRUE(PtInRegion(rgn, 9, 9));
        EXPECT_FALSE(PtInRegion(rgn, 10, 5));
        EXPECT_FALSE(PtInRegion(rgn, 5, 10));
        DeleteObject(rgn);
    }
}

TEST(PolygonRegion, TabHeaderFillsItsMiddleRowsFromTenToSixtyEight) {
    const POINT header[] = {{10, 40}, {10, 22}, {12, 20}, {67, 20}, {69, 22}, {69, 40}};
    for (int mode : {ALTERNATE, WINDING}) {
        HRGN rgn = CreatePolygonRgn(header, 6, mode);
        for (int y = 22; y < 40; ++y)
            EXPECT_EQ(row_extent(rgn, y), std::make_pair(10, 68)) << y;
        // The cut corners: the top row starts at the corner points, the right edge stays outside.
        EXPECT_EQ(row_extent(rgn, 20), std::make_pair(12, 66));
        EXPECT_EQ(row_extent(rgn, 21), std::make_pair(11, 67));
        EXPECT_EQ(row_extent(rgn, 40), std::make_pair(1, 0));
        EXPECT_EQ(row_extent(rgn, 19), std::make_pair(1, 0));
        DeleteObject(rgn);
    }
}

TEST(PolygonRegion, AlternateLeavesTheDoublyWoundCentreOutWindingFillsIt) {
    // Two overlapping squares traced as one path in the same direction.
    const POINT path[] = {{0, 0},   {20, 0},  {20, 20}, {0, 20},  {0, 0},
                          {10, 10}, {30, 10}, {30, 30}, {10, 30}, {10, 10}};
    HRGN alternate = CreatePolygonRgn(path, 10, ALTERNATE);
    HRGN winding = CreatePolygonRgn(path, 10, WINDING);
    EXPECT_FALSE(PtInRegion(alternate, 15, 15));
    EXPECT_TRUE(PtInRegion(winding, 15, 15));
    EXPECT_TRUE(PtInRegion(alternate, 5, 5));
    EXPECT_TRUE(PtInRegion(alternate, 25, 25));
    EXPECT_EQ(area(winding), 400 + 400 - 100);
    EXPECT_EQ(area(alternate), 400 + 400 - 200);
    DeleteObject(alternate);
    DeleteObject(winding);
}

// Whether the sample point (x, y) is inside a polygon by the fill rule itself: the crossings of
// the edges with row y lie at ceil(crossing), a point at or right of a crossing has passed it; an
// odd count of passed crossings (ALTERNATE) or a non-zero sum of their directions (WINDING) is in.
bool inside_by_definition(const std::vector<POINT>& polygon, int mode, int64_t x, int64_t y) {
    __extension__ using Int128 = __int128;
    int passed = 0, winding = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        POINT a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        if (a.y == b.y) continue;
        const int dir = a.y < b.y ? 1 : -1;
        if (a.y > b.y) std::swap(a, b);
        if (y < a.y || y >= b.y) continue;
        // x >= xa + (y - ya) (xb - xa) / (yb - ya), in integers.
        const Int128 den = int64_t(b.y) - a.y;
        if (Int128(x) * den >= Int128(a.x) * den + Int128(y - a.y) * (int64_t(b.x) - a.x)) {
            ++passed;
            winding += dir;
        }
    }
    return mode == WINDING ? winding != 0 : passed % 2 == 1;
}

// Random polygons, convex and self-crossing, against the fill rule pixel by pixel: the region of
// CreatePolygonRgn, and the fill of Polygon on a surface, which scans only the visible rows.
TEST(PolygonRegion, RandomPolygonsHoldExactlyThePixelsTheFillRuleTakes) {
    std::mt19937 random(77);
    std::uniform_int_distribution<int32_t> coordinate(-30, 110);
    std::uniform_int_distribution<int> corners(3, 11);
    for (int round = 0; round < 300; ++round) {
        std::vector<POINT> polygon(size_t(corners(random)));
        for (POINT& p : polygon)
            p = {coordinate(random), coordinate(random)};
        if (round % 4 == 0) polygon[1].y = polygon[0].y; // horizontal edges too
        const int mode = round % 2 ? WINDING : ALTERNATE;
        HRGN rgn = CreatePolygonRgn(polygon.data(), static_cast<int>(polygon.size()), mode);
        ASSERT_TRUE(rgn);
        TestSurface s(80, 70);
        SelectObject(s.dc, GetStockObject(NULL_PEN));
        SelectObject(s.dc, GetStockObject(BLACK_BRUSH));
        SetPolyFillMode(s.dc, mode);
        Polygon(s.dc, polygon.data(), static_cast<int>(polygon.size()));
        for (int32_t y = -35; y < 115; ++y)
            for (int32_t x = -35; x < 115; ++x) {
                const bool want = inside_by_definition(polygon, mode, x, y);
                ASSERT_EQ(PtInRegion(rgn, x, y), want) << "round " << round << " at " << x << "," << y;
                if (x >= 0 && y >= 0 && x < s.width && y < s.height) {
                    ASSERT_EQ(s.at(x, y) == RGB(0, 0, 0), want)
                        << "round " << round << " at " << x << "," << y;
                }
            }
        DeleteObject(rgn);
    }
}

// A polygon whose corners step across and down: long vertical edges, some 45-degree ones and
// horizontal ones, the way panel bevels and header outlines are drawn.
std::vector<POINT> upright_polygon(std::mt19937& random) {
    std::uniform_int_distribution<int32_t> step(-40, 40);
    std::uniform_int_distribution<int> kind(0, 5);
    std::uniform_int_distribution<int> corners(4, 10);
    std::vector<POINT> polygon{{std::uniform_int_distribution<int32_t>(-10, 90)(random),
                                std::uniform_int_distribution<int32_t>(-10, 70)(random)}};
    const int count = corners(random);
    for (int i = 1; i < count; ++i) {
        POINT p = polygon.back();
        const int32_t d = step(random);
        switch (kind(random)) {
        case 0:
        case 1:
            p.y += d; // vertical
            break;
        case 2:
        case 3:
            p.x += d; // horizontal
            break;
        case 4:
            p.x += d; // 45 degrees
            p.y += d;
            break;
        default:
            p.x += d;
            p.y -= d;
            break;
        }
        polygon.push_back(p);
    }
    return polygon;
}

// Rows between the ends of vertical edges are passed on as runs of equal rows; the region, a fill
// from the corners on a surface with pending tiles (of the brush's own colour or another) and a
// fill through a clip region must all still hold exactly the pixels of the fill rule.
TEST(PolygonRegion, UprightPolygonsHoldExactlyThePixelsTheFillRuleTakes) {
    std::mt19937 random(4242);
    const COLORREF colour = RGB(192, 192, 192);
    HBRUSH brush = CreateSolidBrush(colour);
    HRGN clip = CreateEllipticRgn(-20, -10, 90, 80);
    for (int round = 0; round < 400; ++round) {
        const std::vector<POINT> polygon = upright_polygon(random);
        const int count = static_cast<int>(polygon.size());
        const int mode = round % 2 ? WINDING : ALTERNATE;
        HRGN rgn = CreatePolygonRgn(polygon.data(), count, mode);
        ASSERT_TRUE(rgn);
        HRGN fresh = CreatePolygonRgn(polygon.data(), count, mode);
        const COLORREF background = round % 3 == 0 ? colour : RGB(255, 255, 255);
        TestSurface filled(100, 80, background);
        const bool clipped = round % 5 == 4;
        if (clipped) SelectClipRgn(filled.dc, clip);
        FillRgn(filled.dc, fresh, brush);
        for (int32_t y = -45; y < 125; ++y)
            for (int32_t x = -45; x < 145; ++x) {
                const bool want = inside_by_definition(polygon, mode, x, y);
                ASSERT_EQ(PtInRegion(rgn, x, y), want) << "round " << round << " at " << x << "," << y;
                if (x < 0 || y < 0 || x >= filled.width || y >= filled.height) continue;
                const bool painted = want && (!clipped || PtInRegion(clip, x, y));
                ASSERT_EQ(filled.at(x, y), painted ? colour : background)
                    << "round " << round << " at " << x << "," << y;
            }
        DeleteObject(fresh);
        DeleteObject(rgn);
    }
    DeleteObject(clip);
    DeleteObject(brush);
}

// Corners far outside any surface: the rows on the surface still follow the fill rule.
TEST(PolygonRegion, HugePolygonsFillTheirVisibleRowsByTheRule) {
    const std::vector<std::vector<POINT>> polygons = {
        {{-2000000000, -2000000000}, {2000000000, -1999999000}, {30, 2000000000}},
        {{-2147483647, 20}, {2147483647, 3}, {2147483000, 40}, {-7, 2147483000}},
        {{40, -2147483647}, {41, 2147483647}, {-2147483647, 33}},
    };
    for (const std::vector<POINT>& polygon : polygons)
        for (int mode : {ALTERNATE, WINDING}) {
            TestSurface s(64, 48);
            SelectObject(s.dc, GetStockObject(NULL_PEN));
            SelectObject(s.dc, GetStockObject(BLACK_BRUSH));
            SetPolyFillMode(s.dc, mode);
            Polygon(s.dc, polygon.data(), static_cast<int>(polygon.size()));
            int inside = 0;
            for (int32_t y = 0; y < s.height; ++y)
                for (int32_t x = 0; x < s.width; ++x) {
                    const bool want = inside_by_definition(polygon, mode, x, y);
                    inside += want;
                    ASSERT_EQ(s.at(x, y) == RGB(0, 0, 0), want) << x << "," << y;
                }
            EXPECT_GT(inside, 0);
        }
}

// Edges whose crossings are worked out in 64 bits and edges that need 128 (far corners, steep
// spans near 2^30): near every crossing of every row the region holds what the fill rule takes.
TEST(PolygonRegion, CrossingsNearTheEndOfSixtyFourBitsFollowTheRule) {
    __extension__ using Int128 = __int128;
    constexpr int32_t kFar = int32_t(1) << 30;
    const int32_t xs[] = {-kFar - 1, -kFar, -kFar + 1, -7, 0, 13, kFar - 1, kFar, kFar + 1, 2147483647};
    std::mt19937 random(1030);
    std::uniform_int_distribution<size_t> pick_x(0, std::size(xs) - 1);
    std::uniform_int_distribution<int32_t> pick_y(-20, 20);
    for (int round = 0; round < 200; ++round) {
        std::vector<POINT> polygon(3 + size_t(round % 3));
        for (POINT& p : polygon)
            p = {xs[pick_x(random)], pick_y(random)};
        const int mode = round % 2 ? WINDING : ALTERNATE;
        HRGN rgn = CreatePolygonRgn(polygon.data(), static_cast<int>(polygon.size()), mode);
        ASSERT_TRUE(rgn);
        for (int32_t y = -21; y <= 21; ++y)
            for (size_t i = 0; i < polygon.size(); ++i) {
                POINT a = polygon[i], b = polygon[(i + 1) % polygon.size()];
                if (a.y == b.y) continue;
                if (a.y > b.y) std::swap(a, b);
                if (y < a.y || y >= b.y) continue;
                const Int128 den = int64_t(b.y) - a.y;
                const Int128 num = Int128(a.x) * den + Int128(y - a.y) * (int64_t(b.x) - a.x);
                const auto crossing = static_cast<int64_t>(num / den + (num % den > 0 ? 1 : 0));
                for (int64_t x = crossing - 1; x <= crossing + 1; ++x) {
                    if (x < INT32_MIN || x > INT32_MAX) continue;
                    ASSERT_EQ(PtInRegion(rgn, static_cast<int32_t>(x), y),
                              inside_by_definition(polygon, mode, x, y))
                        << "round " << round << " at " << x << "," << y;
                }
            }
        DeleteObject(rgn);
    }
}

// A polygon region is filled straight from its corners until something asks for its bands; once
// scanned it is filled band by band. Both ways must paint the same pixels, for every fill call,
// mix and clip.
TEST(PolygonRegion, FillingFromTheCornersPaintsWhatTheBandsPaint) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<int32_t> coordinate(-20, 100);
    std::uniform_int_distribution<int> corners(3, 9);
    HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
    HRGN clip = CreateEllipticRgn(5, 0, 70, 60);
    for (int round = 0; round < 200; ++round) {
        std::vector<POINT> polygon(size_t(corners(random)));
        for (POINT& p : polygon)
            p = {coordinate(random), coordinate(random)};
        const int mode = round % 2 ? WINDING : ALTERNATE;
        HRGN fresh = CreatePolygonRgn(polygon.data(), static_cast<int>(polygon.size()), mode);
        HRGN scanned = CreatePolygonRgn(polygon.data(), static_cast<int>(polygon.size()), mode);
        RECT box;
        GetRgnBox(scanned, &box); // asks for the bands
        TestSurface a(80, 64, RGB(90, 90, 90)), b(80, 64, RGB(90, 90, 90));
        for (TestSurface* s : {&a, &b}) {
            if (round % 3 == 1) SelectClipRgn(s->dc, clip);
            HRGN rgn = s == &a ? fresh : scanned;
            switch (round % 4) {
            case 0:
                FillRgn(s->dc, rgn, brush);
                break;
            case 1:
                SetROP2(s->dc, R2_XORPEN);
                SelectObject(s->dc, brush);
                PaintRgn(s->dc, rgn);
                SelectObject(s->dc, GetStockObject(WHITE_BRUSH));
                break;
            case 2:
                InvertRgn(s->dc, rgn);
                break;
            default:
                FillRgn(s->dc, rgn, brush);
                InvertRgn(s->dc, rgn);
                break;
            }
        }
        for (int32_t y = 0; y < a.height; ++y)
            for (int32_t x = 0; x < a.width; ++x)
                ASSERT_EQ(a.at(x, y), b.at(x, y)) << "round " << round << " at " << x << "," << y;
        // The region filled from its corners still answers as a region afterwards.
        EXPECT_TRUE(EqualRgn(fresh, scanned)) << round;
        DeleteObject(fresh);
        DeleteObject(scanned);
    }
    DeleteObject(clip);
    DeleteObject(brush);
}

TEST(PolygonRegion, BadArgumentsFail) {
    const POINT p[] = {{0, 0}, {5, 0}, {5, 5}};
    EXPECT_FALSE(CreatePolygonRgn(nullptr, 3, ALTERNATE));
    EXPECT_FALSE(CreatePolygonRgn(p, 3, 7));
    EXPECT_FALSE(CreatePolygonRgn(p, 1, ALTERNATE));
}

// Two rectangles are met in one step; the region must hold exactly the pixels both hold, be the
// same region a complex clip trimmed to the same pixels gives, and report its kind as any other.
TEST(CombineRgn, TwoRectanglesMeetInExactlyTheirCommonPixels) {
    std::mt19937 random(31);
    std::uniform_int_distribution<int32_t> coordinate(-15, 40);
    for (int round = 0; round < 500; ++round) {
        const RECT ra{coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
        const RECT rb{coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
        HRGN a = CreateRectRgn(ra.left, ra.top, ra.right, ra.bottom);
        HRGN b = CreateRectRgn(rb.left, rb.top, rb.right, rb.bottom);
        HRGN both = CreateRectRgn(0, 0, 0, 0);
        const int kind = CombineRgn(both, a, b, RGN_AND);
        int64_t pixels = 0;
        for (int32_t y = -20; y < 45; ++y)
            for (int32_t x = -20; x < 45; ++x) {
                const bool want = PtInRegion(a, x, y) && PtInRegion(b, x, y);
                pixels += want;
                ASSERT_EQ(PtInRegion(both, x, y), want) << "round " << round << " at " << x << "," << y;
            }
        EXPECT_EQ(area(both), pixels) << round;
        EXPECT_EQ(kind, pixels ? SIMPLEREGION : NULLREGION) << round;
        // The same meeting through a region of two pieces, which takes the general way.
        HRGN far = CreateRectRgn(100, 100, 101, 101);
        HRGN split = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(split, a, far, RGN_OR);
        CombineRgn(split, split, b, RGN_AND);
        EXPECT_TRUE(EqualRgn(split, both)) << round;
        for (HRGN r : {a, b, both, far, split})
            DeleteObject(r);
    }
    // A rectangle without width or height is the empty region, whichever way it is reached.
    HRGN line = CreateRectRgn(5, 0, 5, 10);
    HRGN none = CreateRectRgn(0, 0, 0, 0);
    RECT box{1, 1, 1, 1};
    EXPECT_EQ(GetRgnBox(line, &box), NULLREGION);
    EXPECT_EQ(box, (RECT{0, 0, 0, 0}));
    EXPECT_EQ(CombineRgn(none, line, line, RGN_OR), NULLREGION);
    DeleteObject(line);
    DeleteObject(none);
}

// Two 10 x 10 squares overlapping in a 5 x 5 corner, met in every mode.
TEST(CombineRgn, EveryModeGivesItsPixelsAndComplexity) {
    struct Case {
        const char* name;
        int mode;
        int64_t area;
        int complexity;
    } const cases[] = {
        {"and", RGN_AND, 25, SIMPLEREGION},    {"or", RGN_OR, 175, COMPLEXREGION},
        {"xor", RGN_XOR, 150, COMPLEXREGION},  {"diff", RGN_DIFF, 75, COMPLEXREGION},
        {"copy", RGN_COPY, 100, SIMPLEREGION},
    };
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN dst = CreateRectRgn(0, 0, 0, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CombineRgn(dst, a, b, c.mode), c.complexity);
        EXPECT_EQ(area(dst), c.area);
        EXPECT_EQ(PtInRegion(dst, 7, 7), c.mode == RGN_AND || c.mode == RGN_OR || c.mode == RGN_COPY);
    }
    for (HRGN r : {a, b, dst})
        DeleteObject(r);
}

TEST(CombineRgn, DisjointAndIsNullTouchingPiecesUniteAndDestinationMayBeASource) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(20, 0, 30, 10);
    HRGN dst = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(CombineRgn(dst, a, b, RGN_AND), NULLREGION);
    EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(area(a), 200);
    EXPECT_EQ(CombineRgn(a, a, b, RGN_DIFF), SIMPLEREGION);
    EXPECT_EQ(area(a), 100);
    // Two halves side by side make the one rectangle again.
    HRGN left = CreateRectRgn(0, 0, 5, 10);
    HRGN right = CreateRectRgn(5, 0, 10, 10);
    EXPECT_EQ(CombineRgn(dst, left, right, RGN_OR), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(dst, a));
    for (HRGN r : {a, b, dst, left, right})
        DeleteObject(r);
}

TEST(CombineRgn, FailsOnStaleOrMissingRegionsAndBadModes) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN gone = CreateRectRgn(0, 0, 3, 3);
    DeleteObject(gone);
    EXPECT_EQ(CombineRgn(a, a, gone, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(gone, a, a, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(a, a, a, 9), ERROR);
    EXPECT_EQ(CombineRgn(a, a, HRGN{}, RGN_COPY), SIMPLEREGION);
    EXPECT_EQ(area(a), 100);
    DeleteObject(a);
}

TEST(EllipticRegion, StaysInsideItsBoxAndIsSymmetricAndAnEmptyBoxIsNull) {
    HRGN rgn = CreateEllipticRgn(40, 40, 60, 60);
    RECT box;
    EXPECT_EQ(GetRgnBox(rgn, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{40, 40, 60, 60}));
    EXPECT_TRUE(PtInRegion(rgn, 50, 50));
    EXPECT_FALSE(PtInRegion(rgn, 40, 40));
    EXPECT_FALSE(PtInRegion(rgn, 59, 59));
    for (int y = 40; y < 60; ++y)
        for (int x = 40; x < 60; ++x) {
            EXPECT_EQ(PtInRegion(rgn, x, y), PtInRegion(rgn, 99 - x, y)) << x << "," << y;
            EXPECT_EQ(PtInRegion(rgn, x, y), PtInRegion(rgn, x, 99 - y)) << x << "," << y;
            EXPECT_EQ(PtInRegion(rgn, x, y), PtInRegion(rgn, y, x)) << x << "," << y;
        }
    DeleteObject(rgn);
    HRGN empty = CreateEllipticRgn(10, 10, 10, 30);
    EXPECT_EQ(GetRgnBox(empty, &box), NULLREGION);
    DeleteObject(empty);
}

TEST(Region, OffsetMovesEveryPixel) {
    HRGN rgn = CreateEllipticRgn(0, 0, 9, 7);
    HRGN copy = CreateEllipticRgn(0, 0, 9, 7);
    OffsetRgn(copy, 3, -2);
    for (int y = -1; y < 8; ++y)
        for (int x = -1; x < 10; ++x)
            EXPECT_EQ(PtInRegion(rgn, x, y), PtInRegion(copy, x + 3, y - 2));
    DeleteObject(rgn);
    DeleteObject(copy);
}

TEST(FillRgn, PaintsExactlyTheRegionsPixels) {
    TestSurface s(80, 50);
    const POINT header[] = {{10, 40}, {10, 22}, {12, 20}, {67, 20}, {69, 22}, {69, 40}};
    HRGN rgn = CreatePolygonRgn(header, 6, ALTERNATE);
    HBRUSH brush = CreateSolidBrush(RGB(192, 192, 192));
    EXPECT_TRUE(FillRgn(s.dc, rgn, brush));
    EXPECT_EQ(s.count(RGB(192, 192, 192)), area(rgn));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 80; ++x)
            EXPECT_EQ(s.at(x, y) == RGB(192, 192, 192), PtInRegion(rgn, x, y)) << x << "," << y;
    EXPECT_FALSE(FillRgn(s.dc, HRGN{}, brush));
    EXPECT_FALSE(FillRgn(s.dc, rgn, HBRUSH{}));
    DeleteObject(rgn);
    DeleteObject(brush);
}

} // namespace
