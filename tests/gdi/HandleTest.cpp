#include "TestSurface.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

using namespace gdi;

namespace {

TEST(LiveObjects, CreateSelectDeleteWalkEndsWhereItStartedAndADcReleasesWhatItHeld) {
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
    // Deleting a DC releases what it held.
    dc = CreateCompatibleDC(HDC{});
    pen = CreatePen(PS_SOLID, 1, 0);
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

TEST(StaleHandles, OfEveryKindAndZeroFailInsteadOfReachingAnotherObject) {
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
    // Every kind fails after delete, and zero fails too.
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

TEST(Handles, OfOneKindAreRefusedWhereAnotherIsExpectedAndABitmapSitsInOneDc) {
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    TestSurface s(4, 4);
    RECT r{0, 0, 4, 4};
    EXPECT_EQ(FillRect(s.dc, &r, HBRUSH{pen.value}), 0);
    LOGBRUSH lb;
    EXPECT_FALSE(GetLogBrush(HBRUSH{pen.value}, &lb));
    EXPECT_FALSE(DeleteDC(HDC{pen.value}));
    EXPECT_TRUE(DeleteObject(pen));
    // A bitmap selects into one DC at a time.
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

// Each thread has its own table, so a new thread starts with no freed slots waiting for reuse.
template <class F>
void on_fresh_thread(F f) {
    std::thread thread(f);
    thread.join();
}

uint32_t slot_of(HGDIOBJ object) {
    return object.value & 0xFFFF;
}

TEST(HandleTable, ReusesFreedSlotsOldestFirstWithANewGeneration) {
    on_fresh_thread([] {
        HPEN a = CreatePen(PS_SOLID, 1, RGB(1, 0, 0));
        HPEN b = CreatePen(PS_SOLID, 1, RGB(2, 0, 0));
        HPEN c = CreatePen(PS_SOLID, 1, RGB(3, 0, 0));
        ASSERT_TRUE(DeleteObject(b));
        ASSERT_TRUE(DeleteObject(a));
        HBRUSH d = CreateSolidBrush(RGB(4, 0, 0));
        HFONT e = CreateFontIndirectA(std::make_unique<LOGFONTA>().get());
        HRGN f = CreateRectRgn(0, 0, 1, 1);
        EXPECT_EQ(slot_of(d), slot_of(b));
        EXPECT_EQ(slot_of(e), slot_of(a));
        EXPECT_NE(slot_of(f), slot_of(a));
        EXPECT_NE(slot_of(f), slot_of(b));
        EXPECT_NE(d.value, b.value);
        EXPECT_NE(e.value, a.value);
        // The old handles name the reused slots but not the objects in them.
        LOGPEN lp;
        EXPECT_FALSE(GetLogPen(a, &lp));
        EXPECT_FALSE(GetLogPen(b, &lp));
        EXPECT_EQ(GetObjectType(b), 0u);
        EXPECT_EQ(GetObjectType(d), OBJ_BRUSH);
        EXPECT_EQ(GetObjectType(e), OBJ_FONT);
        ASSERT_TRUE(GetLogPen(c, &lp));
        EXPECT_EQ(lp.lopnColor, RGB(3, 0, 0));
        for (HGDIOBJ o : {HGDIOBJ(c), HGDIOBJ(d), HGDIOBJ(e), HGDIOBJ(f)})
            EXPECT_TRUE(DeleteObject(o));
        EXPECT_EQ(live_objects().total(), 0);
    });
}

TEST(HandleTable, ThousandsOfObjectsKeepTheirOwnSlotsAcrossDeleteAndReuse) {
    on_fresh_thread([] {
        std::vector<HPEN> pens;
        for (uint32_t k = 0; k < 3000; ++k)
            pens.push_back(CreatePen(PS_SOLID, 1, k));
        for (size_t k = 0; k < pens.size(); k += 2)
            ASSERT_TRUE(DeleteObject(pens[k]));
        std::vector<HBRUSH> brushes;
        for (uint32_t k = 0; k < 1500; ++k)
            brushes.push_back(CreateSolidBrush(0x10000 + k));
        LOGPEN lp;
        LOGBRUSH lb;
        for (size_t k = 0; k < pens.size(); ++k) {
            EXPECT_EQ(GetLogPen(pens[k], &lp), k % 2 == 1) << k;
            if (k % 2 == 1) {
                EXPECT_EQ(lp.lopnColor, k);
            }
        }
        for (size_t k = 0; k < brushes.size(); ++k) {
            // Every freed slot is taken again, in the order the pens were deleted.
            EXPECT_EQ(slot_of(brushes[k]), slot_of(pens[2 * k])) << k;
            ASSERT_TRUE(GetLogBrush(brushes[k], &lb));
            EXPECT_EQ(lb.lbColor, 0x10000 + k);
        }
        EXPECT_EQ(live_objects().pens, 1500);
        EXPECT_EQ(live_objects().brushes, 1500);
        for (size_t k = 1; k < pens.size(); k += 2)
            EXPECT_TRUE(DeleteObject(pens[k]));
        for (HBRUSH brush : brushes)
            EXPECT_TRUE(DeleteObject(brush));
        EXPECT_EQ(live_objects().total(), 0);
    });
}

TEST(HandleTable, IsFullAtSixtyFiveThousandObjectsAndUsableAgainAfterADelete) {
    on_fresh_thread([] {
        std::vector<HRGN> regions;
        for (;;) {
            HRGN rgn = CreateRectRgn(0, 0, 1, 1);
            if (!rgn) break;
            regions.push_back(rgn);
        }
        // 65535 slots, some of them the stock objects.
        EXPECT_GT(regions.size(), 65500u);
        EXPECT_FALSE(CreateSolidBrush(0));
        ASSERT_TRUE(DeleteObject(regions.back()));
        HBRUSH brush = CreateSolidBrush(0);
        EXPECT_TRUE(brush);
        EXPECT_EQ(slot_of(brush), slot_of(regions.back()));
        regions.pop_back();
        EXPECT_TRUE(DeleteObject(brush));
        for (HRGN rgn : regions)
            DeleteObject(rgn);
        EXPECT_EQ(live_objects().total(), 0);
    });
}

} // namespace
