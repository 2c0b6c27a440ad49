#include "TestSurface.h"

#include <gtest/gtest.h>

using namespace gdi;

// A new bitmap is black, but its buffer is not cleared: its tiles are pending black until something
// touches them, and a fill that covers them first never clears them at all. These tests make the
// memory a new bitmap gets dirty first (a bitmap of the same size painted white and deleted just
// before), then read the new one every way there is.
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
// Whole tiles and tiles cut by the edges.
constexpr int32_t kW = 75;
constexpr int32_t kH = 70;

// Leaves a freed buffer of a kW x kH bitmap full of white behind, for the next bitmap to reuse.
void dirty_the_heap() {
    TestSurface white(kW, kH, kWhite);
    LockBitmap(white.bitmap); // every pixel written to memory
}

// A new kW x kH 32-bit bitmap, made by CreateCompatibleBitmap, selected into its own memory DC.
struct NewSurface {
    NewSurface() {
        dirty_the_heap();
        HDC screen = CreateSurfaceDC(screen_bitmap);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, kW, kH);
        previous = SelectObject(dc, bitmap);
        DeleteDC(screen);
    }
    ~NewSurface() {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
        DeleteObject(screen_bitmap);
    }
    NewSurface(const NewSurface&) = delete;
    NewSurface& operator=(const NewSurface&) = delete;

    COLORREF at(int32_t x, int32_t y) const {
        const SurfaceView view = LockBitmap(bitmap);
        const uint32_t px = view.pixels[y * view.stride + x];
        return RGB(uint8_t(px >> 16), uint8_t(px >> 8), uint8_t(px));
    }
    int count(COLORREF color) const {
        int n = 0;
        for (int32_t y = 0; y < kH; ++y)
            for (int32_t x = 0; x < kW; ++x)
                n += at(x, y) == color;
        return n;
    }

    HBITMAP screen_bitmap = CreateBitmap32(1, 1, nullptr);
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

TEST(NewBitmap, IsBlackThroughLockBitmapAndGetPixel) {
    for (int round = 0; round < 3; ++round) {
        NewSurface s;
        EXPECT_EQ(GetPixel(s.dc, kW - 1, kH - 1), kBlack);
        EXPECT_EQ(s.count(kBlack), kW * kH);
    }
    dirty_the_heap();
    HBITMAP made = CreateBitmap32(kW, kH, nullptr);
    const SurfaceView view = LockBitmap(made);
    for (int32_t k = 0; k < kW * kH; ++k)
        ASSERT_EQ(view.pixels[k], 0u) << k;
    DeleteObject(made);
}

TEST(NewBitmap, IsBlackAsABlitSourceAPatternAndAnIcon) {
    NewSurface s;
    TestSurface copy(kW, kH, kWhite);
    ASSERT_TRUE(BitBlt(copy.dc, 0, 0, kW, kH, s.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(copy.count(kBlack), kW * kH);

    NewSurface pattern_source;
    HBRUSH pattern = CreatePatternBrush(pattern_source.bitmap);
    TestSurface patterned(8, 8, kWhite);
    RECT all{0, 0, 8, 8};
    FillRect(patterned.dc, &all, pattern);
    EXPECT_EQ(patterned.count(kBlack), 64);
    DeleteObject(pattern);

    NewSurface image;
    dirty_the_heap();
    HBITMAP mask = CreateBitmap(kW, kH, 1, 1, nullptr); // all black: the image covers everything
    ICONINFO info;
    info.hbmMask = mask;
    info.hbmColor = image.bitmap;
    HICON icon = CreateIconIndirect(&info);
    ASSERT_TRUE(icon);
    TestSurface drawn(kW, kH, kWhite);
    EXPECT_TRUE(DrawIconEx(drawn.dc, 0, 0, icon, 0, 0, 0, HBRUSH{}, DI_NORMAL));
    EXPECT_EQ(drawn.count(kBlack), kW * kH);
    ICONINFO back;
    ASSERT_TRUE(GetIconInfo(icon, &back));
    const SurfaceView colour = LockBitmap(back.hbmColor);
    for (int32_t k = 0; k < kW * kH; ++k)
        ASSERT_EQ(colour.pixels[k], 0u) << k;
    DeleteObject(back.hbmMask);
    DeleteObject(back.hbmColor);
    DestroyIcon(icon);
    DeleteObject(mask);
}

// Fills that do not write every pixel leave the rest of a new bitmap black; a fill of all of it
// leaves nothing black.
TEST(NewBitmap, KeepsBlackWhereAFirstFillDoesNotReach) {
    HBRUSH red = CreateSolidBrush(kRed);
    const HBRUSH hollow = HBRUSH::from(GetStockObject(NULL_BRUSH));
    struct Case {
        const char* name;
        RECT fill;
        HBRUSH brush;
        int red;
        RECT clip{}; // none when empty
        POINT origin{};
    } const cases[] = {
        {"part", {2, 3, 12, 9}, red, 10 * 6},
        {"all", {0, 0, kW, kH}, red, kW * kH},
        {"beyond", {-5, -5, kW + 5, kH + 5}, red, kW * kH},
        {"all but a column", {0, 0, kW - 1, kH}, red, (kW - 1) * kH},
        {"all with a hollow brush", {0, 0, kW, kH}, hollow, 0},
        {"all through a clip region", {0, 0, kW, kH}, red, 5 * 4, {0, 0, 5, 4}},
        {"all through a moved origin", {-3, -2, kW - 3, kH - 2}, red, kW * kH, {}, {3, 2}},
        {"all but the moved origin's row", {0, 0, kW, kH}, red, kW * (kH - 1), {}, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewSurface s;
        if (c.clip.right > c.clip.left)
            IntersectClipRect(s.dc, c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
        if (c.origin.x || c.origin.y) SetViewportOrgEx(s.dc, c.origin.x, c.origin.y, nullptr);
        FillRect(s.dc, &c.fill, c.brush);
        EXPECT_EQ(s.count(kRed), c.red);
        EXPECT_EQ(s.count(kBlack), kW * kH - c.red);
    }
    DeleteObject(red);
}

} // namespace
