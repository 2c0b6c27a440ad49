#include "support/ControlFixture.h"

using namespace vntab;
using fakes::NewControl;
using rt::Variant;

TEST(TabEvents, ACaptionChangeUpdatesItsAccessKeyAndRepaints) {
    NewControl c;
    c.ctl->SetTabCount(3);
    int32_t repaints = c.repaints();
    c.tab(2)->SetCaption("&Options");
    EXPECT_EQ(c.site.access_keys, "1O3");
    EXPECT_EQ(c.repaints(), repaints + 1);
    c.tab(2)->SetCaption("none");
    EXPECT_EQ(c.site.access_keys, "1&3");
}

TEST(TabEvents, AShortAccessKeyStringIsFilledUpToTheTab) {
    NewControl c;
    c.ctl->SetTabCount(3);
    c.site.access_keys = "1";
    c.tab(3)->SetCaption("&C");
    EXPECT_EQ(c.site.access_keys, "1&C");
}

TEST(TabEvents, ColourAndPictureChangesRepaint) {
    NewControl c;
    int32_t repaints = c.repaints();
    auto tab = c.tab(1);
    tab->SetBackColor(1);
    tab->SetForeColor(2);
    tab->SetColor3DDKShadow(3);
    tab->SetColor3DHighlight(4);
    tab->SetColor3DShadow(5);
    tab->SetPicture(fakes::IconPicture());
    EXPECT_EQ(c.repaints(), repaints + 6);
}

TEST(TabEvents, KeyAndTagChangesDoNotRepaint) {
    NewControl c;
    int32_t repaints = c.repaints();
    c.tab(1)->SetKey(Variant("key"));
    c.tab(1)->SetTag(Variant("tag"));
    EXPECT_EQ(c.repaints(), repaints);
    EXPECT_EQ(c.site.access_keys, "1");
}

TEST(TabEvents, AddingATabRepaintsRemovingDoesNot) {
    NewControl c;
    int32_t repaints = c.repaints();
    c.ctl->Tabs()->Add(std::nullopt, std::nullopt, Variant("&New"));
    EXPECT_EQ(c.repaints(), repaints + 1);
    EXPECT_EQ(c.site.access_keys, "1N");
    c.ctl->Tabs()->Remove(Variant(1));
    c.ctl->Tabs()->Clear();
    EXPECT_EQ(c.repaints(), repaints + 1);
}

TEST(TabEvents, ARemovedTabNoLongerTouchesTheAccessKeys) {
    NewControl c;
    c.ctl->SetTabCount(2);
    auto removed = c.tab(2);
    c.ctl->Tabs()->Remove(Variant(2));
    c.ctl->Tabs()->Add(std::nullopt, std::nullopt, Variant("&Fresh"));
    removed->SetCaption("&Old");
    EXPECT_EQ(c.site.access_keys, "12F");
    EXPECT_EQ(c.tab(2)->Caption(), "&Fresh");
}

TEST(TabEvents, TabsOutliveTheControlWithoutReachingIt) {
    std::shared_ptr<VNTab> kept;
    std::shared_ptr<VNTabs> tabs;
    {
        NewControl c;
        kept = c.tab(1);
        tabs = c.ctl->Tabs();
    }
    kept->SetCaption("&Later");
    tabs->Add();
    EXPECT_EQ(kept->Parent(), tabs);
    EXPECT_EQ(tabs->Count(), 2);
    EXPECT_EQ(tabs->ParentControl(), nullptr);
}
