#include "support/ControlFixture.h"

#include "contained/VNControl.h"
#include "contained/VNControls.h"

using namespace vntab;
using fakes::ErrorOf;
using fakes::NewControl;
using fakes::PlaceOnTab;
using rt::Variant;
using Names = std::vector<std::string>;

namespace {

std::vector<std::string> captions(NewControl& c) {
    std::vector<std::string> names;
    for (const auto& t : c.ctl->Tabs()->tabs())
        names.push_back(t->Caption());
    return names;
}

} // namespace

TEST(TabCount, GrowingAddsTabsWithDefaultCaptions) {
    NewControl c;
    c.ctl->SetTabCount(2);
    c.site.property_changes.clear();
    c.ctl->SetTabCount(4);
    EXPECT_EQ(captions(c), (Names{"Tab &1", "Tab &2", "Tab &3", "Tab &4"}));
    EXPECT_EQ(c.site.access_keys, "1234");
    EXPECT_EQ(c.site.property_changes, (Names{"TabCount"}));
    EXPECT_FALSE(c.state().Busy);
}

TEST(TabCount, NoFullRedrawHappensWhileTabsAreAdded) {
    NewControl c;
    int32_t full = c.ctl->Redraws().full_redraws;
    c.ctl->SetTabCount(10);
    // One redraw after the tabs are in, one for the new count.
    EXPECT_EQ(c.ctl->Redraws().full_redraws, full + 2);
}

TEST(TabCount, BelowOneIsRefusedWithItsOwnSource) {
    NewControl c;
    auto e = ErrorOf([&] { c.ctl->SetTabCount(0); });
    EXPECT_EQ(e.number, 380);
    EXPECT_EQ(e.source, "TabCount must be greater than 0");
    EXPECT_EQ(e.description, "Invalid property value");
    EXPECT_EQ(c.ctl->TabCount(), 1);
    EXPECT_TRUE(c.site.property_changes.empty());
}

TEST(TabCount, SettingTheSameCountStillReports) {
    NewControl c;
    c.ctl->SetTabCount(1);
    EXPECT_EQ(c.site.property_changes, (Names{"TabCount"}));
}

TEST(TabCount, ShrinkingWithoutControlsAsksNothing) {
    NewControl c;
    c.ctl->SetTabCount(5);
    c.ctl->SetTabRows(5);
    c.ctl->SetTabActive(5);
    c.site.property_changes.clear();
    c.ctl->SetTabCount(3);
    EXPECT_TRUE(c.site.message_boxes.empty());
    EXPECT_EQ(c.ctl->TabCount(), 3);
    EXPECT_EQ(c.ctl->TabActive(), 3);
    EXPECT_EQ(c.ctl->TabRows(), 3);
    // TabRows and TabActive follow silently.
    EXPECT_EQ(c.site.property_changes, (Names{"TabCount"}));
    // The access-key string keeps its characters for the removed tabs.
    EXPECT_EQ(c.site.access_keys, "12345");
}

TEST(TabCount, ShrinkingAsksOnceAndMovesControlsToTabOne) {
    NewControl c;
    c.ctl->SetTabCount(4);
    auto on3 = PlaceOnTab(c, 3, "Text3");
    auto on4 = PlaceOnTab(c, 4, "Text4");
    auto on1 = PlaceOnTab(c, 1, "Text1");
    c.site.property_changes.clear();
    c.ctl->SetTabCount(2);

    ASSERT_EQ(c.site.message_boxes.size(), 1u);
    EXPECT_EQ(c.site.message_boxes[0].text,
              "Controls on removed tabs will be placed on Tab 1. Hit OK to continue.");
    EXPECT_EQ(c.site.message_boxes[0].style, 33);
    EXPECT_EQ(c.site.message_boxes[0].title, "Kelmora");
    EXPECT_EQ(c.ctl->TabCount(), 2);
    auto page = c.tab(1)->Controls();
    ASSERT_EQ(page->Count(), 3);
    EXPECT_EQ(page->records()[1]->Key(), "Text4");
    EXPECT_EQ(page->records()[2]->Key(), "Text3");
    EXPECT_EQ(page->records()[2]->Control(), on3);
    // Tab 1 is showing, so every control now on it is in view.
    for (const auto& control : {on1, on3, on4})
        EXPECT_FLOAT_EQ(control->number("Left"), 100.0f);
    EXPECT_EQ(c.site.property_changes, (Names{"TabCount"}));
    EXPECT_FALSE(c.state().Busy);
}

TEST(TabCount, CancellingTheQuestionChangesNothing) {
    NewControl c;
    c.ctl->SetTabCount(3);
    auto on3 = PlaceOnTab(c, 3, "Text3");
    c.site.property_changes.clear();
    c.site.answers.push_back(host::vbCancel);
    int32_t repaints = c.repaints();
    c.ctl->SetTabCount(1);
    EXPECT_EQ(c.ctl->TabCount(), 3);
    EXPECT_EQ(c.tab(3)->Controls()->Count(), 1);
    EXPECT_FLOAT_EQ(on3->number("Left"), 100.0f - 75000.0f);
    EXPECT_TRUE(c.site.property_changes.empty());
    EXPECT_EQ(c.repaints(), repaints);
}

TEST(TabCount, OnlyRemovedTabsAreAskedAbout) {
    NewControl c;
    c.ctl->SetTabCount(3);
    PlaceOnTab(c, 2, "Text2");
    c.ctl->SetTabCount(2);
    EXPECT_TRUE(c.site.message_boxes.empty());
    EXPECT_EQ(c.tab(2)->Controls()->Count(), 1);
}

TEST(TabCount, ByNameThroughAutomation) {
    NewControl c;
    c.ctl->Let("TabCount", Variant("3"));
    EXPECT_EQ(c.ctl->Get("TabCount"), Variant(int16_t(3)));
    EXPECT_THROW(c.ctl->Let("TabCount", Variant("many")), rt::AutomationError);
}
