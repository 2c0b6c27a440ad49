#include "PageFixture.h"

#include "pages/GeneralPP.h"
#include "pages/PropertyPages.h"
#include "pages/TabAppearancePP.h"
#include "pages/TabsPP.h"

using namespace vntab;
using fakes::Designer;
using fakes::ErrorOf;
using Names = std::vector<std::string>;

TEST(PageFields, ListPositionsFollowTheirItems) {
    pages::ListField list("cboX", "&X:");
    int clicks = 0;
    list.on_click = [&] { ++clicks; };
    for (const char* item : {"a", "b", "c"})
        list.AddItem(item);
    list.SetListIndex(2);
    list.SetListIndex(2);
    EXPECT_EQ(clicks, 1);
    list.Choose(2);
    EXPECT_EQ(clicks, 2);
    list.RemoveItem(0);
    EXPECT_EQ(list.list_index(), 1);
    EXPECT_EQ(list.text(), "c");
    list.RemoveItem(1);
    EXPECT_EQ(list.list_index(), -1);
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(ErrorOf([&] { list.SetListIndex(1); }).number, 380);
    EXPECT_EQ(clicks, 2);
}

TEST(PageFields, EventsRaiseOnlyForARealChange) {
    pages::TextField text("txtX", "&X:");
    pages::CheckField check("chkX", "&X");
    pages::ButtonField button("cmdX", "&X");
    int changes = 0;
    text.on_change = check.on_click = button.on_click = [&] { ++changes; };
    text.SetText("1");
    text.SetText("1");
    check.SetChecked(false);
    check.SetChecked(true);
    button.Press();
    button.enabled = false;
    button.Press();
    EXPECT_EQ(changes, 3);
}

TEST(PageFields, LabelsMarkTheirAccessKeys) {
    Designer d;
    pages::GeneralPP general(d.page_site);
    EXPECT_EQ(general.txtTabCount.label(), "TabCo&unt:");
    EXPECT_EQ(general.txtTabCount.access_key(), 'u');
    pages::TabsPP tabs(d.page_site);
    EXPECT_EQ(tabs.cmdChangePicture.access_key(), 'P');
    EXPECT_EQ(tabs.picTabPicture.access_key(), 0);
    EXPECT_EQ(tabs.shpTabBackColor.label(), "");
}

TEST(PageFields, EveryPageLaysItsFieldsOutWithoutOverlap) {
    Designer d;
    for (std::string_view name : {"General", "TabAppearance", "Tabs"}) {
        auto page = pages::CreatePropertyPage(name, d.page_site);
        ASSERT_NE(page, nullptr);
        std::vector<gdi::RECT> boxes;
        for (pages::Field* field : page->fields()) {
            boxes.push_back(field->place.bounds);
            if (field->place.label_bounds.right > 0) boxes.push_back(field->place.label_bounds);
        }
        for (size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_GT(boxes[i].right, boxes[i].left) << name;
            for (size_t j = i + 1; j < boxes.size(); ++j) {
                const bool apart = boxes[i].right <= boxes[j].left || boxes[j].right <= boxes[i].left ||
                                   boxes[i].bottom <= boxes[j].top || boxes[j].bottom <= boxes[i].top;
                EXPECT_TRUE(apart) << name << " " << i << " " << j;
            }
        }
    }
}

TEST(PropertyPages, DeclaredInTheDesignersOrderAndMadeByClassOrCaption) {
    EXPECT_EQ(Names(pages::DeclaredPropertyPages().begin(), pages::DeclaredPropertyPages().end()),
              (Names{"GeneralPP", "TabAppearancePP", "TabsPP", "StandardFont", "StandardColor"}));
    Designer d;
    EXPECT_EQ(pages::CreatePropertyPage("tabappearancepp", d.page_site)->caption(), "TabAppearance");
    EXPECT_EQ(pages::CreatePropertyPage("Tabs", d.page_site)->name(), "TabsPP");
    EXPECT_EQ(pages::CreatePropertyPage("StandardFont", d.page_site), nullptr);
    EXPECT_NE(pages::CreatePropertyPage("general", d.page_site)->FindField("TXTTABROWS"), nullptr);
}
