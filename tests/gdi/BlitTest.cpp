#include "TestSurface.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

TEST(BitBlt, SrcCopyCopiesTheBlock) {
    TestSurface src(20, 20, kRed), dst(20, 20);
    SetPixel(src.dc, 3, 4, kGreen);
    EXPECT_TRUE(BitBlt(dst.dc, 5, 6, 10, 10, src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.bounds_not(kWhite), (RECT{5, 6, 15, 16}));
    EXPECT_EQ(dst.at(8, 10), kGreen);
}

TEST(BitBlt, ClippingStopsAtBothSurfacesEdges) {
    struct Edge {
        const char* name;
        int x, y;      // destination
        int xs, ys;    // source
        RECT expected; // painted destination pixels
    } const edges[] = {
        {"dst left", -4, 5, 0, 0, {0, 5, 6, 15}},    {"dst top", 5, -7, 0, 0, {5, 0, 15, 3}},
        {"dst right", 15, 5, 0, 0, {15, 5, 20, 15}}, {"dst bottom", 5, 18, 0, 0, {5, 18, 15, 20}},
        {"src left", 5, 5, -3, 0, {8, 5, 15, 15}},   {"src top", 5, 5, 0, -6, {5, 11, 15, 15}},
        {"src right", 5, 5, 4, 0, {5, 5, 11, 15}},   {"src bottom", 5, 5, 0, 8, {5, 5, 15, 7}},
        {"both", -2, -3, 3, 1, {0, 0, 5, 6}},
    };
    for (const Edge& e : edges) {
        SCOPED_TRACE(e.name);
        TestSurface src(10, 10, kRed), dst(20, 20);
        EXPECT_TRUE(BitBlt(dst.dc, e.x, e.y, 10, 10, src.dc, e.xs, e.ys, SRCCOPY));
        EXPECT_EQ(dst.bounds(kRed), e.expected) << dst.picture(kRed);
        const RECT r = e.expected;
        EXPECT_EQ(dst.count(kRed), (r.right - r.left) * (r.bottom - r.top));
    }
}

TEST(BitBlt, XorTwiceRestoresAndAndOrCombine) {
    TestSurface src(4, 1), dst(4, 1);
    const COLORREF s[] = {RGB(0xF0, 0x0F, 0x33), RGB(1, 2, 3), kWhite, kBlack};
    const COLORREF d[] = {RGB(0x3C, 0xFF, 0x0F), RGB(7, 7, 7), RGB(9, 8, 7), RGB(9, 8, 7)};
    auto load = [&] {
        for (int x = 0; x < 4; ++x) {
            SetPixel(src.dc, x, 0, s[x]);
            SetPixel(dst.dc, x, 0, d[x]);
        }
    };
    load();
    BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, SRCINVERT);
    EXPECT_EQ(dst.at(0, 0), RGB(0xCC, 0xF0, 0x3C));
    BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, SRCINVERT);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(dst.at(x, 0), d[x]);
    BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, SRCAND);
    EXPECT_EQ(dst.at(0, 0), RGB(0x30, 0x0F, 0x03));
    EXPECT_EQ(dst.at(3, 0), kBlack);
    load();
    BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(dst.at(0, 0), RGB(0xFC, 0xFF, 0x3F));
    EXPECT_EQ(dst.at(2, 0), kWhite);
    BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, NOTSRCCOPY);
    EXPECT_EQ(dst.at(0, 0), RGB(0x0F, 0xF0, 0xCC));
    EXPECT_EQ(dst.at(3, 0), kWhite);
}

TEST(PatBlt, PatternAndDestinationOperations) {
    TestSurface s(10, 10, RGB(10, 20, 30));
    HBRUSH brush = CreateSolidBrush(RGB(0xFF, 0, 0x0F));
    HGDIOBJ old = SelectObject(s.dc, brush);
    EXPECT_TRUE(PatBlt(s.dc, 0, 0, 2, 2, PATCOPY));
    EXPECT_EQ(s.at(1, 1), RGB(0xFF, 0, 0x0F));
    EXPECT_TRUE(PatBlt(s.dc, 2, 0, 2, 2, PATINVERT));
    EXPECT_EQ(s.at(2, 0), RGB(10 ^ 0xFF, 20, 30 ^ 0x0F));
    EXPECT_TRUE(PatBlt(s.dc, 4, 0, 2, 2, DSTINVERT));
    EXPECT_EQ(s.at(4, 0), RGB(245, 235, 225));
    EXPECT_TRUE(PatBlt(s.dc, 6, 0, 2, 2, BLACKNESS));
    EXPECT_TRUE(PatBlt(s.dc, 8, 0, 2, 2, WHITENESS));
    EXPECT_EQ(s.at(6, 1), kBlack);
    EXPECT_EQ(s.at(9, 1), kWhite);
    EXPECT_EQ(s.count(RGB(10, 20, 30)), 80);
    EXPECT_FALSE(PatBlt(s.dc, 0, 0, 2, 2, SRCCOPY));
    SelectObject(s.dc, old);
    DeleteObject(brush);
}

TEST(BitBlt, MonochromeSourcePaintsTextAndBackgroundColoursOfTheDestination) {
    HDC mono_dc = CreateCompatibleDC(HDC{});
    HBITMAP mono = CreateCompatibleBitmap(mono_dc, 2, 1);
    BITMAP info;
    GetBitmap(mono, &info);
    ASSERT_EQ(info.bmBitsPixel, 1);
    HGDIOBJ old = SelectObject(mono_dc, mono);
    SetPixel(mono_dc, 0, 0, kBlack);
    SetPixel(mono_dc, 1, 0, kWhite);
    TestSurface dst(2, 1);
    SetTextColor(dst.dc, kRed);
    SetBkColor(dst.dc, kGreen);
    BitBlt(dst.dc, 0, 0, 2, 1, mono_dc, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), kRed);
    EXPECT_EQ(dst.at(1, 0), kGreen);
    SelectObject(mono_dc, old);
    DeleteObject(mono);
    DeleteDC(mono_dc);
}

TEST(BitBlt, ColourToMonochromeTurnsTheSourceBackgroundWhite) {
    TestSurface src(3, 1);
    SetPixel(src.dc, 0, 0, kRed);
    SetPixel(src.dc, 1, 0, kGreen);
    SetPixel(src.dc, 2, 0, kWhite);
    SetBkColor(src.dc, kRed);
    HDC mono_dc = CreateCompatibleDC(HDC{});
    HBITMAP mono = CreateCompatibleBitmap(mono_dc, 3, 1);
    HGDIOBJ old = SelectObject(mono_dc, mono);
    BitBlt(mono_dc, 0, 0, 3, 1, src.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(mono_dc, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(mono_dc, 1, 0), kBlack);
    EXPECT_EQ(GetPixel(mono_dc, 2, 0), kBlack);
    SelectObject(mono_dc, old);
    DeleteObject(mono);
    DeleteDC(mono_dc);
}

TEST(BitBlt, OverlappingCopyOnOneSurfaceBehavesLikeMemmove) {
    TestSurface s(10, 10);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            SetPixel(s.dc, x, y, RGB(uint8_t(x * 20), uint8_t(y * 20), 0));
    BitBlt(s.dc, 2, 3, 6, 6, s.dc, 1, 1, SRCCOPY);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 6; ++y)
            EXPECT_EQ(s.at(2 + x, 3 + y), RGB(uint8_t((1 + x) * 20), uint8_t((1 + y) * 20), 0));
}

TEST(BitBlt, SourceOperationWithoutSourceFails) {
    TestSurface dst(4, 4);
    EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 4, 4, HDC{}, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(HDC{}, 0, 0, 4, 4, dst.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dst.dc, 0, 0, 4, 4, HDC{}, 0, 0, BLACKNESS));
    EXPECT_EQ(dst.count(kBlack), 16);
}

TEST(StretchBlt, DoublesEachPixelAndMirrorsOnNegativeExtent) {
    TestSurface src(2, 1), dst(4, 2);
    SetPixel(src.dc, 0, 0, kRed);
    SetPixel(src.dc, 1, 0, kGreen);
    EXPECT_TRUE(StretchBlt(dst.dc, 0, 0, 4, 2, src.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dst.count(kRed), 4);
    EXPECT_EQ(dst.bounds(kRed), (RECT{0, 0, 2, 2}));
    EXPECT_TRUE(StretchBlt(dst.dc, 4, 0, -4, 2, src.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dst.bounds(kRed), (RECT{2, 0, 4, 2}));
}

TEST(StretchBlt, ShrinksAndClipsAtTheSource) {
    TestSurface src(8, 8, kRed), dst(8, 8);
    EXPECT_TRUE(StretchBlt(dst.dc, 0, 0, 4, 4, src.dc, 4, 4, 8, 8, SRCCOPY));
    EXPECT_EQ(dst.bounds(kRed), (RECT{0, 0, 2, 2}));
}

} // namespace
