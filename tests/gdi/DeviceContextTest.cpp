#include "TestSurface.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

TEST(MemoryDc, StartsWithThePlatformDefaults) {
    HDC dc = CreateCompatibleDC(HDC{});
    ASSERT_TRUE(dc);
    EXPECT_EQ(GetCurrentObject(dc, ObjectKind::Brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, ObjectKind::Pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, ObjectKind::Font), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetCurrentObject(dc, ObjectKind::Bitmap), GetStockObject(DEFAULT_BITMAP));
    BITMAP bm;
    ASSERT_TRUE(GetBitmap(HBITMAP::from(GetCurrentObject(dc, ObjectKind::Bitmap)), &bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), kWhite);
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetMapMode(dc), MM_TEXT);
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    POINT p{7, 7};
    GetCurrentPositionEx(dc, &p);
    EXPECT_EQ(p, (POINT{0, 0}));
    DeleteDC(dc);
}

TEST(CreateCompatibleBitmap, FollowsTheSurfaceOfTheDc) {
    HDC dc = CreateCompatibleDC(HDC{});
    BITMAP bm;
    HBITMAP first = CreateCompatibleBitmap(dc, 8, 4);
    GetBitmap(first, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1) << "a fresh memory DC still holds its monochrome bitmap";
    HBITMAP colour = CreateBitmap32(8, 4, nullptr);
    HGDIOBJ old = SelectObject(dc, colour);
    HBITMAP second = CreateCompatibleBitmap(dc, 8, 4);
    GetBitmap(second, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidthBytes, 32);
    SelectObject(dc, old);
    DeleteDC(dc);

    HBITMAP screen = CreateBitmap32(16, 16, nullptr);
    HDC surface = CreateSurfaceDC(screen);
    EXPECT_EQ(GetObjectType(surface), OBJ_DC);
    HBITMAP third = CreateCompatibleBitmap(surface, 3, 3);
    GetBitmap(third, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_FALSE(SelectObject(surface, third)) << "a window DC keeps its surface";
    EXPECT_FALSE(DeleteObject(screen)) << "the surface is in use";
    DeleteDC(surface);
    EXPECT_TRUE(DeleteObject(screen));
    for (HBITMAP b : {first, colour, second, third})
        EXPECT_TRUE(DeleteObject(b));
}

TEST(RebindSurfaceDC, MovesTheWindowDcToANewSurfaceAndFreesTheOldOne) {
    HBITMAP first = CreateBitmap32(4, 4, nullptr);
    HBITMAP second = CreateBitmap32(8, 8, nullptr);
    HDC dc = CreateSurfaceDC(first);
    EXPECT_TRUE(RebindSurfaceDC(dc, second));
    EXPECT_EQ(GetSurfaceBitmap(dc), second);
    EXPECT_EQ(GetObjectType(dc), OBJ_DC) << "still a window DC, not a memory DC";
    EXPECT_FALSE(DeleteObject(second)) << "the new surface is in use";
    EXPECT_TRUE(DeleteObject(first)) << "the old surface is free";

    HDC memory = CreateCompatibleDC(HDC{});
    HBITMAP third = CreateBitmap32(2, 2, nullptr);
    EXPECT_FALSE(RebindSurfaceDC(memory, third)) << "only window DCs are bound to a surface";
    HGDIOBJ old = SelectObject(memory, third);
    EXPECT_FALSE(RebindSurfaceDC(dc, third)) << "selected in another DC";
    SelectObject(memory, old);
    HBITMAP mono = CreateBitmap(2, 2, 1, 1, nullptr);
    EXPECT_FALSE(RebindSurfaceDC(dc, mono));
    EXPECT_FALSE(RebindSurfaceDC(dc, HBITMAP{}));
    EXPECT_EQ(GetSurfaceBitmap(dc), second) << "a refused rebind keeps the surface";
    DeleteDC(memory);
    DeleteDC(dc);
    for (HBITMAP b : {second, third, mono})
        EXPECT_TRUE(DeleteObject(b));
}

TEST(CreateCompatibleBitmap, ZeroSizeGivesTheStockBitmapAndNegativeFails) {
    TestSurface s(4, 4);
    HBITMAP empty = CreateCompatibleBitmap(s.dc, 0, 10);
    EXPECT_EQ(HGDIOBJ(empty), GetStockObject(DEFAULT_BITMAP));
    EXPECT_TRUE(DeleteObject(empty));
    EXPECT_FALSE(CreateCompatibleBitmap(s.dc, -1, 10));
    EXPECT_FALSE(CreateCompatibleBitmap(HDC{}, 4, 4));
    EXPECT_FALSE(CreateBitmap32(1 << 20, 1 << 20, nullptr)) << "too large fails instead of throwing";
}

TEST(SaveDc, RestoreBringsBackObjectsColoursAndModes) {
    TestSurface s(10, 10);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    const int level = SaveDC(s.dc);
    EXPECT_EQ(level, 1);
    SelectObject(s.dc, pen);
    SetBkColor(s.dc, kRed);
    SetBkMode(s.dc, TRANSPARENT);
    SetMapMode(s.dc, MM_HIMETRIC);
    MoveToEx(s.dc, 3, 4, nullptr);
    EXPECT_EQ(SaveDC(s.dc), 2);
    SetTextColor(s.dc, kRed);
    EXPECT_TRUE(RestoreDC(s.dc, -1));
    EXPECT_EQ(GetTextColor(s.dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(s.dc), kRed);
    EXPECT_FALSE(DeleteObject(pen)) << "still selected";
    EXPECT_TRUE(RestoreDC(s.dc, level));
    EXPECT_EQ(GetBkColor(s.dc), kWhite);
    EXPECT_EQ(GetBkMode(s.dc), OPAQUE);
    EXPECT_EQ(GetMapMode(s.dc), MM_TEXT);
    EXPECT_EQ(GetCurrentObject(s.dc, ObjectKind::Pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(HBITMAP::from(GetCurrentObject(s.dc, ObjectKind::Bitmap)), s.bitmap);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(RestoreDC(s.dc, 1)) << "that save was used up";
    EXPECT_FALSE(RestoreDC(s.dc, -1));
}

TEST(DeviceCaps, LogicalPixelsFollowTheHostsDpi) {
    TestSurface s(30, 20);
    EXPECT_EQ(GetDeviceCaps(s.dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(s.dc, HORZRES), 30);
    EXPECT_EQ(GetDeviceCaps(s.dc, VERTRES), 20);
    EXPECT_EQ(GetDeviceCaps(s.dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(s.dc, PLANES), 1);
    SetLogicalDpi(144);
    EXPECT_EQ(GetDeviceCaps(s.dc, LOGPIXELSY), 144);
    EXPECT_EQ(LogicalDpi(), 144);
    SetLogicalDpi(96);
    EXPECT_EQ(GetDeviceCaps(HDC{}, LOGPIXELSX), 0);
}

TEST(MapMode, HimetricConvertsWithTheDpiRoundingToNearestAndYUp) {
    TestSurface s(10, 10);
    EXPECT_EQ(SetMapMode(s.dc, MM_HIMETRIC), MM_TEXT);
    POINT p[] = {{2540, -2540}, {1000, 1000}, {13, 0}, {14, 0}};
    ASSERT_TRUE(LPtoDP(s.dc, p, 4));
    EXPECT_EQ(p[0], (POINT{96, 96}));
    EXPECT_EQ(p[1], (POINT{38, -38})); // 37.795...
    EXPECT_EQ(p[2].x, 0);              // 0.491...
    EXPECT_EQ(p[3].x, 1);              // 0.529...
    SetLogicalDpi(120);
    POINT q{2540, 2540};
    LPtoDP(s.dc, &q, 1);
    EXPECT_EQ(q, (POINT{120, -120}));
    POINT back{120, -120};
    DPtoLP(s.dc, &back, 1);
    EXPECT_EQ(back, (POINT{2540, 2540}));
    SetLogicalDpi(96);
    EXPECT_EQ(SetMapMode(s.dc, 42), 0);
}

TEST(MapMode, DrawingUsesTheMapping) {
    TestSurface s(100, 100);
    SetMapMode(s.dc, MM_HIMETRIC);
    HBRUSH brush = CreateSolidBrush(kRed);
    RECT r{0, 0, 2540, -1270}; // one inch wide, half an inch down
    FillRect(s.dc, &r, brush);
    EXPECT_EQ(s.bounds(kRed), (RECT{0, 0, 96, 48}));
    DeleteObject(brush);
}

TEST(ViewportOrigin, ShiftsAllOutput) {
    TestSurface s(20, 20);
    SetViewportOrgEx(s.dc, 5, 6, nullptr);
    HBRUSH brush = CreateSolidBrush(kRed);
    RECT r{0, 0, 2, 2};
    FillRect(s.dc, &r, brush);
    EXPECT_EQ(s.bounds(kRed), (RECT{5, 6, 7, 8}));
    DeleteObject(brush);
}

TEST(Clipping, IntersectAndExcludeLimitFills) {
    TestSurface s(20, 20);
    IntersectClipRect(s.dc, 5, 5, 15, 15);
    EXPECT_EQ(ExcludeClipRect(s.dc, 8, 8, 10, 10), COMPLEXREGION);
    HBRUSH brush = CreateSolidBrush(kRed);
    RECT all{0, 0, 20, 20};
    FillRect(s.dc, &all, brush);
    EXPECT_EQ(s.count(kRed), 100 - 4);
    RECT box;
    EXPECT_EQ(GetClipBox(s.dc, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{5, 5, 15, 15}));
    EXPECT_EQ(SelectClipRgn(s.dc, HRGN{}), SIMPLEREGION);
    FillRect(s.dc, &all, brush);
    EXPECT_EQ(s.count(kRed), 400);
    DeleteObject(brush);
}

TEST(Clipping, SelectObjectWithARegionClipsToACopy) {
    TestSurface s(20, 20);
    HRGN rgn = CreateEllipticRgn(0, 0, 20, 20);
    EXPECT_EQ(SelectObject(s.dc, rgn).value, uint32_t(COMPLEXREGION));
    EXPECT_TRUE(DeleteObject(rgn)) << "the DC keeps its own copy";
    SetPixel(s.dc, 0, 0, kRed);
    SetPixel(s.dc, 10, 10, kRed);
    EXPECT_EQ(s.count(kRed), 1);
}

} // namespace
