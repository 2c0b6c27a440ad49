#include "TestSurface.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// A 2x2 icon: the left column transparent (mask white, image black), the right column red.
HICON two_by_two() {
    const uint8_t mask_bits[] = {0x80, 0, 0x80, 0}; // rows padded to 16 bits; 1 = keep the destination
    HBITMAP mask = CreateBitmap(2, 2, 1, 1, mask_bits);
    const uint32_t colours[] = {0x000000, 0xFF0000, 0x000000, 0xFF0000};
    HBITMAP colour = CreateBitmap32(2, 2, colours);
    ICONINFO info;
    info.hbmMask = mask;
    info.hbmColor = colour;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

TEST(Icons, MaskKeepsTheBackgroundAndTheImageCovers) {
    TestSurface s(10, 10, kGreen);
    const LiveObjects before = live_objects();
    HICON icon = two_by_two();
    ASSERT_TRUE(icon);
    EXPECT_EQ(live_objects().icons, before.icons + 1);
    EXPECT_EQ(live_objects().bitmaps, before.bitmaps) << "the icon keeps copies, not handles";
    EXPECT_TRUE(DrawIconEx(s.dc, 3, 3, icon, 0, 0, 0, HBRUSH{}, DI_NORMAL));
    EXPECT_EQ(s.at(3, 3), kGreen);
    EXPECT_EQ(s.at(4, 3), kRed);
    EXPECT_EQ(s.count(kRed), 2);
    EXPECT_TRUE(DrawIconEx(s.dc, 0, 6, icon, 4, 4, 0, HBRUSH{}, DI_NORMAL));
    EXPECT_EQ(s.count(kRed), 2 + 8) << "stretched to 4x4";
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
    EXPECT_FALSE(DrawIconEx(s.dc, 0, 0, icon, 0, 0, 0, HBRUSH{}, DI_NORMAL));
    EXPECT_EQ(live_objects(), before);
}

TEST(Icons, AlphaInTheColourBitmapBlends) {
    TestSurface s(4, 4, kWhite);
    const uint8_t mask_bits[] = {0, 0};
    HBITMAP mask = CreateBitmap(1, 1, 1, 1, mask_bits);
    const uint32_t half_red = 0x80FF0000;
    HBITMAP colour = CreateBitmap32(1, 1, &half_red);
    ICONINFO info;
    info.hbmMask = mask;
    info.hbmColor = colour;
    HICON icon = CreateIconIndirect(&info);
    DrawIconEx(s.dc, 1, 1, icon, 0, 0, 0, HBRUSH{}, DI_NORMAL);
    EXPECT_EQ(s.at(1, 1), RGB(255, 127, 127));
    DestroyIcon(icon);
    DeleteObject(mask);
    DeleteObject(colour);
}

TEST(Icons, AlphaBlendRoundsToNearest) {
    // 1 at alpha 128 over black is 128 / 255 = 0.502: nearest is 1 where truncating would give 0;
    // 200 at alpha 128 over black is 100.4, which stays 100.
    TestSurface s(2, 1, RGB(0, 0, 0));
    const uint8_t mask_bits[] = {0, 0};
    HBITMAP mask = CreateBitmap(2, 1, 1, 1, mask_bits);
    const uint32_t colours[] = {0x80010101, 0x80C8C8C8};
    HBITMAP colour = CreateBitmap32(2, 1, colours);
    ICONINFO info;
    info.hbmMask = mask;
    info.hbmColor = colour;
    HICON icon = CreateIconIndirect(&info);
    DrawIconEx(s.dc, 0, 0, icon, 0, 0, 0, HBRUSH{}, DI_NORMAL);
    EXPECT_EQ(s.at(0, 0), RGB(1, 1, 1));
    EXPECT_EQ(s.at(1, 0), RGB(100, 100, 100));
    DestroyIcon(icon);
    DeleteObject(mask);
    DeleteObject(colour);
}

TEST(Icons, InfoHandsOutCopiesTheCallerDeletes) {
    HICON icon = two_by_two();
    const LiveObjects before = live_objects();
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_EQ(live_objects().bitmaps, before.bitmaps + 2);
    BITMAP bm;
    GetBitmap(info.hbmMask, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    DestroyIcon(icon);
    EXPECT_EQ(GetObjectType(icon), 0u) << "icons are not GDI objects";
    EXPECT_FALSE(CreateIconIndirect(nullptr));
}

} // namespace
