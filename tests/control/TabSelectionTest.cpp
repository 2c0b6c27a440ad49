#include "support/ControlFixture.h"

#include "layout/Constants.h"
#include "layout/HitTest.h"
#include "layout/TabLayout.h"

using namespace vntab;
using fakes::NewControl;
using fakes::PlaceOnTab;
using rt::Variant;
using Names = std::vector<std::string>;

namespace {

// A running control with `tabs` tabs in one top row of a 300 x 200 pixel container: header i spans
// x 2 + 50 (i - 1) to 52 + 50 (i - 1), y 2 to 22. Nothing recorded yet.
struct Tabs : NewControl {
    explicit Tabs(int16_t tabs = 3, bool user_mode = true) : NewControl(host::vbPixels, user_mode) {
        ctl->SetTabCount(tabs);
        Forget();
    }
    void Forget() {
        site.events.clear();
        site.property_changes.clear();
    }
    static float Middle(int16_t tab) { return static_cast<float>(27 + 50 * (tab - 1)); }
    void Press(int16_t tab, int16_t button = 1) { ctl->MouseDown(button, 0, Middle(tab), 12); }
    void Release(int16_t tab, int16_t button = 1) { ctl->MouseUp(button, 0, Middle(tab), 12); }
    // A click as the container delivers it to a control that already has the focus.
    void ClickOn(int16_t tab) {
        Press(tab);
        Release(tab);
        ctl->Click();
    }
    void Focus() {
        ctl->GotFocus();
        Forget();
    }
    void CancelChanges() {
        site.handlers["BeforeTabChanged"] = [](std::span<host::EventArg> args) {
            args[0].value = Variant(true);
        };
    }
};

} // namespace

TEST(TabSelection, APressOnAHeaderOfAFocusedControlSwitchesAtOnce) {
    Tabs c;
    c.Focus();
    c.Press(2);
    EXPECT_EQ(c.ctl->TabActive(), 2);
    EXPECT_EQ(c.site.EventNames(), (Names{"MouseDown", "BeforeTabChanged", "AfterTabChanged"}));
    EXPECT_EQ(c.site.Arg(1, "Cancel"), Variant(false));
    EXPECT_EQ(c.site.Arg(1, "PreviousTab"), Variant(int16_t{1}));
    EXPECT_EQ(c.site.Arg(2, "NewTab"), Variant(int16_t{2}));
    // The press reports the change; the switch itself stores TabActive without reporting again.
    EXPECT_EQ(c.site.property_changes, (Names{"TabActive"}));
    EXPECT_EQ(c.state().PendingTab, Variant(int16_t{2}));
    // The new tab's header is the one drawn inflated now.
    EXPECT_TRUE(PointInTab(*c.ctl, 2, 50, 0));
}

TEST(TabSelection, MouseEventsCarryTheirArgumentsByName) {
    Tabs c;
    c.ctl->MouseDown(2, 3, 10.5f, 300);
    c.ctl->MouseMove(0, 1, 11, 12);
    c.ctl->MouseUp(2, 0, 12, 13);
    c.ctl->DblClick();
    ASSERT_EQ(c.site.EventNames(), (Names{"MouseDown", "MouseMove", "MouseUp", "DblClick"}));
    const auto& down = c.site.events[0].args;
    ASSERT_EQ(down.size(), 4u);
    EXPECT_EQ(down[0], (std::pair<std::string, Variant>{"Button", Variant(int16_t{2})}));
    EXPECT_EQ(down[1], (std::pair<std::string, Variant>{"Shift", Variant(int16_t{3})}));
    EXPECT_EQ(down[2], (std::pair<std::string, Variant>{"x", Variant(10.5f)}));
    EXPECT_EQ(down[3], (std::pair<std::string, Variant>{"y", Variant(300.0f)}));
    EXPECT_EQ(c.site.Arg(1, "Shift"), Variant(int16_t{1}));
    EXPECT_TRUE(c.site.events[3].args.empty());
    EXPECT_EQ(c.ctl->TabActive(), 1);
}

TEST(TabSelection, WithoutTheFocusTheSwitchWaitsForTheReleaseOfTheButton) {
    Tabs c;
    c.Press(3);
    EXPECT_EQ(c.ctl->TabActive(), 1);
    EXPECT_TRUE(c.state().TabChangePending);
    EXPECT_EQ(c.site.EventNames(), (Names{"MouseDown"}));
    c.Release(3);
    c.ctl->Click();
    EXPECT_EQ(c.ctl->TabActive(), 3);
    EXPECT_FALSE(c.state().TabChangePending);
    EXPECT_EQ(c.site.EventNames(),
              (Names{"MouseDown", "BeforeTabChanged", "AfterTabChanged", "MouseUp", "Click"}));
}

TEST(TabSelection, APendingSwitchHappensOnTheFirstOfFocusReleaseAndClick) {
    Tabs focus;
    focus.Press(2);
    focus.ctl->GotFocus();
    focus.Release(2);
    EXPECT_EQ(focus.site.EventNames(),
              (Names{"MouseDown", "BeforeTabChanged", "AfterTabChanged", "MouseUp"}));
    Tabs click;
    click.Press(2);
    click.ctl->Click();
    click.ctl->GotFocus();
    EXPECT_EQ(click.site.EventNames(), (Names{"MouseDown", "BeforeTabChanged", "AfterTabChanged", "Click"}));
    EXPECT_EQ(click.ctl->TabActive(), 2);
}

TEST(TabSelection, TheDesignerSwitchesAtOnceWithoutTheFocus) {
    Tabs c(3, false);
    c.Press(2);
    EXPECT_EQ(c.ctl->TabActive(), 2);
    EXPECT_FALSE(c.state().TabChangePending);
}

TEST(TabSelection, ACancelledSwitchKeepsTheTabAndTheNextClickAsksAgain) {
    Tabs c;
    c.Focus();
    c.CancelChanges();
    const int32_t redraws = c.ctl->Redraws().full_redraws;
    c.ClickOn(2);
    EXPECT_EQ(c.ctl->TabActive(), 1);
    EXPECT_EQ(c.site.EventNames(), (Names{"MouseDown", "BeforeTabChanged", "MouseUp", "Click"}));
    EXPECT_EQ(c.site.Arg(1, "Cancel"), Variant(true));
    EXPECT_EQ(c.ctl->Redraws().full_redraws, redraws);
    // The tab stays chosen: the next press on it asks again, and this time it is allowed.
    c.site.handlers.clear();
    c.Forget();
    c.ClickOn(2);
    EXPECT_EQ(c.ctl->TabActive(), 2);
    EXPECT_EQ(c.site.EventNames(),
              (Names{"MouseDown", "BeforeTabChanged", "AfterTabChanged", "MouseUp", "Click"}));
}

TEST(TabSelection, PressesThatSelectNoHeaderRaiseOnlyMouseEvents) {
    Tabs c;
    c.Focus();
    c.Press(2, 2);                  // the right button
    c.Press(2, 3);                  // left and right together
    c.ctl->MouseDown(1, 0, 77, 22); // on the panel edge
    c.ctl->MouseDown(1, 0, 77, 100);
    c.ctl->MouseDown(1, 0, 200, 12); // past the last header
    c.Press(1);                      // the active tab
    EXPECT_EQ(c.ctl->TabActive(), 1);
    EXPECT_EQ(c.site.EventNames(), Names(6, "MouseDown"));
    EXPECT_TRUE(c.site.property_changes.empty());
}

TEST(TabSelection, AMouseDownHandlerRedirectsOrSuppressesTheSelection) {
    Tabs c;
    c.Focus();
    c.site.handlers["MouseDown"] = [](std::span<host::EventArg> args) {
        args[2].value = Variant(Tabs::Middle(3));
    };
    c.Press(2);
    EXPECT_EQ(c.ctl->TabActive(), 3);
    EXPECT_EQ(c.site.Arg(0, "x"), Variant(Tabs::Middle(3)));
    c.site.handlers["MouseDown"] = [](std::span<host::EventArg> args) {
        args[0].value = Variant(int16_t{2});
    };
    c.Forget();
    c.Press(1);
    EXPECT_EQ(c.ctl->TabActive(), 3);
    EXPECT_EQ(c.site.EventNames(), (Names{"MouseDown"}));
    EXPECT_EQ(c.site.Arg(0, "Button"), Variant(int16_t{2}));
}

TEST(TabSelection, ASwitchMovesTheContainedControlsOfBothPages) {
    Tabs c;
    auto first = PlaceOnTab(c, 1, "Text1");
    auto second = PlaceOnTab(c, 2, "Text2");
    std::vector<float> left_at_before;
    c.site.handlers["BeforeTabChanged"] = [&](std::span<host::EventArg>) {
        left_at_before = {rt::CSng(first->Get("Left")), rt::CSng(second->Get("Left"))};
    };
    c.Focus();
    c.Press(2);
    // Nothing has moved when the program is asked; afterwards only the new page is in view, and
    // the hidden text box is out of the Tab key's way.
    EXPECT_EQ(left_at_before, (std::vector<float>{100.0f, 100.0f - 75000.0f}));
    EXPECT_FLOAT_EQ(first->number("Left"), 100.0f - 75000.0f);
    EXPECT_FLOAT_EQ(second->number("Left"), 100.0f);
    EXPECT_EQ(first->Get("TabStop"), Variant(false));
}

TEST(TabSelection, ABackRowHeaderComesToTheFrontWithItsRow) {
    for (int32_t orientation :
         {vnOrientationTop, vnOrientationRight, vnOrientationBottom, vnOrientationLeft}) {
        SCOPED_TRACE(orientation);
        Tabs c(6);
        c.ctl->SetTabRows(2);
        c.ctl->SetOrientation(orientation);
        c.Focus();
        ASSERT_EQ(GetTabRow(*c.ctl, 5), 1);
        // The outer side of tab 5's header, in view behind the front row.
        const gdi::RECT r = c.tab(5)->TabRect();
        const int32_t along = (r.right - r.left) / 2;
        const float x = static_cast<float>(
            orientation == vnOrientationTop || orientation == vnOrientationBottom ? r.left + along
            : orientation == vnOrientationRight                                   ? r.left + 15
                                                                                  : r.left + 5);
        const float y = static_cast<float>(orientation == vnOrientationTop      ? r.top + 5
                                           : orientation == vnOrientationBottom ? r.top + 15
                                                                                : r.top + along);
        c.ctl->MouseDown(1, 0, x, y);
        EXPECT_EQ(c.ctl->TabActive(), 5);
        EXPECT_EQ(GetTabRow(*c.ctl, 5), 0);
        EXPECT_EQ(GetTabRow(*c.ctl, 1), 1);
    }
}
