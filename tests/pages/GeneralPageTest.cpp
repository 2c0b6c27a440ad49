#include "PageFixture.h"

#include "pages/GeneralPP.h"

using namespace vntab;
using fakes::Designer;
using fakes::ErrorOf;
using pages::GeneralPP;
using Names = std::vector<std::string>;

TEST(PageNumber, TextsThatCountAsNumbersAndTheirValues) {
    for (const char* number : {"12", "0", "-3", "1.5", ".5", "-", ".", "-.", "007"})
        EXPECT_TRUE(pages::IsPageNumber(number)) << number;
    for (const char* other : {"", "12a", "1.2.3", "1-2", " 1", "1 ", "+1", "&H10", "1e3", "--1"})
        EXPECT_FALSE(pages::IsPageNumber(other)) << other;
    EXPECT_EQ(pages::PageNumberValue("-"), 0);
    EXPECT_EQ(pages::PageNumberValue("-."), 0);
    EXPECT_EQ(pages::PageNumberValue("-2.5"), -2.5);
    EXPECT_EQ(pages::PageNumberValue("12a"), 12);
    EXPECT_EQ(pages::PageNumberValue("abc"), 0);
}

TEST(GeneralPage, ShowsTheFirstSelectedControlAndStaysUnchanged) {
    Designer d;
    d.c.ctl->SetTabCount(6);
    d.c.ctl->SetTabsPerRow(3);
    d.c.ctl->SetTabSeparation(4);
    d.c.ctl->SetTabRowSeparation(7);
    d.c.ctl->SetTabRowOffset(12);
    d.c.ctl->SetTabActive(5);
    d.c.ctl->SetTabRows(2);
    auto page = d.Open<GeneralPP>();
    Names texts;
    for (pages::Field* field : page->fields())
        texts.push_back(static_cast<pages::TextField*>(field)->text());
    EXPECT_EQ(texts, (Names{"6", "3", "4", "7", "12", "5", "2"}));
    EXPECT_FALSE(page->Changed());
    EXPECT_EQ(d.page_site.page_changes, std::vector<bool>{false});
    EXPECT_EQ(page->caption(), "General");
}

TEST(GeneralPage, LengthsAreInTheContainersUnits) {
    Designer d;
    d.c.site.container_scale_mode = host::vbTwips;
    d.c.ctl->Let("TabSeparation", rt::Variant(int16_t{60}));
    auto page = d.Open<GeneralPP>();
    EXPECT_EQ(page->txtTabSeparation.text(), "60");
    page->txtTabSeparation.SetText("150");
    page->ApplyChanges();
    EXPECT_EQ(d.c.state().TabSeparation, 10);
}

TEST(GeneralPage, ANonNumberTurnsRedWithoutMarkingThePageAndANumberTurnsBlackAndMarksIt) {
    Designer d;
    auto page = d.Open<GeneralPP>();
    page->txtTabCount.SetText("12a");
    EXPECT_EQ(page->txtTabCount.fore_color, 0xFF);
    EXPECT_FALSE(page->Changed());
    page->txtTabCount.SetText("12");
    EXPECT_EQ(page->txtTabCount.fore_color, 0);
    EXPECT_TRUE(page->Changed());
    EXPECT_EQ(d.page_site.page_changes, (std::vector<bool>{false, true}));
}

TEST(GeneralPage, ShrinkingBelowTheActiveTabActivatesTheFirstTabBeforeTheCountChanges) {
    Designer d;
    d.c.ctl->SetTabCount(6);
    d.c.ctl->SetTabActive(5);
    auto page = d.Open<GeneralPP>();
    page->txtTabCount.SetText("2");
    d.c.site.property_changes.clear();
    page->ApplyChanges();
    EXPECT_EQ(d.c.ctl->TabActive(), 1);
    EXPECT_EQ(d.c.ctl->TabCount(), 2);
    EXPECT_EQ(page->txtTabActive.text(), "1");
    ASSERT_GE(d.c.site.property_changes.size(), 2u);
    EXPECT_EQ(d.c.site.property_changes[0], "TabActive");
    EXPECT_EQ(d.c.site.property_changes[1], "TabCount");
    EXPECT_FALSE(page->Changed());
    EXPECT_TRUE(d.page_site.message_boxes.empty());
}

TEST(GeneralPage, RowsAreCorrectedToTheCountOrToNone) {
    Designer d;
    d.c.ctl->SetTabCount(4);
    auto page = d.Open<GeneralPP>();
    for (auto [typed, rows] : {std::pair{"9", 4}, {"-2", 0}, {"3", 3}}) {
        page->txtTabRows.SetText(typed);
        page->ApplyChanges();
        EXPECT_EQ(d.c.ctl->TabRows(), rows) << typed;
    }
}

TEST(GeneralPage, EachNonNumberStopsTheApplyWithItsMessageAfterTheFieldsBeforeIt) {
    // Field by field in the order of the apply, with a new value each that the control accepts.
    const fakes::PageEntries order = {
        {"TabCount", "5"},     {"TabsPerRow", "2"}, {"TabSeparation", "3"}, {"TabRowSeparation", "4"},
        {"TabRowOffset", "6"}, {"TabActive", "2"},  {"TabRows", "1"},
    };
    for (size_t bad = 0; bad < order.size(); ++bad) {
        Designer d;
        auto page = d.Open<GeneralPP>();
        fakes::TypeEntries(*page, order, bad, "x");
        page->ApplyChanges();
        SCOPED_TRACE(order[bad].first);
        EXPECT_EQ(d.page_site.MessageTexts(), Names{fakes::NotANumber(order[bad].first)});
        EXPECT_EQ(d.page_site.message_boxes[0].style, 0);
        EXPECT_FALSE(d.page_site.message_boxes[0].title.has_value());
        EXPECT_EQ(fakes::AppliedEntries(*d.c.ctl, order), fakes::FirstOf(order.size(), bad));
        EXPECT_TRUE(page->Changed());
    }
}

TEST(GeneralPage, TheActiveTabMustLieWithinTheCount) {
    for (const char* active : {"0", "-1"}) {
        Designer d;
        auto page = d.Open<GeneralPP>();
        page->txtTabCount.SetText("4");
        page->txtTabActive.SetText(active);
        page->txtTabRows.SetText("2");
        page->ApplyChanges();
        EXPECT_EQ(d.page_site.MessageTexts(), Names{"Property 'TabActive' must be within 1 and TabCount."});
        EXPECT_EQ(d.c.ctl->TabCount(), 4);
        EXPECT_EQ(d.c.ctl->TabRows(), 0);
    }
}

TEST(GeneralPage, AValueTheControlRefusesRaisesItsErrorAfterTheFieldsBeforeIt) {
    Designer d;
    auto page = d.Open<GeneralPP>();
    page->txtTabCount.SetText("3");
    page->txtTabsPerRow.SetText("-1");
    EXPECT_EQ(ErrorOf([&] { page->ApplyChanges(); }).number, 380);
    EXPECT_EQ(d.c.ctl->TabCount(), 3);
    EXPECT_TRUE(page->Changed());
    // "-" passes the page's test but is no number to the control.
    page->txtTabsPerRow.SetText("-");
    EXPECT_EQ(ErrorOf([&] { page->ApplyChanges(); }).number, 13);
}

TEST(GeneralPage, NothingSelectedLeavesThePageAsItIs) {
    Designer d;
    d.page_site.selected.clear();
    GeneralPP page(d.page_site);
    page.SelectionChanged();
    page.txtTabCount.SetText("7");
    page.ApplyChanges();
    EXPECT_EQ(page.txtTabActive.text(), "");
    EXPECT_EQ(d.c.ctl->TabCount(), 1);
    EXPECT_TRUE(page.Changed());
}
