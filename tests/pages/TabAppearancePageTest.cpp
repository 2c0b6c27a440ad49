#include "PageFixture.h"

#include "pages/TabAppearancePP.h"

using namespace vntab;
using fakes::Designer;
using fakes::ErrorOf;
using pages::TabAppearancePP;
using Names = std::vector<std::string>;

TEST(TabAppearancePage, ListPositionsAreThePropertyValues) {
    Designer d;
    d.c.ctl->SetTabStyle(3);
    d.c.ctl->SetTabJustification(2);
    d.c.ctl->SetTabCaptionAlign(4);
    d.c.ctl->SetTabPictureAlign(14);
    d.c.ctl->SetTabActiveBold(true);
    auto page = d.Open<TabAppearancePP>();
    EXPECT_EQ(page->cboTabStyle.list_index(), 3);
    EXPECT_EQ(page->cboTabStyle.text(), "Slanted");
    EXPECT_EQ(page->cboTabJustification.text(), "VNJustifiedProportional");
    EXPECT_EQ(page->cboTabCaptionAlignment.text(), "vnTextMiddleRight");
    EXPECT_EQ(page->cboTabPictureAlignment.text(), "vnPictBelowText");
    EXPECT_EQ(page->cboTabPictureAlignment.list_count(), 15);
    EXPECT_EQ(page->cboTabCaptionAlignment.list_count(), 9);
    EXPECT_EQ(page->cboTabStyle.items(), (Names{"Normal", "Chamfered", "Rounded", "Slanted", "Square"}));
    EXPECT_EQ(page->cboTabJustification.list_count(), 4);
    EXPECT_TRUE(page->chkTabActiveBold.checked());
    EXPECT_EQ(page->txtTabWidth.text(), "50");
    EXPECT_EQ(page->txtTabHeight.text(), "20");
    EXPECT_EQ(page->txtTabActiveBevel.text(), "2");
    EXPECT_EQ(page->txtTabActiveInflate.text(), "2");
    EXPECT_FALSE(page->Changed());
}

TEST(TabAppearancePage, ChoosingRoundedWritesStyle2) {
    Designer d;
    auto page = d.Open<TabAppearancePP>();
    page->cboTabStyle.Choose(2);
    EXPECT_TRUE(page->Changed());
    d.c.site.property_changes.clear();
    page->ApplyChanges();
    EXPECT_EQ(d.c.ctl->TabStyle(), 2);
    EXPECT_FALSE(page->Changed());
    // The lists go last, in their own order.
    const Names& changes = d.c.site.property_changes;
    const Names last4(changes.end() - 4, changes.end());
    EXPECT_EQ(last4, (Names{"TabJustification", "TabCaptionAlign", "TabStyle", "TabPictureAlign"}));
}

TEST(TabAppearancePage, ClicksOnListsAndTheCheckBoxMarkThePageChanged) {
    Designer d;
    auto page = d.Open<TabAppearancePP>();
    page->cboTabPictureAlignment.Choose(0);
    EXPECT_TRUE(page->Changed());
    page->ApplyChanges();
    EXPECT_FALSE(page->Changed());
    page->chkTabActiveBold.SetChecked(true);
    EXPECT_TRUE(page->Changed());
    page->ApplyChanges();
    EXPECT_TRUE(d.c.ctl->TabActiveBold());
}

TEST(TabAppearancePage, WidthAndStyleWidthRaisedTogetherFailAtTheStyleWidth) {
    Designer d;
    auto page = d.Open<TabAppearancePP>();
    // 40 fits half of the new width 200 but not half of the current 50.
    page->txtTabWidth.SetText("200");
    page->txtTabStyleWidth.SetText("40");
    page->txtTabHeight.SetText("30");
    page->txtTabStyleHeight.SetText("25");
    EXPECT_EQ(ErrorOf([&] { page->ApplyChanges(); }).number, 380);
    EXPECT_EQ(d.c.ctl->TabHeight(), 30);
    EXPECT_EQ(d.c.ctl->TabStyleHeight(), 25);
    EXPECT_EQ(d.c.ctl->TabStyleWidth(), 0);
    EXPECT_EQ(d.c.ctl->TabWidth(), 50);
    EXPECT_TRUE(page->Changed());
}

TEST(TabAppearancePage, EachNonNumberStopsTheApplyWithItsMessage) {
    const fakes::PageEntries order = {
        {"TabActiveBevel", "3"}, {"TabActiveInflate", "4"}, {"TabHeight", "24"},
        {"TabStyleHeight", "5"}, {"TabStyleWidth", "6"},    {"TabWidth", "70"},
    };
    for (size_t bad = 0; bad < order.size(); ++bad) {
        Designer d;
        auto page = d.Open<TabAppearancePP>();
        page->chkTabActiveBold.SetChecked(true);
        page->cboTabStyle.Choose(4);
        fakes::TypeEntries(*page, order, bad, "1.2.3");
        page->ApplyChanges();
        SCOPED_TRACE(order[bad].first);
        EXPECT_EQ(d.page_site.MessageTexts(), Names{fakes::NotANumber(order[bad].first)});
        EXPECT_EQ(fakes::AppliedEntries(*d.c.ctl, order), fakes::FirstOf(order.size(), bad));
        // The bold caption is written second, the lists only after every text.
        EXPECT_EQ(d.c.ctl->TabActiveBold(), bad > 0);
        EXPECT_EQ(d.c.ctl->TabStyle(), 0);
    }
}
