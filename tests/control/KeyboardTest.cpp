#include "support/ControlFixture.h"

#include "contained/VNControl.h"
#include "contained/VNControls.h"

using namespace vntab;
using fakes::ErrorOf;
using fakes::NewControl;
using fakes::Windowed;
using rt::Variant;
using Names = std::vector<std::string>;

namespace {

constexpr int16_t kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

// A running control with `tabs` tabs, `active` active, nothing recorded yet.
struct Keys : NewControl {
    explicit Keys(int16_t tabs = 3, int16_t active = 1) {
        ctl->SetTabCount(tabs);
        ctl->SetTabActive(active);
        site.events.clear();
        site.property_changes.clear();
    }
    int16_t Press(int16_t key, int16_t shift = 0) {
        ctl->KeyDown(key, shift);
        return key;
    }
    void Captions(const std::vector<std::string>& captions) {
        for (size_t i = 0; i < captions.size(); ++i)
            tab(static_cast<int32_t>(i) + 1)->SetCaption(captions[i]);
        site.events.clear();
        site.property_changes.clear();
    }
};

} // namespace

TEST(ArrowKeys, RightFromTheLastTabWrapsToTheFirstWithEventsInOrder) {
    Keys c(3, 3);
    c.Press(kRight, 1);
    EXPECT_EQ(c.ctl->TabActive(), 1);
    EXPECT_EQ(c.site.EventNames(), (Names{"BeforeTabChanged", "AfterTabChanged", "KeyDown"}));
    EXPECT_EQ(c.site.Arg(0, "PreviousTab"), Variant(int16_t{3}));
    EXPECT_EQ(c.site.Arg(1, "NewTab"), Variant(int16_t{1}));
    EXPECT_EQ(c.site.Arg(2, "KeyCode"), Variant(kRight));
    EXPECT_EQ(c.site.Arg(2, "Shift"), Variant(int16_t{1}));
    // The quick road reports no property change.
    EXPECT_TRUE(c.site.property_changes.empty());
}

TEST(ArrowKeys, UpFromTheFirstTabGoesToTheLastAndDownAndLeftStepOnce) {
    Keys c(4, 1);
    c.Press(kUp);
    EXPECT_EQ(c.ctl->TabActive(), 4);
    c.Press(kLeft);
    EXPECT_EQ(c.ctl->TabActive(), 3);
    c.Press(kDown);
    c.Press(kDown);
    EXPECT_EQ(c.ctl->TabActive(), 1);
}

TEST(ArrowKeys, ACancelledStepSwallowsTheKey) {
    Keys c(3, 2);
    c.site.handlers["BeforeTabChanged"] = [](std::span<host::EventArg> args) {
        args[0].value = Variant(true);
    };
    const int32_t repaints = c.repaints();
    c.Press(kLeft);
    EXPECT_EQ(c.ctl->TabActive(), 2);
    EXPECT_EQ(c.site.EventNames(), (Names{"BeforeTabChanged"}));
    EXPECT_EQ(c.repaints(), repaints);
}

TEST(ArrowKeys, ASwitchHidesTheOldPageAndShowsTheNew) {
    Keys c(2, 1);
    auto first = Windowed("Text1", 100);
    auto second = Windowed("Text2", 100 - 75000, 0, true);
    c.tab(1)->Controls()->Add("Text1", -1, c.ctl)->SetControl(first);
    c.tab(2)->Controls()->Add("Text2", -1, c.ctl)->SetControl(second);
    c.Press(kRight);
    EXPECT_FLOAT_EQ(first->number("Left"), 100.0f - 75000.0f);
    EXPECT_EQ(first->Get("TabStop"), Variant(false));
    EXPECT_FLOAT_EQ(second->number("Left"), 100.0f);
    c.Press(kRight);
    EXPECT_FLOAT_EQ(first->number("Left"), 100.0f);
    EXPECT_EQ(first->Get("TabStop"), Variant(true));
}

TEST(OtherKeys, RaiseOnlyTheirOwnEventsWithTheCodesTheHandlerLeaves) {
    Keys c;
    c.site.handlers["KeyDown"] = [](std::span<host::EventArg> args) { args[0].value = Variant(int16_t{0}); };
    c.site.handlers["KeyPress"] = [](std::span<host::EventArg> args) {
        args[0].value = Variant(int16_t{66});
    };
    EXPECT_EQ(c.Press(65), 0);
    int16_t ascii = 97;
    c.ctl->KeyPress(ascii);
    EXPECT_EQ(ascii, 66);
    int16_t up = 65;
    c.ctl->KeyUp(up, 2);
    EXPECT_EQ(up, 65);
    EXPECT_EQ(c.ctl->TabActive(), 1);
    EXPECT_EQ(c.site.EventNames(), (Names{"KeyDown", "KeyPress", "KeyUp"}));
    EXPECT_EQ(c.site.Arg(1, "KeyAscii"), Variant(int16_t{66}));
    EXPECT_EQ(c.site.Arg(2, "Shift"), Variant(int16_t{2}));
    // An arrow key whose handler changes the code still moved the tab first.
    EXPECT_EQ(c.Press(kRight), 0);
    EXPECT_EQ(c.ctl->TabActive(), 2);
}

TEST(AccessKeys, TabsSharingAKeyTakeTurns) {
    Keys c(4, 2);
    c.Captions({"&One", "&File", "&Three", "&Format"});
    ASSERT_EQ(c.site.access_keys, "OFTF");
    c.ctl->AccessKeyPress('F');
    EXPECT_EQ(c.ctl->TabActive(), 4);
    EXPECT_EQ(c.site.EventNames(), (Names{"BeforeTabChanged", "AfterTabChanged"}));
    EXPECT_EQ(c.site.Arg(0, "PreviousTab"), Variant(int16_t{2}));
    EXPECT_EQ(c.site.Arg(1, "NewTab"), Variant(int16_t{4}));
    // Set through the property: reported like any set of TabActive.
    EXPECT_EQ(c.site.property_changes, (Names{"TabActive"}));
    c.ctl->AccessKeyPress('F');
    EXPECT_EQ(c.ctl->TabActive(), 2);
}

TEST(AccessKeys, TheActiveTabsOwnKeyKeepsItAndStillRaisesBothEvents) {
    Keys c(3, 3);
    c.Captions({"&One", "&Two", "&Three"});
    c.ctl->AccessKeyPress('T');
    EXPECT_EQ(c.ctl->TabActive(), 2);
    c.ctl->AccessKeyPress('O');
    c.site.events.clear();
    c.ctl->AccessKeyPress('O');
    EXPECT_EQ(c.ctl->TabActive(), 1);
    EXPECT_EQ(c.site.EventNames(), (Names{"BeforeTabChanged", "AfterTabChanged"}));
}

TEST(AccessKeys, CancelTheMarkerAndUnknownKeys) {
    Keys c(3, 1);
    c.Captions({"&One", "Two", "&Three"});
    ASSERT_EQ(c.site.access_keys, "O&T");
    c.ctl->AccessKeyPress('&');
    EXPECT_TRUE(c.site.events.empty());
    c.site.handlers["BeforeTabChanged"] = [](std::span<host::EventArg> args) {
        args[0].value = Variant(true);
    };
    c.ctl->AccessKeyPress('T');
    EXPECT_EQ(c.ctl->TabActive(), 1);
    EXPECT_EQ(c.site.EventNames(), (Names{"BeforeTabChanged"}));
    c.site.handlers.clear();
    // Binary comparison: the lower-case key is not registered, and tab 0 does not exist.
    EXPECT_EQ(ErrorOf([&] { c.ctl->AccessKeyPress('t'); }).number, 380);
    EXPECT_EQ(c.ctl->TabActive(), 1);
}

TEST(Focus, GotAndLostFocusRedrawAndRaiseNothing) {
    Keys c;
    const int32_t repaints = c.repaints();
    c.ctl->GotFocus();
    EXPECT_TRUE(c.state().HasFocus);
    c.ctl->LostFocus();
    EXPECT_FALSE(c.state().HasFocus);
    EXPECT_EQ(c.repaints(), repaints + 2);
    EXPECT_TRUE(c.site.events.empty());
}
