#include "hook/MCallBack.h"
#include "hook/VNMessages.h"
#include "hook/VNMsgHook.h"
#include "hook/VNWindows.h"

#include "platform/automation/AutomationError.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Messages.h"
#include "platform/user/Props.h"
#include "platform/user/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

// Hooks on real windows: the procedure replaced once and put back by the last hook, the two window
// properties, and each message's way through the hook's event and the window's own procedure.
using namespace hook;
using namespace user;
using rt::Variant;
using Log = std::vector<std::string>;

namespace {

constexpr UINT kWatched = WM_USER;
constexpr UINT kUnwatched = WM_USER + 1;
constexpr LRESULT kAnswer = 42;

Log g_log;

// The window's own procedure: it notes every message it gets and answers both test messages.
LRESULT OwnProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != kWatched && msg != kUnwatched) return DefWindowProcA(hwnd, msg, wParam, lParam);
    g_log.push_back("window:" + std::to_string(msg - WM_USER));
    return kAnswer;
}

LONG_PTR own_proc() {
    return reinterpret_cast<LONG_PTR>(&OwnProc);
}
LONG_PTR hook_proc() {
    return reinterpret_cast<LONG_PTR>(&HookWndProc);
}

int32_t handle_of(HWND hwnd) {
    return static_cast<int32_t>(hwnd.value);
}

class Subclassing : public ::testing::Test {
protected:
    void SetUp() override {
        g_log.clear();
        WindowParams params;
        params.proc = OwnProc;
        params.width = 20;
        params.height = 10;
        window = CreateWindow(params);
    }
    void TearDown() override { DestroyWindow(window); }

    // A hook watching kWatched on the window, with the message's policy, its events noted as
    // "<name>:<message>"; not yet switched on.
    std::shared_ptr<VNMsgHook> Watch(const std::string& name, bool process_default_proc = true,
                                     int32_t process_type = 0) {
        auto made = VNMsgHook::Create();
        auto w = made->Windows()->Add(std::nullopt, std::nullopt, Variant(name), Variant(handle_of(window)));
        w->Messages()->Add(std::nullopt, std::nullopt, Variant(static_cast<int32_t>(kWatched)),
                           Variant("WM_USER"), Variant(process_default_proc), Variant(process_type));
        made->Message = [name](int32_t, int32_t msg, int32_t, int32_t, bool&) {
            g_log.push_back(name + ":" + std::to_string(msg - static_cast<int32_t>(WM_USER)));
        };
        return made;
    }
    LONG_PTR CurrentProc() const { return GetWindowLongPtrA(window, GWLP_WNDPROC); }
    int32_t Count() const { return static_cast<int32_t>(GetPropA(window, kAddedPropsProperty)); }

    HWND window;
};

} // namespace

TEST_F(Subclassing, AHookReplacesTheProcedureAndPutsItBack) {
    auto h = Watch("a");
    EXPECT_EQ(CurrentProc(), own_proc()) << "adding a window does not hook it";
    const int32_t own32 = GetWindowLongA(window, GWL_WNDPROC);
    h->SetSubclass(true);
    EXPECT_TRUE(h->Subclass());
    EXPECT_EQ(CurrentProc(), hook_proc());
    EXPECT_EQ(GetPropA(window, kPrevWndProcProperty), own32) << "the old procedure, as a 32-bit value";
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(h->Windows()->Item(Variant(1))->PrevWndProc(), own32);

    h->SetSubclass(false);
    EXPECT_EQ(CurrentProc(), own_proc());
    EXPECT_TRUE(PropNames(window).empty());
}

TEST_F(Subclassing, AWatchedMessageReachesTheEventFirstThenTheWindow) {
    auto h = Watch("a");
    h->SetSubclass(true);
    std::vector<int32_t> args;
    bool preset = false;
    h->Message = [&](int32_t hWnd, int32_t msg, int32_t wParam, int32_t lParam, bool& pdp) {
        args = {hWnd, msg, wParam, lParam};
        preset = pdp;
        g_log.push_back("a:0");
    };
    EXPECT_EQ(SendMessageA(window, kWatched, 7, -3), kAnswer);
    EXPECT_EQ(args, (std::vector<int32_t>{handle_of(window), static_cast<int32_t>(kWatched), 7, -3}));
    EXPECT_TRUE(preset);
    EXPECT_EQ(g_log, (Log{"a:0", "window:0"}));

    g_log.clear();
    EXPECT_EQ(SendMessageA(window, kUnwatched, 0, 0), kAnswer);
    EXPECT_EQ(g_log, (Log{"window:1"})) << "an unwatched message goes straight on";
}

TEST_F(Subclassing, AHandlerThatClearsProcessDefaultProcSwallowsTheMessage) {
    auto h = Watch("a");
    h->SetSubclass(true);
    h->Message = [](int32_t, int32_t, int32_t, int32_t, bool& pdp) {
        g_log.push_back("a:0");
        pdp = false;
    };
    EXPECT_EQ(SendMessageA(window, kWatched, 0, 0), 0);
    EXPECT_EQ(g_log, (Log{"a:0"})) << "the window's procedure never sees it";

    // A message watched with ProcessDefaultProc false starts swallowed; the handler may let it on.
    auto quiet = Watch("q", false);
    h.reset();
    quiet->SetSubclass(true);
    g_log.clear();
    EXPECT_EQ(SendMessageA(window, kWatched, 0, 0), 0);
    EXPECT_EQ(g_log, (Log{"q:0"}));
    quiet->Message = [](int32_t, int32_t, int32_t, int32_t, bool& pdp) { pdp = true; };
    EXPECT_EQ(SendMessageA(window, kWatched, 0, 0), kAnswer);
}

TEST_F(Subclassing, ProcessTypeOneRunsTheWindowFirstWhateverTheHandlerSays) {
    auto h = Watch("a", true, 1);
    h->SetSubclass(true);
    h->Message = [](int32_t, int32_t, int32_t, int32_t, bool& pdp) {
        g_log.push_back("a:0");
        pdp = false;
    };
    EXPECT_EQ(SendMessageA(window, kWatched, 0, 0), kAnswer);
    EXPECT_EQ(g_log, (Log{"window:0", "a:0"}));
}

TEST_F(Subclassing, TwoHooksShareTheWindowAndTheLastOnePutsTheProcedureBack) {
    auto a = Watch("a");
    auto b = Watch("b");
    a->SetSubclass(true);
    b->SetSubclass(true);
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(CurrentProc(), hook_proc());
    EXPECT_EQ(a->Windows()->Item(Variant(1))->PrevWndProc(), b->Windows()->Item(Variant(1))->PrevWndProc())
        << "the second hook takes the first one's procedure from the window";

    EXPECT_EQ(SendMessageA(window, kWatched, 0, 0), kAnswer);
    EXPECT_EQ(g_log, (Log{"a:0", "window:0", "b:0"})) << "both hear it; the window handles it once";

    a.reset();
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(CurrentProc(), hook_proc());
    g_log.clear();
    EXPECT_EQ(SendMessageA(window, kWatched, 0, 0), kAnswer);
    EXPECT_EQ(g_log, (Log{"b:0", "window:0"}));

    b.reset();
    EXPECT_EQ(CurrentProc(), own_proc());
    EXPECT_TRUE(PropNames(window).empty());
    g_log.clear();
    SendMessageA(window, kWatched, 0, 0);
    EXPECT_EQ(g_log, (Log{"window:0"}));
}

TEST_F(Subclassing, AHookSwitchedOffDoesNotSilenceTheHooksAfterIt) {
    auto off = Watch("off");
    auto on = Watch("on");
    on->SetSubclass(true);
    EXPECT_EQ(SendMessageA(window, kWatched, 0, 0), kAnswer);
    EXPECT_EQ(g_log, (Log{"on:0", "window:0"}));
}

TEST_F(Subclassing, SwitchingOnTwiceCountsTwiceAndTheWindowKeepsWorking) {
    auto h = Watch("a");
    h->SetSubclass(true);
    h->SetSubclass(true);
    EXPECT_EQ(Count(), 2);
    h->SetSubclass(false);
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(CurrentProc(), hook_proc()) << "one count is left";
    EXPECT_EQ(SendMessageA(window, kWatched, 0, 0), kAnswer)
        << "no hook is on: the window's own procedure answers";
    EXPECT_EQ(g_log, (Log{"window:0"}));
    h->SetSubclass(false);
    EXPECT_EQ(CurrentProc(), own_proc());
    EXPECT_TRUE(PropNames(window).empty());
}

TEST_F(Subclassing, AnErrorInAHandlerIsSwallowedAndSkipsTheHooksAfterIt) {
    auto a = Watch("a");
    auto b = Watch("b");
    a->SetSubclass(true);
    b->SetSubclass(true);
    a->Message = [](int32_t, int32_t, int32_t, int32_t, bool&) {
        g_log.push_back("a:raise");
        rt::raise_error(rt::kErrInvalidProcedureCall);
    };
    EXPECT_EQ(SendMessageA(window, kWatched, 0, 0), kAnswer);
    EXPECT_EQ(g_log, (Log{"a:raise", "window:0"}));
}

TEST_F(Subclassing, ADestroyedWindowGetsNothing) {
    auto h = Watch("a");
    h->SetSubclass(true);
    const HWND gone = window;
    DestroyWindow(window);
    g_log.clear();
    EXPECT_EQ(HookWndProc(gone, kWatched, 0, 0), 0);
    EXPECT_TRUE(g_log.empty());
    h.reset(); // unhooking a window that is gone changes nothing
}

TEST_F(Subclassing, TheChildOfAHookedWindowIsNotWatched) {
    auto h = Watch("a");
    h->SetSubclass(true);
    WindowParams params;
    params.proc = OwnProc;
    params.parent = window;
    const HWND child = CreateWindow(params);
    g_log.clear();
    EXPECT_EQ(SendMessageA(child, kWatched, 0, 0), kAnswer);
    EXPECT_EQ(g_log, (Log{"window:0"}));
    EXPECT_TRUE(PropNames(child).empty());
}

// Hooks live in one thread's registry, as its windows do: a thread that has made none has no
// registry, and a window that carries the hook procedure there gets its old procedure back.
TEST(HookRegistry, AThreadWithoutHooksForwardsAndRestoresAHookedWindow) {
    std::thread other([] {
        EXPECT_FALSE(HookListsExist());
        WindowParams params;
        params.proc = OwnProc;
        const HWND w = CreateWindow(params);
        const int32_t own32 = GetWindowLongA(w, GWL_WNDPROC);
        SetWindowLongPtrA(w, GWLP_WNDPROC, hook_proc());
        SetPropA(w, kPrevWndProcProperty, own32);
        SetPropA(w, kAddedPropsProperty, 1);
        g_log.clear();
        EXPECT_EQ(SendMessageA(w, kWatched, 0, 0), kAnswer);
        EXPECT_EQ(g_log, (Log{"window:0"}));
        EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), own_proc());
        EXPECT_TRUE(PropNames(w).empty());
        // Without a procedure to go back to, the message gets 0.
        SetWindowLongPtrA(w, GWLP_WNDPROC, hook_proc());
        EXPECT_EQ(SendMessageA(w, kWatched, 0, 0), 0);
        DestroyWindow(w);
    });
    other.join();
}
