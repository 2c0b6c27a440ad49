#include "PageFixture.h"

#include "pages/PropertyPages.h"
#include "pages/StandardColorPage.h"
#include "pages/StandardFontPage.h"

using namespace vntab;
using fakes::Designer;

namespace {

template <class Page>
std::unique_ptr<Page> open_standard(Designer& d, const char* name) {
    std::unique_ptr<pages::PropertyPage> page = pages::CreateStandardPage(name, d.page_site);
    EXPECT_NE(dynamic_cast<Page*>(page.get()), nullptr) << name;
    page->SelectionChanged();
    return std::unique_ptr<Page>(static_cast<Page*>(page.release()));
}

} // namespace

TEST(StandardFontPage, ReadsTheCaptionFontAndAppliesANewOne) {
    Designer d;
    auto before = d.c.ctl->TabCaptionFont();
    auto page = open_standard<pages::StandardFontPage>(d, "Font");
    EXPECT_EQ(page->txtFontName.text(), before->Name());
    EXPECT_EQ(page->txtFontSize.text(), rt::CStr(rt::Variant(before->Size())));
    EXPECT_FALSE(page->Changed());
    page->txtFontName.SetText("Times New Roman");
    page->txtFontSize.SetText("12");
    page->chkBold.SetChecked(true);
    page->chkUnderline.SetChecked(true);
    page->chkStrikethrough.SetChecked(true);
    EXPECT_TRUE(page->Changed());
    // Nothing reaches the control before Apply.
    EXPECT_EQ(d.c.ctl->TabCaptionFont()->Name(), before->Name());
    page->ApplyChanges();
    const auto& font = d.c.ctl->TabCaptionFont();
    EXPECT_EQ(font->Name(), "Times New Roman");
    EXPECT_DOUBLE_EQ(font->Size(), 12);
    EXPECT_TRUE(font->Bold());
    EXPECT_FALSE(font->Italic());
    EXPECT_TRUE(font->Underline());
    EXPECT_TRUE(font->Strikethrough());
    EXPECT_FALSE(page->Changed());
}

TEST(StandardFontPage, ABadSizeOrNoNameStopsTheApplyWithAMessage) {
    Designer d;
    const std::string name = d.c.ctl->TabCaptionFont()->Name();
    auto page = open_standard<pages::StandardFontPage>(d, "StandardFont");
    page->txtFontSize.SetText("12pt");
    EXPECT_EQ(page->txtFontSize.fore_color, 0xFF);
    page->chkItalic.SetChecked(true);
    page->ApplyChanges();
    page->txtFontSize.SetText("0");
    page->ApplyChanges();
    page->txtFontSize.SetText("9");
    page->txtFontName.SetText("");
    page->ApplyChanges();
    ASSERT_EQ(d.page_site.message_boxes.size(), 3u);
    EXPECT_EQ(d.page_site.message_boxes[0].text, "Property 'Size' must be a number.");
    EXPECT_EQ(d.page_site.message_boxes[1].text, "Property 'Size' must be greater than 0.");
    EXPECT_EQ(d.page_site.message_boxes[2].text, "Property 'Name' must not be empty.");
    EXPECT_TRUE(page->Changed());
    EXPECT_FALSE(d.c.ctl->TabCaptionFont()->Italic());
    EXPECT_EQ(d.c.ctl->TabCaptionFont()->Name(), name);
}

TEST(StandardColorPage, ListsTheColourPropertiesAndShowsWhereEachColourComesFrom) {
    Designer d;
    d.c.ctl->Let("BackColor", rt::Variant(int32_t{0x00FF00}));
    auto page = open_standard<pages::StandardColorPage>(d, "Color");
    ASSERT_GE(page->cboProperty.list_count(), 2);
    EXPECT_EQ(page->cboProperty.items()[0], "BackColor");
    for (const std::string& item : page->cboProperty.items())
        EXPECT_NE(item.find("Color"), std::string::npos) << item;
    EXPECT_EQ(page->cboProperty.list_index(), 0);
    EXPECT_EQ(page->cboPalette.text(), "Lime");
    EXPECT_EQ(page->cboSystemColor.list_index(), -1);
    EXPECT_EQ(page->shpColor.fill_color, 0x00FF00);
    page->cboProperty.Choose(page->cboProperty.list_count() - 1);
    // A system colour shows in the system list, not in the palette.
    EXPECT_EQ(page->cboPalette.list_index(), -1);
    EXPECT_EQ(page->shpColor.fill_color & int32_t(0x80000000u), int32_t(0x80000000u));
    EXPECT_EQ(page->cboSystemColor.list_index(), page->shpColor.fill_color & 0xFFFFFF);
    EXPECT_FALSE(page->Changed());
}

TEST(StandardColorPage, ApplyWritesEveryChangedPropertyAndOnlyThose) {
    Designer d;
    auto page = open_standard<pages::StandardColorPage>(d, "StandardColor");
    const int32_t tab_back = rt::CLng(d.c.ctl->Get("TabBackColor"));
    page->cboPalette.Choose(9); // Red, for BackColor
    EXPECT_TRUE(page->Changed());
    int32_t other = -1;
    for (int32_t i = 0; i < page->cboProperty.list_count(); ++i)
        if (page->cboProperty.items()[size_t(i)] == "TabForeColor") other = i;
    ASSERT_GE(other, 0);
    page->cboProperty.Choose(other);
    page->cboSystemColor.Choose(13); // Highlight
    EXPECT_EQ(rt::CLng(d.c.ctl->Get("BackColor")), d.c.ctl->BackColor());
    EXPECT_NE(d.c.ctl->BackColor(), 0x0000FF);
    page->ApplyChanges();
    EXPECT_EQ(d.c.ctl->BackColor(), 0x0000FF);
    EXPECT_EQ(rt::CLng(d.c.ctl->Get("TabForeColor")), int32_t(0x8000000Du));
    EXPECT_EQ(rt::CLng(d.c.ctl->Get("TabBackColor")), tab_back);
    EXPECT_FALSE(page->Changed());
    // Going back to a property shows its new colour.
    page->cboProperty.Choose(0);
    EXPECT_EQ(page->cboPalette.text(), "Red");
}

TEST(StandardPages, OnlyTheirNamesMakeThem) {
    Designer d;
    EXPECT_EQ(pages::CreateStandardPage("General", d.page_site), nullptr);
    EXPECT_EQ(pages::CreateStandardPage("StandardColor", d.page_site)->caption(), "Color");
    EXPECT_EQ(pages::CreateStandardPage("font", d.page_site)->name(), "StandardFont");
}
