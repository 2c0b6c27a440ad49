#include "StudioFixture.h"

#include "PagesDialog.h"
#include "PropertyList.h"

#include "pages/Fields.h"
#include "platform/automation/AutomationError.h"
#include "platform/host/ActiveXHolder.h"

// The designer's property list (by name, as text) and its property-page frame (OK, Cancel, Apply).
using namespace studio_test;
using studio::PagesDialog;
using studio::PropertyList;

namespace {

class PropertyEditingTest : public StudioTest {
protected:
    void SetUp() override {
        StudioTest::SetUp();
        document.SetDesignMode(true);
    }
    host::Form& form() { return document.form(); }
    host::ActiveXHolder& tabs() { return *document.session().holder(); }
    std::string Row(const std::string& object, const std::string& name) {
        for (const auto& row : PropertyList::Read(form(), object))
            if (row.name == name) return row.text;
        return "(missing)";
    }
    int32_t ErrorOf(const std::string& object, const std::string& name, const std::string& text) {
        try {
            PropertyList::Write(form(), object, name, text);
        } catch (const rt::AutomationError& e) {
            return e.number;
        }
        return 0;
    }
    std::string TabCaption(int tab) {
        auto item = rt::CObj(rt::CObj(tabs().Get("Tabs"))->Call("Item", {rt::Variant(int32_t(tab))}));
        return rt::CStr(item->Get("Caption"));
    }
};

} // namespace

TEST_F(PropertyEditingTest, TheListShowsEveryObjectsPropertiesAsText) {
    const auto rows = PropertyList::Read(form(), "VNTabCtl1");
    ASSERT_GT(rows.size(), 20u);
    EXPECT_EQ(rows[0].name, "Name");
    EXPECT_EQ(rows[0].text, "VNTabCtl1");
    EXPECT_EQ(Row("VNTabCtl1", "TabHeight"), "360"); // 24 pixels, in the form's twips
    EXPECT_EQ(Row("VNTabCtl1", "TabActiveBold"), "True");
    EXPECT_EQ(Row("VNTabCtl1", "BackColor"), "&H8000000F&");
    EXPECT_EQ(Row("VNTabCtl1", "TabCaptionFont"), "Arial 9");
    EXPECT_EQ(Row("txtName", "Text"), "Kelmora");
    EXPECT_EQ(Row("", "Caption"), "vntab showcase");
    EXPECT_EQ(ErrorOf("nothing", "Caption", "x"), 5);
}

TEST_F(PropertyEditingTest, WritingByNameConvertsTheTextOrRaisesTheObjectsError) {
    PropertyList::Write(form(), "VNTabCtl1", "TabHeight", "450");
    EXPECT_EQ(rt::CInt(tabs().Get("TabHeight")), 450);
    PropertyList::Write(form(), "VNTabCtl1", "BackColor", "&H00FF00&");
    EXPECT_EQ(rt::CLng(tabs().Get("BackColor")), 0x00FF00);
    PropertyList::Write(form(), "txtName", "Text", "Grüße");
    EXPECT_EQ(Row("txtName", "Text"), "Grüße");
    PropertyList::Write(form(), "VNTabCtl1", "TabActiveBold", "false");
    EXPECT_EQ(Row("VNTabCtl1", "TabActiveBold"), "False");
    EXPECT_EQ(ErrorOf("VNTabCtl1", "TabStyle", "9"), 380);
    EXPECT_EQ(ErrorOf("VNTabCtl1", "TabHeight", "tall"), 13);
    EXPECT_EQ(ErrorOf("txtName", "Nonsense", "1"), 438);
    EXPECT_EQ(rt::CInt(tabs().Get("TabStyle")), 1);
}

TEST_F(PropertyEditingTest, TextsBecomeTheValuesADeveloperMeans) {
    EXPECT_EQ(PropertyList::ParseText("TRUE"), rt::Variant(true));
    EXPECT_EQ(PropertyList::ParseText("&H8000000F&"), rt::Variant(int32_t(0x8000000F)));
    EXPECT_EQ(PropertyList::ParseText("&hff"), rt::Variant(int32_t(255)));
    EXPECT_EQ(PropertyList::ParseText("12.5"), rt::Variant(12.5));
    EXPECT_EQ(PropertyList::ParseText("12a"), rt::Variant("12a"));
    EXPECT_EQ(PropertyList::ParseText("&Hxyz&"), rt::Variant("&Hxyz&"));
}

TEST_F(PropertyEditingTest, TheFrameListsThePagesAndApplyWritesOnlyWhatChanged) {
    PagesDialog pages;
    pages.Open(form(), tabs());
    std::vector<std::string> captions;
    for (const auto& page : pages.pages())
        captions.push_back(page->caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"General", "TabAppearance", "Tabs", "Font", "Color"}));
    EXPECT_FALSE(pages.Changed());
    ASSERT_TRUE(pages.Show("tabs"));
    auto& tab = static_cast<vntab::pages::ListField&>(*pages.page().FindField("cboTab"));
    tab.Choose(1);
    static_cast<vntab::pages::TextField&>(*pages.page().FindField("txtCaption")).SetText("&Shape");
    EXPECT_TRUE(pages.Changed());
    EXPECT_EQ(TabCaption(2), "&Layout");
    EXPECT_TRUE(pages.Apply());
    EXPECT_EQ(TabCaption(2), "&Shape");
    EXPECT_FALSE(pages.Changed());
    EXPECT_TRUE(pages.is_open());
    // Cancel (closing) forgets what was not applied.
    static_cast<vntab::pages::TextField&>(*pages.page().FindField("txtCaption")).SetText("&Lost");
    pages.Close();
    EXPECT_FALSE(pages.is_open());
    EXPECT_EQ(TabCaption(2), "&Shape");
}

TEST_F(PropertyEditingTest, OkStaysOpenOnTheFirstPageThatStopsWithItsMessage) {
    PagesDialog pages;
    pages.Open(form(), tabs());
    pages.Show("Color");
    static_cast<vntab::pages::ListField&>(*pages.page().FindField("cboPalette")).Choose(9);
    pages.Show("General");
    static_cast<vntab::pages::TextField&>(*pages.page().FindField("txtTabRows")).SetText("2x");
    static_cast<vntab::pages::TextField&>(*pages.page().FindField("txtTabsPerRow")).SetText("3");
    pages.Show("Tabs");
    EXPECT_FALSE(pages.Ok());
    EXPECT_TRUE(pages.is_open());
    EXPECT_EQ(pages.page().caption(), "General");
    const auto& boxes = document.session().dialogs().shown();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, "Property 'TabRows' must be a number.");
    // The Color page after it waits; the General fields before the bad one were written.
    EXPECT_EQ(rt::CInt(tabs().Get("TabsPerRow")), 3);
    EXPECT_NE(rt::CLng(tabs().Get("BackColor")), 0x0000FF);
    static_cast<vntab::pages::TextField&>(*pages.page().FindField("txtTabRows")).SetText("2");
    EXPECT_TRUE(pages.Ok());
    EXPECT_FALSE(pages.is_open());
    EXPECT_EQ(rt::CLng(tabs().Get("BackColor")), 0x0000FF);
}
