#include "WindowLog.h"

#include "platform/gdi/Gdi.h"
#include "platform/user/Errors.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Paint.h"
#include "platform/user/Props.h"
#include "platform/user/SysColors.h"

#include <gtest/gtest.h>

using namespace user;
using namespace testing_user;

namespace {

class WindowTree : public ::testing::Test {
protected:
    void TearDown() override { reset_windows(); }
};

TEST_F(WindowTree, CreationSendsCreateSizeMoveThenNotifiesTheParent) {
    const HWND parent = make_window({}, 0, 0, 200, 100);
    clear_log();
    const HWND child = make_window(parent, 10, 20, 30, 40);
    ASSERT_TRUE(child);
    EXPECT_EQ(
        named_log({{parent, "parent"}, {child, "child"}}, {WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY}),
        (std::vector<std::string>{"child:WM_CREATE", "child:WM_SIZE", "child:WM_MOVE",
                                  "parent:WM_PARENTNOTIFY"}));
    const Logged& notify = message_log().back();
    EXPECT_EQ(LOWORD(notify.wParam), WM_CREATE);
    EXPECT_EQ(HWND{uint32_t(notify.lParam)}, child);
    const Logged& size = message_log()[1];
    EXPECT_EQ(GET_X_LPARAM(size.lParam), 30);
    EXPECT_EQ(GET_Y_LPARAM(size.lParam), 40);
}

TEST_F(WindowTree, NoParentNotifyStyleKeepsCreationAndDestructionQuiet) {
    const HWND parent = make_window({}, 0, 0, 200, 100);
    const HWND child = make_window(parent, 0, 0, 10, 10, WS_VISIBLE, WS_EX_NOPARENTNOTIFY);
    DestroyWindow(child);
    EXPECT_TRUE(messages_of(parent).size() > 0);
    for (UINT m : messages_of(parent))
        EXPECT_NE(m, WM_PARENTNOTIFY);
}

TEST_F(WindowTree, DestructionNotifiesParentThenDestroysParentBeforeChildrenAndFreesChildrenFirst) {
    const HWND form = make_window({}, 0, 0, 300, 300);
    const HWND panel = make_window(form, 0, 0, 100, 100);
    const HWND button = make_window(panel, 5, 5, 20, 20);
    SetPropA(panel, "PREV_WNDPROC", 1234);
    clear_log();
    ASSERT_TRUE(DestroyWindow(panel));
    EXPECT_EQ(named_log({{form, "form"}, {panel, "panel"}, {button, "button"}},
                        {WM_PARENTNOTIFY, WM_DESTROY, WM_NCDESTROY}),
              (std::vector<std::string>{"form:WM_PARENTNOTIFY", "panel:WM_DESTROY", "button:WM_DESTROY",
                                        "button:WM_NCDESTROY", "panel:WM_NCDESTROY"}));
    EXPECT_EQ(LOWORD(message_log().front().wParam), WM_DESTROY);
    EXPECT_FALSE(IsWindow(panel));
    EXPECT_FALSE(IsWindow(button));
    EXPECT_TRUE(IsWindow(form));
    EXPECT_TRUE(ChildWindows(form).empty());
}

TEST_F(WindowTree, ADestroyedWindowsHandleStaysStaleWhenItsSlotIsReused) {
    const HWND first = make_window({}, 0, 0, 10, 10);
    DestroyWindow(first);
    const HWND second = make_window({}, 0, 0, 10, 10);
    EXPECT_NE(first, second);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(second));
}

TEST_F(WindowTree, StaleAndNullHandlesFailWithoutCrashing) {
    const HWND gone = make_window({}, 0, 0, 10, 10);
    DestroyWindow(gone);
    for (HWND bad : {HWND{}, gone, HWND{0x12345}}) {
        SetLastError(0);
        EXPECT_EQ(SendMessageA(bad, WM_USER, 0, 0), 0);
        EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
        EXPECT_FALSE(DestroyWindow(bad));
        EXPECT_FALSE(PostMessageA(bad == HWND{} ? gone : bad, WM_USER, 0, 0));
        EXPECT_EQ(GetWindowLongPtrA(bad, GWL_STYLE), 0);
        EXPECT_FALSE(SetPropA(bad, "x", 1));
        EXPECT_EQ(GetPropA(bad, "x"), 0);
        EXPECT_FALSE(InvalidateRect(bad == HWND{} ? gone : bad, nullptr, true));
        EXPECT_FALSE(MoveWindow(bad, 0, 0, 5, 5, true));
        EXPECT_FALSE(EnableWindow(bad, false));
        EXPECT_FALSE(GetDC(bad == HWND{} ? gone : bad));
        gdi::RECT r;
        EXPECT_FALSE(GetClientRect(bad, &r));
    }
    EXPECT_FALSE(make_window(gone, 0, 0, 10, 10)) << "a stale parent refuses the child";
}

TEST_F(WindowTree, ChildrenListInCreationOrderAndSetWindowPosReordersThem) {
    const HWND parent = make_window({}, 0, 0, 100, 100);
    const HWND a = make_window(parent, 0, 0, 10, 10);
    const HWND b = make_window(parent, 0, 0, 10, 10);
    const HWND c = make_window(parent, 0, 0, 10, 10);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), HWND{});
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(ChildWindows(parent), (std::vector<HWND>{c, a, b}));
    SetWindowPos(c, a, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(ChildWindows(parent), (std::vector<HWND>{a, c, b}));
    SetLastError(0);
    EXPECT_FALSE(SetWindowPos(c, parent, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE)) << "not a sibling";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(WindowTree, WindowLongsReadAndSetReturningThePreviousValueStylesSignExtended) {
    const HWND w = make_window({}, 0, 0, 10, 10);
    const int32_t style = GetWindowLongA(w, GWL_STYLE);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(SetWindowLongA(w, GWL_STYLE, style | int32_t(WS_CLIPCHILDREN)), style);
    EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & WS_CLIPCHILDREN);
    SetWindowLongPtrA(w, GWLP_USERDATA, 77);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 77);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrA(w, 5), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
    // Every setter returns the previous value; styles read sign-extended.
    EXPECT_EQ(SetWindowLongPtrA(w, GWL_EXSTYLE, LONG_PTR(WS_EX_TRANSPARENT)), 0);
    EXPECT_EQ(SetWindowLongPtrA(w, GWL_EXSTYLE, LONG_PTR(WS_EX_NOPARENTNOTIFY)), LONG_PTR(WS_EX_TRANSPARENT));
    EXPECT_EQ(GetWindowLongPtrA(w, GWL_EXSTYLE), LONG_PTR(WS_EX_NOPARENTNOTIFY));
    SetWindowLongPtrA(w, GWL_STYLE, LONG_PTR(WS_POPUP | WS_VISIBLE));
    EXPECT_EQ(GetWindowLongPtrA(w, GWL_STYLE), LONG_PTR(int32_t(WS_POPUP | WS_VISIBLE))) << "a negative LONG";
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_ID, 42), 0);
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_ID, 43), 42);
    EXPECT_EQ(GetDlgCtrlID(w), 43);
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_HINSTANCE, 0x1234), 0);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_HINSTANCE), 0x1234);

    SetLastError(0);
    EXPECT_EQ(SetWindowLongPtrA(w, 5, 1), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
    const LONG_PTR proc = GetWindowLongPtrA(w, GWLP_WNDPROC);
    SetLastError(0);
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_WNDPROC, 0), 0) << "no procedure";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), proc);
}

TEST_F(WindowTree, AncestorsSiblingsAndScreenPointsFollowTheTree) {
    const HWND form = make_window({}, 100, 50, 300, 300);
    const HWND panel = make_window(form, 10, 20, 100, 100);
    const HWND first = make_window(panel, 5, 6, 20, 10);
    const HWND last = make_window(panel, 30, 6, 20, 10);
    EXPECT_EQ(GetAncestor(last, GA_PARENT), panel);
    EXPECT_EQ(GetAncestor(last, GA_ROOT), form);
    EXPECT_EQ(GetAncestor(form, GA_ROOT), form);
    EXPECT_EQ(GetAncestor(form, GA_PARENT), HWND{});
    SetLastError(0);
    EXPECT_EQ(GetAncestor(last, 7), HWND{});
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(GetWindow(last, GW_HWNDFIRST), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDLAST), last);
    EXPECT_EQ(GetWindow(first, GW_HWNDPREV), HWND{});

    gdi::POINT p{1, 2};
    ASSERT_TRUE(ClientToScreen(last, &p));
    EXPECT_EQ(p, (gdi::POINT{141, 78}));
    ASSERT_TRUE(ScreenToClient(last, &p));
    EXPECT_EQ(p, (gdi::POINT{1, 2}));
    EXPECT_FALSE(ClientToScreen(last, nullptr));
    DestroyWindow(last);
    EXPECT_FALSE(ScreenToClient(last, &p)) << "a stale window";
}

TEST_F(WindowTree, MovingAndSizingSendMoveThenSizeAndKeepTheSurfacePixelsThatFit) {
    const HWND w = make_window({}, 0, 0, 4, 4);
    const gdi::HDC dc = GetDC(w);
    gdi::SetPixel(dc, 1, 1, gdi::RGB(255, 0, 0));
    gdi::SetPixel(dc, 3, 3, gdi::RGB(0, 255, 0));
    clear_log();
    ASSERT_TRUE(MoveWindow(w, 7, 8, 3, 6, true));
    EXPECT_EQ(messages_of(w), (std::vector<UINT>{WM_MOVE, WM_SIZE}));
    EXPECT_EQ(GetDC(w), dc) << "the window keeps its DC";
    EXPECT_EQ(gdi::GetPixel(dc, 1, 1), gdi::RGB(255, 0, 0));
    EXPECT_EQ(gdi::GetDeviceCaps(dc, gdi::HORZRES), 3);
    EXPECT_EQ(gdi::GetDeviceCaps(dc, gdi::VERTRES), 6);
    gdi::RECT update;
    EXPECT_TRUE(GetUpdateRect(w, &update, false));
    EXPECT_EQ(update, (gdi::RECT{0, 0, 3, 6})) << "first paint, then the uncovered rows";
    clear_log();
    MoveWindow(w, 7, 8, 3, 6, true);
    EXPECT_TRUE(messages_of(w).empty()) << "nothing changed";
}

TEST_F(WindowTree, ResizingOnlyInvalidatesWhatIsUncoveredUnlessTheClassRedrawsOnResize) {
    const HWND plain = make_window({}, 0, 0, 10, 10);
    const HWND redraw = make_window({}, 0, 0, 10, 10, WS_VISIBLE, 0, CS_HREDRAW | CS_VREDRAW);
    ValidateRect(plain, nullptr);
    ValidateRect(redraw, nullptr);
    MoveWindow(plain, 0, 0, 15, 10, true);
    MoveWindow(redraw, 0, 0, 15, 10, true);
    gdi::RECT r;
    GetUpdateRect(plain, &r, false);
    EXPECT_EQ(r, (gdi::RECT{10, 0, 15, 10}));
    GetUpdateRect(redraw, &r, false);
    EXPECT_EQ(r, (gdi::RECT{0, 0, 15, 10}));
    ValidateRect(plain, nullptr);
    MoveWindow(plain, 0, 0, 20, 10, false);
    EXPECT_FALSE(GetUpdateRect(plain, &r, false)) << "no repaint asked";
}

TEST_F(WindowTree, WindowRectsAreInScreenCoordinatesThroughTheAncestors) {
    const HWND form = make_window({}, 100, 50, 300, 300);
    const HWND panel = make_window(form, 10, 20, 100, 100);
    const HWND button = make_window(panel, 5, 6, 20, 10);
    gdi::RECT r;
    GetWindowRect(button, &r);
    EXPECT_EQ(r, (gdi::RECT{115, 76, 135, 86}));
    GetClientRect(button, &r);
    EXPECT_EQ(r, (gdi::RECT{0, 0, 20, 10}));
    gdi::POINT p{1, 2};
    MapWindowPoints(button, form, &p, 1);
    EXPECT_EQ(p, (gdi::POINT{16, 28}));
    ScreenToClient(panel, &p);
    EXPECT_EQ(p, (gdi::POINT{16 - 110, 28 - 70}));
}

TEST_F(WindowTree, ChildWindowFromPointFindsTheTopmostChildIncludingHiddenOnesUnlessSkipped) {
    const HWND parent = make_window({}, 0, 0, 100, 100);
    const HWND hidden = make_window(parent, 0, 0, 50, 50, 0);
    const HWND below = make_window(parent, 0, 0, 50, 50);
    EXPECT_EQ(ChildWindowFromPoint(parent, {10, 10}), hidden);
    EXPECT_EQ(ChildWindowFromPointEx(parent, {10, 10}, CWP_SKIPINVISIBLE), below);
    EXPECT_EQ(ChildWindowFromPoint(parent, {60, 60}), parent);
    EXPECT_EQ(ChildWindowFromPoint(parent, {100, 10}), HWND{}) << "right edge is outside";
}

TEST_F(WindowTree, WindowFromPointPassesOverDisabledChildren) {
    const HWND form = make_window({}, 10, 10, 100, 100);
    const HWND panel = make_window(form, 10, 10, 50, 50);
    const HWND button = make_window(panel, 0, 0, 20, 20);
    EXPECT_EQ(WindowFromPoint({25, 25}), button);
    EnableWindow(button, false);
    EXPECT_EQ(WindowFromPoint({25, 25}), panel);
    EXPECT_EQ(WindowFromPoint({5, 5}), HWND{});
}

TEST_F(WindowTree, SetParentMovesTheWindowUnderItsNewParentAndRefusesCycles) {
    const HWND a = make_window({}, 0, 0, 100, 100);
    const HWND b = make_window({}, 0, 0, 100, 100);
    const HWND child = make_window(a, 5, 5, 10, 10);
    EXPECT_EQ(SetParent(child, b), a);
    EXPECT_EQ(GetParent(child), b);
    EXPECT_TRUE(IsChild(b, child));
    EXPECT_FALSE(IsChild(a, child));
    EXPECT_FALSE(SetParent(b, child)) << "a window cannot go under its own descendant";
    EXPECT_EQ(GetParent(b), HWND{});
}

TEST_F(WindowTree, ARefusedCreationFreesTheWindowWithoutDestroyMessages) {
    set_hook([](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CREATE) return -1;
        return std::nullopt;
    });
    const HWND parent = make_window({}, 0, 0, 100, 100);
    EXPECT_FALSE(parent);
    for (const Logged& l : message_log())
        EXPECT_NE(l.message, WM_DESTROY);
    EXPECT_EQ(message_log().back().message, WM_NCDESTROY);
    EXPECT_TRUE(ChildWindows({}).empty());
}

TEST_F(WindowTree, RegisteredClassesGiveTheirProcedureStyleAndBackground) {
    WNDCLASSA wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = LoggingProc;
    wc.lpszClassName = "VNTest";
    wc.hbrBackground = gdi::HBRUSH{COLOR_BTNFACE + 1};
    ASSERT_NE(RegisterClassA(&wc), 0);
    EXPECT_EQ(RegisterClassA(&wc), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
    const HWND w = CreateWindowExA(0, "vntest", "Caption", WS_VISIBLE, 0, 0, 8, 8, {}, 0, 0, nullptr);
    ASSERT_TRUE(w);
    char text[16];
    EXPECT_EQ(GetWindowTextA(w, text, sizeof text), 7);
    EXPECT_STREQ(text, "Caption");
    EXPECT_FALSE(UnregisterClassA("VNTest", 0)) << "a window of the class is still open";
    PumpMessages();
    EXPECT_EQ(gdi::GetPixel(GetDC(w), 3, 3), gdi::RGB(192, 192, 192)) << "erased in the button-face colour";
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassA("VNTest", 0));
    EXPECT_FALSE(CreateWindowExA(0, "VNTest", "", 0, 0, 0, 8, 8, {}, 0, 0, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
}

TEST_F(WindowTree, PropertiesAreCaseInsensitiveAndGoWithTheWindow) {
    const HWND w = make_window({}, 0, 0, 10, 10);
    EXPECT_TRUE(SetPropA(w, "NUM_ADDEDPROPS", 1));
    EXPECT_TRUE(SetPropA(w, "num_addedprops", 2));
    EXPECT_EQ(GetPropA(w, "Num_AddedProps"), 2);
    EXPECT_EQ(PropNames(w), std::vector<std::string>{"NUM_ADDEDPROPS"});
    EXPECT_EQ(RemovePropA(w, "NUM_ADDEDPROPS"), 2);
    EXPECT_EQ(RemovePropA(w, "NUM_ADDEDPROPS"), 0);
    EXPECT_FALSE(SetPropA(w, "", 1));
}

TEST_F(WindowTree, DestroyingAWindowReleasesItsSurfaceObjects) {
    const gdi::LiveObjects before = gdi::live_objects();
    const HWND w = make_window({}, 0, 0, 50, 50);
    make_window(w, 0, 0, 10, 10);
    PumpMessages();
    EXPECT_EQ(gdi::live_objects().dcs, before.dcs + 2);
    DestroyWindow(w);
    EXPECT_EQ(gdi::live_objects(), before);
}

} // namespace
