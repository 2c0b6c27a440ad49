#include "WindowLog.h"

#include "platform/user/MessageQueue.h"
#include "platform/user/Props.h"

#include <gtest/gtest.h>

using namespace user;
using namespace testing_user;

namespace {

// A subclass procedure in the style of a message hook: it sees a message, remembers it, and hands
// it to the procedure that was there before, found through a window property.
std::vector<UINT> g_seen;
bool g_swallow_user = false;

LRESULT HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    g_seen.push_back(message);
    if (message == WM_USER && g_swallow_user) return 0;
    const auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "PREV_WNDPROC"));
    LRESULT result = CallWindowProcA(previous, hwnd, message, wParam, lParam);
    if (message == WM_USER + 1) result += 100;
    return result;
}

LRESULT AnswerProc(HWND, UINT message, WPARAM wParam, LPARAM) {
    return message == WM_USER + 1 ? LRESULT(wParam) * 2 : 0;
}

class Subclassing : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen.clear();
        g_swallow_user = false;
    }
    void TearDown() override { reset_windows(); }
};

TEST_F(Subclassing, ReplacingTheProcedureReturnsThePreviousOneAndChainingReachesIt) {
    const HWND w = make_window({}, 0, 0, 10, 10);
    const LONG_PTR previous = SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc));
    EXPECT_EQ(previous, reinterpret_cast<LONG_PTR>(&LoggingProc));
    SetPropA(w, "PREV_WNDPROC", previous);
    clear_log();
    SendMessageA(w, WM_USER, 0, 0);
    EXPECT_EQ(g_seen, std::vector<UINT>{WM_USER});
    EXPECT_EQ(messages_of(w), std::vector<UINT>{WM_USER}) << "the original procedure still handles it";

    g_swallow_user = true;
    clear_log();
    EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 0);
    EXPECT_TRUE(messages_of(w).empty()) << "a swallowed message never reaches the original";
}

TEST_F(Subclassing, TheHookSeesAndChangesTheResultOfTheOriginal) {
    user::WindowParams window;
    window.proc = AnswerProc;
    const HWND w = CreateWindow(window);
    SetPropA(w, "PREV_WNDPROC", SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc)));
    EXPECT_EQ(SendMessageA(w, WM_USER + 1, 21, 0), 142);
    // Restoring the previous procedure ends the subclassing.
    SetWindowLongPtrA(w, GWLP_WNDPROC, RemovePropA(w, "PREV_WNDPROC"));
    EXPECT_EQ(SendMessageA(w, WM_USER + 1, 21, 0), 42);
    EXPECT_TRUE(PropNames(w).empty());
}

TEST_F(Subclassing, The32BitFormsHandOutProcedureHandlesThatWorkEverywhere) {
    const HWND w = make_window({}, 0, 0, 10, 10);
    const int32_t handle = GetWindowLongA(w, GWL_WNDPROC);
    EXPECT_NE(handle, 0);
    EXPECT_LT(handle, 0) << "no procedure address looks like this";
    EXPECT_EQ(handle, GetWindowLongA(w, GWL_WNDPROC)) << "stable for one procedure";
    // Subclass through the 32-bit form with a handle of the hook procedure obtained from another window.
    user::WindowParams window;
    window.proc = HookProc;
    const HWND donor = CreateWindow(window);
    const int32_t hook_handle = GetWindowLongA(donor, GWL_WNDPROC);
    const int32_t previous = SetWindowLongA(w, GWL_WNDPROC, hook_handle);
    EXPECT_EQ(previous, handle);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&HookProc));
    SetPropA(w, "PREV_WNDPROC", previous); // a handle, as a 32-bit hook would keep it
    clear_log();
    SendMessageA(w, WM_USER, 0, 0);
    EXPECT_EQ(messages_of(w), std::vector<UINT>{WM_USER}) << "CallWindowProcA takes the handle";
    EXPECT_EQ(CallWindowProcA(reinterpret_cast<WNDPROC>(intptr_t(INT32_MIN + 0x7000)), w, WM_USER, 0, 0), 0)
        << "a handle never handed out calls nothing";
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_WNDPROC, 0), 0) << "a window always keeps a procedure";
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&HookProc));
}

} // namespace
