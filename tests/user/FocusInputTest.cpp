#include "WindowLog.h"

#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"

#include <gtest/gtest.h>

using namespace user;
using namespace testing_user;

namespace {

class FocusAndInput : public ::testing::Test {
protected:
    void TearDown() override { reset_windows(); }
};

TEST_F(FocusAndInput, SetFocusSendsKillToTheOldAndSetToTheNewAndReturnsTheOld) {
    const HWND form = make_window({}, 0, 0, 100, 100);
    const HWND a = make_window(form, 0, 0, 10, 10);
    const HWND b = make_window(form, 20, 0, 10, 10);
    EXPECT_EQ(SetFocus(a), HWND{});
    clear_log();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(named_log({{a, "a"}, {b, "b"}}, {WM_KILLFOCUS, WM_SETFOCUS}),
              (std::vector<std::string>{"a:WM_KILLFOCUS", "b:WM_SETFOCUS"}));
    EXPECT_EQ(HWND{uint32_t(message_log()[0].wParam)}, b);
    EXPECT_EQ(HWND{uint32_t(message_log()[1].wParam)}, a);
    clear_log();
    EXPECT_EQ(SetFocus(b), b);
    EXPECT_TRUE(message_log().empty()) << "no messages when nothing changes";
}

TEST_F(FocusAndInput, DisabledWindowsAndTheirChildrenCannotTakeTheFocus) {
    const HWND form = make_window({}, 0, 0, 100, 100);
    const HWND panel = make_window(form, 0, 0, 50, 50);
    const HWND button = make_window(panel, 0, 0, 10, 10);
    SetFocus(form);
    EnableWindow(panel, false);
    EXPECT_EQ(SetFocus(button), HWND{});
    EXPECT_EQ(GetFocus(), form);
}

TEST_F(FocusAndInput, DisablingTheFocusWindowTakesTheFocusAway) {
    const HWND form = make_window({}, 0, 0, 100, 100);
    const HWND button = make_window(form, 0, 0, 10, 10);
    SetFocus(button);
    clear_log();
    EXPECT_FALSE(EnableWindow(button, false)) << "it was enabled";
    EXPECT_EQ(GetFocus(), HWND{});
    EXPECT_EQ(named_log({{button, "button"}}, {WM_KILLFOCUS, WM_ENABLE}),
              (std::vector<std::string>{"button:WM_KILLFOCUS", "button:WM_ENABLE"}));
    EXPECT_TRUE(EnableWindow(button, true)) << "it was disabled";
    EXPECT_TRUE(IsWindowEnabled(button));
    clear_log();
    EXPECT_FALSE(EnableWindow(button, true));
    EXPECT_TRUE(message_log().empty()) << "WM_ENABLE only for a change";
}

TEST_F(FocusAndInput, DestroyingOrHidingTheFocusWindowMovesTheFocusToItsParent) {
    const HWND form = make_window({}, 0, 0, 100, 100);
    const HWND a = make_window(form, 0, 0, 10, 10);
    const HWND b = make_window(form, 0, 0, 10, 10);
    SetFocus(a);
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(GetFocus(), form);
    SetFocus(b);
    clear_log();
    DestroyWindow(b);
    EXPECT_EQ(GetFocus(), form);
    EXPECT_EQ(named_log({{b, "b"}, {form, "form"}}, {WM_KILLFOCUS, WM_SETFOCUS, WM_DESTROY}),
              (std::vector<std::string>{"b:WM_KILLFOCUS", "form:WM_SETFOCUS", "b:WM_DESTROY"}));
}

TEST_F(FocusAndInput, MouseInputGoesToTheDeepestVisibleEnabledChildInItsCoordinates) {
    const HWND form = make_window({}, 0, 0, 200, 200);
    const HWND panel = make_window(form, 10, 10, 100, 100);
    const HWND button = make_window(panel, 20, 30, 40, 20);
    clear_log();
    EXPECT_EQ(SendMouseInput(form, WM_MOUSEMOVE, 35, 45, 0), button);
    const Logged& move = message_log().back();
    EXPECT_EQ(move.hwnd, button);
    EXPECT_EQ(GET_X_LPARAM(move.lParam), 5);
    EXPECT_EQ(GET_Y_LPARAM(move.lParam), 5);
    EnableWindow(button, false);
    EXPECT_EQ(SendMouseInput(form, WM_MOUSEMOVE, 35, 45, 0), panel) << "a disabled child lets it through";
    ShowWindow(panel, SW_HIDE);
    EXPECT_EQ(SendMouseInput(form, WM_MOUSEMOVE, 35, 45, 0), form);
    EXPECT_EQ(SendMouseInput(form, WM_MOUSEMOVE, 250, 45, 0), HWND{}) << "outside the window";
}

TEST_F(FocusAndInput, AButtonDownInAChildNotifiesEachParentWithItsOwnCoordinatesFirst) {
    const HWND form = make_window({}, 0, 0, 200, 200);
    const HWND panel = make_window(form, 10, 10, 100, 100);
    const HWND button = make_window(panel, 20, 30, 40, 20);
    clear_log();
    SendMouseInput(form, WM_LBUTTONDOWN, 35, 45, 0);
    ASSERT_EQ(message_log().size(), 3u);
    const Logged& to_panel = message_log()[0];
    EXPECT_EQ(to_panel.hwnd, panel);
    EXPECT_EQ(to_panel.message, WM_PARENTNOTIFY);
    EXPECT_EQ(LOWORD(to_panel.wParam), WM_LBUTTONDOWN);
    EXPECT_EQ(GET_X_LPARAM(to_panel.lParam), 25);
    EXPECT_EQ(GET_Y_LPARAM(to_panel.lParam), 35);
    const Logged& to_form = message_log()[1];
    EXPECT_EQ(to_form.hwnd, form);
    EXPECT_EQ(GET_X_LPARAM(to_form.lParam), 35);
    EXPECT_EQ(GET_Y_LPARAM(to_form.lParam), 45);
    const Logged& down = message_log()[2];
    EXPECT_EQ(down.hwnd, button);
    EXPECT_EQ(down.message, WM_LBUTTONDOWN);
    EXPECT_TRUE(down.wParam & MK_LBUTTON);
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);

    clear_log();
    SendMouseInput(form, WM_LBUTTONUP, 35, 45, 0);
    EXPECT_EQ(messages_of(button), std::vector<UINT>{WM_LBUTTONUP}) << "no notice for a release";
    EXPECT_FALSE(message_log().back().wParam & MK_LBUTTON);
}

TEST_F(FocusAndInput, NoParentNotifyStopsTheButtonDownNoticeChain) {
    const HWND form = make_window({}, 0, 0, 200, 200);
    const HWND panel = make_window(form, 10, 10, 100, 100, WS_VISIBLE, WS_EX_NOPARENTNOTIFY);
    const HWND button = make_window(panel, 0, 0, 40, 20);
    clear_log();
    SendMouseInput(form, WM_LBUTTONDOWN, 15, 15, 0);
    EXPECT_EQ(
        named_log({{form, "form"}, {panel, "panel"}, {button, "button"}}, {WM_PARENTNOTIFY, WM_LBUTTONDOWN}),
        (std::vector<std::string>{"panel:WM_PARENTNOTIFY", "button:WM_LBUTTONDOWN"}));
}

TEST_F(FocusAndInput, DoubleClicksNeedTheClassStyleAndNotifyParentsAsAButtonDown) {
    const HWND form = make_window({}, 0, 0, 200, 200);
    const HWND plain = make_window(form, 0, 0, 50, 50);
    const HWND clicky = make_window(form, 100, 0, 50, 50, WS_VISIBLE, 0, CS_DBLCLKS);
    clear_log();
    SendMouseInput(form, WM_LBUTTONDBLCLK, 5, 5, 0);
    SendMouseInput(form, WM_LBUTTONDBLCLK, 105, 5, 0);
    EXPECT_EQ(messages_of(plain), std::vector<UINT>{WM_LBUTTONDOWN});
    EXPECT_EQ(messages_of(clicky), std::vector<UINT>{WM_LBUTTONDBLCLK});
    for (const Logged& l : message_log()) {
        if (l.message == WM_PARENTNOTIFY) {
            EXPECT_EQ(LOWORD(l.wParam), WM_LBUTTONDOWN);
        }
    }
}

TEST_F(FocusAndInput, TheCaptureWindowGetsMouseInputWherever) {
    const HWND form = make_window({}, 0, 0, 200, 200);
    const HWND button = make_window(form, 50, 50, 10, 10);
    SetCapture(button);
    clear_log();
    EXPECT_EQ(SendMouseInput(form, WM_MOUSEMOVE, 5, 5, 0), button);
    EXPECT_EQ(GET_X_LPARAM(message_log().back().lParam), -45);
    ReleaseCapture();
    EXPECT_EQ(SendMouseInput(form, WM_MOUSEMOVE, 5, 5, 0), form);
}

TEST_F(FocusAndInput, AKeyStrokeIsKeyDownCharacterKeyUpToTheFocusWindow) {
    const HWND form = make_window({}, 0, 0, 100, 100);
    EXPECT_EQ(SendKeyStroke('A', 0), HWND{}) << "nobody has the focus";
    SetFocus(form);
    clear_log();
    SendKeyStroke('A', kShiftMask);
    EXPECT_EQ(messages_of(form), (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_KEYUP}));
    EXPECT_EQ(message_log()[0].wParam, VK_SHIFT);
    EXPECT_EQ(message_log()[2].wParam, WPARAM('A'));
    EXPECT_EQ(message_log()[3].lParam & (int64_t(3) << 30), int64_t(3) << 30) << "release bits";
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
    clear_log();
    SendKeyStroke('G', kAltMask);
    EXPECT_EQ(messages_of(form),
              (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYUP}));
    EXPECT_EQ(message_log()[2].wParam, WPARAM('g'));
    clear_log();
    SendKeyStroke(VK_LEFT, 0);
    EXPECT_EQ(messages_of(form), (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP})) << "no character for an arrow";
}

TEST_F(FocusAndInput, KeysTranslateToCharactersByTheKeyboardState) {
    EXPECT_EQ(CharFromKey('Q'), 'q');
    SetKeyDown(VK_SHIFT, true);
    EXPECT_EQ(CharFromKey('Q'), 'Q');
    EXPECT_EQ(CharFromKey('1'), '!');
    SetKeyDown(VK_SHIFT, false);
    SetKeyDown(VK_CONTROL, true);
    EXPECT_EQ(CharFromKey('C'), 3);
    SetKeyDown(VK_CONTROL, false);
    EXPECT_EQ(CharFromKey(VK_RETURN), '\r');
    EXPECT_EQ(CharFromKey(VK_F1), 0);
    const HWND w = make_window({}, 0, 0, 10, 10);
    MSG msg{w, WM_KEYDOWN, 'Z', 1};
    EXPECT_TRUE(TranslateMessage(&msg));
    clear_log();
    PumpMessages();
    ASSERT_FALSE(message_log().empty());
    EXPECT_EQ(message_log().front().message, WM_CHAR);
    EXPECT_EQ(message_log().front().wParam, WPARAM('z'));
}

TEST_F(FocusAndInput, ThePumpTranslatesPostedKeysAsAMessageLoopDoes) {
    const HWND w = make_window({}, 0, 0, 10, 10);
    PumpMessages();
    PostMessageA(w, WM_KEYDOWN, '7', 1);
    PostMessageA(w, WM_KEYDOWN, VK_LEFT, 1);
    clear_log();
    EXPECT_EQ(PumpMessages(), 3u);
    EXPECT_EQ(messages_of(w), (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN, WM_CHAR}));
    EXPECT_EQ(message_log().back().wParam, WPARAM('7'));
}

} // namespace
