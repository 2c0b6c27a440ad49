#include "TestSurface.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

using namespace gdi;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

TEST(LineTo, PaintsStartButNotEndAndMovesThereInEveryDirection) {
    struct Line {
        POINT from, to;
    } const lines[] = {{{5, 10}, {30, 10}}, {{30, 10}, {5, 10}}, {{7, 3}, {7, 33}},
                       {{7, 33}, {7, 3}},   {{2, 2}, {22, 22}},  {{22, 2}, {2, 22}},
                       {{3, 4}, {31, 17}},  {{31, 17}, {3, 4}},  {{10, 1}, {14, 35}}};
    for (const Line& line : lines) {
        SCOPED_TRACE(testing::Message() << "from " << line.from.x << "," << line.from.y << " to " << line.to.x
                                        << "," << line.to.y);
        TestSurface s(40, 40);
        MoveToEx(s.dc, line.from.x, line.from.y, nullptr);
        ASSERT_TRUE(LineTo(s.dc, line.to.x, line.to.y));
        EXPECT_EQ(s.at(line.from.x, line.from.y), kBlack);
        EXPECT_EQ(s.at(line.to.x, line.to.y), kWhite);
        const int dx = std::abs(line.to.x - line.from.x), dy = std::abs(line.to.y - line.from.y);
        EXPECT_EQ(s.count(kBlack), std::max(dx, dy)) << s.picture(kBlack);
        POINT position;
        ASSERT_TRUE(GetCurrentPositionEx(s.dc, &position));
        EXPECT_EQ(position, line.to);
    }
    // Forty-five degrees is the exact diagonal.
    TestSurface s(20, 20);
    MoveToEx(s.dc, 15, 2, nullptr);
    LineTo(s.dc, 5, 12);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(s.at(15 - i, 2 + i), kBlack) << i;
    EXPECT_EQ(s.count(kBlack), 10);
}

TEST(LineTo, HalfwayTiesGoToTheLargerMinorCoordinateInBothDirections) {
    TestSurface forward(10, 10), backward(10, 10);
    MoveToEx(forward.dc, 0, 0, nullptr);
    LineTo(forward.dc, 4, 1);
    MoveToEx(backward.dc, 4, 1, nullptr);
    LineTo(backward.dc, 0, 0);
    // At x = 2 the ideal line is at y = 0.5: the lower pixel is taken either way.
    EXPECT_EQ(forward.at(2, 1), kBlack);
    EXPECT_EQ(backward.at(2, 1), kBlack);
    for (int x = 1; x <= 3; ++x)
        for (int y = 0; y <= 1; ++y)
            EXPECT_EQ(forward.at(x, y), backward.at(x, y)) << x << "," << y;
}

TEST(LineTo, ConnectedSegmentsPaintEveryCornerOnce) {
    TestSurface s(30, 30);
    SetROP2(s.dc, R2_NOT);
    MoveToEx(s.dc, 5, 5, nullptr);
    LineTo(s.dc, 20, 5);
    LineTo(s.dc, 20, 20);
    LineTo(s.dc, 5, 20);
    LineTo(s.dc, 5, 5);
    // With an inverting mix a pixel painted twice would be white again.
    EXPECT_EQ(s.count(kBlack), 60);
    EXPECT_EQ(s.at(20, 5), kBlack);
    EXPECT_EQ(s.at(5, 5), kBlack);
}

TEST(LineTo, UsesTheSelectedPensColourAndANullPenDrawsNothingButStillMoves) {
    TestSurface s(20, 20);
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ old = SelectObject(s.dc, red);
    MoveToEx(s.dc, 0, 3, nullptr);
    LineTo(s.dc, 10, 3);
    EXPECT_EQ(s.count(kRed), 10);
    SelectObject(s.dc, GetStockObject(NULL_PEN));
    MoveToEx(s.dc, 1, 1, nullptr);
    EXPECT_TRUE(LineTo(s.dc, 15, 9));
    EXPECT_EQ(s.count_not(kWhite), 10);
    POINT p;
    GetCurrentPositionEx(s.dc, &p);
    EXPECT_EQ(p, (POINT{15, 9}));
    SelectObject(s.dc, old);
    EXPECT_TRUE(DeleteObject(red));
}

TEST(LineTo, XorPenDrawnTwiceRestoresThePixels) {
    TestSurface s(20, 20, RGB(10, 200, 30));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(s.dc, pen);
    SetROP2(s.dc, R2_XORPEN);
    for (int pass = 0; pass < 2; ++pass) {
        MoveToEx(s.dc, 2, 2, nullptr);
        LineTo(s.dc, 17, 11);
        if (pass == 0) {
            EXPECT_EQ(s.at(2, 2), RGB(245, 55, 225));
        }
    }
    EXPECT_EQ(s.count(RGB(10, 200, 30)), 400);
    SelectObject(s.dc, old);
    DeleteObject(pen);
}

TEST(LineTo, DottedPenAlternatesThreeOnThreeOff) {
    TestSurface s(20, 3);
    HPEN pen = CreatePen(PS_DOT, 1, kBlack);
    HGDIOBJ old = SelectObject(s.dc, pen);
    SetBkMode(s.dc, TRANSPARENT);
    MoveToEx(s.dc, 0, 1, nullptr);
    LineTo(s.dc, 12, 1);
    const char* expected = "###...###...";
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(s.at(x, 1) == kBlack, expected[x] == '#') << x;
    SelectObject(s.dc, old);
    DeleteObject(pen);
}

TEST(LineTo, LinesOffTheSurfaceAreClippedNotWrapped) {
    TestSurface s(10, 10);
    MoveToEx(s.dc, -20, 5, nullptr);
    LineTo(s.dc, 30, 5);
    MoveToEx(s.dc, 3, -100, nullptr);
    LineTo(s.dc, 3, 100);
    EXPECT_EQ(s.count(kBlack), 19);
}

// The pixels of a line by its definition, one division a step: for i in [0, n) along the major
// axis, the minor coordinate is i * d / n rounded to nearest with halves upwards.
std::set<std::pair<int64_t, int64_t>> reference_line(POINT a, POINT b) {
    __extension__ using Int128 = __int128;
    std::set<std::pair<int64_t, int64_t>> out;
    const int64_t dx = int64_t(b.x) - a.x, dy = int64_t(b.y) - a.y;
    const bool x_major = std::llabs(dx) >= std::llabs(dy);
    const int64_t n = x_major ? std::llabs(dx) : std::llabs(dy);
    const int64_t d = x_major ? dy : dx;
    for (int64_t i = 0; i < n; ++i) {
        const Int128 num = Int128(2) * i * d + n, den = Int128(2) * n;
        Int128 q = num / den;
        if (num % den != 0 && num < 0) --q;
        const int64_t major = (x_major ? a.x : a.y) + (x_major ? (dx > 0 ? i : -i) : (dy > 0 ? i : -i));
        const int64_t minor = (x_major ? a.y : a.x) + static_cast<int64_t>(q);
        out.insert(x_major ? std::pair{major, minor} : std::pair{minor, major});
    }
    return out;
}

// Random lines of every slope, many of them running off the surface, against their definition,
// on a plain surface and through an elliptic clip region; drawn with an inverting mix, so a pixel
// painted twice would show.
TEST(LineTo, RandomLinesPaintExactlyTheirDefinedPixels) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int32_t> coordinate(-150, 250);
    HRGN clip = CreateEllipticRgn(10, 5, 90, 70);
    for (int round = 0; round < 400; ++round) {
        const bool clipped = round % 2 == 1;
        TestSurface s(100, 80);
        SetROP2(s.dc, R2_NOT);
        if (clipped) SelectClipRgn(s.dc, clip);
        POINT a{coordinate(random), coordinate(random)}, b{coordinate(random), coordinate(random)};
        if (round % 5 == 0) b.x = a.x; // vertical lines too
        MoveToEx(s.dc, a.x, a.y, nullptr);
        LineTo(s.dc, b.x, b.y);
        const auto expected = reference_line(a, b);
        for (int32_t y = 0; y < s.height; ++y)
            for (int32_t x = 0; x < s.width; ++x) {
                const bool want = expected.count({x, y}) && (!clipped || PtInRegion(clip, x, y));
                ASSERT_EQ(s.at(x, y) == kBlack, want)
                    << "(" << a.x << "," << a.y << ")-(" << b.x << "," << b.y << ") at " << x << "," << y;
            }
    }
    DeleteObject(clip);
}

// Lines between points far outside the 32-bit range of any surface still land on the same
// pixels as their definition where they cross the surface.
TEST(LineTo, LinesAcrossTheWholeCoordinateRangeKeepTheirPixels) {
    const std::pair<POINT, POINT> lines[] = {
        {{-2000000000, -1999999990}, {2000000000, 2000000010}},
        {{2147483000, 7}, {-2147483000, 60}},
        {{13, -2147483647}, {40, 2147483647}},
        {{-1000000007, 2100000000}, {1000000009, -2100000000}},
        {{2147483647, 5}, {-5, 5}},
        {{7, 2147483647}, {7, -3}},
        {{-2147483647 - 1, 9}, {2147483647, 9}},
    };
    for (const auto& [a, b] : lines) {
        TestSurface s(64, 64);
        MoveToEx(s.dc, a.x, a.y, nullptr);
        LineTo(s.dc, b.x, b.y);
        // Only the pixels on the surface: walk the reference where its major axis crosses it.
        const int64_t dx = int64_t(b.x) - a.x, dy = int64_t(b.y) - a.y;
        const bool x_major = std::llabs(dx) >= std::llabs(dy);
        int painted = 0;
        for (int32_t y = 0; y < s.height; ++y)
            for (int32_t x = 0; x < s.width; ++x)
                painted += s.at(x, y) == kBlack;
        int expected = 0;
        __extension__ using Int128 = __int128;
        const int64_t n = x_major ? std::llabs(dx) : std::llabs(dy);
        const int64_t d = x_major ? dy : dx;
        const int64_t sign = x_major ? (dx > 0 ? 1 : -1) : (dy > 0 ? 1 : -1);
        for (int64_t major = 0; major < (x_major ? s.width : s.height); ++major) {
            const int64_t i = (major - (x_major ? a.x : a.y)) * sign;
            if (i < 0 || i >= n) continue;
            const Int128 num = Int128(2) * i * d + n, den = Int128(2) * n;
            Int128 q = num / den;
            if (num % den != 0 && num < 0) --q;
            const int64_t minor = (x_major ? a.y : a.x) + static_cast<int64_t>(q);
            if (minor < 0 || minor >= (x_major ? s.height : s.width)) continue;
            const int32_t x = static_cast<int32_t>(x_major ? major : minor);
            const int32_t y = static_cast<int32_t>(x_major ? minor : major);
            EXPECT_EQ(s.at(x, y), kBlack) << x << "," << y;
            ++expected;
        }
        EXPECT_GT(expected, 0);
        EXPECT_EQ(painted, expected);
    }
}

TEST(SetPixel, ReturnsColourSetAndInvalidOutside) {
    TestSurface s(5, 5);
    EXPECT_EQ(SetPixel(s.dc, 1, 2, kRed), kRed);
    EXPECT_EQ(GetPixel(s.dc, 1, 2), kRed);
    EXPECT_EQ(SetPixel(s.dc, 5, 0, kRed), CLR_INVALID);
    EXPECT_EQ(GetPixel(s.dc, -1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(HDC{}, 0, 0), CLR_INVALID);
}

} // namespace
