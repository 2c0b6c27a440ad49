#include "TestSurface.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

TEST(LiveObjects, CreateSelectDeleteWalkEndsWhereItStarted) {
    const LiveObjects before = live_objects();
    HDC dc = CreateCompatibleDC(HDC{});
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 10, 10);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    HRGN rgn = CreateRectRgn(0, 0, 5, 5);
    LOGFONTA lf;
    lf.lfHeight = -12;
    HFONT font = CreateFontIndirectA(&lf);
    LiveObjects during = live_objects();
    EXPECT_EQ(during.dcs, before.dcs + 1);
    EXPECT_EQ(during.bitmaps, before.bitmaps + 1);
    EXPECT_EQ(during.pens, before.pens + 1);
    EXPECT_EQ(during.brushes, before.brushes + 1);
    EXPECT_EQ(during.regions, before.regions + 1);
    EXPECT_EQ(during.fonts, before.fonts + 1);
    EXPECT_EQ(during.total(), before.total() + 6);

    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, brush);
    HGDIOBJ old_font = SelectObject(dc, font);
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(rgn));
    EXPECT_EQ(live_objects().regions, before.regions);
    EXPECT_EQ(SelectObject(dc, old_pen), HGDIOBJ(pen));
    EXPECT_EQ(SelectObject(dc, old_brush), HGDIOBJ(brush));
    EXPECT_EQ(SelectObject(dc, old_font), HGDIOBJ(font));
    EXPECT_EQ(SelectObject(dc, old_bitmap), HGDIOBJ(bitmap));
    for (HGDIOBJ o : {HGDIOBJ(pen), HGDIOBJ(brush), HGDIOBJ(font), HGDIOBJ(bitmap)})
        EXPECT_TRUE(DeleteObject(o));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(live_objects(), before);
}

TEST(LiveObjects, DeletingADcReleasesWhatItHeld) {
    const LiveObjects before = live_objects();
    HDC dc = CreateCompatibleDC(HDC{});
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    SelectObject(dc, pen);
    EXPECT_FALSE(DeleteObject(pen));
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(live_objects(), before);
}

TEST(StockObjects, SurviveDeleteAndAreNotCounted) {
    const LiveObjects before = live_objects();
    for (int index : {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN,
                      BLACK_PEN, NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT}) {
        HGDIOBJ stock = GetStockObject(index);
        ASSERT_TRUE(stock) << index;
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_NE(GetObjectType(stock), 0u) << index;
    }
    EXPECT_EQ(live_objects(), before);
    LOGBRUSH lb;
    ASSERT_TRUE(GetLogBrush(HBRUSH::from(GetStockObject(LTGRAY_BRUSH)), &lb));
    EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
    EXPECT_FALSE(GetStockObject(99));
}

TEST(StaleHandles, FailInsteadOfReachingAnotherObject) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
    ASSERT_TRUE(DeleteObject(pen));
    // The slot is reused by the next objects; the old handle stays stale.
    HPEN again = CreatePen(PS_SOLID, 1, RGB(7, 7, 7));
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_FALSE(DeleteObject(pen));
    LOGPEN lp;
    EXPECT_FALSE(GetLogPen(pen, &lp));
    TestSurface s(4, 4);
    EXPECT_FALSE(SelectObject(s.dc, pen));
    EXPECT_EQ(GetCurrentObject(s.dc, ObjectKind::Pen), GetStockObject(BLACK_PEN));
    DeleteObject(again);
    DeleteObject(brush);
}

TEST(StaleHandles, EveryKindFailsAfterDeleteAndZeroFailsToo) {
    HDC dc = CreateCompatibleDC(HDC{});
    DeleteDC(dc);
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(SaveDC(dc), 0);
    EXPECT_EQ(SetBkColor(dc, 0), CLR_INVALID);
    EXPECT_FALSE(LineTo(dc, 1, 1));
    EXPECT_FALSE(MoveToEx(dc, 1, 1, nullptr));
    EXPECT_FALSE(Ellipse(dc, 0, 0, 5, 5));
    EXPECT_FALSE(CreateCompatibleDC(dc));
    HRGN rgn = CreateRectRgn(0, 0, 1, 1);
    DeleteObject(rgn);
    RECT box;
    EXPECT_EQ(GetRgnBox(rgn, &box), ERROR);
    EXPECT_FALSE(PtInRegion(rgn, 0, 0));
    HBITMAP bitmap = CreateBitmap32(2, 2, nullptr);
    DeleteObject(bitmap);
    EXPECT_EQ(LockBitmap(bitmap).pixels, nullptr);
    EXPECT_FALSE(CreateSurfaceDC(bitmap));
    EXPECT_FALSE(DeleteObject(HGDIOBJ{}));
    EXPECT_FALSE(SelectObject(HDC{}, GetStockObject(BLACK_PEN)));
    EXPECT_EQ(GetObjectType(HGDIOBJ{}), 0u);
    EXPECT_FALSE(SelectObject(HDC{}, HGDIOBJ{0x12345678}));
}

TEST(Handles, OfOneKindAreRefusedWhereAnotherIsExpected) {
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    TestSurface s(4, 4);
    RECT r{0, 0, 4, 4};
    EXPECT_EQ(FillRect(s.dc, &r, HBRUSH{pen.value}), 0);
    LOGBRUSH lb;
    EXPECT_FALSE(GetLogBrush(HBRUSH{pen.value}, &lb));
    EXPECT_FALSE(DeleteDC(HDC{pen.value}));
    EXPECT_TRUE(DeleteObject(pen));
}

TEST(Handles, ABitmapSelectsIntoOneDcAtATime) {
    HBITMAP bitmap = CreateBitmap32(4, 4, nullptr);
    HDC a = CreateCompatibleDC(HDC{});
    HDC b = CreateCompatibleDC(HDC{});
    HGDIOBJ old = SelectObject(a, bitmap);
    EXPECT_TRUE(old);
    EXPECT_FALSE(SelectObject(b, bitmap));
    SelectObject(a, old);
    EXPECT_TRUE(SelectObject(b, bitmap));
    DeleteDC(a);
    DeleteDC(b);
    EXPECT_TRUE(DeleteObject(bitmap));
}

} // namespace
