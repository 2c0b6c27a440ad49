#include "PageFixture.h"

#include "contained/VNControl.h"
#include "contained/VNControls.h"
#include "pages/TabsPP.h"

#include <filesystem>

using namespace vntab;
using fakes::Designer;
using fakes::ErrorOf;
using pages::TabsPP;
using Names = std::vector<std::string>;

namespace {

constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000F);
constexpr int32_t kButtonText = static_cast<int32_t>(0x80000012);

std::string example_picture(const char* name) {
    return (std::filesystem::path(VNTAB_SOURCE_DIR) / "examples" / "pictures" / name).string();
}

Names captions(Designer& d) {
    Names names;
    for (const auto& tab : d.c.ctl->Tabs()->tabs())
        names.push_back(tab->Caption());
    return names;
}

// Three tabs; the third with a caption, colours and picture of its own and a text box placed on it.
void three_tabs(Designer& d) {
    d.c.ctl->SetTabCount(3);
    auto third = d.c.tab(3);
    third->SetCaption("&Third");
    third->SetBackColor(0x0000FF);
    third->SetForeColor(0x00FF00);
    third->SetPicture(fakes::BitmapPicture());
    auto text_box = fakes::Windowed("Text1", 100, 50);
    text_box->props["Left"] = rt::Variant(100.0f - 75000.0f);
    d.c.site.Add(text_box);
    third->Controls()->Add("Text1", -1, d.c.ctl)->SetControl(text_box);
}

} // namespace

TEST(TabsPage, ColourListsNameTheSystemColoursThenCustom) {
    const auto& items = pages::ColorListItems();
    EXPECT_EQ(items[0], "Scrollbars");
    EXPECT_EQ(items[9], "Active Tile Bar Text");
    EXPECT_EQ(items[15], "Button Face");
    EXPECT_EQ(items[18], "Button Text");
    EXPECT_EQ(items[24], "ToolTip");
    EXPECT_EQ(items[25], "Custom...");
    Designer d;
    auto page = d.Open<TabsPP>();
    EXPECT_EQ(page->cboTabBackColor.items(), page->cboTabForeColor.items());
    EXPECT_EQ(page->cboTabBackColor.items().size(), items.size());
}

TEST(TabsPage, CopiesEveryTabAndShowsTheFirst) {
    Designer d;
    three_tabs(d);
    auto page = d.Open<TabsPP>();
    EXPECT_EQ(page->cboTab.items(), (Names{"Tab &1", "Tab &2", "&Third"}));
    EXPECT_EQ(page->cboTab.list_index(), 0);
    EXPECT_EQ(page->txtCaption.text(), "Tab &1");
    EXPECT_EQ(page->cboTabBackColor.text(), "Button Face");
    EXPECT_EQ(page->shpTabBackColor.fill_color, kButtonFace);
    EXPECT_EQ(page->cboTabForeColor.text(), "Button Text");
    EXPECT_EQ(page->shpTabForeColor.fill_color, kButtonText);
    EXPECT_EQ(page->picTabPicture.picture(), nullptr);
    EXPECT_EQ(page->records().size(), 3u);
    EXPECT_FALSE(page->Changed());
    // Showing another tab changes no record and leaves the page unchanged.
    page->cboTab.Choose(1);
    EXPECT_EQ(page->txtCaption.text(), "Tab &2");
    for (const auto& record : page->records())
        EXPECT_FALSE(record.changed);
    EXPECT_FALSE(page->Changed());
}

TEST(TabsPage, AnOwnColourShowsCustomWithTheColourInTheBox) {
    Designer d;
    three_tabs(d);
    auto page = d.Open<TabsPP>();
    // Selecting "Custom..." to show the tab opens the colour dialog; its answer is not kept.
    d.dialogs.colors.push_back(0x00FFFF);
    page->cboTab.Choose(2);
    EXPECT_EQ(page->cboTabBackColor.text(), "Custom...");
    EXPECT_EQ(page->shpTabBackColor.fill_color, 0x0000FF);
    EXPECT_EQ(page->cboTabForeColor.text(), "Custom...");
    EXPECT_EQ(page->shpTabForeColor.fill_color, 0x00FF00);
    EXPECT_EQ(d.dialogs.color_owners.size(), 2u);
    EXPECT_EQ(d.dialogs.color_owners[0], d.page_site.hWnd());
    EXPECT_EQ(page->records()[2].back_color, 0x0000FF);
    EXPECT_FALSE(page->records()[2].changed);
    EXPECT_FALSE(page->Changed());
}

TEST(TabsPage, ASystemColourNoItemNamesShowsNoItemButFillsTheBox) {
    Designer d;
    d.c.tab(1)->SetBackColor(static_cast<int32_t>(0x80000030));
    auto page = d.Open<TabsPP>();
    EXPECT_EQ(page->cboTabBackColor.list_index(), -1);
    EXPECT_EQ(page->shpTabBackColor.fill_color, static_cast<int32_t>(0x80000030));
}

TEST(TabsPage, ChosenColoursAreKeptAndWritten) {
    Designer d;
    d.c.ctl->SetTabCount(2);
    auto page = d.Open<TabsPP>();
    page->cboTabForeColor.Choose(8);
    EXPECT_EQ(page->shpTabForeColor.fill_color, static_cast<int32_t>(0x80000008));
    EXPECT_TRUE(page->records()[0].changed);
    EXPECT_TRUE(page->Changed());
    // A cancelled colour dialog keeps what the tab had.
    page->cboTab.Choose(1);
    page->cboTabBackColor.Choose(pages::kCustomColorItem);
    EXPECT_FALSE(page->records()[1].changed);
    d.dialogs.colors.push_back(0x336699);
    page->cboTabBackColor.Choose(pages::kCustomColorItem);
    EXPECT_EQ(page->shpTabBackColor.fill_color, 0x336699);
    page->ApplyChanges();
    EXPECT_EQ(d.c.tab(1)->ForeColor(), static_cast<int32_t>(0x80000008));
    EXPECT_EQ(d.c.tab(2)->BackColor(), 0x336699);
    EXPECT_FALSE(page->records()[0].changed);
    EXPECT_FALSE(page->Changed());
}

TEST(TabsPage, CaptionEditsAreWrittenWhileTheListKeepsTheOldCaption) {
    Designer d;
    auto page = d.Open<TabsPP>();
    page->cmdRemove.Press(); // does nothing to the only tab
    EXPECT_EQ(page->records().size(), 1u);
    EXPECT_EQ(page->cboTab.list_count(), 1);
    EXPECT_FALSE(page->Changed());
    page->txtCaption.SetText("&Start");
    EXPECT_EQ(page->cboTab.items(), Names{"Tab &1"});
    EXPECT_TRUE(page->Changed());
    page->ApplyChanges();
    EXPECT_EQ(captions(d), Names{"&Start"});
    EXPECT_EQ(d.c.site.access_keys, "S");
}

TEST(TabsPage, APictureInTheBoxIsTheTabsAndTheEnabledAndVisibleBoxesOnlyMarkTheTab) {
    Designer d;
    auto page = d.Open<TabsPP>();
    auto icon = fakes::IconPicture();
    page->picTabPicture.SetPicture(icon);
    EXPECT_EQ(page->records()[0].picture, icon);
    EXPECT_TRUE(page->Changed());
    page->ApplyChanges();
    EXPECT_FALSE(page->Changed());
    EXPECT_TRUE(page->chkEnabled.checked());
    page->chkVisible.SetChecked(false);
    EXPECT_TRUE(page->records()[0].changed);
    EXPECT_TRUE(page->Changed());
}

TEST(TabsPage, RemovingTheMiddleTabMovesTheLastUpAndTheControlAsksBeforeMovingItsControls) {
    Designer d;
    three_tabs(d);
    auto picture = d.c.tab(3)->Picture();
    auto page = d.Open<TabsPP>();
    page->cboTab.Choose(1);
    page->cmdRemove.Press();
    EXPECT_EQ(page->cboTab.items(), (Names{"Tab &1", "&Third"}));
    EXPECT_EQ(page->cboTab.list_index(), 1);
    EXPECT_EQ(page->txtCaption.text(), "&Third");
    EXPECT_TRUE(page->Changed());
    page->ApplyChanges();
    EXPECT_EQ(d.c.ctl->TabCount(), 2);
    EXPECT_EQ(captions(d), (Names{"Tab &1", "&Third"}));
    EXPECT_EQ(d.c.tab(1)->BackColor(), kButtonFace);
    EXPECT_EQ(d.c.tab(2)->BackColor(), 0x0000FF);
    EXPECT_EQ(d.c.tab(2)->ForeColor(), 0x00FF00);
    EXPECT_EQ(d.c.tab(2)->Picture(), picture);
    EXPECT_EQ(d.c.site.MessageTexts(),
              Names{"Controls on removed tabs will be placed on Tab 1. Hit OK to continue."});
    EXPECT_EQ(d.c.tab(1)->Controls()->Count(), 1);
    EXPECT_FALSE(page->Changed());
}

TEST(TabsPage, AddingTwoTabsToThreeGivesDefaultCaptionsAndColours) {
    Designer d;
    d.c.ctl->SetTabCount(3);
    auto page = d.Open<TabsPP>();
    page->cmdAdd.Press();
    page->cmdAdd.Press();
    EXPECT_EQ(page->cboTab.list_count(), 5);
    EXPECT_EQ(page->cboTab.list_index(), 4);
    EXPECT_EQ(page->txtCaption.text(), "Tab &5");
    EXPECT_EQ(page->cboTabBackColor.text(), "Button Face");
    EXPECT_EQ(page->cboTabForeColor.text(), "Button Text");
    // The new tab is written with the record, not only made by the count.
    page->cboTabBackColor.Choose(5);
    page->ApplyChanges();
    EXPECT_EQ(captions(d), (Names{"Tab &1", "Tab &2", "Tab &3", "Tab &4", "Tab &5"}));
    EXPECT_EQ(d.c.tab(4)->BackColor(), kButtonFace);
    EXPECT_EQ(d.c.tab(4)->ForeColor(), kButtonText);
    EXPECT_EQ(d.c.tab(5)->BackColor(), static_cast<int32_t>(0x80000005));
    // After a removal the next tab added takes the number after the remaining ones.
    page->cmdRemove.Press();
    page->cmdAdd.Press();
    EXPECT_EQ(page->cboTab.items().back(), "Tab &5");
}

TEST(TabsPage, CancellingThePictureDialogClearsThePicture) {
    Designer d;
    d.c.tab(1)->SetPicture(fakes::BitmapPicture());
    auto page = d.Open<TabsPP>();
    ASSERT_NE(page->picTabPicture.picture(), nullptr);
    page->cmdChangePicture.Press();
    ASSERT_EQ(d.dialogs.file_calls.size(), 1u);
    const auto& call = d.dialogs.file_calls[0];
    EXPECT_EQ(call.owner, d.page_site.hWnd());
    EXPECT_EQ(call.filter, std::string("Bitmaps (*.bmp)\0*.bmp\0Icons (*.ico)\0*.ico\0\0", 43));
    EXPECT_EQ(call.initial_name, "");
    EXPECT_EQ(page->picTabPicture.picture(), nullptr);
    EXPECT_TRUE(page->records()[0].changed);
    EXPECT_TRUE(page->Changed());
    page->ApplyChanges();
    EXPECT_EQ(d.c.tab(1)->Picture(), nullptr);
}

TEST(TabsPage, AChosenPictureFileIsLoadedIntoTheBoxAndWritten) {
    Designer d;
    auto page = d.Open<TabsPP>();
    d.dialogs.files.push_back(example_picture("open.ico"));
    page->cmdChangePicture.Press();
    ASSERT_NE(page->picTabPicture.picture(), nullptr);
    EXPECT_EQ(rt::CInt(page->picTabPicture.picture()->Get("Type")), 3);
    page->ApplyChanges();
    EXPECT_EQ(d.c.tab(1)->Picture(), page->picTabPicture.picture());
}

TEST(TabsPage, APictureThatCannotBeLoadedRaisesTheHostsErrorAndTheTabStaysMarked) {
    Designer d;
    auto page = d.Open<TabsPP>();
    d.dialogs.files.push_back(example_picture("no-such-picture.bmp"));
    EXPECT_EQ(ErrorOf([&] { page->cmdChangePicture.Press(); }).number, 53);
    EXPECT_TRUE(page->records()[0].changed);
    EXPECT_FALSE(page->Changed());
}
