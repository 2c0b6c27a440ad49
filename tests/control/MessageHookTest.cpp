#include "support/ControlFixture.h"

#include "hook/MCallBack.h"
#include "hook/VNMessages.h"
#include "hook/VNWindows.h"
#include "layout/Constants.h"
#include "platform/user/Messages.h"
#include "platform/user/Props.h"

#include <algorithm>

// The control's hook on its own window: what it watches, and what the designer's presses, double
// clicks and the creation and destruction of child windows do, all sent through the window system.
using namespace vntab;
using fakes::FakeControl;
using fakes::Windowed;
using fakes::Windowless;
using rt::Variant;
using Names = std::vector<std::string>;

namespace {

struct Seen {
    user::UINT msg;
    user::WPARAM wparam;
    user::LPARAM lparam;
};
std::vector<Seen> g_seen;

// The window's own procedure, as the container gives it: it notes what reaches it.
user::LRESULT OwnProc(user::HWND hwnd, user::UINT msg, user::WPARAM wparam, user::LPARAM lparam) {
    g_seen.push_back({msg, wparam, lparam});
    return user::DefWindowProcA(hwnd, msg, wparam, lparam);
}

user::LONG_PTR own_proc() {
    return reinterpret_cast<user::LONG_PTR>(&OwnProc);
}

// A control with three tabs along the top of a 300 x 200 pixel container, its window's own
// procedure noting messages: header i spans x 2 + 50 (i - 1) to 52 + 50 (i - 1), y 2 to 22.
struct Hooked {
    fakes::TestSite site;
    std::shared_ptr<VNTabCtl> ctl;

    explicit Hooked(bool user_mode, int16_t scale = host::vbPixels) {
        site.user_mode = user_mode;
        site.container_scale_mode = scale;
        user::SetWindowLongPtrA(site.hWnd(), user::GWLP_WNDPROC, own_proc());
        ctl = VNTabCtl::Create(site);
        ctl->InitProperties();
        ctl->SetTabCount(3);
        Forget();
    }
    ~Hooked() { ctl->Terminate(); }
    Hooked(const Hooked&) = delete;
    Hooked& operator=(const Hooked&) = delete;

    void Forget() {
        site.events.clear();
        site.property_changes.clear();
        g_seen.clear();
    }
    static int32_t Middle(int16_t tab) { return 27 + 50 * (tab - 1); }
    user::LRESULT Send(user::UINT msg, user::WPARAM wparam, user::LPARAM lparam) {
        return user::SendMessageA(site.hWnd(), msg, wparam, lparam);
    }
    void Press(int32_t x, int32_t y) { Send(user::WM_LBUTTONDOWN, user::MK_LBUTTON, user::MAKELPARAM(x, y)); }
    user::LRESULT DoubleClick(int32_t x, int32_t y) {
        return Send(user::WM_LBUTTONDBLCLK, user::MK_LBUTTON, user::MAKELPARAM(x, y));
    }
    bool WindowSaw(user::UINT msg) const {
        return std::any_of(g_seen.begin(), g_seen.end(), [&](const Seen& s) { return s.msg == msg; });
    }
    VNControls& page(int32_t tab) { return *ctl->Tabs()->at(tab)->Controls(); }
    // A child window on the control's window, as a windowed contained control has.
    user::HWND Child() {
        user::WindowParams params;
        params.proc = user::DefWindowProcA;
        params.parent = site.hWnd();
        params.style = user::WS_CHILD | user::WS_VISIBLE;
        params.width = 10;
        params.height = 10;
        return user::CreateWindow(params);
    }
};

// The hook list that watches a window, from the registry.
std::shared_ptr<hook::VNWindow> watching(user::HWND hwnd) {
    for (const auto& list : hook::HookLists())
        for (const auto& w : list->items())
            if (w->SubClassHwnd() == static_cast<int32_t>(hwnd.value)) return w;
    return nullptr;
}

} // namespace

TEST(MessageHook, TheControlWatchesFourMessagesOfItsWindowFromItsFirstPropertiesToTerminate) {
    fakes::TestSite site;
    const user::HWND hwnd = site.hWnd();
    user::SetWindowLongPtrA(hwnd, user::GWLP_WNDPROC, own_proc());
    auto ctl = VNTabCtl::Create(site);
    EXPECT_TRUE(user::GetWindowLongA(hwnd, user::GWL_STYLE) & int32_t(user::WS_CLIPCHILDREN));
    EXPECT_EQ(user::GetWindowLongPtrA(hwnd, user::GWLP_WNDPROC), own_proc()) << "not hooked before";
    auto watched = watching(hwnd);
    ASSERT_TRUE(watched);
    std::vector<std::pair<int32_t, std::string>> messages;
    for (const auto& m : watched->Messages()->items()) {
        messages.emplace_back(m->Value(), m->Text());
        EXPECT_TRUE(m->ProcessDefaultProc());
        EXPECT_EQ(m->ProcessType(), 0);
    }
    EXPECT_EQ(messages, (std::vector<std::pair<int32_t, std::string>>{{528, "WM_PARENTNOTIFY"},
                                                                      {513, "WM_LBUTTONDOWN"},
                                                                      {515, "WM_LBUTTONDBLCLK"},
                                                                      {20, "WM_ERASEBKGND"}}));

    ctl->InitProperties();
    EXPECT_EQ(user::GetWindowLongPtrA(hwnd, user::GWLP_WNDPROC),
              reinterpret_cast<user::LONG_PTR>(&hook::HookWndProc));
    EXPECT_EQ(user::GetPropA(hwnd, hook::kAddedPropsProperty), 1);

    ctl->Terminate();
    EXPECT_EQ(user::GetWindowLongPtrA(hwnd, user::GWLP_WNDPROC), own_proc());
    EXPECT_TRUE(user::PropNames(hwnd).empty());
    EXPECT_FALSE(watching(hwnd)) << "the hook is gone with its list";
}

TEST(MessageHook, ReadPropertiesHooksTheWindowBeforeReadingAnything) {
    host::PropertyBag bag;
    bag.Store("TabWidth", Variant("wide"));
    fakes::TestSite site;
    auto ctl = VNTabCtl::Create(site);
    EXPECT_THROW(ctl->ReadProperties(bag), rt::AutomationError);
    EXPECT_EQ(user::GetWindowLongPtrA(site.hWnd(), user::GWLP_WNDPROC),
              reinterpret_cast<user::LONG_PTR>(&hook::HookWndProc));
    ctl->Terminate();
    EXPECT_TRUE(user::PropNames(site.hWnd()).empty());
}

TEST(MessageHook, AtRunTimeButtonAndChildMessagesPassUntouched) {
    Hooked c(true);
    c.Press(Hooked::Middle(2), 12);
    EXPECT_EQ(c.ctl->TabActive(), 1) << "running, the mouse reaches the control through its own events";
    EXPECT_TRUE(c.site.events.empty());
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0].msg, user::WM_LBUTTONDOWN);
    EXPECT_EQ(g_seen[0].wparam, user::MK_LBUTTON);
    EXPECT_EQ(g_seen[0].lparam, user::MAKELPARAM(Hooked::Middle(2), 12));
    c.DoubleClick(Hooked::Middle(2), 12);
    EXPECT_TRUE(c.WindowSaw(user::WM_LBUTTONDBLCLK));
    // Nor do child windows made while running change any records.
    c.site.Add(Windowed("Text9", 100, 60));
    const user::HWND child = c.Child();
    EXPECT_EQ(c.page(1).Count(), 0);
    user::DestroyWindow(child);
}

TEST(MessageHook, TheDesignersPressOnAHeaderSwitchesTabsWithTheTabEvents) {
    Hooked c(false);
    c.Press(Hooked::Middle(2), 12);
    EXPECT_EQ(c.ctl->TabActive(), 2);
    EXPECT_EQ(c.site.EventNames(), (Names{"BeforeTabChanged", "AfterTabChanged"}));
    EXPECT_EQ(c.site.Arg(1, "NewTab"), Variant(int16_t{2}));
    EXPECT_EQ(c.site.property_changes, (Names{"TabActive"}));
    EXPECT_TRUE(c.WindowSaw(user::WM_LBUTTONDOWN)) << "the designer still gets the press";

    c.Forget();
    c.Press(100, 100);
    EXPECT_EQ(c.ctl->TabActive(), 2) << "a press on the panel selects nothing";
    c.site.handlers["BeforeTabChanged"] = [](std::span<host::EventArg> args) {
        args[0].value = Variant(true);
    };
    c.Press(Hooked::Middle(3), 12);
    EXPECT_EQ(c.ctl->TabActive(), 2) << "the designer's switch can be cancelled too";
    EXPECT_EQ(c.site.EventNames(), (Names{"BeforeTabChanged"}));
}

TEST(MessageHook, TheDesignersPressOnAControlStandingInTheStripLeavesTheTabs) {
    Hooked c(false);
    auto label = Windowless("Label", "Label1", Hooked::Middle(2) - 5, 5);
    label->props["Width"] = Variant(10.0f);
    label->props["Height"] = Variant(10.0f);
    c.site.Add(label);
    c.Press(Hooked::Middle(2), 12);
    EXPECT_EQ(c.ctl->TabActive(), 1);
    EXPECT_TRUE(c.site.events.empty());

    // A control that cannot tell its size counts as 28 pixels square.
    auto timer = Windowless("Timer", "Timer1", 57, 0);
    c.site.Add(timer);
    c.Press(85, 12);
    EXPECT_EQ(c.ctl->TabActive(), 1);
    c.Press(86, 12);
    EXPECT_EQ(c.ctl->TabActive(), 2);

    // A line covers the box between its ends, whichever way it runs.
    c.site.Add(fakes::Line("Line1", 130, 120, 15, 5));
    c.Press(125, 10);
    EXPECT_EQ(c.ctl->TabActive(), 2);
    c.Press(125, 16);
    EXPECT_EQ(c.ctl->TabActive(), 3);
}

TEST(MessageHook, ControlsInTheStripAreFoundInTheContainersUnits) {
    Hooked c(false, host::vbTwips);
    auto label = Windowless("Label", "Label1", 1000, 0); // 66.7 pixels
    label->props["Width"] = Variant(300.0f);
    label->props["Height"] = Variant(300.0f);
    c.site.Add(label);
    c.Press(Hooked::Middle(2), 12);
    EXPECT_EQ(c.ctl->TabActive(), 1);
    c.Press(Hooked::Middle(2) + 10, 12);
    EXPECT_EQ(c.ctl->TabActive(), 2);
}

TEST(MessageHook, TheDesignersDoubleClickOnTheHeadersIsSwallowedAndOnThePanelPassedOn) {
    Hooked c(false);
    EXPECT_EQ(c.DoubleClick(Hooked::Middle(2), 12), 0);
    EXPECT_FALSE(c.WindowSaw(user::WM_LBUTTONDBLCLK));
    c.DoubleClick(100, 100);
    EXPECT_TRUE(c.WindowSaw(user::WM_LBUTTONDBLCLK));

    c.ctl->SetOrientation(vnOrientationRight);
    const int32_t edge = static_cast<int32_t>(c.ctl->State().PanelEdge);
    c.Forget();
    c.DoubleClick(edge + 1, 50);
    EXPECT_FALSE(c.WindowSaw(user::WM_LBUTTONDBLCLK)) << "right: the headers lie beyond the edge";
    c.DoubleClick(edge, 50);
    EXPECT_TRUE(c.WindowSaw(user::WM_LBUTTONDBLCLK)) << "the edge itself is the panel's";
}

TEST(MessageHook, AChildWindowMadeAtDesignTimeJoinsTheActiveTab) {
    Hooked c(false);
    c.ctl->SetTabActive(2);
    auto text = Windowed("Text9", 100, 60);
    c.site.Add(text);
    EXPECT_EQ(c.page(2).Count(), 0);
    const user::HWND child = c.Child();
    ASSERT_EQ(c.page(2).Count(), 1) << "adopted as the child window is made";
    EXPECT_EQ(c.page(2).records()[0]->Key(), "Text9");
    EXPECT_TRUE(c.WindowSaw(user::WM_PARENTNOTIFY));
    c.ctl->SetTabActive(1);
    EXPECT_FLOAT_EQ(text->number("Left"), 100 - 75000.0f) << "and hidden with its tab";
    user::DestroyWindow(child);

    // A child's button press notifies with the same low byte and counts alike.
    auto option = Windowed("Option1", 100, 60);
    c.site.Add(option);
    c.Send(user::WM_PARENTNOTIFY, user::WM_LBUTTONDOWN, 0);
    EXPECT_EQ(c.page(1).Count(), 1);
}

TEST(MessageHook, ADestroyedChildIsForgottenOnlyAtTheNextWatchedMessage) {
    Hooked c(false);
    c.site.Add(Windowed("Text1", 100, 60));
    c.site.Add(Windowed("Text2", 100, 90));
    const user::HWND child = c.Child();
    ASSERT_EQ(c.page(1).Count(), 2);
    std::vector<std::string> removed;
    c.page(1).CtlRemoved = [&](const std::shared_ptr<VNControl>& r) { removed.push_back(r->Key()); };

    c.site.contained->erase(c.site.contained->begin());
    user::DestroyWindow(child);
    EXPECT_EQ(c.page(1).Count(), 2) << "not while the child is being destroyed";
    c.Send(user::WM_USER, 0, 0);
    EXPECT_EQ(c.page(1).Count(), 2) << "an unwatched message changes nothing";
    c.Send(user::WM_ERASEBKGND, 0, 0);
    EXPECT_EQ(c.page(1).Count(), 1);
    EXPECT_EQ(removed, (Names{"Text1"}));
}

TEST(MessageHook, AnEraseMessageRefreshesThePageOnlyWhenItCarriesAnLParam) {
    Hooked c(false);
    c.site.Add(Windowed("Text1", 100, 60));
    // The window system's own erase message carries lParam 0.
    c.Send(user::WM_ERASEBKGND, 0, 0);
    EXPECT_EQ(c.page(1).Count(), 0);
    c.Send(user::WM_ERASEBKGND, 0, 1);
    EXPECT_EQ(c.page(1).Count(), 1);
    EXPECT_TRUE(c.WindowSaw(user::WM_ERASEBKGND)) << "the window still erases";
}
