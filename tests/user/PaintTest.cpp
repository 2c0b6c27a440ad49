#include "WindowLog.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Trace.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Paint.h"

#include <gtest/gtest.h>

using namespace user;
using namespace testing_user;

namespace {

class Painting : public ::testing::Test {
protected:
    void TearDown() override { reset_windows(); }

    // A visible window whose first paint is done, so only new invalidations count.
    HWND painted_window(int32_t w = 20, int32_t h = 10) {
        const HWND hwnd = make_window({}, 0, 0, w, h);
        PumpMessages();
        clear_log();
        return hwnd;
    }
};

TEST_F(Painting, InvalidatingGivesOnePaintAfterAPumpWithEraseFirstOnlyWhenAsked) {
    const HWND w = painted_window();
    InvalidateRect(w, nullptr, false);
    InvalidateRect(w, nullptr, false);
    EXPECT_TRUE(messages_of(w).empty()) << "nothing happens before the pump";
    PumpMessages();
    EXPECT_EQ(messages_of(w), std::vector<UINT>{WM_PAINT});

    clear_log();
    InvalidateRect(w, nullptr, true);
    PumpMessages();
    EXPECT_EQ(messages_of(w), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    const Logged& erase = message_log()[1];
    EXPECT_EQ(gdi::HDC{uint32_t(erase.wParam)}, GetDC(w)) << "erase gets the window's DC";

    clear_log();
    PumpMessages();
    EXPECT_TRUE(messages_of(w).empty()) << "painting validated the window";
}

TEST_F(Painting, PostedMessagesComeBeforePaint) {
    const HWND w = painted_window();
    InvalidateRect(w, nullptr, false);
    PostMessageA(w, WM_USER, 1, 2);
    EXPECT_EQ(PumpMessages(), 2u);
    EXPECT_EQ(messages_of(w), (std::vector<UINT>{WM_USER, WM_PAINT}));
}

TEST_F(Painting, UpdateRegionAccumulatesAndShrinksByValidation) {
    const HWND w = painted_window(100, 100);
    gdi::RECT a{10, 10, 20, 20}, b{50, 50, 60, 70}, r;
    InvalidateRect(w, &a, false);
    InvalidateRect(w, &b, false);
    EXPECT_TRUE(GetUpdateRect(w, &r, false));
    EXPECT_EQ(r, (gdi::RECT{10, 10, 60, 70}));
    ValidateRect(w, &a);
    GetUpdateRect(w, &r, false);
    EXPECT_EQ(r, b);
    gdi::RECT outside{200, 200, 300, 300};
    InvalidateRect(w, &outside, false);
    GetUpdateRect(w, &r, false);
    EXPECT_EQ(r, b) << "clipped to the client area";
    ValidateRect(w, nullptr);
    EXPECT_FALSE(GetUpdateRect(w, &r, false));
    EXPECT_EQ(r, (gdi::RECT{}));
}

TEST_F(Painting, BeginPaintClipsTheWindowDcToTheUpdateRegionAndEndPaintRestoresIt) {
    const HWND w = painted_window(20, 10);
    gdi::RECT whole{0, 0, 20, 10};
    gdi::FillRect(GetDC(w), &whole, gdi::HBRUSH::from(gdi::GetStockObject(gdi::WHITE_BRUSH)));
    gdi::RECT a{2, 2, 5, 5};
    InvalidateRect(w, &a, false);
    PAINTSTRUCT ps;
    const gdi::HDC dc = BeginPaint(w, &ps);
    EXPECT_EQ(dc, GetDC(w));
    EXPECT_EQ(ps.rcPaint, a);
    gdi::FillRect(dc, &whole, gdi::HBRUSH::from(gdi::GetStockObject(gdi::BLACK_BRUSH)));
    EndPaint(w, &ps);
    EXPECT_EQ(gdi::GetPixel(dc, 3, 3), gdi::RGB(0, 0, 0));
    EXPECT_EQ(gdi::GetPixel(dc, 10, 3), gdi::RGB(255, 255, 255)) << "outside the update region";
    gdi::FillRect(dc, &whole, gdi::HBRUSH::from(gdi::GetStockObject(gdi::BLACK_BRUSH)));
    EXPECT_EQ(gdi::GetPixel(dc, 10, 3), gdi::RGB(0, 0, 0)) << "no clipping after EndPaint";
    gdi::RECT r;
    EXPECT_FALSE(GetUpdateRect(w, &r, false)) << "BeginPaint validated";
}

TEST_F(Painting, TheDcsOwnClippingSurvivesAPaint) {
    const HWND w = painted_window(20, 10);
    const gdi::HDC dc = GetDC(w);
    gdi::IntersectClipRect(dc, 0, 0, 4, 4);
    InvalidateRect(w, nullptr, false);
    PAINTSTRUCT ps;
    BeginPaint(w, &ps);
    gdi::RECT box;
    gdi::GetClipBox(dc, &box);
    EXPECT_EQ(box, (gdi::RECT{0, 0, 4, 4})) << "update region within the DC's own clipping";
    EndPaint(w, &ps);
    gdi::GetClipBox(dc, &box);
    EXPECT_EQ(box, (gdi::RECT{0, 0, 4, 4}));
}

TEST_F(Painting, DefaultEraseFillsWithTheBackgroundAndReportsWhetherItDid) {
    user::WindowParams window;
    window.proc = LoggingProc;
    window.style = WS_VISIBLE;
    window.width = 6;
    window.height = 6;
    window.background = gdi::CreateSolidBrush(gdi::RGB(1, 2, 3));
    const HWND brushed = CreateWindow(window);
    window.background = {};
    const HWND bare = CreateWindow(window);
    PAINTSTRUCT ps;
    BeginPaint(brushed, &ps);
    EXPECT_FALSE(ps.fErase);
    EndPaint(brushed, &ps);
    BeginPaint(bare, &ps);
    EXPECT_TRUE(ps.fErase) << "no brush: the background still needs erasing";
    EndPaint(bare, &ps);
    EXPECT_EQ(gdi::GetPixel(GetDC(brushed), 5, 5), gdi::RGB(1, 2, 3));
    EXPECT_EQ(gdi::GetPixel(GetDC(bare), 5, 5), gdi::RGB(0, 0, 0));
    DestroyWindow(brushed);
    gdi::DeleteObject(window.background);
}

TEST_F(Painting, HiddenWindowsArePaintedWhenShown) {
    const HWND w = make_window({}, 0, 0, 10, 10, 0);
    clear_log();
    PumpMessages();
    EXPECT_TRUE(messages_of(w).empty());
    ShowWindow(w, SW_SHOW);
    PumpMessages();
    EXPECT_EQ(messages_of(w), (std::vector<UINT>{WM_SHOWWINDOW, WM_PAINT, WM_ERASEBKGND}));
}

TEST_F(Painting, UpdateWindowPaintsAtOnce) {
    const HWND w = painted_window();
    InvalidateRect(w, nullptr, false);
    UpdateWindow(w);
    EXPECT_EQ(messages_of(w), std::vector<UINT>{WM_PAINT});
    UpdateWindow(w);
    EXPECT_EQ(messages_of(w).size(), 1u) << "nothing left to paint";
}

TEST_F(Painting, APaintHandlerThatNeverValidatesDoesNotHangThePump) {
    set_hook([](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_PAINT) return 0;
        return std::nullopt;
    });
    const HWND w = make_window({}, 0, 0, 10, 10);
    EXPECT_EQ(PumpMessages(), 1u);
    EXPECT_EQ(PumpMessages(), 1u) << "still invalid: the next pump tries again";
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, w, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_PAINT);
}

TEST_F(Painting, ParentsPaintBeforeTheirChildren) {
    const HWND parent = make_window({}, 0, 0, 50, 50);
    const HWND child = make_window(parent, 0, 0, 10, 10);
    clear_log();
    PumpMessages();
    EXPECT_EQ(named_log({{parent, "parent"}, {child, "child"}}, {WM_PAINT}),
              (std::vector<std::string>{"parent:WM_PAINT", "child:WM_PAINT"}));
}

TEST_F(Painting, PeekMessageFiltersByWindowAndRange) {
    const HWND a = painted_window();
    const HWND b = painted_window();
    PostMessageA(a, WM_USER, 0, 0);
    PostMessageA(b, WM_USER + 5, 0, 0);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, b);
    EXPECT_FALSE(PeekMessageA(&msg, {}, WM_USER + 1, WM_USER + 4, PM_REMOVE));
    EXPECT_TRUE(PeekMessageA(&msg, {}, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER);
    DestroyWindow(b);
    EXPECT_FALSE(PeekMessageA(&msg, {}, 0, 0, PM_REMOVE)) << "messages of a destroyed window are gone";
}

TEST_F(Painting, TheWindowSystemsBookkeepingStaysOutOfATrace) {
    const HWND w = painted_window();
    InvalidateRect(w, nullptr, true);
    gdi::Trace trace;
    PumpMessages();
    EXPECT_TRUE(trace.records().empty()) << trace.text();
}

} // namespace
