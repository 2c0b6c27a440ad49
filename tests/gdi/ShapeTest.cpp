#include "TestSurface.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(FillRect, PaintsExactlyTheRectangleClippedAtTheSurfaceAndNothingWhenItIsEmpty) {
    TestSurface s(20, 20);
    HBRUSH brush = CreateSolidBrush(kRed);
    // Right or bottom not beyond left or top is an empty rectangle.
    for (RECT r : {RECT{5, 5, 5, 10}, RECT{5, 5, 10, 5}, RECT{10, 10, 5, 15}, RECT{5, 15, 10, 10}})
        FillRect(s.dc, &r, brush);
    EXPECT_EQ(s.count(kRed), 0);
    RECT r{0, 0, 10, 10};
    EXPECT_NE(FillRect(s.dc, &r, brush), 0);
    EXPECT_EQ(s.count(kRed), 100);
    EXPECT_EQ(s.bounds(kRed), r);
    TestSurface small(10, 10);
    RECT over{-5, -5, 3, 4};
    FillRect(small.dc, &over, brush);
    EXPECT_EQ(small.count(kRed), 12);
    RECT far{8, 8, 100, 100};
    FillRect(small.dc, &far, brush);
    EXPECT_EQ(small.count(kRed), 16);
    DeleteObject(brush);
}

TEST(FillRect, HollowBrushPaintsNothingAndBadHandlesFail) {
    TestSurface s(10, 10);
    RECT r{0, 0, 10, 10};
    EXPECT_NE(FillRect(s.dc, &r, HBRUSH::from(GetStockObject(NULL_BRUSH))), 0);
    EXPECT_EQ(s.count_not(kWhite), 0);
    EXPECT_EQ(FillRect(s.dc, &r, HBRUSH{}), 0);
    EXPECT_EQ(FillRect(HDC{}, &r, HBRUSH::from(GetStockObject(BLACK_BRUSH))), 0);
    EXPECT_EQ(FillRect(s.dc, nullptr, HBRUSH::from(GetStockObject(BLACK_BRUSH))), 0);
}

TEST(FillRect, PatternBrushRepeatsFromTheDeviceOrigin) {
    TestSurface s(8, 8);
    const uint32_t checker[] = {0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000};
    HBITMAP pattern = CreateBitmap32(2, 2, checker);
    HBRUSH brush = CreatePatternBrush(pattern);
    RECT r{1, 1, 7, 7};
    FillRect(s.dc, &r, brush);
    EXPECT_EQ(s.at(2, 2), kBlack);
    EXPECT_EQ(s.at(3, 2), kWhite);
    EXPECT_EQ(s.at(3, 3), kBlack);
    EXPECT_EQ(s.count(kBlack), 18);
    DeleteObject(brush);
    DeleteObject(pattern);
}

TEST(Ellipse, PaintsOnlyInsideItsBoxWithOutlineAndFill) {
    TestSurface s(100, 100);
    HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
    HBRUSH brush = CreateSolidBrush(kRed);
    HGDIOBJ old_pen = SelectObject(s.dc, pen);
    HGDIOBJ old_brush = SelectObject(s.dc, brush);
    EXPECT_TRUE(Ellipse(s.dc, 40, 40, 60, 60));
    EXPECT_EQ(s.bounds_not(kWhite), (RECT{40, 40, 60, 60}));
    EXPECT_EQ(s.bounds(kBlue), (RECT{40, 40, 60, 60}));
    EXPECT_EQ(s.at(50, 50), kRed);
    // The outline is the boundary: every fill pixel has only painted neighbours.
    for (int y = 40; y < 60; ++y)
        for (int x = 40; x < 60; ++x)
            if (s.at(x, y) == kRed) {
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                    EXPECT_NE(s.at(x + dx, y + dy), kWhite) << x << "," << y;
            }
    SelectObject(s.dc, old_pen);
    SelectObject(s.dc, old_brush);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(Ellipse, CoversExactlyTheEllipticRegionOfTheSameBox) {
    TestSurface s(50, 40);
    SelectObject(s.dc, GetStockObject(BLACK_BRUSH));
    Ellipse(s.dc, 3, 5, 44, 31);
    HRGN rgn = CreateEllipticRgn(3, 5, 44, 31);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x)
            EXPECT_EQ(s.at(x, y) == kBlack, PtInRegion(rgn, x, y)) << x << "," << y;
    DeleteObject(rgn);
}

TEST(Arc, FromRightToTopDrawsTheUpperRightQuarterOnly) {
    TestSurface s(100, 100);
    EXPECT_TRUE(Arc(s.dc, 40, 40, 60, 60, 60, 50, 50, 40));
    EXPECT_GT(s.count(kBlack), 10);
    const RECT ink = s.bounds(kBlack);
    EXPECT_EQ(ink, (RECT{50, 40, 60, 50})) << s.picture(kBlack);
}

TEST(Arc, RunsCounterClockwiseSoSwappedEndsDrawTheRest) {
    TestSurface quarter(100, 100), rest(100, 100);
    Arc(quarter.dc, 40, 40, 60, 60, 60, 50, 50, 40);
    Arc(rest.dc, 40, 40, 60, 60, 50, 40, 60, 50);
    TestSurface whole(100, 100);
    Ellipse(whole.dc, 40, 40, 60, 60);
    SelectObject(whole.dc, GetStockObject(NULL_BRUSH));
    int overlap = 0;
    for (int y = 40; y < 60; ++y)
        for (int x = 40; x < 60; ++x) {
            const bool a = quarter.at(x, y) == kBlack, b = rest.at(x, y) == kBlack;
            overlap += a && b;
            if (a || b) {
                EXPECT_EQ(whole.at(x, y), kBlack);
            }
        }
    EXPECT_LE(overlap, 2);
    EXPECT_GT(rest.count(kBlack), 2 * quarter.count(kBlack));
}

TEST(Rectangle, OutlineOnTheBoxEdgesFillInsideAndWithoutAPenOnePixelLessRightAndBelow) {
    TestSurface s(30, 30);
    HBRUSH brush = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(s.dc, brush);
    Rectangle(s.dc, 5, 5, 15, 12);
    EXPECT_EQ(s.bounds(kBlack), (RECT{5, 5, 15, 12}));
    EXPECT_EQ(s.count(kBlack), 2 * 10 + 2 * 5);
    EXPECT_EQ(s.bounds(kRed), (RECT{6, 6, 14, 11}));
    SelectObject(s.dc, old);
    DeleteObject(brush);
    TestSurface bare(30, 30);
    SelectObject(bare.dc, GetStockObject(NULL_PEN));
    SelectObject(bare.dc, GetStockObject(BLACK_BRUSH));
    Rectangle(bare.dc, 5, 5, 15, 12);
    EXPECT_EQ(bare.bounds(kBlack), (RECT{5, 5, 14, 11}));
}

TEST(Polygon, OutlineCoversTheFillEdges) {
    TestSurface s(80, 50);
    HBRUSH brush = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(s.dc, brush);
    const POINT header[] = {{10, 40}, {10, 22}, {12, 20}, {67, 20}, {69, 22}, {69, 40}};
    EXPECT_TRUE(Polygon(s.dc, header, 6));
    EXPECT_EQ(s.bounds_not(kWhite), (RECT{10, 20, 70, 41}));
    EXPECT_EQ(s.at(10, 30), kBlack);
    EXPECT_EQ(s.at(69, 30), kBlack);
    EXPECT_EQ(s.at(11, 30), kRed);
    EXPECT_EQ(s.at(68, 30), kRed);
    SelectObject(s.dc, old);
    DeleteObject(brush);
}

} // namespace
