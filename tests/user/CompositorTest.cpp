#include "WindowLog.h"

#include "platform/gdi/Gdi.h"
#include "platform/host/Compositor.h"
#include "platform/user/Paint.h"

#include <gtest/gtest.h>

using namespace user;
using namespace testing_user;

namespace {

void fill(HWND hwnd, gdi::COLORREF color) {
    gdi::RECT r;
    GetClientRect(hwnd, &r);
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(color);
    gdi::FillRect(GetDC(hwnd), &r, brush);
    gdi::DeleteObject(brush);
}

uint32_t pixel(gdi::HBITMAP bitmap, int32_t x, int32_t y) {
    const gdi::SurfaceView v = gdi::LockBitmap(bitmap);
    return v.pixels[size_t(y) * v.stride + x];
}

class Compositing : public ::testing::Test {
protected:
    void TearDown() override { reset_windows(); }
};

TEST_F(Compositing, ChildrenAppearOverTheirParentAtTheirPlaceWhateverTheClipStyle) {
    const HWND form = make_window({}, 0, 0, 40, 30, WS_VISIBLE | WS_CLIPCHILDREN);
    const HWND child = make_window(form, 10, 5, 8, 6);
    fill(form, gdi::RGB(255, 0, 0));
    fill(child, gdi::RGB(0, 0, 255));
    const gdi::HBITMAP out = host::CompositeToBitmap(form);
    ASSERT_TRUE(out);
    EXPECT_EQ(pixel(out, 9, 5), 0xFF0000u);
    EXPECT_EQ(pixel(out, 10, 5), 0x0000FFu);
    EXPECT_EQ(pixel(out, 17, 10), 0x0000FFu);
    EXPECT_EQ(pixel(out, 18, 10), 0xFF0000u);
    gdi::DeleteObject(out);
}

TEST_F(Compositing, AChildIsClippedToItsParentAndOneFarAwayShowsNowhere) {
    const HWND form = make_window({}, 0, 0, 60, 40);
    const HWND panel = make_window(form, 10, 10, 20, 20);
    const HWND inner = make_window(panel, 15, 15, 20, 20);
    const HWND hidden_away = make_window(form, -75000, 0, 30, 30);
    fill(form, gdi::RGB(255, 0, 0));
    fill(panel, gdi::RGB(0, 255, 0));
    fill(inner, gdi::RGB(0, 0, 255));
    fill(hidden_away, gdi::RGB(255, 255, 0));
    const gdi::HBITMAP out = host::CompositeToBitmap(form);
    EXPECT_EQ(pixel(out, 26, 26), 0x0000FFu) << "inside the panel";
    EXPECT_EQ(pixel(out, 30, 26), 0xFF0000u) << "past the panel's edge the inner child is cut off";
    EXPECT_EQ(pixel(out, 0, 0), 0xFF0000u);
    for (int32_t x = 0; x < 60; ++x)
        EXPECT_NE(pixel(out, x, 5), 0xFFFF00u);
    gdi::DeleteObject(out);
}

TEST_F(Compositing, HiddenChildrenAreLeftOutAndZOrderDecidesOverlaps) {
    const HWND form = make_window({}, 0, 0, 30, 30);
    const HWND first = make_window(form, 0, 0, 20, 20);
    const HWND second = make_window(form, 10, 10, 20, 20);
    const HWND hidden = make_window(form, 0, 0, 30, 30, 0);
    fill(form, gdi::RGB(0, 0, 0));
    fill(first, gdi::RGB(255, 0, 0));
    fill(second, gdi::RGB(0, 255, 0));
    fill(hidden, gdi::RGB(255, 255, 255));
    gdi::HBITMAP out = host::CompositeToBitmap(form);
    EXPECT_EQ(pixel(out, 15, 15), 0xFF0000u) << "the first child is on top";
    EXPECT_EQ(pixel(out, 25, 25), 0x00FF00u);
    gdi::DeleteObject(out);
    SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    out = host::CompositeToBitmap(form);
    EXPECT_EQ(pixel(out, 15, 15), 0x00FF00u);
    gdi::DeleteObject(out);
}

TEST_F(Compositing, CompositesAtAnOffsetIntoAnotherDcAndFailsQuietlyForStaleWindows) {
    const HWND form = make_window({}, 0, 0, 4, 4);
    fill(form, gdi::RGB(9, 9, 9));
    const gdi::HBITMAP target = gdi::CreateBitmap32(10, 10, nullptr);
    const gdi::HDC dc = gdi::CreateCompatibleDC({});
    gdi::SelectObject(dc, target);
    host::CompositeWindow(form, dc, 5, 6);
    EXPECT_EQ(gdi::GetPixel(dc, 5, 6), gdi::RGB(9, 9, 9));
    EXPECT_EQ(gdi::GetPixel(dc, 4, 6), gdi::RGB(0, 0, 0));
    DestroyWindow(form);
    host::CompositeWindow(form, dc, 0, 0);
    EXPECT_EQ(host::CompositeToBitmap(form), gdi::HBITMAP{});
    gdi::DeleteDC(dc);
    gdi::DeleteObject(target);
}

} // namespace
