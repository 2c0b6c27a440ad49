#include "PageFixture.h"

#include "pages/Fields.h"

using namespace vntab;
using fakes::ErrorOf;

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
